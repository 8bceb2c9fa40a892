// The one main() of the GUI tests: a QApplication on the offscreen platform
// with one 1920 × 1080 screen (unless another platform was asked for) and a
// fresh settings folder, then every test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "ui/placement.h"

namespace {

// Every test opens the tool windows where a first session would: the places
// an earlier test left them at are forgotten.
class ForgetWindowPlaces : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override {
    QSettings s("spurgear", "spurgear");
    s.remove(spurgear::ui::kWindowPlacesGroup);
  }
};

}  // namespace

int main(int argc, char** argv) {
  // A 1920 × 1080 screen: the main window's first place lies wholly on it.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM",
            "offscreen:configfile=" SPURGEAR_TEST_DIR "/ui/screens/1920x1080.json");
  }
  // Windows that remember their inputs between sessions keep them in a
  // folder of the tests' own, empty at the start of every run.
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new ForgetWindowPlaces);
  return RUN_ALL_TESTS();
}
