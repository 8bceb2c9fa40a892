#pragma once
// The solids' STEP writer as a module of its own, libspurgear_solid.so, so
// that the window loads the geometry kernel only when it first writes a
// solid: the module's one C entry point. The window links the loader
// (gear_solid_module.cpp), which gives GearStepBytes and MeshedPairStepBytes
// through the module; the CLI, the tests and the benchmarks link the writer.
#include <cstddef>
#include <string>

#include "output/gear_solid.h"

namespace spurgear {

inline constexpr const char* kSolidModuleFile = "libspurgear_solid.so";
inline constexpr const char* kSolidModuleEntry = "spurgear_solid_step";

// GearStepBytes(*gear1, what) when gear2 is null, MeshedPairStepBytes(*gear1,
// *gear2, centreDistance, what) otherwise, into `bytes`, returning true; on
// a refusal returns false with its message in `error`, so that no exception
// leaves the module. `version` and `solidSize` are the caller's kVersion and
// sizeof(SolidGear): a module of another build refuses.
using SolidModuleEntry = bool (*)(const char* version, std::size_t solidSize,
                                  const SolidGear* gear1, const SolidGear* gear2,
                                  double centreDistance, const char* what, std::string* bytes,
                                  std::string* error);

}  // namespace spurgear
