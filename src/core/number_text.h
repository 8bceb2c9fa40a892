#pragma once
// The number formats of the user interface and the two text parsers
// (number_text.cpp and number_parse.cpp).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace spurgear {

// General format with up to `precision` significant digits: halves away from
// zero on the exact binary value, trailing zeros dropped, plain notation for
// decimal exponents -3..precision, otherwise "1.5E-7" / "1E15" style.
// Non-finite values print as "NAN", "INF", "-INF".
std::string FormatGeneral(long double value, int precision);

// Fixed format with `decimals` decimals and at most `precision` significant
// digits; a value with more than `precision` integer digits falls back to the
// general format. A value that rounds to zero has no minus sign.
std::string FormatFixed(long double value, int decimals, int precision);

// The general format with 15 digits for a finite, nonzero double, written
// into `out` (at least 32 bytes); the same text as FormatGeneral(v, 15).
// The value is first printed correctly rounded to 17 digits; digits 16 and
// 17 then decide the rounding to 15 digits half away from zero, except
// when they read "50", where the exact value may lie on either side of the
// half (or on it): then 0 is returned and the caller takes the exact path.
std::size_t FastGeneral15(double value, char* out);

// A plain decimal text with its whole part in groups of three digits
// separated by spaces, for counts too long to read at a glance
// ("1800000000" → "1 800 000 000"); a text in exponent form stays as it is.
std::string GroupDigits(std::string_view text);

// Shorthands for the formats the window uses.
inline std::string FormatInput(double v) { return FormatGeneral(v, 11); }
inline std::string FormatResult(long double v) { return FormatFixed(v, 3, 11); }

// A decimal number: optional sign, digits with "." as separator (".5" and
// "5." accepted), optional exponent; spaces around it allowed. Anything
// else, or a value beyond the float64 range, throws ConversionError
// "'<text>' は浮動小数点数ではありません".
double ParseDecimal(std::string_view text);
bool TryParseDecimal(std::string_view text, double& out);

// A whole number in the int32 range: leading spaces, optional sign, decimal
// digits; or, without a sign, "$", "x", "X", "0x", "0X" and hexadecimal
// digits. Anything else throws ConversionError "'<text>' は整数ではありません".
int32_t ParseWhole(std::string_view text);
bool TryParseWhole(std::string_view text, int32_t& out);

// The offending text as a message shows it: at most its first 60 characters
// (UTF-8 sequences kept whole), then "…" when there was more; control
// characters and stray bytes written as \0, \t, \n, \x1B and the like, so a
// long or binary paste cannot make a box wider than the screen or cut it short.
std::string EchoText(std::string_view text);
std::string DecimalMessage(std::string_view text);
std::string WholeMessage(std::string_view text);

// A named field's text as a number, or CommandError naming the field with
// its text echoed as above: "ピン径 'x' は数ではありません",
// "またぎ歯数 'x' は整数ではありません". Every field a command reads goes
// through these, so no refusal shows a text uncleaned.
double ParseField(std::string_view text, std::string_view name);
int32_t ParseWholeField(std::string_view text, std::string_view name);

}  // namespace spurgear
