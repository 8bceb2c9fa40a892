#pragma once
// The start-up benchmark's probe (bench/startup.sh): when the environment
// names SPURGEAR_STARTUP_PROBE, the first expose of the window prints the
// wall-clock time in nanoseconds on standard output and ends the program.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace spurgear {

class StartupProbe : public QObject {
 public:
  static void WatchIfAsked(QWidget& window) {
    if (qEnvironmentVariableIsEmpty("SPURGEAR_STARTUP_PROBE")) return;
    window.installEventFilter(new StartupProbe(&window));
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (!fired_ && event->type() == QEvent::Paint) {
      fired_ = true;
      const auto now = std::chrono::system_clock::now().time_since_epoch();
      std::printf("%lld\n", static_cast<long long>(
                                std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
      std::fflush(stdout);
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return false;
  }

 private:
  using QObject::QObject;
  bool fired_ = false;
};

}  // namespace spurgear
