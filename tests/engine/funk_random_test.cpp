// Many random and mutated terms: nothing may crash or hang, and a compiled
// term must evaluate exactly as its parts do, node by node, one x at a time
// and in a column.
#include "engine/funk.h"
#include "zufallsterme.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <span>
#include <string>
#include <vector>

namespace {

struct Eval {
    bool compiled = false;
    long double value = 0;
    bool ok = false;
    bool jump = false;
};

Eval Run(const std::string& term, const long double p[6])
{
    TFunktionsKopf kopf;
    std::string t = term;
    std::int32_t pos = 0;
    bool nonSmooth = false;
    Eval e;
    CompileTerm(kopf, t, pos, nonSmooth, e.compiled);
    if (e.compiled) e.value = EvaluateTerm(kopf, p, e.ok, e.jump);
    return e;
}

// The same through column evaluation, with x in the middle of a column of
// ordinary values (parameters 3 to 6 are 0 there, as here).
Eval RunInColumn(const std::string& term, long double x, long double t)
{
    TFunktionsKopf kopf;
    std::string text = term;
    std::int32_t pos = 0;
    bool nonSmooth = false;
    Eval e;
    CompileTerm(kopf, text, pos, nonSmooth, e.compiled);
    if (!e.compiled)
        return e;
    std::vector<long double> xs(9, 1.25L);
    xs[4] = x;
    std::vector<long double> values(xs.size());
    bool defined[9], jumps[9];
    TColumnScratch scratch;
    EvaluateTermColumn(kopf, std::span<const long double>(xs), t, values, defined, jumps, scratch);
    e.value = values[4];
    e.ok = defined[4];
    e.jump = jumps[4];
    return e;
}

bool Same(long double a, long double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// Checks one node against its parts. A failed node carries 0 to its parent,
// but a parent whose own guard passes carries its true value on; so the
// expected value of a node is its operation applied to the values its parts
// carry, and the term as a whole reports that value only when every part and
// the node itself are defined.
struct Carried {
    long double value = 0;  // what this node hands to its parent
    bool ok = true;         // this node and all below it are defined
    bool jump = false;
};

Carried CheckNode(TermMaker& maker, const Node& n, long double x, long double t, int& failures)
{
    const long double p[6] = {x, t, 0, 0, 0, 0};
    Carried c;
    if (n.kind == Node::Param) {
        c.value = n.text == "x" ? x : t;
        return c;
    }
    if (n.kind == Node::Const) {
        c.value = Run("f(x)=" + n.text, p).value;
        return c;
    }
    Eval step;
    if (n.kind == Node::Op) {
        const Carried a = CheckNode(maker, *n.left, x, t, failures);
        const Carried b = CheckNode(maker, *n.right, x, t, failures);
        const long double q[6] = {x, t, a.value, b.value, 0, 0};
        step = Run("f(x,t,u,w)=u" + n.text + "w", q);
        c.ok = a.ok && b.ok;
        c.jump = a.jump || b.jump;
    } else {
        const Carried a = CheckNode(maker, *n.left, x, t, failures);
        const long double q[6] = {x, t, a.value, 0, 0, 0};
        step = Run(n.kind == Node::Neg ? "f(x,t,u)=-u" : "f(x,t,u)=" + n.text + "(u)", q);
        c.ok = a.ok;
        c.jump = a.jump;
    }
    c.value = step.value;  // 0 when this step's own guard failed
    c.ok = c.ok && step.ok;
    c.jump = c.jump || step.jump;

    // The whole, one by one and in a column, against what its parts give.
    const std::string body = maker.Render(n);
    const long double expected = c.ok ? c.value : 0;
    for (const bool column : {false, true}) {
        const Eval whole = column ? RunInColumn("f(x,t)=" + body, x, t) : Run("f(x,t)=" + body, p);
        if (!whole.compiled || !Same(whole.value, expected) || whole.ok != c.ok || whole.jump != c.jump ||
            (whole.ok && !std::isfinite(whole.value))) {
            ADD_FAILURE() << body << (column ? " (column)" : "") << " at x=" << static_cast<double>(x)
                          << " t=" << static_cast<double>(t) << ": " << static_cast<double>(whole.value) << "/"
                          << whole.ok << "/" << whole.jump << " but parts give " << static_cast<double>(expected)
                          << "/" << c.ok << "/" << c.jump;
            ++failures;
        }
    }
    return c;
}

TEST(FunkRandom, CompiledTermsEvaluateLikeTheirParts)
{
    TermMaker maker(20240611u);
    const long double xs[] = {-3, -1, 0, 0.5L, 2, 1e-9L, 1e10L, -7.25L};
    int failures = 0;
    for (int i = 0; i < 4000 && failures < 10; ++i) {
        const auto tree = maker.Make(1 + static_cast<int>(maker.Pick(4)));
        const long double x = xs[maker.Pick(std::size(xs))];
        const long double t = xs[maker.Pick(std::size(xs))];
        CheckNode(maker, *tree, x, t, failures);
    }
    EXPECT_EQ(failures, 0);
}

// Mutated terms: whatever the text, compiling and evaluating must end, the
// error position must lie inside the text, and the text comes back
// blank-free.
TEST(FunkRandom, MutatedTermsNeverCrash)
{
    TermMaker maker(77u);
    std::vector<std::string> seeds = {"f(x) = sqrt(abs(x))+ln(x^2+1)", "F1(x) = 2,5E-3*x",
                                      "f'(x,a,b,c,d,e) = a+b+c+d+e+x", "f(x)=[x+1)", "g(x,t) = -t*x^2+pi"};
    for (int i = 0; i < 40; ++i) seeds.push_back("f(x,t)=" + maker.Render(*maker.Make(4)));

    const std::string alphabet = "xtXTpPiEe0123456789.,+-*/^()[]$=' sinlogabcf\xC3\xA4\xE2\x82\xAC\xFF";
    using L = std::numeric_limits<long double>;
    const long double probes[] = {0, -2, 3.5L, 1e-4000L, -1e4000L, 1e30L, L::infinity(), L::quiet_NaN(), L::denorm_min()};
    int compiled = 0;
    for (int i = 0; i < 20000; ++i) {
        std::string s = seeds[maker.Pick(seeds.size())];
        const std::size_t edits = 1 + maker.Pick(3);
        for (std::size_t e = 0; e < edits; ++e) {
            const std::size_t at = s.empty() ? 0 : maker.Pick(s.size() + 1);
            switch (maker.Pick(6)) {
            case 0: s.insert(at, 1, alphabet[maker.Pick(alphabet.size())]); break;
            case 1: if (at < s.size()) s.erase(at, 1); break;
            case 2: if (at < s.size()) s[at] = alphabet[maker.Pick(alphabet.size())]; break;
            case 3: if (at < s.size()) s.insert(at, s.substr(at, maker.Pick(12))); break;
            case 4: s.insert(at, 1, static_cast<char>(maker.Pick(256))); break;
            default: s.insert(at, std::string(1 + maker.Pick(40), "((9E"[maker.Pick(4)])); break;
            }
        }
        std::string stripped = s;
        std::erase(stripped, ' ');
        TFunktionsKopf kopf;
        std::string rest = s;
        std::int32_t pos = -1;
        bool nonSmooth = false, ok = false;
        CompileTerm(kopf, rest, pos, nonSmooth, ok);
        if (ok) {
            ++compiled;
            ASSERT_EQ(std::pair(pos, rest), std::pair(0, std::string("$"))) << s;
            for (long double x : probes) {
                const long double p[6] = {x, -x, x, x, x, x};
                bool defined = false, jump = false;
                const long double v = EvaluateTerm(kopf, p, defined, jump);
                ASSERT_TRUE(defined ? std::isfinite(v) : v == 0) << s;
            }
        } else {
            ASSERT_TRUE(pos >= 1 && static_cast<std::size_t>(pos) <= stripped.size() + 1) << s;
            ASSERT_EQ(rest, stripped) << s;
        }
    }
    // The mutations should leave a fair share compiling, or the evaluator
    // part of this test would test little.
    EXPECT_GT(compiled, 1000);
}

}  // namespace
