#pragma once
// Free texts the user types for a drawing (材料, 熱処理, 硬さ, 仕上げ …) as
// every output writes them: one line of whole characters that a table's
// cell can hold.
#include <cstddef>
#include <string>
#include <string_view>

namespace spurgear {

// The longest free text taken, in characters: a cell of a data table, not a
// page of notes.
inline constexpr std::size_t kFreeTextLimit = 200;

// The text on one line: every run of control characters (C0, DEL, C1, the
// Unicode line and paragraph separators), line breaks and tabs included, as
// one space; a byte that starts no whole UTF-8 character as U+FFFD. Texts
// that need none of it come back as they are.
std::string OneLine(std::string_view text);

// Characters (code points) of a UTF-8 text; a stray byte counts as one.
std::size_t CharacterCount(std::string_view text);

}  // namespace spurgear
