// The desktop program: start-up, then the event loop until the main window
// is closed.
#include <QApplication>
#include <string>

#include "app/startup_probe.h"
#include "ui/program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);  // takes the toolkit's own options out of argv
  // The main window first; the hidden history window once it is on screen.
  spurgear::ui::Program program(nullptr, nullptr, spurgear::ui::Startup::WindowFirst);
  spurgear::StartupProbe::WatchIfAsked(*program.form1);
  // A gear data file named on the command line is read as if chosen in the
  // open dialog, then calculated, so that the pictures show it too.
  const std::string file = argc > 1 ? std::string(argv[1]) : std::string();
  program.Show([&program, file] {
    if (!file.empty()) program.OpenFile(file);
  });
  return app.exec();
}
