#include "ui/qt_ports.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>
#include <QSplitter>
#include <QTextDocument>
#include <QTimer>
#include <QTreeView>
#include <stdexcept>
#include <vector>

#include "commands/control_names.h"
#include "ui/plot.h"
#include "ui/translation.h"
#include "ui/widgets.h"

namespace spurgear::ui {
namespace {

[[noreturn]] void NoSuchControl(std::string_view name) {
  throw std::logic_error("no control named " + std::string(name));
}

struct DialogSpec {
  const char* name;
  const char* filter;
  const char* preset;
};

constexpr DialogSpec kDialogs[] = {
    {kOpenGearDialog, "平ギアのデーター (*.hgd)", ""},
    {kSaveGearDialog, "平ギアのデーター (*.hgd)", "dumy.hgd"},
    {kSaveGear1DxfDialog, "dxf (*.dxf)", "gay1.dxf"},
    {kSaveGear2DxfDialog, "dxf (*.dxf)", "gya2.dxf"},
    {kSaveSheetDialog, "PDF ファイル (*.pdf)", "keisansho.pdf"},
    {kSaveMeshSvgDialog, "SVG ファイル (*.svg)", "kamiai.svg"},
    {kSavePartDxf1Dialog, "DXF ファイル (*.dxf)", "buhinzu1.dxf"},
    {kSavePartDxf2Dialog, "DXF ファイル (*.dxf)", "buhinzu2.dxf"},
    {kSaveTemplate1Dialog, "SVG ファイル (*.svg)", "template1.svg"},
    {kSaveTemplate2Dialog, "SVG ファイル (*.svg)", "template2.svg"},
    {kSaveStep1Dialog, "STEP ファイル (*.step *.stp)", "gear1.step"},
    {kSaveStep2Dialog, "STEP ファイル (*.step *.stp)", "gear2.step"},
    {kSaveMeshStepDialog, "STEP ファイル (*.step *.stp)", "kamiai.step"},
    {"SavePdfDialog", "PDF ファイル (*.pdf)", "spurgear.pdf"},
};
static_assert(std::size(kDialogs) == kDialogCount);

int DialogSlot(std::string_view name) {
  for (int i = 0; i < kDialogCount; ++i) {
    if (name == kDialogs[i].name) return i;
  }
  return -1;
}

// Icons and type names from the name alone. Qt's own provider asks the MIME
// database, which may open and read a listed file; a read of a FIFO or of
// /proc/kmsg never returns, and the dialog (or its closing) would hang.
class NameOnlyIconProvider : public QFileIconProvider {
 public:
  using QFileIconProvider::icon;
  QIcon icon(const QFileInfo& info) const override {
    return icon(info.isDir() ? QAbstractFileIconProvider::Folder : QAbstractFileIconProvider::File);
  }
  QString type(const QFileInfo& info) const override {
    if (info.isDir()) return Tr(QStringLiteral("フォルダー"));
    const QString suffix = info.suffix();
    if (suffix.isEmpty()) return Tr(QStringLiteral("ファイル"));
    return Tr(QStringLiteral("%1 ファイル").arg(suffix));
  }
};

}  // namespace

// --- QtFields ---

std::string QtFields::Text(std::string_view name) const {
  if (auto* e = lookup_.Get<QLineEdit>(name)) return e->text().toStdString();
  if (auto* c = lookup_.Get<QComboBox>(name)) return c->currentText().toStdString();
  NoSuchControl(name);
}

bool QtFields::SetText(std::string_view name, std::string_view text) {
  auto* e = lookup_.Get<QLineEdit>(name);
  if (!e) NoSuchControl(name);
  const QString q = Q(text);
  if (e->text() == q) return false;
  e->setText(q);
  e->setCursorPosition(0);  // show the start of a long number
  // ... and the whole of it on hovering
  // A tool tip takes anything that looks like markup as markup: such a
  // text is shown escaped.
  QString tip = ShowsWholeText(*e) ? QString() : q;
  if (Qt::mightBeRichText(tip)) {
    tip = QStringLiteral("<p style='white-space:pre'>%1</p>").arg(tip.toHtmlEscaped());
  }
  e->setToolTip(tip);
  return true;
}

int QtFields::Index(std::string_view name) const {
  if (auto* g = lookup_.Get<RadioGroup>(name)) return g->ItemIndex();
  if (auto* c = lookup_.Get<QComboBox>(name)) return c->currentIndex();
  if (auto* s = lookup_.Get<QScrollBar>(name)) return s->value();
  NoSuchControl(name);
}

void QtFields::SetIndex(std::string_view name, int index) {
  if (auto* g = lookup_.Get<RadioGroup>(name)) {
    g->SetItemIndex(index);
  } else if (auto* c = lookup_.Get<QComboBox>(name)) {
    c->setCurrentIndex(index);
  } else if (auto* s = lookup_.Get<QScrollBar>(name)) {
    s->setValue(index);
  } else {
    NoSuchControl(name);
  }
}

void QtFields::SetRed(std::string_view name, bool red) {
  auto* w = lookup_.Get<QWidget>(name);
  if (!w) NoSuchControl(name);
  // An overlap shows as a red field background; otherwise the normal
  // white of an edit field.
  QPalette p = w->palette();
  p.setColor(QPalette::Base, red ? QColor(Qt::red) : QColor(Qt::white));
  w->setPalette(p);
}

// --- QtMessages, QtTimerPort ---

void QtMessages::Clear() { list_->clear(); }

void QtMessages::Add(std::string_view line) {
  auto* item = new QListWidgetItem(Q(line), list_);
  item->setSizeHint(QSize(0, 15));
  list_->scrollToItem(item);
}

void QtMessages::SetColor(ListColor color) {
  QPalette p = list_->palette();
  p.setColor(QPalette::Text, color == ListColor::Blue ? QColor(Qt::blue) : QColor(Qt::red));
  list_->setPalette(p);
}

void QtTimerPort::SetEnabled(bool enabled) {
  if (enabled) {
    if (!timer_->isActive()) timer_->start();
  } else {
    timer_->stop();
  }
}
bool QtTimerPort::Enabled() const { return timer_->isActive(); }
void QtTimerPort::SetInterval(int milliseconds) { timer_->setInterval(milliseconds); }
int QtTimerPort::Interval() const { return timer_->interval(); }

// --- QtPictures ---

// A picture that is hidden and not yet made (the other frames of the meshing
// view, the backlash view behind its tab) is drawn when it is first shown or
// read, with the same arguments.
void QtPictures::DrawOutlines(std::string_view image, int mode, int endA, int endB,
                              const ViewWindow& window, std::span<const Point2D> a,
                              std::span<const Point2D> b, int open) {
  if (auto* v = lookup_.Get<ImageView>(image)) {
    if (v->DrawsNow()) {
      ui::DrawOutlines(v->Image(), mode, endA, endB, window, a, b, open);
    } else {
      v->DrawLater(
          [=, a = std::vector<Point2D>(a.begin(), a.end()),
           b = std::vector<Point2D>(b.begin(), b.end())](QImage& picture) {
            ui::DrawOutlines(picture, mode, endA, endB, window, a, b, open);
          },
          true);  // the outlines clear the picture first
    }
    v->update();
  }
}

void QtPictures::DrawSegment(std::string_view image, const ViewWindow& window, double x1,
                             double y1, double x2, double y2) {
  if (auto* v = lookup_.Get<ImageView>(image)) {
    if (v->DrawsNow()) {
      ui::DrawSegment(v->Image(), window, x1, y1, x2, y2);
    } else {
      v->DrawLater([=](QImage& picture) { ui::DrawSegment(picture, window, x1, y1, x2, y2); },
                   false);
    }
    v->update();
  }
}

void QtPictures::DrawScaleBar(std::string_view image, double viewWidth, double viewHeight) {
  if (auto* v = lookup_.Get<ImageView>(image)) {
    if (v->DrawsNow()) {
      ui::DrawScaleBar(v->Image(), viewWidth, viewHeight);
    } else {
      v->DrawLater([=](QImage& picture) { ui::DrawScaleBar(picture, viewWidth, viewHeight); },
                   false);
    }
    v->update();
  }
}

void QtPictures::SetVisible(std::string_view image, bool visible) {
  if (auto* w = lookup_.Get<QWidget>(image)) w->setVisible(visible);
}

bool QtPictures::Visible(std::string_view image) const {
  auto* w = lookup_.Get<QWidget>(image);
  return w && !w->isHidden();
}

void QtPictures::SetBusy(std::string_view text) {
  auto* label = lookup_.Get<QLabel>(kBusyLabel);
  if (!label) return;
  if (text.empty()) {
    label->hide();
    return;
  }
  // Before the window is on screen (the first drawing at start-up) nobody
  // can see the notice, and laying out its large face costs the start-up.
  if (!label->window()->isVisible()) return;
  label->setText(Q(text));
  label->adjustSize();
  label->show();
  label->raise();
  // The drawing that follows blocks the event loop: paint the notice now.
  if (label->isVisible()) label->repaint();
}

// --- LateHistory ---

void LateHistory::SetCell(int column, int row, std::string_view text) {
  if (Live()) port->SetCell(column, row, text);
}
std::string LateHistory::Cell(int column, int row) const {
  return Live() ? port->Cell(column, row) : std::string();
}
void LateHistory::ShowWindow() {
  if (Live()) port->ShowWindow();
}

// --- QtDialogs, QtMessageBox ---

QtDialogs::QtDialogs(QWidget* parent) : parent_(parent) {
  for (int i = 0; i < kDialogCount; ++i) {
    names_[i] = QString::fromUtf8(kDialogs[i].preset);
    written_[i] = names_[i];
  }
}

void QtDialogs::WriteFailed(std::string_view dialog) {
  const int slot = DialogSlot(dialog);
  if (slot >= 0) names_[slot] = written_[slot];
}

std::optional<std::string> QtDialogs::Open(std::string_view dialog) { return Run(dialog, false); }
std::optional<std::string> QtDialogs::Save(std::string_view dialog) { return Run(dialog, true); }

QString QtDialogs::FileName(std::string_view dialog) const {
  const int slot = DialogSlot(dialog);
  return slot < 0 ? QString() : names_[slot];
}

std::optional<std::string> QtDialogs::Run(std::string_view dialog, bool save) {
  const int slot = DialogSlot(dialog);
  if (slot < 0) return std::nullopt;
  QFileDialog box(parent_, QString(), QString(), QString::fromUtf8(kDialogs[slot].filter));
  box.setObjectName(QString::fromUtf8(kDialogs[slot].name));
  // Qt's own dialog everywhere, so that the icon provider applies.
  box.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontUseCustomDirectoryIcons);
  static NameOnlyIconProvider icons;
  box.setIconProvider(&icons);
  // Room for the places' names, the types and the whole dates.
  box.resize(800, 460);
  if (auto* places = box.findChild<QSplitter*>("splitter")) places->setSizes({150, 650});
  if (auto* details = box.findChild<QTreeView*>("treeView")) {
    details->header()->resizeSection(2, 110);
    details->header()->resizeSection(3, 150);
  }
  box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  box.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!names_[slot].isEmpty()) box.selectFile(names_[slot]);
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = box.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  // The name before is where the next run starts should this one's write fail.
  written_[slot] = names_[slot];
  names_[slot] = chosen.front();
  return QFile::encodeName(chosen.front()).toStdString();
}

bool QtMessageBox::Ask(std::string_view question) {
  QMessageBox box(QMessageBox::Question, ApplicationTitle(), Q(question),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

void QtMessageBox::ShowError(std::string_view text, std::string_view detail) {
  QMessageBox box(QMessageBox::Critical, ApplicationTitle(), Q(text), QMessageBox::Ok, parent_);
  // The text may carry a file's name or an echoed input: never markup.
  box.setTextFormat(Qt::PlainText);
  if (!detail.empty()) box.setDetailedText(Q(detail));
  box.exec();
}

}  // namespace spurgear::ui
