#pragma once
// Fake functions valued by a lambda, and a graph window with the default view
// (-5..6, -2..8) on 331 x 301 device units, 30 per unit, the origin at (150,
// 240). Object tables, functions and texts are put back after each test.

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

using Op = TRecordingCanvas::TOpKind;

class TFakeFunktion : public TFunktion {
public:
    using TWert = std::function<std::optional<long double>(long double x, long double t)>;

    explicit TFakeFunktion(TWert wert = nullptr, const std::string& kind = " Funktion ") : Wert(std::move(wert))
    {
        Compiled = static_cast<bool>(Wert);
        Kind = kind;
        Color = clRed;
        Color2 = clBlue;
    }
    void Evaluate(const long double p[6]) override
    {
        ++Aufrufe;
        TWerte.insert(p[1]);
        const auto v = Wert ? Wert(p[0], p[1]) : std::nullopt;
        ValueValid = v.has_value();
        Value = v.value_or(0);
        JumpHit = Sprung ? Sprung(p[0]) : false;
    }

    TWert Wert;
    std::function<bool(long double x)> Sprung;  // jump flag per sample
    long Aufrufe = 0;
    std::set<long double> TWerte;  // every t evaluated
};

// Colour of one pixel as a model colour.
inline TColor PixelFarbe(const QImage& img, int spalte, int zeile)
{
    const QColor q = img.pixelColor(spalte, zeile);
    return RGB(static_cast<std::uint8_t>(q.red()), static_cast<std::uint8_t>(q.green()),
               static_cast<std::uint8_t>(q.blue()));
}

// The operation that wrote this text, if any.
inline std::optional<TRecordingCanvas::TOp> TextOp(const TRecordingCanvas& c, const QString& text)
{
    for (const auto& op : c.OpsOf(Op::Text))
        if (op.Text == text)
            return op;
    return std::nullopt;
}

// Device position of a view position in the default view.
inline int Spalte(double x) { return static_cast<int>(std::lround((x + 5) * 30)); }
inline int Zeile(double y) { return static_cast<int>(std::lround((8 - y) * 30)); }

class TZeichnenTest : public ::testing::Test {
protected:
    using TOp = TRecordingCanvas::TOp;
    static constexpr double Skala = 30.0;  // device units per view unit
    static constexpr int Breite = 331;
    static constexpr int Hoehe = 301;

    void SetUp() override
    {
        TabellenVorbelegen();
        Texte[9] = ",";
        for (std::size_t k = 0; k < Funktionen.size(); ++k) {
            Eigene[k] = std::make_unique<TFakeFunktion>();
            Funktionen[k] = Eigene[k].get();
        }
        FunktionNr = 1;
        ZeichnenErlaubt = true;
        Modus = 0;  // no mode hint over the picture, whatever a test before left
        Setze(13, [](long double, long double) { return 0.0L; });  // the x axis of the areas
        G = std::make_unique<TGraphik>();
        G->PaintBox1->resize(Breite, Hoehe);
        G->ResizeBilder();
    }
    void TearDown() override
    {
        G.reset();
        std::tie(Punkte, Kreise, Beschriftungen, Senkrechte, Flaechen, Texte, Funktionen, FunktionNr, ZeichnenErlaubt,
                 Modus) = Alt;
    }

    // Makes a fake function k; slot 0 follows slot 1, the selected one.
    TFakeFunktion& Setze(int k, TFakeFunktion::TWert w, const std::string& kind = " Funktion ")
    {
        auto& f = Eigene[static_cast<std::size_t>(k)];
        f = std::make_unique<TFakeFunktion>(std::move(w), kind);
        Funktionen[static_cast<std::size_t>(k)] = f.get();
        if (k == FunktionNr)
            Funktionen[0] = f.get();
        return *f;
    }
    TFakeFunktion& Familie(int k, double von, double bis, double step, TFakeFunktion::TWert w)
    {
        auto& f = Setze(k, std::move(w), " Funktionenschar ");
        f.SetTFrom(von);
        f.SetTTo(bis);
        f.SetTStep(step);
        return f;
    }
    TFakeFunktion& Fake(int k) { return *Eigene[static_cast<std::size_t>(k)]; }

    // The graphs and objects alone, at `scale` device units per view unit.
    std::vector<TOp> Graphen(double scale = Skala)
    {
        TRecordingCanvas c(2000, 2000);
        G->DrawGraphs(c, scale, scale, 0.0, 0.0);
        return c.Ops();
    }
    std::vector<TOp> Linien(double scale = Skala)
    {
        TRecordingCanvas c(2000, 2000);
        G->DrawGraphs(c, scale, scale, 0.0, 0.0);
        return c.OpsOf(Op::Line);
    }
    // Runs of equal pen colour, in drawing order.
    static std::vector<TColor> Farbfolge(const std::vector<TOp>& linien)
    {
        std::vector<TColor> r;
        for (const TOp& l : linien)
            if (r.empty() || r.back() != l.Pen.Color)
                r.push_back(l.Pen.Color);
        return r;
    }

    // The three layers in the order of a redraw, recorded or painted.
    void Zeichne(TCanvas& c)
    {
        G->DrawCoordinateSystem(c, Skala, -Skala);
        G->DrawGraphs(c, Skala, Skala, 0.0, 0.0);
        G->DrawLabels(c, Skala, -Skala);
    }
    std::unique_ptr<TRecordingCanvas> Aufnahme()
    {
        auto c = std::make_unique<TRecordingCanvas>(Breite, Hoehe);
        Zeichne(*c);
        return c;
    }
    QImage Gemalt()
    {
        QImage img = MakeScreenImage(Breite, Hoehe);
        {
            TImageCanvas c(&img);
            Zeichne(c);
            c.Flush();
        }
        return img;
    }

    static TColor FarbeBei(const QImage& img, double x, double y) { return PixelFarbe(img, Spalte(x), Zeile(y)); }

    // Operations of one kind drawn with a pen of the given colour.
    static std::vector<TOp> MitStift(const TRecordingCanvas& c, Op kind, TColor farbe)
    {
        std::vector<TOp> r;
        for (const auto& op : c.OpsOf(kind))
            if (op.Pen.Color == farbe)
                r.push_back(op);
        return r;
    }

    std::unique_ptr<TGraphik> G;

private:
    std::array<std::unique_ptr<TFakeFunktion>, 14> Eigene;
    std::tuple<TPunkte, TKreise, TBeschriftungen, TSenkrechten, TFlaechen, decltype(Texte), std::array<TFunktion*, 14>,
               std::int32_t, bool, std::int32_t>
        Alt{Punkte, Kreise, Beschriftungen, Senkrechte, Flaechen, Texte, Funktionen, FunktionNr, ZeichnenErlaubt, Modus};
};
