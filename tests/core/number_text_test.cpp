#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <utility>

#include "core/errors.h"

namespace spurgear {
namespace {

TEST(GeneralFormat, Examples) {
  EXPECT_EQ(FormatGeneral(1.0, 11), "1");
  EXPECT_EQ(FormatGeneral(15, 11), "15");
  EXPECT_EQ(FormatGeneral(0.25, 11), "0.25");
  EXPECT_EQ(FormatGeneral(-0.5, 11), "-0.5");
  EXPECT_EQ(FormatGeneral(0.0001, 11), "0.0001");
  EXPECT_EQ(FormatGeneral(0.00001, 11), "1E-5");
  EXPECT_EQ(FormatGeneral(2.5e-7, 11), "2.5E-7");
  EXPECT_EQ(FormatGeneral(0.0, 11), "0");
  EXPECT_EQ(FormatGeneral(1.25, 11), "1.25");
  EXPECT_EQ(FormatGeneral(0.1, 11), "0.1");
  EXPECT_EQ(FormatGeneral(10000000000.0, 11), "10000000000");
  EXPECT_EQ(FormatGeneral(100000000000.0, 11), "1E11");
  EXPECT_EQ(FormatGeneral(1e12, 11), "1E12");
  EXPECT_EQ(FormatGeneral(1e15, 15), "1E15");
  EXPECT_EQ(FormatGeneral(1.2345678901234e-16, 15), "1.2345678901234E-16");
  EXPECT_EQ(FormatGeneral(2147483647, 11), "2147483647");
  EXPECT_EQ(FormatGeneral(-2147483648.0, 11), "-2147483648");
}

TEST(GeneralFormat, HalvesGoAwayFromZeroOnTheExactValue) {
  EXPECT_EQ(FormatGeneral(2.5, 1), "3");
  EXPECT_EQ(FormatGeneral(-2.5, 1), "-3");
  EXPECT_EQ(FormatGeneral(0.125, 2), "0.13");
  // 0.15 is stored slightly below the half.
  EXPECT_EQ(FormatGeneral(0.15, 1), "0.1");
  EXPECT_EQ(FormatGeneral(9.5, 1), "1E1");
  EXPECT_EQ(FormatGeneral(99999999999.5, 11), "1E11");
}

TEST(GeneralFormat, NonFinite) {
  EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::quiet_NaN(), 11), "NAN");
  EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::infinity(), 11), "INF");
  EXPECT_EQ(FormatGeneral(-std::numeric_limits<double>::infinity(), 11), "-INF");
}

TEST(FixedFormat, Examples) {
  EXPECT_EQ(FormatResult(0), "0.000");
  EXPECT_EQ(FormatResult(40), "40.000");
  EXPECT_EQ(FormatResult(0.01), "0.010");
  EXPECT_EQ(FormatResult(-0.01), "-0.010");
  EXPECT_EQ(FormatResult(-0.0004), "0.000");
  EXPECT_EQ(FormatResult(-0.0), "0.000");
  EXPECT_EQ(FormatResult(19.99995), "20.000");
  EXPECT_EQ(FormatResult(0.0125), "0.013");   // 0.0125 is stored just above the half
  EXPECT_EQ(FormatResult(1.0005), "1.000");   // stored just below the half
  EXPECT_EQ(FormatResult(0.0005), "0.001");   // stored just above
  EXPECT_EQ(FormatResult(0.00049), "0.000");
  EXPECT_EQ(FormatResult(-0.0006), "-0.001");
  EXPECT_EQ(FormatResult(123456789.1256), "123456789.130");  // 11 significant digits
  EXPECT_EQ(FormatResult(12345678901.5), "12345678902.000");
  EXPECT_EQ(FormatResult(123456789012.0), "1.2345678901E11");  // falls back to general
  EXPECT_EQ(FormatResult(1e300), "1E300");
  EXPECT_EQ(FormatFixed(0.0030149, 4, 11), "0.0030");
  EXPECT_EQ(FormatFixed(0.0935567, 4, 11), "0.0936");
  EXPECT_EQ(FormatFixed(-0.00004, 4, 11), "0.0000");
  // Exact halves in binary go away from zero; a subnormal is zero.
  EXPECT_EQ(FormatFixed(0.0625, 3, 11), "0.063");
  EXPECT_EQ(FormatFixed(-0.0625, 3, 11), "-0.063");
  EXPECT_EQ(FormatFixed(0.03125, 4, 11), "0.0313");
  EXPECT_EQ(FormatFixed(2.5, 0, 11), "3");
  EXPECT_EQ(FormatFixed(-5e-324, 4, 11), "0.0000");
  EXPECT_EQ(FormatFixed(0.00050000000000000001, 3, 11), "0.001");
}

TEST(FixedFormat, ExtendedPrecisionEntry) {
  // 0.0125 in extended precision is not the float64 nearest 0.0125.
  long double v = 0.0125L;
  EXPECT_EQ(FormatResult(v), "0.013");
  EXPECT_EQ(FormatResult(static_cast<long double>(19.999946) + 0.01), "20.010");
}

TEST(DecimalParser, Accepts) {
  EXPECT_EQ(ParseDecimal("1"), 1.0);
  EXPECT_EQ(ParseDecimal("  1.25  "), 1.25);
  EXPECT_EQ(ParseDecimal("+.5"), 0.5);
  EXPECT_EQ(ParseDecimal("5."), 5.0);
  EXPECT_EQ(ParseDecimal("-1e-3"), -0.001);
  EXPECT_EQ(ParseDecimal("2E+2"), 200.0);
  EXPECT_EQ(ParseDecimal("0.1"), 0.1);
  EXPECT_TRUE(std::signbit(ParseDecimal("-0")));
  EXPECT_EQ(ParseDecimal("1e-400"), 0.0);  // below the range rounds to zero
  EXPECT_EQ(ParseDecimal("1.7976931348623157e308"), 1.7976931348623157e308);
}

// The rejected texts below are short; a tab shows as \t.
std::string Shown(std::string text) {
  for (std::size_t at; (at = text.find('\t')) != std::string::npos;) text.replace(at, 1, "\\t");
  return text;
}

TEST(DecimalParser, RejectsWithTheTextAsGiven) {
  for (const char* bad : {"", " ", "1,5", "nan", "inf", "-inf", "0x1F", "0x1p3", "\t1", "1\t",
                          "1e", "e5", ".", "-", "1e999", "-1e999", "$1E", "1 2", "１"}) {
    try {
      ParseDecimal(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.what(), "'" + Shown(bad) + "' は浮動小数点数ではありません");
    }
  }
}

TEST(DecimalParser, LeavesTheFloatingPointFlagsAlone) {
  std::feclearexcept(FE_ALL_EXCEPT);
  EXPECT_THROW(ParseDecimal("1e999"), ConversionError);
  EXPECT_EQ(ParseDecimal("1e-400"), 0.0);
  EXPECT_EQ(std::fetestexcept(FE_OVERFLOW | FE_UNDERFLOW | FE_INEXACT), 0);
}

TEST(WholeParser, Accepts) {
  EXPECT_EQ(ParseWhole("15"), 15);
  EXPECT_EQ(ParseWhole("  -15"), -15);
  EXPECT_EQ(ParseWhole("+7"), 7);
  EXPECT_EQ(ParseWhole("$1E"), 30);
  EXPECT_EQ(ParseWhole("x1f"), 31);
  EXPECT_EQ(ParseWhole("X10"), 16);
  EXPECT_EQ(ParseWhole("0x1F"), 31);
  EXPECT_EQ(ParseWhole("0X7fffffff"), 2147483647);
  EXPECT_EQ(ParseWhole("2147483647"), 2147483647);
  EXPECT_EQ(ParseWhole("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ParseWhole("007"), 7);
}

TEST(WholeParser, Rejects) {
  for (const char* bad : {"", " ", "15.0", "15 ", "99999999999", "2147483648", "-2147483649",
                          "-$1E", "$", "0x", "1e2", "1,5", "$80000000", "\t5", "abc", "nan"}) {
    try {
      ParseWhole(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.what(), "'" + Shown(bad) + "' は整数ではありません");
    }
  }
}

TEST(ConversionMessage, ShowsAtMostSixtyCharactersWithControlsEscaped) {
  const std::string sixty(60, '7');
  const std::string kanji60 = [] {
    std::string s;
    for (int i = 0; i < 60; ++i) s += "歯";
    return s;
  }();
  const struct {
    std::string text;
    std::string shown;
  } kCases[] = {
      {"", ""},
      {sixty, sixty},
      {sixty + "8", sixty + "…"},
      {std::string(100000, '9'), std::string(60, '9') + "…"},
      {kanji60, kanji60},                         // 60 characters, 180 bytes: whole
      {kanji60 + "x", kanji60 + "…"},
      {std::string("1\0002", 3), "1\\02"},      // a NUL no longer ends the text
      {"a\tb\nc\rd\x1b\x7f", "a\\tb\\nc\\rd\\x1B\\x7F"},
      {"\xff" "1", "\\xFF1"},                  // a byte that is no UTF-8
      {std::string(59, '1') + "\t2", std::string(59, '1') + "\\t…"},
  };
  for (const auto& c : kCases) EXPECT_EQ(EchoText(c.text), c.shown) << c.text.size();
  try {
    ParseWhole(std::string("1\0002", 3));
    ADD_FAILURE();
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'1\\02' は整数ではありません");
  }
}

// The formats against the exact decimal expansion of the binary value
// (printf prints it exactly), rounded half away from zero here by hand:
// random doubles of every size the fields show, ties and near-ties included.
TEST(NumberText, FormatsRoundTheExactValue) {
  // Digits of |v| rounded at `decimals` places after the point.
  const auto fixed = [](double v, int decimals) {
    char buf[1200];
    std::snprintf(buf, sizeof buf, "%.1100f", std::fabs(v));
    std::string s = buf;
    const std::size_t point = s.find('.');
    bool up = s[point + 1 + static_cast<std::size_t>(decimals)] >= '5';
    s.resize(point + 1 + static_cast<std::size_t>(decimals));
    for (std::size_t i = s.size(); up && i-- > 0;) {
      if (s[i] == '.') continue;
      if (s[i] != '9') {
        ++s[i];
        up = false;
      } else {
        s[i] = '0';
      }
    }
    if (up) s = "1" + s;
    if (decimals == 0) s.pop_back();
    const bool zero = s.find_first_not_of("0.") == std::string::npos;
    return (v < 0 && !zero ? "-" : "") + s;
  };
  std::mt19937_64 rng(3);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int i = 0; i < 20000; ++i) {
    double v = std::pow(10.0, unit(rng) * 12 - 5) * (i % 2 ? -1 : 1);
    if (i % 4 == 0) v = std::round(v * 2000) / 2000;            // ties at the 4th decimal
    if (i % 4 == 1) v = std::nextafter(std::round(v * 2000) / 2000, 0);
    if (i % 8 == 2) v = std::round(v * 1e4) / 1e4;             // what users type
    for (int decimals : {3, 4}) {
      if (std::fabs(v) >= 1e7) continue;
      ASSERT_EQ(FormatFixed(v, decimals, 11), fixed(v, decimals)) << v << " " << decimals;
    }
    if (i % 8 == 2 && std::fabs(v) >= 1e-3 && std::fabs(v) < 1e7) {
      std::string g = fixed(v, 4);
      while (g.back() == '0') g.pop_back();
      if (g.back() == '.') g.pop_back();
      if (g.rfind("0.", 0) == 0 || g.rfind("-0.", 0) == 0 || g.size() <= 12) {
        ASSERT_EQ(FormatGeneral(v, 11), g) << v;
      }
    }
  }
}

// Counts read in groups of three from the decimal point; the sign, the
// decimals and texts in exponent form are left alone.
TEST(GroupDigits, GroupsTheWholePartByThree) {
  const std::pair<const char*, const char*> cases[] = {
      {"1800000000", "1 800 000 000"}, {"999", "999"},         {"1000", "1 000"},
      {"100000", "100 000"},           {"-12345.678", "-12 345.678"}, {"0", "0"},
      {"1.8E9", "1.8E9"},              {"INF", "INF"},         {"-1000000", "-1 000 000"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(GroupDigits(in), out) << in;
}

}  // namespace
}  // namespace spurgear
