// The main window's menu bar: its menus and items by name, as the commands
// and the tests find them.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <initializer_list>
#include <string_view>

#include "ui/main_window.h"

namespace spurgear::ui {

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
        {"MeshSvg1", QStringLiteral("かみ合い図 (SVG)…")},
        {"PartDxf1", QStringLiteral("ギア１部品図 (DXF)…")},
        {"PartDxf2", QStringLiteral("ギア２部品図 (DXF)…")},
        {"SolidStep1", QStringLiteral("ギア１ 3D (STEP)…")},
        {"SolidStep2", QStringLiteral("ギア２ 3D (STEP)…")},
        {"SolidStepPair", QStringLiteral("かみ合い 3D (STEP)…")}}},
      {"Tool1",
       QStringLiteral("ＴＯＯＬ"),
       {{"N8", QStringLiteral("歯厚・測定寸法")},
        {"N9", QStringLiteral("公差・バックラッシ")},
        {"N10", QStringLiteral("すべり率")},
        {"N11", QStringLiteral("強度計算 (ISO 6336)")},
        {"N12", QStringLiteral("寸法決め")}}},
      {"Help1", QStringLiteral("ＨＥＬＰ"), {{"Help2", QStringLiteral("ヘルプ")}}},
  };
  for (const Menu& m : kMenus) {
    QMenu* menu = bar->addMenu(m.caption);
    menu->setObjectName(m.name);
    for (const Item& i : m.items) {
      QAction* a = menu->addAction(i.caption);
      a->setObjectName(i.name);
    }
    // The cutting template is of one gear: the item opens the choice.
    if (std::string_view(m.name) == "DXF1") {
      QMenu* sub = menu->addMenu(QStringLiteral("歯形テンプレート (SVG)…"));
      sub->setObjectName("ToothTemplate");
      sub->addAction(QStringLiteral("ギア１…"))->setObjectName("ToothTemplate1");
      sub->addAction(QStringLiteral("ギア２…"))->setObjectName("ToothTemplate2");
    }
  }
}

}  // namespace spurgear::ui
