#pragma once
// The scenes that the picture comparisons draw, and how their functions are
// put into the nine slots.
#include "engine/funktion.h"
#include "engine/tabellen.h"

#include <QImage>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Evaluates through TFunktion::Evaluate, one x at a time: being a derived
// class, it is sampled on the drawing's thread and never kept.
class TEinzeln : public TFunktion {};

struct TDef {
    const char* Term;
    const char* Kind;
    int Stil;
    double TVon, TBis, TStep;
    double XVon = -100, XBis = 100;
};

// The scene in slots 1..9 (the rest empty), as plain functions or as ones
// evaluated one x at a time; `eigene` owns them.
inline void SzeneEinsetzen(std::vector<std::unique_ptr<TFunktion>>& eigene, const std::vector<TDef>& defs,
                           bool einzeln)
{
    eigene.clear();
    for (std::size_t k = 1; k <= 9; ++k) {
        std::unique_ptr<TFunktion> f = einzeln ? std::make_unique<TEinzeln>() : std::make_unique<TFunktion>();
        if (k <= defs.size()) {
            const TDef& d = defs[k - 1];
            f->SetKind(d.Kind);
            f->SetTerm(d.Term);
            f->SetLineStyle(d.Stil);
            f->SetTFrom(d.TVon), f->SetTTo(d.TBis), f->SetTStep(d.TStep);
            f->SetXFrom(d.XVon), f->SetXTo(d.XBis);
            f->SetColor(RGB(static_cast<std::uint8_t>(30 * k), 0, 200));
            f->SetColor2(RGB(0, static_cast<std::uint8_t>(25 * k), 90));
        }
        Funktionen[k] = f.get();
        eigene.push_back(std::move(f));
    }
    Funktionen[0] = Funktionen[1];
}

// Compares the pictures; on a difference names the first pixel, the number
// of pixels and the rows they span.
inline ::testing::AssertionResult BilderGleich(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return ::testing::AssertionFailure() << "sizes differ";
    long n = 0;
    int erste = -1, letzte = -1, ex = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        if (std::memcmp(p, q, static_cast<std::size_t>(a.width()) * sizeof(QRgb)) == 0)
            continue;
        for (int x = 0; x < a.width(); ++x) {
            if (p[x] == q[x])
                continue;
            if (erste < 0)
                erste = y, ex = x;
            letzte = y;
            ++n;
        }
    }
    if (n == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << n << " pixels differ in rows " << erste << ".." << letzte << ", first at ("
                                         << ex << ", " << erste << ")";
}

// The benchmark's scene: nine functions, three of them families of 100.
inline const std::vector<TDef> SchwereSzene = {
    {"f(x) = x^2", " Funktion ", 1, 1, 1, 1},
    {"f(x,t) = t*x^2 - 3", " Funktionenschar ", 0, 0.1, 10, 0.1},
    {"f(x,t) = sin(x + t) + t/20", " Funktionenschar ", 4, 0, 9.9, 0.1},
    {"f(x,t) = t/10*x + 1", " Funktionenschar ", 9, -5, 4.9, 0.1},
    {"f(x) = 1/x", " Funktion ", 6, 1, 1, 1},
    {"f(x) = sqrt(x)", " Funktion ", 2, 1, 1, 1},
    {"f(x) = sin(x)", " Funktion ", 10, 1, 1, 1},
    {"f(x) = abs(x) - 3", " Funktion ", 3, 1, 1, 1},
    {"f(x) = exp(x/2)", " Funktion ", 8, 1, 1, 1},
};

// Poles, jumps, gaps, values beyond the mapped range, non-smooth terms,
// families through t = 0, x ranges inside the view, joined discs.
inline const std::vector<TDef> Pruefszene = {
    {"f(x) = 1/(x-1) + sign(x+2)", " Funktion ", 7, 1, 1, 1},
    {"f(x,t) = floor(x*t) / 2", " Funktionenschar ", 5, -1, 1, 0.25},
    {"f(x) = ln(x) * 1E12", " Funktion ", 0, 1, 1, 1, -3, 2.5},
    {"f(x,t) = t*x^3 - x", " Funktionenschar ", 10, -0.3, 0.3, 0.1, -2.5, 3},
    {"f(x) = sqrt(4 - x^2)", " Funktion ", 4, 1, 1, 1},
    {"f(x,t) = x/t", " Funktionenschar ", 2, -2, 2, 0.5},
    {"f(x,t) = sin(x*t)", " Funktionenschar ", 1, 1, 3, 0.5},
    {"f(x) = tan(x)", " Funktion ", 8, 1, 1, 1},
    {"f(x) = round(x) + abs(x-2)", " Funktion ", 9, 1, 1, 1},
};
