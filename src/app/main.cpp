// The desktop program: start-up, then the event loop until the main window
// is closed.
#include <QAccessible>
#include <QApplication>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "app/startup_probe.h"
#include "app/warm_up.h"
#include "ui/program.h"

namespace {

constexpr const char* kUsage =
    "usage: spurgear [--lang en|ja] [FILE.hgd]\n"
    "Calculates a pair of external involute spur gears in a window.\n"
    "  --lang en|ja  the window's language for this run (default: the one\n"
    "                chosen in HELP > Language, else Japanese)\n"
    "  FILE.hgd      a gear data file, read and calculated once the window is shown\n"
    "  -h, --help    print this help and exit\n";

struct Arguments {
  std::optional<spurgear::Language> language;
  std::string file;
  int exitStatus = -1;  // 0 or 64 when the program should end at once
};

Arguments Parse(int argc, char** argv) {
  Arguments a;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg(argv[i]);
    std::optional<std::string_view> lang;
    if (arg == "-h" || arg == "--help") {
      std::fputs(kUsage, stdout);
      a.exitStatus = 0;
      return a;
    }
    if (arg == "--lang" && i + 1 < argc) {
      lang = argv[++i];
    } else if (arg.starts_with("--lang=")) {
      lang = arg.substr(7);
    } else if (arg.starts_with("--")) {
      std::fprintf(stderr, "spurgear: unknown option '%s'\n%s", argv[i], kUsage);
      a.exitStatus = 64;
      return a;
    } else {
      a.file = arg;
      continue;
    }
    a.language = spurgear::LanguageNamed(*lang);
    if (!a.language) {
      std::fprintf(stderr, "spurgear: --lang takes en or ja\n%s", kUsage);
      a.exitStatus = 64;
      return a;
    }
  }
  return a;
}

}  // namespace

int main(int argc, char** argv) {
  const std::jthread fonts(spurgear::WarmUpFonts);
  QApplication app(argc, argv);  // takes the toolkit's own options out of argv
  const Arguments args = Parse(argc, argv);
  if (args.exitStatus >= 0) return args.exitStatus;
  // The accessibility bridge looks for the session bus when a control first
  // changes. Where no bus is named, the bus library forks to ask for one. A
  // fork costs least now, while the process is small and has few threads:
  // after it, every page the process had faults once on its next write.
  QAccessible::isActive();
  const std::jthread toolkit(spurgear::WarmUpToolkit);  // joined before app goes
  // The main window first; the hidden history window once it is on screen.
  spurgear::ui::Program program(nullptr, nullptr, spurgear::ui::Startup::WindowFirst,
                                args.language.value_or(spurgear::ui::RememberedLanguage()));
  spurgear::StartupProbe::WatchIfAsked(*program.form1);
  // A gear data file named on the command line is read as if chosen in the
  // open dialog, then calculated, so that the pictures show it too.
  const std::string file = args.file;
  program.Show([&program, file] {
    if (!file.empty()) program.OpenFile(file);
  });
  return app.exec();
}
