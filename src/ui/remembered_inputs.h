#pragma once
// Inputs a window keeps between sessions, in one group of the settings
// file. A stored value goes through the conversion a typed text goes
// through, so that one the window would refuse is dropped at load and the
// default stays; a save writes only the keys whose values the window
// changed, so that two running programs do not erase each other's inputs.
//   RememberedInputs memory("tolerance", {{"material1", take, value}, ...});
//   memory.Load(settings);
//   const auto before = memory.Values();  ... the edit ...
//   memory.Save(settings, before);
#include <QSettings>
#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

namespace spurgear::ui {

struct RememberedKey {
  QString name;
  // Takes a stored text into the inputs as typing it would; throws
  // CommandError where typing it would be refused.
  std::function<void(const QString&)> take;
  // The value in force; a null QVariant for none (the key is removed).
  std::function<QVariant()> value;
};

class RememberedInputs {
 public:
  RememberedInputs(QString group, std::vector<RememberedKey> keys);

  // Every stored key through its take; a refused one, or one that is no
  // text, is dropped silently and the value before it stays.
  void Load(QSettings& settings) const;
  // The values in force, in the order of the keys: what Save compares with.
  std::vector<QVariant> Values() const;
  // Writes the keys whose value differs from `before` and writes the file
  // at once; every other key stays as the file holds it.
  void Save(QSettings& settings, const std::vector<QVariant>& before) const;

 private:
  QString group_;
  std::vector<RememberedKey> keys_;
};

}  // namespace spurgear::ui
