#include "ui/program.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QPointer>
#include <QTimer>

#include "ui/app_setup.h"
#include "ui/measurement_window.h"
#include "ui/rating_window.h"
#include "ui/sizing_window.h"
#include "ui/sliding_window.h"
#include "ui/tolerance_window.h"

namespace spurgear::ui {
namespace {

// Until the rest of the start-up has run: the first paint of the main window
// runs it just after that paint, and any input (a key, a click, a wheel)
// anywhere runs it before the input is delivered, so that no command can
// reach the history grid before it exists. A window that is not painted
// soon (started minimised) gets it after a second.
class StartupRest : public QObject {
 public:
  StartupRest(QWidget* window, std::function<void()> rest)
      : QObject(window), window_(window), rest_(std::move(rest)) {
    qApp->installEventFilter(this);
    QTimer::singleShot(1000, this, [this] { Run(); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Paint) {
      QMetaObject::invokeMethod(this, [this] { Run(); }, Qt::QueuedConnection);
    } else if (event->isInputEvent()) {
      Run();
    }
    return false;
  }

 private:
  void Run() {
    if (!rest_) return;
    qApp->removeEventFilter(this);
    const std::function<void()> rest = std::move(rest_);
    rest_ = nullptr;
    deleteLater();
    rest();
  }

  QPointer<QWidget> window_;
  std::function<void()> rest_;
};

}  // namespace

Program::Program(MessageBoxPort* box, DialogPort* dialogs, Startup startup, Language language)
    : state(std::make_unique<AppState>()), language(language) {
  state->language = language;
  // The title only: a display name would be appended to every window title.
  QCoreApplication::setApplicationName(Tr(ApplicationTitle()));
  PrepareApplication(language);
  form1 = std::make_unique<TForm1>(*state, box, dialogs);
  if (auto* help = form1->Find<QMenu>("Help1")) AddLanguageMenu(help, language);
  TranslateTree(form1.get());
  if (startup == Startup::Whole) FinishStartup();
}

Program::~Program() {
  // The history window goes first; the main window must not reach it after.
  if (form1) form1->AttachHistory(nullptr, nullptr);
  form2.reset();
  form1.reset();
}

void Program::FinishStartup() {
  if (form2) return;
  form2 = std::make_unique<HistoryWindow>(form1->commands());
  form2->hide();
  form1->AttachHistory(form2.get(), form2.get());
  MeasurementWindow::Attach(*form1);
  ToleranceWindow::Attach(*form1);
  SlidingWindow::Attach(*form1);
  RatingWindow::Attach(*form1);
  SizingWindow::Attach(*form1);
  Commands& c = form1->commands();
  c.Run([&] { c.Form2Create(); });
}

void Program::Show(std::function<void()> then) {
  if (form2) {
    form1->show();
    if (then) then();
    return;
  }
  new StartupRest(form1.get(), [this, then = std::move(then)] {
    FinishStartup();
    if (then) then();
  });
  form1->show();
}

void Program::OpenFile(const std::string& path) {
  FinishStartup();
  Commands& c = form1->commands();
  const int before = c.calculationCount;
  if (!c.Run([&] { c.OpenGearFile(path); })) return;
  // A file whose correction prints as the one shown raises no calculation,
  // and the pictures would still show the default pair: calculate once.
  if (c.calculationCount == before) c.Run([&] { c.BitBtn1Click(); });
}

}  // namespace spurgear::ui
