#include "engine/funk.h"
#include "engine/funk_register.h"
#include "engine/funktion.h"
#include "engine/runden.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <optional>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <type_traits>
#include <typeinfo>

#if TESSAPLUN_X87_EVALUATOR
#include <emmintrin.h>
#endif

// Only a release build of the x87 path tells the compiler that no other
// step exists, which spares a range test on every dispatch; debug and
// sanitizer builds, and the plain path, check it.
#if TESSAPLUN_X87_EVALUATOR && defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
#define TESSAPLUN_STEP_CHECKED 0
#else
#define TESSAPLUN_STEP_CHECKED 1
#endif

namespace {

using namespace registerform;

constexpr long double kPi = 3.14159265358979323846264338327950288L;
constexpr long double kPiHalbe = kPi / 2;
constexpr long double kLn10 = 2.30258509299404568401799145468436421L;
constexpr long double kGross = 1e37L;   // bound of sums, differences, products
constexpr long double kKlein = 1e-37L;  // smallest non-zero product or quotient
constexpr long double kZwei63 = 9223372036854775808.0L;  // 2^63

// Fast paths of the guards. The result is computed first; when it lies in
// a band where the exact test cannot fail, it is taken at once, which spares
// the 80-bit constants (slow to load) and most comparisons. Outside the band
// the exact test decides. The bounds are powers of two, which load as short
// constants.
constexpr float kSumFrei = 0x1p119f;      // |a +- b| below 6.6e35: far inside 1e37
constexpr float kProdHoch = 0x1p100f;     // 1.3e30 >= |a * b|, |a / b| >= 7.9e-31:
constexpr float kProdTief = 0x1p-100f;    //   far inside 1e-37 .. 1e37
constexpr double kPotenzHoch = 0x1p140;   // e^97: below e^100
constexpr double kPotenzTief = 0x1p-1000; // e^-693: above e^-800

// Deeper bracket nesting would only exhaust the stack; no school term needs it.
constexpr int kMaxTiefe = 500;

// Steps besides the functions, which use their function codes.
enum : std::uint8_t {
    OpPow = 40,
    OpPowIntExp,    // constant exponent that is an integer 1..64 in magnitude
    OpPowConstBase, // constant non-zero base, ln|base| precomputed
    OpSave,         // Work[C] := running value
    OpSaveReg,      // saved register := running value
    // + - * / come in one variant per pair of operand classes, so that the
    // evaluator fetches each operand without testing where it lies
    // (ArithStep numbers them).
    OpArith = 64
};
static_assert(int{OpPow} > int{FunctionCode::Last});

// Operand classes of the arithmetic variants. Only a first operand can be a
// saved value: whatever is saved is older than the step's second operand.
// A constant that a double holds exactly is read from the step itself (at
// most one per step).
constexpr int kClassRunning = 0, kClassX = 1, kClassT = 2, kClassMemory = 3, kClassSaved = 4,
              kClassShort = 5;
constexpr int kClassCount = 6;

// The step of "+", "-", "*" or "/" (an OperatorCode) for the operand classes.
constexpr int ArithStep(int operatorCode, int classA, int classB)
{
    return OpArith + kClassCount * kClassCount * (operatorCode - OperatorCode::Plus) +
           kClassCount * classA + classB;
}
static_assert(ArithStep(OperatorCode::Divide, kClassShort, kClassShort) <= 255);

// Parameter indices that have registers of their own.
constexpr int kIndexX = 1, kIndexT = 2;

int OperandClass(std::uint8_t source)
{
    switch (source) {
    case TTermStep::FromRunning: return kClassRunning;
    case TTermStep::FromX: return kClassX;
    case TTermStep::FromT: return kClassT;
    case TTermStep::FromSaved: return kClassSaved;
    default: return kClassMemory;
    }
}

static_assert(std::size(FunctionKeywords) == 42);

bool IsNonSmooth(int code)
{
    switch (code) {
    case FunctionCode::Abs:
    case FunctionCode::Round:
    case FunctionCode::Trunc:
    case FunctionCode::Floor:
    case FunctionCode::Sign:
    case FunctionCode::Heaviside: return true;
    default: return false;
    }
}

// Plain ASCII tests: terms may hold UTF-8 bytes, which must simply not match.
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentChar(char c) { return IsLetter(c) || IsDigit(c) || c == '\''; }

int DigitValue(char c) { return c - '0'; }

// 10^n by n multiplications (the parser lets no n past 36 through).
long double PowerOfTen(int n)
{
    long double r = 1.0L;
    for (int i = 0; i < n; ++i) r *= 10;
    return r;
}

class Compiler {
public:
    Compiler(TFunktionsKopf& kopf, std::string& text) : kopf_(kopf), s_(text) {}

    bool ok = true;
    bool nonSmooth = false;
    std::optional<std::size_t> bracketErrorPos;  // where the first bracket went wrong
    std::size_t pos = 0;

    void ParseHeader();
    void ParseExpression(std::int32_t& node);

private:
    TFunktionsKopf& kopf_;
    std::string& s_;  // ends with the end mark "$"
    int depth_ = 0;
    bool commasReplaced_ = false;

    char Peek() const { return pos < s_.size() ? s_[pos] : '\0'; }
    void Fail() { ok = false; }

    std::int32_t NewNode(const TKnoten& k)
    {
        kopf_.Nodes.push_back(k);
        return static_cast<std::int32_t>(kopf_.Nodes.size() - 1);
    }
    // A function (argument in left) or an operator node.
    std::int32_t NewInner(std::uint8_t kind, int code, std::int32_t left, std::int32_t right = -1)
    {
        TKnoten k;
        k.Kind = kind;
        k.Code = code;
        k.Left = left;
        k.Right = right;
        return NewNode(k);
    }

    std::string ScanIdentifier();
    void ParseParameterName(int& count);
    void ParseNumber(std::int32_t& node);
    int LookupParameter(const std::string& cut) const;
    void ParseFactor(std::int32_t& node);
    void ParsePower(std::int32_t& node);
    void ParseTerm(std::int32_t& node);
};

std::string Compiler::ScanIdentifier()
{
    const char c = Peek();
    if (!IsLetter(c) && c != '\'') {
        Fail();
        return {};
    }
    const std::size_t start = pos;
    while (IsIdentChar(Peek())) ++pos;
    return s_.substr(start, pos - start);
}

void Compiler::ParseParameterName(int& count)
{
    std::string p = ScanIdentifier();
    if (!ok) return;
    ++count;
    if (count > 6) {  // a seventh parameter
        Fail();
        return;
    }
    p = p.substr(0, 3);
    if (LookupFunctionKeyword(p) != 0) {
        Fail();
        return;
    }
    kopf_.Parameters[static_cast<std::size_t>(count - 1)] = p;
}

// name(p1,...,pn)=
void Compiler::ParseHeader()
{
    std::string name = ScanIdentifier();
    if (!ok) return;
    name = name.substr(0, 6);
    if (LookupFunctionKeyword(name) != 0) {
        Fail();
        return;
    }
    kopf_.Name = name;

    if (Peek() != '(') {
        Fail();
        return;
    }
    ++pos;
    int count = 0;
    ParseParameterName(count);
    if (!ok) return;
    while (Peek() == ',') {
        ++pos;
        ParseParameterName(count);
        if (!ok) return;
    }
    kopf_.Count = static_cast<std::uint8_t>(count);
    if (Peek() != ')') {
        Fail();
        return;
    }
    ++pos;
    if (Peek() != '=') {
        Fail();
        return;
    }
    ++pos;
}

void Compiler::ParseNumber(std::int32_t& node)
{
    if (!ok) return;
    TKnoten k;
    k.Kind = TKnoten::Constant;
    const char first = Peek();
    if (first == 'P' || first == 'p') {
        if (pos + 1 < s_.size() && s_[pos + 1] == 'i') {
            pos += 2;
            k.Value = kPi;
            node = NewNode(k);
        } else {
            Fail();
        }
        return;
    }
    if (!IsDigit(first)) {
        Fail();
        return;
    }
    long double v = 0;
    while (IsDigit(Peek())) v = v * 10 + DigitValue(s_[pos++]);
    if (Peek() == '.') {
        ++pos;
        int fraction = 0;
        while (IsDigit(Peek())) {
            v = v * 10 + DigitValue(s_[pos++]);
            ++fraction;
        }
        for (int i = 0; i < fraction; ++i) v /= 10;
    }
    // A digit string too long for the extended range is refused; scaling an
    // infinite mantissa below would never end.
    if (!std::isfinite(v)) {
        Fail();
        return;
    }
    if (Peek() == 'E') {
        ++pos;
        bool negative = false;
        if (Peek() == '+') {
            ++pos;
        } else if (Peek() == '-') {
            negative = true;
            ++pos;
        }
        if (!IsDigit(Peek())) {
            Fail();
            return;
        }
        // Exponents beyond any sensible size saturate; the range test refuses them.
        long long e = 0;
        while (IsDigit(Peek())) {
            e = std::min(e * 10 + DigitValue(s_[pos++]), 1000000000LL);
        }
        if (negative) e = -e;
        if (v == 0) {
            e = 0;
        } else {
            while (v <= 1) {
                v *= 10;
                --e;
            }
            while (v >= 10) {
                v /= 10;
                ++e;
            }
        }
        if (!(e > -37 && e < 37)) {
            Fail();
            return;
        }
        if (v != 0) {
            if (e < 0)
                v = v / PowerOfTen(static_cast<int>(-e));
            else
                v = v * PowerOfTen(static_cast<int>(e));
        }
    }
    k.Value = v;
    node = NewNode(k);
}

// The last equal name wins, so a repeated parameter name reads the later slot.
int Compiler::LookupParameter(const std::string& cut) const
{
    int found = 0;
    for (int i = 0; i < kopf_.Count; ++i)
        if (kopf_.Parameters[static_cast<std::size_t>(i)] == cut) found = i + 1;
    return found;
}

void Compiler::ParseFactor(std::int32_t& node)
{
    if (!ok) return;
    const char c = Peek();
    if (IsDigit(c) || c == 'P' || c == 'p') {
        ParseNumber(node);
        return;
    }
    if (IsLetter(c)) {
        const std::size_t start = pos;
        const std::string ident = ScanIdentifier();
        const std::string cut = ident.substr(0, 3);
        if (const int index = LookupParameter(cut)) {
            TKnoten k;
            k.Kind = TKnoten::Parameter;
            k.Code = index;
            k.Name = cut;
            node = NewNode(k);
            return;
        }
        if (const int code = LookupFunctionKeyword(ident)) {
            if (IsNonSmooth(code)) nonSmooth = true;
            std::int32_t arg = -1;
            ParseFactor(arg);
            if (!ok) return;
            node = NewInner(TKnoten::Function, code, arg);
            return;
        }
        pos = start;
        Fail();
        return;
    }
    if (c == '(' || c == '[') {
        if (depth_ >= kMaxTiefe) {
            Fail();
            return;
        }
        ++pos;
        ++depth_;
        ParseExpression(node);
        --depth_;
        if (!ok) {
            if (!bracketErrorPos)
                bracketErrorPos = pos;
            return;
        }
        // Any closer matches any opener.
        if (Peek() == ')' || Peek() == ']') {
            ++pos;
        } else {
            Fail();
        }
        return;
    }
    Fail();
}

void Compiler::ParsePower(std::int32_t& node)
{
    ParseFactor(node);
    while (ok && Peek() == '^') {
        ++pos;
        std::int32_t right = -1;
        ParseFactor(right);
        if (!ok) return;
        node = NewInner(TKnoten::Operator, OperatorCode::Power, node, right);
    }
}

void Compiler::ParseTerm(std::int32_t& node)
{
    ParsePower(node);
    while (ok && (Peek() == '*' || Peek() == '/')) {
        const int code = Peek() == '*' ? OperatorCode::Times : OperatorCode::Divide;
        ++pos;
        std::int32_t right = -1;
        ParsePower(right);
        if (!ok) return;
        node = NewInner(TKnoten::Operator, code, node, right);
    }
}

void Compiler::ParseExpression(std::int32_t& node)
{
    if (!ok) return;
    // "," is the decimal point in the body. Text is only ever consumed from
    // the front, so replacing once in the whole rest serves every later call.
    if (!commasReplaced_) {
        for (std::size_t i = pos; i < s_.size(); ++i)
            if (s_[i] == ',') s_[i] = '.';
        commasReplaced_ = true;
    }
    if (Peek() == '+') ++pos;
    if (Peek() == '-') {
        ++pos;
        std::int32_t arg = -1;
        ParseTerm(arg);
        if (!ok) return;
        node = NewInner(TKnoten::Function, FunctionCode::Negate, arg);
    } else {
        ParseTerm(node);
    }
    while (ok && (Peek() == '+' || Peek() == '-')) {
        const int code = Peek() == '+' ? OperatorCode::Plus : OperatorCode::Minus;
        ++pos;
        std::int32_t right = -1;
        ParseTerm(right);
        if (!ok) return;
        node = NewInner(TKnoten::Operator, code, node, right);
    }
}

// ---------------------------------------------------------------------------
// Flattening

// |v| where it is a whole number from 1 to 64, else 0.
int WholeSmallExponent(long double v)
{
    const long double m = std::fabs(v);
    if (!(m >= 1 && m <= 64)) return 0;
    const int i = static_cast<int>(m);
    return static_cast<long double>(i) == m ? i : 0;
}

// Builds the step list of a successfully parsed tree without recursion, so a
// long chain like x+x+...+x cannot exhaust the stack. Nodes come out in
// post-order (left operand, right operand, node), the order of evaluation;
// root is the tree's root in kopf.Nodes.
void Flatten(TFunktionsKopf& kopf, std::int32_t root)
{
    const std::vector<TKnoten>& nodes = kopf.Nodes;
    constexpr std::int32_t kConstBase = 6;
    std::vector<long double> constants;
    std::vector<TTermStep> steps;
    std::uint8_t used = 0;

    // The operand stack of the walk. At most one entry is the running value,
    // and it is always the newest computed one.
    struct Operand {
        std::uint8_t source;
        std::int32_t slot;  // for FromWork: constants from kConstBase, saved
                            // values as -(stack position + 1) until fixed up
    };
    std::vector<Operand> operands;
    std::size_t savedSlots = 0;

    auto addConstant = [&](long double v) {
        constants.push_back(v);
        return kConstBase + static_cast<std::int32_t>(constants.size() - 1);
    };
    // Before a step overwrites the running value, save it if an entry below
    // the step's operands still refers to it: into the saved register while
    // no other entry holds it (a store to memory and the load soon after cost
    // more than the step itself), else into a Work slot.
    auto saveRunningBelow = [&](std::size_t below) {
        for (std::size_t i = 0; i < below; ++i) {
            if (operands[i].source == TTermStep::FromRunning) {
                const bool registerFree =
                    std::none_of(operands.begin(), operands.end(),
                                 [](const Operand& o) { return o.source == TTermStep::FromSaved; });
                TTermStep save;
                if (registerFree) {
                    save.Op = OpSaveReg;
                    steps.push_back(save);
                    operands[i] = {TTermStep::FromSaved, 0};
                    continue;
                }
                save.Op = OpSave;
                save.C = -static_cast<std::int32_t>(i) - 1;
                steps.push_back(save);
                operands[i] = {TTermStep::FromWork, save.C};
                savedSlots = std::max(savedSlots, i + 1);
            }
        }
    };

    struct Visit {
        std::int32_t node;
        bool childrenDone;
    };
    std::vector<Visit> todo;
    todo.push_back({root, false});
    while (!todo.empty()) {
        const Visit v = todo.back();
        todo.pop_back();
        const TKnoten& k = nodes[static_cast<std::size_t>(v.node)];
        if (k.Kind == TKnoten::Parameter) {
            const std::uint8_t source = k.Code == kIndexX   ? TTermStep::FromX
                                        : k.Code == kIndexT ? TTermStep::FromT
                                                            : TTermStep::FromParameter;
            operands.push_back({source, k.Code - 1});
            used = static_cast<std::uint8_t>(used | (1u << (k.Code - 1)));
            continue;
        }
        if (k.Kind == TKnoten::Constant) {
            operands.push_back({TTermStep::FromWork, addConstant(k.Value)});
            continue;
        }
        if (!v.childrenDone) {
            todo.push_back({v.node, true});
            if (k.Kind == TKnoten::Operator) todo.push_back({k.Right, false});
            todo.push_back({k.Left, false});
            continue;
        }
        TTermStep st;
        // Saving first, while the step's own operands are still on the stack,
        // keeps the saved register from being given away under them.
        if (k.Kind == TKnoten::Function) {
            saveRunningBelow(operands.size() - 1);
            const Operand a = operands.back();
            operands.pop_back();
            st.Op = static_cast<std::uint8_t>(k.Code);
            st.ASource = a.source;
            st.A = a.slot;
        } else {
            saveRunningBelow(operands.size() - 2);
            const Operand b = operands.back();
            operands.pop_back();
            const Operand a = operands.back();
            operands.pop_back();
            st.ASource = a.source;
            st.A = a.slot;
            st.BSource = b.source;
            st.B = b.slot;
            switch (k.Code) {
            case OperatorCode::Plus:
            case OperatorCode::Minus:
            case OperatorCode::Times:
            case OperatorCode::Divide: {
                int ca = OperandClass(a.source), cb = OperandClass(b.source);
                // Only constants, never saved values, lie in Work from kConstBase on
                // while flattening (saved slots are still negative).
                auto shortConstant = [&](const Operand& o) {
                    if (o.source != TTermStep::FromWork || o.slot < kConstBase) return false;
                    const long double v = constants[static_cast<std::size_t>(o.slot - kConstBase)];
                    if (static_cast<long double>(static_cast<double>(v)) != v) return false;
                    st.Short = static_cast<double>(v);
                    return true;
                };
                if (shortConstant(b))
                    cb = kClassShort;
                else if (shortConstant(a))
                    ca = kClassShort;
                st.Op = static_cast<std::uint8_t>(ArithStep(k.Code, ca, cb));
                break;
            }
            default: {  // OperatorCode::Power
                st.Op = OpPow;
                const TKnoten& base = nodes[static_cast<std::size_t>(k.Left)];
                const TKnoten& expo = nodes[static_cast<std::size_t>(k.Right)];
                const int whole = expo.Kind == TKnoten::Constant ? WholeSmallExponent(expo.Value) : 0;
                if (whole > 0) {
                    st.Op = OpPowIntExp;
                    st.K = static_cast<std::uint8_t>(whole);
                    st.NegativeExp = expo.Value < 0;
                } else if (base.Kind == TKnoten::Constant && base.Value != 0) {
                    st.Op = OpPowConstBase;
                    st.C = addConstant(std::log(std::fabs(base.Value)));
                }
            }
            }
        }
        steps.push_back(st);
        operands.push_back({TTermStep::FromRunning, 0});
    }

    const std::int32_t savedBase = kConstBase + static_cast<std::int32_t>(constants.size());
    auto fix = [&](std::uint8_t source, std::int32_t slot) {
        return source == TTermStep::FromWork && slot < 0 ? savedBase + (-slot - 1) : slot;
    };
    for (TTermStep& st : steps) {
        st.A = fix(st.ASource, st.A);
        st.B = fix(st.BSource, st.B);
        if (st.Op == OpSave) st.C = fix(TTermStep::FromWork, st.C);
    }
    kopf.Steps = std::move(steps);
    kopf.ResultSource = operands.back().source;
    kopf.ResultSlot = fix(operands.back().source, operands.back().slot);
    kopf.UsedParameters = used;
    kopf.SavedBase = savedBase;
    kopf.Work.assign(static_cast<std::size_t>(savedBase) + savedSlots, 0.0L);
    for (std::size_t i = 0; i < constants.size(); ++i)
        kopf.Work[static_cast<std::size_t>(kConstBase) + i] = constants[i];
}

// ---------------------------------------------------------------------------
// Evaluation

// Integer part towards 0 for |x| < 2^63, without a library call.
inline long double TruncSmall(long double x)
{
    const long double ax = std::fabs(x);
    long double r = RoundHalfEven(ax);
    if (r > ax) r -= 1;
    return x < 0 ? -r : r;
}

// The square root of x >= 0. On the x87 path by the instruction itself: the
// library call would pass the 80-bit argument through memory and give the
// same result, the correctly rounded root.
inline long double SqrtNonNegative(long double x)
{
#if TESSAPLUN_X87_EVALUATOR
    asm("fsqrt" : "+t"(x));
    return x;
#else
    return std::sqrt(x);
#endif
}

inline bool IsOdd(long double whole) { return std::fmod(whole, 2.0L) != 0; }

inline long double WholePower(long double base, unsigned k)
{
    long double r = 1;
    for (;;) {
        if (k & 1u) r *= base;
        k >>= 1;
        if (k == 0) return r;
        base *= base;
    }
}

// The helpers below are forced inline: a long double argument of a real call
// travels through memory, which costs more than most of the steps themselves.

inline bool PowGuardFails(long double t) { return t <= -800 || t >= 100; }

// a^k for a whole exponent 1 <= k <= 64 (negative when negExp), by
// multiplication; undefined exactly where e^(b ln|a|) would be.
[[gnu::always_inline]] inline long double PowWhole(long double a, unsigned k, bool negExp, bool& good)
{
    const long double aa = std::fabs(a);
    long double r = k == 2 ? aa * aa : WholePower(aa, k);
    // |a|^k inside the band means -800 < k ln|a| < 100 (or the same for -k).
    const bool inBand = negExp ? r >= 1 / kPotenzHoch && r <= 1 / kPotenzTief
                               : r >= kPotenzTief && r <= kPotenzHoch;
    if (!inBand) {
        if (a == 0) {
            if (!negExp) return 0;
            good = false;
            return 0;
        }
        const long double b = negExp ? -static_cast<long double>(k) : static_cast<long double>(k);
        if (PowGuardFails(b * std::log(aa))) {
            good = false;
            return 0;
        }
    }
    if (negExp) r = 1 / r;
    return (a < 0 && (k & 1u)) ? -r : r;
}

// The power rule after the guard has passed with t = b ln|a|, for exponents
// that are not whole numbers of at most 64.
[[gnu::always_inline]] inline long double PowByExp(long double a, long double b, long double t, bool& good)
{
    const long double bb = std::fabs(b);
    const long double k = RoundHalfEven(bb);
    if (k >= 1 && std::fabs(bb - k) < 1e-8L) {
        const long double r = std::exp(t);
        return (a < 0 && IsOdd(k)) ? -r : r;
    }
    if (a > 0) return std::exp(t);
    good = false;
    return 0;
}

[[gnu::always_inline]] inline long double PowGeneral(long double a, long double b, bool& good)
{
    if (a == 0) {
        if (b > 0) return 0;
        good = false;
        return 0;
    }
    const long double bb = std::fabs(b);
    if (bb >= 1 && bb <= 64 && RoundHalfEven(bb) == bb)
        return PowWhole(a, static_cast<unsigned>(bb), b < 0, good);
    const long double t = b * std::log(std::fabs(a));
    if (PowGuardFails(t)) {
        good = false;
        return 0;
    }
    return PowByExp(a, b, t, good);
}

[[gnu::always_inline]] inline long double PowConstBase(long double a, long double lnA, long double b, bool& good)
{
    const long double t = b * lnA;
    if (PowGuardFails(t)) {
        good = false;
        return 0;
    }
    const long double bb = std::fabs(b);
    if (bb >= 1 && bb <= 64 && RoundHalfEven(bb) == bb) {
        long double r = WholePower(std::fabs(a), static_cast<unsigned>(bb));
        if (b < 0) r = 1 / r;
        return (a < 0 && IsOdd(bb)) ? -r : r;
    }
    return PowByExp(a, b, t, good);
}

[[gnu::always_inline]] inline long double Add(long double a, long double b, bool& good)
{
    const long double r = a + b;
    if (std::fabs(r) < kSumFrei) return r;
    // Same signs (0 counting as not positive) need 1e37 - |a| > |b|.
    if ((a > 0) == (b > 0) && !(kGross - std::fabs(a) > std::fabs(b))) {
        good = false;
        return 0;
    }
    return r;
}

[[gnu::always_inline]] inline long double Subtract(long double a, long double b, bool& good)
{
    const long double r = a - b;
    if (std::fabs(r) < kSumFrei) return r;
    // Exactly one positive operand needs 1e37 - |a| > |b|.
    if ((a > 0) != (b > 0) && !(kGross - std::fabs(a) > std::fabs(b))) {
        good = false;
        return 0;
    }
    return r;
}

[[gnu::always_inline]] inline long double Multiply(long double a, long double b, bool& good)
{
    const long double r = a * b;
    if (std::fabs(r) >= kProdTief && std::fabs(r) <= kProdHoch) return r;
    if (b == 0 || a == 0) return 0;
    const long double aa = std::fabs(a);
    const long double ab = std::fabs(b);
    const bool fails = ab > 1 ? !(aa < kGross / ab) : !(aa > kKlein / ab);
    if (fails) {
        good = false;
        return 0;
    }
    return r;
}

[[gnu::always_inline]] inline long double Divide(long double a, long double b, bool& good)
{
    // A zero divisor gives an infinite or NaN quotient here, which is outside
    // the band and then refused below.
    const long double r = a / b;
    if (std::fabs(r) >= kProdTief && std::fabs(r) <= kProdHoch) return r;
    if (b == 0) {
        good = false;
        return 0;
    }
    if (a == 0) return 0;
    const long double aa = std::fabs(a);
    const long double ab = std::fabs(b);
    if (ab > 1) {
        if (!(aa > ab * kKlein)) {
            good = false;
            return 0;
        }
    } else if (!(aa < ab * kGross)) {
        good = false;
        return 0;
    }
    return r;
}

[[gnu::always_inline]] inline long double EvalFunction(int code, long double x, bool& good, bool& jump)
{
    const long double ax = std::fabs(x);
    long double r = 0;
    bool def = true;
    switch (code) {
    case FunctionCode::Abs: r = ax; break;
    case FunctionCode::Sqr: def = ax < 1e19L; if (def) r = x * x; break;
    case FunctionCode::Round: def = ax < 2147483647.0L; if (def) r = RoundHalfEven(x); break;
    case FunctionCode::Trunc: def = ax < 2147483647.0L; if (def) r = TruncSmall(x); break;
    case FunctionCode::Sqrt: def = x >= 0; if (def) r = SqrtNonNegative(x); break;
    case FunctionCode::Sin: def = ax < 1e8L; if (def) r = std::sin(x); break;
    case FunctionCode::Cos: def = ax < 1e8L; if (def) r = std::cos(x); break;
    case FunctionCode::ArcTan: def = ax < 1e8L; if (def) r = std::atan(x); break;
    case FunctionCode::Exp: def = x > -500 && x < 100; if (def) r = std::exp(x); break;
    case FunctionCode::Ln: def = x > 0; if (def) r = std::log(x); break;
    case FunctionCode::Log: def = x > 0; if (def) r = std::log(x) / kLn10; break;
    case FunctionCode::Negate: r = x * -1; break;
    case FunctionCode::Tan:
        def = ax < 1e8L;
        if (def) {
            const long double c = std::cos(x);
            def = c != 0;
            if (def) r = std::sin(x) / c;
        }
        break;
    case FunctionCode::ArcSin: def = ax < 1; if (def) r = std::atan(x / std::sqrt(1 - x * x)); break;
    case FunctionCode::Cot:
        def = ax < 1e8L;
        if (def) {
            const long double s = std::sin(x);
            def = s != 0;
            if (def) r = std::cos(x) / s;
        }
        break;
    case FunctionCode::Sinh: def = ax < 11355; if (def) r = (std::exp(x) - std::exp(-x)) / 2; break;
    case FunctionCode::Cosh: def = ax < 11355; if (def) r = (std::exp(-x) + std::exp(x)) / 2; break;
    case FunctionCode::ArSinh:
        def = x < 1e2465L;
        if (def) {
            const long double s = std::sqrt(x * x + 1) + x;
            def = s > 0;
            if (def) r = std::log(s);
        }
        break;
    case FunctionCode::ArCosh:
        def = x < 1e2465L && x > 1;
        if (def) {
            const long double s = std::sqrt(x * x - 1) + x;
            def = s > 0;
            if (def) r = std::log(s);
        }
        break;
    case FunctionCode::ArTanh: def = ax < 1; if (def) r = std::log((x + 1) / (1 - x)) / 2; break;
    case FunctionCode::ArCoth: def = ax > 1; if (def) r = std::log((x + 1) / (x - 1)) / 2; break;
    case FunctionCode::Tanh:
        def = ax < 11355;
        if (def) {
            const long double ep = std::exp(x), em = std::exp(-x);
            r = (ep - em) / (ep + em);
        }
        break;
    case FunctionCode::Coth:
        def = ax < 11355 && x != 0;
        if (def) {
            const long double ep = std::exp(x), em = std::exp(-x);
            r = (ep + em) / (ep - em);
        }
        break;
    case FunctionCode::ArcCos: def = ax < 1; if (def) r = kPiHalbe - std::atan(x / std::sqrt(1 - x * x)); break;
    case FunctionCode::ArcCot: def = ax < 1e8L; if (def) r = kPiHalbe - std::atan(x); break;
    case FunctionCode::Floor:
        // The integer part of values from 2^63 on does not fit 64 bits.
        def = ax < kZwei63;
        if (def) {
            const long double n = TruncSmall(x);
            r = (x >= 0 || std::fabs(n - x) < 1e-17L) ? n : n - 1;
        }
        break;
    case FunctionCode::Sign:
        if (x > 1e-8L) {
            r = 1;
        } else if (x < -1e-8L) {
            r = -1;
        } else {
            r = 0;
            jump = true;
        }
        break;
    case FunctionCode::Heaviside: r = x > 0 ? 1 : 0; break;
    default: def = false; break;
    }
    // The formulas as written can still overflow (coth near 0, arsinh of a
    // huge negative argument); such a value is undefined, not infinite.
    // r - r is 0 exactly for finite r and NaN otherwise.
    if (!def || !(r - r == 0)) {
        good = false;
        return 0;
    }
    return r;
}


// ---------------------------------------------------------------------------
// Register form
//
// Column evaluation runs each step over a block of x values, which keeps
// every intermediate value of a term in memory: each step stores a column
// and the next loads it again, and 80-bit loads and stores cost more than
// the arithmetic. The register form runs a term x by x instead, with the
// running value, the saved values and x in registers: on the x87 path as
// machine code made for the term (funk_register_x87.cpp), else by the
// interpreter below. It has no guards inline: + - * / and whole powers
// compute the value that their guard's fast band lets through and store it
// rounded to a double; the block's stored values are checked against the
// bands afterwards (funk_register.h tells why a double may stand for the
// value). Where a value of a block lay outside, the block is evaluated step
// by step again, so every value, defined flag and jump flag is the one of
// the step list. Abs, negation and the square root of a value that cannot be
// negative run inline; the other functions and the general powers run with
// their guards over the block's columns, between segments of register steps.
//
// Bounds on the operands leave out the checks that others imply: x and t
// below 2^32 (a block or a t beyond that takes the step list), a checked
// value below its band's top.
//
// Where a value is undefined already, its later values reach nobody, so a
// value outside its band there needs no second evaluation; sign alone looks
// at such values (its jump flag), so with a sign in the term it does.
//
// Constant parts are computed once when the form is built, with the same
// helpers; a constant part that is undefined or meets sign's jump leaves the
// term without a register form.

// Registers as bits: what a general step reads, and which saved registers
// a step reads and writes.
constexpr unsigned PlaceBit(std::uint8_t place)
{
    return place == kPlaceR ? kKeepR : place == kPlaceS0 ? kKeepS0 : place == kPlaceS1 ? kKeepS1 : 0;
}
unsigned GeneralReads(const TRegisterStep& st)
{
    return (st.Op == RegSlowPowerConstBase ? 0 : PlaceBit(st.A)) |
           (st.Op == RegSlowFunction ? 0 : PlaceBit(st.B));
}
unsigned SavedReads(const TRegisterStep& st)
{
    const unsigned saved = kKeepS0 | kKeepS1;
    if (st.Op >= RegArith) {
        const int index = (st.Op - RegArith) % (kPlaces * kPlaces);
        return (PlaceBit(static_cast<std::uint8_t>(index / kPlaces)) | PlaceBit(static_cast<std::uint8_t>(index % kPlaces))) &
               saved;
    }
    if (st.Op < RegSave0)
        return PlaceBit(static_cast<std::uint8_t>(st.Op - RegLoad)) & saved;
    return IsGeneralStep(st.Op) ? GeneralReads(st) & saved : 0;
}
unsigned SavedWrites(const TRegisterStep& st)
{
    return st.Op == RegSave0 ? kKeepS0 : st.Op == RegSave1 ? kKeepS1 : 0;
}

static_assert(kSumFrei == kBandHigh[kBandSum] && kProdHoch == kBandHigh[kBandProduct] &&
              kProdTief == kBandLow[kBandProduct] / 2 && kPotenzHoch == kBandHigh[kBandPower] &&
              kPotenzTief == kBandLow[kBandPower] / 2);

// Builds kopf.RegisterSteps from kopf.Steps; leaves it empty where the term
// has no register form.
void BuildRegisterForm(TFunktionsKopf& kopf)
{
    // CompileTerm has cleared the steps and the code; the other fields
    // count only where there are steps.
    if (kopf.ResultSlot < 0)
        return;

    // What a register or operand holds while building: a constant, or a
    // value of each x in one of the places.
    struct Value {
        bool constant = true;
        long double v = 0;
        std::uint8_t place = kPlaceR;
        bool nonNegative = false;  // a value of each x known to be >= 0
    };
    const auto nonNegative = [](const Value& a) { return a.constant ? a.v >= 0 : a.nonNegative; };
    constexpr int R = 0, S0 = 1, S1 = 2;
    Value reg[3];  // a saved register is read only after a save
    std::vector<TRegisterStep> out;
    bool sign = false;
    bool ok = true;
    std::int32_t s1Slot = -1;  // the Work slot S1 stands for

    const auto operand = [&](std::uint8_t source, std::int32_t slot) -> Value {
        switch (source) {
        case TTermStep::FromRunning: return reg[R];
        case TTermStep::FromSaved: return reg[S0];
        case TTermStep::FromX: return {false, 0, kPlaceX};
        case TTermStep::FromT: return {false, 0, kPlaceT};
        case TTermStep::FromParameter: return {true, 0, kPlaceShort};  // parameters 3 to 6 are 0 in columns
        default:
            if (slot < kopf.SavedBase)
                return {true, kopf.Work[static_cast<std::size_t>(slot)], kPlaceShort};
            if (slot == s1Slot)
                return reg[S1];
            ok = false;  // more saved values than registers
            return {};
        }
    };
    // Puts a constant into the step; false when the two doubles cannot hold it.
    const auto constant = [](long double v, double& c, double& rest, std::uint8_t& place) {
        c = static_cast<double>(v);
        rest = static_cast<double>(static_cast<long double>(c) - v);
        const long double back = static_cast<long double>(c) - rest;
        place = rest == 0 ? kPlaceShort : kPlaceLong;
        return std::memcmp(&back, &v, 10) == 0;
    };
    // A step with operand a, whose constant (if any) goes into C.
    const auto place = [&](const Value& a, TRegisterStep& st) {
        if (!a.constant)
            return a.place;
        std::uint8_t p = kPlaceShort;
        if (!constant(a.v, st.C, st.CRest, p))
            ok = false;
        return p;
    };
    // The operand of a step that reads it only from R or X: one in another
    // place is loaded into R first, which the step overwrites anyway.
    const auto intoRorX = [&](const Value& a) -> std::uint8_t {
        if (a.place == kPlaceR || a.place == kPlaceX)
            return a.place;
        TRegisterStep load;
        load.Op = static_cast<std::uint8_t>(RegLoad + a.place);
        out.push_back(load);
        return kPlaceR;
    };
    const auto dynamicR = [&](bool nonNegativeValue = false) { reg[R] = {false, 0, kPlaceR, nonNegativeValue}; };
    const auto constantR = [&](long double v, bool good) {
        reg[R] = {true, v, kPlaceR};
        if (!good)
            ok = false;
    };

    for (const TTermStep& st : kopf.Steps) {
        if (!ok)
            break;
        TRegisterStep r;
        if (st.Op >= OpArith) {
            const int opCode = (st.Op - OpArith) / (kClassCount * kClassCount) + OperatorCode::Plus;
            const Value a = operand(st.ASource, st.A);
            const Value b = operand(st.BSource, st.B);
            if (a.constant && b.constant) {
                bool good = true;
                long double v = 0;
                switch (opCode) {
                case OperatorCode::Plus: v = Add(a.v, b.v, good); break;
                case OperatorCode::Minus: v = Subtract(a.v, b.v, good); break;
                case OperatorCode::Times: v = Multiply(a.v, b.v, good); break;
                default: v = Divide(a.v, b.v, good); break;
                }
                constantR(v, good);
                continue;
            }
            const std::uint8_t pa = place(a, r), pb = place(b, r);
            r.Op = static_cast<std::uint8_t>(RegArithStep(opCode, pa, pb));
            out.push_back(r);
            // A sum, product or quotient of values >= 0 is >= 0, and so is a
            // value times itself.
            dynamicR((opCode != OperatorCode::Minus && nonNegative(a) && nonNegative(b)) ||
                     (opCode == OperatorCode::Times && !a.constant && !b.constant && pa == pb));
            continue;
        }
        switch (st.Op) {
        case OpSaveReg:
        case OpSave: {
            const int to = st.Op == OpSaveReg ? S0 : S1;
            // S1 stands for one Work slot; a term that saves into two has
            // no register form.
            if (st.Op == OpSave) {
                if (s1Slot < 0)
                    s1Slot = st.C;
                if (st.C != s1Slot) {
                    ok = false;
                    break;
                }
            }
            reg[to] = reg[R];
            if (!reg[R].constant) {
                reg[to].place = to == S0 ? kPlaceS0 : kPlaceS1;
                r.Op = to == S0 ? RegSave0 : RegSave1;
                out.push_back(r);
            }
            break;
        }
        case OpPowIntExp:
        case OpPow: {
            const Value a = operand(st.ASource, st.A);
            unsigned k = st.K;
            bool negative = st.NegativeExp;
            if (st.Op == OpPow) {
                const Value b = operand(st.BSource, st.B);
                if (a.constant && b.constant) {
                    bool good = true;
                    const long double v = PowGeneral(a.v, b.v, good);
                    constantR(v, good);
                    break;
                }
                // A constant whole exponent up to 64 is multiplied out, for
                // a zero base too (0 or undefined, as the general rule says).
                const long double bb = std::fabs(b.v);
                if (!b.constant || !(bb >= 1 && bb <= 64 && RoundHalfEven(bb) == bb)) {
                    r.A = place(a, r);
                    r.B = place(b, r);
                    r.Op = RegSlowPower;
                    out.push_back(r);
                    dynamicR();
                    break;
                }
                k = static_cast<unsigned>(bb);
                negative = b.v < 0;
            } else if (a.constant) {
                bool good = true;
                const long double v = PowWhole(a.v, k, negative, good);
                constantR(v, good);
                break;
            }
            const std::uint8_t from = intoRorX(a);
            const int form = negative ? RegPowerNegative : k == 2 ? RegSquare : RegPower;
            r.Op = static_cast<std::uint8_t>(form + (from == kPlaceX ? 1 : 0));
            r.K = static_cast<std::uint8_t>(k);
            out.push_back(r);
            dynamicR(k % 2 == 0 || nonNegative(a));
            break;
        }
        case OpPowConstBase: {
            const Value a = operand(st.ASource, st.A);
            const Value b = operand(st.BSource, st.B);
            const long double lnA = kopf.Work[static_cast<std::size_t>(st.C)];
            if (b.constant) {
                bool good = true;
                const long double v = PowConstBase(a.v, lnA, b.v, good);
                constantR(v, good);
                break;
            }
            std::uint8_t unused;
            r.B = place(b, r);
            if (!constant(a.v, r.C, r.CRest, unused) || !constant(lnA, r.D, r.DRest, unused))
                ok = false;
            r.Op = RegSlowPowerConstBase;
            out.push_back(r);
            dynamicR(a.v > 0);  // e^(b ln a)
            break;
        }
        default: {  // a function
            const Value a = operand(st.ASource, st.A);
            if (a.constant) {
                bool good = true, jump = false;
                const long double v = EvalFunction(st.Op, a.v, good, jump);
                constantR(v, good && !jump);
                break;
            }
            sign = sign || st.Op == FunctionCode::Sign;
            const auto cheap = std::find(std::begin(kCheapFunctions), std::end(kCheapFunctions), st.Op);
            // A square root is inline where its argument cannot be negative.
            if (cheap != std::end(kCheapFunctions) && (st.Op != FunctionCode::Sqrt || nonNegative(a))) {
                const std::uint8_t from = intoRorX(a);
                r.Op = static_cast<std::uint8_t>(RegFunction + 2 * (cheap - std::begin(kCheapFunctions)) +
                                                 (from == kPlaceX ? 1 : 0));
            } else {
                r.Op = RegSlowFunction;
                r.K = st.Op;
                r.A = a.place;
            }
            out.push_back(r);
            switch (st.Op) {
            case FunctionCode::Abs:
            case FunctionCode::Sqr:
            case FunctionCode::Sqrt:
            case FunctionCode::Exp:
            case FunctionCode::Cosh:
            case FunctionCode::Heaviside: dynamicR(true); break;
            default: dynamicR(); break;
            }
            break;
        }
        }
    }
    if (!ok)
        return;
    // The result ends in R.
    const Value result = operand(kopf.ResultSource, kopf.ResultSlot);
    if (result.constant || result.place != kPlaceR) {
        TRegisterStep load;
        load.Op = static_cast<std::uint8_t>(RegLoad + place(result, load));
        out.push_back(load);
    }
    if (!ok)
        return;
    // What each value needs checked, from bounds on the operands: |v| < 2^b
    // for the bound b of each register (x and t below 2^kInputBound, which
    // the caller makes sure of, a checked value below its band's top, a
    // function's value unbounded). A sum of values below 2^117 stays below
    // 2^119 even rounded, a product of values below 2^p and 2^q below
    // 2^(p+q), a power's similarly; such values need only their bottom
    // checked, sums nothing.
    constexpr int kUnbounded = 1 << 20;
    const auto boundOf = [&](std::uint8_t place, const TRegisterStep& st, const int (&reg)[3]) {
        switch (place) {
        case kPlaceR: return reg[0];
        case kPlaceS0: return reg[1];
        case kPlaceS1: return reg[2];
        case kPlaceX:
        case kPlaceT: return kInputBound;
        default: {
            const long double v = place == kPlaceShort ? static_cast<long double>(st.C)
                                                       : static_cast<long double>(st.C) - st.CRest;
            int e = 0;
            std::frexp(v, &e);  // |v| < 2^e
            return v == 0 ? -kUnbounded : e;
        }
        }
    };
    int bound[3] = {kUnbounded, kUnbounded, kUnbounded};  // R, S0, S1
    // The checked values, numbered in step order, and for each function the
    // number of those before it.
    int checks = 0;
    for (TRegisterStep& st : out) {
        if (st.Op >= RegArith) {
            const int index = st.Op - RegArith;
            const int opCode = index / (kPlaces * kPlaces) + OperatorCode::Plus;
            const int a = boundOf(static_cast<std::uint8_t>(index / kPlaces % kPlaces), st, bound);
            const int b = boundOf(static_cast<std::uint8_t>(index % kPlaces), st, bound);
            if (opCode <= OperatorCode::Minus) {
                const int sum = std::max(a, b) + 1;  // |a +- b| <= 2^sum, rounded too
                st.Band = sum < 119 ? kBandNone : kBandSum;
                bound[0] = std::min(sum + 1, 119);
            } else if (opCode == OperatorCode::Times) {
                st.Band = a + b <= 100 ? kBandProductBottom : kBandProduct;
                bound[0] = std::min(a + b + 1, 101);
            } else {
                st.Band = kBandProduct;
                bound[0] = 101;
            }
        } else if (st.Op >= RegSquare && st.Op < RegFunction) {
            const bool negative = st.Op >= RegPowerNegative;
            const int k = st.Op < RegPower ? 2 : st.K;
            const int base = st.Op % 2 == RegSquare % 2 ? bound[0] : kInputBound;
            const int power = base >= kUnbounded / 64 ? kUnbounded : k * base;  // |a|^k <= 2^power
            if (negative) {
                st.Band = power <= 1000 ? kBandPowerNegativeBottom : kBandPowerNegative;
                bound[0] = 141;
            } else {
                st.Band = power <= 140 ? kBandPowerBottom : kBandPower;
                bound[0] = std::min(power + 1, 141);
            }
        } else if (st.Op == RegSave0 || st.Op == RegSave1) {
            bound[st.Op == RegSave0 ? 1 : 2] = bound[0];
        } else if (st.Op < RegSave0) {
            bound[0] = boundOf(static_cast<std::uint8_t>(st.Op - RegLoad), st, bound);
        } else if (IsGeneralStep(st.Op)) {
            bound[0] = kUnbounded;
        } else if (st.Op >= RegFunction) {  // |a|, -a, sqrt a: the bound of a (from R or x), 2 at least for sqrt
            const int a = (st.Op - RegFunction) % 2 == 0 ? bound[0] : kInputBound;
            bound[0] = st.Op >= RegFunction + 4 ? std::max(a, 1) : a;
        }
        if (st.Band != kBandNone || st.Op >= RegFunction)
            st.Guard = static_cast<std::uint8_t>(std::min(checks, kMaxChecks));
        if (st.Band != kBandNone)
            ++checks;
    }
    if (checks > kMaxChecks)
        return;
    // What each general step needs kept in columns around it: the registers
    // it reads, and the saved ones still read after it.
    unsigned live = 0;  // saved registers read later
    for (auto st = out.rbegin(); st != out.rend(); ++st) {
        if (IsGeneralStep(st->Op))
            st->Keep = static_cast<std::uint8_t>(GeneralReads(*st) | live);
        live = (live & ~SavedWrites(*st)) | SavedReads(*st);
    }
    kopf.RegisterSteps = std::move(out);
    kopf.RegisterSign = sign;
    kopf.RegisterChecks = checks;
    kopf.RegisterGeneral = std::any_of(kopf.RegisterSteps.begin(), kopf.RegisterSteps.end(),
                                       [](const TRegisterStep& st) { return IsGeneralStep(st.Op); });
    kopf.RegisterCode = MakeRegisterCode(kopf);
}

}  // namespace

int LookupFunctionKeyword(const std::string& identifier)
{
    std::string upper = identifier;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    for (const TermKeyword& k : FunctionKeywords)
        if (upper == k.Name) return k.Code;
    return 0;
}

void CompileTerm(TFunktionsKopf& kopf, std::string& term, std::int32_t& errorPos,
                 bool& nonSmooth, bool& ok)
{
    std::string stripped;
    stripped.reserve(term.size());
    for (char c : term)
        if (c != ' ') stripped.push_back(c);
    kopf.Text = stripped;
    kopf.Nodes.clear();
    kopf.Steps.clear();
    kopf.RegisterSteps.clear();
    kopf.RegisterCode.reset();
    kopf.ResultSlot = -1;
    kopf.SavedBase = 0;
    kopf.UsedParameters = 0;
    kopf.Name.clear();
    kopf.Parameters = {};
    kopf.Count = 0;
    kopf.Root = -1;

    std::string text = stripped + "$";
    Compiler c(kopf, text);
    errorPos = 0;
    ok = true;
    nonSmooth = false;

    c.ParseHeader();
    std::int32_t root = -1;  // the tree's root in Nodes
    if (c.ok) c.ParseExpression(root);
    if (c.ok) c.ok = c.pos + 1 == text.size() && text[c.pos] == '$';
    ok = c.ok;
    nonSmooth = c.nonSmooth;

    if (ok) {
        kopf.Text = "$";
        term = "$";
        kopf.Root = root;
        Flatten(kopf, root);
        BuildRegisterForm(kopf);
    } else {
        const std::size_t stop = c.bracketErrorPos.value_or(c.pos);
        const std::size_t p = stop + 1;
        errorPos = p > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<std::int32_t>(p);
        term = stripped;
    }
}

namespace {

// The 80-bit format as this file reads it: the 64-bit mantissa in the first
// eight bytes, sign and exponent in the next two.
static_assert(std::endian::native == std::endian::little);

// Whether v is finite, told from its bits, which spares several x87
// operations on every evaluation. Exactly the values for which v - v == 0:
// neither infinite nor NaN, and no unnormal encoding (the explicit integer
// bit clear under a non-zero exponent), which the x87 refuses as an operand.
[[gnu::always_inline]] inline bool IsFiniteOperand(const long double& v)
{
    std::uint64_t mantissa;
    std::uint16_t signExponent;
    std::memcpy(&mantissa, &v, sizeof mantissa);
    std::memcpy(&signExponent, reinterpret_cast<const char*>(&v) + 8, sizeof signExponent);
    const unsigned exponent = signExponent & 0x7FFFu;
    if (exponent == 0) return true;  // zero or (pseudo-)denormal
    return exponent != 0x7FFFu && (mantissa >> 63) != 0;
}

#if TESSAPLUN_STEP_CHECKED
[[noreturn]] void UnknownStep(int op)
{
    std::fprintf(stderr, "term evaluator: step %d was never made by the flattening\n", op);
    std::abort();
}
#endif

// The evaluator proper, inlined into both of its entries below.
[[gnu::always_inline]] inline long double RunSteps(const TFunktionsKopf& kopf, const long double p[6],
                                                   bool& ok, bool& jump)
{
    jump = false;
    ok = true;
    if (kopf.ResultSlot < 0 || kopf.Work.size() < 6) {
        ok = false;
        return 0;
    }
    long double* const w = kopf.Work.data();
    // Parameters are read where the caller keeps them, x and t once into
    // registers; copying 80-bit values costs more than many whole terms.
    const unsigned used = kopf.UsedParameters;
    const long double* pv = p;
    bool good = true;
    bool jmp = false;
    long double x = 0, t = 0;
    if (used & 1u) {
        if (IsFiniteOperand(p[0])) {
            x = p[0];
        } else {
            good = false;  // undefined, and carries on as 0
        }
    }
    if (used & 2u) {
        if (IsFiniteOperand(p[1])) {
            t = p[1];
        } else {
            good = false;
        }
    }
    if (used & ~3u) {
        bool finite = true;
        for (int i = 2; i < 6; ++i)
            if ((used & (1u << i)) && !std::isfinite(p[i])) finite = false;
        if (!finite) {
            for (int i = 0; i < 6; ++i)
                w[i] = ((used & (1u << i)) && !std::isfinite(p[i])) ? 0 : p[i];
            pv = w;
            good = false;
        }
    }
    const long double* const from[] = {nullptr, w, pv};
    long double run = 0;
    long double saved = 0;
    // Inlined by force: a call per operand costs more than a cheap term, and
    // the column code beside it in this file tips g++'s own choice.
    auto fetch = [&](std::uint8_t source, std::int32_t slot) __attribute__((always_inline)) {
        switch (source) {
        case TTermStep::FromRunning: return run;
        case TTermStep::FromX: return x;
        case TTermStep::FromT: return t;
        case TTermStep::FromSaved: return saved;
        default: return from[source][slot];
        }
    };
#define TERM_OPERAND_0(slot, source) run
#define TERM_OPERAND_1(slot, source) x
#define TERM_OPERAND_2(slot, source) t
#define TERM_OPERAND_3(slot, source) from[source][slot]
#define TERM_OPERAND_4(slot, source) saved
#define TERM_OPERAND_5(slot, source) static_cast<long double>(st.Short)
#define TERM_ARITH(OPI, FN, CA, CB)                                      \
    case ArithStep(OPI, CA, CB):                                         \
        run = FN(TERM_OPERAND_##CA(st.A, st.ASource), TERM_OPERAND_##CB(st.B, st.BSource), good); \
        break;
// A second operand is never a saved value; at most one operand is short.
#define TERM_ARITH_B(OPI, FN, CA)                                                       \
    TERM_ARITH(OPI, FN, CA, 0) TERM_ARITH(OPI, FN, CA, 1) TERM_ARITH(OPI, FN, CA, 2) \
    TERM_ARITH(OPI, FN, CA, 3)
#define TERM_ARITH_FORMS(OPI, FN)                                                           \
    TERM_ARITH_B(OPI, FN, 0) TERM_ARITH_B(OPI, FN, 1) TERM_ARITH_B(OPI, FN, 2)            \
    TERM_ARITH_B(OPI, FN, 3) TERM_ARITH_B(OPI, FN, 4) TERM_ARITH_B(OPI, FN, 5)            \
    TERM_ARITH(OPI, FN, 0, 5) TERM_ARITH(OPI, FN, 1, 5) TERM_ARITH(OPI, FN, 2, 5)         \
    TERM_ARITH(OPI, FN, 3, 5) TERM_ARITH(OPI, FN, 4, 5)

    for (const TTermStep& st : kopf.Steps) {
        switch (st.Op) {
            TERM_ARITH_FORMS(OperatorCode::Plus, Add)
            TERM_ARITH_FORMS(OperatorCode::Minus, Subtract)
            TERM_ARITH_FORMS(OperatorCode::Times, Multiply)
            TERM_ARITH_FORMS(OperatorCode::Divide, Divide)
        case OpSave: w[st.C] = run; break;
        case OpSaveReg: saved = run; break;
        case OpPow: run = PowGeneral(fetch(st.ASource, st.A), fetch(st.BSource, st.B), good); break;
        case OpPowIntExp: run = PowWhole(fetch(st.ASource, st.A), st.K, st.NegativeExp, good); break;
        case OpPowConstBase:
            run = PowConstBase(fetch(st.ASource, st.A), w[st.C], fetch(st.BSource, st.B), good);
            break;
        case FunctionCode::Abs: case FunctionCode::Sqr: case FunctionCode::Round:
        case FunctionCode::Trunc: case FunctionCode::Sqrt: case FunctionCode::Sin:
        case FunctionCode::Cos: case FunctionCode::ArcTan: case FunctionCode::Exp:
        case FunctionCode::Ln: case FunctionCode::Log: case FunctionCode::Negate:
        case FunctionCode::Tan: case FunctionCode::ArcSin: case FunctionCode::Cot:
        case FunctionCode::Sinh: case FunctionCode::Cosh: case FunctionCode::ArSinh:
        case FunctionCode::ArCosh: case FunctionCode::ArTanh: case FunctionCode::ArCoth:
        case FunctionCode::Tanh: case FunctionCode::Coth: case FunctionCode::ArcCos:
        case FunctionCode::ArcCot: case FunctionCode::Floor: case FunctionCode::Sign:
        case FunctionCode::Heaviside:
            run = EvalFunction(st.Op, fetch(st.ASource, st.A), good, jmp);
            break;
        // The flattening makes no other steps.
        default:
#if TESSAPLUN_STEP_CHECKED
            UnknownStep(st.Op);
#else
            __builtin_unreachable();
#endif
        }
    }
#undef TERM_ARITH_FORMS
#undef TERM_ARITH
#undef TERM_OPERAND_0
#undef TERM_OPERAND_1
#undef TERM_OPERAND_2
#undef TERM_OPERAND_3
#undef TERM_OPERAND_4
#undef TERM_OPERAND_5
#undef TERM_ARITH_B
    jump = jmp;
    if (!good) {
        ok = false;
        return 0;
    }
    return fetch(kopf.ResultSource, kopf.ResultSlot);
}

// ---------------------------------------------------------------------------
// Column evaluation
//
// The same steps as RunSteps, each run over a block of x values before the
// next: the running value, the saved register and the saved Work slots
// become columns of the block, x a column, and t, constants and parameters
// 3 to 6 one value for the whole block. Every x keeps its own defined and
// jump flags, so each value is exactly the one RunSteps computes; the
// operations are the same inline helpers in the same order.


struct ColumnOperand {
    const long double* p;
    long double operator()(int i) const { return p[i]; }
};
struct DoubleColumnOperand {
    const double* p;
    long double operator()(int i) const { return p[i]; }
};
// One value for the whole block; a step whose operands are all such values
// is computed once.
struct ScalarOperand {
    long double v;
    long double operator()(int) const { return v; }
};

template <class T>
inline constexpr bool kIsScalar = std::is_same_v<T, ScalarOperand>;

template <class A, class B, class Op>
[[gnu::always_inline]] inline void BinaryColumn(int n, A a, B b, long double* dst, unsigned char* good, Op op)
{
    if constexpr (kIsScalar<A> && kIsScalar<B>) {
        bool g = true;
        const long double r = op(a(0), b(0), g);
        for (int i = 0; i < n; ++i) dst[i] = r;
        if (!g) std::memset(good, 0, static_cast<std::size_t>(n));
    } else {
        for (int i = 0; i < n; ++i) {
            bool g = true;
            dst[i] = op(a(i), b(i), g);
            if (!g) good[i] = 0;
        }
    }
}

template <int Code, class A>
void FunctionColumn(int n, A a, long double* dst, unsigned char* good, unsigned char* jump)
{
    if constexpr (kIsScalar<A>) {
        bool g = true, j = false;
        const long double r = EvalFunction(Code, a(0), g, j);
        for (int i = 0; i < n; ++i) dst[i] = r;
        if (!g) std::memset(good, 0, static_cast<std::size_t>(n));
        if (j) std::memset(jump, 1, static_cast<std::size_t>(n));
    } else {
        for (int i = 0; i < n; ++i) {
            bool g = true, j = false;
            dst[i] = EvalFunction(Code, a(i), g, j);
            if (!g) good[i] = 0;
            if (j) jump[i] = 1;
        }
    }
}

template <class A>
void FunctionColumnByCode(int code, int n, A a, long double* dst, unsigned char* good, unsigned char* jump)
{
    switch (code) {
#define TERM_FUNCTION_COLUMN(C) \
    case C: FunctionColumn<C>(n, a, dst, good, jump); break;
        TERM_FUNCTION_COLUMN(1) TERM_FUNCTION_COLUMN(2) TERM_FUNCTION_COLUMN(3) TERM_FUNCTION_COLUMN(4)
        TERM_FUNCTION_COLUMN(5) TERM_FUNCTION_COLUMN(6) TERM_FUNCTION_COLUMN(7) TERM_FUNCTION_COLUMN(8)
        TERM_FUNCTION_COLUMN(9) TERM_FUNCTION_COLUMN(10) TERM_FUNCTION_COLUMN(11) TERM_FUNCTION_COLUMN(12)
        TERM_FUNCTION_COLUMN(13) TERM_FUNCTION_COLUMN(14) TERM_FUNCTION_COLUMN(15) TERM_FUNCTION_COLUMN(16)
        TERM_FUNCTION_COLUMN(17) TERM_FUNCTION_COLUMN(18) TERM_FUNCTION_COLUMN(19) TERM_FUNCTION_COLUMN(20)
        TERM_FUNCTION_COLUMN(21) TERM_FUNCTION_COLUMN(22) TERM_FUNCTION_COLUMN(23) TERM_FUNCTION_COLUMN(24)
        TERM_FUNCTION_COLUMN(25) TERM_FUNCTION_COLUMN(26) TERM_FUNCTION_COLUMN(27) TERM_FUNCTION_COLUMN(28)
#undef TERM_FUNCTION_COLUMN
    default:
#if TESSAPLUN_STEP_CHECKED
        UnknownStep(code);
#else
        __builtin_unreachable();
#endif
    }
}
static_assert(FunctionCode::First == 1 && FunctionCode::Last == 28);

// One block of the column: its columns and the one t.
template <class XOperand, bool Third = false>
struct ColumnBlock {
    const TFunktionsKopf& kopf;
    XOperand x;
    long double t;
    long double* run;
    long double* saved;
    long double** work;  // saved Work slots, by slot - SavedBase
    unsigned char* good;
    unsigned char* jump;
    int n;
    const long double* third = nullptr;  // with Third: the column of parameter 3

    template <class F>
    [[gnu::always_inline]] void Operand(std::uint8_t source, std::int32_t slot, F&& f) const
    {
        switch (source) {
        case TTermStep::FromRunning: f(ColumnOperand{run}); break;
        case TTermStep::FromX: f(x); break;
        case TTermStep::FromT: f(ScalarOperand{t}); break;
        case TTermStep::FromSaved: f(ColumnOperand{saved}); break;
        case TTermStep::FromParameter:  // parameters 3 to 6; with a column, 3 alone is read
            if constexpr (Third)
                f(ColumnOperand{third});
            else
                f(ScalarOperand{0.0L});
            break;
        default:
            if (slot >= kopf.SavedBase)
                f(ColumnOperand{work[slot - kopf.SavedBase]});
            else
                f(ScalarOperand{kopf.Work[static_cast<std::size_t>(slot)]});
        }
    }

    template <class F>
    [[gnu::always_inline]] void ArithOperand(int cls, std::uint8_t source, std::int32_t slot, double shortValue,
                                             F&& f) const
    {
        if (cls == kClassShort)
            f(ScalarOperand{static_cast<long double>(shortValue)});
        else
            Operand(source, slot, f);
    }

    void Step(const TTermStep& st)
    {
        if (st.Op >= OpArith) {
            const int index = st.Op - OpArith;
            const int op = index / (kClassCount * kClassCount) + OperatorCode::Plus;
            const int ca = index / kClassCount % kClassCount;
            const int cb = index % kClassCount;
            ArithOperand(ca, st.ASource, st.A, st.Short, [&](auto a) {
                ArithOperand(cb, st.BSource, st.B, st.Short, [&](auto b) {
                    switch (op) {
                    case OperatorCode::Plus:
                        BinaryColumn(n, a, b, run, good, [](long double u, long double v, bool& g) { return Add(u, v, g); });
                        break;
                    case OperatorCode::Minus:
                        BinaryColumn(n, a, b, run, good,
                                     [](long double u, long double v, bool& g) { return Subtract(u, v, g); });
                        break;
                    case OperatorCode::Times:
                        BinaryColumn(n, a, b, run, good,
                                     [](long double u, long double v, bool& g) { return Multiply(u, v, g); });
                        break;
                    default:
                        BinaryColumn(n, a, b, run, good,
                                     [](long double u, long double v, bool& g) { return Divide(u, v, g); });
                        break;
                    }
                });
            });
            return;
        }
        switch (st.Op) {
        // A save hands the running column over instead of copying it: the
        // slot's old content is no longer needed, and the next step writes
        // a new running column without reading the old one.
        case OpSave: std::swap(work[st.C - kopf.SavedBase], run); break;
        case OpSaveReg: std::swap(saved, run); break;
        case OpPow:
            Operand(st.ASource, st.A, [&](auto a) {
                Operand(st.BSource, st.B, [&](auto b) {
                    BinaryColumn(n, a, b, run, good,
                                 [](long double u, long double v, bool& g) { return PowGeneral(u, v, g); });
                });
            });
            break;
        case OpPowIntExp: {
            const unsigned k = st.K;
            const bool negative = st.NegativeExp;
            Operand(st.ASource, st.A, [&](auto a) {
                BinaryColumn(n, a, ScalarOperand{0.0L}, run, good,
                             [k, negative](long double u, long double, bool& g) { return PowWhole(u, k, negative, g); });
            });
            break;
        }
        case OpPowConstBase: {
            const long double lnA = kopf.Work[static_cast<std::size_t>(st.C)];
            Operand(st.ASource, st.A, [&](auto a) {
                Operand(st.BSource, st.B, [&](auto b) {
                    BinaryColumn(n, a, b, run, good,
                                 [lnA](long double u, long double v, bool& g) { return PowConstBase(u, lnA, v, g); });
                });
            });
            break;
        }
        default:
            Operand(st.ASource, st.A, [&](auto a) { FunctionColumnByCode(st.Op, n, a, run, good, jump); });
            break;
        }
    }
};

// x as a step reads it: 0 where it is not finite.
template <class XIn>
[[gnu::always_inline]] inline bool FiniteX(const XIn& v)
{
    if constexpr (std::is_same_v<XIn, double>)
        return std::isfinite(v);
    else
        return IsFiniteOperand(v);
}

// Whether a finite 80-bit x or t lies below the register form's input
// bound, told from its exponent bits (double columns check their band).
[[gnu::always_inline]] inline bool BelowInputBound(const long double& v)
{
    std::uint16_t signExponent;
    std::memcpy(&signExponent, reinterpret_cast<const char*>(&v) + 8, sizeof signExponent);
    return (signExponent & 0x7FFFu) < 16383u + kInputBound;
}

// The columns of one block that the register form keeps: R, S0 and S1 around
// its general steps, the flags, for each x the number of checked values
// before it became undefined (255 while it is defined), and the checked
// values themselves, rounded to doubles, one column for each.
struct RegisterColumns {
    long double* r;
    long double* s0;
    long double* s1;
    unsigned char* good;
    unsigned char* jump;
    unsigned char* died;
    double* checks;
};
constexpr unsigned char kAlive = 255;

// One segment of the register form, steps [first, last), for the n x values
// of a block (x finite, below the input bound): x by x, the running and
// the saved value in registers. A segment after a general step (kSingle
// false) loads the registers in load first; the last one writes out (the
// values, also where undefined: the caller clears those), the others (out
// null) the registers the general step `last` keeps to their columns.
template <class XIn, bool kSingle>
void RegisterSegment(const TRegisterStep* first, const TRegisterStep* last, const XIn* xs, int n, const double* tp,
                     unsigned load, const RegisterColumns& c, long double* out)
{
    // The checked values of this segment go to their columns in step order.
    const TRegisterStep* checked = first;
    while (checked != last && checked->Band == kBandNone)
        ++checked;
    // (A segment without checked values never writes through it.)
    double* const checks = checked != last ? c.checks + checked->Guard * kBlock : c.checks;
    long double r = 0, s0 = 0;
    for (int i = 0; i < n; ++i) {
        const long double x = xs[i];
        if (!kSingle) {
            if (load & kKeepR)
                r = c.r[i];
            if (load & kKeepS0)
                s0 = c.s0[i];
        }
        double* check = checks + i;
#define REG_CHECK(V)                         \
    if (st->Band != kBandNone) {             \
        *check = static_cast<double>(V);     \
        check += kBlock;                     \
    }
#define REG_PLACE_0 r
#define REG_PLACE_1 x
#define REG_PLACE_2 (static_cast<long double>(tp[0]) - tp[1])
#define REG_PLACE_3 s0
#define REG_PLACE_4 c.s1[i]
#define REG_PLACE_5 static_cast<long double>(st->C)
#define REG_PLACE_6 (static_cast<long double>(st->C) - st->CRest)
#define REG_ARITH(OPI, OP, PA, PB)                       \
    case RegArithStep(OPI, PA, PB):                      \
        r = REG_PLACE_##PA OP REG_PLACE_##PB;            \
        REG_CHECK(r);                                    \
        break;
#define REG_ROW(OPI, OP, PA)                                                                       \
    REG_ARITH(OPI, OP, PA, 0) REG_ARITH(OPI, OP, PA, 1) REG_ARITH(OPI, OP, PA, 2) REG_ARITH(OPI, OP, PA, 3) \
    REG_ARITH(OPI, OP, PA, 4) REG_ARITH(OPI, OP, PA, 5) REG_ARITH(OPI, OP, PA, 6)
#define REG_TABLE(OPI, OP)                                                                         \
    REG_ROW(OPI, OP, 0) REG_ROW(OPI, OP, 1) REG_ROW(OPI, OP, 2) REG_ROW(OPI, OP, 3) REG_ROW(OPI, OP, 4) \
    REG_ROW(OPI, OP, 5) REG_ROW(OPI, OP, 6)
// |a| and -a as the functions give them for a finite a; where a is not
// finite the value is undefined already.
#define REG_CHEAP(OP, V)                                                                           \
    case OP:                                                                                       \
        r = std::fabs(V);                                                                          \
        break;                                                                                     \
    case OP + 2:                                                                                   \
        r = -(V);                                                                                  \
        break;
        for (const TRegisterStep* st = first; st != last; ++st) {
            switch (st->Op) {
                REG_TABLE(OperatorCode::Plus, +)
                REG_TABLE(OperatorCode::Minus, -)
                REG_TABLE(OperatorCode::Times, *)
                REG_TABLE(OperatorCode::Divide, /)
            case RegLoad + kPlaceX: r = x; break;
            case RegLoad + kPlaceT: r = REG_PLACE_2; break;
            case RegLoad + kPlaceS0: r = s0; break;
            case RegLoad + kPlaceS1: r = c.s1[i]; break;
            case RegLoad + kPlaceShort: r = REG_PLACE_5; break;
            case RegLoad + kPlaceLong: r = REG_PLACE_6; break;
            case RegSave0: s0 = r; break;
            case RegSave1: c.s1[i] = r; break;
            // Whole powers as PowWhole computes them, the sign last.
            case RegSquare: {
                const long double a = std::fabs(r);
                r = a * a;
                REG_CHECK(r);
                break;
            }
            case RegSquare + 1: {
                const long double a = std::fabs(x);
                r = a * a;
                REG_CHECK(r);
                break;
            }
            case RegPower:
            case RegPower + 1: {
                const long double a = st->Op == RegPower ? r : x;
                const long double p = WholePower(std::fabs(a), st->K);
                REG_CHECK(p);
                r = (a < 0 && (st->K & 1u)) ? -p : p;
                break;
            }
            case RegPowerNegative:
            case RegPowerNegative + 1: {
                const long double a = st->Op == RegPowerNegative ? r : x;
                const long double p = WholePower(std::fabs(a), st->K);
                REG_CHECK(p);
                const long double q = 1 / p;
                r = (a < 0 && (st->K & 1u)) ? -q : q;
                break;
            }
                REG_CHEAP(RegFunction, r)
                REG_CHEAP(RegFunction + 1, x)
            case RegFunction + 4: r = SqrtNonNegative(r); break;
            case RegFunction + 5: r = SqrtNonNegative(x); break;
            default:
#if TESSAPLUN_STEP_CHECKED
                UnknownStep(st->Op);
#else
                __builtin_unreachable();
#endif
            }
        }
#undef REG_CHEAP
#undef REG_TABLE
#undef REG_ROW
#undef REG_ARITH
#undef REG_PLACE_0
#undef REG_PLACE_1
#undef REG_PLACE_2
#undef REG_PLACE_3
#undef REG_PLACE_4
#undef REG_PLACE_5
#undef REG_PLACE_6
#undef REG_CHECK
        if (kSingle || out) {
            out[i] = r;
        } else {
            if (last->Keep & kKeepR)
                c.r[i] = r;
            if (last->Keep & kKeepS0)
                c.s0[i] = s0;
        }
    }
}
static_assert(kCheapFunctions[0] == FunctionCode::Abs && kCheapFunctions[1] == FunctionCode::Negate &&
              kCheapFunctions[2] == FunctionCode::Sqrt);

// A general step over the block's columns, with its guards as in the step
// list; the result goes to the R column.
template <class XIn>
void RegisterGeneralStep(const TRegisterStep& st, const XIn* xs, int n, const double* tp, const RegisterColumns& c)
{
    const auto operand = [&](std::uint8_t place, auto&& f) {
        switch (place) {
        case kPlaceR: f(ColumnOperand{c.r}); break;
        case kPlaceS0: f(ColumnOperand{c.s0}); break;
        case kPlaceS1: f(ColumnOperand{c.s1}); break;
        case kPlaceX:  // (a block with a non-finite x is evaluated again)
            if constexpr (std::is_same_v<XIn, double>)
                f(DoubleColumnOperand{xs});
            else
                f(ColumnOperand{xs});
            break;
        case kPlaceT: f(ScalarOperand{static_cast<long double>(tp[0]) - tp[1]}); break;
        case kPlaceShort: f(ScalarOperand{static_cast<long double>(st.C)}); break;
        default: f(ScalarOperand{static_cast<long double>(st.C) - st.CRest}); break;
        }
    };
    switch (st.Op) {
    case RegSlowFunction:
        operand(st.A, [&](auto a) { FunctionColumnByCode(st.K, n, a, c.r, c.good, c.jump); });
        break;
    case RegSlowPower:
        operand(st.A, [&](auto a) {
            operand(st.B, [&](auto b) {
                BinaryColumn(n, a, b, c.r, c.good,
                             [](long double u, long double v, bool& g) { return PowGeneral(u, v, g); });
            });
        });
        break;
    default: {  // RegSlowPowerConstBase
        const long double base = static_cast<long double>(st.C) - st.CRest;
        const long double lnA = static_cast<long double>(st.D) - st.DRest;
        operand(st.B, [&](auto b) {
            BinaryColumn(n, ScalarOperand{base}, b, c.r, c.good,
                         [lnA](long double u, long double v, bool& g) { return PowConstBase(u, lnA, v, g); });
        });
        break;
    }
    }
    for (int i = 0; i < n; ++i)
        if (c.died[i] == kAlive && !c.good[i])
            c.died[i] = st.Guard;
}

// Whether a checked value lies in the fast band of its step.
[[gnu::always_inline]] inline bool InBand(double v, int band)
{
    const double a = std::fabs(v);
    return a >= kBandLow[band] && a < kBandHigh[band];
}

// Whether all n values of a column lie in the band; eight at a time, in
// four independent pairs, on the x87 path, whose target always has SSE2. A
// band without a bottom or a top needs one comparison (which a value that is
// not a number fails).
#if TESSAPLUN_X87_EVALUATOR
template <bool kLow, bool kHigh>
[[gnu::always_inline]] inline __m128d PairInBand(const double* v, __m128d low, __m128d high)
{
    const __m128d a = _mm_andnot_pd(_mm_set1_pd(-0.0), _mm_loadu_pd(v));
    if constexpr (kLow && kHigh)
        return _mm_and_pd(_mm_cmpge_pd(a, low), _mm_cmplt_pd(a, high));
    else if constexpr (kLow)
        return _mm_cmpge_pd(a, low);
    else
        return _mm_cmplt_pd(a, high);
}
template <bool kLow, bool kHigh>
int EightsInBand(const double* v, int n, int band, bool& in)
{
    const __m128d low = _mm_set1_pd(kBandLow[band]), high = _mm_set1_pd(kBandHigh[band]);
    const __m128d ones = _mm_castsi128_pd(_mm_set1_epi32(-1));
    __m128d a0 = ones, a1 = ones, a2 = ones, a3 = ones;
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        a0 = _mm_and_pd(a0, PairInBand<kLow, kHigh>(v + i, low, high));
        a1 = _mm_and_pd(a1, PairInBand<kLow, kHigh>(v + i + 2, low, high));
        a2 = _mm_and_pd(a2, PairInBand<kLow, kHigh>(v + i + 4, low, high));
        a3 = _mm_and_pd(a3, PairInBand<kLow, kHigh>(v + i + 6, low, high));
    }
    in = _mm_movemask_pd(_mm_and_pd(_mm_and_pd(a0, a1), _mm_and_pd(a2, a3))) == 3;
    return i;
}
#endif

bool ColumnInBand(const double* v, int n, int band)
{
    int i = 0;
    bool in = true;
#if TESSAPLUN_X87_EVALUATOR
    if (kBandLow[band] == 0)
        i = EightsInBand<false, true>(v, n, band, in);
    else if (kBandHigh[band] == kBandInfinity)
        i = EightsInBand<true, false>(v, n, band, in);
    else
        i = EightsInBand<true, true>(v, n, band, in);
#endif
    for (; i < n; ++i)
        in = in && InBand(v[i], band);
    return in;
}

// Runs the register form for the n x values of one block (1 <= n <= kBlock),
// writing values and flags. Returns false when a value left its band where
// it counts; the block must then be evaluated step by step.
template <class XIn>
bool RegisterBlock(const TFunktionsKopf& kopf, const XIn* xs, int n, const double* tp, const RegisterColumns& c,
                   long double* out, bool* defined, bool* jumps)
{
    const std::size_t count = static_cast<std::size_t>(n);
    const TRegisterCode* const code = kopf.RegisterCode.get();
    // x must be finite and below the input bound, else the block takes the
    // step list, which reads a non-finite x as 0. Double x is checked here;
    // 80-bit x where the machine code loads it, or here for the interpreter.
    constexpr bool kDoubleX = std::is_same_v<XIn, double>;
    const bool xUsed = (kopf.UsedParameters & 1u) != 0;
    if (xUsed) {
        if constexpr (kDoubleX) {
            if (!ColumnInBand(xs, n, kBandInput))
                return false;
        } else if (!code) {
            for (int i = 0; i < n; ++i)
                if (!FiniteX(xs[i]) || !BelowInputBound(xs[i]))
                    return false;
        }
    }
    // Only general steps leave values undefined or meet a jump.
    if (kopf.RegisterGeneral) {
        std::memset(c.good, 1, count);
        std::memset(c.jump, 0, count);
        std::memset(c.died, kAlive, count);
    }

    const TRegisterStep* const begin = kopf.RegisterSteps.data();
    const TRegisterStep* const end = begin + kopf.RegisterSteps.size();
    const TRegisterStep* st = begin;
    const SegmentArgs args{xs, out, c.checks, c.r, c.s0, c.s1, tp, n};
    unsigned load = 0;
    for (std::size_t segment = 0;; ++segment) {
        const TRegisterStep* general = st;
        while (general != end && !IsGeneralStep(general->Op))
            ++general;
        if (code) {
            if (const SegmentCode run = code->Segments[segment][kDoubleX ? 0 : 1])
                run(&args);
        } else if (st == begin && general == end) {
            RegisterSegment<XIn, true>(st, end, xs, n, tp, load, c, out);  // (load is 0, and unread)
        } else if (st != general || general == end) {  // (nothing to do between two general steps)
            RegisterSegment<XIn, false>(st, general, xs, n, tp, load, c, general == end ? out : nullptr);
        }
        if (general == end)
            break;
        RegisterGeneralStep(*general, xs, n, tp, c);
        load = kKeepR | (general->Keep & (kKeepS0 | kKeepS1));
        st = general + 1;
    }

    // The checked values: all in their bands, as nearly always; else each
    // one outside counts where its value was still defined, or everywhere
    // when sign may see it.
    if (!kDoubleX && xUsed && code && !ColumnInBand(c.checks + kopf.RegisterChecks * kBlock, n, kBandInput))
        return false;
    for (st = begin; st != end; ++st) {
        if (st->Band == kBandNone)
            continue;
        const double* const column = c.checks + st->Guard * kBlock;
        if (ColumnInBand(column, n, st->Band))
            continue;
        for (int i = 0; i < n; ++i)
            if (!InBand(column[i], st->Band) &&
                (kopf.RegisterSign || !kopf.RegisterGeneral || st->Guard < c.died[i]))
                return false;
    }
    static_assert(sizeof(bool) == 1);
    if (kopf.RegisterGeneral) {
        for (int i = 0; i < n; ++i)
            if (!c.good[i])
                out[i] = 0;
        std::memcpy(defined, c.good, count);  // flags are 0 or 1
        std::memcpy(jumps, c.jump, count);
    } else {
        std::memset(defined, 1, count);
        std::memset(jumps, 0, count);
    }
    return true;
}

template <class XIn>
void RunColumn(const TFunktionsKopf& kopf, std::span<const XIn> xs, long double t, std::span<long double> values,
               std::span<bool> defined, std::span<bool> jumps, TColumnScratch& scratch, const long double* third = nullptr)
{
    const std::size_t count = std::min({xs.size(), values.size(), defined.size(), jumps.size()});
    if (kopf.ResultSlot < 0 || kopf.Work.size() < 6 ||
        kopf.SavedBase < 6 || static_cast<std::size_t>(kopf.SavedBase) > kopf.Work.size()) {
        std::fill_n(values.begin(), count, 0.0L);
        std::fill_n(defined.begin(), count, false);
        std::fill_n(jumps.begin(), count, false);
        return;
    }
    const unsigned used = kopf.UsedParameters;
    bool tGood = true;
    long double tv = 0;
    if ((used & 2u) != 0) {
        if (IsFiniteOperand(t))
            tv = t;
        else
            tGood = false;
    }
    // The register form reads t as two doubles; a t they cannot hold (far
    // below the double range), or one beyond its input bound, leaves the
    // steps alone.
    double tPair[2] = {static_cast<double>(tv), 0};
    tPair[1] = static_cast<double>(static_cast<long double>(tPair[0]) - tv);
    const long double tBack = static_cast<long double>(tPair[0]) - tPair[1];
    const bool registerForm = !kopf.RegisterSteps.empty() && tGood && std::memcmp(&tBack, &tv, 10) == 0 &&
                              BelowInputBound(tv);
    // Parameters 3 to 6 are 0 here, finite, or parameter 3 a column of
    // finite values the caller gives for a term without a register form.
    const std::size_t savedSlots = kopf.Work.size() - static_cast<std::size_t>(kopf.SavedBase);
    scratch.Columns.resize(std::max<std::size_t>(1 + savedSlots, 3) * kBlock);
    scratch.Good.resize(kBlock);
    scratch.Jump.resize(kBlock);
    std::vector<long double*> workColumns(savedSlots);
    std::vector<XIn>& clean = [&]() -> std::vector<XIn>& {
        if constexpr (std::is_same_v<XIn, double>)
            return scratch.X;
        else
            return scratch.XLong;
    }();
    clean.resize(kBlock);
    if (registerForm) {
        scratch.Died.resize(kBlock);
        scratch.Checks.resize(static_cast<std::size_t>(kopf.RegisterChecks + 1) * kBlock);  // and x
    }
    unsigned char* const good = scratch.Good.data();
    unsigned char* const jump = scratch.Jump.data();

    for (std::size_t start = 0; start < count; start += kBlock) {
        const int n = static_cast<int>(std::min<std::size_t>(kBlock, count - start));
        if (registerForm) {
            const RegisterColumns c{scratch.Columns.data(), scratch.Columns.data() + kBlock,
                                    scratch.Columns.data() + 2 * kBlock, good, jump, scratch.Died.data(),
                                    scratch.Checks.data()};
            if (RegisterBlock(kopf, xs.data() + start, n, tPair, c, values.data() + start, defined.data() + start,
                              jumps.data() + start)) {
                ++scratch.RegisterBlocks;
                continue;
            }
        }
        ++scratch.StepBlocks;
        std::memset(good, tGood ? 1 : 0, kBlock);
        std::memset(jump, 0, kBlock);
        // x straight from the caller's column; a cleaned copy only for a
        // block that holds a value that is not finite.
        const XIn* xBlock = xs.data() + start;
        if ((used & 1u) != 0) {
            auto finite = [](XIn v) {
                if constexpr (std::is_same_v<XIn, double>)
                    return std::isfinite(v);
                else
                    return IsFiniteOperand(v);
            };
            bool allFinite = true;
            for (int i = 0; i < n; ++i)
                allFinite = allFinite && finite(xBlock[i]);
            if (!allFinite) {
                for (int i = 0; i < n; ++i) {
                    const bool f = finite(xBlock[i]);
                    clean[static_cast<std::size_t>(i)] = f ? xBlock[i] : XIn{0};
                    if (!f) good[i] = 0;
                }
                xBlock = clean.data();
            }
        }
        long double* const out = values.data() + start;
        for (std::size_t s = 0; s < savedSlots; ++s) workColumns[s] = scratch.Columns.data() + (1 + s) * kBlock;
        using XOperand = std::conditional_t<std::is_same_v<XIn, double>, DoubleColumnOperand, ColumnOperand>;
        const auto rechnen = [&](auto& b) {
            for (const TTermStep& st : kopf.Steps) b.Step(st);
            // The result, 0 where undefined.
            if (kopf.ResultSource == TTermStep::FromRunning && b.run == out) {
                for (int i = 0; i < n; ++i)
                    if (!good[i]) out[i] = 0;
            } else {
                b.Operand(kopf.ResultSource, kopf.ResultSlot, [&](auto r) {
                    for (int i = 0; i < n; ++i) out[i] = good[i] ? r(i) : 0.0L;
                });
            }
        };
        // A column of parameter 3 comes only with double x (a split term's
        // Outer); the steps of every other term stay as they are.
        bool gerechnet = false;
        if constexpr (std::is_same_v<XIn, double>) {
            if (third) {
                ColumnBlock<XOperand, true> b{kopf, XOperand{xBlock}, tv,   out, scratch.Columns.data(),
                                              workColumns.data(), good, jump, n, third + start};
                rechnen(b);
                gerechnet = true;
            }
        }
        if (!gerechnet) {
            ColumnBlock<XOperand> b{kopf,          XOperand{xBlock}, tv,   out, scratch.Columns.data(),
                                    workColumns.data(), good,               jump, n};
            rechnen(b);
        }
        static_assert(sizeof(bool) == 1);
        std::memcpy(defined.data() + start, good, static_cast<std::size_t>(n));  // flags are 0 or 1
        std::memcpy(jumps.data() + start, jump, static_cast<std::size_t>(n));
    }
}

#if TESSAPLUN_X87_EVALUATOR
// Stores v so that a load soon after it is served from the store queue. The
// x87 80-bit store goes out in two parts, and an 80-bit load right behind it
// cannot combine them: it waits until the store has reached the cache, which
// costs more than evaluating a whole short term. Plotting reads every value
// back at once, so the value is written as one 16-byte store instead (its two
// parts are read back as integers, which the store queue does serve). It
// writes all 16 bytes of dst: the value in the first ten, in the layout
// asserted above IsFiniteOperand, and zero in the six the type leaves unused.
static_assert(sizeof(long double) == 16, "the result store writes one 16-byte long double");
[[gnu::always_inline]] inline void StoreForReload(long double& dst, long double v)
{
    long double scratch;
    std::uint64_t mantissa;
    std::uint32_t signExponent;
    // The outputs are written while the scratch is still read, so they must
    // not share a register with its address (a sanitizer build keeps the
    // frame in a general register): hence the early clobbers.
    asm("fstpt %2\n\tmovq %2, %0\n\tmovzwl 8+%2, %1"
        : "=&r"(mantissa), "=&r"(signExponent), "=m"(scratch)
        : "t"(v)
        : "st");
    const __m128i bits = _mm_insert_epi16(_mm_cvtsi64_si128(static_cast<long long>(mantissa)),
                                          static_cast<int>(signExponent), 4);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(&dst), bits);
}

#else
inline void StoreForReload(long double& dst, long double v) { dst = v; }
#endif

}  // namespace
namespace {

// The runnable form of the tree below `root` in kopf.Nodes.
void FlattenFrom(TFunktionsKopf& kopf, std::int32_t root)
{
    kopf.RegisterSteps.clear();  // Flatten sets the steps, the result and the slots
    kopf.RegisterCode.reset();
    kopf.Root = root;
    Flatten(kopf, root);
    BuildRegisterForm(kopf);
}

// Functions and powers that cost more than a few arithmetic steps: these
// are worth evaluating once for all members.
bool WorthSparing(const TKnoten& k, const std::vector<TKnoten>& nodes)
{
    if (k.Kind == TKnoten::Function) {
        switch (k.Code) {
        case FunctionCode::Abs:
        case FunctionCode::Sqr:
        case FunctionCode::Round:
        case FunctionCode::Trunc:
        case FunctionCode::Negate:
        case FunctionCode::Floor:
        case FunctionCode::Sign:
        case FunctionCode::Heaviside: return false;
        default: return true;
        }
    }
    if (k.Kind == TKnoten::Operator && k.Code == OperatorCode::Power) {
        const TKnoten& e = nodes[static_cast<std::size_t>(k.Right)];
        return !(e.Kind == TKnoten::Constant && WholeSmallExponent(e.Value) > 0);
    }
    return false;
}

}  // namespace

// Inner's value at each x is what the whole term's steps compute there for
// that part, with the same defined and jump flags, since a part reads
// nothing but its own operands. Where Inner is undefined the whole term is,
// and its value is 0; the value the part carried on inside the whole term
// (an undefined step gives 0, but later steps of the part go on from it)
// could reach only the jump flag of a sign outside the part. So the split
// is made only when no sign lies outside Inner.
//
// When Inner holds every x of the term, Outer reads Inner's values as its
// x and keeps the register form. Otherwise it reads x as before and Inner's
// values as its third parameter, in steps; a term that reads a third or
// later parameter itself is not split then.
std::shared_ptr<const TTermSplit> SplitTerm(const TFunktionsKopf& kopf)
{
    if (kopf.ResultSlot < 0 || kopf.Root < 0)
        return nullptr;
    const std::vector<TKnoten>& nodes = kopf.Nodes;
    const std::size_t n = nodes.size();
    // Per node: its parent, the parameters its part reads, the x in it, its
    // size, whether it holds something worth sparing, and the signs in it.
    std::vector<std::int32_t> parent(n, -1);
    std::vector<unsigned> reads(n, 0);
    std::vector<std::int32_t> xs(n, 0), size(n, 0), signs(n, 0);
    std::vector<bool> worth(n, false);
    std::vector<std::int32_t> order;  // children before their parents
    const auto children = [&nodes](std::int32_t i) {
        const TKnoten& k = nodes[static_cast<std::size_t>(i)];
        const bool one = k.Kind == TKnoten::Function || k.Kind == TKnoten::Operator;
        return std::array<std::int32_t, 2>{one ? k.Left : -1, k.Kind == TKnoten::Operator ? k.Right : -1};
    };
    std::vector<std::pair<std::int32_t, bool>> todo{{kopf.Root, false}};
    while (!todo.empty()) {
        const auto [i, done] = todo.back();
        todo.pop_back();
        const auto u = static_cast<std::size_t>(i);
        if (!done) {
            todo.push_back({i, true});
            for (const std::int32_t c : children(i)) {
                if (c >= 0) {
                    parent[static_cast<std::size_t>(c)] = i;
                    todo.push_back({c, false});
                }
            }
            continue;
        }
        order.push_back(i);
        const TKnoten& k = nodes[u];
        if (k.Kind == TKnoten::Parameter) {
            reads[u] = 1u << (k.Code - 1);
            xs[u] = k.Code == kIndexX ? 1 : 0;
        }
        size[u] = 1;
        worth[u] = WorthSparing(k, nodes);
        signs[u] = k.Kind == TKnoten::Function && k.Code == FunctionCode::Sign ? 1 : 0;
        for (const std::int32_t c : children(i)) {
            if (c < 0)
                continue;
            const auto cu = static_cast<std::size_t>(c);
            reads[u] |= reads[cu];
            xs[u] += xs[cu];
            size[u] += size[cu];
            worth[u] = worth[u] || worth[cu];
            signs[u] += signs[cu];
        }
    }
    const auto root = static_cast<std::size_t>(kopf.Root);
    // The largest part that reads x and nothing else, holds something worth
    // sparing and is not the whole term (where one holds every x, there is
    // no other); of two the same size the later in the term (finished first
    // here).
    std::int32_t inner = -1;
    for (const std::int32_t i : order) {
        const auto u = static_cast<std::size_t>(i);
        const std::int32_t up = parent[u];
        if (i == kopf.Root || reads[u] != 1u || !worth[u] || (up >= 0 && reads[static_cast<std::size_t>(up)] == 1u))
            continue;
        if (inner < 0 || size[u] > size[static_cast<std::size_t>(inner)])
            inner = i;
    }
    if (inner < 0)
        return nullptr;
    const auto iu = static_cast<std::size_t>(inner);
    const bool alleX = xs[iu] == xs[root];
    if (signs[root] != signs[iu] || (!alleX && (reads[root] & ~3u) != 0))
        return nullptr;

    auto split = std::make_shared<TTermSplit>();
    split->InnerAsParameter = !alleX;
    split->Inner = kopf;
    FlattenFrom(split->Inner, inner);
    split->Outer = kopf;
    TKnoten& ersatz = split->Outer.Nodes[iu];
    ersatz = TKnoten{};
    ersatz.Kind = TKnoten::Parameter;
    ersatz.Code = alleX ? kIndexX : 3;
    ersatz.Name = alleX ? "x" : "p3";
    FlattenFrom(split->Outer, kopf.Root);
    if (!alleX) {
        // The register form reads parameters 3 to 6 as the constant 0.
        split->Outer.RegisterSteps.clear();
        split->Outer.RegisterCode.reset();
    }
    static std::atomic<std::uint64_t> splits{0};
    split->Number = ++splits;
    return split;
}

void EvaluateOuterColumn(const TTermSplit& split, std::span<const double> x, std::span<const long double> inner,
                         const bool* innerDefined, const bool* innerJumps, long double t, std::span<long double> values,
                         std::span<bool> defined, std::span<bool> jumps, TColumnScratch& scratch)
{
    const std::size_t n = std::min({x.size(), inner.size(), values.size(), defined.size(), jumps.size()});
    if (split.InnerAsParameter)
        RunColumn(split.Outer, x.first(n), t, values, defined, jumps, scratch, inner.data());
    else
        RunColumn(split.Outer, inner.first(n), t, values, defined, jumps, scratch);
    for (std::size_t i = 0; i < n; ++i) {
        if (!innerDefined[i]) {
            defined[i] = false;
            values[i] = 0;
        }
        jumps[i] = jumps[i] || innerJumps[i];
    }
}

long double EvaluateTerm(const TFunktionsKopf& kopf, const long double p[6], bool& ok,
                         bool& jump)
{
    return RunSteps(kopf, p, ok, jump);
}

void EvaluateTermColumn(const TFunktionsKopf& kopf, std::span<const double> x, long double t,
                        std::span<long double> values, std::span<bool> defined, std::span<bool> jumps,
                        TColumnScratch& scratch)
{
    RunColumn(kopf, x, t, values, defined, jumps, scratch);
}

void EvaluateTermColumn(const TFunktionsKopf& kopf, std::span<const long double> x, long double t,
                        std::span<long double> values, std::span<bool> defined, std::span<bool> jumps,
                        TColumnScratch& scratch)
{
    RunColumn(kopf, x, t, values, defined, jumps, scratch);
}

// Defined here rather than with the rest of the class so that the evaluator
// is inlined into it: plotting calls it for every point.
void TFunktion::Evaluate(const long double p[6])
{
    // Undefined after a failed compilation or before any: the header then
    // holds nothing runnable.
    bool valid = false, jumpHit = false;
    const long double v = RunSteps(Kopf, p, valid, jumpHit);
    ValueValid = valid;
    JumpHit = jumpHit;
    StoreForReload(Value, v);
    if (p != Parameters) std::memcpy(Parameters, p, sizeof Parameters);
}

bool TFunktion::ColumnsCompiled() const
{
    return typeid(*this) == typeid(TFunktion);
}

template <class X>
void TFunktion::EvaluateColumnKeepingLast(std::span<const X> x, long double t, std::span<long double> values,
                                          std::span<bool> defined, std::span<bool> jumps)
{
    const std::size_t n = std::min({x.size(), values.size(), defined.size(), jumps.size()});
    if (!ColumnsCompiled()) {
        for (std::size_t i = 0; i < n; ++i) {
            Evaluate(static_cast<long double>(x[i]), t);
            values[i] = Value;
            defined[i] = ValueValid;
            jumps[i] = JumpHit;
        }
        return;
    }
    EvaluateTermColumn(Kopf, x, t, values, defined, jumps, ColumnScratch);
    if (n == 0)
        return;
    Value = values[n - 1];
    ValueValid = defined[n - 1];
    JumpHit = jumps[n - 1];
    const long double p[6] = {static_cast<long double>(x[n - 1]), t, 0, 0, 0, 0};
    std::memcpy(Parameters, p, sizeof Parameters);
}

void TFunktion::EvaluateColumn(std::span<const double> x, long double t, std::span<long double> values,
                               std::span<bool> defined, std::span<bool> jumps)
{
    EvaluateColumnKeepingLast(x, t, values, defined, jumps);
}

void TFunktion::EvaluateColumn(std::span<const long double> x, long double t, std::span<long double> values,
                               std::span<bool> defined, std::span<bool> jumps)
{
    EvaluateColumnKeepingLast(x, t, values, defined, jumps);
}

void TFunktion::EvaluateColumn(std::span<const double> x, long double t, std::span<long double> values,
                               std::span<bool> defined, std::span<bool> jumps, TColumnScratch& scratch) const
{
    EvaluateTermColumn(Kopf, x, t, values, defined, jumps, scratch);
}
