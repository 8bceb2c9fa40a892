#pragma once
// The window in the chosen language. The controls are built with their
// Japanese texts; in English, a filter on the application puts each text a
// user can see through the catalogue just before it is shown or painted
// (labels, buttons, group and tab captions, menus, combo and list items,
// table cells and headers, read-only fields, window titles, tool tips), so
// that texts the tool windows set later are caught too. Japanese installs
// nothing and changes nothing.
//
//   WindowLanguage english(Language::English);  // before the first window
//   label->setText(Tr(QStringLiteral("計算")));  // only for painted texts
#include <QString>
#include <memory>

#include "core/language.h"

class QMenu;
class QObject;
class QTranslator;
class QWidget;

namespace spurgear::ui {

// The language remembered from ＨＥＬＰ → "Language / 言語"; Japanese when
// none was chosen.
Language RememberedLanguage();
void RememberLanguage(Language language);

// The window's language for as long as it lives: in English, the compiled
// English (a resource) in the application's translator and the filter on
// every widget's texts; in Japanese nothing. One at a time.
class WindowLanguage {
 public:
  explicit WindowLanguage(Language language);
  ~WindowLanguage();
  WindowLanguage(const WindowLanguage&) = delete;
  WindowLanguage& operator=(const WindowLanguage&) = delete;
  Language language() const { return language_; }
  // The language of the living one; Japanese when none is.
  static Language Current();

 private:
  Language language_;
  std::unique_ptr<QTranslator> translator_;
  std::unique_ptr<QObject> filter_;
};

// The installed language's text for a Japanese one: whole-text entries from
// the translator, then the catalogue's entries with placeholders. Unchanged
// in Japanese.
QString Tr(const QString& japanese);

// Puts every text of `root` and its children through Tr now.
void TranslateTree(QWidget* root);

// Adds "Language / 言語" with 日本語 and English, `current` checked, to
// `menu`. A choice is remembered and takes effect at the next start, which
// a message box says.
void AddLanguageMenu(QMenu* menu, Language current);

}  // namespace spurgear::ui
