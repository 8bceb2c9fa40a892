// Placeholder until the backlash page lands.
#include <QWidget>

#include "ui/pages.h"
#include "ui/widgets.h"

namespace spurgear::ui {

void BuildBacklashPage(QWidget* tabSheet2) {
  MakeEdit(tabSheet2, "Edit19", 16, 200, 73, 21, "0.0000");
  MakeEdit(tabSheet2, "Edit18", 48, 104, 73, 21, "0.0");
  MakeEdit(tabSheet2, "Edit21", 48, 72, 73, 21, "0.0");
  new ImageView(tabSheet2, "Image7", 130, 16, 537, 481);
}

}  // namespace spurgear::ui
