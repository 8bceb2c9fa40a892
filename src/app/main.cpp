// The desktop program: start-up, then the event loop until the main window
// is closed.
#include <QApplication>
#include <string>

#include "app/startup_probe.h"
#include "ui/program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);  // takes the toolkit's own options out of argv
  spurgear::ui::Program program;
  spurgear::StartupProbe::WatchIfAsked(*program.form1);
  program.Show();
  // A gear data file named on the command line is read as if chosen in the
  // open dialog, then calculated, so that the pictures show it too.
  if (argc > 1 && argv[1][0] != '\0') program.OpenFile(std::string(argv[1]));
  return app.exec();
}
