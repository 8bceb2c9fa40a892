// The sheet writer module's entry point (see report/sheet_module.h).
#include <cstring>
#include <exception>
#include <type_traits>

#include "core/version.h"
#include "report/sheet_module.h"

extern "C" __attribute__((visibility("default"))) bool spurgear_render_sheet(
    const char* version, std::size_t dataSize, const spurgear::SheetData* data, int format,
    std::string* bytes, std::string* error) {
  using namespace spurgear;
  if (std::strcmp(version, kVersion) != 0 || dataSize != sizeof(SheetData)) {
    *error = std::string("部品 ") + kSheetModuleFile + " がこのプログラムの版のものではありません";
    return false;
  }
  try {
    *bytes = format == static_cast<int>(SheetFormat::Pdf) ? RenderSheetPdf(*data)
                                                         : RenderMeshSvg(*data);
    return true;
  } catch (const std::exception& e) {
    *error = e.what();
    return false;
  }
}

static_assert(std::is_same_v<decltype(&spurgear_render_sheet), spurgear::SheetModuleEntry>);
