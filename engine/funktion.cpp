#include "engine/funktion.h"

#include <cstdint>
#include <cstring>

#include <emmintrin.h>

namespace {

// Stores v so that a load soon after it is served from the store queue. The
// x87 80-bit store goes out in two parts, and an 80-bit load right behind it
// cannot combine them: it waits until the store has reached the cache, which
// costs more than evaluating a whole short term. Plotting reads every value
// back at once, so the value is written as one 16-byte store instead (its two
// parts are read back as integers, which the store queue does serve).
inline void StoreForReload(long double& dst, long double v)
{
    long double scratch;
    std::uint64_t mantissa;
    std::uint32_t signExponent;
    asm("fstpt %2\n\tmovq %2, %0\n\tmovzwl 8+%2, %1"
        : "=r"(mantissa), "=r"(signExponent), "=m"(scratch)
        : "t"(v)
        : "st");
    const __m128i bits = _mm_insert_epi16(_mm_cvtsi64_si128(static_cast<long long>(mantissa)),
                                          static_cast<int>(signExponent), 4);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(&dst), bits);
}

}  // namespace

TFunktion::TFunktion() = default;
TFunktion::~TFunktion() = default;

void TFunktion::SetColor(TColor c) { Color = c; }
void TFunktion::SetColor2(TColor c) { Color2 = c; }
void TFunktion::SetTerm(const std::string& s)
{
    const std::string typed = s;
    Term = s;
    CompileTerm(Kopf, Term, ErrorPos, NonSmooth, Compiled);
    // A compiled term keeps its blanks as typed; a failed one shows the
    // blank-free text, except the empty equations, which get their display form.
    if (Compiled) Term = typed;
    if (Term == "f(x)=")
        Term = "f(x) = ";
    else if (Term == "f(x,t)=")
        Term = "f(x,t) = ";
}
void TFunktion::SetReserved1(std::int32_t v) { Reserved1 = v; }
void TFunktion::SetLineStyle(std::int32_t v) { LineStyle = v; }
void TFunktion::SetReserved2(double v) { Reserved2 = v; }
void TFunktion::SetTTo(double v) { TTo = v; }
void TFunktion::SetTStep(double v) { TStep = v; }
void TFunktion::SetTFrom(double v) { TFrom = v; }
void TFunktion::Evaluate(const long double p[6])
{
    // Undefined after a failed compilation or before any: the header then
    // holds nothing runnable.
    StoreForReload(Value, EvaluateTerm(Kopf, p, ValueValid, JumpHit));
    if (p != Parameters) std::memcpy(Parameters, p, sizeof Parameters);
}
void TFunktion::SetXTo(double v) { XTo = v; }
void TFunktion::SetXFrom(double v) { XFrom = v; }
void TFunktion::SetKind(const std::string& s) { Kind = s; }
long double TFunktion::GetValue() const { return Value; }
bool TFunktion::GetValueValid() const { return ValueValid; }
TColor TFunktion::GetColor() const { return Color; }
TColor TFunktion::GetColor2() const { return Color2; }
std::int32_t TFunktion::GetErrorPos() const { return ErrorPos; }
std::string TFunktion::GetTerm() const { return Term; }
bool TFunktion::GetCompiled() const { return Compiled; }
std::int32_t TFunktion::GetReserved1() const { return Reserved1; }
bool TFunktion::GetJumpHit() const { return JumpHit; }
std::int32_t TFunktion::GetLineStyle() const { return LineStyle; }
double TFunktion::GetReserved2() const { return Reserved2; }
double TFunktion::GetTTo() const { return TTo; }
double TFunktion::GetTStep() const { return TStep; }
double TFunktion::GetTFrom() const { return TFrom; }
bool TFunktion::GetNonSmooth() const { return NonSmooth; }
double TFunktion::GetXTo() const { return XTo; }
double TFunktion::GetXFrom() const { return XFrom; }
std::string TFunktion::GetKind() const { return Kind; }
