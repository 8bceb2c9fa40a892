// Takes the README's pictures: each page of the main window and the history
// window, from a real start-up, pairs with wide results, the inspection
// window beside the main window, the tolerance, sliding and rating windows
// and a save dialog.
// Usage: spurgear-screenshots [--lang en] OUTDIR [SUFFIX]; with a suffix (run
// at another QT_SCALE_FACTOR) only the meshing page is taken, as
// page1SUFFIX.png. --lang en takes the English window.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTableWidget>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>
#include <QThread>
#include <cstdio>
#include <string_view>

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

// The main window and a window beside it as they stand on the screen, in
// one picture; what neither covers stays transparent.
bool SaveSideBySide(QWidget* main, QWidget* beside, const QString& path) {
  Settle();
  const QRect a = main->geometry();
  const QRect b = beside->geometry();
  const QRect both = a.united(b);
  const qreal ratio = main->devicePixelRatioF();
  QPixmap picture(both.size() * ratio);
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::transparent);
  {
    QPainter painter(&picture);
    painter.drawPixmap(a.topLeft() - both.topLeft(), main->grab());
    painter.drawPixmap(b.topLeft() - both.topLeft(), beside->grab());
  }
  if (!picture.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  spurgear::Language language = spurgear::Language::Japanese;
  if (argc > 2 && std::string_view(argv[1]) == "--lang") {
    language = spurgear::LanguageNamed(argv[2]).value_or(language);
    argv += 2;
    argc -= 2;
  }
  if (argc < 2) {
    std::fprintf(stderr, "usage: spurgear-screenshots OUTDIR\n");
    return 2;
  }
  // Absolute: the save dialog's picture is taken from another working folder.
  const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  spurgear::MemoryBox box;
  spurgear::ScriptedDialogs dialogs;
  spurgear::ui::Program p(&box, &dialogs, spurgear::ui::Startup::Whole, language);
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

  // ＴＯＯＬ → 歯厚・測定寸法 beside the main window, for a shifted pair of
  // few teeth without a distance correction.
  type("Edit1", "3");
  type("Edit2", "12");
  type("Edit3", "24");
  type("Edit4", "0.48");
  type("Edit5", "0.48");
  click("BitBtn1");
  click("BitBtn7");
  p.Find<QAction>("N8")->trigger();
  if (auto* inspection = p.form1->findChild<QWidget*>("Form3")) {
    ok &= SaveSideBySide(p.form1.get(), inspection, out + "/measurement.png");
    inspection->close();
  } else {
    std::fprintf(stderr, "the inspection window did not open\n");
    ok = false;
  }

  // ＴＯＯＬ → 公差・バックラッシ for the same pair, with thinned teeth and
  // a centre distance deviation; ＴＯＯＬ → すべり率 for it, for a pair
  // with balanced sliding and for one that interferes.
  p.Find<QAction>("N9")->trigger();
  if (auto* tolerance = p.form1->findChild<QWidget*>("FormTolerance")) {
    auto enter = [&](const char* name, const char* text) {
      auto* e = tolerance->findChild<QLineEdit*>(name);
      e->setText(QString::fromUtf8(text));
      emit e->editingFinished();
    };
    enter("TolThicknessLower1", "-0.12");
    enter("TolThicknessUpper1", "-0.05");
    enter("TolThicknessLower2", "-0.14");
    enter("TolThicknessUpper2", "-0.06");
    enter("TolCenterUpper", "0.03");
    enter("TolCenterLower", "-0.03");
    enter("TolMaterial1", "S45C");
    enter("TolMaterial2", "S45C");
    ok &= Save(tolerance, out + "/tolerance.png");
    tolerance->close();
  } else {
    std::fprintf(stderr, "the tolerance window did not open\n");
    ok = false;
  }
  p.Find<QAction>("N10")->trigger();
  if (auto* sliding = p.form1->findChild<QWidget*>("FormSliding")) {
    ok &= Save(sliding, out + "/sliding.png");
    type("Edit1", "1");
    type("Edit2", "14");
    type("Edit3", "60");
    type("Edit4", "0");
    type("Edit5", "0");
    click("BitBtn1");
    ok &= Save(sliding, out + "/sliding-interference.png");
    sliding->close();
  } else {
    std::fprintf(stderr, "the sliding window did not open\n");
    ok = false;
  }
  // ＴＯＯＬ → 強度計算 (ISO 6336) for the module 3 pair again, 20 N·m,
  // through-hardened wheel, the table scrolled to the safeties.
  type("Edit1", "3");
  type("Edit2", "12");
  type("Edit3", "24");
  type("Edit4", "0.48");
  type("Edit5", "0.48");
  click("BitBtn1");
  p.Find<QAction>("N11")->trigger();
  if (auto* rating = p.form1->findChild<QWidget*>("Form4")) {
    if (auto* w = rating->findChild<QLineEdit*>("RatingTorque")) {
      w->setText("20");
      emit w->editingFinished();
    }
    if (auto* m = rating->findChild<QComboBox*>("RatingMaterial2")) m->setCurrentIndex(0);
    ok &= Save(rating, out + "/rating.png");
    if (auto* t = rating->findChild<QTableWidget*>("RatingTable")) t->scrollToBottom();
    ok &= Save(rating, out + "/rating-bottom.png");
    rating->close();
  } else {
    std::fprintf(stderr, "the rating window did not open\n");
    ok = false;
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
