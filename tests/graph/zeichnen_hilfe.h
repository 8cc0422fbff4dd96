#pragma once
// Shared set-up of the coordinate system, object and label tests: a graph
// window with the default view (-5..6, -2..8) at 30 device units per view
// unit, the object tables at their defaults, and the three drawing layers
// run on a recording canvas or on a bitmap. Tables, the decimal separator
// and the functions are put back after each test.

#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "platform/canvas.h"
#include "fake_funktion.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

// Colour of one pixel as a model colour.
inline TColor PixelFarbe(const QImage& img, int spalte, int zeile)
{
    const QColor q = img.pixelColor(spalte, zeile);
    return RGB(static_cast<std::uint8_t>(q.red()), static_cast<std::uint8_t>(q.green()),
               static_cast<std::uint8_t>(q.blue()));
}

class TZeichnenTest : public ::testing::Test {
protected:
    static constexpr double Skala = 30.0;  // device units per view unit
    static constexpr int Breite = 331;     // picture of the default view
    static constexpr int Hoehe = 301;

    void SetUp() override
    {
        AltPunkte = Punkte;
        AltKreise = Kreise;
        AltBeschriftungen = Beschriftungen;
        AltSenkrechte = Senkrechte;
        AltFlaechen = Flaechen;
        AltTrenner = Texte[9];
        TabellenVorbelegen();
        Texte[9] = ",";
        // Function 13 is the x axis of the areas.
        Funktionen13 = &Scope.Setze(13, std::make_unique<TFakeFunktion>([](long double, long double) {
            return std::optional<long double>(0.0L);
        }));
        G = std::make_unique<TGraphik>();
        G->XMin = -5;
        G->XMax = 6;
        G->YMin = -2;
        G->YMax = 8;
        G->EinheitX = 1.0;
        G->EinheitY = 1.0;
        G->Massstab = 1.0;
    }

    void TearDown() override
    {
        G.reset();
        Punkte = AltPunkte;
        Kreise = AltKreise;
        Beschriftungen = AltBeschriftungen;
        Senkrechte = AltSenkrechte;
        Flaechen = AltFlaechen;
        Texte[9] = AltTrenner;
    }

    // The three layers in the order of a redraw, on any canvas.
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

    QImage Bild()
    {
        QImage img = MakeScreenImage(Breite, Hoehe);
        {
            TImageCanvas c(&img);
            Zeichne(c);
            c.Flush();
        }
        return img;
    }

    // Device position of a view position in the default view.
    static int Spalte(double x) { return static_cast<int>(std::lround((x + 5) * Skala)); }
    static int Zeile(double y) { return static_cast<int>(std::lround((8 - y) * Skala)); }

    static TColor FarbeBei(const QImage& img, double x, double y) { return PixelFarbe(img, Spalte(x), Zeile(y)); }

    // Operations of one kind drawn with a pen of the given colour.
    static std::vector<TRecordingCanvas::TOp> MitStift(const TRecordingCanvas& c, TRecordingCanvas::TOpKind kind,
                                                       TColor farbe)
    {
        std::vector<TRecordingCanvas::TOp> r;
        for (const auto& op : c.OpsOf(kind))
            if (op.Pen.Color == farbe)
                r.push_back(op);
        return r;
    }

    static std::vector<QString> Texte_(const TRecordingCanvas& c)
    {
        std::vector<QString> r;
        for (const auto& op : c.OpsOf(TRecordingCanvas::TOpKind::Text))
            r.push_back(op.Text);
        return r;
    }

    TFunktionenScope Scope;
    TFakeFunktion* Funktionen13 = nullptr;
    std::unique_ptr<TGraphik> G;

private:
    TPunkte AltPunkte;
    TKreise AltKreise;
    TBeschriftungen AltBeschriftungen;
    TSenkrechten AltSenkrechte;
    TFlaechen AltFlaechen;
    std::string AltTrenner;
};
