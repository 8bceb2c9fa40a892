#pragma once
// The start-up benchmark's probe (bench/startup.sh): when the environment
// names SPURGEAR_STARTUP_PROBE, the program prints the wall-clock time in
// nanoseconds of the first complete frame on standard output and ends. The
// frame is complete when the window and its children have painted and a
// quiet spell follows: the time printed is that of the last paint before it,
// not the first paint of the window, which comes before its children's.
// With SPURGEAR_STARTUP_PROBE=libraries the lines after it name the shared
// objects mapped at that moment, one path each.
#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <link.h>

namespace spurgear {

class StartupProbe : public QObject {
 public:
  static void WatchIfAsked(QWidget& window) {
    if (qEnvironmentVariableIsEmpty("SPURGEAR_STARTUP_PROBE")) return;
    qApp->installEventFilter(new StartupProbe(window));
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() != QEvent::Paint || window_ == nullptr) return false;
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || (widget != window_ && !window_->isAncestorOf(widget))) return false;
    lastPaint_ = std::chrono::system_clock::now().time_since_epoch();
    quiet_.start();
    return false;
  }

 private:
  // Shorter than a text cursor's blink, far longer than the gap between
  // the paints of one frame.
  static constexpr int kQuietMs = 250;

  explicit StartupProbe(QWidget& window) : QObject(qApp), window_(&window) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMs);
    connect(&quiet_, &QTimer::timeout, this, [this] {
      std::printf("%lld\n", static_cast<long long>(
                                std::chrono::duration_cast<std::chrono::nanoseconds>(lastPaint_)
                                    .count()));
      if (qEnvironmentVariable("SPURGEAR_STARTUP_PROBE") == QLatin1String("libraries"))
        dl_iterate_phdr(
            [](dl_phdr_info* info, size_t, void*) {
              if (info->dlpi_name != nullptr && info->dlpi_name[0] != '\0')
                std::printf("%s\n", info->dlpi_name);
              return 0;
            },
            nullptr);
      std::fflush(stdout);
      QCoreApplication::quit();
    });
  }

  QPointer<QWidget> window_;
  QTimer quiet_;
  std::chrono::system_clock::duration lastPaint_{};
};

}  // namespace spurgear
