#include "engine/dokument.h"

#include "engine/bytepuffer.h"
#include "engine/funktion.h"

#include <concepts>
#include <type_traits>

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

// One layout function per record, over the direction (bytes::Leser or
// bytes::Schreiber) and over the record's constness.
template <class R, class T>
concept Satz = std::same_as<std::remove_const_t<R>, T>;

template <class Io, Satz<TSchrift> R>
void Felder(const Io& io, R& s)
{
    io.Text(0, s.Name);
    io.U32(256, s.Color);
    io.I32(260, s.Size);
    io.Byte(264, s.Style);
    io.Roh(265, s.Reserve265);
    static_assert(265 + 3 == SchriftGroesse);
}

template <class Io, Satz<TBeschriftung> R>
void Felder(const Io& io, R& b)
{
    io.Text(0, b.Text);
    io.Double(256, b.X);
    io.Double(264, b.Y);
    Felder(io.an(272), b.Font);
    io.Byte(540, b.Vorne);
    io.Roh(541, b.Reserve541);
    static_assert(272 + SchriftGroesse == 540);
    static_assert(541 + 3 == BeschriftungGroesse);
}

template <class Io, Satz<TPunkt> R>
void Felder(const Io& io, R& q)
{
    io.Text(0, q.X);
    io.Text(256, q.Y);
    io.Text(512, q.Name);
    io.I32(768, q.Style);
    io.I32(772, q.NamePos);
    io.U32(776, q.Color);
    Felder(io.an(780), q.Font);
    static_assert(780 + SchriftGroesse == PunktGroesse);
}

template <class Io, Satz<TKreis> R>
void Felder(const Io& io, R& k)
{
    io.Byte(0, k.Hinten);
    io.Roh(1, k.Reserve1);
    io.I32(4, k.LineStyle);
    io.Roh(8, k.Reserve8);
    io.Text(64, k.RadiusX);
    io.Text(320, k.RadiusY);
    io.Text(576, k.ShowCentre);
    io.Text(832, k.Fill);
    io.Roh(1088, k.Reserve1088);
    io.U32(1356, k.FillColor);
    io.Roh(1360, k.Reserve1360);
    static_assert(8 + 56 == 64 && 832 + 256 == 1088 && 1088 + 268 == 1356);
    static_assert(1360 + 8 == KreisGroesse);
}

template <class Io, Satz<TSenkrechte> R>
void Felder(const Io& io, R& s)
{
    io.Text(0, s.X);
    io.Text(256, s.YFrom);
    io.Text(512, s.YTo);
    io.Roh(768, s.Reserve768);
    io.U32(1280, s.Color);
    io.I32(1284, s.LineStyle);
    io.Roh(1288, s.Reserve1288);
    static_assert(768 + 512 == 1280);
    static_assert(1288 + 4 == SenkrechteGroesse);
}

template <class Io, Satz<TFlaeche> R>
void Felder(const Io& io, R& f)
{
    io.I32(0, f.CurveA);
    io.I32(4, f.CurveB);
    io.Text(8, f.XFrom);
    io.Text(264, f.XTo);
    io.Roh(520, f.Reserve520);
    io.U32(776, f.Color);
    io.Byte(780, f.Linien);
    io.Roh(781, f.Reserve781);
    static_assert(520 + 256 == 776);
    static_assert(781 + 271 == FlaecheGroesse);
}

template <class Io, Satz<TDokumentKopf> R>
void Felder(const Io& io, R& k)
{
    io.I32(0, k.XMin);
    io.I32(4, k.XMax);
    io.I32(8, k.YMax);
    io.I32(12, k.YMin);
    io.I32(16, k.TrackBar1);
    io.I32(20, k.TrackBar2);
    io.I32(24, k.Marke);
    io.Roh(28, k.Reserve28);
    io.Double(32, k.EinheitX);
    io.Double(40, k.EinheitY);
    io.Roh(48, k.Reserve48);
    io.Text(56, k.XAchse);
    io.Text(312, k.YAchse);
    io.Text(568, k.YLaenge);
    io.Text(824, k.XLaenge);
    io.Text(1080, k.Gitter);
    io.Roh(1336, k.Reserve1336);
    io.Byte(1593, k.Zahlen);
    io.Byte(1594, k.Farbig);
    io.Byte(1595, k.Achsen);
    io.Roh(1596, k.Reserve1596);
    io.Text(1600, k.Evonx);
    io.Text(1856, k.Ebisx);
    io.Text(2112, k.Evont);
    io.Text(2368, k.Ebist);
    io.Text(2624, k.Estept);
    io.Text(2880, k.Gleichung);
    io.Text(3136, k.RechnerX);
    io.Text(3392, k.RechnerT);
    io.Text(3648, k.RechnerErgebnis);
    io.Text(3904, k.FunktionWahl);
    io.Roh(4160, k.Reserve4160);
    io.I32(4672, k.FunktionNr);
    io.Roh(4676, k.Reserve4676);
    static_assert(1080 + 256 == 1336 && 1336 + 257 == 1593 && 3904 + 256 == 4160);
    static_assert(4160 + 512 == 4672);
    static_assert(4676 + 4 == DokumentKopfGroesse);
}

template <class Io, Satz<TFunktionSatz> R>
void Felder(const Io& io, R& f)
{
    io.Double(0, f.TTo);
    io.Double(8, f.TStep);
    io.Double(16, f.TFrom);
    io.Double(24, f.Reserved2);
    io.I32(32, f.Reserved1);
    io.Roh(36, f.Reserve36);
    io.Double(40, f.XTo);
    io.Double(48, f.XFrom);
    io.Text(56, f.Term);
    io.Text(312, f.Kind);
    io.U32(568, f.Color);
    io.U32(572, f.Color2);
    io.Roh(576, f.Reserve576);
    io.I32(580, f.LineStyle);
    static_assert(312 + 256 == 568);
    static_assert(580 + 4 == FunktionSatzGroesse);
}

// A table of N records back to back, slot 1 first.
template <class Io, class Tabelle>
void TabellenFelder(const Io& io, Tabelle& t, std::size_t groesse)
{
    for (int k = 1; k <= std::remove_const_t<Tabelle>::Anzahl; ++k)
        Felder(io.an(static_cast<std::size_t>(k - 1) * groesse), t[k]);
}

// The whole document in file order, except the trailing byte, which a file
// may lack.
template <class Io, Satz<TDokumentBild> R>
void Felder(const Io& io, R& b)
{
    Felder(io.an(OffKopf), b.Kopf);
    for (std::size_t i = 0; i < b.Funktionen.size(); ++i)
        Felder(io.an(OffFunktionen + i * FunktionSatzGroesse), b.Funktionen[i]);
    TabellenFelder(io.an(OffBeschriftungen), b.Beschriftungen, BeschriftungGroesse);
    TabellenFelder(io.an(OffSenkrechte), b.Senkrechte, SenkrechteGroesse);
    TabellenFelder(io.an(OffPunkte), b.Punkte, PunktGroesse);
    TabellenFelder(io.an(OffFlaechen), b.Flaechen, FlaecheGroesse);
    TabellenFelder(io.an(OffKreise), b.Kreise, KreisGroesse);
    io.Roh(OffReserve, b.Reserve);
}

}  // namespace

// --- Function record -------------------------------------------------------

void EncodeFunktionSatz(const TFunktionSatz& f, std::uint8_t* p) { Felder(Schreiber{p}, f); }

TFunktionSatz DecodeFunktionSatz(const std::uint8_t* p)
{
    TFunktionSatz f;
    Felder(Leser{p}, f);
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
    Felder(Leser{p}, r.Bild);
    r.Bild.Schluss = daten.size() > OffSchluss ? p[OffSchluss] : 0;
    return r;
}

std::vector<std::uint8_t> EncodeDokument(const TDokumentBild& b)
{
    std::vector<std::uint8_t> daten(DokumentGroesse, 0);
    Felder(Schreiber{daten.data()}, b);
    daten[OffSchluss] = b.Schluss;
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
