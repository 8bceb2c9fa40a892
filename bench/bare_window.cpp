// The yardstick of the start-up benchmark: a bare Qt window of the main
// window's size, started and probed as the program is. With --label it also
// shows one Japanese label in a face like the main window's (IPA P Gothic,
// 15 px, unhinted, neither merged nor shaped), so that the fixed cost of
// text (fontconfig's configuration, one font engine, its first glyphs) can
// be told from the cost of the program's own controls. The face is written
// out here, not taken from the program's widgets library: a bare Qt program
// must not link it.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <string_view>

#include "app/startup_probe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.resize(907, 620);
  if (argc > 1 && std::string_view(argv[1]) == "--label") {
    QFont face(QStringLiteral("IPAPGothic"));
    face.setPixelSize(15);
    face.setHintingPreference(QFont::PreferNoHinting);
    face.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferNoShaping));
    auto* label = new QLabel(QStringLiteral("モジュール　歯数　転位係数"), &window);
    label->setFont(face);
    label->move(8, 40);
    label->adjustSize();
  }
  spurgear::StartupProbe::WatchIfAsked(window);
  window.show();
  return app.exec();
}
