#pragma once
// The small interfaces through which the commands reach the user interface.
// The Qt window implements them over its widgets, the CLI in memory, and
// the tests with fakes.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/geometry.h"
#include "core/outlines.h"

namespace spurgear {

// Edit fields, radio groups and the combo box, by control name.
class FieldPort {
 public:
  virtual ~FieldPort() = default;
  virtual std::string Text(std::string_view name) const = 0;
  // Replaces the whole text; returns whether the text changed.
  virtual bool SetText(std::string_view name, std::string_view text) = 0;
  // Selected item of a radio group or combo box (-1 when none).
  virtual int Index(std::string_view name) const = 0;
  virtual void SetIndex(std::string_view name, int index) = 0;
  // Red or normal background of a field.
  virtual void SetRed(std::string_view name, bool red) = 0;
};

// ListBox1: the colour applies to the whole list; the newest line is kept
// scrolled into view.
class MessagePort {
 public:
  virtual ~MessagePort() = default;
  virtual void Clear() = 0;
  virtual void Add(std::string_view line) = 0;
  virtual void SetColor(ListColor color) = 0;
};

class TimerPort {
 public:
  virtual ~TimerPort() = default;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetInterval(int milliseconds) = 0;
  virtual int Interval() const = 0;
};

struct ViewWindow {
  double CentreX;
  double CentreY;
  double ViewWidth;
  double ViewHeight;
};

// The images and the busy label. Images are named "Image1".."Image5" and
// "Image7". Drawing needs nothing of the CLI, so its memory port ignores it.
class PicturePort {
 public:
  virtual ~PicturePort() = default;
  virtual void DrawOutlines(std::string_view image, int mode, int endA, int endB,
                            const ViewWindow& window, std::span<const Point2D> a,
                            std::span<const Point2D> b, int open) = 0;
  virtual void DrawSegment(std::string_view image, const ViewWindow& window, double x1, double y1,
                           double x2, double y2) = 0;
  virtual void DrawScaleBar(std::string_view image, double viewWidth, double viewHeight) = 0;
  virtual void SetVisible(std::string_view image, bool visible) = 0;
  virtual bool Visible(std::string_view image) const = 0;
  // Label15: shows the text, or hides the label when the text is empty.
  virtual void SetBusy(std::string_view text) = 0;
};

// Shows Label15 with a text for as long as it lives: the notice goes
// whenever drawing ends, also when the drawing fails.
class BusyNotice {
 public:
  BusyNotice(PicturePort& pictures, std::string_view text) : pictures_(pictures) {
    pictures_.SetBusy(text);
  }
  ~BusyNotice() { pictures_.SetBusy(""); }
  BusyNotice(const BusyNotice&) = delete;
  BusyNotice& operator=(const BusyNotice&) = delete;

 private:
  PicturePort& pictures_;
};

// File dialogs, each keeping its own last chosen name ("OpenDialog1",
// "SaveDialog1", "SaveDialog2", "SaveDialog3"). nullopt when cancelled.
class DialogPort {
 public:
  virtual ~DialogPort() = default;
  virtual std::optional<std::string> Open(std::string_view dialog) = 0;
  virtual std::optional<std::string> Save(std::string_view dialog) = 0;
  // The file chosen in the dialog's last run could not be written: its
  // next run does not start from there.
  virtual void WriteFailed(std::string_view /*dialog*/) {}
};

// The error message box: caption "歯車諸元計算", error icon, OK; and the
// question box, with the same caption.
class MessageBoxPort {
 public:
  virtual ~MessageBoxPort() = default;
  // `detail` (a failed file's reason, say) is shown apart from the text,
  // on request.
  virtual void ShowError(std::string_view text, std::string_view detail = {}) = 0;
  // A question with the buttons yes and no; true for yes.
  virtual bool Ask(std::string_view question) = 0;
};

// The history window's grid (columns 0..9, rows 0..10) and the window itself.
class HistoryPort {
 public:
  virtual ~HistoryPort() = default;
  virtual void SetCell(int column, int row, std::string_view text) = 0;
  virtual std::string Cell(int column, int row) const = 0;
  virtual void ShowWindow() = 0;
};

// The desktop services: clipboard, printing, opening the help page.
class DesktopPort {
 public:
  virtual ~DesktopPort() = default;
  virtual void SetClipboard(std::string_view text) = 0;
  // Prints the main window; false when there is no default printer.
  virtual bool PrintWindow() = 0;
  // Writes the page the printer would have printed into a PDF file (throws
  // FileError when it cannot).
  virtual void WriteWindowPdf(const std::string& path) = 0;
  virtual void OpenHelp() = 0;
  virtual void Close() = 0;
};

struct Ports {
  FieldPort& fields;
  MessagePort& messages;
  TimerPort& timer;
  PicturePort& pictures;
  DialogPort& dialogs;
  MessageBoxPort& box;
  HistoryPort& history;
  DesktopPort& desktop;
};

}  // namespace spurgear
