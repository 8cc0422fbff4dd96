#pragma once
// Rounding, safe conversions, the number parser and the number formats.
// Nothing here depends on the C locale: the program's decimal separator is
// always passed in (usually Dezimaltrenner() from engine/tabellen.h).

#include "engine/runden.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Conversions to integers that never invoke undefined behaviour: values
// beyond the range give the nearest limit, NaN gives 0.
std::int32_t SaturateToInt32(double x);            // truncates toward zero
std::int64_t SaturateToInt64(double x);            // truncates toward zero
std::int32_t SaturateToInt32(long double x);
std::int64_t SaturateToInt64(long double x);
std::int32_t RoundToInt32(double x);               // half-even, then saturated
std::int64_t RoundToInt64(double x);
std::int32_t RoundToInt32(long double x);
std::int64_t RoundToInt64(long double x);

// Strict number parser for what the user types: optional blanks around,
// an optional sign, digits with at most one decimal separator, an optional
// exponent ("e" or "E", optional sign, digits). The separator is `separator`;
// with `acceptBoth` both "." and "," are taken. No thousands separators,
// no inf, nan or hex. A number too large for a double fails; one too small
// becomes 0. Returns nothing on failure.
std::optional<double> ParseNumber(std::string_view text, char separator, bool acceptBoth = false);
std::optional<long double> ParseNumberLong(std::string_view text, char separator, bool acceptBoth = false);

// General format with precision p (1..18): at most p significant digits,
// trailing zeros and a trailing separator dropped. Plain notation while the
// integer part has at most p digits and |v| >= 0.0001 (after rounding);
// otherwise scientific: one digit, the separator and the other digits if
// any, "E", a minus sign only for a negative exponent, and at least
// `minExpDigits` (0..4) exponent digits. 0 is "0"; NaN and infinities give
// "NAN", "INF" and "-INF". A value that rounds to zero carries no sign.
std::string FormatGeneral(long double v, int precision, int minExpDigits, char separator);

// Fixed format with precision p (1..18) and n decimals (0..18): the value
// rounded to p significant digits and to n decimals, written with exactly
// n decimals; the general format (precision p, `minExpDigits`) when the
// integer part has more than p digits.
std::string FormatFixed(long double v, int precision, int decimals, char separator, int minExpDigits = 0);

// The plain float-to-text conversion: general format, precision 15.
std::string FloatToStr(long double v, char separator);
