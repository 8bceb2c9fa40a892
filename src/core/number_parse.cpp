// The parsers of the fields' texts and the refusals that echo them; the
// formats are in number_text.cpp.
#include "core/number_text.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

#include "core/errors.h"
#include "core/geometry.h"

namespace spurgear {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

locale_t CLocale() {
  static locale_t loc = newlocale(LC_ALL_MASK, "C", nullptr);
  return loc;
}

}  // namespace

std::string EchoText(std::string_view text) {
  constexpr int kShown = 60;
  std::string out;
  std::size_t i = 0;
  int shown = 0;
  while (i < text.size() && shown < kShown) {
    const auto c = static_cast<unsigned char>(text[i]);
    // One character: a whole UTF-8 sequence, or a single byte that starts none.
    std::size_t len = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3
                                 : (c & 0xF8) == 0xF0 ? 4 : 0;
    if (len == 0 || i + len > text.size()) len = 0;
    for (std::size_t k = 1; k < len; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) len = 0;
    }
    if (len >= 2) {
      out.append(text.substr(i, len));
      i += len;
    } else {
      static constexpr char kNamed[] = {'0', 0, 0, 0, 0, 0, 0, 'a', 'b', 't', 'n', 'v', 'f', 'r'};
      if (c < sizeof kNamed && kNamed[c] != 0) {
        out += '\\';
        out += kNamed[c];
      } else if (c < 0x20 || c >= 0x7F) {
        static constexpr char kHex[] = "0123456789ABCDEF";
        out += "\\x";
        out += kHex[c >> 4];
        out += kHex[c & 15];
      } else {
        out += static_cast<char>(c);
      }
      i += 1;
    }
    ++shown;
  }
  if (i < text.size()) out += "…";
  return out;
}

std::string DecimalMessage(std::string_view text) {
  return "'" + EchoText(text) + "' は浮動小数点数ではありません";
}
std::string WholeMessage(std::string_view text) {
  return "'" + EchoText(text) + "' は整数ではありません";
}

bool TryParseDecimal(std::string_view text, double& out) {
  std::size_t b = 0, e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  std::string_view s = text.substr(b, e - b);
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  if (i != s.size()) return false;
  // The correctly rounded value straight from the text, raising no fault
  // flag; only a text beyond the range goes on to the C library below.
  const std::string_view body = s[0] == '+' ? s.substr(1) : s;
  double parsed;
  const auto [ptr, ec] =
      std::from_chars(body.data(), body.data() + body.size(), parsed);
  if (ec == std::errc() && ptr == body.data() + body.size()) {
    out = parsed;
    return true;
  }
  std::string copy(s);
  errno = 0;
  char* end = nullptr;
  // Out-of-range texts are refused here, not raised as a fault later: the
  // conversion leaves the floating-point flags as it found them.
  double v;
  {
    const FaultFlagsKept keep;
    v = strtod_l(copy.c_str(), &end, CLocale());
  }
  if (end != copy.c_str() + copy.size()) return false;
  if (std::isinf(v)) return false;  // beyond the float64 range
  out = v;
  return true;
}

double ParseDecimal(std::string_view text) {
  double v;
  if (!TryParseDecimal(text, v)) throw ConversionError(DecimalMessage(text));
  return v;
}

bool TryParseWhole(std::string_view text, int32_t& out) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  std::string_view s = text.substr(i);
  if (s.empty()) return false;
  long long limit = 2147483647LL;
  long long v = 0;
  bool negative = false;
  std::size_t p = 0;
  int base = 10;
  if (s[0] == '+' || s[0] == '-') {
    negative = s[0] == '-';
    p = 1;
    if (negative) limit = 2147483648LL;
  } else if (s[0] == '$' || s[0] == 'x' || s[0] == 'X') {
    base = 16;
    p = 1;
  } else if (s.size() > 1 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    p = 2;
  }
  if (p >= s.size()) return false;
  for (; p < s.size(); ++p) {
    int d = base == 16 ? HexValue(s[p]) : (IsDigit(s[p]) ? s[p] - '0' : -1);
    if (d < 0) return false;
    v = v * base + d;
    if (v > limit) return false;
  }
  out = static_cast<int32_t>(negative ? -v : v);
  return true;
}

namespace {

std::string FieldMessage(std::string_view text, std::string_view name, const char* kind) {
  return std::string(name) + " '" + EchoText(text) + "' は" + kind + "ではありません";
}

}  // namespace

int32_t ParseWhole(std::string_view text) {
  int32_t v;
  if (!TryParseWhole(text, v)) throw ConversionError(WholeMessage(text));
  return v;
}

double ParseField(std::string_view text, std::string_view name) {
  double v;
  if (!TryParseDecimal(text, v)) throw CommandError(FieldMessage(text, name, "数"));
  return v;
}

int32_t ParseWholeField(std::string_view text, std::string_view name) {
  int32_t v;
  if (!TryParseWhole(text, v)) throw CommandError(FieldMessage(text, name, "整数"));
  return v;
}


}  // namespace spurgear
