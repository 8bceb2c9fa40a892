#pragma once
// Small widgets and helpers shared by the window and its pages: controls are
// created at their client positions with their component names as
// objectNames, so the window and the tests find them by name.
#include <QFont>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <string_view>
#include <vector>

#include "core/gear_record.h"

namespace spurgear::ui {

// A radio group: a framed box with a caption and items in columns; the
// selected item's index (-1 when none) is what the commands read.
class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(QWidget* parent, const QString& name, const QString& caption,
             const QStringList& items, int columns, int x, int y, int w, int h);
  int ItemIndex() const;
  void SetItemIndex(int index);  // raises no click
  QRadioButton* Item(int index) const;

 signals:
  // The user chose an item (also when it was already selected).
  void Clicked(int index);

 private:
  QList<QRadioButton*> items_;
};

// An image control: a fixed-size picture that keeps what was drawn into it.
// The picture has the screen's device pixel ratio, so that it is sharp on a
// high-density screen; whoever draws into it works in the control's logical
// pixels (LogicalSize), and at a ratio of 1 the two are the same.
//
// The picture is made, white, on first use (shown or read), so that a frame
// nobody looks at costs no memory to fill. Drawing into a picture that is
// not made and whose view is hidden can wait until then.
class ImageView : public QWidget {
  Q_OBJECT
 public:
  ImageView(QWidget* parent, const QString& name, int x, int y, int w, int h);
  QImage& Image() { return Made(); }
  const QImage& Image() const { return Made(); }

  // Whether a drawing should go into the picture now: it is made, or it is
  // to be seen as soon as its window is.
  bool DrawsNow() const;
  // A drawing for when the picture is made, after those waiting already; one
  // that `clears` the whole picture drops them instead. Made pictures take
  // it at once.
  void DrawLater(std::function<void(QImage&)> draw, bool clears);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QImage& Made() const;

  QSize size_;  // in logical pixels, as placed
  qreal ratio_;
  mutable QImage image_;
  mutable std::vector<std::function<void(QImage&)>> waiting_;
};

// UTF-8 text from the logic library as a QString.
QString Q(std::string_view text);

// The program's face: 15 pixels, proportional Gothic. The IPA face stands in
// where the Windows face is not installed; both carry the Japanese glyphs.
QFont WindowFont();
// The main window's: the first of those faces that is installed, alone and
// not merged with others. Either face holds every glyph the main window
// shows (Japanese, Latin, Greek); a face left to merge has fontconfig search
// fallbacks for each script its labels hold, about half the time of
// building the window. Without either face, the window's.
QFont MainWindowFont();
// A tool window in the program's face: its name, title, font and silver
// ground; Escape closes it.
void SetToolWindowFace(QWidget* window, const char* name, const QString& title);
// Names a field for assistive tools by its caption (and column), and tells
// on hover what it is and, for an input, the range it is taken in.
void DescribeField(QWidget* field, const QString& name, const QString& range = QString());
// For a window's destructor: a field that loses the focus while the window
// goes would otherwise run the window's handler on a half-destroyed window.
void DisconnectEdits(QWidget* window);
// A picture's size in logical pixels.
QSize LogicalSize(const QImage& image);

// The result fields are 57 pixels wide for numbers of up to seven
// characters. The stand-in face's digits are wider than those the layout was
// made for, so number fields take the face slightly condensed and give up
// Qt's inner margins.
void FitNumbers(QLineEdit* field);
// Whether the field shows its whole text (its start is shown otherwise).
bool ShowsWholeText(const QLineEdit& field);
// The text and the selected index a control holds when the window is
// created (the shared table of form defaults); "" and -1 for others.
QString InitialText(std::string_view name);
int InitialIndex(std::string_view name);

QLineEdit* MakeEdit(QWidget* parent, const QString& name, int x, int y, int w, int h,
                    const QString& text, bool readOnly = false, bool flat = true);
QPushButton* MakeButton(QWidget* parent, const QString& name, int x, int y, int w, int h,
                        const QString& caption);
// Enter (either key) on a focused push button of `window` presses it, as
// Space does; outside a dialog Qt passes it over.
void PressButtonsOnEnter(QWidget* window);

// The property that marks a tool window's field of free text (a material's
// name), whose digits stay as typed.
inline constexpr char kFreeText[] = "freeText";
// The text with full-width digits, point, signs, exponent letters and
// spaces as their ASCII forms; nothing else changes.
QString NarrowDigits(const QString& text);
// "圧力角 20°": the pressure angle a tool window's values are for.
QString PressureAngleText(const GearPairRecord& pair);
// Readies a tool window's fields for the keyboard: read-only fields and
// tables leave the Tab chain (a click still reaches them), and what a
// Japanese input method types in full width into an editable field that is
// not free text becomes the ASCII digits the parsers read.
void SetUpToolWindowKeys(QWidget* window);

QLabel* MakeLabel(QWidget* parent, const QString& name, int x, int y, const QString& caption);

}  // namespace spurgear::ui
