// spurgear-cli report: the calculation sheet (PDF) or the meshing drawing
// (SVG) of a pair, as the window's 計算書 (PDF)… and かみ合い図 (SVG)… write them.
#include <algorithm>
#include <cctype>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>

#include "cli/cli_common.h"

namespace spurgear::cli {
namespace {

struct ReportOptions {
  PairOptions pair;
  std::string output;
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
      "The sheet carries the strength estimate with the strength page's defaults.\n"
      "Exit 0 written; 1 the calculation failed or was refused, or the file could not be\n"
      "written (message on standard error, nothing written).");
  AddPairOptions(*c, o->pair);
  c->add_option("--output", o->output, "the file to write: FILE.pdf or FILE.svg")->required();
  return {c, [o, &err]() {
            const std::string format = FormatOf(o->output);
            if (format.empty()) {
              err << "出力ファイル " << o->output
                  << " の拡張子は .pdf か .svg にしてください.\n";
              return 1;
            }
            std::ostringstream messages;
            MemoryProgram p;
            const CalcOutcome outcome = RunPair(p, o->pair, messages);
            const bool saved = SaveIfAsked(p, o->pair, messages);
            bool written = false;
            if (outcome != CalcOutcome::Failed && saved) {
              // A refused calculation still reaches the menu command, which
              // then refuses too and says why.
              p.dialogs.answers.push_back(o->output);
              written = RunReported(p, messages, [&] {
                if (format == "pdf") {
                  p.commands.SheetPdf1Click();
                } else {
                  p.commands.MeshSvg1Click();
                }
              });
            }
            Prefixed(messages.str(), err);
            return written ? 0 : 1;
          }};
}

}  // namespace spurgear::cli
