// The two menu items of the sheet and the drawing, through the real window:
// where they stand, what they write, their refusal, and the Qt dialogs'
// filters and preset names.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <tuple>

#include "test_support.h"
#include "ui/window_test.h"

namespace spurgear {
namespace {

class ReportMenuTest : public WindowTest {
 protected:
  void Menu(const char* name) { p->Find<QAction>(name)->trigger(); }
  QStringList Items(const char* menu) {
    QStringList items;
    for (QAction* a : p->Find<QMenu>(menu)->actions()) items << a->objectName() + ":" + a->text();
    return items;
  }
};

TEST_F(ReportMenuTest, ItemsStandAfterPrintAndAfterTheGears) {
  const QStringList file = Items("File1");
  ASSERT_EQ(file.indexOf(QStringLiteral("Print1:印刷")) + 1,
            file.indexOf(QStringLiteral("SheetPdf1:計算書 (PDF)…")));
  EXPECT_EQ(Items("DXF1"),
            (QStringList{QStringLiteral("N6:ギア１出力"), QStringLiteral("N7:ギア２出力"),
                         QStringLiteral("MeshSvg1:かみ合い図 (SVG)…"),
                         QStringLiteral("PartDxf1:ギア１部品図 (DXF)…"),
                         QStringLiteral("PartDxf2:ギア２部品図 (DXF)…"),
                         QStringLiteral("SolidStep1:ギア１ 3D (STEP)…"),
                         QStringLiteral("SolidStep2:ギア２ 3D (STEP)…"),
                         QStringLiteral("SolidStepPair:かみ合い 3D (STEP)…"),
                         QStringLiteral(":歯形テンプレート (SVG)…")}));
  EXPECT_EQ(Items("ToothTemplate"),
            (QStringList{QStringLiteral("ToothTemplate1:ギア１…"),
                         QStringLiteral("ToothTemplate2:ギア２…")}));
}

// Each 3D item asks its own dialog and writes a STEP file there.
TEST_F(ReportMenuTest, SolidItemsWriteStepFiles) {
  TempDir dir;
  dialogs.answers = {dir.Path("1.step"), dir.Path("2.step"), dir.Path("pair.step")};
  Menu("SolidStep1");
  Menu("SolidStep2");
  Menu("SolidStepPair");
  EXPECT_TRUE(box.errors.empty());
  EXPECT_EQ(dialogs.asked,
            (std::vector<std::string>{"SaveDialog10", "SaveDialog11", "SaveDialog12"}));
  for (const char* name : {"1.step", "2.step", "pair.step"}) {
    const std::vector<uint8_t> step = ReadAll(dir.Path(name));
    ASSERT_GT(step.size(), 13u) << name;
    EXPECT_EQ(std::string(step.begin(), step.begin() + 13), "ISO-10303-21;") << name;
  }
}

TEST_F(ReportMenuTest, WritesAndRefuses) {
  TempDir dir;
  dialogs.answers = {dir.Path("a.pdf"), dir.Path("a.svg")};
  Menu("SheetPdf1");
  Menu("MeshSvg1");
  EXPECT_TRUE(box.errors.empty());
  EXPECT_EQ(dialogs.asked, (std::vector<std::string>{"SaveDialog4", "SaveDialog5"}));
  std::vector<uint8_t> pdf = ReadAll(dir.Path("a.pdf"));
  ASSERT_GT(pdf.size(), 5u);
  EXPECT_EQ(std::string(pdf.begin(), pdf.begin() + 5), "%PDF-");
  EXPECT_GT(ReadAll(dir.Path("a.svg")).size(), 100u);

  // New counts refused by the check: the results are no longer theirs.
  Edit("Edit3")->setText("400");
  p->Find<QAbstractButton>("BitBtn1")->click();
  dialogs.answers = {dir.Path("b.pdf")};
  Menu("SheetPdf1");
  ASSERT_EQ(box.errors.size(), 1u);
  EXPECT_EQ(box.errors[0].rfind("計算結果が現在の入力のものではないため、計算書を", 0), 0u)
      << box.errors[0];
  EXPECT_EQ(dialogs.asked.size(), 2u);
  EXPECT_TRUE(ReadAll(dir.Path("b.pdf")).empty());
}

TEST_F(ReportMenuTest, QtDialogsCarryFilterAndPreset) {
  // The program as started for a user, with its own file dialogs.
  p.reset();
  p = std::make_unique<ui::Program>(&box);
  for (const auto& [item, filter, preset] :
       {std::tuple{"SheetPdf1", "PDF ファイル (*.pdf)", "/keisansho.pdf"},
        std::tuple{"MeshSvg1", "SVG ファイル (*.svg)", "/kamiai.svg"},
        std::tuple{"PartDxf2", "DXF ファイル (*.dxf)", "/buhinzu2.dxf"},
        std::tuple{"ToothTemplate1", "SVG ファイル (*.svg)", "/template1.svg"}}) {
    QString shownFilter, shownPreset;
    // Read the dialog once it is up, then cancel it.
    auto* poll = new QTimer(p->form1.get());
    QObject::connect(poll, &QTimer::timeout, poll, [&, poll] {
      if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
        shownFilter = d->nameFilters().value(0);
        shownPreset = d->selectedFiles().value(0);
        d->reject();
        poll->deleteLater();
      }
    });
    poll->start(10);
    Menu(item);
    EXPECT_EQ(shownFilter, QString::fromUtf8(filter));
    EXPECT_TRUE(shownPreset.endsWith(QString::fromUtf8(preset))) << shownPreset.toStdString();
  }
  EXPECT_TRUE(box.errors.empty());
}

}  // namespace
}  // namespace spurgear
