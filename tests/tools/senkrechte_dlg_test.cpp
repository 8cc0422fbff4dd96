// The vertical segments and areas windows: their rows, the line style
// samples, the curve lists with their coding and the family warning.

#include "werkzeug_fixture.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "main/form1.h"
#include "tools/flaechen_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "platform/farbe_qt.h"
#include "tools/stilliste.h"

#include <QAbstractItemDelegate>
#include <QCheckBox>
#include <QPainter>
#include <QStyleOptionViewItem>

namespace {

class SenkrechteTest : public WerkzeugTest {
protected:
    const TSenkrechteDlg::TZeile& Z(int k) { return SenkrechteDlg->Zeile(k); }

    // Row k shows segment k, its samples in its colour.
    void ZeigtSenkrechte(int k)
    {
        SCOPED_TRACE(testing::Message() << "row " << k);
        const TSenkrechte& s = Senkrechte[k];
        const bool bekannt = s.LineStyle >= 0 && s.LineStyle <= 8;
        EXPECT_EQ(std::tuple(Z(k).X->text(), Z(k).YVon->text(), Z(k).YBis->text(), Z(k).Stil->currentIndex()),
                  std::tuple(QString::fromStdString(s.X), QString::fromStdString(s.YFrom), QString::fromStdString(s.YTo),
                             bekannt ? s.LineStyle : -1));
        EXPECT_EQ(std::tuple(Schriftfarbe(Z(k).X), Schriftfarbe(Z(k).YVon), Schriftfarbe(Z(k).YBis)),
                  std::tuple(s.Color, s.Color, s.Color));
        EXPECT_EQ(Z(k).Stil->ItemBild(0, QSize(60, 14)).pixelColor(30, 7), ToQColor(s.Color));
        // The closed list shows the chosen style's sample, and none for a
        // style it does not hold.
        const QImage liste = Z(k).Stil->grab().toImage();
        int farbig = 0;
        for (int y = 0; y < liste.height(); ++y)
            for (int x = 0; x < liste.width(); ++x)
                farbig += liste.pixelColor(x, y) == ToQColor(s.Color);
        EXPECT_EQ(farbig > 10, bekannt) << farbig;
    }
};

class FlaechenTest : public WerkzeugTest {
protected:
    const TFlaechenDlg::TZeile& Z(int k) { return FlaechenDlg->Zeile(k); }

    // Row k shows area k: its curves, its interval, its colour, its strokes.
    void ZeigtFlaeche(int k)
    {
        SCOPED_TRACE(testing::Message() << "row " << k);
        const TFlaeche& f = Flaechen[k];
        auto kurve = [](std::int32_t n) { return n == 13 ? QStringLiteral("x-A.") : QStringLiteral("%1.").arg(n); };
        EXPECT_EQ(std::tuple(Z(k).KurveA->currentText(), Z(k).KurveB->currentText(), Z(k).XVon->text(),
                             Z(k).XBis->text(), Z(k).Linien->isChecked()),
                  std::tuple(kurve(f.CurveA), kurve(f.CurveB), QString::fromStdString(f.XFrom),
                             QString::fromStdString(f.XTo), f.Linien != 0));
        for (const QWidget* w : std::initializer_list<const QWidget*>{Z(k).KurveA, Z(k).KurveB, Z(k).XVon, Z(k).XBis})
            EXPECT_EQ(Schriftfarbe(w), f.Color) << w->objectName().toStdString();
    }

    static void Schar(int nr, const char* term = "f(x,t) = t*x^2")
    {
        Funktionen[static_cast<std::size_t>(nr)]->SetTerm(term);
        Funktionen[static_cast<std::size_t>(nr)]->SetKind(ArtFunktionenschar);
    }
};

struct TStueck {
    int Von, Bis, Breite;
    friend bool operator==(const TStueck&, const TStueck&) = default;
};
void PrintTo(const TStueck& s, std::ostream* os) { *os << s.Von << ".." << s.Bis << " w" << s.Breite; }

// The pieces a sample draws on an item of the given width, from its left:
// a segment's or, with `scheiben` or `graph`, a graph's sample (whose discs
// it adds to `scheiben`).
std::vector<TStueck> Stuecke(int index, int breite, int links = 0, std::vector<TRect>* scheiben = nullptr,
                             bool graph = false)
{
    TRecordingCanvas c;
    if (scheiben || graph)
        GraphenMusterZeichnen(c, TRect{links, 0, links + breite, 14}, index, clRed);
    else
        LinienMusterZeichnen(c, TRect{links, 0, links + breite, 14}, index, clRed);
    std::vector<TStueck> v;
    for (const auto& op : c.OpsOf(TRecordingCanvas::TOpKind::Line)) {
        EXPECT_EQ(op.Points[0].Y, 7);
        v.push_back({op.Points[0].X - links, op.Points[1].X - links, op.Pen.Width});
    }
    for (const auto& op : c.OpsOf(TRecordingCanvas::TOpKind::Ellipse)) {
        EXPECT_EQ(std::pair(op.Brush.Color, op.Pen.Color), std::pair(clRed, clBlack));
        if (scheiben)
            scheiben->push_back(op.Rect);
        else
            ADD_FAILURE() << "a segment sample drew a disc";
    }
    return v;
}

}  // namespace

TEST_F(SenkrechteTest, RowsAsDesignedTheListStoresItsItemAndTheColourRecoloursTheRow)
{
    SenkrechteDlg->Umschalten();
    // Row 1 has the irregular names.
    EXPECT_EQ(std::tuple(SenkrechteDlg->findChild<QToolButton*>(QStringLiteral("SFarbe")),
                         SenkrechteDlg->findChild<QComboBox*>(QStringLiteral("ComboBox2")),
                         SenkrechteDlg->findChild<QLineEdit*>(QStringLiteral("Edit11"))),
              std::tuple(Z(1).Farbe, Z(1).Stil, Z(4).YVon));

    Waehlen(Z(2).Stil, 6);  // "7."
    EXPECT_EQ(Senkrechte[2].LineStyle, 6);
    Senkrechte[3].LineStyle = 12;  // from a document: no sample
    SenkrechteDlg->zeigeSenk();
    EXPECT_EQ(Z(3).Stil->currentIndex(), -1);

    const int n = SenkrechteDlg->Neuzeichnungen();
    Z(3).Farbe->click();  // cancelled: unchanged, still redrawn
    EXPECT_EQ(FarbDialog.Vorgaben, (std::vector<TColor>{clGreen}));
    EXPECT_EQ(std::pair(Senkrechte[3].Color, SenkrechteDlg->Neuzeichnungen()), std::pair(clGreen, n + 1));
    FarbDialog.Antwort = clRed;
    Z(3).Farbe->click();
    EXPECT_EQ(std::tuple(Senkrechte[3].Color, Schriftfarbe(Z(3).YBis), Schriftfarbe(Z(2).X)),
              std::tuple(clRed, clRed, clGreen));
    EXPECT_EQ(Z(3).Stil->ItemBild(2, QSize(60, 14)).pixelColor(30, 7), QColor(Qt::red));

    // The open list draws each item as its sample, 14 pixels high.
    Z(3).Stil->showPopup();
    Z(3).Stil->hidePopup();
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 60, 14);
    EXPECT_EQ(Z(3).Stil->itemDelegate()->sizeHint(option, Z(3).Stil->model()->index(2, 0)).height(), 14);
    QImage offen(60, 14, QImage::Format_RGB32);
    offen.fill(Qt::black);
    {
        QPainter p(&offen);
        Z(3).Stil->itemDelegate()->paint(&p, option, Z(3).Stil->model()->index(2, 0));
    }
    EXPECT_EQ(std::pair(offen.pixelColor(30, 7), offen.pixelColor(2, 7)), std::pair(QColor(Qt::red), QColor(Qt::white)));
}

TEST(LinienMuster, EachStyleDrawsItsPiecesInsideTheSample)
{
    using V = std::vector<TStueck>;
    EXPECT_EQ(Stuecke(0, 60), (V{{5, 55, 1}}));
    EXPECT_EQ(Stuecke(2, 60), (V{{5, 55, 5}}));
    EXPECT_EQ(Stuecke(4, 60), (V{{5, 55, 1}}));
    EXPECT_EQ(Stuecke(5, 40), (V{{5, 9, 3}, {13, 17, 3}, {21, 25, 3}, {29, 33, 3}}));
    // 17-pixel dashes 24 apart from Left + 5 on, a last piece to Right - 5.
    EXPECT_EQ(Stuecke(6, 110, 20), (V{{5, 22, 3}, {29, 46, 3}, {53, 70, 3}, {77, 94, 3}, {101, 105, 3}}));
    EXPECT_EQ(Stuecke(7, 40), (V{{5, 8, 5}, {15, 18, 5}, {25, 28, 5}}));
    EXPECT_EQ(Stuecke(8, 90), (V{{5, 21, 5}, {30, 46, 5}, {55, 71, 5}, {80, 85, 5}}));
    // Where the dash loop ends beyond the sample, the last piece would run
    // backwards: it is left out, and a dash is cut at Right - 5.
    EXPECT_EQ(Stuecke(6, 70), (V{{5, 22, 3}, {29, 46, 3}, {53, 65, 3}}));
    // Outside 0..8: the white item only.
    EXPECT_EQ(std::pair(Stuecke(9, 60), Stuecke(-1, 60)), std::pair(V{}, V{}));
    for (int index = 0; index <= 8; ++index)
        for (int breite = 20; breite <= 120; ++breite)
            for (const TStueck& s : Stuecke(index, breite))
                EXPECT_TRUE(s.Von >= 5 && s.Von < s.Bis && s.Bis <= breite - 5) << index << " " << breite;
}

TEST(GraphenMuster, DashesDotsAndDiscsAsTheGraphsDrawThem)
{
    using V = std::vector<TStueck>;
    // Dashes of 17 every 27 while they start left of Right - 15, then a last
    // one to Right - 5; dots of 3 every 10 while they start left of Right - 4.
    EXPECT_EQ(Stuecke(6, 80, 0, nullptr, true), (V{{5, 22, 3}, {32, 49, 3}, {59, 75, 3}}));
    EXPECT_EQ(Stuecke(8, 70, 0, nullptr, true), (V{{5, 22, 5}, {32, 49, 5}, {59, 65, 5}}));
    EXPECT_EQ(Stuecke(7, 36, 0, nullptr, true), (V{{5, 8, 5}, {15, 18, 5}, {25, 28, 5}}));
    EXPECT_EQ(Stuecke(0, 60, 0, nullptr, true), (V{{5, 55, 1}}));
    EXPECT_EQ(Stuecke(11, 60, 0, nullptr, true), V{});
    // Discs of 8 pixels at the left, in the middle, at the right; item 10
    // draws a thin line through them.
    std::vector<TRect> scheiben;
    EXPECT_EQ(Stuecke(9, 60, 0, &scheiben), V{});
    ASSERT_EQ(scheiben.size(), 3u);
    EXPECT_TRUE(scheiben[0] == (TRect{3, 3, 11, 11}) && scheiben[1] == (TRect{26, 3, 34, 11}) &&
                scheiben[2] == (TRect{49, 3, 57, 11}));
    scheiben.clear();
    EXPECT_EQ(Stuecke(10, 60, 20, &scheiben), (V{{5, 55, 1}}));
    EXPECT_EQ(scheiben.size(), 3u);
}

TEST_F(FlaechenTest, TheListsShowTheStoredCurvesAndStoreTheChosenOnes)
{
    FlaechenDlg->Umschalten();
    EXPECT_EQ(std::tuple(FlaechenDlg->findChild<QComboBox*>(QStringLiteral("ComboBox16")),
                         FlaechenDlg->findChild<QLineEdit*>(QStringLiteral("Edit15")),
                         FlaechenDlg->findChild<QCheckBox*>(QStringLiteral("CheckBox8")),
                         FlaechenDlg->findChild<QToolButton*>(QStringLiteral("SpeedButton7"))),
              std::tuple(Z(8).KurveB, Z(8).XVon, Z(8).Linien, Z(8).Farbe));

    Waehlen(Z(2).KurveB, 9);  // "x-A."
    EXPECT_EQ(Flaechen[2].CurveB, 13);

    // A number the list does not hold shows no item, not a wrong one; the
    // refresh stores nothing.
    const std::pair<std::int32_t, const char*> faelle[] = {
        {1, "1."}, {9, "9."}, {13, "x-A."}, {10, ""}, {0, ""}, {-1, ""}, {14, ""},
    };
    for (const auto& [kurve, text] : faelle) {
        Flaechen[3].CurveA = kurve;
        FlaechenDlg->ZeigeFlae();
        EXPECT_EQ(std::pair(Z(3).KurveA->currentText(), Flaechen[3].CurveA), std::pair(QString::fromLatin1(text), kurve));
    }

    // A typed text stores 0; a document's curve then shows its item again.
    Z(4).KurveA->setEditText(QStringLiteral("zz"));
    emit Z(4).KurveA->lineEdit()->textEdited(QStringLiteral("zz"));
    EXPECT_EQ(Flaechen[4].CurveA, 0);
    Flaechen[4].CurveA = 1;
    FlaechenDlg->ZeigeFlae();
    EXPECT_EQ(Z(4).KurveA->currentText(), QStringLiteral("1."));
}

TEST_F(FlaechenTest, OnlyAFunctionFamilyAmongTheCurvesBringsTheWarning)
{
    Schar(3);
    Waehlen(Z(1).KurveA, 2);
    ASSERT_EQ(Meldung.Meldungen.size(), 1u);
    EXPECT_EQ(Meldung.Meldungen[0], QStringLiteral("Eine Funktionenschar kann nicht gewählt werden!"));
    EXPECT_EQ(Flaechen[1].CurveA, 3);  // the choice is kept

    // A family that does not compile, a single function and the x-axis
    // bring none.
    Schar(4, "f(x,t) = t*(");
    Funktionen[5]->SetTerm("f(x) = x");
    for (int index : {3, 4, 9})
        Waehlen(Z(2).KurveA, index);
    EXPECT_EQ(Meldung.Meldungen.size(), 1u);

    // A typed text stores 0 and checks the selected function: warned while
    // that is a family, not while it is a single function.
    Schar(1);
    Funktionen[0] = Funktionen[1];
    emit Z(2).KurveB->lineEdit()->textEdited(QStringLiteral("7"));
    EXPECT_EQ(Flaechen[2].CurveB, 0);
    EXPECT_EQ(Meldung.Meldungen.size(), 2u);
    Funktionen[0] = Funktionen[5];
    emit Z(2).KurveB->lineEdit()->textEdited(QStringLiteral("8"));
    EXPECT_EQ(Meldung.Meldungen.size(), 2u);

    // The last function as well.
    Schar(9);
    Waehlen(Z(8).KurveB, 8);
    EXPECT_EQ(Meldung.Meldungen.size(), 3u);
}

TEST_F(SenkrechteTest, EveryControlOfARowActsOnItsOwnSegmentOnly)
{
    SenkrechteDlg->show();
    for (int k : {1, 3, 4}) {
        SCOPED_TRACE(testing::Message() << "row " << k);
        TSenkrechten soll = Senkrechte;
        const int n = Neuzeichnungen();
        Tippen(Z(k).X, "1,5");
        Tippen(Z(k).YVon, "-3");
        Tippen(Z(k).YBis, "4");
        Waehlen(Z(k).Stil, 8);
        FarbDialog.Antwort = clRed;
        // The new colour repaints the row's samples.
        EXPECT_TRUE(NeuGemalt(Z(k).Stil, [&] { Druecken(Z(k).Farbe); }));
        EXPECT_EQ(Neuzeichnungen(), n + 5);  // once for each
        std::tie(soll[k].X, soll[k].YFrom, soll[k].YTo, soll[k].LineStyle, soll[k].Color) =
            std::tuple("1,5", "-3", "4", 8, clRed);
        EXPECT_EQ(Abweichend(Senkrechte, soll), Keine{});
        for (int j = 1; j <= 4; ++j)
            ZeigtSenkrechte(j);
    }
    Druecken(SenkrechteDlg->OKBtn);
    EXPECT_FALSE(SenkrechteDlg->isVisible());
}

TEST_F(SenkrechteTest, TheRefreshShowsEachSegmentInItsOwnRow)
{
    auto belegen = [](int versatz) {
        for (int k = 1; k <= 4; ++k) {
            const int i = (k + versatz) % 4;
            const std::string n = std::to_string(i);
            TSenkrechte& s = Senkrechte[k];
            std::tie(s.X, s.YFrom, s.YTo, s.Color, s.LineStyle) = std::tuple("x" + n, "v" + n, "b" + n, Farbreihe[i], 2 * i);
        }
        return Senkrechte;
    };
    const TSenkrechten erste = belegen(0);
    SenkrechteDlg->show();
    for (int k = 1; k <= 4; ++k)
        ZeigtSenkrechte(k);
    EXPECT_EQ(Abweichend(Senkrechte, erste), Keine{});

    TSenkrechten zweite = belegen(1);
    zweite[2].LineStyle = Senkrechte[2].LineStyle = 9;  // from a document: one past the list
    SenkrechteDlg->zeigeSenk();
    for (int k = 1; k <= 4; ++k)
        ZeigtSenkrechte(k);
    EXPECT_EQ(Abweichend(Senkrechte, zweite), Keine{});
}

TEST_F(FlaechenTest, EveryControlOfARowActsOnItsOwnAreaOnly)
{
    FlaechenDlg->show();
    for (int k : {1, 4, 8}) {
        SCOPED_TRACE(testing::Message() << "row " << k);
        TFlaechen soll = Flaechen;
        const int n = Neuzeichnungen();
        Waehlen(Z(k).KurveA, 4);
        Waehlen(Z(k).KurveB, Z(k).KurveB->count() - 1);  // the last item: the x-axis
        Tippen(Z(k).XVon, "-1,5");
        Tippen(Z(k).XBis, "3");
        Druecken(Z(k).Linien);
        FarbDialog.Antwort = clRed;
        Druecken(Z(k).Farbe);
        EXPECT_EQ(Neuzeichnungen(), n + 6);  // once for each
        std::tie(soll[k].CurveA, soll[k].CurveB, soll[k].XFrom, soll[k].XTo, soll[k].Linien, soll[k].Color) =
            std::tuple(5, 13, "-1,5", "3", 1, clRed);
        EXPECT_EQ(Abweichend(Flaechen, soll), Keine{});
        for (int j = 1; j <= 8; ++j)
            ZeigtFlaeche(j);
        // The strokes off again.
        Druecken(Z(k).Linien);
        soll[k].Linien = 0;
        EXPECT_EQ(Abweichend(Flaechen, soll), Keine{});
    }
    Druecken(FlaechenDlg->OKBtn);
    EXPECT_FALSE(FlaechenDlg->isVisible());
}

TEST_F(FlaechenTest, TheRefreshShowsEachAreaInItsOwnRow)
{
    auto belegen = [](int versatz) {
        for (int k = 1; k <= 8; ++k) {
            const int i = (k + versatz) % 8;
            const std::string n = std::to_string(i);
            TFlaeche& f = Flaechen[k];
            std::tie(f.CurveA, f.CurveB, f.XFrom, f.XTo, f.Color, f.Linien) =
                std::tuple(1 + i, i == 0 ? 13 : 9 - i, "-" + n, n, Farbreihe[i], i % 2);
        }
        return Flaechen;
    };
    const TFlaechen erste = belegen(0);
    FlaechenDlg->show();
    for (int k = 1; k <= 8; ++k)
        ZeigtFlaeche(k);
    EXPECT_EQ(Abweichend(Flaechen, erste), Keine{});

    const TFlaechen zweite = belegen(3);
    FlaechenDlg->ZeigeFlae();
    for (int k = 1; k <= 8; ++k)
        ZeigtFlaeche(k);
    EXPECT_EQ(Abweichend(Flaechen, zweite), Keine{});
}
