// The solid module's entry point (see output/gear_solid_module.h).
#include <cstring>
#include <exception>
#include <type_traits>

#include "core/version.h"
#include "output/gear_solid_module.h"

extern "C" __attribute__((visibility("default"))) bool spurgear_solid_step(
    const char* version, std::size_t solidSize, const spurgear::SolidGear* gear1,
    const spurgear::SolidGear* gear2, double centreDistance, const char* what, std::string* bytes,
    std::string* error) {
  using namespace spurgear;
  if (std::strcmp(version, kVersion) != 0 || solidSize != sizeof(SolidGear)) {
    *error = std::string("部品 ") + kSolidModuleFile + " がこのプログラムの版のものではありません";
    return false;
  }
  try {
    *bytes = gear2 == nullptr ? GearStepBytes(*gear1, what)
                              : MeshedPairStepBytes(*gear1, *gear2, centreDistance, what);
    return true;
  } catch (const std::exception& e) {
    *error = e.what();
    return false;
  }
}

static_assert(std::is_same_v<decltype(&spurgear_solid_step), spurgear::SolidModuleEntry>);
