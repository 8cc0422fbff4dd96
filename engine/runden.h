#pragma once
// Rounding to the nearest integer, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4, -2.5 -> -2): the one rounding of the whole program. It gives
// what nearbyint gives in the default rounding mode, signed zeros included,
// and non-finite values come back unchanged.
//
// Inline and without a library call, because the evaluator rounds inside
// terms and drawing rounds every plotted sample: adding 2^63 (2^52 for a
// double) to a magnitude below it leaves no bits for a fraction, so the
// addition itself rounds to nearest with ties to even, and subtracting again
// is exact. Magnitudes from 2^63 (2^52) on are whole already.

#include <cstdint>
#include <optional>

inline long double RoundHalfEven(long double x)
{
    constexpr long double kGanz = 0x1p63L;
    if (x > 0)
        return x < kGanz ? (x + kGanz) - kGanz : x;
    if (x < 0)
        return x > -kGanz ? -((kGanz - x) - kGanz) : x;
    return x;  // a zero, or not a number
}

inline double RoundHalfEven(double x)
{
    constexpr double kGanz = 0x1p52;
    if (x > 0)
        return x < kGanz ? (x + kGanz) - kGanz : x;
    if (x < 0)
        return x > -kGanz ? -((kGanz - x) - kGanz) : x;
    return x;
}

// x rounded into an Int32, or nothing when that does not fit or x is not a
// number. The whole value passes through a double, which holds it exactly,
// because the conversion from a double is one instruction and the one from
// an 80-bit value has to switch the unit's rounding mode twice.
inline std::optional<std::int32_t> TryRoundToInt32(long double x)
{
    const long double r = RoundHalfEven(x);
    if (!(r >= -2147483648.0L && r <= 2147483647.0L))
        return std::nullopt;
    return static_cast<std::int32_t>(static_cast<double>(r));
}
