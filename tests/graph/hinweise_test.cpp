// The instruction box of each mode: its lines, colours and step bar, in both
// languages, and the canvas state the preview goes on with.

#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "platform/canvas.h"
#include "platform/sprache.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

// The resources live in a static library: register them once. The macro
// declares its function at the enclosing namespace, so this stays global.
void HinweiseTestRessourcenLaden()
{
    static const bool geladen = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)geladen;
}

namespace {

using Op = TRecordingCanvas::TOpKind;

constexpr TColor Rot = RGB(255, 0, 0);
constexpr TColor Blau = RGB(0, 0, 255);
constexpr TColor Gruen = RGB(0, 128, 0);

// One written line: text, colour, bold, row.
struct Zeile {
    std::string Text;
    TColor Farbe;
    bool Fett;
    int Y;
    bool operator==(const Zeile&) const = default;
};

void PrintTo(const Zeile& z, std::ostream* os)
{
    *os << '"' << z.Text << "\" " << std::hex << z.Farbe << std::dec << (z.Fett ? " bold" : "") << " @" << z.Y;
}

class HinweiseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HinweiseTestRessourcenLaden();
        AltTexte = Texte;
        ASSERT_TRUE(LoadLanguage(SpracheDeutsch));
    }
    void TearDown() override { Texte = AltTexte; }

    static TGraphik::THinweisLage Lage(std::int32_t modus, bool tangente = true, bool schar = false,
                                       const char* term = "f(x) = x^2")
    {
        TGraphik::THinweisLage l;
        l.Modus = modus;
        l.IstTangente = tangente;
        l.Kompiliert = true;
        l.Schar = schar;
        l.Term = QString::fromLatin1(term);
        l.Parameter = QStringLiteral("2");
        return l;
    }

    static std::vector<Zeile> Zeilen(const TRecordingCanvas& c)
    {
        std::vector<Zeile> r;
        for (const auto& op : c.OpsOf(Op::Text)) {
            EXPECT_EQ(op.Rect.Left, 12) << op.Text.toStdString();
            r.push_back({op.Text.toStdString(), op.Font.Color, (op.Font.Style & fsBold) != 0, op.Rect.Top});
        }
        return r;
    }

    std::array<std::string, AnzahlTexte> AltTexte;
};

}  // namespace

TEST_F(HinweiseTest, EachModeWritesItsLinesWithTheCurrentStepInColour)
{
    const Zeile kreis{"Kreis", clBlack, true, 8};
    const Zeile gerade{"Assistent: Gerade  y = mx+b", clBlack, true, 8};
    const Zeile parabel{"Assistent: Parabel   y = a(x-d)²  +e", clBlack, true, 8};
    struct Fall {
        TGraphik::THinweisLage Lage;
        std::vector<Zeile> Zeilen;
        int Balken;  // top of the white step bar, 0 for none
    };
    TGraphik::THinweisLage ohneGraph = Lage(ModusSpur);
    ohneGraph.Kompiliert = false;
    const Fall faelle[] = {
        {Lage(ModusUrsprung), {}, 0},
        {Lage(ModusGeradeFrage), {}, 0},
        {Lage(ModusParabelFrage), {}, 0},
        {Lage(ModusPunkte), {{"Punkt", clBlack, true, 8}}, 0},
        {Lage(ModusSenkrechte), {{"Senkrechte", clBlack, true, 8}}, 0},
        {Lage(ModusBeschriftung), {{"Beschriftung", clBlack, true, 8}}, 0},
        {ohneGraph, {{"Tracepunkt", clBlack, true, 8}}, 0},
        {Lage(ModusSpur), {{"Tracepunkt", clBlack, true, 8}, {"von  f(x) = x^2", clBlack, false, 25}}, 0},
        {Lage(ModusTangente), {{"Tangente", clBlack, true, 8}, {"an  f(x) = x^2", clBlack, false, 25}}, 0},
        {Lage(ModusTangente, false, true, "f(x,t) = t*x^2"),
         {{"Normale", clBlack, true, 8}, {"zu  f(x,t) = t*x^2  mit Parameter 2", clBlack, false, 25}},
         0},
        {Lage(ModusKreisMitte),
         {kreis, {"1.  Mittelpunkt  M", Gruen, false, 25}, {"2.  Radius  r", clBlack, false, 42}},
         25},
        {Lage(ModusKreisRadius),
         {kreis, {"1.  Mittelpunkt  M", clBlack, false, 25}, {"2.  Radius  r", Rot, false, 42}},
         42},
        {Lage(ModusGeradeM),
         {gerade, {"1. Steigung  m", Gruen, false, 25}, {"2. y-Achsenabschnitt  b", clBlack, false, 42}},
         25},
        {Lage(ModusGeradeB),
         {gerade, {"1. Steigung  m", clBlack, false, 25}, {"2. y-Achsenabschnitt  b", Blau, false, 42}},
         42},
        {Lage(ModusParabelD),
         {parabel,
          {"1. Verschiebung  d  in x-Richtung", Rot, false, 25},
          {"2. Verschiebung  e  in y-Richtung", clBlack, false, 42},
          {"3. Streckfaktor  a", clBlack, false, 59}},
         25},
        {Lage(ModusParabelE),
         {parabel,
          {"1. Verschiebung  d  in x-Richtung", clBlack, false, 25},
          {"2. Verschiebung  e  in y-Richtung", Blau, false, 42},
          {"3. Streckfaktor  a", clBlack, false, 59}},
         42},
        {Lage(ModusParabelA),
         {parabel,
          {"1. Verschiebung  d  in x-Richtung", clBlack, false, 25},
          {"2. Verschiebung  e  in y-Richtung", clBlack, false, 42},
          {"3. Streckfaktor  a", Gruen, false, 59}},
         59},
    };
    for (const Fall& f : faelle) {
        TRecordingCanvas c;
        TGraphik::HinweiseZeichnen(c, f.Lage);
        EXPECT_EQ(Zeilen(c), f.Zeilen) << "mode " << f.Lage.Modus;
        const auto kaesten = c.OpsOf(Op::Rectangle);
        EXPECT_EQ(kaesten.size(), f.Zeilen.empty() ? 0u : f.Balken ? 2u : 1u) << "mode " << f.Lage.Modus;
        if (kaesten.empty())
            continue;
        EXPECT_EQ(kaesten[0].Brush.Color, RGB(255, 255, 210));
        EXPECT_EQ(kaesten[0].Rect.Left, 5);
        EXPECT_EQ(kaesten[0].Rect.Top, 5);
        if (f.Balken) {
            EXPECT_EQ(kaesten[1].Rect.Top, f.Balken) << "mode " << f.Lage.Modus;
            EXPECT_EQ(kaesten[1].Brush.Color, clWhite);
            EXPECT_EQ(kaesten[1].Pen.Color, clWhite);
            EXPECT_EQ(kaesten[1].Rect.Right, kaesten[0].Rect.Right - 2);
        }
    }
}

TEST_F(HinweiseTest, EnglishTakesTheSameLineNumbers)
{
    ASSERT_TRUE(LoadLanguage(SpracheEnglisch));
    struct Fall {
        TGraphik::THinweisLage Lage;
        std::vector<std::string> Texte;
    };
    const Fall faelle[] = {
        {Lage(ModusPunkte), {"Point"}},
        {Lage(ModusTangente), {"Tangent", "at  f(x) = x^2"}},
        {Lage(ModusSpur, true, true), {"Trace point", "of  f(x) = x^2  with parameter 2"}},
        {Lage(ModusKreisRadius), {"Circle", "1.  Centre  M", "2.  Radius  r"}},
        {Lage(ModusGeradeB), {"Assistant: Line  y = mx+b", "1. Slope  m", "2. y-intercept  b"}},
        {Lage(ModusParabelA),
         {"Assistant: Parabola   y = a(x-d)²  +e", "1. Shift  d  in x-direction", "2. Shift  e  in y-direction",
          "3. Stretch factor  a"}},
    };
    for (const Fall& f : faelle) {
        TRecordingCanvas c;
        TGraphik::HinweiseZeichnen(c, f.Lage);
        std::vector<std::string> texte;
        for (const Zeile& z : Zeilen(c))
            texte.push_back(z.Text);
        EXPECT_EQ(texte, f.Texte) << "mode " << f.Lage.Modus;
    }
}

TEST_F(HinweiseTest, BoxesFitTheirTextAndASingleFunctionsBoxIsAtLeast79Wide)
{
    TRecordingCanvas mass;
    mass.Font.Name = QStringLiteral("Tahoma");
    mass.Font.Size = 10;
    mass.Font.Style = fsBold;
    const int wPunkt = mass.TextWidth(QStringLiteral("Punkt"));
    const int h = mass.TextHeight(QStringLiteral("Punkt"));
    mass.Font.Style = 0;
    const int wKurz = mass.TextWidth(QStringLiteral("von  x"));

    struct Fall {
        TGraphik::THinweisLage Lage;
        TRect Kasten;
    };
    const Fall faelle[] = {
        {Lage(ModusPunkte), {5, 5, wPunkt + 19, h + 11}},
        {Lage(ModusTangente, true, false, "x"), {5, 5, 79, h + 28}},  // "an  x" is narrower than 60
        {Lage(ModusSpur, true, false, "x"), {5, 5, wKurz + 19, h + 28}},
    };
    ASSERT_LT(wKurz, 60);
    for (const Fall& f : faelle) {
        TRecordingCanvas c;
        TGraphik::HinweiseZeichnen(c, f.Lage);
        ASSERT_FALSE(c.OpsOf(Op::Rectangle).empty());
        EXPECT_EQ(c.OpsOf(Op::Rectangle)[0].Rect, f.Kasten) << "mode " << f.Lage.Modus;
    }
}

TEST_F(HinweiseTest, LeavesTheCanvasAsThePreviewExpectsIt)
{
    for (std::int32_t modus : {1, 2, 3, 4, 5, 6, 7, 71, 8, 81, 82, 9, 91, 92, 93}) {
        TRecordingCanvas c;
        c.Pen.Width = 7;
        c.Font.Size = 30;
        TGraphik::HinweiseZeichnen(c, Lage(modus));
        const bool klar = modus == 7 || modus == 71 || modus == 8 || modus == 81 || modus == 9 || modus == 91 ||
                          modus == 93;
        EXPECT_EQ(c.Brush.Style, klar ? TBrushStyle::Clear : TBrushStyle::Solid) << modus;
        EXPECT_EQ(c.Brush.Color, clWhite) << modus;
        EXPECT_EQ(c.Pen.Width, 1) << modus;
        EXPECT_EQ(c.Font.Name, QStringLiteral("Tahoma")) << modus;
        EXPECT_EQ(c.Font.Size, 10) << modus;
    }
}
