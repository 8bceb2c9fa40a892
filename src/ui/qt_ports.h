#pragma once
// The ports of the command layer over the main window's Qt widgets: the
// window's counterpart of commands/memory_ports.
#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>

#include "commands/ports.h"

class QListWidget;
class QTimer;

namespace spurgear::ui {

// The application title: the task name and the caption of every error box.
inline QString ApplicationTitle() { return QStringLiteral("歯車諸元計算"); }

// Finds the window's controls by objectName, remembering what it found.
class Lookup {
 public:
  explicit Lookup(QWidget* root) : root_(root) {}

  template <class T>
  T* Get(std::string_view name) {
    const QString key = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    QPointer<QWidget>& slot = cache_[key];
    if (!slot) slot = root_->findChild<QWidget*>(key);
    return qobject_cast<T*>(slot.data());
  }

 private:
  QWidget* root_;
  QHash<QString, QPointer<QWidget>> cache_;
};

// Edit fields, radio groups, the combo box and the scroll bar by name. A
// name no control carries is a programming error and throws
// std::logic_error.
class QtFields : public FieldPort {
 public:
  explicit QtFields(Lookup& lookup) : lookup_(lookup) {}
  std::string Text(std::string_view name) const override;
  // A plain write: it raises no calculation; the commands run Edit15Change
  // themselves when the text of Edit15 changed.
  bool SetText(std::string_view name, std::string_view text) override;
  int Index(std::string_view name) const override;
  void SetIndex(std::string_view name, int index) override;
  void SetRed(std::string_view name, bool red) override;

 private:
  Lookup& lookup_;
};

// ListBox1.
class QtMessages : public MessagePort {
 public:
  explicit QtMessages(QListWidget* list) : list_(list) {}
  void Clear() override;
  void Add(std::string_view line) override;
  void SetColor(ListColor color) override;

 private:
  QListWidget* list_;
};

// Timer1.
class QtTimerPort : public TimerPort {
 public:
  explicit QtTimerPort(QTimer* timer) : timer_(timer) {}
  void SetEnabled(bool enabled) override;
  bool Enabled() const override;
  void SetInterval(int milliseconds) override;
  int Interval() const override;

 private:
  QTimer* timer_;
};

// The ImageView pictures and the busy label Label15.
class QtPictures : public PicturePort {
 public:
  explicit QtPictures(Lookup& lookup) : lookup_(lookup) {}
  void DrawOutlines(std::string_view image, int mode, int endA, int endB, const ViewWindow& window,
                    std::span<const Point2D> a, std::span<const Point2D> b, int open) override;
  void DrawSegment(std::string_view image, const ViewWindow& window, double x1, double y1,
                   double x2, double y2) override;
  void DrawScaleBar(std::string_view image, double viewWidth, double viewHeight) override;
  void SetVisible(std::string_view image, bool visible) override;
  bool Visible(std::string_view image) const override;
  void SetBusy(std::string_view text) override;

 private:
  Lookup& lookup_;
};

// The file dialogs of the main window (QFileDialog, window-modal to the
// main window, objectNames "OpenDialog1", "SaveDialog1".."SaveDialog5").
// "SavePdfDialog" saves the printed page as PDF when there is no printer.
// Each remembers the name chosen in its last confirmed run, unless writing
// that file failed: then the name before it. The dialogs never look inside
// the files they list.
inline constexpr int kDialogCount = 14;
class QtDialogs : public DialogPort {
 public:
  explicit QtDialogs(QWidget* parent);
  std::optional<std::string> Open(std::string_view dialog) override;
  std::optional<std::string> Save(std::string_view dialog) override;
  void WriteFailed(std::string_view dialog) override;
  QString FileName(std::string_view dialog) const;

 private:
  std::optional<std::string> Run(std::string_view dialog, bool save);
  QWidget* parent_;
  QString names_[kDialogCount];
  QString written_[kDialogCount];
};

// The error message box: caption "歯車諸元計算", error icon, OK.
class QtMessageBox : public MessageBoxPort {
 public:
  explicit QtMessageBox(QWidget* parent) : parent_(parent) {}
  void ShowError(std::string_view text, std::string_view detail = {}) override;
  bool Ask(std::string_view question) override;

 private:
  QWidget* parent_;
};

// The history grid lives in the history window, which is created after the
// main window's start-up; until it is attached, the grid is not there.
class LateHistory : public HistoryPort {
 public:
  void SetCell(int column, int row, std::string_view text) override;
  std::string Cell(int column, int row) const override;
  void ShowWindow() override;
  bool Live() const { return port && window; }

  HistoryPort* port = nullptr;
  QPointer<QWidget> window;
};

}  // namespace spurgear::ui
