// The sheet and the drawing rendered through the sheet writer module,
// loaded the first time either is asked for.
#include "report/sheet_module.h"

#include "core/errors.h"
#include "core/module_file.h"
#include "core/version.h"

namespace spurgear {
namespace {

std::string Render(const SheetData& data, SheetFormat format, const char* what) {
  const auto entry = reinterpret_cast<SheetModuleEntry>(
      ModuleFunction(kSheetModuleFile, kSheetModuleEntry, what));
  std::string bytes, error;
  if (!entry(kVersion, sizeof(SheetData), &data, static_cast<int>(format), &bytes, &error)) {
    throw CommandError(error);
  }
  return bytes;
}

}  // namespace

std::string RenderSheetPdf(const SheetData& data) {
  return Render(data, SheetFormat::Pdf, "計算書を出力");
}

std::string RenderMeshSvg(const SheetData& data) {
  return Render(data, SheetFormat::Svg, "かみ合い図を出力");
}

}  // namespace spurgear
