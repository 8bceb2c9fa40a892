// spurgear-cli drawing and template: the DXF menu's part drawing (部品図)
// and cutting template of one gear after a calculation.
#include "cli/cli_drawing.h"

#include <memory>
#include <ostream>
#include <string>

#include "cli/cli_tolerance.h"

namespace spurgear::cli {
namespace {

struct DrawingOptions {
  PairOptions pair;
  int gear = 1;
  std::string output;
  ToleranceTexts tolerance;  // the part drawing's data table
};

using Handler = void (Commands::*)();

Subcommand Add(CLI::App& app, std::ostream& err, const char* name, const char* description,
               const char* fileHelp, Handler gear1, Handler gear2, bool tolerances) {
  auto o = std::make_shared<DrawingOptions>();
  CLI::App* c = app.add_subcommand(name, description);
  AddPairOptions(*c, o->pair);
  c->add_option("--gear", o->gear, "the gear to draw: 1 or 2")
      ->type_name("1|2")
      ->required()
      ->check(CLI::Range(1, 2));
  c->add_option("--output", o->output, fileHelp)->type_name("FILE")->required();
  if (tolerances) {
    AddToleranceOptions(*c, o->tolerance, "--face-width");
    AddTableTextOptions(*c, o->tolerance);
  }
  return {c, [o, &err, gear1, gear2]() {
            return WithCalculatedPair(o->pair, err, [&](MemoryProgram& p) {
              p.dialogs.answers.push_back(o->output);
              const bool written =
                  RunReported(p, err, [&] {
                    // What the tolerance window would hold (no face width
                    // given: the strength page's).
                    p.commands.settings.tolerance = ToleranceInputOf(o->tolerance);
                    (p.commands.*(o->gear == 1 ? gear1 : gear2))();
                  });
              return WithOutput(kExitDone, written);
            });
          }};
}

}  // namespace

Subcommand AddDrawing(CLI::App& app, std::ostream&, std::ostream& err) {
  return Add(app, err, "drawing",
             "Calculate a pair as 計算 does, then write one gear's part drawing as the DXF\n"
             "menu's ギア１部品図 (DXF)… / ギア２部品図 (DXF)… does: the tooth the basic rack\n"
             "cuts (fillet and undercut included) at 1:1 in mm, its circles and centre lines\n"
             "and the gear data table (要目表), DXF R2007 (UTF-8); the table's limits, classes\n"
             "and backlash range are those of the tolerance options (as tolerance takes\n"
             "them), its texts those of the text options. FILE is replaced.\n"
             "Exit 0 written; 1 the calculation failed or the drawing was refused (message on\n"
             "standard error, nothing written); 2 the input check refused the tooth counts.",
             "the DXF file to write", &Commands::PartDxf1Click, &Commands::PartDxf2Click, true);
}

Subcommand AddTemplate(CLI::App& app, std::ostream&, std::ostream& err) {
  return Add(app, err, "template",
             "Calculate a pair as 計算 does, then write one gear's cutting template as the DXF\n"
             "menu's 歯形テンプレート (SVG)… does: the tooth the basic rack cuts, with true tip\n"
             "and root arcs, in a 0.1 mm line, a centre mark, the gear's name, module and\n"
             "teeth and a 10 mm scale bar, at true size in mm. FILE is replaced.\n"
             "Exit 0 written; 1 the calculation failed or the template was refused (message\n"
             "on standard error, nothing written); 2 the input check refused the tooth counts.",
             "the SVG file to write", &Commands::ToothTemplate1Click,
             &Commands::ToothTemplate2Click, false);
}

}  // namespace spurgear::cli
