#include "engine/dokument_pruefen.h"

#include "engine/einheiten.h"
#include "engine/funktion.h"
#include "engine/tabellen.h"

#include <cmath>


TDokumentRest DokumentRest;

namespace {

// The defaults of a new document, which mended values fall back to.
constexpr std::int32_t NeuXMin = -5;
constexpr std::int32_t NeuXMax = 6;
constexpr std::int32_t NeuYMin = -2;
constexpr std::int32_t NeuYMax = 8;

bool AnsichtGesund(std::int32_t von, std::int32_t bis)
{
    const std::int64_t breite = static_cast<std::int64_t>(bis) - static_cast<std::int64_t>(von);
    return breite > 0 && breite <= MaxAnsichtBreite;
}

// The grid kind '0'..'7', alone or with its colour scheme: the program
// writes both (the worked examples, the black grid lines of a print, a grid
// switched on again after "none"), and a second character other than
// 'a'..'c' only means black lines.
bool GitterGesund(const std::string& g)
{
    return (g.size() == 1 || g.size() == 2) && g[0] >= '0' && g[0] <= '7';
}

bool InBereich(std::int32_t v, std::int32_t lo, std::int32_t hi) { return v >= lo && v <= hi; }

class Pruefer {
public:
    explicit Pruefer(std::vector<DokumentMangelFund>& funde) : Funde(funde) {}

    void Melde(DokumentMangel art, int slot = 0) { Funde.push_back({art, slot}); }

    void Kopf(TDokumentKopf& k)
    {
        if (!EinheitBrauchbar(k.EinheitX)) {
            k.EinheitX = 1.0;
            k.TrackBar2 = 1;  // the unit and its track bar agree again
            Melde(DokumentMangel::EinheitX);
        }
        if (!EinheitBrauchbar(k.EinheitY)) {
            k.EinheitY = 1.0;
            k.TrackBar1 = 1;
            Melde(DokumentMangel::EinheitY);
        }
        if (!AnsichtGesund(k.XMin, k.XMax)) {
            k.XMin = NeuXMin;
            k.XMax = NeuXMax;
            Melde(DokumentMangel::AnsichtX);
        }
        if (!AnsichtGesund(k.YMin, k.YMax)) {
            k.YMin = NeuYMin;
            k.YMax = NeuYMax;
            Melde(DokumentMangel::AnsichtY);
        }
        const SchiebereglerStellung s = SchiebereglerAusKopf(k);
        if (!InBereich(s.TrackBar1, SchiebereglerMin, SchiebereglerMax)) {
            k.TrackBar1 = 1;  // 1 is never shifted by the older format
            Melde(DokumentMangel::SchiebereglerY);
        }
        if (!InBereich(s.TrackBar2, SchiebereglerMin, SchiebereglerMax)) {
            k.TrackBar2 = 1;
            Melde(DokumentMangel::SchiebereglerX);
        }
        if (!InBereich(k.FunktionNr, 1, 9)) {
            k.FunktionNr = 1;
            Melde(DokumentMangel::FunktionNr);
        }
        if (!GitterGesund(k.Gitter)) {
            k.Gitter = "1b";
            Melde(DokumentMangel::Gitter);
        }
    }

    void Funktion(TFunktionSatz& f, int slot)
    {
        if (!std::isfinite(f.TStep) || !(f.TStep > 0)) {
            f.TStep = 1.0;
            Melde(DokumentMangel::TSchritt, slot);
        }
        if (!std::isfinite(f.TFrom) || !std::isfinite(f.TTo)) {
            f.TFrom = 1.0;
            f.TTo = 5.0;
            Melde(DokumentMangel::TBereich, slot);
        }
        if (!std::isfinite(f.XFrom) || !std::isfinite(f.XTo)) {
            f.XFrom = -100.0;
            f.XTo = 100.0;
            Melde(DokumentMangel::XBereich, slot);
        }
        if (!InBereich(f.LineStyle, 0, 10)) {
            f.LineStyle = 1;
            Melde(DokumentMangel::Linienstil, slot);
        }
        if (f.Kind != ArtFunktion && f.Kind != ArtFunktionenschar) {
            // The equation itself says which kind it is.
            f.Kind = IstFunktionenschar(f.Term) ? ArtFunktionenschar : ArtFunktion;
            Melde(DokumentMangel::Art, slot);
        }
    }

    void Schrift(TSchrift& s, std::int32_t vorgabe, int slot)
    {
        if (!InBereich(s.Size, 1, MaxSchriftgroesse)) {
            s.Size = vorgabe;
            Melde(DokumentMangel::Schriftgroesse, slot);
        }
    }

    void Tabellen(TDokumentBild& b)
    {
        for (int k = 1; k <= 4; ++k) {
            if (!InBereich(b.Senkrechte[k].LineStyle, 0, 8)) {
                b.Senkrechte[k].LineStyle = 1;
                Melde(DokumentMangel::SenkrechteStil, k);
            }
        }
        for (int k = 1; k <= 10; ++k) {
            if (!InBereich(b.Kreise[k].LineStyle, 0, 3)) {
                b.Kreise[k].LineStyle = 1;
                Melde(DokumentMangel::KreisStil, k);
            }
        }
        for (int k = 1; k <= AnzahlPunkte; ++k) {
            TPunkt& p = b.Punkte[k];
            if (!InBereich(p.Style, 1, 4)) {
                p.Style = 1;
                Melde(DokumentMangel::PunktStil, k);
            }
            if (!InBereich(p.NamePos, 1, 4)) {
                p.NamePos = 4;
                Melde(DokumentMangel::PunktNamePos, k);
            }
            // Centres carry no font of their own; an empty name is repaired
            // by the reader with a fresh font.
            if (k <= 10 && !p.Font.Name.empty())
                Schrift(p.Font, 10, k);
        }
        for (int k = 1; k <= AnzahlFlaechen; ++k) {
            for (std::int32_t* kurve : {&b.Flaechen[k].CurveA, &b.Flaechen[k].CurveB}) {
                // 0 is what the areas window stores for a typed name that
                // names no curve; such an area is simply not drawn.
                if (!InBereich(*kurve, 0, 9) && *kurve != 13) {
                    *kurve = 1;
                    Melde(DokumentMangel::FlaecheKurve, k);
                }
            }
        }
        for (int k = 1; k <= 10; ++k)
            Schrift(b.Beschriftungen[k].Font, 12, k);
    }

private:
    std::vector<DokumentMangelFund>& Funde;
};

std::uint8_t BoolMitGespeichertemByte(std::uint8_t jetzt, std::uint8_t gespeichert)
{
    return (jetzt != 0) == (gespeichert != 0) ? gespeichert : jetzt;
}

}  // namespace

std::vector<DokumentMangelFund> DokumentPruefen(TDokumentBild& bild)
{
    std::vector<DokumentMangelFund> funde;
    Pruefer p(funde);
    p.Kopf(bild.Kopf);
    // Records 0..12 become function objects; 13..20 are only carried.
    for (int i = 0; i <= 12; ++i)
        p.Funktion(bild.Funktionen[static_cast<std::size_t>(i)], i);
    p.Tabellen(bild);
    return funde;
}

bool HatKvdEndung(std::string_view name)
{
    if (name.size() < 4)
        return false;
    const std::string_view ende = name.substr(name.size() - 4);
    if (ende[0] != '.')
        return false;
    for (std::size_t i = 1; i < 4; ++i) {
        const char c = static_cast<char>(ende[i] | 0x20);  // ASCII lower case
        if (c != "kvd"[i - 1])
            return false;
    }
    return true;
}

std::string MitKvdEndung(std::string_view name)
{
    std::string s(name);
    if (!HatKvdEndung(name))
        s += ".kvd";
    return s;
}

SchiebereglerStellung SchiebereglerAusKopf(const TDokumentKopf& kopf)
{
    SchiebereglerStellung s{kopf.TrackBar1, kopf.TrackBar2};
    if (kopf.Marke != FormatMarke) {
        if (s.TrackBar1 == 8 || s.TrackBar1 == 9)
            ++s.TrackBar1;
        if (s.TrackBar2 >= 2 && s.TrackBar2 <= 9)
            ++s.TrackBar2;
    }
    return s;
}

void SatzInFunktion(const TFunktionSatz& satz, TFunktion& f)
{
    f.SetTTo(satz.TTo);
    f.SetTStep(satz.TStep);
    f.SetTFrom(satz.TFrom);
    f.SetXTo(satz.XTo);
    f.SetXFrom(satz.XFrom);
    f.SetTerm(satz.Term);
    f.SetKind(satz.Kind);
    f.SetColor(satz.Color);
    f.SetLineStyle(satz.LineStyle);
    f.SetColor2(satz.Color2);
    f.SetReserved2(satz.Reserved2);
    f.SetReserved1(satz.Reserved1);
}

void DokumentRestMerken(const TDokumentBild& bild)
{
    TDokumentRest& r = DokumentRest;
    const TDokumentKopf& k = bild.Kopf;
    r.Kopf28 = k.Reserve28;
    r.Kopf48 = k.Reserve48;
    r.Kopf1336 = k.Reserve1336;
    r.Kopf1596 = k.Reserve1596;
    r.Kopf4160 = k.Reserve4160;
    r.Kopf4676 = k.Reserve4676;
    r.Zahlen = k.Zahlen;
    r.Farbig = k.Farbig;
    r.Achsen = k.Achsen;
    for (std::size_t i = 0; i < r.Satz36.size(); ++i) {
        r.Satz36[i] = bild.Funktionen[i].Reserve36;
        r.Satz576[i] = bild.Funktionen[i].Reserve576;
    }
    for (std::size_t i = 0; i < r.Saetze13.size(); ++i)
        r.Saetze13[i] = bild.Funktionen[13 + i];
}

void DokumentRestEinsetzen(TDokumentBild& bild)
{
    const TDokumentRest& r = DokumentRest;
    TDokumentKopf& k = bild.Kopf;
    k.Reserve28 = r.Kopf28;
    k.Reserve48 = r.Kopf48;
    k.Reserve1336 = r.Kopf1336;
    k.Reserve1596 = r.Kopf1596;
    k.Reserve4160 = r.Kopf4160;
    k.Reserve4676 = r.Kopf4676;
    k.Zahlen = BoolMitGespeichertemByte(k.Zahlen, r.Zahlen);
    k.Farbig = BoolMitGespeichertemByte(k.Farbig, r.Farbig);
    k.Achsen = BoolMitGespeichertemByte(k.Achsen, r.Achsen);
    for (std::size_t i = 0; i < r.Satz36.size(); ++i) {
        bild.Funktionen[i].Reserve36 = r.Satz36[i];
        bild.Funktionen[i].Reserve576 = r.Satz576[i];
    }
    for (std::size_t i = 0; i < r.Saetze13.size(); ++i)
        bild.Funktionen[13 + i] = r.Saetze13[i];
}

void FunktionenInBild(TDokumentBild& bild)
{
    for (std::size_t i = 0; i <= 12; ++i) {
        if (Funktionen[i] != nullptr)
            bild.Funktionen[i] = FunktionSatzAus(*Funktionen[i]);
    }
}

void FunktionenNeu()
{
    for (std::size_t i = 1; i <= 9; ++i) {
        TFunktion* f = Funktionen[i];
        if (f == nullptr)
            continue;
        f->SetTerm("f(x) = ");
        f->SetXFrom(-100);
        f->SetXTo(100);
        f->SetTFrom(1);
        f->SetTTo(5);
        f->SetTStep(1);
        f->SetKind(ArtFunktion);
        f->SetLineStyle(1);
    }
}
