#include "engine/zahlen.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

static_assert(std::numeric_limits<long double>::digits == 64, "long double must be the 80-bit extended type");

std::int32_t SaturateToInt32(double x)
{
    if (std::isnan(x))
        return 0;
    if (x >= 2147483648.0)
        return std::numeric_limits<std::int32_t>::max();
    if (x <= -2147483649.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(x);
}

std::int32_t SaturateToInt32(long double x)
{
    if (std::isnan(x))
        return 0;
    if (x >= 2147483648.0L)
        return std::numeric_limits<std::int32_t>::max();
    if (x <= -2147483649.0L)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(x);
}

std::int64_t SaturateToInt64(double x)
{
    if (std::isnan(x))
        return 0;
    if (x >= 9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::max();
    if (x < -9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(x);
}

std::int64_t SaturateToInt64(long double x)
{
    if (std::isnan(x))
        return 0;
    if (x >= 9223372036854775808.0L)
        return std::numeric_limits<std::int64_t>::max();
    if (x <= -9223372036854775809.0L)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(x);
}

std::int32_t RoundToInt32(double x) { return SaturateToInt32(RoundHalfEven(x)); }
std::int64_t RoundToInt64(double x) { return SaturateToInt64(RoundHalfEven(x)); }
std::int32_t RoundToInt32(long double x) { return SaturateToInt32(RoundHalfEven(x)); }
std::int64_t RoundToInt64(long double x) { return SaturateToInt64(RoundHalfEven(x)); }

// ---------------------------------------------------------------------------
// Parsing

namespace {

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

struct Zerlegt {
    bool negativ = false;
    std::string ganz;      // digits before the separator
    std::string bruch;     // digits after it
    long long exponent = 0;
};

// Checks the syntax and splits the text; false for anything that is not a
// plain decimal number.
bool Zerlegen(std::string_view s, char separator, bool acceptBoth, Zerlegt& z)
{
    std::size_t a = 0;
    std::size_t e = s.size();
    while (a < e && (s[a] == ' ' || s[a] == '\t'))
        ++a;
    while (e > a && (s[e - 1] == ' ' || s[e - 1] == '\t'))
        --e;
    std::size_t i = a;
    if (i < e && (s[i] == '+' || s[i] == '-')) {
        z.negativ = s[i] == '-';
        ++i;
    }
    while (i < e && IstZiffer(s[i]))
        z.ganz += s[i++];
    const auto istTrenner = [&](char c) {
        return c == separator || (acceptBoth && (c == '.' || c == ','));
    };
    if (i < e && istTrenner(s[i])) {
        ++i;
        while (i < e && IstZiffer(s[i]))
            z.bruch += s[i++];
    }
    if (z.ganz.empty() && z.bruch.empty())
        return false;
    if (i < e && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool expNegativ = false;
        if (i < e && (s[i] == '+' || s[i] == '-')) {
            expNegativ = s[i] == '-';
            ++i;
        }
        if (i >= e || !IstZiffer(s[i]))
            return false;
        long long x = 0;
        while (i < e && IstZiffer(s[i])) {
            x = std::min(x * 10 + (s[i] - '0'), 100000000LL);  // far past any range
            ++i;
        }
        z.exponent = expNegativ ? -x : x;
    }
    return i == e;
}

// Decimal exponent of the leading non-zero digit, or nothing for zero.
std::optional<long long> FuehrenderExponent(const Zerlegt& z)
{
    const std::size_t g = z.ganz.find_first_not_of('0');
    if (g != std::string::npos)
        return static_cast<long long>(z.ganz.size() - g - 1) + z.exponent;
    const std::size_t b = z.bruch.find_first_not_of('0');
    if (b != std::string::npos)
        return -static_cast<long long>(b + 1) + z.exponent;
    return std::nullopt;
}

template <typename T>
std::optional<T> Parse(std::string_view text, char separator, bool acceptBoth)
{
    Zerlegt z;
    if (!Zerlegen(text, separator, acceptBoth, z))
        return std::nullopt;
    const auto lead = FuehrenderExponent(z);
    if (!lead)
        return z.negativ ? -T(0) : T(0);
    // Far outside the type's range: decide without asking from_chars.
    if (*lead > 100000)
        return std::nullopt;
    if (*lead < -100000)
        return z.negativ ? -T(0) : T(0);
    std::string norm = z.ganz.empty() ? "0" : z.ganz;
    if (!z.bruch.empty())
        norm += "." + z.bruch;
    norm += "e" + std::to_string(z.exponent);
    T wert{};
    const auto [ptr, ec] = std::from_chars(norm.data(), norm.data() + norm.size(), wert,
                                           std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (*lead >= 0)
            return std::nullopt;  // too large
        wert = 0;                 // too small
    } else if (ec != std::errc() || ptr != norm.data() + norm.size()) {
        return std::nullopt;
    }
    if (!std::isfinite(wert))
        return std::nullopt;
    return z.negativ ? -wert : wert;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text, char separator, bool acceptBoth)
{
    return Parse<double>(text, separator, acceptBoth);
}

std::optional<long double> ParseNumberLong(std::string_view text, char separator, bool acceptBoth)
{
    return Parse<long double>(text, separator, acceptBoth);
}

// ---------------------------------------------------------------------------
// Formatting
//
// The value is first written with 18 significant digits (the precision of the
// extended type), then rounded on those decimal digits with halves away from
// zero, as a pupil rounds: 0.125 to two places is 0.13. Values that merely
// look like a tie in decimal (2.675 as a double is 2.67499999...) round by
// their true digits.

namespace {

struct Ziffern {
    std::string d;   // significant digits, first one non-zero; empty for zero
    int e = 0;       // value = d[0].d[1]d[2]... x 10^e
};

Ziffern Achtzehn(long double betrag)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, betrag, std::chars_format::scientific, 17);
    Ziffern z;
    const char* p = buf;
    for (; p < res.ptr && *p != 'e'; ++p)
        if (IstZiffer(*p))
            z.d += *p;
    if (p < res.ptr) {
        ++p;
        const bool neg = *p == '-';
        if (*p == '+' || *p == '-')
            ++p;
        int x = 0;
        for (; p < res.ptr; ++p)
            x = x * 10 + (*p - '0');
        z.e = neg ? -x : x;
    }
    return z;
}

// Keeps k significant digits (k may be 0 or negative: rounding at or above
// the first digit), rounding halves away from zero; drops trailing zeros.
Ziffern Runden(Ziffern z, int k)
{
    if (k < 0 || z.d.empty()) {
        z.d.clear();
        return z;
    }
    if (k == 0) {
        if (z.d[0] >= '5') {
            z.d = "1";
            z.e += 1;
        } else {
            z.d.clear();
        }
        return z;
    }
    if (static_cast<std::size_t>(k) < z.d.size()) {
        const bool auf = z.d[static_cast<std::size_t>(k)] >= '5';
        z.d.resize(static_cast<std::size_t>(k));
        if (auf) {
            int i = k - 1;
            while (i >= 0 && z.d[static_cast<std::size_t>(i)] == '9') {
                z.d[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i < 0) {
                z.d.insert(z.d.begin(), '1');
                z.e += 1;
            } else {
                ++z.d[static_cast<std::size_t>(i)];
            }
        }
    }
    while (!z.d.empty() && z.d.back() == '0')
        z.d.pop_back();
    return z;
}

std::string Sonderwert(long double v)
{
    if (std::isnan(v))
        return "NAN";
    return v < 0 ? "-INF" : "INF";
}

char ZifferAn(const Ziffern& z, int j)
{
    return (j >= 0 && j < static_cast<int>(z.d.size())) ? z.d[static_cast<std::size_t>(j)] : '0';
}

}  // namespace

std::string FormatGeneral(long double v, int precision, int minExpDigits, char separator)
{
    if (!std::isfinite(v))
        return Sonderwert(v);
    precision = std::clamp(precision, 1, 18);
    minExpDigits = std::clamp(minExpDigits, 0, 4);
    const Ziffern z = Runden(Achtzehn(std::fabs(v)), precision);
    if (z.d.empty())
        return "0";
    std::string s = std::signbit(v) ? "-" : "";
    const int ganzStellen = z.e + 1;
    if (ganzStellen > precision || ganzStellen < -3) {
        s += z.d[0];
        if (z.d.size() > 1) {
            s += separator;
            s.append(z.d, 1);
        }
        s += 'E';
        if (z.e < 0)
            s += '-';
        std::string ex = std::to_string(z.e < 0 ? -z.e : z.e);
        if (static_cast<int>(ex.size()) < minExpDigits)
            ex.insert(0, static_cast<std::size_t>(minExpDigits) - ex.size(), '0');
        s += ex;
        return s;
    }
    if (ganzStellen <= 0) {
        s += '0';
        s += separator;
        s.append(static_cast<std::size_t>(-ganzStellen), '0');
        s += z.d;
        return s;
    }
    for (int j = 0; j < ganzStellen; ++j)
        s += ZifferAn(z, j);
    if (static_cast<int>(z.d.size()) > ganzStellen) {
        s += separator;
        s.append(z.d, static_cast<std::size_t>(ganzStellen));
    }
    return s;
}

std::string FormatFixed(long double v, int precision, int decimals, char separator, int minExpDigits)
{
    if (!std::isfinite(v))
        return Sonderwert(v);
    precision = std::clamp(precision, 1, 18);
    decimals = std::clamp(decimals, 0, 18);
    Ziffern z;
    if (v != 0) {
        const Ziffern roh = Achtzehn(std::fabs(v));
        z = Runden(roh, std::min(precision, roh.e + 1 + decimals));
    }
    if (!z.d.empty() && z.e + 1 > precision)
        return FormatGeneral(v, precision, minExpDigits, separator);
    std::string s = (!z.d.empty() && std::signbit(v)) ? "-" : "";
    if (z.d.empty() || z.e < 0) {
        s += '0';
    } else {
        for (int j = 0; j <= z.e; ++j)
            s += ZifferAn(z, j);
    }
    if (decimals > 0) {
        s += separator;
        for (int i = 1; i <= decimals; ++i)
            s += z.d.empty() ? '0' : ZifferAn(z, z.e + i);
    }
    return s;
}

std::string FloatToStr(long double v, char separator)
{
    return FormatGeneral(v, 15, 0, separator);
}
