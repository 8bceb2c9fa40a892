// The desktop program's start-up, main window first: the history window
// comes once the window is on screen, and nothing meant for its grid is lost
// on the way; pictures nobody sees yet are drawn when first seen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QTextLayout>
#include <string>
#include <utility>
#include <vector>

#include "commands/memory_ports.h"
#include "core/gear_record.h"
#include "output/grid_text.h"
#include "test_support.h"
#include "ui/program.h"
#include "ui/widgets.h"

namespace spurgear {
namespace {

std::vector<std::string> GridTexts(const ui::Program& p) {
  std::vector<std::string> texts;
  const QTableWidget* g = p.form2->Grid();
  for (int r = 0; r < kGridRows; ++r) {
    for (int c = 0; c < kGridColumns; ++c) texts.push_back(g->item(r, c)->text().toStdString());
  }
  return texts;
}

// Events until `done`, for at most thirty seconds: a deadline that only a
// hang reaches, however loaded the machine.
template <class F>
bool Until(F done) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < 30000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

TEST(StartupTest, TheHistoryWindowComesAfterTheFirstPaintWithItsHeadings) {
  MemoryBox box;
  ScriptedDialogs dialogs;
  ui::Program whole(&box, &dialogs);
  ui::Program late(&box, &dialogs, ui::Startup::WindowFirst);
  EXPECT_EQ(late.form2, nullptr);
  bool then = false;
  late.Show([&] { then = late.form2 != nullptr; });
  EXPECT_EQ(late.form2, nullptr);  // not before the window has been painted
  ASSERT_TRUE(Until([&] { return late.form2 != nullptr; }));
  EXPECT_TRUE(then);
  EXPECT_TRUE(late.form2->isHidden());
  EXPECT_EQ(GridTexts(late), GridTexts(whole));
  late.FinishStartup();  // a second call changes nothing
  EXPECT_EQ(GridTexts(late), GridTexts(whole));
  EXPECT_TRUE(box.errors.empty());
}

TEST(StartupTest, InputBeforeTheFirstPaintFinishesTheStartUpFirst) {
  MemoryBox box;
  ScriptedDialogs dialogs;
  ui::Program late(&box, &dialogs, ui::Startup::WindowFirst);
  late.Show();
  ASSERT_EQ(late.form2, nullptr);
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, {});
  QApplication::sendEvent(late.Find<QLineEdit>("Edit2"), &press);
  ASSERT_NE(late.form2, nullptr);
  // The Enter calculated, and a registration now reaches the grid.
  late.Find<QAbstractButton>("BitBtn2")->click();
  EXPECT_FALSE(late.form2->Grid()->item(1, 1)->text().isEmpty());
  EXPECT_TRUE(box.errors.empty());
}

TEST(StartupTest, AFileNamedOnTheCommandLineFillsTheGridOfALateHistoryWindow) {
  TempDir dir;
  HistoryTable table{};
  InitHistoryTable(table);
  table[0].Module = 2.0;
  table[3].Module = 1.5;
  table[3].Teeth1 = 21;
  table[3].Valid = 1;
  const std::string path = dir.Path("pair.hgd");
  WriteGearFile(table, path);

  MemoryBox box;
  ScriptedDialogs dialogs;
  ui::Program whole(&box, &dialogs);
  whole.Show();
  whole.OpenFile(path);

  ui::Program late(&box, &dialogs, ui::Startup::WindowFirst);
  late.Show([&] { late.OpenFile(path); });
  ASSERT_TRUE(Until([&] { return late.form2 != nullptr; }));
  ASSERT_TRUE(box.errors.empty()) << box.errors[0];
  EXPECT_EQ(GridTexts(late), GridTexts(whole));
  EXPECT_EQ(late.Find<QLineEdit>("Edit8")->text(), whole.Find<QLineEdit>("Edit8")->text());

  // Read before the window is shown, the file still reaches the grid.
  ui::Program early(&box, &dialogs, ui::Startup::WindowFirst);
  early.OpenFile(path);
  ASSERT_NE(early.form2, nullptr);
  EXPECT_EQ(GridTexts(early), GridTexts(whole));
}

// The frames the window does not show at start (frames 2 to 5 of the meshing
// view, the backlash view behind its tab) are drawn when first shown or read;
// what they then show is what drawing them at once would have shown, after
// several calculations, a contact calculation and rotations.
TEST(StartupTest, PicturesDrawnWhenFirstReadAreThoseDrawnAtOnce) {
  MemoryBox box;
  ScriptedDialogs dialogs;
  ui::Program waited(&box, &dialogs);
  ui::Program atOnce(&box, &dialogs);
  const char* kHidden[] = {"Image2", "Image3", "Image4", "Image5", "Image7"};
  for (const char* name : kHidden) {
    EXPECT_FALSE(waited.Find<ui::ImageView>(name)->DrawsNow()) << name;
    atOnce.Find<ui::ImageView>(name)->Image();  // made now: later drawings go in at once
    EXPECT_TRUE(atOnce.Find<ui::ImageView>(name)->DrawsNow()) << name;
  }
  for (ui::Program* p : {&waited, &atOnce}) {
    p->Find<QLineEdit>("Edit2")->setText("19");
    p->Find<QAbstractButton>("BitBtn1")->click();
    p->Find<QLineEdit>("Edit1")->setText("2");
    p->Find<QAbstractButton>("BitBtn1")->click();
    p->Find<QAbstractButton>("BitBtn8")->click();   // contact: a red segment
    p->Find<QAbstractButton>("BitBtn13")->click();  // gear 2 turned
    p->Find<QAbstractButton>("BitBtn8")->click();
  }
  for (const char* name : kHidden) {
    EXPECT_EQ(waited.Find<ui::ImageView>(name)->Image(), atOnce.Find<ui::ImageView>(name)->Image())
        << name;
  }
  EXPECT_EQ(waited.Find<ui::ImageView>("Image1")->Image(),
            atOnce.Find<ui::ImageView>("Image1")->Image());
  EXPECT_TRUE(box.errors.empty());
}

// Every text a control of the main window shows at start.
QStringList ShownTexts(QWidget* w) {
  QStringList texts;
  if (auto* l = qobject_cast<QLabel*>(w)) texts << l->text();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) texts << b->text();
  if (auto* e = qobject_cast<QLineEdit*>(w)) texts << e->text();
  if (auto* g = qobject_cast<QGroupBox*>(w)) texts << g->title();
  if (auto* c = qobject_cast<QComboBox*>(w)) {
    for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
  }
  if (auto* t = qobject_cast<QTabBar*>(w)) {
    for (int i = 0; i < t->count(); ++i) texts << t->tabText(i);
  }
  if (auto* l = qobject_cast<QListWidget*>(w)) {
    for (int i = 0; i < l->count(); ++i) texts << l->item(i)->text();
  }
  return texts;
}

// The main window's face stands alone, not merged with others: a character
// it lacks (a subscript, ≤) would show as an empty box.
TEST(StartupTest, TheMainWindowsFaceHoldsEveryCharacterItShows) {
  const QStringList installed = QFontDatabase::families();
  if (!installed.contains(QStringLiteral("IPAPGothic")) &&
      !installed.contains(QStringLiteral("MS PGothic"))) {
    GTEST_SKIP() << "neither Japanese face of the window is installed";
  }
  MemoryBox box;
  ScriptedDialogs dialogs;
  ui::Program p(&box, &dialogs);
  int checked = 0;
  for (QWidget* w : p.form1->findChildren<QWidget*>()) {
    if (w->window() != p.form1.get()) continue;
    QFont face(QFontInfo(w->font()).family());
    face.setStyleStrategy(QFont::NoFontMerging);
    const QFontMetrics metrics(face);
    for (const QString& text : ShownTexts(w)) {
      for (const char32_t c : text.toUcs4()) {
        ++checked;
        if (!QChar::isSpace(c) && QChar::isPrint(c)) {
          EXPECT_TRUE(metrics.inFontUcs4(c)) << w->objectName().toStdString() << ": U+" << std::hex
                                             << static_cast<unsigned>(c) << " in \""
                                             << text.toStdString() << "\" (" << face.family().toStdString()
                                             << ")";
        }
      }
    }
  }
  EXPECT_GT(checked, 500);
}

// The main window's texts are laid out in its face as the application's
// font while it is built, and unshaped. Every text it shows, in either
// language, must come out as shaped text would, the same glyphs at the same
// places (a mark or a ligature that needs shaping would differ); after it,
// dialogs and message boxes have the system's font again.
TEST(StartupTest, TheMainWindowsTextsNeedNoShapingAndLeaveTheApplicationsFont) {
  MemoryBox box;
  ScriptedDialogs dialogs;
  const auto glyphs = [](const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    std::vector<std::pair<quint32, QPointF>> placed;
    for (const QGlyphRun& run : layout.glyphRuns()) {
      const QList<quint32> indexes = run.glyphIndexes();
      const QList<QPointF> positions = run.positions();
      for (qsizetype i = 0; i < indexes.size(); ++i) placed.emplace_back(indexes[i], positions[i]);
    }
    return placed;
  };
  int compared = 0;
  for (const Language language : {Language::Japanese, Language::English}) {
    ui::Program p(&box, &dialogs, ui::Startup::WindowFirst, language);
    EXPECT_EQ(QApplication::font(), QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    for (QWidget* w : p.form1->findChildren<QWidget*>()) {
      if (w->window() != p.form1.get()) continue;
      QFont shaped = w->font();
      shaped.setStyleStrategy(
          QFont::StyleStrategy(shaped.styleStrategy() & ~QFont::PreferNoShaping));
      for (const QString& text : ShownTexts(w)) {
        ++compared;
        EXPECT_EQ(glyphs(text, w->font()), glyphs(text, shaped))
            << w->objectName().toStdString() << ": \"" << text.toStdString() << "\"";
      }
    }
  }
  EXPECT_GT(compared, 150);
}

}  // namespace
}  // namespace spurgear
