#include "ui/translation.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>

// The compiled English lives in this static library: registered by hand so
// that the linker keeps it.
static void RegisterEnglish() { Q_INIT_RESOURCE(spurgear_i18n); }

namespace spurgear::ui {
namespace {

constexpr const char* kContext = "spurgear";

// The language the living WindowLanguage put in place: the window's one record of it.
Language& Installed() {
  static Language installed = Language::Japanese;
  return installed;
}

bool HasJapanese(const QString& text) {
  for (QChar c : text) {
    if (c.unicode() >= 0x3000) return true;
  }
  return false;
}

template <class Set>
void Put(const QString& text, Set set) {
  if (!HasJapanese(text)) return;
  const QString english = Tr(text);
  if (english != text) set(english);
}

// A control placed at a fixed position must still show its English text,
// mostly longer than the Japanese, whole: first a box widened into the free
// space to its right (up to the next control beside it), then a smaller face
// (down to 10 pixels), then a wider box. Controls in a layout are sized by
// it.
// What the text needs: a push button's own size hint keeps a minimum width
// that small buttons never had, so its text and a small margin count.
int Needed(QWidget* w) {
  if (auto* b = qobject_cast<QPushButton*>(w)) {
    return b->fontMetrics().horizontalAdvance(b->text()) + 6;
  }
  return w->sizeHint().width();
}

void FitText(QWidget* w) {
  QWidget* parent = w->parentWidget();
  if (parent == nullptr || w->isWindow() || Needed(w) <= w->width()) return;
  const bool placed = parent->layout() == nullptr;
  const QRect box = w->geometry();
  int right = parent->width();
  for (QObject* o : parent->children()) {
    auto* sibling = qobject_cast<QWidget*>(o);
    if (sibling == nullptr || sibling == w || sibling->isHidden()) continue;
    const QRect g = sibling->geometry();
    if (g.left() > box.left() && g.top() < box.bottom() && g.bottom() > box.top()) {
      right = std::min(right, g.left() - 2);
    }
  }
  if (placed) {
    w->resize(std::max(box.width(), std::min(Needed(w), right - box.left())),
              box.height());
  }
  QFont f = w->font();
  int px = f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize();
  while (px > 10 && Needed(w) > w->width()) {
    f.setPixelSize(--px);
    w->setFont(f);
  }
  if (placed && Needed(w) > w->width()) {
    w->resize(Needed(w), box.height());
  }
}

void TranslateActions(QWidget* w) {
  for (QAction* a : w->actions()) {
    Put(a->text(), [a](const QString& t) { a->setText(t); });
    Put(a->toolTip(), [a](const QString& t) { a->setToolTip(t); });
  }
}

void TranslateTable(QTableWidget* t) {
  bool changed = false;
  for (int c = 0; c < t->columnCount(); ++c) {
    if (QTableWidgetItem* h = t->horizontalHeaderItem(c)) {
      Put(h->text(), [h, &changed](const QString& s) {
        h->setText(s);
        changed = true;
      });
      Put(h->toolTip(), [h](const QString& s) { h->setToolTip(s); });
    }
  }
  for (int r = 0; r < t->rowCount(); ++r) {
    if (QTableWidgetItem* h = t->verticalHeaderItem(r)) {
      Put(h->text(), [h](const QString& s) { h->setText(s); });
    }
    for (int c = 0; c < t->columnCount(); ++c) {
      // Cells the user may type into keep what was typed.
      QTableWidgetItem* i = t->item(r, c);
      if (i == nullptr || (i->flags() & Qt::ItemIsEditable)) continue;
      Put(i->text(), [i, &changed](const QString& s) {
        i->setText(s);
        changed = true;
      });
      Put(i->toolTip(), [i](const QString& s) { i->setToolTip(s); });
    }
  }
  // Columns sized for the Japanese widen to show the English whole.
  if (!changed) return;
  int wider = 0;
  for (int c = 0; c < t->columnCount(); ++c) {
    const int before = t->columnWidth(c);
    t->resizeColumnToContents(c);
    if (t->columnWidth(c) < before) t->setColumnWidth(c, before);
    wider += t->columnWidth(c) - before;
  }
  // A grid that never scrolls sideways, placed in its window, grows with
  // its window.
  if (wider > 0 && t->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
      t->parentWidget() != nullptr && t->parentWidget()->layout() == nullptr) {
    t->resize(t->width() + wider, t->height());
    QWidget* window = t->window();
    window->resize(window->width() + wider, window->height());
  }
}

// The texts of one widget (not its children).
void TranslateWidget(QWidget* w) {
  if (w->isWindow()) Put(w->windowTitle(), [w](const QString& t) { w->setWindowTitle(t); });
  Put(w->toolTip(), [w](const QString& t) { w->setToolTip(t); });
  Put(w->accessibleName(), [w](const QString& t) { w->setAccessibleName(t); });
  Put(w->whatsThis(), [w](const QString& t) { w->setWhatsThis(t); });
  if (auto* l = qobject_cast<QLabel*>(w)) {
    Put(l->text(), [l](const QString& t) { l->setText(t); });
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    Put(b->text(), [b](const QString& t) { b->setText(t); });
  } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
    Put(g->title(), [g](const QString& t) { g->setTitle(t); });
  } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
    Put(e->placeholderText(), [e](const QString& t) { e->setPlaceholderText(t); });
    // What the program writes; what the user types stays as typed.
    if (e->isReadOnly()) Put(e->text(), [e](const QString& t) { e->setText(t); });
  } else if (auto* c = qobject_cast<QComboBox*>(w)) {
    for (int i = 0; i < c->count(); ++i) {
      Put(c->itemText(i), [c, i](const QString& t) {
        c->setItemText(i, t);
        // Sized for the Japanese items on first show; the English decide.
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
      });
    }
    if (c->isEditable() && c->currentIndex() < 0) {
      Put(c->currentText(), [c](const QString& t) { c->setEditText(t); });
    }
  } else if (auto* tb = qobject_cast<QTabBar*>(w)) {
    for (int i = 0; i < tb->count(); ++i) {
      Put(tb->tabText(i), [tb, i](const QString& t) { tb->setTabText(i, t); });
      Put(tb->tabToolTip(i), [tb, i](const QString& t) { tb->setTabToolTip(i, t); });
    }
  } else if (auto* lw = qobject_cast<QListWidget*>(w)) {
    for (int i = 0; i < lw->count(); ++i) {
      QListWidgetItem* item = lw->item(i);
      Put(item->text(), [item](const QString& t) { item->setText(t); });
    }
  } else if (auto* t = qobject_cast<QTableWidget*>(w)) {
    TranslateTable(t);
  } else if (qobject_cast<QMenu*>(w) || qobject_cast<QMenuBar*>(w)) {
    TranslateActions(w);
    if (auto* m = qobject_cast<QMenu*>(w)) Put(m->title(), [m](const QString& t) { m->setTitle(t); });
  }
}

// Translates a widget as it is shown or painted; a list's or table's items
// are painted by its viewport, a header's texts belong to its table.
class EnglishFace : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Show:
      case QEvent::Paint:
      case QEvent::ToolTip:
        break;
      default:
        return false;
    }
    if (!watched->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(watched);
    TranslateWidget(w);
    // Sizes are known once the widget is shown, its layout done.
    auto* label = qobject_cast<QLabel*>(w);
    if ((label && !label->wordWrap()) || qobject_cast<QAbstractButton*>(w)) {
      if (w->isVisible()) FitText(w);
    }
    // A viewport or a header paints items that belong to its list or table.
    QWidget* up = w->parentWidget();
    for (int i = 0; i < 2 && up != nullptr; ++i, up = up->parentWidget()) {
      if (qobject_cast<QListWidget*>(up) || qobject_cast<QTableWidget*>(up)) {
        TranslateWidget(up);
        break;
      }
    }
    return false;
  }
};

}  // namespace

Language RememberedLanguage() {
  const QString name = QSettings("spurgear", "spurgear").value("language").toString();
  return LanguageNamed(name.toStdString()).value_or(Language::Japanese);
}

void RememberLanguage(Language language) {
  QSettings("spurgear", "spurgear")
      .setValue("language", language == Language::English ? "en" : "ja");
}

WindowLanguage::WindowLanguage(Language language) : language_(language) {
  if (language == Language::Japanese || QCoreApplication::instance() == nullptr) return;
  RegisterEnglish();
  translator_ = std::make_unique<QTranslator>();
  if (translator_->load(QStringLiteral(":/spurgear/i18n/spurgear_en.qm"))) {
    QCoreApplication::installTranslator(translator_.get());
  }
  Installed() = language;
  filter_ = std::make_unique<EnglishFace>();
  qApp->installEventFilter(filter_.get());
}

Language WindowLanguage::Current() { return Installed(); }

WindowLanguage::~WindowLanguage() {
  if (!filter_) return;
  qApp->removeEventFilter(filter_.get());
  QCoreApplication::removeTranslator(translator_.get());
  Installed() = Language::Japanese;
}

QString Tr(const QString& japanese) {
  if (Installed() == Language::Japanese || !HasJapanese(japanese)) return japanese;
  const QByteArray source = japanese.toUtf8();
  const QString whole = QCoreApplication::translate(kContext, source.constData());
  if (whole != japanese) return whole;
  const QString rendered = QString::fromStdString(Render(Installed(), source.toStdString()));
  if (rendered != japanese || !japanese.contains(u'\n')) return rendered;
  // Lines put together (findings, a summary over two lines): each on its own.
  QStringList lines = japanese.split(u'\n');
  for (QString& l : lines) l = Tr(l);
  return lines.join(u'\n');
}

void TranslateTree(QWidget* root) {
  if (Installed() == Language::Japanese || root == nullptr) return;
  TranslateWidget(root);
  for (QWidget* w : root->findChildren<QWidget*>()) {
    TranslateWidget(w);
    // Placed controls have their boxes already: fitted now, the first
    // frame is painted once.
    QWidget* parent = w->parentWidget();
    auto* label = qobject_cast<QLabel*>(w);
    if (parent && !parent->layout() &&
        ((label && !label->wordWrap()) || qobject_cast<QAbstractButton*>(w))) {
      FitText(w);
    }
  }
}

void AddLanguageMenu(QMenu* menu, Language current) {
  QMenu* sub = menu->addMenu(QStringLiteral("Language / 言語"));
  sub->setObjectName("Language1");
  auto* group = new QActionGroup(sub);
  const std::pair<const char*, Language> kChoices[] = {{"LanguageJapanese", Language::Japanese},
                                                       {"LanguageEnglish", Language::English}};
  for (const auto& [name, language] : kChoices) {
    QAction* a = sub->addAction(language == Language::Japanese ? QStringLiteral("日本語")
                                                               : QStringLiteral("English"));
    a->setObjectName(name);
    a->setCheckable(true);
    a->setChecked(language == current);
    group->addAction(a);
    QObject::connect(a, &QAction::triggered, sub, [sub, language, current] {
      RememberLanguage(language);
      if (language == current) return;
      // Both languages: the reader may not read the one now shown.
      auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Language / 言語"),
                                  QStringLiteral("次の起動から日本語で表示します。\n"
                                                 "The window speaks Japanese from the next start."),
                                  QMessageBox::Ok, sub->window());
      if (language == Language::English) {
        box->setText(QStringLiteral("次の起動から英語で表示します。\n"
                                    "The window speaks English from the next start."));
      }
      box->setObjectName("LanguageNotice");
      box->setAttribute(Qt::WA_DeleteOnClose);
      box->setModal(false);
      box->show();
    });
  }
}

}  // namespace spurgear::ui
