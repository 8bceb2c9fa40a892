// The window as a user meets it: numbers that fit their fields, a failed
// calculation, a file named on the command line, file dialogs beside a FIFO,
// the Enter key in the input fields.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPrinterInfo>
#include <QDir>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QStyle>
#include <QTimer>
#include <array>
#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "core/gear_record.h"
#include "test_support.h"
#include "ui/plot.h"
#include "ui/widgets.h"
#include "ui/window_test.h"

namespace spurgear {
namespace {

class UserWindowTest : public WindowTest {
 protected:
  void Calculate(const char* module, const char* z1, const char* z2) {
    Type("Edit1", module);
    Type("Edit2", z1);
    Type("Edit3", z2);
    Click("BitBtn1");
    ASSERT_TRUE(box.errors.empty());
  }
  void PressEnter(const char* name) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(Edit(name), &press);
  }
};

// The room a line edit leaves for its text: its contents less the frame,
// the text margins, Qt's own 2 pixels each side and the cursor's 2.
int Room(QLineEdit* e) {
  int room = e->contentsRect().width() - e->textMargins().left() - e->textMargins().right();
  if (e->hasFrame()) room -= 2 * e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e);
  return room - 2 * 2 - 2;
}

TEST_F(UserWindowTest, ResultsOfUpToSevenCharactersFitWholeAndLongerOnesGetATip) {
  p->Show();
  const char* kResults[] = {"Edit6",  "Edit7",  "Edit8",  "Edit9",  "Edit10", "Edit11", "Edit12",
                            "Edit13", "Edit14", "Edit15", "Edit16", "Edit47", "Edit48", "Edit17"};
  struct Pair {
    const char* module;
    const char* z1;
    const char* z2;
  };
  for (const Pair& pair : {Pair{"1", "300", "300"}, Pair{"3", "40", "41"}}) {
    Calculate(pair.module, pair.z1, pair.z2);
    for (const char* n : kResults) {
      QLineEdit* e = Edit(n);
      ASSERT_LE(e->text().size(), 7) << n;
      EXPECT_LE(e->fontMetrics().horizontalAdvance(e->text()), Room(e))
          << n << " " << e->text().toStdString() << " m" << pair.module;
      EXPECT_TRUE(e->toolTip().isEmpty()) << n;
    }
  }
  // The widest seven characters a result can hold, and the font they need.
  const QFontInfo face(Edit("Edit8")->font());
  EXPECT_TRUE(face.family().startsWith("IPA")) << face.family().toStdString();
  EXPECT_EQ(face.pixelSize(), 15);
  for (const char* text : {"-15.000", "-12.500", "299.999", "125.999", "888.888"}) {
    for (const char* n : {"Edit6", "Edit13", "Edit47"}) {
      EXPECT_LE(Edit(n)->fontMetrics().horizontalAdvance(text), Room(Edit(n))) << n << text;
    }
  }

  Calculate("10", "300", "300");
  EXPECT_EQ(Text("Edit8").size(), 8u);
  EXPECT_EQ(Edit("Edit8")->toolTip(), Edit("Edit8")->text());
  EXPECT_EQ(Edit("Edit8")->cursorPosition(), 0);  // the start stays in view
  Calculate("1", "15", "25");
  EXPECT_TRUE(Edit("Edit8")->toolTip().isEmpty());
}

TEST_F(UserWindowTest, AFailedCalculationShowsNoAllClearAndKeepsTheFields) {
  const std::vector<std::string> before = Results();
  Type("Edit1", "-1");
  Click("BitBtn1");
  auto* list = p->Find<QListWidget>("ListBox1");
  ASSERT_EQ(list->count(), 1);
  EXPECT_TRUE(list->item(0)->text().startsWith(QStringLiteral("error：")));
  EXPECT_EQ(list->palette().color(QPalette::Text), QColor(Qt::red));
  EXPECT_EQ(Results(), before);
}

TEST_F(UserWindowTest, AFileNamedOnTheCommandLineIsCalculatedOnceItIsShown) {
  // Module 2 with no correction: the file's correction prints as the shown
  // one, so reading it alone would not recalculate.
  TempDir dir;
  HistoryTable table{};
  InitHistoryTable(table);
  table[0].Module = 2.0;
  const std::string path = dir.Path("pair.hgd");
  WriteGearFile(table, path);

  ui::Program typed(&box, &dialogs);
  typed.Find<QLineEdit>("Edit1")->setText("2");
  typed.Find<QAbstractButton>("BitBtn1")->click();

  p->Show();
  const int before = p->commands().calculationCount;
  p->OpenFile(path);
  ASSERT_TRUE(box.errors.empty()) << box.errors[0];
  EXPECT_EQ(p->commands().calculationCount, before + 1);
  EXPECT_EQ(Text("Edit8"), "34.000");
  EXPECT_TRUE(p->commands().ResultsBelong());
  EXPECT_EQ(p->Find<ui::ImageView>("Image1")->Image(), typed.Find<ui::ImageView>("Image1")->Image());
  EXPECT_EQ(p->Find<ui::ImageView>("Image7")->Image(), typed.Find<ui::ImageView>("Image7")->Image());
  EXPECT_TRUE(box.errors.empty());
}

TEST_F(UserWindowTest, WithoutAPrinterThePrintedPageCanBeSavedAsAnA4Pdf) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a default printer exists";
  TempDir dir;
  p->Show();
  box.yes = true;
  dialogs.answers = {dir.Path("page.pdf")};
  p->Find<QAction>("Print1")->trigger();
  EXPECT_EQ(box.errors, std::vector<std::string>{"デフォルト プリンタが存在しません."});
  EXPECT_EQ(dialogs.asked, std::vector<std::string>{"SavePdfDialog"});
  const std::vector<uint8_t> pdf = ReadAll(dir.Path("page.pdf"));
  const std::string text(pdf.begin(), pdf.end());
  EXPECT_EQ(text.rfind("%PDF-", 0), 0u);
  EXPECT_NE(text.find("/MediaBox [0 0 595"), std::string::npos);  // A4 in points
  EXPECT_NE(text.find("/Subtype /Image"), std::string::npos);
}

TEST_F(UserWindowTest, TheWindowHasItsIconAndNamesItsDesktopFile) {
  EXPECT_FALSE(p->form1->windowIcon().pixmap(32, 32).isNull());
  EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("spurgear"));
  // Qt's own texts in Japanese, the prompt before a file is replaced too.
  const char* replace = "%1 already exists.\nDo you want to replace it?";
  EXPECT_NE(QCoreApplication::translate("QFileDialog", replace), QString::fromUtf8(replace));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
}

TEST_F(UserWindowTest, EnterCalculatesInTheInputsAndTurnsGear2InEdit19) {
  const int before = p->commands().calculationCount;
  Type("Edit2", "20");
  PressEnter("Edit2");
  EXPECT_EQ(p->commands().calculationCount, before + 1);
  EXPECT_EQ(Text("Edit6"), "20.000");
  Type("Edit1", "2");
  PressEnter("Edit1");
  EXPECT_EQ(Text("Edit6"), "40.000");

  Type("Edit19", "0.01");
  PressEnter("Edit19");
  EXPECT_EQ(Text("Edit19"), "0.0100");
  EXPECT_EQ(p->commands().gear2Rotation, 0.01);
  Type("Edit19", "x");
  PressEnter("Edit19");
  EXPECT_EQ(box.errors, std::vector<std::string>{"'x' は浮動小数点数ではありません."});
  EXPECT_EQ(p->commands().gear2Rotation, 0.01);
}

// Answers the file dialog once it has been up for `shownMs`, however long a
// loaded machine takes to show it: the poll belongs to `owner` and ends with
// the answer.
void WhenFileDialog(QObject* owner, std::function<void(QFileDialog*)> answer, int shownMs = 0) {
  auto* poll = new QTimer(owner);
  auto seen = std::make_shared<QElapsedTimer>();
  QObject::connect(poll, &QTimer::timeout, poll, [poll, answer, seen, shownMs] {
    auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!d) return;
    if (!seen->isValid()) seen->start();
    if (seen->elapsed() < shownMs) return;
    poll->stop();
    poll->deleteLater();
    answer(d);
  });
  poll->start(20);
}

// Opens a Qt file dialog on a folder holding a FIFO and closes it after a
// moment. Opening the FIFO to learn its type or icon would block until a
// writer comes: a watchdog then plays the writer so that the test ends.
TEST(FileDialogs, AFolderWithAFifoDoesNotBlockTheDialog) {
  TempDir dir;
  const std::string fifo = dir.Path("pipe.hgd");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  { std::ofstream(dir.Path("a.hgd")) << "x"; }
  // Two files without a suffix: one reads as PDF, one as plain text.
  { std::ofstream(dir.Path("page")) << "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n"; }
  { std::ofstream(dir.Path("note")) << "plain words\n"; }
  std::atomic<bool> done{false}, rescued{false};
  std::thread watchdog([&] {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      if (std::chrono::steady_clock::now() < deadline) continue;
      const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) {
        rescued = true;
        ::close(fd);
      }
    }
  });

  QWidget parent;
  ui::QtDialogs dialogs(&parent);
  const QString saved = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(dir.path));
  QString pageType, noteType;
  WhenFileDialog(&parent, [&](QFileDialog* d) {
    // Files are typed by their names: the contents are never read.
    if (d->iconProvider()) {
      pageType = d->iconProvider()->type(QFileInfo(QString::fromStdString(dir.Path("page"))));
      noteType = d->iconProvider()->type(QFileInfo(QString::fromStdString(dir.Path("note"))));
    }
    d->reject();
  }, 300);  // time to list the folder, FIFO included
  EXPECT_EQ(dialogs.Save("SaveDialog1"), std::nullopt);
  QDir::setCurrent(saved);
  done = true;
  watchdog.join();
  EXPECT_FALSE(rescued) << "the dialog read the FIFO";
  EXPECT_FALSE(pageType.isEmpty());
  EXPECT_EQ(pageType, noteType);
}

// A dialog whose file could not be written starts its next run from the
// name before, not from the folder where the write failed.
TEST(FileDialogs, AFailedWriteIsNotWhereTheNextDialogStarts) {
  TempDir dir;
  QWidget parent;
  ui::QtDialogs dialogs(&parent);
  const QString chosen = QString::fromStdString(dir.Path("pair.hgd"));
  WhenFileDialog(&parent, [&](QFileDialog* d) {
    d->findChild<QLineEdit*>("fileNameEdit")->setText(chosen);
    static_cast<QDialog*>(d)->accept();
  });
  ASSERT_EQ(dialogs.Save("SaveDialog2"), chosen.toStdString());
  EXPECT_EQ(dialogs.FileName("SaveDialog2"), chosen);
  dialogs.WriteFailed("SaveDialog2");
  EXPECT_EQ(dialogs.FileName("SaveDialog2"), QStringLiteral("gay1.dxf"));
  EXPECT_EQ(dialogs.FileName("SavePdfDialog"), QStringLiteral("spurgear.pdf"));
}

// On a picture of device pixel ratio 2 the outlines land on the same
// logical pixels as at ratio 1, drawn with twice the pixels each way.
TEST(PlotDrawing, ARatioOfTwoKeepsTheLogicalPositions) {
  const std::array<Point2D, 4> square{{{-30, -20}, {30, -20}, {30, 20}, {-30, 20}}};
  QImage one(200, 100, QImage::Format_RGB32);
  QImage two(400, 200, QImage::Format_RGB32);
  two.setDevicePixelRatio(2);
  for (QImage* image : {&one, &two}) {
    ui::DrawOutlines(*image, 1, 3, -1, ViewWindow{0, 0, 100, 50}, square, {}, 0);
  }
  auto dark = [](const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; };
  int darkOne = 0, darkTwo = 0, missed = 0;
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 200; ++x) {
      darkOne += dark(one, x, y);
      missed += dark(one, x, y) && !dark(two, 2 * x, 2 * y);
    }
  }
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 400; ++x) darkTwo += dark(two, x, y);
  }
  EXPECT_GT(darkOne, 300);
  EXPECT_EQ(missed, 0);
  EXPECT_NEAR(darkTwo, 4 * darkOne, darkOne / 10);  // twice as long, twice as wide
  EXPECT_TRUE(dark(one, 40, 10));  // the corner (-30, -20)
  EXPECT_TRUE(dark(two, 80, 20));
}

}  // namespace
}  // namespace spurgear

namespace spurgear {
namespace {

// A file's name is shown as the text it is, not as markup: the real error
// box, and every label of every window.
TEST(RichTextNames, AFileNameWithMarkupIsShownAsPlainText) {
  TempDir dir;
  const std::string name = "<font color=red size=7>警告 ウイルス検出.hgd";
  const std::string path = dir.Path(name);  // not there: the box names it
  ui::Program p;  // the real message box
  p.Show();
  QString shown;
  Qt::TextFormat format = Qt::AutoText;
  QSize size;
  // The box opens inside OpenFile's own event loop, some turns later under
  // load: look for it until it is there, for as long as a slow machine needs.
  QTimer poll;
  QElapsedTimer waited;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!b) {
      if (waited.elapsed() > 60000) poll.stop();
      return;
    }
    poll.stop();
    shown = b->text();
    if (auto* l = b->findChild<QLabel*>("qt_msgbox_label")) {
      format = l->textFormat();
      size = l->sizeHint();
    }
    b->accept();
  });
  waited.start();
  poll.start(20);
  p.OpenFile(path);
  poll.stop();
  EXPECT_TRUE(shown.contains(QString::fromStdString(name))) << shown.toStdString();
  EXPECT_EQ(format, Qt::PlainText);
  EXPECT_LT(size.height(), 80);  // one line of ordinary text, not size 7
  for (QWidget* w : QApplication::allWidgets()) {
    if (auto* l = qobject_cast<QLabel*>(w); l && !l->objectName().startsWith("qt_")) {
      EXPECT_EQ(l->textFormat(), Qt::PlainText) << l->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace spurgear
