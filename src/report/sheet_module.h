#pragma once
// The sheet writer as a module of its own, libspurgear_sheet.so, so that
// the window loads Cairo and Pango only when it first writes a sheet or a
// drawing: the module's one C entry point. The window links the loader
// (sheet_module.cpp), which gives RenderSheetPdf and RenderMeshSvg through
// the module; the CLI, the tests and the benchmarks link the writer itself.
#include <cstddef>
#include <string>

#include "report/sheet.h"

namespace spurgear {

inline constexpr const char* kSheetModuleFile = "libspurgear_sheet.so";
inline constexpr const char* kSheetModuleEntry = "spurgear_render_sheet";

enum class SheetFormat : int { Pdf = 0, Svg = 1 };

// Renders `data` as `format` into `bytes` and returns true; on a failure
// returns false with the message in `error`, so that no exception leaves the
// module. `version` and `dataSize` are the caller's kVersion and
// sizeof(SheetData): a module of another build refuses.
using SheetModuleEntry = bool (*)(const char* version, std::size_t dataSize, const SheetData* data,
                                  int format, std::string* bytes, std::string* error);

}  // namespace spurgear
