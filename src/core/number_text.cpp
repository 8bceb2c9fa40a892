// The number formats; the parsers are in number_parse.cpp.
#include "core/number_text.h"

#include <algorithm>
#include <bit>
#include <cfenv>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace spurgear {
namespace {

// Decimal digits of a positive finite value: value = 0.d1d2...dn × 10^exp.
struct Digits {
  std::string d;
  int exp;
};

// The first n significant digits, truncated (never rounded) from the exact
// binary value. The C library prints exactly and honours the rounding
// direction, so rounding toward zero gives the exact truncation.
Digits TruncatedDigits(long double mag, int n) {
  char buf[128];
  int saved = std::fegetround();
  std::fesetround(FE_TOWARDZERO);
  std::snprintf(buf, sizeof buf, "%.*Le", n - 1, mag);
  std::fesetround(saved);
  Digits out;
  const char* p = buf;
  out.d.push_back(*p++);
  if (*p == '.') ++p;
  while (*p >= '0' && *p <= '9') out.d.push_back(*p++);
  // p now at 'e'
  out.exp = std::atoi(p + 1) + 1;
  return out;
}

// n significant digits rounded half away from zero on the exact value.
Digits RoundedDigits(long double mag, int n) {
  Digits t = TruncatedDigits(mag, n + 1);
  bool up = t.d[n] >= '5';
  t.d.resize(n);
  if (up) {
    int i = n - 1;
    while (i >= 0 && t.d[i] == '9') t.d[i--] = '0';
    if (i >= 0) {
      ++t.d[i];
    } else {
      t.d.insert(t.d.begin(), '1');
      t.d.pop_back();
      ++t.exp;
    }
  }
  return t;
}

// The digits of a value that is a double, from its shortest round-trip form,
// when that has at most n digits: the exact value then rounds to those very
// digits at n places for n <= 15 (it lies within half a unit of the 17th).
// False when the value is not a double or needs more digits.
bool ShortDigits(long double mag, int n, Digits& out) {
  const double d = static_cast<double>(mag);
  // Subnormals carry fewer digits than their shortest form suggests.
  if (n > 15 || !std::isnormal(d) || static_cast<long double>(d) != mag) return false;
  char buf[40];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::scientific);
  if (ec != std::errc()) return false;
  out.d.clear();
  const char* p = buf;
  for (; p < end && *p != 'e'; ++p) {
    if (*p != '.') out.d.push_back(*p);
  }
  if (static_cast<int>(out.d.size()) > n || p == end) return false;
  int e = 0;
  std::from_chars(p + 1 + (p[1] == '+'), end, e);
  out.exp = e + 1;
  return true;
}

// Fixed format with up to 4 decimals of a double below 10^(precision −
// decimals), rounded half away from zero on the exact value. The double is
// M × 2^E with a 53-bit M, so M × 10^decimals (at most 67 bits) and its
// shift by −E are exact in 128-bit integers, and the remainder decides the
// rounding; no floating-point rounding mode is touched.
bool FixedFromDouble(long double value, int decimals, int precision, std::string& out) {
  static constexpr std::uint64_t kTen[] = {1,         10,         100,         1000,
                                           10000,     100000,     1000000,     10000000,
                                           100000000, 1000000000, 10000000000, 100000000000,
                                           1000000000000, 10000000000000, 100000000000000};
  const int whole = precision - decimals;
  if (decimals < 0 || decimals > 4 || whole < 1 || whole > 14) return false;
  const double d = static_cast<double>(value);
  if (static_cast<long double>(d) != value) return false;
  const double mag = std::fabs(d);
  if (!(mag < static_cast<double>(kTen[whole]))) return false;
  const auto bits = std::bit_cast<std::uint64_t>(mag);
  const int biased = static_cast<int>(bits >> 52);
  std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  int exponent = biased - 1075;
  if (biased == 0) {
    exponent = -1074;  // subnormal
  } else {
    mantissa |= std::uint64_t{1} << 52;
  }
  __extension__ typedef unsigned __int128 U128;
  const U128 scaled = static_cast<U128>(mantissa) * kTen[decimals];
  // Below 10^14 < 2^47 the exponent is at most −6: the value has a fraction.
  const int shift = -exponent;
  std::uint64_t n = 0;  // far under a half when shifted by 127 or more
  if (shift < 127) {
    n = static_cast<std::uint64_t>(scaled >> shift);
    const U128 rest = scaled & ((U128{1} << shift) - 1);
    if (rest >= (U128{1} << (shift - 1))) ++n;
  }
  // Written from the last digit backwards.
  char buf[32];
  char* p0 = buf + sizeof buf;
  char* b = p0;
  const bool negative = std::signbit(d) && n != 0;
  for (int i = 0; i < decimals; ++i, n /= 10) *--b = static_cast<char>('0' + n % 10);
  if (decimals > 0) *--b = '.';
  do {
    *--b = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n != 0);
  if (negative) *--b = '-';
  out.assign(b, p0);
  return true;
}

std::string NonFinite(long double v) {
  if (std::isnan(v)) return "NAN";
  return v < 0 ? "-INF" : "INF";
}

}  // namespace

std::string FormatGeneral(long double value, int precision) {
  if (!std::isfinite(value)) return NonFinite(value);
  if (value == 0) return "0";
  long double mag = std::fabs(value);
  Digits r;
  if (!ShortDigits(mag, precision, r)) r = RoundedDigits(mag, precision);
  while (r.d.size() > 1 && r.d.back() == '0') r.d.pop_back();
  std::string s = std::signbit(value) ? "-" : "";
  const int n = static_cast<int>(r.d.size());
  const int e = r.exp;
  if (e >= -3 && e <= precision) {
    if (e <= 0) {
      s += "0.";
      s.append(static_cast<std::size_t>(-e), '0');
      s += r.d;
    } else if (n <= e) {
      s += r.d;
      s.append(static_cast<std::size_t>(e - n), '0');
    } else {
      s += r.d.substr(0, static_cast<std::size_t>(e));
      s += '.';
      s += r.d.substr(static_cast<std::size_t>(e));
    }
  } else {
    s += r.d[0];
    if (n > 1) {
      s += '.';
      s += r.d.substr(1);
    }
    s += 'E';
    s += std::to_string(e - 1);
  }
  return s;
}

std::string FormatFixed(long double value, int decimals, int precision) {
  if (!std::isfinite(value)) return NonFinite(value);
  if (std::string fast; value != 0 && FixedFromDouble(value, decimals, precision, fast)) {
    return fast;
  }
  std::string zero = "0." + std::string(static_cast<std::size_t>(decimals), '0');
  if (value == 0) return zero;
  long double mag = std::fabs(value);
  Digits first = TruncatedDigits(mag, 1);
  if (first.exp > precision) return FormatGeneral(value, precision);
  int n = first.exp + decimals;
  if (n > precision) n = precision;
  Digits r;
  if (n <= 0) {
    // Below the last decimal: only a value of at least half of it rounds up.
    if (n < 0 || first.d[0] < '5') return zero;
    r.d = "1";
    r.exp = 1 - decimals;
  } else {
    r = RoundedDigits(mag, n);
  }
  std::string intPart;
  if (r.exp > 0) {
    for (int i = 0; i < r.exp; ++i) intPart += i < static_cast<int>(r.d.size()) ? r.d[static_cast<std::size_t>(i)] : '0';
  } else {
    intPart = "0";
  }
  std::string frac;
  for (int i = 0; i < decimals; ++i) {
    int idx = r.exp + i;
    frac += (idx >= 0 && idx < static_cast<int>(r.d.size())) ? r.d[static_cast<std::size_t>(idx)] : '0';
  }
  bool allZero = intPart.find_first_not_of('0') == std::string::npos &&
                 frac.find_first_not_of('0') == std::string::npos;
  std::string s = (std::signbit(value) && !allZero) ? "-" : "";
  s += intPart;
  if (decimals > 0) s += "." + frac;
  return s;
}

std::size_t FastGeneral15(double v, char* out) {
  constexpr int kDigits = 15;
  char buf[48];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 16);
  // buf holds "d.dddddddddddddddde±xx".
  char d[17];
  d[0] = buf[0];
  std::memcpy(d + 1, buf + 2, 16);
  if (d[15] == '5' && d[16] == '0') return 0;
  int exp10 = 0;
  std::from_chars(buf[19] == '+' ? buf + 20 : buf + 19, res.ptr, exp10);
  int e = exp10 + 1;  // value = 0.d1d2... × 10^e
  if (d[15] >= '5') {
    int i = kDigits - 1;
    while (i >= 0 && d[i] == '9') d[i--] = '0';
    if (i >= 0) {
      ++d[i];
    } else {
      d[0] = '1';
      ++e;
    }
  }
  int n = kDigits;
  while (n > 1 && d[n - 1] == '0') --n;

  char* p = out;
  if (std::signbit(v)) *p++ = '-';
  if (e >= -3 && e <= kDigits) {
    if (e <= 0) {
      *p++ = '0';
      *p++ = '.';
      for (int i = 0; i < -e; ++i) *p++ = '0';
      std::memcpy(p, d, static_cast<std::size_t>(n));
      p += n;
    } else if (n <= e) {
      std::memcpy(p, d, static_cast<std::size_t>(n));
      p += n;
      for (int i = n; i < e; ++i) *p++ = '0';
    } else {
      std::memcpy(p, d, static_cast<std::size_t>(e));
      p += e;
      *p++ = '.';
      std::memcpy(p, d + e, static_cast<std::size_t>(n - e));
      p += n - e;
    }
  } else {
    *p++ = d[0];
    if (n > 1) {
      *p++ = '.';
      std::memcpy(p, d + 1, static_cast<std::size_t>(n - 1));
      p += n - 1;
    }
    *p++ = 'E';
    p = std::to_chars(p, out + 32, e - 1).ptr;
  }
  return static_cast<std::size_t>(p - out);
}

std::string GroupDigits(std::string_view text) {
  if (text.find_first_of("eE") != std::string_view::npos) return std::string(text);
  const std::size_t start = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  const std::size_t point = std::min(text.find('.'), text.size());
  std::string out(text.substr(0, start));
  for (std::size_t i = start; i < point; ++i) {
    if (i > start && (point - i) % 3 == 0) out += ' ';
    out += text[i];
  }
  out += text.substr(point);
  return out;
}

}  // namespace spurgear
