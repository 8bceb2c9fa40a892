#include "ui/widgets.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QtMath>

#include "commands/form_defaults.h"
#include "core/number_text.h"

namespace spurgear::ui {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {

// Closes the window on an Escape that nothing inside it took: from a field,
// a button, or the window itself when nothing in it has the focus.
class EscapeCloses : public QObject {
 public:
  explicit EscapeCloses(QWidget* window) : QObject(window), window_(window) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
      window_->close();
      return true;
    }
    return false;
  }

 private:
  QWidget* window_;
};

}  // namespace

void SetToolWindowFace(QWidget* window, const char* name, const QString& title) {
  window->setObjectName(name);
  window->setWindowTitle(title);
  window->setFont(WindowFont());
  QPalette pal = window->palette();
  pal.setColor(QPalette::Window, QColor(192, 192, 192));  // the main window's silver
  window->setPalette(pal);
  window->setAutoFillBackground(true);
  // Escape closes it as it closes a dialog; closing only hides it.
  window->installEventFilter(new EscapeCloses(window));
  window->setAccessibleName(title);
}

void DescribeField(QWidget* field, const QString& name, const QString& range) {
  field->setAccessibleName(name);
  field->setToolTip(range.isEmpty() ? name : name + QStringLiteral("\n範囲：") + range);
}

QString PressureAngleText(const GearPairRecord& pair) {
  return QStringLiteral("圧力角 %1°").arg(Q(FormatInput(PressureAngleDegrees(pair.PressureAngleIndex))));
}

QString NarrowDigits(const QString& text) {
  QString out = text;
  for (QChar& c : out) {
    const char16_t u = c.unicode();
    if (u >= u'０' && u <= u'９') {
      c = QChar(u'0' + (u - u'０'));
    } else if (u == u'．') {
      c = u'.';
    } else if (u == u'－' || u == u'−') {
      c = u'-';
    } else if (u == u'＋') {
      c = u'+';
    } else if (u == u'ｅ') {
      c = u'e';
    } else if (u == u'Ｅ') {
      c = u'E';
    } else if (u == u'　') {
      c = u' ';
    }
  }
  return out;
}

void SetUpToolWindowKeys(QWidget* window) {
  for (QLineEdit* e : window->findChildren<QLineEdit*>()) {
    if (e->isReadOnly()) {
      e->setFocusPolicy(Qt::ClickFocus);
      continue;
    }
    if (e->property(kFreeText).toBool()) continue;
    // On every edit the user makes, so the field's own reading of the text
    // (on Enter or leaving it) sees ASCII.
    QObject::connect(e, &QLineEdit::textEdited, e, [e](const QString& text) {
      const QString narrow = NarrowDigits(text);
      if (narrow == text) return;
      const int at = e->cursorPosition();
      e->setText(narrow);
      e->setCursorPosition(at);
    });
  }
  for (QAbstractItemView* v : window->findChildren<QAbstractItemView*>()) {
    // A combo box's list lies in its own popup; only the tables leave the chain.
    if (v->window() == window) v->setFocusPolicy(Qt::ClickFocus);
  }
}

void DisconnectEdits(QWidget* window) {
  for (QLineEdit* e : window->findChildren<QLineEdit*>()) e->disconnect(window);
}

QFont WindowFont() {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                    QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")});
  font.setPixelSize(15);
  // Unhinted: to hint the first glyph, FreeType's auto-hinter first scans
  // every character of the Japanese face, a quarter of the main window's
  // start-up; the design outlines need nothing before the first label.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QFont MainWindowFont() {
  QFont font = WindowFont();
  static const QStringList installed = QFontDatabase::families();
  for (const QString& family : font.families()) {
    if (installed.contains(family)) {
      font.setFamilies({family});
      // Neither Japanese nor Latin text needs shaping: characters map to
      // glyphs directly, kerned from the face's own table, the same pixels
      // without HarfBuzz for every label.
      font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferNoShaping));
      break;
    }
  }
  return font;
}

QSize LogicalSize(const QImage& image) { return image.deviceIndependentSize().toSize(); }

namespace {
// What QLineEdit keeps between its contents and its text on either side,
// and what its cursor takes after the text.
constexpr int kLineEditMargin = 2;
constexpr int kCursorRoom = 2;
}  // namespace

void FitNumbers(QLineEdit* field) {
  QFont condensed;  // only the stretch: the rest still comes from the window
  condensed.setStretch(QFont::SemiCondensed);
  field->setFont(condensed);
  field->setTextMargins(-1, 0, -2, 0);
}

bool ShowsWholeText(const QLineEdit& field) {
  int room = field.contentsRect().width() - field.textMargins().left() -
             field.textMargins().right() - 2 * kLineEditMargin - kCursorRoom;
  if (field.hasFrame()) {
    room -= 2 * field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &field);
  }
  return field.fontMetrics().horizontalAdvance(field.text()) <= room;
}

QString InitialText(std::string_view name) {
  for (const auto& [n, text] : kInitialTexts) {
    if (n == name) return Q(text);
  }
  return {};
}

int InitialIndex(std::string_view name) {
  for (const auto& [n, index] : kInitialIndices) {
    if (n == name) return index;
  }
  return -1;
}

RadioGroup::RadioGroup(QWidget* parent, const QString& name, const QString& caption,
                       const QStringList& items, int columns, int x, int y, int w, int h)
    : QGroupBox(caption, parent) {
  setObjectName(name);
  setGeometry(x, y, w, h);
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(4, 0, 4, 0);
  layout->setSpacing(0);
  auto* group = new QButtonGroup(this);
  const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], this);
    b->setObjectName(name + "_" + QString::number(i));
    group->addButton(b, i);
    // Items fill the columns top to bottom, then left to right.
    layout->addWidget(b, i % rows, i / rows);
    items_.append(b);
    connect(b, &QRadioButton::clicked, this, [this, i] { emit Clicked(i); });
  }
}

int RadioGroup::ItemIndex() const {
  for (int i = 0; i < items_.size(); ++i) {
    if (items_[i]->isChecked()) return i;
  }
  return -1;
}

void RadioGroup::SetItemIndex(int index) {
  if (index >= 0 && index < items_.size()) items_[index]->setChecked(true);
}

QRadioButton* RadioGroup::Item(int index) const {
  return index >= 0 && index < items_.size() ? items_[index] : nullptr;
}

ImageView::ImageView(QWidget* parent, const QString& name, int x, int y, int w, int h)
    : QWidget(parent) {
  setObjectName(name);
  setGeometry(x, y, w, h);
  // Before the window is shown the ratio is the application's, which is
  // the screen's on a single screen.
  size_ = QSize(w, h);
  ratio_ = devicePixelRatioF();
}

bool ImageView::DrawsNow() const { return !image_.isNull() || isVisibleTo(window()); }

void ImageView::DrawLater(std::function<void(QImage&)> draw, bool clears) {
  if (!image_.isNull()) {
    draw(image_);
    return;
  }
  if (clears) waiting_.clear();
  waiting_.push_back(std::move(draw));
}

QImage& ImageView::Made() const {
  if (image_.isNull()) {
    image_ = QImage(qCeil(size_.width() * ratio_), qCeil(size_.height() * ratio_),
                    QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio_);
    image_.fill(Qt::white);
    const auto waiting = std::move(waiting_);
    waiting_.clear();
    for (const auto& draw : waiting) draw(image_);
  }
  return image_;
}

void ImageView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, Made());
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, int x, int y, int w, int h,
                    const QString& text, bool readOnly, bool flat) {
  auto* e = new QLineEdit(text, parent);
  e->setObjectName(name);
  e->setGeometry(x, y, w, h);
  e->setReadOnly(readOnly);
  e->setFrame(!flat);
  e->setCursorPosition(0);
  return e;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, int x, int y, int w, int h,
                        const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setGeometry(x, y, w, h);
  return b;
}

namespace {
class EnterPresses : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)) return false;
    // Once per press, as Space: a held key does not repeat the command.
    if (button->isEnabled() && !key->isAutoRepeat()) button->click();
    return true;
  }
};
}  // namespace

void PressButtonsOnEnter(QWidget* window) {
  auto* filter = new EnterPresses(window);
  for (QPushButton* b : window->findChildren<QPushButton*>()) b->installEventFilter(filter);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, int x, int y, const QString& caption) {
  auto* l = new QLabel(caption, parent);
  // Labels show names and echoed inputs: never read as markup.
  l->setTextFormat(Qt::PlainText);
  l->setObjectName(name);
  l->move(x, y);
  l->adjustSize();
  return l;
}

}  // namespace spurgear::ui
