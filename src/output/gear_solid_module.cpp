// The solids' STEP files written through the solid module, loaded the
// first time one is asked for.
#include "output/gear_solid_module.h"

#include "core/errors.h"
#include "core/module_file.h"
#include "core/version.h"

namespace spurgear {
namespace {

std::string Step(const SolidGear& gear1, const SolidGear* gear2, double centreDistance,
                 std::string_view what) {
  const std::string named(what);
  const auto entry = reinterpret_cast<SolidModuleEntry>(
      ModuleFunction(kSolidModuleFile, kSolidModuleEntry, named + "を出力"));
  std::string bytes, error;
  if (!entry(kVersion, sizeof(SolidGear), &gear1, gear2, centreDistance, named.c_str(), &bytes,
             &error)) {
    throw CommandError(error);
  }
  return bytes;
}

}  // namespace

std::string GearStepBytes(const SolidGear& gear, std::string_view what) {
  return Step(gear, nullptr, 0, what);
}

std::string MeshedPairStepBytes(const SolidGear& gear1, const SolidGear& gear2,
                                double centreDistance, std::string_view what) {
  return Step(gear1, &gear2, centreDistance, what);
}

}  // namespace spurgear
