// Remembered inputs: taken as typed texts at load, written key by key.
#include "ui/remembered_inputs.h"

#include <utility>

#include "core/errors.h"

namespace spurgear::ui {

RememberedInputs::RememberedInputs(QString group, std::vector<RememberedKey> keys)
    : group_(std::move(group)), keys_(std::move(keys)) {}

void RememberedInputs::Load(QSettings& s) const {
  s.beginGroup(group_);
  for (const RememberedKey& k : keys_) {
    if (!s.contains(k.name)) continue;
    const QVariant v = s.value(k.name);
    // A list or a byte array planted in the file is no text the window
    // could have written.
    if (!v.canConvert<QString>() || v.typeId() == QMetaType::QStringList ||
        v.typeId() == QMetaType::QByteArray) {
      continue;
    }
    try {
      k.take(v.toString());
    } catch (const CommandError&) {
      // The default, or what an earlier key left, stays.
    }
  }
  s.endGroup();
}

std::vector<QVariant> RememberedInputs::Values() const {
  std::vector<QVariant> values;
  values.reserve(keys_.size());
  for (const RememberedKey& k : keys_) values.push_back(k.value());
  return values;
}

void RememberedInputs::Save(QSettings& s, const std::vector<QVariant>& before) const {
  s.beginGroup(group_);
  for (std::size_t i = 0; i < keys_.size(); ++i) {
    const QVariant now = keys_[i].value();
    if (i < before.size() && now == before[i]) continue;
    if (now.isNull()) {
      s.remove(keys_[i].name);
    } else {
      s.setValue(keys_[i].name, now);
    }
  }
  s.endGroup();
  // Another program's save in between is merged by the settings object,
  // key by key.
  s.sync();
}

}  // namespace spurgear::ui
