// One-line free texts: the folding every writer applies.
#include "core/free_text.h"

namespace spurgear {
namespace {

// The length of the whole UTF-8 character at `i` (overlong and surrogate
// forms are no characters), 0 for a byte that starts none.
std::size_t CharacterAt(std::string_view s, std::size_t i, char32_t& cp) {
  const auto c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) {
    cp = c;
    return 1;
  }
  const std::size_t n = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
  if (n == 0 || i + n > s.size()) return 0;
  cp = c & (0x7F >> n);
  for (std::size_t k = 1; k < n; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kLeast[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

bool IsControl(char32_t cp) {
  return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x2028 || cp == 0x2029;
}

}  // namespace

std::string OneLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool folding = false;
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = 0;
    const std::size_t n = CharacterAt(text, i, cp);
    if (n > 0 && IsControl(cp)) {
      if (!folding) out += ' ';
      folding = true;
      i += n;
      continue;
    }
    folding = false;
    if (n == 0) {
      out += "\xEF\xBF\xBD";  // U+FFFD
      i += 1;
    } else {
      out.append(text.substr(i, n));
      i += n;
    }
  }
  return out;
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++count) {
    char32_t cp = 0;
    const std::size_t n = CharacterAt(text, i, cp);
    i += n == 0 ? 1 : n;
  }
  return count;
}

}  // namespace spurgear
