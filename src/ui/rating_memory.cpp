// "強度計算 (ISO 6336)": keeping the window's inputs between sessions.
#include <QComboBox>
#include <QLineEdit>
#include <QSettings>
#include <exception>
#include <vector>

#include "core/gear_record.h"
#include "core/geometry.h"
#include "ui/rating_window.h"

namespace spurgear::ui {
namespace {

// The inputs kept: every field the user types into and the material
// choices, each under its objectName.
std::vector<QLineEdit*> Fields(const QWidget* window) {
  std::vector<QLineEdit*> out;
  for (QLineEdit* e : window->findChildren<QLineEdit*>()) {
    if (!e->isReadOnly() && !e->objectName().isEmpty()) out.push_back(e);
  }
  return out;
}

}  // namespace

void RatingWindow::Load() {
  QSettings s("spurgear", "spurgear");
  s.beginGroup("rating");
  std::vector<QString> defaults;
  const std::vector<QLineEdit*> fields = Fields(this);
  for (QLineEdit* e : fields) {
    defaults.push_back(e->text());
    if (s.contains(e->objectName())) e->setText(s.value(e->objectName()).toString());
  }
  std::vector<int> indexes;
  const QList<QComboBox*> boxes = findChildren<QComboBox*>();
  for (QComboBox* c : boxes) {
    indexes.push_back(c->currentIndex());
    const int i = s.value(c->objectName(), c->currentIndex()).toInt();
    if (i >= 0 && i < c->count()) c->setCurrentIndex(i);
  }
  // Values from elsewhere that the window would refuse are not taken: they
  // are tried on a sound pair, the default one.
  try {
    HistoryTable table{};
    InitHistoryTable(table);
    GearPairRecord sound = table[0];
    {
      FaultFlagsKept kept;
      ComputeGeometry(sound);
      rating::Rate(RatingInput(sound, ReadRequest()));
    }
  } catch (const std::exception&) {
    for (std::size_t i = 0; i < fields.size(); ++i) fields[i]->setText(defaults[i]);
    for (qsizetype i = 0; i < boxes.size(); ++i) boxes[i]->setCurrentIndex(indexes[static_cast<std::size_t>(i)]);
  }
}

void RatingWindow::Save() const {
  QSettings s("spurgear", "spurgear");
  s.beginGroup("rating");
  // Only what changed is written.
  for (QLineEdit* e : Fields(this)) {
    if (s.value(e->objectName()).toString() != e->text() || !s.contains(e->objectName())) {
      s.setValue(e->objectName(), e->text());
    }
  }
  for (QComboBox* c : findChildren<QComboBox*>()) {
    if (!s.contains(c->objectName()) || s.value(c->objectName()).toInt() != c->currentIndex()) {
      s.setValue(c->objectName(), c->currentIndex());
    }
  }
}

}  // namespace spurgear::ui
