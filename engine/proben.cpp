#include "engine/proben.h"

#include "engine/arbeiterpool.h"
#include "engine/funktion.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <span>

namespace {

// Values this large are not mapped; the sample before stands in.
constexpr long double Riesig = 1e11L;
// Disc radius in view units.
constexpr double ScheibenRadius = 0.08;
// Samples evaluated at a time: past the end of a member at most this many
// are evaluated for nothing.
constexpr std::size_t Portion = 512;

// The x walk of a line, the same for every member of a function: the
// function's x and the device column of each sample, and what they depend
// on (the bits of the start, end, step, x unit and the mapping's x part).
struct TGang {
    std::array<std::uint64_t, 7> Schluessel{};
    bool Bereit = false;
    bool ZuLang = false;
    std::vector<double> XWelt;
    std::vector<std::int32_t> Spalte;
    // The values of a split term's inner part at each sample, with their
    // flags, for all members of the family; Teil names the split (0: none).
    std::uint64_t Teil = 0;
    std::vector<long double> Innen;
    std::unique_ptr<bool[]> InnenGueltig, InnenSprung;
    std::size_t InnenPlatz = 0;
};

// One thread's scratch: the columns of x and of the values.
struct TPuffer {
    TColumnScratch Spalten;
    std::vector<double> X, XWelt, XNachbar;
    std::vector<std::int64_t> N;
    std::vector<std::int32_t> Spalte;
    std::vector<long double> Y, YNachbar;
    std::vector<TGraphBefehl> Befehle;  // a portion's calls, then appended at once
    std::unique_ptr<bool[]> Gueltig, Sprung, GueltigNachbar, SprungNachbar;
    // Values evaluated on this thread.
    std::uint64_t Auswertungen = 0;
    // The last walk of a line, and the x positions worked out on this thread.
    TGang Gang;
    std::uint64_t Positionen = 0;
    // Values of split terms' inner parts evaluated on this thread.
    std::uint64_t InnenAuswertungen = 0;

    // One more place than a portion: joined discs evaluate the neighbour
    // of a portion's last value with it.
    TPuffer()
        : X(Portion + 1), XWelt(Portion + 1), XNachbar(Portion + 1), N(Portion + 1), Spalte(Portion + 1), Y(Portion + 1), YNachbar(Portion + 1),
          Befehle(Portion + 1), Gueltig(new bool[Portion + 1]), Sprung(new bool[Portion + 1]), GueltigNachbar(new bool[Portion + 1]),
          SprungNachbar(new bool[Portion + 1])
    {
    }
};

struct TPoolMitPuffern {
    std::unique_ptr<TArbeiterPool> Pool;
    std::vector<std::unique_ptr<TPuffer>> Puffer;

    explicit TPoolMitPuffern(unsigned threads) : Pool(std::make_unique<TArbeiterPool>(threads))
    {
        for (unsigned i = 0; i < Pool->Anzahl(); ++i)
            Puffer.push_back(std::make_unique<TPuffer>());
    }
};

std::unique_ptr<TPoolMitPuffern>& PoolSpeicher()
{
    static std::unique_ptr<TPoolMitPuffern> p;
    if (!p)
        p = std::make_unique<TPoolMitPuffern>(0);
    return p;
}

// The values of a column. A function that gives its values through its own
// Evaluate is asked one x at a time, on the drawing's own thread.
void Auswerten(TFunktion& f, std::span<const double> x, double t, std::span<long double> y, bool* gueltig,
               bool* sprung, TPuffer& p)
{
    p.Auswertungen += x.size();
    if (x.empty())
        return;
    if (f.ColumnsCompiled()) {
        f.EvaluateColumn(x, static_cast<long double>(t), y, {gueltig, x.size()}, {sprung, x.size()}, p.Spalten);
        return;
    }
    for (std::size_t i = 0; i < x.size(); ++i) {
        f.Evaluate(static_cast<long double>(x[i]), static_cast<long double>(t));
        y[i] = f.GetValue();
        gueltig[i] = f.GetValueValid();
        sprung[i] = f.GetJumpHit();
    }
}

// Samples i, i+1, ... of a line's walk, at most `max` of them: their
// function x and device column. Sample i lies at xStart + i * dx, so a tiny
// step can never stall the walk; the walk ends with the first sample after
// the start that reaches its end, and `ende` tells whether that is among them.
std::size_t GangStueck(const TProbenAuftrag& a, std::int64_t i, std::size_t max, double* xWelt, std::int32_t* spalte, bool& ende,
                       std::uint64_t& positionen)
{
    std::size_t n = 0;
    ende = false;
    while (n < max && !ende) {
        const double x = i == 0 ? a.XStart : a.XStart + static_cast<double>(i) * a.Dx;
        xWelt[n] = x * a.EinheitX;
        spalte[n] = a.Abbildung.Xdev(x);
        ++n;
        ende = i > 0 && !(x < a.XEnde);
        ++i;
    }
    positionen += n;
    return n;
}

// The thread's walk for the line of `a`, worked out when the last one was
// another; nothing when it is longer than is kept.
const TGang* GangFuer(const TProbenAuftrag& a, TPuffer& p)
{
    const auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
    const std::array<std::uint64_t, 7> schluessel{bits(a.XStart), bits(a.XEnde), bits(a.Dx), bits(a.EinheitX),
                                                  bits(a.Abbildung.ScaleX), bits(a.Abbildung.OffX),
                                                  static_cast<std::uint32_t>(a.Abbildung.XMin)};
    TGang& g = p.Gang;
    if (!g.Bereit || g.Schluessel != schluessel) {
        g.Schluessel = schluessel;
        g.Bereit = true;
        g.Teil = 0;
        g.ZuLang = false;
        g.XWelt.clear();
        g.Spalte.clear();
        for (bool ende = false; !ende;) {
            const std::size_t alt = g.XWelt.size();
            if (alt >= ProbenLaengsterGang) {
                g.ZuLang = true;
                break;
            }
            g.XWelt.resize(alt + Portion);
            g.Spalte.resize(alt + Portion);
            const std::size_t n = GangStueck(a, static_cast<std::int64_t>(alt), Portion, g.XWelt.data() + alt, g.Spalte.data() + alt, ende,
                                                 p.Positionen);
            g.XWelt.resize(alt + n);
            g.Spalte.resize(alt + n);
        }
    }
    return g.ZuLang ? nullptr : &g;
}

// The split of a family's term whose inner values the walk holds, evaluated
// at every sample of the walk when it held another's; nothing when the
// function's term has no split or gives its values one x at a time.
const TTermSplit* InnenFuer(const TProbenAuftrag& a, TGang& g, TPuffer& p)
{
    const TTermSplit* teil = a.Funktion->ColumnsCompiled() ? a.Funktion->Split() : nullptr;
    if (!teil || g.Teil == teil->Number)
        return teil;
    const std::size_t n = g.XWelt.size();
    if (g.InnenPlatz < n) {
        g.InnenGueltig.reset(new bool[n]);
        g.InnenSprung.reset(new bool[n]);
        g.InnenPlatz = n;
    }
    g.Innen.resize(n);
    EvaluateTermColumn(teil->Inner, std::span<const double>(g.XWelt), 0.0L, g.Innen, {g.InnenGueltig.get(), n},
                       {g.InnenSprung.get(), n}, p.Spalten);
    p.InnenAuswertungen += n;
    g.Teil = teil->Number;
    return teil;
}

// The line of one member: the first sample only places the pen, every later
// one is joined to the one before unless it is undefined, a jump, or far
// from what the two before let expect.
void LinieAbtasten(const TProbenAuftrag& a, double t, TPuffer& p, TMitgliedBefehle& befehle)
{
    const TPlotAbbildung& m = a.Abbildung;
    // At one function unit per view unit the division is exact and is left out.
    const bool einsY = a.EinheitY == 1.0;
    const auto ansicht = [&](long double w) { return einsY ? w : w / a.EinheitY; };
    const TGang* gang = GangFuer(a, p);
    // A family's part in x alone, evaluated once for its members.
    const TTermSplit* teil = gang ? InnenFuer(a, p.Gang, p) : nullptr;

    std::optional<std::int32_t> Y;
    std::optional<std::int32_t> Yvor;
    long double y1 = -1.0L;
    long double y2 = -1.0L;
    bool sprungVor = false;
    bool gueltigVor = false;

    std::size_t i = 0;
    bool erste = true;
    for (;;) {
        // The next portion of the walk: from the kept one, or worked out.
        std::size_t n = 0;
        bool ende = false;
        const double* xWelt = p.XWelt.data();
        const std::int32_t* spalte = p.Spalte.data();
        if (gang) {
            xWelt = gang->XWelt.data() + i;
            spalte = gang->Spalte.data() + i;
            n = std::min(Portion, gang->XWelt.size() - i);
            ende = i + n == gang->XWelt.size();
        } else {
            n = GangStueck(a, static_cast<std::int64_t>(i), Portion, p.XWelt.data(), p.Spalte.data(), ende, p.Positionen);
        }
        if (teil) {
            p.Auswertungen += n;
            EvaluateOuterColumn(*teil, {xWelt, n}, {gang->Innen.data() + i, n}, gang->InnenGueltig.get() + i, gang->InnenSprung.get() + i,
                                static_cast<long double>(t), p.Y, {p.Gueltig.get(), n}, {p.Sprung.get(), n}, p.Spalten);
        } else {
            Auswerten(*a.Funktion, {xWelt, n}, t, p.Y, p.Gueltig.get(), p.Sprung.get(), p);
        }
        i += n;
        // At most one call per sample.
        TGraphBefehl* w = p.Befehle.data();
        for (std::size_t k = 0; k < n; ++k) {
            const long double y = p.Y[k];
            const bool gueltig = p.Gueltig[k];
            if (erste) {
                // The first sample of the member.
                erste = false;
                if (std::fabs(y) < Riesig)
                    Y = m.Ydev(ansicht(y));
                if (gueltig && Y)
                    *w++ = {TGraphBefehl::MoveTo, spalte[k], *Y};
                continue;
            }
            if (std::fabs(y) < Riesig)
                Y = m.Ydev(ansicht(y));  // a failed mapping lifts the pen
            const bool sprung = p.Sprung[k];
            bool stiftAb = Y && Yvor && gueltig && gueltigVor && !sprung && !sprungVor;
            if (stiftAb) {
                const double dY = static_cast<double>(static_cast<std::int64_t>(*Y) - *Yvor);
                stiftAb = std::fabs(dY) < a.SprungGrenze && std::fabs(y - y1) < 10.0L * std::fabs(y1 - y2) + 0.1L;
            }
            if (stiftAb)
                *w++ = {TGraphBefehl::LineTo, spalte[k], *Y};
            else if (Y && (a.NonSmooth || gueltig))
                *w++ = {TGraphBefehl::MoveTo, spalte[k], *Y};
            Yvor = Y;
            y2 = y1;
            y1 = y;
            sprungVor = sprung;
            gueltigVor = gueltig;
        }
        befehle.insert(befehle.end(), p.Befehle.data(), w);
        if (ende)
            return;
    }
}

// The discs of one member at the whole x values, with the line to the next
// value in the joined style.
void ScheibenAbtasten(const TProbenAuftrag& a, double t, TPuffer& p, TMitgliedBefehle& befehle)
{
    const TPlotAbbildung& m = a.Abbildung;
    const double r = ScheibenRadius;
    const bool verbunden = a.Stil == 10;
    // A function asked one x at a time gets its calls in the drawing's
    // order: each value, then its neighbour where that is needed.
    const bool spalten = a.Funktion->ColumnsCompiled();
    const std::size_t portion = spalten ? Portion : 1;
    // With a step of one the neighbour of a value is the next value: it is
    // read from there, not evaluated again; the neighbour of a portion's
    // last value is evaluated with the portion and carried into the next.
    // Up to 2^53 every whole number and its successor are exact doubles.
    constexpr std::int64_t Exakt = std::int64_t{1} << 53;
    const bool weiter = verbunden && spalten && a.Schritt == 1 && a.Von >= -Exakt && a.Bis < Exakt;
    bool uebertrag = false;  // place 0 holds the value of n already
    std::int64_t n = a.Von;
    while (n <= a.Bis) {
        std::size_t k = 0;
        for (; k < portion && n <= a.Bis; ++k, n += a.Schritt) {
            p.N[k] = n;
            p.X[k] = static_cast<double>(n);
            p.XNachbar[k] = p.X[k] + 1.0;
        }
        // The values, and where the neighbours are read from.
        const long double* yNachbar = p.YNachbar.data();
        const bool* gueltigNachbar = p.GueltigNachbar.get();
        if (weiter) {
            // Place k: the neighbour of the last value, when it is drawn.
            const std::size_t mit = p.N[k - 1] < a.Bis ? k + 1 : k;
            p.X[k] = p.XNachbar[k - 1];
            const std::size_t ab = uebertrag ? 1 : 0;
            Auswerten(*a.Funktion, {p.X.data() + ab, mit - ab}, t, {p.Y.data() + ab, mit - ab}, p.Gueltig.get() + ab,
                      p.Sprung.get() + ab, p);
            yNachbar = p.Y.data() + 1;
            gueltigNachbar = p.Gueltig.get() + 1;
        } else {
            Auswerten(*a.Funktion, {p.X.data(), k}, t, p.Y, p.Gueltig.get(), p.Sprung.get(), p);
            if (verbunden && spalten)
                Auswerten(*a.Funktion, {p.XNachbar.data(), k}, t, p.YNachbar, p.GueltigNachbar.get(), p.SprungNachbar.get(), p);
        }
        for (std::size_t j = 0; j < k; ++j) {
            const double xn = p.X[j];
            const long double y = p.Y[j];
            if (!p.Gueltig[j] || !(std::fabs(y) < Riesig))
                continue;
            const long double yv = y / a.EinheitY;
            const auto Y = m.Ydev(yv);
            const auto Ya = m.Ydev(yv - r);
            const auto Yb = m.Ydev(yv + r);
            if (verbunden && Y) {
                befehle.push_back({TGraphBefehl::TinteMoveTo, m.Xdev(xn / a.EinheitX), *Y});
                if (!spalten)
                    Auswerten(*a.Funktion, {p.XNachbar.data() + j, 1}, t, {p.YNachbar.data() + j, 1},
                              p.GueltigNachbar.get() + j, p.SprungNachbar.get() + j, p);
                const long double yn = yNachbar[j];
                if (p.N[j] + 1 <= a.Bis && gueltigNachbar[j] && std::isfinite(yn)) {
                    if (const auto Yn = m.Ydev(yn / a.EinheitY))
                        befehle.push_back({TGraphBefehl::LineTo, m.Xdev((xn + 1.0) / a.EinheitX), *Yn});
                }
            }
            befehle.push_back({TGraphBefehl::Schwarz});
            if (Ya && Yb)
                befehle.push_back({TGraphBefehl::Ellipse, m.Xdev(xn / a.EinheitX + r), *Ya, m.Xdev(xn / a.EinheitX - r), *Yb});
        }
        if (weiter && n <= a.Bis) {
            p.Y[0] = p.Y[k];
            p.Gueltig[0] = p.Gueltig[k];
            uebertrag = true;
        }
    }
}

}  // namespace

void MitgliedAbtasten(const TProbenAuftrag& auftrag, double t, unsigned thread, TMitgliedBefehle& befehle)
{
    TPuffer& p = *PoolSpeicher()->Puffer.at(thread);
    befehle.clear();
    // Room for a call per sample (four per whole x for discs), so that the
    // list does not grow step by step; kept lists are reused.
    const double n = auftrag.Scheiben ? 4.0 * (static_cast<double>(auftrag.Bis - auftrag.Von) / static_cast<double>(auftrag.Schritt) + 1.0)
                                      : (auftrag.XEnde - auftrag.XStart) / auftrag.Dx + 3.0;
    if (n > 0 && n < 1e6)
        befehle.reserve(static_cast<std::size_t>(n));
    if (auftrag.Scheiben)
        ScheibenAbtasten(auftrag, t, p, befehle);
    else
        LinieAbtasten(auftrag, t, p, befehle);
}

TArbeiterPool& ProbenPool()
{
    return *PoolSpeicher()->Pool;
}

std::uint64_t ProbenXPositionen()
{
    std::uint64_t n = 0;
    for (const auto& p : PoolSpeicher()->Puffer)
        n += p->Positionen;
    return n;
}

std::uint64_t ProbenInnenAuswertungen()
{
    std::uint64_t n = 0;
    for (const auto& p : PoolSpeicher()->Puffer)
        n += p->InnenAuswertungen;
    return n;
}

std::uint64_t ProbenAuswertungen()
{
    std::uint64_t n = 0;
    for (const auto& p : PoolSpeicher()->Puffer)
        n += p->Auswertungen;
    return n;
}

void ProbenPoolGroesse(unsigned threads)
{
    std::unique_ptr<TPoolMitPuffern>& p = PoolSpeicher();
    p.reset();
    p = std::make_unique<TPoolMitPuffern>(threads);
}

// ---------------------------------------------------------------------------

std::size_t TProbenEintrag::Bytes() const
{
    std::size_t b = sizeof(*this) + Term.capacity() + Schluessel.capacity() * sizeof(std::uint64_t) +
                    Mitglieder.capacity() * sizeof(TMitgliedBefehle);
    for (const TMitgliedBefehle& m : Mitglieder)
        b += m.capacity() * sizeof(TGraphBefehl);
    return b;
}

const TProbenEintrag* TProbenSpeicher::Finden(std::size_t slot, const std::string& term,
                                              const std::vector<std::uint64_t>& schluessel) const
{
    const TProbenEintrag* e = slot < Eintraege.size() ? Eintraege[slot].get() : nullptr;
    if (e && e->Term == term && e->Schluessel == schluessel)
        return e;
    return nullptr;
}

void TProbenSpeicher::Ablegen(std::size_t slot, TProbenEintrag&& eintrag, const std::array<bool, 10>& gezeichnet)
{
    if (slot >= Eintraege.size())
        return;
    Eintraege[slot].reset();
    const std::size_t neu = eintrag.Bytes();
    if (neu > MaxBytes)
        return;
    for (std::size_t k = 0; k < Eintraege.size() && Bytes() + neu > MaxBytes; ++k)
        if (!gezeichnet[k])
            Eintraege[k].reset();
    if (Bytes() + neu > MaxBytes)
        return;
    Eintraege[slot] = std::make_unique<TProbenEintrag>(std::move(eintrag));
}

void TProbenSpeicher::Entfernen(std::size_t slot)
{
    if (slot < Eintraege.size())
        Eintraege[slot].reset();
}

void TProbenSpeicher::Leeren()
{
    for (auto& e : Eintraege)
        e.reset();
}

std::size_t TProbenSpeicher::Bytes() const
{
    std::size_t b = 0;
    for (const auto& e : Eintraege)
        if (e)
            b += e->Bytes();
    return b;
}
