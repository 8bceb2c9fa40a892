// Takes the README's pictures: each page of the main window and the history
// window, from a real start-up, pairs with wide results and a save dialog.
// Usage: spurgear-screenshots OUTDIR [SUFFIX]; with a suffix (run at another
// QT_SCALE_FACTOR) only the meshing page is taken, as page1SUFFIX.png.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>
#include <QThread>
#include <cstdio>

#include "commands/memory_ports.h"
#include "core/gear_record.h"
#include "ui/program.h"
#include "ui/qt_ports.h"

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
  if (argc > 2) {
    type("Edit1", "3");
    type("Edit2", "40");
    type("Edit3", "41");
    click("BitBtn1");
    ok &= Save(p.form1.get(), out + "/page1" + QString::fromLocal8Bit(argv[2]) + ".png");
    return ok && box.errors.empty() ? 0 : 1;
  }

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

  // Results of seven characters: module 3 with 40/41 teeth, and 300/300.
  pages->setCurrentIndex(0);
  for (const char* z1 : {"40", "300"}) {
    type("Edit1", z1[0] == '4' ? "3" : "1");
    type("Edit2", z1);
    type("Edit3", z1[0] == '4' ? "41" : "300");
    click("BitBtn1");
    ok &= Save(p.form1.get(), out + (z1[0] == '4' ? "/module3-40-41.png" : "/teeth300.png"));
  }

  // The save dialog of 書き込み as Qt draws it, in Japanese, in a folder
  // holding two gear data files.
  QTemporaryDir folder;
  spurgear::WriteGearFile(p.state->table, (folder.path() + "/歯車40-41.hgd").toStdString());
  spurgear::WriteGearFile(p.state->table, (folder.path() + "/pair.hgd").toStdString());
  QDir::setCurrent(folder.path());
  spurgear::ui::QtDialogs dialogs2(p.form1.get());
  QTimer::singleShot(800, [&] {
    if (auto* d = QApplication::activeModalWidget()) {
      ok &= Save(d, out + "/save-dialog.png");
      d->close();
    }
  });
  dialogs2.Save("SaveDialog1");
  return ok && box.errors.empty() ? 0 : 1;
}
