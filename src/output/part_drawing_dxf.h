#pragma once
// The part drawing of one gear as a DXF a CAD program takes whole: release
// 2007 text (UTF-8, so the Japanese table reads as written), millimetre
// units, layers named for what they hold, the outline as one closed
// polyline with its tip arcs as bulges, and the gear data table beside it.
#include <string>

#include "core/data_table.h"
#include "core/language.h"
#include "output/fine_outline.h"

namespace spurgear {

struct PartDrawing {
  FineOutline outline;
  double referenceDia = 0;  // z·m, the thin chain circle
  double rootDia = 0;
  DataTable table;          // made in Japanese
  Language language = Language::Japanese;  // the table is written in it
};

// The whole file at 1:1, CR LF line ends.
std::string RenderPartDrawingDxf(const PartDrawing& drawing);

// Layer names, for the readers of the file.
inline constexpr const char* kLayerOutline = "GEAR_OUTLINE";
inline constexpr const char* kLayerTip = "TIP_CIRCLE";
inline constexpr const char* kLayerReference = "REFERENCE_CIRCLE";
inline constexpr const char* kLayerRoot = "ROOT_CIRCLE";
inline constexpr const char* kLayerCentre = "CENTER_LINES";
inline constexpr const char* kLayerTableLines = "DATA_TABLE_LINES";
inline constexpr const char* kLayerTableText = "DATA_TABLE_TEXT";

}  // namespace spurgear
