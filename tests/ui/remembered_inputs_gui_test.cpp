// The inputs the tolerance window remembers between sessions: a stored
// value the window would refuse is dropped, two running programs keep each
// other's inputs, and no settings file, however made, breaks an output.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "commands/drawing_commands.h"
#include "core/free_text.h"
#include "test_support.h"
#include "ui/qt_ports.h"
#include "ui/tolerance_window.h"
#include "ui/window_test.h"

namespace spurgear {
namespace {

class RememberedInputsTest : public WindowTest {
 protected:
  void SetUp() override { QSettings("spurgear", "spurgear").remove("tolerance"); }
  void TearDown() override { QSettings("spurgear", "spurgear").remove("tolerance"); }

  static void Store(const std::vector<std::pair<QString, QVariant>>& values) {
    QSettings s("spurgear", "spurgear");
    s.beginGroup("tolerance");
    for (const auto& [key, value] : values) s.setValue(key, value);
  }
  static void Open(ui::Program& program) { program.Find<QAction>("N9")->trigger(); }
  static void Enter(QLineEdit* e, const QString& text) {
    e->setText(text);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, {});
    QApplication::sendEvent(e, &press);
  }
  // Both outputs that carry the inputs: the part drawing and the sheet.
  void ExpectTheOutputsGo(ui::Program& program) {
    Commands& c = program.commands();
    ASSERT_TRUE(c.Run([&] { c.BitBtn1Click(); }));
    TempDir dir;
    dialogs.answers = {dir.Path("g1.dxf"), dir.Path("sheet.pdf")};
    const std::size_t before = box.errors.size();
    EXPECT_TRUE(c.Run([&] { c.PartDxf1Click(); }));
    EXPECT_TRUE(c.Run([&] { c.SheetPdf1Click(); }));
    EXPECT_EQ(box.errors.size(), before) << box.errors.back();
  }
};

TEST_F(RememberedInputsTest, AStoredValueTheWindowWouldRefuseIsDroppedAtLoad) {
  Store({{"face_width1", "inf"},
         {"face_width2", "1e308"},
         {"thickness_upper1", "abc"},
         {"thickness_lower1", "-0.1"},
         {"thickness_upper2", "100"},  // thicker than the pitch of m 1
         {"thickness_lower2", "99"},
         {"accuracy_class1", "5"},
         {"accuracy_class2", "99"},
         {"material1", QString(kFreeTextLimit + 1, QChar(u'鋼'))},
         {"material2", "S45C\nJIS G 4051"},
         {"hardness1", QStringList{"HB", "200"}},
         {"center_upper", "-0.1"},
         {"center_lower", "0.1"}});
  p.reset();
  p = std::make_unique<ui::Program>(&box, &dialogs);
  const Commands& c = p->commands();
  const PairToleranceInput& in = c.settings.tolerance;
  EXPECT_EQ(in.gear1.face_width, 0);  // left open
  EXPECT_EQ(in.gear2.face_width, 0);
  EXPECT_EQ(in.gear1.thickness_upper, 0);
  EXPECT_EQ(in.gear1.thickness_lower, -0.1);
  EXPECT_EQ(in.gear2.thickness_upper, 0);
  EXPECT_EQ(in.gear2.thickness_lower, 0);
  EXPECT_EQ(in.gear1.accuracy_class, 5);
  EXPECT_EQ(in.gear2.accuracy_class, 7);
  EXPECT_EQ(in.gear1.material, "");
  EXPECT_EQ(in.gear2.material, "S45C JIS G 4051");
  EXPECT_EQ(in.gear1.hardness, "");
  EXPECT_EQ(in.center_upper, 0);
  EXPECT_EQ(in.center_lower, 0);
  EXPECT_TRUE(box.errors.empty());  // silently
  ExpectTheOutputsGo(*p);
}

TEST_F(RememberedInputsTest, TwoRunningProgramsKeepEachOthersInputs) {
  ui::Program other(&box, &dialogs);
  Open(*p);
  Open(other);
  // The two windows, found through their own programs.
  QLineEdit* mine = p->Find<QWidget>("FormTolerance")->findChild<QLineEdit*>("TolMaterial1");
  QLineEdit* theirs = other.Find<QWidget>("FormTolerance")->findChild<QLineEdit*>("TolHeatTreatment1");
  ASSERT_TRUE(mine && theirs);
  Enter(mine, "S45C");
  Enter(theirs, "高周波焼入れ");
  Enter(p->Find<QWidget>("FormTolerance")->findChild<QLineEdit*>("TolFaceWidth2"), "12");
  Enter(other.Find<QWidget>("FormTolerance")->findChild<QLineEdit*>("TolFinishing2"), "研削");
  ASSERT_TRUE(box.errors.empty()) << box.errors[0];

  ui::Program later(&box, &dialogs);
  const PairToleranceInput& in = later.commands().settings.tolerance;
  EXPECT_EQ(in.gear1.material, "S45C");
  EXPECT_EQ(in.gear1.heat_treatment, "高周波焼入れ");
  EXPECT_EQ(in.gear2.finishing, "研削");
  EXPECT_EQ(in.gear2.face_width, 12.0);
}

// Random bytes for a file, and every key with every hostile value: no
// crash, every input as the window could have taken it, and both outputs
// made whole.
TEST_F(RememberedInputsTest, NoSettingsFileBreaksAnOutput) {
  const QString file = QSettings("spurgear", "spurgear").fileName();
  ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
  // The other windows' settings come back after the test.
  QByteArray kept;
  if (QFile f(file); f.open(QIODevice::ReadOnly)) kept = f.readAll();
  struct Restore {
    QString file;
    QByteArray& bytes;
    ~Restore() {
      QFile f(file);
      if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
      f.close();
      QSettings("spurgear", "spurgear").sync();
    }
  } restore{file, kept};
  ASSERT_TRUE(p->commands().Run([&] { p->commands().BitBtn1Click(); }));
  const QStringList keys = {"thickness_upper1", "thickness_lower1", "accuracy_class1",
                            "face_width1",      "material1",        "heat_treatment1",
                            "hardness1",        "finishing1",       "thickness_upper2",
                            "thickness_lower2", "accuracy_class2",  "face_width2",
                            "material2",        "heat_treatment2",  "hardness2",
                            "finishing2",       "center_upper",     "center_lower"};
  const std::vector<QVariant> hostile = {
      "inf", "-inf", "nan", "1e308", "-1e308", "1e-320", "0", "-0", "", " ", "0x10", "7.5",
      "12", "-3", "1e5", "S45C\n  0\nEOF", "0\r\nSECTION", QString(300, QChar('x')),
      QString(kFreeTextLimit, QChar(u'鋼')), QString::fromUtf8("\xe2\x80\xa8\x01\x7f"),
      QStringList{"a", "b"}, QByteArray("\xff\xfe\x00", 3), 1e308, -0.05, 3};
  std::mt19937 random(33);
  for (int round = 0; round < 120; ++round) {
    SCOPED_TRACE(round);
    if (round % 2 == 0) {
      // Bytes, half of them under the window's own group heading.
      QByteArray bytes = round % 4 == 0 ? QByteArray("[tolerance]\n") : QByteArray();
      const int n = static_cast<int>(random() % 600);
      for (int i = 0; i < n; ++i) {
        const char pick = static_cast<char>(random() % 256);
        bytes += random() % 3 == 0 ? keys[static_cast<int>(random() % keys.size())].toLatin1() + "=" + pick
                                   : QByteArray(1, pick);
      }
      QFile f(file);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
      f.write(bytes);
      f.close();
    } else {
      QSettings s("spurgear", "spurgear");
      s.clear();
      s.beginGroup("tolerance");
      for (const QString& k : keys) s.setValue(k, hostile[random() % hostile.size()]);
    }
    QSettings("spurgear", "spurgear").sync();
    Commands& c = p->commands();
    ui::ToleranceWindow::LoadInto(c);
    const PairToleranceInput& in = c.settings.tolerance;
    for (const GearToleranceInput* g : {&in.gear1, &in.gear2}) {
      EXPECT_TRUE(std::isfinite(g->thickness_upper) && g->thickness_upper >= g->thickness_lower);
      EXPECT_TRUE(std::isfinite(g->thickness_lower));
      EXPECT_TRUE(g->accuracy_class >= 1 && g->accuracy_class <= 11);
      for (const std::string* t : {&g->material, &g->heat_treatment, &g->hardness, &g->finishing}) {
        EXPECT_EQ(OneLine(*t), *t);
        EXPECT_LE(CharacterCount(*t), kFreeTextLimit);
      }
    }
    for (const GearToleranceInput* g : {&in.gear1, &in.gear2}) {
      EXPECT_TRUE(g->face_width == 0 || (g->face_width > 0 && g->face_width <= kMaxFaceWidth));
    }
    EXPECT_TRUE(std::isfinite(in.center_upper) && in.center_upper >= in.center_lower);
    std::string dxf;
    ASSERT_TRUE(c.Run([&] { dxf = PartDrawingDxfBytes(c, 2); })) << box.errors.back();
    ASSERT_GE(dxf.size(), 10u);
    EXPECT_EQ(dxf.substr(dxf.size() - 10), "  0\r\nEOF\r\n");
    EXPECT_EQ(dxf.find("\r\nEOF\r\n"), dxf.size() - 7);
    if (round % 30 == 1) ExpectTheOutputsGo(*p);
  }
}

// The window's box keeps the message and shows the file's reason as its
// detailed text.
TEST(FileMessageBox, TheReasonIsTheDetailedText) {
  QWidget parent;
  ui::QtMessageBox box(&parent);
  QString text, detail;
  auto* poll = new QTimer(&parent);
  QObject::connect(poll, &QTimer::timeout, poll, [&, poll] {
    if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      text = b->text();
      detail = b->detailedText();
      poll->stop();
      b->accept();
    }
  });
  poll->start(20);
  box.ShowError("ファイル /a/b.pdf を作成できません.", "Read-only file system");
  EXPECT_EQ(text, QStringLiteral("ファイル /a/b.pdf を作成できません."));
  EXPECT_EQ(detail, QStringLiteral("Read-only file system"));
}

}  // namespace
}  // namespace spurgear
