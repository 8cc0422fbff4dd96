#pragma once
// Term compiler and evaluator (module FUNK).
//
// A function equation such as "f(x) = x^2" or "f(x,t) = t*x^2" is compiled
// into a header (function name, parameter names) and a tree of TKnoten nodes.
// The tree is then flattened once into a short list of steps that the
// evaluator runs for every parameter vector; the steps keep the tree's order
// of evaluation (left operand before right, argument before the function's
// own test), so results, guards and flags are those of a plain walk over the
// tree. Walking the tree itself would recurse as deep as the term is long.
//
// Every number is 80-bit extended (long double on x86-64 with g++).

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <vector>

static_assert(std::numeric_limits<long double>::digits == 64,
              "the term language computes in 80-bit extended precision");

// The function codes of the term language, shared by the keyword table, the
// compiled tree, the evaluator and the tests. Their values are those the
// language has always had, so a tree means the same in every version;
// Negate (12) is the leading minus sign and has no keyword.
struct FunctionCode {
    enum Value : std::uint8_t {
        Abs = 1, Sqr = 2, Round = 3, Trunc = 4, Sqrt = 5, Sin = 6, Cos = 7, ArcTan = 8,
        Exp = 9, Ln = 10, Log = 11, Negate = 12, Tan = 13, ArcSin = 14, Cot = 15, Sinh = 16,
        Cosh = 17, ArSinh = 18, ArCosh = 19, ArTanh = 20, ArCoth = 21, Tanh = 22, Coth = 23,
        ArcCos = 24, ArcCot = 25, Floor = 26, Sign = 27, Heaviside = 28,
        First = Abs, Last = Heaviside
    };
};

// The codes of the binary operators in the compiled tree.
struct OperatorCode {
    enum Value : std::uint8_t { Plus = 1, Minus = 2, Times = 3, Divide = 4, Power = 5 };
};

// The keywords of the term language in upper case (they are matched
// case-insensitively for a-z) with the functions they name.
struct TermKeyword {
    const char* Name;
    FunctionCode::Value Code;
};
inline constexpr TermKeyword FunctionKeywords[] = {
    {"ABS", FunctionCode::Abs},         {"ABSOLUT", FunctionCode::Abs},
    {"BETRAG", FunctionCode::Abs},      {"SQR", FunctionCode::Sqr},
    {"SQUARE", FunctionCode::Sqr},      {"QUADRAT", FunctionCode::Sqr},
    {"ROUND", FunctionCode::Round},     {"RUNDE", FunctionCode::Round},
    {"TRUNC", FunctionCode::Trunc},     {"INT", FunctionCode::Trunc},
    {"SQRT", FunctionCode::Sqrt},       {"WURZEL", FunctionCode::Sqrt},
    {"SQUAREROOT", FunctionCode::Sqrt}, {"SIN", FunctionCode::Sin},
    {"COS", FunctionCode::Cos},         {"ATAN", FunctionCode::ArcTan},
    {"ARCTAN", FunctionCode::ArcTan},   {"EXP", FunctionCode::Exp},
    {"LN", FunctionCode::Ln},           {"LOG", FunctionCode::Log},
    {"TAN", FunctionCode::Tan},         {"ASIN", FunctionCode::ArcSin},
    {"ARCSIN", FunctionCode::ArcSin},   {"COT", FunctionCode::Cot},
    {"SINH", FunctionCode::Sinh},       {"COSH", FunctionCode::Cosh},
    {"ARSINH", FunctionCode::ArSinh},   {"ARCOSH", FunctionCode::ArCosh},
    {"ARTANH", FunctionCode::ArTanh},   {"ARCOTH", FunctionCode::ArCoth},
    {"TANH", FunctionCode::Tanh},       {"COTH", FunctionCode::Coth},
    {"ACOS", FunctionCode::ArcCos},     {"ARCCOS", FunctionCode::ArcCos},
    {"ACOT", FunctionCode::ArcCot},     {"ARCCOT", FunctionCode::ArcCot},
    {"GAUSS", FunctionCode::Floor},     {"FLOOR", FunctionCode::Floor},
    {"SIGN", FunctionCode::Sign},       {"SIGNUM", FunctionCode::Sign},
    {"HS", FunctionCode::Heaviside},    {"HEAVISIDE", FunctionCode::Heaviside},
};

// One node of a compiled term.
struct TKnoten {
    enum : std::uint8_t { Function = 0, Operator = 1, Parameter = 2, Constant = 3 };

    std::uint8_t Kind = Constant;
    // Function: a FunctionCode; operator: an OperatorCode; parameter: its
    // index 1..6 (1 is x, 2 is t).
    std::int32_t Code = 0;
    std::int32_t Left = -1;   // function: the argument; operator: left operand
    std::int32_t Right = -1;  // operator: right operand
    std::string Name;         // parameter: its name as matched (at most 3 characters)
    long double Value = 0;    // constant: its value
};

// One step of the flattened term. Steps compute into a running value that
// stays in a register from one step to the next; a value still needed while
// others are computed is first saved to a Work slot.
struct TTermStep {
    // x and t, read by nearly every term, are held in registers as well.
    // FromSaved: the one value saved in a register rather than in Work.
    enum : std::uint8_t { FromRunning = 0, FromWork = 1, FromParameter = 2, FromX = 3, FromT = 4,
                          FromSaved = 5 };

    std::uint8_t Op = 0;  // a FunctionCode, or one of the steps in funk.cpp
    std::uint8_t K = 0;   // integer exponent 1..64 of a power with a constant exponent
    bool NegativeExp = false;
    std::uint8_t ASource = FromRunning;  // first operand (a function's argument)
    std::uint8_t BSource = FromRunning;  // second operand
    std::int32_t A = 0;   // slot of the first operand unless running
    std::int32_t B = 0;   // slot of the second operand unless running
    std::int32_t C = 0;   // slot of ln|base| for a power with a constant base;
                          // slot to save the running value in for a save step
    double Short = 0;     // a constant operand of + - * / that a double holds
                          // exactly, read from here (a short load) instead
};

// One step of the register form of a term, which column evaluation runs for
// each x of a block with every intermediate value in a register (funk.cpp
// tells how). Constants are folded into it and read as C - CRest, both
// doubles, which loads faster than an 80-bit value and is exact.
struct TRegisterStep {
    std::uint8_t Op = 0;
    std::uint8_t K = 0;      // whole exponent, or function code
    std::uint8_t A = 0;      // operand places of the general steps
    std::uint8_t B = 0;
    std::uint8_t Keep = 0;   // general steps: the registers kept in columns around them
    std::uint8_t Band = 0;   // the fast band its value is checked against, 0: none
    std::uint8_t Guard = 0;  // its column of checked values; functions: the checked values before
    double C = 0, CRest = 0;  // the constant operand
    double D = 0, DRest = 0;  // a second constant: ln|base| of a power with a constant base
};

// The machine code of a register form (funk_register.h).
struct TRegisterCode;

// The header record of one compiled term.
struct TFunktionsKopf {
    std::string Name;                       // function name, at most 6 characters
    std::string Text;                       // blank-free equation; "$" after success
    std::array<std::string, 6> Parameters;  // parameter names, at most 3 characters
    std::uint8_t Count = 0;                 // number of parameters, 1..6

    // Storage of the last compilation. Nodes are owned here and replaced by
    // the next compilation, so typing does not make memory grow.
    std::vector<TKnoten> Nodes;
    // Runnable form; empty with ResultSlot -1 unless the last compilation
    // succeeded, so a failed term can never be evaluated by accident.
    std::vector<TTermStep> Steps;
    std::int32_t ResultSlot = -1;  // -1: nothing runnable
    std::uint8_t ResultSource = TTermStep::FromRunning;
    std::uint8_t UsedParameters = 0;  // bit i: parameter i+1 is read
    // Slots 0..5: a cleaned copy of the parameters, used only when one of
    // them is not finite; then constants; then saved intermediate values.
    // Evaluation writes into it, hence mutable.
    mutable std::vector<long double> Work;
    // Work slots from here on hold saved intermediate values, the ones
    // below it parameters and constants.
    std::int32_t SavedBase = 0;
    // The register form of Steps for column evaluation; empty when the term
    // has none (it needs more saved values than there are registers, or a
    // constant part is undefined), and columns then run Steps alone.
    std::vector<TRegisterStep> RegisterSteps;
    bool RegisterSign = false;  // the register form takes a sign
    std::int32_t RegisterChecks = 0;  // its values checked against a band
    bool RegisterGeneral = false;     // it has general steps (funk.cpp)
    // Its machine code where the evaluator makes one; shared by copies.
    std::shared_ptr<const TRegisterCode> RegisterCode;
    // The tree's root in Nodes, -1 unless the last compilation succeeded.
    std::int32_t Root = -1;
};

// Compiles `term` into `kopf`. On return `term` holds the end mark "$" on
// success and the blank-free text on failure; `errorPos` is the 1-based
// position (in bytes of the blank-free text) where compilation stopped, 0 on
// success; `nonSmooth` tells whether a non-smooth function is used.
void CompileTerm(TFunktionsKopf& kopf, std::string& term, std::int32_t& errorPos,
                 bool& nonSmooth, bool& ok);

// Evaluates the last successful compilation of `kopf` for the parameter
// vector p (p[0] is parameter 1). Returns 0 with ok False when any step is
// undefined, or when there is nothing compiled. `jump` is set when SIGN met
// an argument at its jump, even if the value as a whole is undefined.
long double EvaluateTerm(const TFunktionsKopf& kopf, const long double p[6], bool& ok,
                         bool& jump);

// Scratch of column evaluation: the intermediate columns of one block. It
// belongs to the caller, so threads that evaluate at the same time, even the
// same term, each bring their own and share nothing but the compiled term,
// which column evaluation only reads.
struct TColumnScratch {
    std::vector<long double> Columns;
    std::vector<double> X;
    std::vector<long double> XLong;
    std::vector<unsigned char> Good;
    std::vector<unsigned char> Jump;
    std::vector<unsigned char> Died;  // the register form's (funk.cpp)
    std::vector<double> Checks;
    // Blocks evaluated so far in the register form and step by step.
    std::size_t RegisterBlocks = 0;
    std::size_t StepBlocks = 0;
};

// Evaluates the last successful compilation of `kopf` for every x of the
// column with one t, parameters 3 to 6 being 0: values[i], defined[i] and
// jumps[i] are bit for bit what EvaluateTerm gives for {x[i], t, 0, 0, 0, 0}.
// Each step of the term runs over a block of x values at a time, so the
// dispatch and the parameter handling are paid once per block. The outputs
// hold at least x.size() elements.
void EvaluateTermColumn(const TFunktionsKopf& kopf, std::span<const double> x, long double t,
                        std::span<long double> values, std::span<bool> defined, std::span<bool> jumps,
                        TColumnScratch& scratch);
void EvaluateTermColumn(const TFunktionsKopf& kopf, std::span<const long double> x, long double t,
                        std::span<long double> values, std::span<bool> defined, std::span<bool> jumps,
                        TColumnScratch& scratch);

// A family's term split so that a part that depends on x alone is
// evaluated once for all members at each x: Inner is the largest part that
// reads x and nothing else and holds a function or power worth sparing;
// Outer is the term with x in its place when Inner holds every x of the
// term, else with the third parameter in its place. The split is made only
// where the two give the whole term's values and flags (funk.cpp).
struct TTermSplit {
    TFunktionsKopf Inner;
    TFunktionsKopf Outer;
    bool InnerAsParameter = false;  // Outer reads x, and Inner's values as parameter 3
    std::uint64_t Number = 0;       // another for every split made
};

// The split of the last successful compilation of `kopf`, or nothing.
std::shared_ptr<const TTermSplit> SplitTerm(const TFunktionsKopf& kopf);

// The whole term's values for a column of x and of Inner's results there
// (its values, defined and jump flags) at one t: Outer over them, with the
// flags of both. They are bit for bit what EvaluateTermColumn gives for the
// whole term over the x values.
void EvaluateOuterColumn(const TTermSplit& split, std::span<const double> x, std::span<const long double> inner,
                         const bool* innerDefined, const bool* innerJumps, long double t, std::span<long double> values,
                         std::span<bool> defined, std::span<bool> jumps, TColumnScratch& scratch);

// Whether compilation gives a term's register form machine code where the
// evaluator can make it (the default); off, column evaluation interprets the
// register form, as on the plain path. For the tests, which run both.
void AllowRegisterCode(bool allowed);

// Function code of a keyword (case-insensitive for a-z), 0 when none.
int LookupFunctionKeyword(const std::string& identifier);
