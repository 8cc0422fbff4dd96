#pragma once
// One user function: equation text, compiled form, kind, ranges, colours,
// line style and the result of the last evaluation. Every other part of the
// program reaches the term compiler and evaluator only through this class.

#include "engine/farben.h"
#include "engine/funk.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

// The two kind texts a function carries.
inline constexpr const char* ArtFunktion = " Funktion ";
inline constexpr const char* ArtFunktionenschar = " Funktionenschar ";

// The kind an equation has: a family when its first "," stands before its
// first ")".
inline bool IstFunktionenschar(std::string_view term)
{
    const std::size_t komma = term.find(',');
    const std::size_t klammer = term.find(')');
    return komma != std::string_view::npos && klammer != std::string_view::npos && komma < klammer;
}

class TFunktion {
public:
    TFunktion();
    virtual ~TFunktion();

    virtual void SetColor(TColor c);
    virtual void SetColor2(TColor c);
    virtual void SetTerm(const std::string& s);  // compiles
    virtual void SetReserved1(std::int32_t v);
    virtual void SetLineStyle(std::int32_t v);
    virtual void SetReserved2(double v);
    virtual void SetTTo(double v);
    virtual void SetTStep(double v);
    virtual void SetTFrom(double v);
    // Evaluates with the six parameter values; p[0] is x, p[1] is t.
    virtual void Evaluate(const long double p[6]);
    virtual void SetXTo(double v);
    virtual void SetXFrom(double v);
    virtual void SetKind(const std::string& s);
    virtual long double GetValue() const;
    virtual bool GetValueValid() const;
    virtual TColor GetColor() const;
    virtual TColor GetColor2() const;
    virtual std::int32_t GetErrorPos() const;
    virtual std::string GetTerm() const;
    virtual bool GetCompiled() const;
    virtual std::int32_t GetReserved1() const;
    virtual bool GetJumpHit() const;
    virtual std::int32_t GetLineStyle() const;
    virtual double GetReserved2() const;
    virtual double GetTTo() const;
    virtual double GetTStep() const;
    virtual double GetTFrom() const;
    virtual bool GetNonSmooth() const;
    virtual double GetXTo() const;
    virtual double GetXFrom() const;
    virtual std::string GetKind() const;

    // Convenience for callers that fill only x and t (all of them do).
    void Evaluate(long double x, long double t)
    {
        const long double p[6] = {x, t, 0, 0, 0, 0};
        Evaluate(p);
    }

    // Evaluates for every x of a column with one t (parameters 3 to 6 are
    // 0): values, defined flags and jump flags are exactly those of one
    // Evaluate per x, and the outputs hold at least x.size() elements. The
    // last value afterwards is that of the last x, as after those calls.
    void EvaluateColumn(std::span<const double> x, long double t, std::span<long double> values,
                        std::span<bool> defined, std::span<bool> jumps);
    void EvaluateColumn(std::span<const long double> x, long double t, std::span<long double> values,
                        std::span<bool> defined, std::span<bool> jumps);
    // The same without touching the last value: it only reads the compiled
    // term, so several threads may sample one function at once, each with
    // its own scratch, while nothing compiles or evaluates it otherwise.
    // Only for a function whose ColumnsCompiled() holds.
    void EvaluateColumn(std::span<const double> x, long double t, std::span<long double> values,
                        std::span<bool> defined, std::span<bool> jumps, TColumnScratch& scratch) const;

    // Whether column evaluation runs the compiled term. A derived class may
    // give its values through its own Evaluate; the columns of the first
    // two forms then go through it, one x at a time.
    bool ColumnsCompiled() const;

    // The split of the compiled term that spares the members of a family
    // its part in x alone (SplitTerm), or nothing.
    const TTermSplit* Split() const { return TermSplit.get(); }

protected:
    bool ValueValid = false;
    bool Compiled = false;
    bool JumpHit = false;
    bool NonSmooth = false;
    long double Value = 0;
    long double Parameters[6] = {0, 0, 0, 0, 0, 0};
    TFunktionsKopf Kopf;
    std::int32_t ErrorPos = 0;
    std::int32_t Reserved1 = 0;
    std::int32_t LineStyle = 1;
    double Reserved2 = 0;
    double TTo = 5.0;
    double TStep = 1.0;
    double TFrom = 1.0;
    double XTo = 100.0;
    double XFrom = -100.0;
    std::string Term = "f(x) = ";
    std::string Kind = " Funktion ";
    TColor Color = 0;
    TColor Color2 = 0;
    TColumnScratch ColumnScratch;
    std::shared_ptr<const TTermSplit> TermSplit;

private:
    template <class X>
    void EvaluateColumnKeepingLast(std::span<const X> x, long double t, std::span<long double> values,
                                   std::span<bool> defined, std::span<bool> jumps);
};
