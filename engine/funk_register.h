#pragma once
// The register form of a term as the evaluator's files share it (funk.cpp
// builds and interprets it, funk_register_x87.cpp turns it into machine
// code): where steps take their operands from, the step codes, the bands
// their values are checked against, and the machine code of a term.

#include "engine/funk.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

// Two pieces of the evaluator are written for the x87 unit as g++ drives it
// on x86-64: the square root and the store of a result that is read back at
// once; and the register form runs as machine code made for each term.
// Every other compiler and target, and any build configured with
// TESSAPLUN_PLAIN_EVALUATOR, takes the plain C++ path instead; both paths
// give the same bits, which the tests pin.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && \
    !defined(TESSAPLUN_PLAIN_EVALUATOR)
#define TESSAPLUN_X87_EVALUATOR 1
#else
#define TESSAPLUN_X87_EVALUATOR 0
#endif

namespace registerform {

// x values evaluated together: the unit in which a block falls back to the
// step list.
constexpr int kBlock = 64;

// Where a step takes an operand from: the registers, then the step's
// constant (one a double holds, and one it does not).
constexpr std::uint8_t kPlaceR = 0, kPlaceX = 1, kPlaceT = 2, kPlaceS0 = 3, kPlaceS1 = 4, kPlaceShort = 5,
                       kPlaceLong = 6;
constexpr int kPlaces = 7;

// The functions the register form computes inline: for a finite argument
// (and the square root for one that cannot be negative) they are exact and
// always defined. The others run as general steps.
constexpr std::uint8_t kCheapFunctions[] = {FunctionCode::Abs, FunctionCode::Negate, FunctionCode::Sqrt};
constexpr int kCheapCount = static_cast<int>(std::size(kCheapFunctions));

enum : std::uint8_t {
    RegLoad = 0,                          // R := a place
    RegSave0 = RegLoad + kPlaces,         // S0 := R
    RegSave1,                             // S1 := R
    RegSquare,                            // R := R^2, then X^2
    RegPower = RegSquare + 2,             // R := R^K, then X^K
    RegPowerNegative = RegPower + 2,      // R := R^-K, then X^-K
    RegFunction = RegPowerNegative + 2,   // |R|, |X|, -R, -X, sqrt R, sqrt X
    RegSlowFunction = RegFunction + 2 * kCheapCount,  // function K of place A
    RegSlowPower,                         // place A ^ place B
    RegSlowPowerConstBase,                // C ^ place B, with ln|C| in D
    RegArith,                             // + - * / by places: RegArithStep
};

constexpr int RegArithStep(int operatorCode, int placeA, int placeB)
{
    return RegArith + kPlaces * kPlaces * (operatorCode - OperatorCode::Plus) + kPlaces * placeA + placeB;
}
static_assert(RegArithStep(OperatorCode::Divide, kPlaceLong, kPlaceLong) <= 255);

// The general steps run over the block's columns, one step at a time, as
// the step list does: a call per x would make every register go through
// memory around it. The register form runs in segments between them.
constexpr bool IsGeneralStep(std::uint8_t op)
{
    return op == RegSlowFunction || op == RegSlowPower || op == RegSlowPowerConstBase;
}

// Registers as bits, for what a general step keeps in columns around it.
constexpr unsigned kKeepR = 1, kKeepS0 = 2, kKeepS1 = 4;

// The fast bands a value of the register form is checked against: the
// band of its guard's fast path, tested on the value rounded to a double.
// Rounding never crosses a power of two, so |v| < 2^e follows from
// |double(v)| < 2^e, and |v| >= 2^e from |double(v)| >= 2^(e+1); hence the
// lower bounds one power above the guards'. Where bounds on the operands
// already keep a value below the band's top, only its bottom is checked, and
// a sum then needs no check at all.
enum : std::uint8_t {
    kBandNone,
    kBandSum,                 // |a +- b| < 2^119
    kBandProduct,             // 2^-100 <= |a * b|, |a / b| <= 2^100
    kBandPower,               // 2^-1000 <= |a|^k <= 2^140
    kBandPowerNegative,       // 2^-140 <= |a|^k <= 2^1000 (before 1 / it)
    kBandProductBottom,       // 2^-100 <= |a * b|
    kBandPowerBottom,         // 2^-1000 <= |a|^k
    kBandPowerNegativeBottom, // 2^-140 <= |a|^k
    kBandInput                // x: finite and below 2^kInputBound
};
// The register form takes x and t below this power of two in magnitude, for
// the bounds above; a block or a t beyond it is evaluated step by step.
constexpr int kInputBound = 32;
constexpr double kBandInfinity = __builtin_inf();
constexpr double kBandLow[] = {0, 0, 0x1p-99, 0x1p-999, 0x1p-139, 0x1p-99, 0x1p-999, 0x1p-139, 0};
constexpr double kBandHigh[] = {0,           0x1p119,       0x1p100,       0x1p140, 0x1p1000,
                                kBandInfinity, kBandInfinity, kBandInfinity, 0x1p32};
static_assert(kBandHigh[kBandInput] == 1ull << kInputBound);

// At most this many checked values, so that the one a value became
// undefined after fits a byte beside "still defined".
constexpr int kMaxChecks = 254;

// What a segment of machine code works on, for the n x values of a block:
// x (doubles or 80-bit values), the values out (last segment), the columns
// of checked values (80-bit x rounded to a double goes into the one after
// the steps'), R, S0 and S1, and t as two doubles.
struct SegmentArgs {
    const void* X;
    long double* Out;
    double* Checks;
    long double* R;
    long double* S0;
    long double* S1;
    const double* T;
    std::int64_t N;
};
using SegmentCode = void (*)(const SegmentArgs*);

}  // namespace registerform

// The machine code of a term's register form: for each segment (numbered by
// the general steps before it) an entry for double x and one for 80-bit x,
// null where a segment has nothing to do. Shared, never changed once made.
struct TRegisterCode {
    std::vector<std::array<registerform::SegmentCode, 2>> Segments;
    void* Memory = nullptr;
    std::size_t Size = 0;

    TRegisterCode() = default;
    TRegisterCode(const TRegisterCode&) = delete;
    TRegisterCode& operator=(const TRegisterCode&) = delete;
    ~TRegisterCode();
};

namespace registerform {

// Machine code for the register form of kopf, or null where none can be
// made (the plain path, or no executable memory).
std::shared_ptr<const TRegisterCode> MakeRegisterCode(const TFunktionsKopf& kopf);

}  // namespace registerform
