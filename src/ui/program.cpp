#include "ui/program.h"

#include <QApplication>

#include "ui/app_setup.h"
#include "ui/inspection_window.h"

namespace spurgear::ui {

Program::Program(MessageBoxPort* box, DialogPort* dialogs) : state(std::make_unique<AppState>()) {
  // The title only: a display name would be appended to every window title.
  QCoreApplication::setApplicationName(ApplicationTitle());
  PrepareApplication();
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
  const int before = c.calculationCount;
  if (!c.Run([&] { c.OpenGearFile(path); })) return;
  // A file whose correction prints as the one shown raises no calculation,
  // and the pictures would still show the default pair: calculate once.
  if (c.calculationCount == before) c.Run([&] { c.BitBtn1Click(); });
}

}  // namespace spurgear::ui
