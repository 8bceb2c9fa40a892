// spurgear-cli dxf: the DXF menu commands after a calculation.
#include <memory>
#include <ostream>
#include <string>

#include "cli/cli_common.h"

namespace spurgear::cli {
namespace {

struct DxfOptions {
  PairOptions pair;
  int gear = 1;
  std::string output;
};

}  // namespace

Subcommand AddDxf(CLI::App& app, std::ostream&, std::ostream& err) {
  auto o = std::make_shared<DxfOptions>();
  CLI::App* c = app.add_subcommand(
      "dxf",
      "Calculate a pair as 計算 does, then write one gear's outline as the DXF menu's\n"
      "ギア１出力 / ギア２出力 does, the save dialog answered with FILE (replaced).\n"
      "Nothing is written when the calculation failed or was refused.");
  AddPairOptions(*c, o->pair);
  c->add_option("--gear", o->gear, "the gear to draw: 1 (ギア１出力) or 2 (ギア２出力)")
      ->type_name("1|2")
      ->required()
      ->check(CLI::Range(1, 2));
  c->add_option("--output", o->output, "the DXF file to write")->type_name("FILE")->required();
  return {c, [o, &err]() {
            return WithCalculatedPair(o->pair, err, [&](MemoryProgram& p) {
              p.dialogs.answers.push_back(o->output);
              const bool written = RunReported(p, err, [&] {
                if (o->gear == 1) {
                  p.commands.N6Click();
                } else {
                  p.commands.N7Click();
                }
              });
              return WithOutput(kExitDone, written);
            });
          }};
}

}  // namespace spurgear::cli
