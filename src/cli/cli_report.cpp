// spurgear-cli report: the calculation sheet (PDF) or the meshing drawing
// (SVG) of a pair, as the window's 計算書 (PDF)… and かみ合い図 (SVG)… write them.
#include <algorithm>
#include <cctype>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include "cli/cli_common.h"
#include "cli/cli_language.h"
#include "cli/cli_rate.h"
#include "cli/cli_tolerance.h"
#include "commands/control_names.h"
#include "commands/report_sheet.h"

namespace spurgear::cli {
namespace {

struct ReportOptions {
  PairOptions pair;
  std::string output;
  // The strength page's inputs the sheet's estimate uses; the page's
  // defaults where not given.
  StrengthPageOptions page;
  // The tolerance inputs and the rating the sheet carries.
  ToleranceTexts tolerance;
  RatingTexts rating = [] {
    RatingTexts t;
    t.prefix = "rating-";
    return t;
  }();
  bool rate = false;
};

// The format from the file name's extension, either case: "pdf", "svg" or
// empty for anything else.
std::string FormatOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return ext == "pdf" || ext == "svg" ? ext : "";
}

// Every line of the messages (the standard error stream marks each line as
// the CLI's own).
void Prefixed(const std::string& messages, std::ostream& err) {
  std::istringstream lines(messages);
  for (std::string line; std::getline(lines, line);) err << line << "\n";
}

}  // namespace

Subcommand AddReport(CLI::App& app, std::ostream&, std::ostream& err) {
  auto o = std::make_shared<ReportOptions>();
  CLI::App* c = app.add_subcommand(
      "report",
      "Calculate a pair as 計算 does, then write the calculation sheet (FILE.pdf, A4\n"
      "pages) as ＦＩＬＥ's 計算書 (PDF)… does, or the drawing of the pair in mesh\n"
      "(FILE.svg, in millimetres) as DXF's かみ合い図 (SVG)… does; FILE is replaced.\n"
      "The sheet carries the strength estimate for --face-width, --speed, --fillet, --shock\n"
      "and --material (as lewis takes them; the strength page's defaults where not given)\n"
      "and names them; the tolerance section the limits for --thickness-deviation1/2,\n"
      "--center-deviation, --accuracy-class and --tolerance-face-width (as tolerance takes\n"
      "them). With --rating or any --rating-* option (rate's options, prefixed) the sheet\n"
      "carries the ISO 6336 rating.\n"
      "Nothing is written when the calculation failed or was refused, or the file could\n"
      "not be written (message on standard error).");
  AddPairOptions(*c, o->pair);
  c->add_option("--output", o->output, "the file to write: FILE.pdf or FILE.svg")->required();
  AddStrengthPageOptions(*c, o->page, "--face-width");
  AddToleranceOptions(*c, o->tolerance, "--tolerance-face-width");
  AddTableTextOptions(*c, o->tolerance);
  c->add_flag("--rating", o->rate, "add the ISO 6336 rating (rate's defaults where not given)");
  AddRatingOptions(*c, o->rating);
  return {c, [o, &err]() {
            const std::string format = FormatOf(o->output);
            if (format.empty()) {
              err << "出力ファイル " << o->output
                  << " の拡張子は .pdf か .svg にしてください.\n";
              return kExitFailed;
            }
            std::ostringstream messages;
            SetLanguage(messages, LanguageOf(err));
            MemoryProgram p;
            const PairRun run = RunPair(p, o->pair, messages);
            const bool saved = SaveIfAsked(p, o->pair, messages);
            // The strength page's inputs, as the user sets them before 計算書.
            SetStrengthPage(p.fields, o->page);
            bool written = false;
            if (run.status == kExitDone && saved) {
              p.dialogs.answers.push_back(o->output);
              written = RunReported(p, messages, [&] {
                // What the tolerance and rating windows would hold.
                p.commands.settings.tolerance = ToleranceInputOf(o->tolerance);
                if (o->rate || AnyGiven(o->rating)) {
                  p.commands.settings.rating = RatingRequestOf(o->rating);
                }
                if (format == "pdf") {
                  p.commands.SheetPdf1Click();
                } else {
                  // The drawing carries none of the sheet's inputs, but an
                  // option given wrong is refused whatever the file.
                  CheckStrengthPageTexts(p.commands);
                  p.commands.MeshSvg1Click();
                }
              });
            }
            Prefixed(messages.str(), err);
            return WithOutput(run.status, written);
          }};
}

}  // namespace spurgear::cli
