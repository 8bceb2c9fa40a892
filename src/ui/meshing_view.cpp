// The meshing page: the group box with the five stacked frames and the busy
// notice above them.
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QWidget>

#include "commands/control_names.h"
#include "ui/pages.h"
#include "ui/widgets.h"

namespace spurgear::ui {

void BuildMeshingPage(QWidget* tabSheet1) {
  auto* box = new QGroupBox(QStringLiteral("歯形表示"), tabSheet1);
  box->setObjectName("GroupBox1");
  // The frames stand at (8, 16) inside the box, 657 × 489: the box takes the
  // page's width and just enough height below them.
  box->setGeometry(0, 0, 673, 509);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Window, Qt::white);
  box->setPalette(palette);
  box->setAutoFillBackground(true);

  // Created from the bottom of the stack to its top: when several frames
  // are visible, Image1 covers the others.
  for (const char* name : {kMeshFrame3, kMeshFrame4, kMeshFrame5, kMeshFrame2, kMeshFrame1}) {
    new ImageView(box, name, 8, 16, 657, 489);
  }

  auto* busy = new QLabel(box);
  busy->setObjectName(kBusyLabel);
  busy->setTextFormat(Qt::PlainText);
  QFont font = busy->font();
  font.setPixelSize(24);
  font.setBold(true);
  font.setItalic(true);
  busy->setFont(font);
  busy->setGeometry(24, 32, 240, 36);
  busy->hide();
  busy->raise();
}

}  // namespace spurgear::ui
