#pragma once
// TForm1 "平歯車の諸元計算": the main window. It owns the widgets, implements
// the ports of the command layer over them and routes every button, menu
// item, radio group, scroll bar and timer event through Commands::Run.
#include <QMainWindow>
#include <QString>
#include <memory>

#include "commands/commands.h"
#include "ui/qt_ports.h"

namespace spurgear::ui {

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // Builds the window from its layout and runs FormCreate, which shows the
  // default pair and so runs the first calculation. Error messages go to
  // `box` and file dialogs to `dialogs` when given (tests), for the window's
  // whole life; otherwise to a modal message box and the Qt file dialogs.
  explicit TForm1(AppState& state, MessageBoxPort* box = nullptr,
                  DialogPort* dialogs = nullptr);
  ~TForm1() override;

  Commands& commands();

  // Any child (widget, menu action, Timer1) by its objectName.
  template <class T = QObject>
  T* Find(const QString& name) const {
    return findChild<T*>(name);
  }

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

}  // namespace spurgear::ui
