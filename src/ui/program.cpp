#include "ui/program.h"

#include <QApplication>

#include "ui/inspection_window.h"

namespace spurgear::ui {

Program::Program(MessageBoxPort* box, DialogPort* dialogs) : state(std::make_unique<AppState>()) {
  // The title only: a display name would be appended to every window title.
  QCoreApplication::setApplicationName(ApplicationTitle());
  form1 = std::make_unique<TForm1>(*state, box, dialogs);
  form2 = std::make_unique<HistoryWindow>(form1->commands());
  form2->hide();
  form1->AttachHistory(form2.get(), form2.get());
  InspectionWindow::Attach(*form1, form2.get());
  Commands& c = form1->commands();
  c.Run([&] { c.Form2Create(); });
}

Program::~Program() {
  // The history window goes first; the main window must not reach it after.
  if (form1) form1->AttachHistory(nullptr, nullptr);
  form2.reset();
  form1.reset();
}

void Program::Show() { form1->show(); }

void Program::OpenFile(const std::string& path) {
  Commands& c = form1->commands();
  c.Run([&] { c.OpenGearFile(path); });
}

}  // namespace spurgear::ui
