// spurgear-cli step: the DXF menu's 3D solids of one gear or of the meshed
// pair after a calculation.
#include "cli/cli_step.h"

#include <memory>
#include <ostream>
#include <string>

#include "commands/solid_commands.h"

namespace spurgear::cli {

Subcommand AddStep(CLI::App& app, std::ostream&, std::ostream& err) {
  struct Options {
    PairOptions pair;
    std::string gear;
    double faceWidth = 0;
    double bore = 0;
    std::string output;
  };
  auto o = std::make_shared<Options>();
  CLI::App* c = app.add_subcommand(
      "step",
      "Calculate a pair as 計算 does, then write a 3D solid as the DXF menu's\n"
      "ギア１ 3D (STEP)… / ギア２ 3D (STEP)… / かみ合い 3D (STEP)… does: the outline the\n"
      "basic rack cuts, extruded by the face width along z, centred on the origin, in\n"
      "mm (STEP AP214). With --gear both, gear 2 stands at the working centre distance\n"
      "with its teeth in gear 1's spaces; the solids are named gear1 and gear2.\n"
      "FILE is replaced.\n"
      "Exit 0 written; 1 the calculation failed or the solid was refused (message on\n"
      "standard error, nothing written); 2 the input check refused the tooth counts.");
  AddPairOptions(*c, o->pair);
  c->add_option("--gear", o->gear, "the gear to write: 1, 2 or both (meshed)")
      ->type_name("1|2|both")
      ->required()
      ->check(CLI::IsMember({"1", "2", "both"}));
  c->add_option("--face-width", o->faceWidth, "the face width in mm")
      ->type_name("B")
      ->required()
      ->check(CLI::PositiveNumber);
  c->add_option("--bore", o->bore, "the diameter of a hole through the centre in mm (default none)")
      ->type_name("D")
      ->check(CLI::NonNegativeNumber);
  c->add_option("--output", o->output, "the STEP file to write")->type_name("FILE")->required();
  return {c, [o, &err]() {
            return WithCalculatedPair(o->pair, err, [&](MemoryProgram& p) {
              p.dialogs.answers.push_back(o->output);
              const int gear = o->gear == "both" ? kBothGears : std::stoi(o->gear);
              const bool written = RunReported(
                  p, err, [&] { SaveSolidStep(p.commands, gear, o->faceWidth, o->bore); });
              return WithOutput(kExitDone, written);
            });
          }};
}

}  // namespace spurgear::cli
