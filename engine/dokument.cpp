#include "engine/dokument.h"

#include "engine/bytepuffer.h"
#include "engine/funktion.h"

#include <algorithm>

using namespace bytes;

namespace {

// Record sizes; each codec below ends with a static_assert that its last
// field closes the record exactly.
constexpr std::size_t SchriftGroesse = 268;
constexpr std::size_t BeschriftungGroesse = 544;
constexpr std::size_t PunktGroesse = 1048;
constexpr std::size_t KreisGroesse = 1368;
constexpr std::size_t SenkrechteGroesse = 1292;
constexpr std::size_t FlaecheGroesse = 1052;

// Block offsets in file order.
constexpr std::size_t OffKopf = 0;
constexpr std::size_t OffFunktionen = OffKopf + DokumentKopfGroesse;
constexpr std::size_t OffBeschriftungen = OffFunktionen + AnzahlFunktionSaetze * FunktionSatzGroesse;
constexpr std::size_t OffSenkrechte = OffBeschriftungen + AnzahlBeschriftungen * BeschriftungGroesse;
constexpr std::size_t OffPunkte = OffSenkrechte + AnzahlSenkrechte * SenkrechteGroesse;
constexpr std::size_t OffFlaechen = OffPunkte + AnzahlPunkte * PunktGroesse;
constexpr std::size_t OffKreise = OffFlaechen + AnzahlFlaechen * FlaecheGroesse;
constexpr std::size_t OffReserve = OffKreise + AnzahlKreise * KreisGroesse;
constexpr std::size_t OffSchluss = OffReserve + ReserveBlockGroesse;

static_assert(OffFunktionen == 4680);
static_assert(OffBeschriftungen == 16944);
static_assert(OffSenkrechte == 36528);
static_assert(OffPunkte == 62368);
static_assert(OffFlaechen == 83328);
static_assert(OffKreise == 91744);
static_assert(OffReserve == 113632);
static_assert(OffSchluss == 115440);
static_assert(OffSchluss + 1 == DokumentGroesse);
static_assert(OffSchluss == DokumentGroesseOhneSchluss);
static_assert(OffSchluss - OffBeschriftungen == TabellenGroesse);
static_assert(AnzahlBeschriftungen * BeschriftungGroesse == 19584);
static_assert(AnzahlSenkrechte * SenkrechteGroesse == 25840);
static_assert(AnzahlPunkte * PunktGroesse == 20960);
static_assert(AnzahlFlaechen * FlaecheGroesse == 8416);
static_assert(AnzahlKreise * KreisGroesse == 21888);

// --- TSchrift --------------------------------------------------------------

void Schreibe(const TSchrift& s, std::uint8_t* p)
{
    SchreibeText(p, 0, s.Name);
    SchreibeU32(p, 256, s.Color);
    SchreibeI32(p, 260, s.Size);
    p[264] = s.Style;
    SchreibeRoh(p, 265, s.Reserve265);
    static_assert(265 + 3 == SchriftGroesse);
}

void Lese(TSchrift& s, const std::uint8_t* p)
{
    s.Name = LeseText(p, 0);
    s.Color = LeseU32(p, 256);
    s.Size = LeseI32(p, 260);
    s.Style = p[264];
    LeseRoh(p, 265, s.Reserve265);
}

// --- TBeschriftung ---------------------------------------------------------

void Schreibe(const TBeschriftung& b, std::uint8_t* p)
{
    SchreibeText(p, 0, b.Text);
    SchreibeDouble(p, 256, b.X);
    SchreibeDouble(p, 264, b.Y);
    Schreibe(b.Font, p + 272);
    p[540] = b.Vorne;
    SchreibeRoh(p, 541, b.Reserve541);
    static_assert(272 + SchriftGroesse == 540);
    static_assert(541 + 3 == BeschriftungGroesse);
}

void Lese(TBeschriftung& b, const std::uint8_t* p)
{
    b.Text = LeseText(p, 0);
    b.X = LeseDouble(p, 256);
    b.Y = LeseDouble(p, 264);
    Lese(b.Font, p + 272);
    b.Vorne = p[540];
    LeseRoh(p, 541, b.Reserve541);
}

// --- TPunkt ----------------------------------------------------------------

void Schreibe(const TPunkt& q, std::uint8_t* p)
{
    SchreibeText(p, 0, q.X);
    SchreibeText(p, 256, q.Y);
    SchreibeText(p, 512, q.Name);
    SchreibeI32(p, 768, q.Style);
    SchreibeI32(p, 772, q.NamePos);
    SchreibeU32(p, 776, q.Color);
    Schreibe(q.Font, p + 780);
    static_assert(780 + SchriftGroesse == PunktGroesse);
}

void Lese(TPunkt& q, const std::uint8_t* p)
{
    q.X = LeseText(p, 0);
    q.Y = LeseText(p, 256);
    q.Name = LeseText(p, 512);
    q.Style = LeseI32(p, 768);
    q.NamePos = LeseI32(p, 772);
    q.Color = LeseU32(p, 776);
    Lese(q.Font, p + 780);
}

// --- TKreis ----------------------------------------------------------------

void Schreibe(const TKreis& k, std::uint8_t* p)
{
    p[0] = k.Hinten;
    SchreibeRoh(p, 1, k.Reserve1);
    SchreibeI32(p, 4, k.LineStyle);
    SchreibeRoh(p, 8, k.Reserve8);
    SchreibeText(p, 64, k.RadiusX);
    SchreibeText(p, 320, k.RadiusY);
    SchreibeText(p, 576, k.ShowCentre);
    SchreibeText(p, 832, k.Fill);
    SchreibeRoh(p, 1088, k.Reserve1088);
    SchreibeU32(p, 1356, k.FillColor);
    SchreibeRoh(p, 1360, k.Reserve1360);
    static_assert(8 + 56 == 64 && 832 + 256 == 1088 && 1088 + 268 == 1356);
    static_assert(1360 + 8 == KreisGroesse);
}

void Lese(TKreis& k, const std::uint8_t* p)
{
    k.Hinten = p[0];
    LeseRoh(p, 1, k.Reserve1);
    k.LineStyle = LeseI32(p, 4);
    LeseRoh(p, 8, k.Reserve8);
    k.RadiusX = LeseText(p, 64);
    k.RadiusY = LeseText(p, 320);
    k.ShowCentre = LeseText(p, 576);
    k.Fill = LeseText(p, 832);
    LeseRoh(p, 1088, k.Reserve1088);
    k.FillColor = LeseU32(p, 1356);
    LeseRoh(p, 1360, k.Reserve1360);
}

// --- TSenkrechte -----------------------------------------------------------

void Schreibe(const TSenkrechte& s, std::uint8_t* p)
{
    SchreibeText(p, 0, s.X);
    SchreibeText(p, 256, s.YFrom);
    SchreibeText(p, 512, s.YTo);
    SchreibeRoh(p, 768, s.Reserve768);
    SchreibeU32(p, 1280, s.Color);
    SchreibeI32(p, 1284, s.LineStyle);
    SchreibeRoh(p, 1288, s.Reserve1288);
    static_assert(768 + 512 == 1280);
    static_assert(1288 + 4 == SenkrechteGroesse);
}

void Lese(TSenkrechte& s, const std::uint8_t* p)
{
    s.X = LeseText(p, 0);
    s.YFrom = LeseText(p, 256);
    s.YTo = LeseText(p, 512);
    LeseRoh(p, 768, s.Reserve768);
    s.Color = LeseU32(p, 1280);
    s.LineStyle = LeseI32(p, 1284);
    LeseRoh(p, 1288, s.Reserve1288);
}

// --- TFlaeche --------------------------------------------------------------

void Schreibe(const TFlaeche& f, std::uint8_t* p)
{
    SchreibeI32(p, 0, f.CurveA);
    SchreibeI32(p, 4, f.CurveB);
    SchreibeText(p, 8, f.XFrom);
    SchreibeText(p, 264, f.XTo);
    SchreibeRoh(p, 520, f.Reserve520);
    SchreibeU32(p, 776, f.Color);
    p[780] = f.Linien;
    SchreibeRoh(p, 781, f.Reserve781);
    static_assert(520 + 256 == 776);
    static_assert(781 + 271 == FlaecheGroesse);
}

void Lese(TFlaeche& f, const std::uint8_t* p)
{
    f.CurveA = LeseI32(p, 0);
    f.CurveB = LeseI32(p, 4);
    f.XFrom = LeseText(p, 8);
    f.XTo = LeseText(p, 264);
    LeseRoh(p, 520, f.Reserve520);
    f.Color = LeseU32(p, 776);
    f.Linien = p[780];
    LeseRoh(p, 781, f.Reserve781);
}

template <typename T, int N>
void SchreibeTabelle(const TTabelle<T, N>& t, std::uint8_t* p, std::size_t groesse)
{
    for (int k = 1; k <= N; ++k)
        Schreibe(t[k], p + static_cast<std::size_t>(k - 1) * groesse);
}

template <typename T, int N>
void LeseTabelle(TTabelle<T, N>& t, const std::uint8_t* p, std::size_t groesse)
{
    for (int k = 1; k <= N; ++k)
        Lese(t[k], p + static_cast<std::size_t>(k - 1) * groesse);
}

}  // namespace

// --- Header ----------------------------------------------------------------

void EncodeKopf(const TDokumentKopf& k, std::uint8_t* p)
{
    SchreibeI32(p, 0, k.XMin);
    SchreibeI32(p, 4, k.XMax);
    SchreibeI32(p, 8, k.YMax);
    SchreibeI32(p, 12, k.YMin);
    SchreibeI32(p, 16, k.TrackBar1);
    SchreibeI32(p, 20, k.TrackBar2);
    SchreibeI32(p, 24, k.Marke);
    SchreibeRoh(p, 28, k.Reserve28);
    SchreibeDouble(p, 32, k.EinheitX);
    SchreibeDouble(p, 40, k.EinheitY);
    SchreibeRoh(p, 48, k.Reserve48);
    SchreibeText(p, 56, k.XAchse);
    SchreibeText(p, 312, k.YAchse);
    SchreibeText(p, 568, k.YLaenge);
    SchreibeText(p, 824, k.XLaenge);
    SchreibeText(p, 1080, k.Gitter);
    SchreibeRoh(p, 1336, k.Reserve1336);
    p[1593] = k.Zahlen;
    p[1594] = k.Farbig;
    p[1595] = k.Achsen;
    SchreibeRoh(p, 1596, k.Reserve1596);
    SchreibeText(p, 1600, k.Evonx);
    SchreibeText(p, 1856, k.Ebisx);
    SchreibeText(p, 2112, k.Evont);
    SchreibeText(p, 2368, k.Ebist);
    SchreibeText(p, 2624, k.Estept);
    SchreibeText(p, 2880, k.Gleichung);
    SchreibeText(p, 3136, k.RechnerX);
    SchreibeText(p, 3392, k.RechnerT);
    SchreibeText(p, 3648, k.RechnerErgebnis);
    SchreibeText(p, 3904, k.FunktionWahl);
    SchreibeRoh(p, 4160, k.Reserve4160);
    SchreibeI32(p, 4672, k.FunktionNr);
    SchreibeRoh(p, 4676, k.Reserve4676);
    static_assert(1080 + 256 == 1336 && 1336 + 257 == 1593 && 3904 + 256 == 4160);
    static_assert(4160 + 512 == 4672);
    static_assert(4676 + 4 == DokumentKopfGroesse);
}

TDokumentKopf DecodeKopf(const std::uint8_t* p)
{
    TDokumentKopf k;
    k.XMin = LeseI32(p, 0);
    k.XMax = LeseI32(p, 4);
    k.YMax = LeseI32(p, 8);
    k.YMin = LeseI32(p, 12);
    k.TrackBar1 = LeseI32(p, 16);
    k.TrackBar2 = LeseI32(p, 20);
    k.Marke = LeseI32(p, 24);
    LeseRoh(p, 28, k.Reserve28);
    k.EinheitX = LeseDouble(p, 32);
    k.EinheitY = LeseDouble(p, 40);
    LeseRoh(p, 48, k.Reserve48);
    k.XAchse = LeseText(p, 56);
    k.YAchse = LeseText(p, 312);
    k.YLaenge = LeseText(p, 568);
    k.XLaenge = LeseText(p, 824);
    k.Gitter = LeseText(p, 1080);
    LeseRoh(p, 1336, k.Reserve1336);
    k.Zahlen = p[1593];
    k.Farbig = p[1594];
    k.Achsen = p[1595];
    LeseRoh(p, 1596, k.Reserve1596);
    k.Evonx = LeseText(p, 1600);
    k.Ebisx = LeseText(p, 1856);
    k.Evont = LeseText(p, 2112);
    k.Ebist = LeseText(p, 2368);
    k.Estept = LeseText(p, 2624);
    k.Gleichung = LeseText(p, 2880);
    k.RechnerX = LeseText(p, 3136);
    k.RechnerT = LeseText(p, 3392);
    k.RechnerErgebnis = LeseText(p, 3648);
    k.FunktionWahl = LeseText(p, 3904);
    LeseRoh(p, 4160, k.Reserve4160);
    k.FunktionNr = LeseI32(p, 4672);
    LeseRoh(p, 4676, k.Reserve4676);
    return k;
}

// --- Function record -------------------------------------------------------

void EncodeFunktionSatz(const TFunktionSatz& f, std::uint8_t* p)
{
    SchreibeDouble(p, 0, f.TTo);
    SchreibeDouble(p, 8, f.TStep);
    SchreibeDouble(p, 16, f.TFrom);
    SchreibeDouble(p, 24, f.Reserved2);
    SchreibeI32(p, 32, f.Reserved1);
    SchreibeRoh(p, 36, f.Reserve36);
    SchreibeDouble(p, 40, f.XTo);
    SchreibeDouble(p, 48, f.XFrom);
    SchreibeText(p, 56, f.Term);
    SchreibeText(p, 312, f.Kind);
    SchreibeU32(p, 568, f.Color);
    SchreibeU32(p, 572, f.Color2);
    SchreibeRoh(p, 576, f.Reserve576);
    SchreibeI32(p, 580, f.LineStyle);
    static_assert(312 + 256 == 568);
    static_assert(580 + 4 == FunktionSatzGroesse);
}

TFunktionSatz DecodeFunktionSatz(const std::uint8_t* p)
{
    TFunktionSatz f;
    f.TTo = LeseDouble(p, 0);
    f.TStep = LeseDouble(p, 8);
    f.TFrom = LeseDouble(p, 16);
    f.Reserved2 = LeseDouble(p, 24);
    f.Reserved1 = LeseI32(p, 32);
    LeseRoh(p, 36, f.Reserve36);
    f.XTo = LeseDouble(p, 40);
    f.XFrom = LeseDouble(p, 48);
    f.Term = LeseText(p, 56);
    f.Kind = LeseText(p, 312);
    f.Color = LeseU32(p, 568);
    f.Color2 = LeseU32(p, 572);
    LeseRoh(p, 576, f.Reserve576);
    f.LineStyle = LeseI32(p, 580);
    return f;
}

// --- Whole document --------------------------------------------------------

DokumentErgebnis DecodeDokument(std::span<const std::uint8_t> daten)
{
    DokumentErgebnis r;
    r.Groesse = daten.size();
    if (daten.empty()) {
        r.Fehler = DokumentFehler::Leer;
        return r;
    }
    if (daten.size() < DokumentGroesseOhneSchluss) {
        r.Fehler = DokumentFehler::ZuKurz;
        return r;
    }
    if (daten.size() > DokumentGroesse) {
        r.Fehler = DokumentFehler::ZuLang;
        return r;
    }
    const std::uint8_t* p = daten.data();
    TDokumentBild& b = r.Bild;
    b.Kopf = DecodeKopf(p + OffKopf);
    for (int i = 0; i < AnzahlFunktionSaetze; ++i)
        b.Funktionen[static_cast<std::size_t>(i)] =
            DecodeFunktionSatz(p + OffFunktionen + static_cast<std::size_t>(i) * FunktionSatzGroesse);
    LeseTabelle(b.Beschriftungen, p + OffBeschriftungen, BeschriftungGroesse);
    LeseTabelle(b.Senkrechte, p + OffSenkrechte, SenkrechteGroesse);
    LeseTabelle(b.Punkte, p + OffPunkte, PunktGroesse);
    LeseTabelle(b.Flaechen, p + OffFlaechen, FlaecheGroesse);
    LeseTabelle(b.Kreise, p + OffKreise, KreisGroesse);
    LeseRoh(p, OffReserve, b.Reserve);
    b.Schluss = daten.size() > OffSchluss ? p[OffSchluss] : 0;
    return r;
}

std::vector<std::uint8_t> EncodeDokument(const TDokumentBild& b)
{
    std::vector<std::uint8_t> daten(DokumentGroesse, 0);
    std::uint8_t* p = daten.data();
    EncodeKopf(b.Kopf, p + OffKopf);
    for (int i = 0; i < AnzahlFunktionSaetze; ++i)
        EncodeFunktionSatz(b.Funktionen[static_cast<std::size_t>(i)],
                           p + OffFunktionen + static_cast<std::size_t>(i) * FunktionSatzGroesse);
    SchreibeTabelle(b.Beschriftungen, p + OffBeschriftungen, BeschriftungGroesse);
    SchreibeTabelle(b.Senkrechte, p + OffSenkrechte, SenkrechteGroesse);
    SchreibeTabelle(b.Punkte, p + OffPunkte, PunktGroesse);
    SchreibeTabelle(b.Flaechen, p + OffFlaechen, FlaecheGroesse);
    SchreibeTabelle(b.Kreise, p + OffKreise, KreisGroesse);
    SchreibeRoh(p, OffReserve, b.Reserve);
    p[OffSchluss] = b.Schluss;
    return daten;
}

TDokumentKopf NeuerDokumentKopf()
{
    TDokumentKopf k;
    k.XMin = -5;
    k.XMax = 6;
    k.YMax = 8;
    k.YMin = -2;
    k.TrackBar1 = 1;
    k.TrackBar2 = 1;
    k.Marke = FormatMarke;
    k.EinheitX = 1.0;
    k.EinheitY = 1.0;
    k.XAchse = "x";
    k.YAchse = "y";
    k.YLaenge = "10";
    k.XLaenge = "11";
    k.Gitter = "1b";
    k.Zahlen = 1;
    k.Farbig = 1;
    k.Achsen = 1;
    k.FunktionNr = 1;
    return k;
}

TFunktionSatz FunktionSatzAus(const TFunktion& f)
{
    TFunktionSatz s;
    s.TTo = f.GetTTo();
    s.TStep = f.GetTStep();
    s.TFrom = f.GetTFrom();
    s.Reserved2 = f.GetReserved2();
    s.Reserved1 = f.GetReserved1();
    s.XTo = f.GetXTo();
    s.XFrom = f.GetXFrom();
    s.Term = f.GetTerm();
    s.Kind = f.GetKind();
    s.Color = f.GetColor();
    s.Color2 = f.GetColor2();
    s.LineStyle = f.GetLineStyle();
    return s;
}

void TabellenInBild(TDokumentBild& bild)
{
    bild.Beschriftungen = Beschriftungen;
    bild.Senkrechte = Senkrechte;
    bild.Punkte = Punkte;
    bild.Flaechen = Flaechen;
    bild.Kreise = Kreise;
    bild.Reserve = ReserveBlock;
}

void BildInTabellen(const TDokumentBild& bild)
{
    Beschriftungen = bild.Beschriftungen;
    Senkrechte = bild.Senkrechte;
    Punkte = bild.Punkte;
    Flaechen = bild.Flaechen;
    Kreise = bild.Kreise;
    ReserveBlock = bild.Reserve;
}

std::string DokumentFehlerText(DokumentFehler f)
{
    switch (f) {
    case DokumentFehler::Keiner:
        return "no error";
    case DokumentFehler::Leer:
        return "the file is empty";
    case DokumentFehler::ZuKurz:
        return "the file is too short to be a document";
    case DokumentFehler::ZuLang:
        return "the file is too long to be a document";
    }
    return "unknown error";
}
