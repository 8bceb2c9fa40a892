#include "ui/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "commands/control_names.h"
#include "commands/form_defaults.h"
#include "commands/solid_commands.h"
#include "ui/copy_print_help.h"
#include "ui/pages.h"
#include "ui/placement.h"
#include "ui/widgets.h"

namespace spurgear::ui {

struct TForm1::Impl {
  Impl(TForm1& window, AppState& state, QWidget* central, QListWidget* list, QTimer* qtimer,
       MessageBoxPort* box, DialogPort* dialogs)
      : lookup(central),
        fields(lookup),
        messages(list),
        timer(qtimer),
        pictures(lookup),
        qtDialogs(&window),
        qtBox(&window),
        desktop(&window),
        commands(state, Ports{fields, messages, timer, pictures, dialogs ? *dialogs : qtDialogs,
                              box ? *box : qtBox, history, desktop}) {}

  Lookup lookup;
  QtFields fields;
  QtMessages messages;
  QtTimerPort timer;
  QtPictures pictures;
  QtDialogs qtDialogs;
  QtMessageBox qtBox;
  LateHistory history;
  QtDesktop desktop;
  Commands commands;
};

namespace {

struct LabelSpec {
  int x;
  int y;
  const char* text;
};

// The left panel's labels, top to bottom.
constexpr LabelSpec kPanelLabels[] = {
    {80, 16, "ギア１"},   {136, 16, "<"},       {152, 16, "ギア２"},   {8, 40, "モジュール"},
    {8, 64, "歯数"},      {8, 88, "転位係数"},  {8, 128, "噛合い円"}, {8, 152, "歯先円"},
    {8, 176, "歯底円"},   {8, 200, "基礎円"},   {8, 224, "中心距離"}, {8, 248, "距離修正"},
    {8, 280, "噛合率"},   {8, 304, "歯先歯厚"}, {8, 328, "法線ﾊﾞｯｸﾗｯｼ"},
};

struct EditSpec {
  const char* name;
  int x;
  int y;
  int w;
};

// Edit1..Edit5: what the user types.
constexpr EditSpec kInputEdits[] = {
    {kModuleField, 80, 40, 113}, {kTeeth1Field, 80, 64, 57},  {kTeeth2Field, 136, 64, 57},
    {kShift1Field, 80, 88, 57},  {kShift2Field, 136, 88, 57},
};

// The result fields, in keyboard order.
constexpr EditSpec kResultEdits[] = {
    {kWorkingPitchDia1Field, 80, 128, 57}, {kWorkingPitchDia2Field, 136, 128, 57},
    {kTipDia1Field, 80, 152, 57},          {kTipDia2Field, 136, 152, 57},
    {kRootDia1Field, 80, 176, 57},         {kRootDia2Field, 136, 176, 57},
    {kBaseDia1Field, 80, 200, 57},         {kBaseDia2Field, 136, 200, 57},
    {kCenterDistanceField, 80, 224, 113},  {kContactRatioField, 80, 280, 113},
    {kTipThickness1Field, 80, 304, 57},    {kTipThickness2Field, 136, 304, 57},
};

}  // namespace

TForm1::TForm1(AppState& state, MessageBoxPort* box, DialogPort* dialogs) : QMainWindow(nullptr) {
  setObjectName("Form1");
  setWindowTitle(QStringLiteral("平歯車の諸元計算"));
  setFont(MainWindowFont());

  auto* central = new QWidget(this);
  central->setObjectName("Form1Client");
  QPalette silver = central->palette();
  silver.setColor(QPalette::Window, QColor(192, 192, 192));
  central->setPalette(silver);
  central->setAutoFillBackground(true);
  setCentralWidget(central);

  // A line edit lays out its first text in the application's font before it
  // takes its window's: with the window's face the application's while the
  // controls are made, those layouts find its font engine made, and none
  // looks up the system font and its fallbacks for texts nobody sees. The
  // menus after: a popup made meanwhile would lose the window's face once
  // the application's font is set back.
  const QFont applicationFont = QApplication::font();
  QApplication::setFont(font());
  BuildLayout();
  QApplication::setFont(applicationFont);
  BuildMenu();

  auto* timer = new QTimer(this);
  timer->setObjectName(kAnimationTimer);
  timer->setInterval(kTimerInterval);
  timer->start();  // enabled when created; the first calculation stops it

  impl_ = std::make_unique<Impl>(*this, state, central, Find<QListWidget>(kMessageList), timer, box,
                                 dialogs);

  ConnectCommands();
  SetKeyboardOrder();

  // Client area 907 × 594 below the menu bar; outer 915 × 648 with frame
  // and caption.
  resize(907, 594 + menuBar()->sizeHint().height());
  // At (388, 225) where the screen's available area holds the window there;
  // otherwise moved just enough to lie on it (a 768-pixel laptop screen).
  move(KeptOn(AvailableArea(this), {388, 225}, QSize(915, 648).expandedTo(frameGeometry().size())));
  PressButtonsOnEnter(this);

  Commands& c = impl_->commands;
  c.Run([&] { c.FormCreate(); });
}

TForm1::~TForm1() = default;

Commands& TForm1::commands() { return impl_->commands; }

void TForm1::AttachHistory(HistoryPort* history, QWidget* historyWindow) {
  impl_->history.port = historyWindow ? history : nullptr;
  impl_->history.window = historyWindow;
}

void TForm1::closeEvent(QCloseEvent* event) {
  // The history window goes with the main window.
  if (impl_ && impl_->history.window) impl_->history.window->close();
  event->accept();
}

void TForm1::BuildLayout() {
  QWidget* c = centralWidget();

  int labelNo = 0;
  for (const LabelSpec& s : kPanelLabels) {
    QLabel* l = MakeLabel(c, QStringLiteral("PanelLabel%1").arg(++labelNo), s.x, s.y,
                          QString::fromUtf8(s.text));
    l->resize(l->width(), 16);
  }
  {
    QLabel* note = MakeLabel(c, QStringLiteral("PanelLabel%1").arg(++labelNo), 16, 352,
                             QStringLiteral("(公式近似値）"));
    QFont small = note->font();
    small.setPixelSize(12);
    note->setFont(small);
    note->adjustSize();
    note->resize(note->width(), 12);
  }

  for (const EditSpec& s : kInputEdits) {
    QLineEdit* e = MakeEdit(c, s.name, s.x, s.y, s.w, 21, InitialText(s.name), false, true);
    QFont bold = e->font();
    bold.setBold(true);
    e->setFont(bold);
  }
  for (const EditSpec& s : kResultEdits) {
    FitNumbers(MakeEdit(c, s.name, s.x, s.y, s.w, 21, InitialText(s.name), true, true));
  }
  // Edit15 is written only by the program; its change is handled by the
  // commands, so no signal of it is connected.
  FitNumbers(
      MakeEdit(c, kCorrectionField, 80, 248, 57, 23, InitialText(kCorrectionField), true, false));
  // Edit17 can be typed into, but nothing reads it.
  FitNumbers(
      MakeEdit(c, kBacklashField, 104, 328, 89, 23, InitialText(kBacklashField), false, false));

  auto* separator = MakeButton(c, "Button1", 8, 113, 185, 5, QString());
  separator->setFocusPolicy(Qt::NoFocus);

  MakeButton(c, kCorrectionUpButton, 136, 250, 17, 23, QStringLiteral("＋"));
  MakeButton(c, kCorrectionDownButton, 152, 250, 17, 23, QStringLiteral("-"));
  MakeButton(c, kCorrectionZeroButton, 176, 250, 17, 23, QStringLiteral("0"));
  for (const char* name : {kCorrectionUpButton, kCorrectionDownButton, kCorrectionZeroButton}) {
    // Tiny buttons: the caption needs the whole face.
    findChild<QPushButton*>(name)->setStyleSheet(QStringLiteral("padding: 0px;"));
  }

  MakeButton(c, kCalculateButton, 8, 392, 89, 25, QStringLiteral("計算"));
  MakeButton(c, kRegisterButton, 104, 392, 89, 25, QStringLiteral("登録"));
  auto* rg1 =
      new RadioGroup(c, kViewGroup, QStringLiteral("表示設定"),
                     {QStringLiteral("全体"), QStringLiteral("拡大１"), QStringLiteral("拡大２")},
                     3, 8, 424, 185, 41);
  rg1->SetItemIndex(InitialIndex(kViewGroup));
  MakeButton(c, kAnimateButton, 8, 472, 97, 25, QStringLiteral("動画"));
  MakeButton(c, kAnimateStepButton, 104, 472, 89, 25, QStringLiteral("動画ステップ"));

  MakeLabel(c, "Label1", 8, 504, QStringLiteral("動画速度"));
  auto* speed = new QScrollBar(Qt::Horizontal, c);
  speed->setObjectName(kSpeedBar);
  speed->setGeometry(72, 504, 121, 17);
  speed->setRange(0, 100);
  speed->setSingleStep(1);
  speed->setPageStep(1);
  speed->setValue(InitialIndex(kSpeedBar));

  auto* list = new QListWidget(c);
  list->setObjectName(kMessageList);
  list->setGeometry(8, 552, 881, 25);
  list->setUniformItemSizes(true);
  for (const char* name : {"ListBox2", "ListBox3"}) {
    auto* hidden = new QListWidget(c);
    hidden->setObjectName(name);
    hidden->hide();
  }

  auto* pages = new QTabWidget(c);
  pages->setObjectName("PageControl1");
  pages->setGeometry(208, 8, 681, 537);
  pages->setElideMode(Qt::ElideNone);
  pages->tabBar()->setExpanding(false);
  // Tabs as low as the sheets need to keep their full 673 × 509.
  pages->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: 26px; }"));
  struct Page {
    const char* name;
    QString caption;
    void (*build)(QWidget*);
  };
  const Page kPages[] = {
      {"TabSheet1", QStringLiteral("　　１．ギアかみ合い画面　　"), &BuildMeshingPage},
      {"TabSheet2", QStringLiteral("　２．バックラッシ検討画面　"), &BuildBacklashPage},
      {"TabSheet3", QStringLiteral("３．ギア強度の簡易計算"), &BuildStrengthPage},
  };
  for (const Page& p : kPages) {
    auto* sheet = new QWidget;
    sheet->setObjectName(p.name);
    // Built in the window's face, as it will be shown: a page built in the
    // application's would have its labels shaped twice, once in a face
    // that searches fallbacks for the Japanese.
    sheet->setFont(font());
    p.build(sheet);
    pages->addTab(sheet, p.caption);
  }
  pages->setCurrentIndex(0);
}

void TForm1::ConnectCommands() {
  using Handler = void (Commands::*)();
  auto run = [this](Handler h) {
    Commands& c = impl_->commands;
    c.Run([&] { (c.*h)(); });
  };

  static constexpr std::pair<const char*, Handler> kButtons[] = {
      {kCalculateButton, &Commands::BitBtn1Click},
      {kRegisterButton, &Commands::BitBtn2Click},
      {kCorrectionUpButton, &Commands::BitBtn3Click},
      {kCorrectionDownButton, &Commands::BitBtn4Click},
      {kAnimateButton, &Commands::BitBtn5Click},
      {kAnimateStepButton, &Commands::BitBtn6Click},
      {kCorrectionZeroButton, &Commands::BitBtn7Click},
      {kContactButton, &Commands::BitBtn8Click},
      {kTurnUpFastButton, &Commands::BitBtn9Click},
      {kTurnDownFastButton, &Commands::BitBtn10Click},
      {kZoomInButton, &Commands::BitBtn11Click},
      {kZoomOutButton, &Commands::BitBtn12Click},
      {kTurnUpButton, &Commands::BitBtn13Click},
      {kTurnDownButton, &Commands::BitBtn14Click},
      {kPanUpButton, &Commands::BitBtn15Click},
      {kPanDownButton, &Commands::BitBtn16Click},
      {kPanLeftButton, &Commands::BitBtn17Click},
      {kPanRightButton, &Commands::BitBtn18Click},
      {kPanResetButton, &Commands::BitBtn19Click},
      {kZoomResetButton, &Commands::BitBtn20Click},
      {kStrengthButton, &Commands::BitBtn33Click},
  };
  for (const auto& [name, handler] : kButtons) {
    if (auto* b = Find<QAbstractButton>(name)) {
      connect(b, &QAbstractButton::clicked, this, [run, h = handler] { run(h); });
    }
  }

  static constexpr std::pair<const char*, Handler> kMenuItems[] = {
      {"N1", &Commands::N1Click}, {"N2", &Commands::N2Click}, {"Print1", &Commands::Print1Click},
      {"N3", &Commands::N3Click}, {"N4", &Commands::N4Click}, {"N6", &Commands::N6Click},
      {"N7", &Commands::N7Click}, {"Help2", &Commands::Help2Click},
      {"SheetPdf1", &Commands::SheetPdf1Click}, {"MeshSvg1", &Commands::MeshSvg1Click},
      {"PartDxf1", &Commands::PartDxf1Click},   {"PartDxf2", &Commands::PartDxf2Click},
      {"ToothTemplate1", &Commands::ToothTemplate1Click},
      {"ToothTemplate2", &Commands::ToothTemplate2Click},
  };
  for (const auto& [name, handler] : kMenuItems) {
    if (auto* a = Find<QAction>(name)) {
      connect(a, &QAction::triggered, this, [run, h = handler] { run(h); });
    }
  }
  static constexpr std::pair<const char*, void (*)(Commands&)> kSolidItems[] = {
      {"SolidStep1", &SolidStep1Click},
      {"SolidStep2", &SolidStep2Click},
      {"SolidStepPair", &SolidStepPairClick},
  };
  for (const auto& [name, handler] : kSolidItems) {
    if (auto* a = Find<QAction>(name)) {
      connect(a, &QAction::triggered, this, [this, h = handler] {
        Commands& c = impl_->commands;
        c.Run([&] { h(c); });
      });
    }
  }

  // Enter in an input field calculates; Enter in Edit19 turns gear 2 to the
  // typed rotation, as a rotation step of zero.
  for (const char* name : {kModuleField, kTeeth1Field, kTeeth2Field, kShift1Field, kShift2Field}) {
    if (auto* e = Find<QLineEdit>(name)) {
      connect(e, &QLineEdit::returnPressed, this, [run] { run(&Commands::BitBtn1Click); });
    }
  }
  if (auto* e = Find<QLineEdit>(kRotationField)) {
    connect(e, &QLineEdit::returnPressed, this, [this] {
      Commands& c = impl_->commands;
      c.Run([&] { c.RotationStep(0.0); });
    });
  }

  if (auto* rg1 = Find<RadioGroup>(kViewGroup)) {
    connect(rg1, &RadioGroup::Clicked, this, [run](int) { run(&Commands::RG1Click); });
  }
  if (auto* speed = Find<QScrollBar>(kSpeedBar)) {
    connect(speed, &QScrollBar::valueChanged, this, [this](int position) {
      Commands& c = impl_->commands;
      c.Run([&] { c.ScrollBar1Change(position); });
    });
  }
  if (auto* timer = Find<QTimer>(kAnimationTimer)) {
    connect(timer, &QTimer::timeout, this, [run] { run(&Commands::Timer1Timer); });
  }
}

void TForm1::SetKeyboardOrder() {
  QList<QWidget*> order;
  for (const char* name :
       {kModuleField, kTeeth1Field, kTeeth2Field, kShift1Field, kShift2Field, kCalculateButton}) {
    order.append(Find<QWidget>(name));
  }
  if (auto* rg1 = Find<RadioGroup>(kViewGroup)) {
    for (int i = 0; rg1->Item(i); ++i) order.append(rg1->Item(i));
  }
  for (const char* name :
       {kAnimateButton,      kAnimateStepButton,    kWorkingPitchDia1Field, kWorkingPitchDia2Field,
        kTipDia1Field,       kTipDia2Field,         kRootDia1Field,         kRootDia2Field,
        kBaseDia1Field,      kBaseDia2Field,        kCenterDistanceField,   kCorrectionField,
        kCorrectionUpButton, kCorrectionDownButton, kCorrectionZeroButton,  kContactRatioField,
        kTipThickness1Field, kTipThickness2Field,   kBacklashField,         kRegisterButton,
        kSpeedBar,           kMessageList,          "PageControl1"}) {
    order.append(Find<QWidget>(name));
  }
  order.removeAll(nullptr);
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  // Tab passes over the results, which the user cannot change; a click
  // still selects their text.
  for (QLineEdit* e : findChildren<QLineEdit*>()) {
    if (e->isReadOnly()) e->setFocusPolicy(Qt::ClickFocus);
  }
}

}  // namespace spurgear::ui
