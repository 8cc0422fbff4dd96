#include "engine/funktion.h"

TFunktion::TFunktion() = default;
TFunktion::~TFunktion() = default;

void TFunktion::SetColor(TColor c) { Color = c; }
void TFunktion::SetColor2(TColor c) { Color2 = c; }
void TFunktion::SetTerm(const std::string& s)
{
    const std::string typed = s;
    Term = s;
    CompileTerm(Kopf, Term, ErrorPos, NonSmooth, Compiled);
    TermSplit = Compiled ? SplitTerm(Kopf) : nullptr;
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
// TFunktion::Evaluate lives in funk.cpp, beside the evaluator it inlines.
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
