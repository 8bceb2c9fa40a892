// Placeholder until the meshing page lands.
#include <QWidget>

#include "ui/pages.h"
#include "ui/widgets.h"

namespace spurgear::ui {

void BuildMeshingPage(QWidget* tabSheet1) {
  auto* box = new QGroupBox(QStringLiteral("歯形表示"), tabSheet1);
  box->setObjectName("GroupBox1");
  box->setGeometry(0, 0, 673, 509);
  for (const char* name : {"Image3", "Image4", "Image5", "Image2", "Image1"}) {
    new ImageView(box, name, 8, 16, 657, 489);
  }
  auto* busy = new QLabel(box);
  busy->setObjectName("Label15");
  busy->hide();
}

}  // namespace spurgear::ui
