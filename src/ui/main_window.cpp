#include "ui/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <optional>

#include "commands/form_defaults.h"
#include "output/copy_print_help.h"
#include "ui/pages.h"
#include "ui/plot.h"
#include "ui/widgets.h"

namespace spurgear::ui {
namespace {

// Finds the window's controls by objectName, remembering what it found.
class Lookup {
 public:
  explicit Lookup(QWidget* root) : root_(root) {}

  template <class T>
  T* Get(std::string_view name) {
    const QString key = Q(name);
    QPointer<QWidget>& slot = cache_[key];
    if (!slot) slot = root_->findChild<QWidget*>(key);
    return qobject_cast<T*>(slot.data());
  }

 private:
  QWidget* root_;
  QHash<QString, QPointer<QWidget>> cache_;
};

class WidgetFields : public FieldPort {
 public:
  explicit WidgetFields(Lookup& lookup) : lookup_(lookup) {}

  std::string Text(std::string_view name) const override {
    if (auto* e = lookup_.Get<QLineEdit>(name)) return e->text().toStdString();
    if (auto* c = lookup_.Get<QComboBox>(name)) return c->currentText().toStdString();
    return {};
  }

  // A plain write: it raises no calculation; the commands run Edit15Change
  // themselves when the text of Edit15 changed.
  bool SetText(std::string_view name, std::string_view text) override {
    auto* e = lookup_.Get<QLineEdit>(name);
    if (!e) return false;
    const QString q = Q(text);
    if (e->text() == q) return false;
    e->setText(q);
    e->setCursorPosition(0);  // show the start of a long number
    return true;
  }

  int Index(std::string_view name) const override {
    if (auto* g = lookup_.Get<RadioGroup>(name)) return g->ItemIndex();
    if (auto* c = lookup_.Get<QComboBox>(name)) return c->currentIndex();
    if (auto* s = lookup_.Get<QScrollBar>(name)) return s->value();
    return -1;
  }

  void SetIndex(std::string_view name, int index) override {
    if (auto* g = lookup_.Get<RadioGroup>(name)) {
      g->SetItemIndex(index);
    } else if (auto* c = lookup_.Get<QComboBox>(name)) {
      c->setCurrentIndex(index);
    } else if (auto* s = lookup_.Get<QScrollBar>(name)) {
      s->setValue(index);
    }
  }

  void SetRed(std::string_view name, bool red) override {
    auto* w = lookup_.Get<QWidget>(name);
    if (!w) return;
    // An overlap shows as a red field background; otherwise the normal
    // white of an edit field.
    QPalette p = w->palette();
    p.setColor(QPalette::Base, red ? QColor(Qt::red) : QColor(Qt::white));
    w->setPalette(p);
  }

 private:
  Lookup& lookup_;
};

class ListBoxMessages : public MessagePort {
 public:
  explicit ListBoxMessages(QListWidget* list) : list_(list) {}
  void Clear() override { list_->clear(); }
  void Add(std::string_view line) override {
    auto* item = new QListWidgetItem(Q(line), list_);
    item->setSizeHint(QSize(0, 15));
    list_->scrollToItem(item);
  }
  void SetColor(ListColor color) override {
    QPalette p = list_->palette();
    p.setColor(QPalette::Text, color == ListColor::Blue ? QColor(Qt::blue) : QColor(Qt::red));
    list_->setPalette(p);
  }

 private:
  QListWidget* list_;
};

class QtTimer : public TimerPort {
 public:
  explicit QtTimer(QTimer* timer) : timer_(timer) {}
  void SetEnabled(bool enabled) override {
    if (enabled) {
      if (!timer_->isActive()) timer_->start();
    } else {
      timer_->stop();
    }
  }
  bool Enabled() const override { return timer_->isActive(); }
  void SetInterval(int milliseconds) override { timer_->setInterval(milliseconds); }
  int Interval() const override { return timer_->interval(); }

 private:
  QTimer* timer_;
};

class ImagePictures : public PicturePort {
 public:
  explicit ImagePictures(Lookup& lookup) : lookup_(lookup) {}

  void DrawOutlines(std::string_view image, int mode, int endA, int endB, const ViewWindow& window,
                    std::span<const Point2D> a, std::span<const Point2D> b, int open) override {
    if (auto* v = lookup_.Get<ImageView>(image)) {
      ui::DrawOutlines(v->Image(), mode, endA, endB, window, a, b, open);
      v->update();
    }
  }
  void DrawSegment(std::string_view image, const ViewWindow& window, double x1, double y1,
                   double x2, double y2) override {
    if (auto* v = lookup_.Get<ImageView>(image)) {
      ui::DrawSegment(v->Image(), window, x1, y1, x2, y2);
      v->update();
    }
  }
  void DrawScaleBar(std::string_view image, double viewWidth, double viewHeight) override {
    if (auto* v = lookup_.Get<ImageView>(image)) {
      ui::DrawScaleBar(v->Image(), viewWidth, viewHeight);
      v->update();
    }
  }
  void SetVisible(std::string_view image, bool visible) override {
    if (auto* w = lookup_.Get<QWidget>(image)) w->setVisible(visible);
  }
  bool Visible(std::string_view image) const override {
    auto* w = lookup_.Get<QWidget>(image);
    return w && !w->isHidden();
  }
  void SetBusy(std::string_view text) override {
    auto* label = lookup_.Get<QLabel>("Label15");
    if (!label) return;
    if (text.empty()) {
      label->hide();
      return;
    }
    label->setText(Q(text));
    label->adjustSize();
    label->show();
    label->raise();
    // The drawing that follows blocks the event loop: paint the notice now.
    if (label->isVisible()) label->repaint();
  }

 private:
  Lookup& lookup_;
};

class ForwardDialogs : public DialogPort {
 public:
  explicit ForwardDialogs(DialogPort& own) : own_(own) {}
  std::optional<std::string> Open(std::string_view d) override { return Target().Open(d); }
  std::optional<std::string> Save(std::string_view d) override { return Target().Save(d); }
  DialogPort* replacement = nullptr;

 private:
  DialogPort& Target() { return replacement ? *replacement : own_; }
  DialogPort& own_;
};

class ForwardBox : public MessageBoxPort {
 public:
  explicit ForwardBox(MessageBoxPort& own) : own_(own) {}
  void ShowError(std::string_view text) override {
    (replacement ? *replacement : own_).ShowError(text);
  }
  MessageBoxPort* replacement = nullptr;

 private:
  MessageBoxPort& own_;
};

// The history grid lives in the history window, which is created after the
// main window's start-up; until it is attached, the grid is not there.
class ForwardHistory : public HistoryPort {
 public:
  void SetCell(int column, int row, std::string_view text) override {
    if (Live()) port->SetCell(column, row, text);
  }
  std::string Cell(int column, int row) const override {
    return Live() ? port->Cell(column, row) : std::string();
  }
  void ShowWindow() override {
    if (Live()) port->ShowWindow();
  }
  bool Live() const { return port && window; }

  HistoryPort* port = nullptr;
  QPointer<QWidget> window;
};

struct DialogSpec {
  const char* name;
  const char* filter;
  const char* preset;
};

constexpr DialogSpec kDialogs[] = {
    {"OpenDialog1", "平ギアのデーター (*.hgd)", ""},
    {"SaveDialog1", "平ギアのデーター (*.hgd)", "dumy.hgd"},
    {"SaveDialog2", "dxf (*.dxf)", "gay1.dxf"},
    {"SaveDialog3", "dxf (*.dxf)", "gya2.dxf"},
    {"SaveDialog4", "PDF ファイル (*.pdf)", "keisansho.pdf"},
    {"SaveDialog5", "SVG ファイル (*.svg)", "kamiai.svg"},
};

int DialogSlot(std::string_view name) {
  for (int i = 0; i < static_cast<int>(std::size(kDialogs)); ++i) {
    if (name == kDialogs[i].name) return i;
  }
  return -1;
}

}  // namespace

// --- QtDialogs, QtMessageBox ---

QtDialogs::QtDialogs(QWidget* parent) : parent_(parent) {
  static_assert(std::size(kDialogs) == kDialogCount);
  for (int i = 0; i < kDialogCount; ++i) names_[i] = QString::fromUtf8(kDialogs[i].preset);
}

std::optional<std::string> QtDialogs::Open(std::string_view dialog) { return Run(dialog, false); }
std::optional<std::string> QtDialogs::Save(std::string_view dialog) { return Run(dialog, true); }

QString QtDialogs::FileName(std::string_view dialog) const {
  const int slot = DialogSlot(dialog);
  return slot < 0 ? QString() : names_[slot];
}

std::optional<std::string> QtDialogs::Run(std::string_view dialog, bool save) {
  const int slot = DialogSlot(dialog);
  if (slot < 0) return std::nullopt;
  QFileDialog box(parent_, QString(), QString(), QString::fromUtf8(kDialogs[slot].filter));
  box.setObjectName(QString::fromUtf8(kDialogs[slot].name));
  box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  box.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!names_[slot].isEmpty()) box.selectFile(names_[slot]);
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = box.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  names_[slot] = chosen.front();
  return QFile::encodeName(chosen.front()).toStdString();
}

void QtMessageBox::ShowError(std::string_view text) {
  QMessageBox box(QMessageBox::Critical, ApplicationTitle(), Q(text), QMessageBox::Ok, parent_);
  box.exec();
}

// --- TForm1 ---

struct TForm1::Impl {
  Impl(TForm1& window, AppState& state, QWidget* central, QListWidget* list, QTimer* qtimer)
      : lookup(central),
        fields(lookup),
        messages(list),
        timer(qtimer),
        pictures(lookup),
        qtDialogs(&window),
        qtBox(&window),
        dialogs(qtDialogs),
        box(qtBox),
        desktop(&window),
        commands(state, Ports{fields, messages, timer, pictures, dialogs, box, history, desktop}) {}

  Lookup lookup;
  WidgetFields fields;
  ListBoxMessages messages;
  QtTimer timer;
  ImagePictures pictures;
  QtDialogs qtDialogs;
  QtMessageBox qtBox;
  ForwardDialogs dialogs;
  ForwardBox box;
  ForwardHistory history;
  QtDesktop desktop;
  Commands commands;
};

namespace {

QFont WindowFont() {
  QFont font;
  // The IPA face stands in where the Windows face is not installed; both
  // carry the Japanese glyphs.
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                    QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")});
  font.setPixelSize(15);
  return font;
}

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
    {"Edit1", 80, 40, 113}, {"Edit2", 80, 64, 57},  {"Edit3", 136, 64, 57},
    {"Edit4", 80, 88, 57},  {"Edit5", 136, 88, 57},
};

// The result fields, in keyboard order.
constexpr EditSpec kResultEdits[] = {
    {"Edit6", 80, 128, 57},   {"Edit7", 136, 128, 57},  {"Edit8", 80, 152, 57},
    {"Edit9", 136, 152, 57},  {"Edit10", 80, 176, 57},  {"Edit11", 136, 176, 57},
    {"Edit12", 80, 200, 57},  {"Edit13", 136, 200, 57}, {"Edit14", 80, 224, 113},
    {"Edit16", 80, 280, 113}, {"Edit47", 80, 304, 57},  {"Edit48", 136, 304, 57},
};

}  // namespace

TForm1::TForm1(AppState& state, MessageBoxPort* box, DialogPort* dialogs) : QMainWindow(nullptr) {
  setObjectName("Form1");
  setWindowTitle(QStringLiteral("平歯車の諸元計算"));
  setFont(WindowFont());

  auto* central = new QWidget(this);
  central->setObjectName("Form1Client");
  QPalette silver = central->palette();
  silver.setColor(QPalette::Window, QColor(192, 192, 192));
  central->setPalette(silver);
  central->setAutoFillBackground(true);
  setCentralWidget(central);

  BuildLayout();
  BuildMenu();

  auto* timer = new QTimer(this);
  timer->setObjectName("Timer1");
  timer->setInterval(kTimerInterval);
  timer->start();  // enabled when created; the first calculation stops it

  impl_ = std::make_unique<Impl>(*this, state, central, Find<QListWidget>("ListBox1"), timer);
  impl_->box.replacement = box;
  impl_->dialogs.replacement = dialogs;

  ConnectCommands();
  SetKeyboardOrder();

  // Client area 907 × 594 below the menu bar; outer 915 × 648 with frame
  // and caption.
  resize(907, 594 + menuBar()->sizeHint().height());
  move(388, 225);

  Commands& c = impl_->commands;
  c.Run([&] { c.FormCreate(); });
}

TForm1::~TForm1() = default;

Commands& TForm1::commands() { return impl_->commands; }

void TForm1::SetDialogPort(DialogPort* dialogs) { impl_->dialogs.replacement = dialogs; }
void TForm1::SetMessageBoxPort(MessageBoxPort* box) { impl_->box.replacement = box; }

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
    MakeEdit(c, s.name, s.x, s.y, s.w, 21, InitialText(s.name), true, true);
  }
  // Edit15 is written only by the program; its change is handled by the
  // commands, so no signal of it is connected.
  MakeEdit(c, "Edit15", 80, 248, 57, 23, InitialText("Edit15"), true, false);
  // Edit17 can be typed into, but nothing reads it.
  MakeEdit(c, "Edit17", 104, 328, 89, 23, InitialText("Edit17"), false, false);

  auto* separator = MakeButton(c, "Button1", 8, 113, 185, 5, QString());
  separator->setFocusPolicy(Qt::NoFocus);

  MakeButton(c, "BitBtn3", 136, 250, 17, 23, QStringLiteral("＋"));
  MakeButton(c, "BitBtn4", 152, 250, 17, 23, QStringLiteral("-"));
  MakeButton(c, "BitBtn7", 176, 250, 17, 23, QStringLiteral("0"));
  for (const char* name : {"BitBtn3", "BitBtn4", "BitBtn7"}) {
    // Tiny buttons: the caption needs the whole face.
    findChild<QPushButton*>(name)->setStyleSheet(QStringLiteral("padding: 0px;"));
  }

  MakeButton(c, "BitBtn1", 8, 392, 89, 25, QStringLiteral("計算"));
  MakeButton(c, "BitBtn2", 104, 392, 89, 25, QStringLiteral("登録"));
  auto* rg1 = new RadioGroup(c, "RG1", QStringLiteral("表示設定"),
                             {QStringLiteral("全体"), QStringLiteral("拡大１"),
                              QStringLiteral("拡大２")},
                             3, 8, 424, 185, 41);
  rg1->SetItemIndex(InitialIndex("RG1"));
  MakeButton(c, "BitBtn5", 8, 472, 97, 25, QStringLiteral("動画"));
  MakeButton(c, "BitBtn6", 104, 472, 89, 25, QStringLiteral("動画ステップ"));

  MakeLabel(c, "Label1", 8, 504, QStringLiteral("動画速度"));
  auto* speed = new QScrollBar(Qt::Horizontal, c);
  speed->setObjectName("ScrollBar1");
  speed->setGeometry(72, 504, 121, 17);
  speed->setRange(0, 100);
  speed->setSingleStep(1);
  speed->setPageStep(1);
  speed->setValue(InitialIndex("ScrollBar1"));

  auto* list = new QListWidget(c);
  list->setObjectName("ListBox1");
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
    p.build(sheet);
    pages->addTab(sheet, p.caption);
  }
  pages->setCurrentIndex(0);
}

void TForm1::BuildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");
  // Kept inside the window so the client area is where the layout says.
  bar->setNativeMenuBar(false);

  struct Item {
    const char* name;
    QString caption;
  };
  struct Menu {
    const char* name;
    QString caption;
    std::initializer_list<Item> items;
  };
  const Menu kMenus[] = {
      {"File1",
       QStringLiteral("ＦＩＬＥ　　　　"),
       {{"N1", QStringLiteral("読み取り")},
        {"N2", QStringLiteral("書き込み")},
        {"Print1", QStringLiteral("印刷")},
        {"SheetPdf1", QStringLiteral("計算書 (PDF)…")},
        {"N3", QStringLiteral("ＥＮＤ")}}},
      {"Edit41",
       QStringLiteral("ＥＤＩＴ　　　"),
       {{"N4", QStringLiteral("表コピー")}, {"Show1", QStringLiteral("表示")}}},
      {"DXF1",
       QStringLiteral("DXF　　　"),
       {{"N6", QStringLiteral("ギア１出力")},
        {"N7", QStringLiteral("ギア２出力")},
        {"MeshSvg1", QStringLiteral("かみ合い図 (SVG)…")}}},
      {"Help1", QStringLiteral("ＨＥＬＰ"), {{"Help2", QStringLiteral("ヘルプ")}}},
  };
  for (const Menu& m : kMenus) {
    QMenu* menu = bar->addMenu(m.caption);
    menu->setObjectName(m.name);
    for (const Item& i : m.items) {
      QAction* a = menu->addAction(i.caption);
      a->setObjectName(i.name);
    }
  }
}

void TForm1::ConnectCommands() {
  using Handler = void (Commands::*)();
  auto run = [this](Handler h) {
    Commands& c = impl_->commands;
    c.Run([&] { (c.*h)(); });
  };

  static constexpr std::pair<const char*, Handler> kButtons[] = {
      {"BitBtn1", &Commands::BitBtn1Click},   {"BitBtn2", &Commands::BitBtn2Click},
      {"BitBtn3", &Commands::BitBtn3Click},   {"BitBtn4", &Commands::BitBtn4Click},
      {"BitBtn5", &Commands::BitBtn5Click},   {"BitBtn6", &Commands::BitBtn6Click},
      {"BitBtn7", &Commands::BitBtn7Click},   {"BitBtn8", &Commands::BitBtn8Click},
      {"BitBtn9", &Commands::BitBtn9Click},   {"BitBtn10", &Commands::BitBtn10Click},
      {"BitBtn11", &Commands::BitBtn11Click}, {"BitBtn12", &Commands::BitBtn12Click},
      {"BitBtn13", &Commands::BitBtn13Click}, {"BitBtn14", &Commands::BitBtn14Click},
      {"BitBtn15", &Commands::BitBtn15Click}, {"BitBtn16", &Commands::BitBtn16Click},
      {"BitBtn17", &Commands::BitBtn17Click}, {"BitBtn18", &Commands::BitBtn18Click},
      {"BitBtn19", &Commands::BitBtn19Click}, {"BitBtn20", &Commands::BitBtn20Click},
      {"BitBtn33", &Commands::BitBtn33Click},
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
  };
  for (const auto& [name, handler] : kMenuItems) {
    if (auto* a = Find<QAction>(name)) {
      connect(a, &QAction::triggered, this, [run, h = handler] { run(h); });
    }
  }

  if (auto* rg1 = Find<RadioGroup>("RG1")) {
    connect(rg1, &RadioGroup::Clicked, this, [run](int) { run(&Commands::RG1Click); });
  }
  if (auto* speed = Find<QScrollBar>("ScrollBar1")) {
    connect(speed, &QScrollBar::valueChanged, this, [this](int position) {
      Commands& c = impl_->commands;
      c.Run([&] { c.ScrollBar1Change(position); });
    });
  }
  if (auto* timer = Find<QTimer>("Timer1")) {
    connect(timer, &QTimer::timeout, this, [run] { run(&Commands::Timer1Timer); });
  }
}

void TForm1::SetKeyboardOrder() {
  QList<QWidget*> order;
  for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "BitBtn1"}) {
    order.append(Find<QWidget>(name));
  }
  if (auto* rg1 = Find<RadioGroup>("RG1")) {
    for (int i = 0; rg1->Item(i); ++i) order.append(rg1->Item(i));
  }
  for (const char* name : {"BitBtn5", "BitBtn6", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10",
                           "Edit11", "Edit12", "Edit13", "Edit14", "Edit15", "BitBtn3", "BitBtn4",
                           "BitBtn7", "Edit16", "Edit47", "Edit48", "Edit17", "BitBtn2",
                           "ScrollBar1", "ListBox1", "PageControl1"}) {
    order.append(Find<QWidget>(name));
  }
  order.removeAll(nullptr);
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

}  // namespace spurgear::ui
