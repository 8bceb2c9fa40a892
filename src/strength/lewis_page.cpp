// Placeholder until the strength page lands.
#include <QComboBox>
#include <QWidget>

#include "ui/pages.h"
#include "ui/widgets.h"

namespace spurgear::ui {

void BuildStrengthPage(QWidget* tabSheet3) {
  auto* cb = new QComboBox(tabSheet3);
  cb->setObjectName("CB1");
  cb->addItem("SC");
}

}  // namespace spurgear::ui
