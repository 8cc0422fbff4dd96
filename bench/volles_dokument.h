#pragma once
// The heaviest document a user can make with the windows: nine families of
// 101 members each and every slot of every object table that a tool window
// shows filled in. Opening it changes every field of every tool window.
// `breit`: the same drawing in a view ten times as wide and as high.

#include "engine/dokument.h"

#include <string>

inline TDokumentBild VollesDokument(bool breit = false)
{
    TDokumentBild bild;
    TDokumentKopf& k = bild.Kopf;
    // A new document's head, in a view as wide as asked.
    k = NeuerDokumentKopf();
    if (breit) {
        k.XMin = -50;
        k.XMax = 60;
        k.YMax = 80;
        k.YMin = -20;
    }
    k.Evonx = "-100";
    k.Ebisx = "100";
    k.Evont = "0";
    k.Ebist = "10";
    k.Estept = "0,1";
    k.RechnerX = "1";
    k.RechnerT = "2";
    k.FunktionWahl = "1.";
    k.FunktionNr = 1;

    // Nine families of 101 members, t from 0 to 10 in steps of 0.1, in
    // every line style; functions 10 to 12 as New leaves them.
    const char* terme[9] = {"f(x,t) = t*x^2 - 3",      "f(x,t) = sin(x + t) + t/20", "f(x,t) = t/10*x + 1",
                            "f(x,t) = (x - t/5)^3/4",  "f(x,t) = sqrt(t*x)",         "f(x,t) = t*cos(x)/5",
                            "f(x,t) = exp(x/t) - 2",   "f(x,t) = abs(x - t/4) - 1",  "f(x,t) = t/(x^2 + 1)"};
    for (std::size_t n = 0; n < bild.Funktionen.size(); ++n) {
        TFunktionSatz& s = bild.Funktionen[n];
        s.XFrom = -100;
        s.XTo = 100;
        s.TFrom = 1;
        s.TTo = 5;
        s.TStep = 1;
        s.Term = "f(x) = ";
        s.Kind = " Funktion ";
        s.LineStyle = 1;
    }
    for (std::size_t n = 1; n <= 9; ++n) {
        TFunktionSatz& s = bild.Funktionen[n];
        s.Term = terme[n - 1];
        s.Kind = " Funktionenschar ";
        s.TFrom = 0;
        s.TTo = 10;
        s.TStep = 0.1;
        s.Color = static_cast<TColor>(0xC0u << (8 * (n % 3)));
        s.Color2 = static_cast<TColor>(0x00808080u + n);
        s.LineStyle = static_cast<std::int32_t>(n);
    }
    bild.Funktionen[0] = bild.Funktionen[1];
    k.Gleichung = bild.Funktionen[1].Term;

    auto zahl = [](double v) {
        std::string t = std::to_string(v);
        t.erase(t.find_last_not_of('0') + 1);
        if (!t.empty() && t.back() == '.')
            t.pop_back();
        for (char& c : t)
            if (c == '.')
                c = ',';
        return t;
    };
    for (int n = 1; n <= 9; ++n) {
        TBeschriftung& b = bild.Beschriftungen[n];
        b.Text = "Beschriftung " + std::to_string(n);
        b.X = 0.5 + n;
        b.Y = 0.6 * n;
        b.Font = TSchrift{"Tahoma", static_cast<TColor>(0x00400000u * static_cast<unsigned>(n % 4)), 10 + n, 0, {}};
        b.Vorne = static_cast<std::uint8_t>(n % 2);
    }
    // The tenth label is not used but carries the font New gives it.
    bild.Beschriftungen[10].Font = TSchrift{"Tahoma", 0, 12, 0, {}};
    for (int n = 1; n <= 20; ++n) {
        TPunkt& p = bild.Punkte[n];
        p.X = zahl(-4.5 + 0.5 * n);
        p.Y = zahl(0.25 * n - 1);
        p.Name = std::string(1, static_cast<char>(n <= 10 ? 64 + n : 66 + n));
        p.Style = 1 + n % 4;
        p.NamePos = 1 + n % 4;
        p.Color = static_cast<TColor>(0x00FF0000u >> (n % 3 * 8));
        p.Font = TSchrift{"Tahoma", p.Color, 9 + n % 3, static_cast<std::uint8_t>(n % 2), {}};
    }
    for (int n = 1; n <= 10; ++n) {
        TKreis& c = bild.Kreise[n];
        c.Hinten = static_cast<std::uint8_t>(n % 2);
        c.LineStyle = n % 4;
        c.RadiusX = zahl(0.5 + 0.1 * n);
        c.RadiusY = zahl(0.3 + 0.1 * n);
        c.ShowCentre = n % 2 ? "1" : "0";
        c.Fill = std::to_string(n % 6);
        c.FillColor = static_cast<TColor>(0x0000FFFFu - static_cast<unsigned>(n) * 0x10u);
    }
    for (int n = 1; n <= 4; ++n) {
        TSenkrechte& s = bild.Senkrechte[n];
        s.X = zahl(-3.5 + 2 * n);
        s.YFrom = zahl(-1.5 + 0.1 * n);
        s.YTo = zahl(6.5 - 0.1 * n);
        s.Color = static_cast<TColor>(0x00008000u + static_cast<unsigned>(n));
        s.LineStyle = 2 * n;
    }
    for (int n = 1; n <= 8; ++n) {
        TFlaeche& f = bild.Flaechen[n];
        f.CurveA = n;
        f.CurveB = n == 8 ? 13 : n + 1;
        f.XFrom = zahl(-2.5 + 0.25 * n);
        f.XTo = zahl(-1.0 + 0.5 * n);
        f.Color = static_cast<TColor>(0x00C0C000u + static_cast<unsigned>(n));
        f.Linien = static_cast<std::uint8_t>(n % 2);
    }
    return bild;
}
