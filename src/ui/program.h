#pragma once
// The desktop program as one object: the process-wide state, the main window
// and the history window, built in start-up order. main() and the GUI tests
// both use it.
//
//   ui::Program p;                        // start-up, windows not yet shown
//   p.Find<QLineEdit>("Edit8")->text();   // any control of the main window
//   p.Find<QPushButton>("BitBtn1")->click();
//   p.state->slot0().Valid;
//
// Tests pass a MessageBoxPort and a DialogPort (e.g. MemoryBox and
// ScriptedDialogs from commands/memory_ports.h) so that no modal window
// opens; a null one is the window's own.
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "ui/history_window.h"
#include "ui/main_window.h"
#include "ui/translation.h"

namespace spurgear::ui {

// How much of the start-up the constructor does. The desktop program puts
// the hidden history window off until the main window is on screen, which
// then appears sooner; tests want every window at once.
enum class Startup { Whole, WindowFirst };

struct Program {
  // Needs a QApplication. Sets the application title, creates the main
  // window (which computes and draws the default pair), then the hidden
  // history window, and runs its creation handler. With WindowFirst the
  // history window and the ＴＯＯＬ windows' menu items wait for
  // FinishStartup. The windows speak `language`.
  explicit Program(MessageBoxPort* box = nullptr, DialogPort* dialogs = nullptr,
                   Startup startup = Startup::Whole, Language language = Language::Japanese);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Shows the main window, then runs `then` (e.g. reading the file named
  // on the command line). With WindowFirst, the rest of the start-up and
  // `then` run once the window has been painted, or earlier when any input
  // arrives first.
  void Show(std::function<void()> then = {});
  // Creates the history window, attaches it and runs its creation handler;
  // later calls do nothing.
  void FinishStartup();
  // Reads a gear data file named on the command line, through the boundary,
  // and calculates it unless the reading did, so that fields and pictures
  // show the file's pair.
  void OpenFile(const std::string& path);

  Commands& commands() { return form1->commands(); }
  // Any child of the main window (widget, menu action, Timer1) by name.
  template <class T = QObject>
  T* Find(const QString& name) const {
    return form1->Find<T>(name);
  }

  std::unique_ptr<AppState> state;  // large: allocated once, here
  WindowLanguage language;          // before the windows, gone after them
  std::unique_ptr<TForm1> form1;
  std::unique_ptr<HistoryWindow> form2;
};

}  // namespace spurgear::ui
