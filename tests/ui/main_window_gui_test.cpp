// The main window through its real widgets: start-up, layout, the calculate
// command, the correction buttons, conversion failures and the file menu.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <functional>
#include <memory>

#include "commands/memory_ports.h"
#include "core/number_text.h"
#include "test_support.h"
#include "ui/program.h"
#include "ui/widgets.h"
#include "ui/window_test.h"

namespace spurgear {
namespace {

class MainWindowTest : public WindowTest {
 protected:
  void Menu(const char* name) { p->Find<QAction>(name)->trigger(); }
  QListWidget* List() { return p->Find<QListWidget>("ListBox1"); }
  GearPairRecord& Slot0() { return p->state->slot0(); }
  int Calculations() { return p->commands().calculationCount; }
};

// Answers the next modal window once it is open. A further modal window
// over the answered one (a prompt it raised) is a failure and is closed, so a
// test cannot hang. The poll belongs to `owner` and ends with the answered
// window.
void WhenModal(QObject* owner, std::function<void(QWidget*)> answer) {
  auto* poll = new QTimer(owner);
  auto answered = std::make_shared<QPointer<QWidget>>();
  auto done = std::make_shared<bool>(false);
  QObject::connect(poll, &QTimer::timeout, poll, [=] {
    QWidget* w = QApplication::activeModalWidget();
    if (!*done) {
      if (w) {
        *done = true;
        *answered = w;
        answer(w);
      }
      return;
    }
    if (answered->isNull()) {
      poll->deleteLater();
      return;
    }
    if (w && w != answered->data()) {
      ADD_FAILURE() << "unexpected modal window " << w->metaObject()->className() << " "
                    << w->windowTitle().toStdString();
      if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
    }
  });
  poll->start(10);
}

TEST_F(MainWindowTest, StartUpShowsTheComputedDefaultPair) {
  EXPECT_EQ(Text("Edit1"), "1");
  EXPECT_EQ(Text("Edit2"), "15");
  EXPECT_EQ(Text("Edit3"), "25");
  EXPECT_EQ(Text("Edit4"), "0");
  EXPECT_EQ(Text("Edit5"), "0");
  EXPECT_EQ(Text("Edit15"), "0.000");
  EXPECT_EQ(Text("Edit17"), "0.000");
  EXPECT_EQ(Text("Edit19"), "0.000");
  EXPECT_EQ(Text("Edit6"), "15.000");
  EXPECT_EQ(Text("Edit7"), "25.000");
  EXPECT_EQ(Text("Edit8"), "17.000");
  EXPECT_EQ(Text("Edit9"), "27.000");
  EXPECT_EQ(Text("Edit10"), "12.500");
  EXPECT_EQ(Text("Edit11"), "22.500");
  EXPECT_EQ(Text("Edit14"), "20.000");
  const GearPairRecord& r = Slot0();
  EXPECT_EQ(r.Valid, 1);
  EXPECT_EQ(Text("Edit12"), FormatResult(r.BaseDia1));
  EXPECT_EQ(Text("Edit13"), FormatResult(r.BaseDia2));
  EXPECT_EQ(Text("Edit16"), FormatResult(r.ContactRatio));
  EXPECT_EQ(Text("Edit47"), FormatResult(r.TipThickness1));
  EXPECT_EQ(Text("Edit48"), FormatResult(r.TipThickness2));

  ASSERT_EQ(List()->count(), 1);
  EXPECT_EQ(List()->item(0)->text(), QStringLiteral("エラー = 0, 警告 = 0 !"));
  EXPECT_EQ(List()->palette().color(QPalette::Text), QColor(Qt::blue));

  EXPECT_FALSE(p->Find<QWidget>("Image1")->isHidden());
  for (const char* n : {"Image2", "Image3", "Image4", "Image5"}) {
    EXPECT_TRUE(p->Find<QWidget>(n)->isHidden()) << n;
  }
  auto* timer = p->Find<QTimer>("Timer1");
  EXPECT_FALSE(timer->isActive());
  EXPECT_EQ(timer->interval(), 100);
  EXPECT_TRUE(box.errors.empty());
  EXPECT_EQ(Calculations(), 1);
  EXPECT_TRUE(p->form2->isHidden());
  EXPECT_EQ(p->form1->windowTitle(), QStringLiteral("平歯車の諸元計算"));
  EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("歯車諸元計算"));
}

TEST_F(MainWindowTest, ControlsStandWhereTheLayoutSays) {
  struct Place {
    const char* name;
    int x, y, w, h;
  };
  const Place places[] = {
      {"Edit1", 80, 40, 113, 21},      {"Edit2", 80, 64, 57, 21},
      {"Edit3", 136, 64, 57, 21},      {"Edit5", 136, 88, 57, 21},
      {"Button1", 8, 113, 185, 5},     {"Edit7", 136, 128, 57, 21},
      {"Edit14", 80, 224, 113, 21},    {"Edit15", 80, 248, 57, 23},
      {"BitBtn3", 136, 250, 17, 23},   {"BitBtn4", 152, 250, 17, 23},
      {"BitBtn7", 176, 250, 17, 23},   {"Edit16", 80, 280, 113, 21},
      {"Edit48", 136, 304, 57, 21},    {"Edit17", 104, 328, 89, 23},
      {"BitBtn1", 8, 392, 89, 25},     {"BitBtn2", 104, 392, 89, 25},
      {"RG1", 8, 424, 185, 41},        {"BitBtn5", 8, 472, 97, 25},
      {"BitBtn6", 104, 472, 89, 25},   {"ScrollBar1", 72, 504, 121, 17},
      {"ListBox1", 8, 552, 881, 25},   {"PageControl1", 208, 8, 681, 537},
  };
  for (const Place& pl : places) {
    auto* w = p->Find<QWidget>(pl.name);
    ASSERT_NE(w, nullptr) << pl.name;
    EXPECT_EQ(w->geometry(), QRect(pl.x, pl.y, pl.w, pl.h)) << pl.name;
  }
  p->Show();
  EXPECT_EQ(p->form1->centralWidget()->size(), QSize(907, 594));
  EXPECT_EQ(p->form1->pos(), QPoint(388, 225));

  EXPECT_TRUE(Edit("Edit1")->font().bold());
  EXPECT_FALSE(Edit("Edit1")->hasFrame());
  EXPECT_TRUE(Edit("Edit8")->isReadOnly());
  EXPECT_TRUE(Edit("Edit15")->isReadOnly());
  EXPECT_TRUE(Edit("Edit15")->hasFrame());
  EXPECT_FALSE(Edit("Edit17")->isReadOnly());

  auto* rg1 = p->Find<ui::RadioGroup>("RG1");
  EXPECT_EQ(rg1->title(), QStringLiteral("表示設定"));
  EXPECT_EQ(rg1->ItemIndex(), 0);
  EXPECT_EQ(rg1->Item(2)->text(), QStringLiteral("拡大２"));
  auto* speed = p->Find<QScrollBar>("ScrollBar1");
  EXPECT_EQ(speed->orientation(), Qt::Horizontal);
  EXPECT_EQ(speed->value(), 80);
  EXPECT_EQ(speed->maximum(), 100);

  auto* pages = p->Find<QTabWidget>("PageControl1");
  ASSERT_EQ(pages->count(), 3);
  EXPECT_EQ(pages->currentIndex(), 0);
  EXPECT_EQ(pages->tabText(0), QStringLiteral("　　１．ギアかみ合い画面　　"));
  EXPECT_EQ(pages->tabText(1), QStringLiteral("　２．バックラッシ検討画面　"));
  EXPECT_EQ(pages->tabText(2), QStringLiteral("３．ギア強度の簡易計算"));
  EXPECT_EQ(pages->widget(1)->objectName(), "TabSheet2");

  QStringList menus;
  for (QAction* a : p->form1->menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{QStringLiteral("ＦＩＬＥ　　　　"), QStringLiteral("ＥＤＩＴ　　　"),
                                QStringLiteral("DXF　　　"), QStringLiteral("ＴＯＯＬ"),
                                QStringLiteral("ＨＥＬＰ")}));
  QStringList items;
  for (QAction* a : p->Find<QMenu>("File1")->actions()) items << a->objectName() + ":" + a->text();
  EXPECT_EQ(items, (QStringList{QStringLiteral("N1:読み取り"), QStringLiteral("N2:書き込み"),
                                QStringLiteral("Print1:印刷"),
                                QStringLiteral("SheetPdf1:計算書 (PDF)…"),
                                QStringLiteral("N3:ＥＮＤ")}));
  EXPECT_EQ(p->Find<QAction>("Show1")->text(), QStringLiteral("表示"));

  // Keyboard order: the inputs, then 計算, the view choice and the animation.
  QStringList chain;
  QWidget* w = Edit("Edit1");
  for (int i = 0; i < 9; ++i, w = w->nextInFocusChain()) chain << w->objectName();
  EXPECT_EQ(chain, (QStringList{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "BitBtn1", "RG1_0",
                                "RG1_1", "RG1_2"}));
  EXPECT_EQ(w->objectName(), "BitBtn5");
}

TEST_F(MainWindowTest, OnlyTheCommandsRecalculateOnAChangeOfEdit15) {
  const int before = Calculations();
  Type("Edit15", "0.500");  // a write that bypasses the commands
  Type("Edit17", "9.999");  // typed, never read
  EXPECT_EQ(Calculations(), before);
  EXPECT_EQ(Slot0().DistanceCorrection, 0.0);

  FieldPort& fields = p->commands().ports.fields;
  EXPECT_FALSE(fields.SetText("Edit15", "0.500"));
  EXPECT_TRUE(fields.SetText("Edit15", "0.000"));
  EXPECT_EQ(Calculations(), before);
  Click("BitBtn1");
  EXPECT_EQ(Text("Edit17"), "0.000");
}

TEST_F(MainWindowTest, CorrectionButtons) {
  Click("BitBtn3");  // ＋
  EXPECT_EQ(Text("Edit15"), "0.010");
  EXPECT_EQ(Text("Edit14"), "20.010");
  EXPECT_EQ(Text("Edit17"), "0.007");
  EXPECT_DOUBLE_EQ(Slot0().DistanceCorrection, 0.01);

  Click("BitBtn4");  // - back to zero
  EXPECT_EQ(Text("Edit15"), "0.000");
  EXPECT_EQ(Text("Edit14"), "20.000");

  // "-" at zero: nothing is shown again, so typed inputs stay as typed.
  const int before = Calculations();
  Type("Edit1", "2");
  Click("BitBtn4");
  EXPECT_EQ(Text("Edit1"), "2");
  EXPECT_EQ(Text("Edit15"), "0.000");
  EXPECT_EQ(Calculations(), before);
  EXPECT_EQ(Slot0().Module, 1.0);

  // "0" while 0.000 is shown still recalculates, reading the typed module.
  Click("BitBtn7");
  EXPECT_EQ(Text("Edit15"), "0.000");
  EXPECT_EQ(Slot0().Module, 2.0);
  EXPECT_EQ(Text("Edit8"), "34.000");
  EXPECT_EQ(Calculations(), before + 2);
}

TEST_F(MainWindowTest, MinusBelowTheStepGoesNegativeOnce) {
  Slot0().DistanceCorrection = 0.005;
  p->commands().Run([&] { p->commands().ShowResults(); });
  ASSERT_EQ(Text("Edit15"), "0.005");
  Click("BitBtn4");
  EXPECT_EQ(Text("Edit15"), "-0.005");
  EXPECT_DOUBLE_EQ(Slot0().DistanceCorrection, -0.005);
  const int before = Calculations();
  Click("BitBtn4");
  EXPECT_EQ(Text("Edit15"), "-0.005");
  EXPECT_EQ(Calculations(), before);
}

TEST_F(MainWindowTest, CorrectionIsReadBackRoundedFromTheField) {
  Type("Edit1", "1.25");
  Click("BitBtn1");
  Click("BitBtn3");
  EXPECT_EQ(Text("Edit15"), "0.013");
  EXPECT_EQ(Slot0().DistanceCorrection, 0.013);
  EXPECT_EQ(Text("Edit1"), "1.25");
}

TEST_F(MainWindowTest, RefusedToothCountKeepsThePreviousResults) {
  const std::vector<std::string> before = Results();
  p->Find<QTimer>("Timer1")->start();
  Type("Edit2", "301");
  Click("BitBtn1");
  EXPECT_EQ(Results(), before);
  EXPECT_EQ(Slot0().Teeth1, 301);
  EXPECT_FALSE(p->Find<QTimer>("Timer1")->isActive());
  ASSERT_GE(List()->count(), 1);
  EXPECT_NE(List()->item(0)->text(), QStringLiteral("エラー = 0, 警告 = 0 !"));
  EXPECT_EQ(List()->palette().color(QPalette::Text), QColor(Qt::red));
  EXPECT_TRUE(box.errors.empty());
}

TEST_F(MainWindowTest, TextsThatDoNotConvertEndTheCommandAtTheirField) {
  const std::vector<std::string> before = Results();
  Type("Edit1", "1,5");
  Click("BitBtn1");
  ASSERT_EQ(box.errors.size(), 1u);
  EXPECT_EQ(box.errors[0], "'1,5' は浮動小数点数ではありません.");
  EXPECT_EQ(Slot0().Module, 1.0);

  Type("Edit1", "2");
  Type("Edit2", "15.0");
  Click("BitBtn1");
  ASSERT_EQ(box.errors.size(), 2u);
  EXPECT_EQ(box.errors[1], "'15.0' は整数ではありません.");
  EXPECT_EQ(Slot0().Module, 2.0);  // stored before the failing field
  EXPECT_EQ(Slot0().Teeth1, 15);
  EXPECT_EQ(Results(), before);
  EXPECT_EQ(Text("Edit2"), "15.0");
  ASSERT_EQ(List()->count(), 1);
  EXPECT_EQ(List()->item(0)->text(), QStringLiteral("エラー = 0, 警告 = 0 !"));
}

TEST_F(MainWindowTest, GearFileWrittenAndReadBackThroughTheMenu) {
  TempDir dir;
  const std::string path = dir.Path("pair.hgd");
  dialogs.answers = {path};
  Menu("N2");
  const TableBytes written = EncodeTable(p->state->table);
  std::vector<uint8_t> bytes = ReadAll(path);
  ASSERT_EQ(bytes.size(), 2552u);
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), written.begin()));

  Type("Edit1", "2");
  Click("BitBtn1");
  ASSERT_EQ(Text("Edit8"), "34.000");

  dialogs.answers = {path};
  Menu("N1");
  EXPECT_EQ(dialogs.asked, (std::vector<std::string>{"SaveDialog1", "OpenDialog1"}));
  EXPECT_EQ(Slot0().Module, 1.0);
  EXPECT_EQ(Text("Edit1"), "1");
  EXPECT_EQ(Text("Edit8"), "17.000");
  EXPECT_TRUE(box.errors.empty());
  EXPECT_FALSE(p->form2->isHidden());  // the history push shows its window
}

TEST_F(MainWindowTest, FilesThatCannotBeOpenedOrCreatedChangeNothing) {
  TempDir dir;
  const TableBytes before = EncodeTable(p->state->table);
  const std::string missing = dir.Path("missing.hgd");
  dialogs.answers = {missing};
  Menu("N1");
  ASSERT_EQ(box.errors.size(), 1u);
  EXPECT_EQ(box.errors[0], "ファイル " + missing + " は開けません.");
  EXPECT_EQ(EncodeTable(p->state->table), before);
  EXPECT_TRUE(p->form2->isHidden());

  const std::string nowhere = dir.Path("no/such/dir/pair.hgd");
  dialogs.answers = {nowhere};
  Menu("N2");
  ASSERT_EQ(box.errors.size(), 2u);
  EXPECT_EQ(box.errors[1], "ファイル " + nowhere + " を作成できません.");
  EXPECT_EQ(EncodeTable(p->state->table), before);

  dialogs.answers.clear();  // cancelled
  Menu("N2");
  EXPECT_EQ(box.errors.size(), 2u);
}

TEST_F(MainWindowTest, QtFileDialogsCarryTheirFiltersAndRememberTheChosenName) {
  TempDir dir;
  const QString path = QString::fromStdString(dir.Path("chosen.hgd"));
  // The program as started for a user, with its own file dialogs.
  p.reset();
  p = std::make_unique<ui::Program>(&box);

  QString name, filter, preset;
  auto answer = [&](const QString& file) {
    WhenModal(p->form1.get(), [&, file](QWidget* w) {
      auto* d = qobject_cast<QFileDialog*>(w);
      ASSERT_NE(d, nullptr) << w->metaObject()->className();
      name = d->objectName();
      filter = d->nameFilters().value(0);
      preset = d->selectedFiles().value(0);
      // What the user types into the name field (selectFile leaves a focused
      // field alone); a file still selected in the list would win over it.
      auto* typed = d->findChild<QLineEdit*>("fileNameEdit");
      ASSERT_NE(typed, nullptr);
      typed->setText(file);
      for (auto* view : d->findChildren<QAbstractItemView*>()) {
        if (view->selectionModel()) view->selectionModel()->clear();
      }
      static_cast<QDialog*>(d)->accept();  // QFileDialog::accept checks the name
    });
  };
  answer(path);
  Menu("N2");
  EXPECT_EQ(name, "SaveDialog1");
  EXPECT_EQ(filter, QStringLiteral("平ギアのデーター (*.hgd)"));
  EXPECT_TRUE(preset.endsWith("/dumy.hgd")) << preset.toStdString();
  EXPECT_EQ(ReadAll(path.toStdString()).size(), 2552u);

  const QString second = QString::fromStdString(dir.Path("second.hgd"));
  answer(second);
  Menu("N2");
  EXPECT_EQ(preset, path);
  EXPECT_EQ(ReadAll(second.toStdString()).size(), 2552u);

  answer(path);
  Menu("N1");
  EXPECT_EQ(name, "OpenDialog1");
  EXPECT_EQ(filter, QStringLiteral("平ギアのデーター (*.hgd)"));
  EXPECT_TRUE(box.errors.empty());
  EXPECT_FALSE(p->form2->isHidden());
}

TEST_F(MainWindowTest, TheErrorBoxCarriesTheApplicationTitle) {
  // The program as started for a user, with its own message box.
  p.reset();
  p = std::make_unique<ui::Program>(nullptr, &dialogs);
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  WhenModal(p->form1.get(), [&](QWidget* w) {
    auto* m = qobject_cast<QMessageBox*>(w);
    if (!m) return;
    title = m->windowTitle();
    text = m->text();
    icon = m->icon();
    m->accept();
  });
  Type("Edit3", "");
  Click("BitBtn1");
  EXPECT_EQ(title, QStringLiteral("歯車諸元計算"));
  EXPECT_EQ(text, QStringLiteral("'' は整数ではありません."));
  EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST_F(MainWindowTest, MessageListKeepsTheNewestLineInView) {
  p->Show();
  MessagePort& messages = p->commands().ports.messages;
  messages.Clear();
  for (int i = 0; i < 6; ++i) messages.Add("line " + std::to_string(i));
  QApplication::processEvents();
  QListWidget* list = List();
  ASSERT_EQ(list->count(), 6);
  const QRect last = list->visualItemRect(list->item(5));
  EXPECT_TRUE(list->viewport()->rect().intersects(last));
}

TEST_F(MainWindowTest, ControlsReachTheirHandlers) {
  auto* timer = p->Find<QTimer>("Timer1");
  p->Find<QScrollBar>("ScrollBar1")->setValue(100);
  EXPECT_EQ(timer->interval(), 20);

  Click("BitBtn5");  // 動画: all frames hidden until the first tick
  EXPECT_TRUE(timer->isActive());
  EXPECT_TRUE(p->Find<QWidget>("Image1")->isHidden());
  QElapsedTimer waited;
  waited.start();
  while (p->Find<QWidget>("Image1")->isHidden() && waited.elapsed() < 30000) {  // only a hang waits this long
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  EXPECT_FALSE(p->Find<QWidget>("Image1")->isHidden());

  p->Find<ui::RadioGroup>("RG1")->Item(1)->click();
  EXPECT_FALSE(timer->isActive());

  Click("BitBtn2");  // 登録 shows the history window
  EXPECT_FALSE(p->form2->isHidden());

  p->Show();
  Menu("N3");  // ＥＮＤ closes both windows
  EXPECT_FALSE(p->form1->isVisible());
  EXPECT_FALSE(p->form2->isVisible());

  Menu("Show1");  // no action
  EXPECT_TRUE(box.errors.empty());
}

}  // namespace
}  // namespace spurgear
