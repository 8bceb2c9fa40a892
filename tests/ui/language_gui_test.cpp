// The window in English and in Japanese: every text a user can see in the
// main window, its pages and menus, the history window and each tool window
// is in the chosen language. In English no Japanese is left (beyond the
// language menu's own "日本語"); in Japanese no English text of the
// catalogue appears, so the window reads as it always did.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <set>

#include "commands/memory_ports.h"
#include "core/catalogue.h"
#include "ui/copy_print_help.h"
#include "ui/program.h"

namespace spurgear {
namespace {

struct Shown {
  QString where;
  QString text;
};

void AddActions(QWidget* w, const QString& where, std::vector<Shown>& out) {
  for (QAction* a : w->actions()) {
    if (a->isSeparator()) continue;
    out.push_back({where + " action " + a->objectName(), a->text()});
    if (QMenu* sub = a->menu()) {
      sub->grab();  // as it is painted when opened
      AddActions(sub, where + "/" + sub->objectName(), out);
    }
  }
}

// What the user reads in `window` once it is painted.
std::vector<Shown> VisibleTexts(QWidget* window) {
  window->grab();  // paints the window and every child, as the screen would
  std::vector<Shown> out;
  out.push_back({window->objectName() + " title", window->windowTitle()});
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  for (QWidget* w : widgets) {
    if (!w->isVisibleTo(window)) continue;
    const QString at = window->objectName() + "/" + w->objectName() + " " +
                       w->metaObject()->className();
    if (!w->toolTip().isEmpty()) out.push_back({at + " tooltip", w->toolTip()});
    if (auto* l = qobject_cast<QLabel*>(w)) out.push_back({at, l->text()});
    if (auto* b = qobject_cast<QAbstractButton*>(w)) out.push_back({at, b->text()});
    if (auto* g = qobject_cast<QGroupBox*>(w)) out.push_back({at, g->title()});
    if (auto* e = qobject_cast<QLineEdit*>(w); e && e->isReadOnly()) out.push_back({at, e->text()});
    if (auto* c = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < c->count(); ++i) out.push_back({at + " item", c->itemText(i)});
      out.push_back({at + " current", c->currentText()});
    }
    if (auto* t = qobject_cast<QTabBar*>(w)) {
      for (int i = 0; i < t->count(); ++i) out.push_back({at + " tab", t->tabText(i)});
    }
    if (auto* l = qobject_cast<QListWidget*>(w)) {
      for (int i = 0; i < l->count(); ++i) out.push_back({at + " line", l->item(i)->text()});
    }
    if (auto* t = qobject_cast<QTableWidget*>(w)) {
      for (int c = 0; c < t->columnCount(); ++c) {
        if (auto* h = t->horizontalHeaderItem(c)) out.push_back({at + " heading", h->text()});
        for (int r = 0; r < t->rowCount(); ++r) {
          if (auto* i = t->item(r, c); i && !(i->flags() & Qt::ItemIsEditable)) {
            out.push_back({at + " cell", i->text()});
          }
        }
      }
    }
    if (auto* bar = qobject_cast<QMenuBar*>(w)) {
      bar->grab();
      AddActions(bar, at, out);
    }
  }
  return out;
}

// Every window a user can open: the main window on each of its pages, the
// history window and the five tool windows.
std::vector<Shown> EveryWindow(ui::Program& p) {
  std::vector<Shown> all;
  p.form1->show();
  auto* pages = p.Find<QTabWidget>("PageControl1");
  for (int i = 0; i < pages->count(); ++i) {
    pages->setCurrentIndex(i);
    for (Shown& s : VisibleTexts(p.form1.get())) all.push_back(s);
  }
  p.form2->show();
  for (Shown& s : VisibleTexts(p.form2.get())) all.push_back(s);
  for (const auto& [item, name] : {std::pair{"N8", "Form3"}, std::pair{"N9", "FormTolerance"},
                                   std::pair{"N10", "FormSliding"}, std::pair{"N11", "Form4"},
                                   std::pair{"N12", "FormSizing"}}) {
    p.Find<QAction>(item)->trigger();
    QApplication::processEvents();
    QWidget* w = p.Find<QWidget>(name);
    EXPECT_TRUE(w && w->isVisible()) << name;
    if (w) {
      for (Shown& s : VisibleTexts(w)) all.push_back(s);
    }
  }
  return all;
}

bool HasJapanese(const QString& text) {
  static const QRegularExpression japanese(
      QStringLiteral("[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
  return japanese.match(text).hasMatch();
}

TEST(Languages, EnglishWindowShowsNoJapanese) {
  MemoryBox box;
  ScriptedDialogs dialogs;
  ui::Program p(&box, &dialogs, ui::Startup::Whole, Language::English);
  // A pair with warnings, so that the message list has lines of each kind.
  p.Find<QLineEdit>("Edit2")->setText("13");
  p.Find<QLineEdit>("Edit3")->setText("60");
  p.Find<QAbstractButton>("BitBtn1")->click();
  const std::vector<Shown> texts = EveryWindow(p);
  ASSERT_GT(texts.size(), 300u);
  const std::set<QString> bilingual = {QStringLiteral("Language / 言語"), QStringLiteral("日本語")};
  int left = 0;
  for (const Shown& s : texts) {
    if (HasJapanese(s.text) && !bilingual.contains(s.text)) {
      ADD_FAILURE() << s.where.toStdString() << ": " << s.text.toStdString();
      ++left;
    }
  }
  EXPECT_EQ(left, 0);
  // The help command opens the English page.
  EXPECT_TRUE(ui::HelpPageUrl().path().endsWith("/help/frame_en.htm"));
  // The English is there, not merely the Japanese gone.
  std::set<QString> seen;
  for (const Shown& s : texts) seen.insert(s.text);
  for (const char* english : {"Calculate", "Module",
                              "warning: few teeth z1, undercut possible", "Specific sliding",
                              "Load capacity (ISO 6336)", "Sizing", "Calculation history"}) {
    EXPECT_TRUE(seen.contains(QString::fromUtf8(english)) ||
                std::any_of(texts.begin(), texts.end(),
                            [&](const Shown& s) { return s.text.contains(english); }))
        << english;
  }
}

TEST(Languages, JapaneseWindowShowsNoCatalogueEnglish) {
  MemoryBox box;
  ScriptedDialogs dialogs;
  ui::Program p(&box, &dialogs, ui::Startup::Whole, Language::Japanese);
  std::set<QString> english;
  for (std::size_t i = 0; i < kEnglishCatalogueSize; ++i) {
    const QString e = QString::fromUtf8(kEnglishCatalogue[i].english);
    if (e != QString::fromUtf8(kEnglishCatalogue[i].japanese) && e.size() > 3) english.insert(e);
  }
  const std::vector<Shown> texts = EveryWindow(p);
  ASSERT_GT(texts.size(), 300u);
  for (const Shown& s : texts) {
    EXPECT_FALSE(english.contains(s.text)) << s.where.toStdString() << ": " << s.text.toStdString();
  }
  bool calculate = false;
  for (const Shown& s : texts) calculate = calculate || s.text == QStringLiteral("計算");
  EXPECT_TRUE(calculate);
  EXPECT_TRUE(ui::HelpPageUrl().path().endsWith("/help/frame.htm"));
}

// ＨＥＬＰ → Language / 言語: the choice is remembered for the next start and
// said so; the window stays in its language until then.
TEST(Languages, LanguageMenuRemembersTheChoiceForTheNextStart) {
  MemoryBox box;
  ScriptedDialogs dialogs;
  ui::Program p(&box, &dialogs, ui::Startup::Whole, Language::Japanese);
  ASSERT_EQ(ui::RememberedLanguage(), Language::Japanese);
  auto notice = [] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == "LanguageNotice" && w->isVisible()) return w;
    }
    return static_cast<QWidget*>(nullptr);
  };
  p.Find<QAction>("LanguageEnglish")->trigger();
  EXPECT_EQ(ui::RememberedLanguage(), Language::English);
  QWidget* shown = notice();
  ASSERT_NE(shown, nullptr);
  shown->close();
  EXPECT_EQ(p.Find<QAbstractButton>("BitBtn1")->text(), QStringLiteral("計算"));
  p.Find<QAction>("LanguageJapanese")->trigger();
  EXPECT_EQ(ui::RememberedLanguage(), Language::Japanese);
  QSettings("spurgear", "spurgear").remove("language");
}

}  // namespace
}  // namespace spurgear
