// Takes the README's pictures: each page of the main window and the history
// window, from a real start-up. Usage: spurgear-screenshots OUTDIR
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>
#include <QThread>
#include <cstdio>

#include "commands/memory_ports.h"
#include "ui/program.h"

namespace {

void Settle() {
  for (int i = 0; i < 10; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

bool Save(QWidget* w, const QString& path) {
  Settle();
  if (!w->grab().save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: spurgear-screenshots OUTDIR\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  spurgear::MemoryBox box;
  spurgear::ScriptedDialogs dialogs;
  spurgear::ui::Program p(&box, &dialogs);
  p.Show();
  auto click = [&](const char* name) { p.Find<QAbstractButton>(name)->click(); };
  auto type = [&](const char* name, const char* text) {
    p.Find<QLineEdit>(name)->setText(QString::fromUtf8(text));
  };
  auto* pages = p.Find<QTabWidget>("PageControl1");
  bool ok = true;

  // Three registered pairs for the history window, the last one shown.
  for (const char* z1 : {"18", "24", "30"}) {
    type("Edit2", z1);
    click("BitBtn1");
    click("BitBtn2");
  }
  ok &= Save(p.form2.get(), out + "/history.png");
  p.form2->hide();

  // A shifted pair with a center distance correction.
  type("Edit1", "1");
  type("Edit2", "15");
  type("Edit3", "25");
  click("BitBtn1");
  click("BitBtn3");
  for (int i = 0; i < 9; ++i) click("BitBtn3");
  pages->setCurrentIndex(0);
  ok &= Save(p.form1.get(), out + "/page1.png");
  pages->setCurrentIndex(1);
  click("BitBtn8");
  ok &= Save(p.form1.get(), out + "/page2.png");
  pages->setCurrentIndex(2);
  click("BitBtn33");
  ok &= Save(p.form1.get(), out + "/page3.png");
  return ok && box.errors.empty() ? 0 : 1;
}
