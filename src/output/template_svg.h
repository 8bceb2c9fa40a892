#pragma once
// The cutting template of one gear as SVG at true size in millimetres: the
// outline with true tip and root arcs in a hairline, a small centre mark,
// and below the gear a line naming it and a 10 mm scale bar, so that a
// printed sheet can be told apart and its scale checked with a rule.
#include <string>
#include <string_view>

#include "core/language.h"
#include "output/fine_outline.h"

namespace spurgear {

inline constexpr double kTemplateStroke = 0.1;  // mm
inline constexpr double kTemplateScaleBar = 10;  // mm
inline constexpr double kTemplateTextHeight = 3.5;  // mm

// y up as in the DXF (the SVG's y is turned over), the gear's centre at the
// origin. `title` names the gear in the file's title, `caption` on the
// sheet; both are made in Japanese and written in `language`.
std::string RenderTemplateSvg(const FineOutline& outline, std::string_view title,
                              std::string_view caption, Language language = Language::Japanese);

}  // namespace spurgear
