#include "engine/tabellen.h"

#include "engine/zustand.h"

// FunktionNr is 1 from the start: never outside 1..9, even before the main
// window sets it.
TZustand Zustand;

TBeschriftungen& Beschriftungen = Zustand.Beschriftungen;
TPunkte& Punkte = Zustand.Punkte;
TKreise& Kreise = Zustand.Kreise;
TSenkrechten& Senkrechte = Zustand.Senkrechte;
TFlaechen& Flaechen = Zustand.Flaechen;
TReserveBlock& ReserveBlock = Zustand.ReserveBlock;

std::array<TFunktion*, 14>& Funktionen = Zustand.Funktionen;

std::int32_t& FunktionNr = Zustand.FunktionNr;
std::int32_t& Modus = Zustand.Modus;
bool ZeichnenErlaubt = false;
std::int32_t& VerschiebeNr = Zustand.VerschiebeNr;
TFlagge Flagge;
std::array<std::int32_t, AnzahlFensterVersatz> FensterVersatz{};
bool BeendenBestaetigt = false;
std::string StartDokument;
TEinstellungen Einstellungen;
std::array<std::string, AnzahlTexte> Texte;

namespace {

void SchriftSetzen(TSchrift& s, const char* name, TColor color, std::int32_t size)
{
    s.Name = name;
    s.Color = color;
    s.Size = size;
    s.Style = 0;
}

}  // namespace

void BeschriftungVorbelegen(int k)
{
    TBeschriftung& b = Beschriftungen[k];
    b.Text.clear();
    b.X = 2.1;
    b.Y = k - 0.2;
    SchriftSetzen(b.Font, "Tahoma", clBlack, 12);
    b.Vorne = 1;
}

void BeschriftungenVorbelegen()
{
    for (int k = 1; k <= 10; ++k)
        BeschriftungVorbelegen(k);
}

void PunktVorbelegen(int k)
{
    TPunkt& p = Punkte[k];
    p.X.clear();
    p.Y.clear();
    p.Name = std::string(1, static_cast<char>(64 + k));  // A..J
    p.Style = 1;
    p.NamePos = 4;
    p.Color = clBlue;
    SchriftSetzen(p.Font, "Tahoma", clBlue, 10);
}

void PunkteVorbelegen()
{
    for (int k = 1; k <= 10; ++k)
        PunktVorbelegen(k);
}

void KreiseVorbelegen()
{
    for (int k = 1; k <= 10; ++k)
        KreisVorbelegen(k);
}

void KreisVorbelegen(int k)
{
    TKreis& c = Kreise[k];
    c.Hinten = 0;
    c.LineStyle = 1;
    c.RadiusX = "2";
    c.RadiusY = "2";
    c.ShowCentre = "1";
    c.Fill = "0";
    c.FillColor = clYellow;

    // The centre's font is left as it is: centres draw their name in
    // the circle's colour and have no font defaults of their own.
    TPunkt& m = Punkte[10 + k];
    m.X.clear();
    m.Y.clear();
    m.Name = std::string(1, static_cast<char>(66 + 10 + k));  // M..V
    m.Style = 1;
    m.NamePos = 4;
    m.Color = clGreen;
}

void SenkrechteVorbelegen()
{
    for (int k = 1; k <= 4; ++k) {
        TSenkrechte& s = Senkrechte[k];
        s.X.clear();
        s.YFrom = "-100";
        s.YTo = "100";
        s.Color = clGreen;
        s.LineStyle = 1;
    }
}

void FlaechenVorbelegen()
{
    for (int k = 1; k <= AnzahlFlaechen; ++k) {
        TFlaeche& f = Flaechen[k];
        f.CurveA = 1;
        f.CurveB = 1;
        f.XFrom = "-2";
        f.XTo = "2";
        f.Color = clGreen;
        f.Linien = 0;
    }
}

void TabellenVorbelegen()
{
    BeschriftungenVorbelegen();
    PunkteVorbelegen();
    KreiseVorbelegen();
    SenkrechteVorbelegen();
    FlaechenVorbelegen();
}

void FensterzustandNullen()
{
    Zustand.Editor = {};
    Zustand.Ansicht = {};
    Zustand.Rechner = {};
    Zustand.Klang = true;
    Zustand.Interaktiv = true;
    Zustand.Sprache = 0;
    Zustand.Praesentation = false;
    Zustand.LayoutHalten = false;
}

void AllesNullen()
{
    Beschriftungen = {};
    Punkte = {};
    Kreise = {};
    Senkrechte = {};
    Flaechen = {};
    ReserveBlock = {};
    FunktionNr = 1;  // the one value that stays a valid index
    Modus = 0;
    ZeichnenErlaubt = false;
    VerschiebeNr = 0;
    FensterzustandNullen();
    Flagge = {};
    FensterVersatz = {};
    BeendenBestaetigt = false;
    StartDokument.clear();
    Einstellungen = {};
    for (std::string& t : Texte)
        t.clear();
}

char Dezimaltrenner()
{
    const std::string& z = Texte[9];
    return z.empty() ? ',' : z[0];
}
