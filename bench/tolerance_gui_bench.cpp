// The refresh of the 公差・バックラッシ window, which runs after every
// command of the main window: it must stay well under one frame (16 ms).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>

#include "commands/memory_ports.h"
#include "ui/program.h"
#include "ui/tolerance_window.h"

namespace spurgear {
namespace {

void BM_ToleranceWindowRefresh(benchmark::State& s) {
  MemoryBox box;
  ScriptedDialogs dialogs;
  ui::Program p(&box, &dialogs);
  p.Find<QAction>("N9")->trigger();
  auto* w = p.Find<ui::ToleranceWindow>("FormTolerance");
  if (!w) {
    s.SkipWithError("the window did not open");
    return;
  }
  for (auto _ : s) {
    w->Refresh();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_ToleranceWindowRefresh)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace spurgear
