#pragma once
// The cutting template of one gear as SVG: the fine outline with true tip
// arcs in a hairline, a small centre mark and nothing else, at true size
// in millimetres.
#include <string>
#include <string_view>

#include "output/fine_outline.h"

namespace spurgear {

inline constexpr double kTemplateStroke = 0.1;  // mm

// y up as in the DXF (the SVG's y is turned over), the viewBox the tip
// circle plus the stroke. `title` names the gear in the file's title.
std::string RenderTemplateSvg(const FineOutline& outline, std::string_view title);

}  // namespace spurgear
