// The yardstick of the start-up benchmark: a bare Qt window of the main
// window's size, started and probed as the program is.
#include <QApplication>
#include <QMainWindow>

#include "app/startup_probe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.resize(907, 620);
  spurgear::StartupProbe::WatchIfAsked(window);
  window.show();
  return app.exec();
}
