// The instruction box of each mode: its lines, colours and step bar, and the
// canvas state the preview goes on with.

#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "platform/canvas.h"
#include "platform/sprache.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
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
    // The written lines, "*" before a bold one and {r}, {b}, {g} before a
    // red, blue or green one; each at x = 12 on its row 8, 25, 42, 59.
    static std::vector<std::string> Zeilen(const TRecordingCanvas& c)
    {
        std::vector<std::string> r;
        for (const auto& op : c.OpsOf(Op::Text)) {
            EXPECT_EQ(op.Rect.Left, 12);
            EXPECT_EQ(op.Rect.Top, 8 + 17 * static_cast<int>(r.size())) << op.Text.toStdString();
            std::string z = (op.Font.Style & fsBold) ? "*" : "";
            if (op.Font.Color == RGB(255, 0, 0))
                z += "{r}";
            else if (op.Font.Color == RGB(0, 0, 255))
                z += "{b}";
            else if (op.Font.Color == RGB(0, 128, 0))
                z += "{g}";
            else
                EXPECT_EQ(op.Font.Color, clBlack);
            r.push_back(z + op.Text.toStdString());
        }
        return r;
    }
    std::array<std::string, AnzahlTexte> AltTexte;
};

}  // namespace

TEST_F(HinweiseTest, EachModeWritesItsLinesWithTheCurrentStepInColourAndLeavesTheCanvasForThePreview)
{
    const std::string gerade = "*Assistent: Gerade  y = mx+b", parabel = "*Assistent: Parabel   y = a(x-d)²  +e";
    const std::string d = "1. Verschiebung  d  in x-Richtung", e = "2. Verschiebung  e  in y-Richtung";
    TGraphik::THinweisLage ohneGraph = Lage(ModusSpur);
    ohneGraph.Kompiliert = false;
    // The situation, the written lines, the top of the white step bar (0: none).
    const std::tuple<TGraphik::THinweisLage, std::vector<std::string>, int> faelle[] = {
        {Lage(ModusUrsprung), {}, 0},
        {Lage(ModusGeradeFrage), {}, 0},
        {ohneGraph, {"*Tracepunkt"}, 0},
        {Lage(ModusSpur), {"*Tracepunkt", "von  f(x) = x^2"}, 0},
        {Lage(ModusTangente), {"*Tangente", "an  f(x) = x^2"}, 0},
        {Lage(ModusTangente, false, true, "f(x,t) = t*x^2"),
         {"*Normale", "zu  f(x,t) = t*x^2  mit Parameter 2"}, 0},
        {Lage(ModusKreisMitte), {"*Kreis", "{g}1.  Mittelpunkt  M", "2.  Radius  r"}, 25},
        {Lage(ModusKreisRadius), {"*Kreis", "1.  Mittelpunkt  M", "{r}2.  Radius  r"}, 42},
        {Lage(ModusGeradeM), {gerade, "{g}1. Steigung  m", "2. y-Achsenabschnitt  b"}, 25},
        {Lage(ModusGeradeB), {gerade, "1. Steigung  m", "{b}2. y-Achsenabschnitt  b"}, 42},
        {Lage(ModusParabelD), {parabel, "{r}" + d, e, "3. Streckfaktor  a"}, 25},
        {Lage(ModusParabelE), {parabel, d, "{b}" + e, "3. Streckfaktor  a"}, 42},
        {Lage(ModusParabelA), {parabel, d, e, "{g}3. Streckfaktor  a"}, 59},
    };
    for (const auto& [lage, zeilen, balken] : faelle) {
        SCOPED_TRACE(lage.Modus);
        TRecordingCanvas c;
        c.Pen.Width = 7;
        c.Font.Size = 30;
        TGraphik::HinweiseZeichnen(c, lage);
        EXPECT_EQ(Zeilen(c), zeilen);
        // The preview goes on with a clear brush over a step bar.
        EXPECT_EQ(std::tuple(c.Brush.Style, c.Brush.Color, c.Pen.Width, c.Font.Name, c.Font.Size),
                  std::tuple(balken ? TBrushStyle::Clear : TBrushStyle::Solid, clWhite, 1, QStringLiteral("Tahoma"), 10));
        const auto kaesten = c.OpsOf(Op::Rectangle);
        ASSERT_EQ(kaesten.size(), zeilen.empty() ? 0u : balken ? 2u : 1u);
        if (kaesten.empty())
            continue;
        EXPECT_EQ(std::tuple(kaesten[0].Brush.Color, kaesten[0].Rect.Left, kaesten[0].Rect.Top),
                  std::tuple(RGB(255, 255, 210), 5, 5));
        if (balken) {
            EXPECT_EQ(std::tuple(kaesten[1].Rect.Top, kaesten[1].Brush.Color, kaesten[1].Rect.Right),
                      std::tuple(balken, clWhite, kaesten[0].Rect.Right - 2));
        }
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
    ASSERT_LT(wKurz, 60);
    const std::pair<TGraphik::THinweisLage, TRect> faelle[] = {
        {Lage(ModusPunkte), {5, 5, wPunkt + 19, h + 11}},
        {Lage(ModusTangente, true, false, "x"), {5, 5, 79, h + 28}},  // "an  x" is narrower than 60
        {Lage(ModusSpur, true, false, "x"), {5, 5, wKurz + 19, h + 28}},
    };
    for (const auto& [lage, kasten] : faelle) {
        TRecordingCanvas c;
        TGraphik::HinweiseZeichnen(c, lage);
        ASSERT_FALSE(c.OpsOf(Op::Rectangle).empty());
        EXPECT_EQ(c.OpsOf(Op::Rectangle)[0].Rect, kasten) << "mode " << lage.Modus;
    }
}
