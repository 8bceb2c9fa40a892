#pragma once
// TForm1 "平歯車の諸元計算": the main window. It owns the widgets, implements
// the ports of the command layer over them and routes every button, menu
// item, radio group, scroll bar and timer event through Commands::Run.
#include <QMainWindow>
#include <QString>
#include <memory>

#include "commands/commands.h"

namespace spurgear::ui {

// The application title: the task name and the caption of every error box.
inline QString ApplicationTitle() { return QStringLiteral("歯車諸元計算"); }

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // Builds the window from its layout and runs FormCreate, which shows the
  // default pair and so runs the first calculation. Error messages of that
  // start-up go to `box` and file dialogs to `dialogs` when given (tests);
  // otherwise to a modal message box and the Qt file dialogs.
  explicit TForm1(AppState& state, MessageBoxPort* box = nullptr,
                  DialogPort* dialogs = nullptr);
  ~TForm1() override;

  Commands& commands();

  // Any child (widget, menu action, Timer1) by its objectName.
  template <class T = QObject>
  T* Find(const QString& name) const {
    return findChild<T*>(name);
  }

  // Replace the file dialogs or the error message box; nullptr restores the
  // window's own. The replacement must outlive its use.
  void SetDialogPort(DialogPort* dialogs);
  void SetMessageBoxPort(MessageBoxPort* box);

  // The history grid, once the history window exists; until then the
  // history port does nothing. nullptr detaches.
  void AttachHistory(HistoryPort* history, QWidget* historyWindow);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildLayout();
  void BuildMenu();
  void ConnectCommands();
  void SetKeyboardOrder();

  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The file dialogs of the main window (QFileDialog, window-modal to the
// main window, objectNames "OpenDialog1", "SaveDialog1".."SaveDialog5").
// Each remembers the name chosen in its last confirmed run.
class QtDialogs : public DialogPort {
 public:
  explicit QtDialogs(QWidget* parent);
  std::optional<std::string> Open(std::string_view dialog) override;
  std::optional<std::string> Save(std::string_view dialog) override;
  QString FileName(std::string_view dialog) const;

 private:
  std::optional<std::string> Run(std::string_view dialog, bool save);
  QWidget* parent_;
  static constexpr int kDialogCount = 6;
  QString names_[kDialogCount];
};

// The error message box: caption "歯車諸元計算", error icon, OK.
class QtMessageBox : public MessageBoxPort {
 public:
  explicit QtMessageBox(QWidget* parent) : parent_(parent) {}
  void ShowError(std::string_view text) override;

 private:
  QWidget* parent_;
};

}  // namespace spurgear::ui
