// The document state and the notifier between the windows: the tool windows
// announce what they change and refresh on what others change, the graph
// window draws what others changed, the overview shows what the editor took
// only while the editor's windows are in front, and the editor keeps its
// texts and verdicts in the state.

#include "programm_fixture.h"

#include "engine/zustand.h"
#include "platform/melder.h"
#include "platform/fensterart.h"
#include "platform/schriftdialog.h"
#include "tools/beschriftung_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <utility>
#include <vector>

namespace {

class ZustandMelderTest : public GestartetTest {
protected:
    std::vector<std::pair<TObjekttabelle, QObject*>> Tabellen;

    void SetUp() override
    {
        GestartetTest::SetUp();
        QObject::connect(&Melder(), &TMelder::TabelleGeaendert, Form1,
                         [this](TObjekttabelle t, QObject* absender) { Tabellen.emplace_back(t, absender); });
    }

    static QImage Bild() { return Graphik->PaintBox1->Front().copy(); }
};

}  // namespace

TEST_F(ZustandMelderTest, AToolWindowAnnouncesItsTableAndShowsWhatOthersChangedInIt)
{
    const QLineEdit* x2 = PunkteDlg->Zeile(2).X;
    PunkteDlg->Zeile(2).X->setText(QStringLiteral("3"));
    ASSERT_EQ(Tabellen.size(), 1u);
    EXPECT_EQ(Tabellen[0], std::pair(TObjekttabelle::Punkte, static_cast<QObject*>(PunkteDlg)));
    EXPECT_EQ(Punkte[2].X, "3");

    // Changed behind its back: it shows it only when told that its own
    // table changed, by another window.
    Punkte[2].X = "5";
    emit Melder().TabelleGeaendert(TObjekttabelle::Kreise, Graphik);
    emit Melder().TabelleGeaendert(TObjekttabelle::Punkte, PunkteDlg);
    EXPECT_EQ(x2->text(), QStringLiteral("3"));
    emit Melder().TabelleGeaendert(TObjekttabelle::Punkte, Graphik);
    EXPECT_EQ(x2->text(), QStringLiteral("5"));

    // A drawing replaced as a whole: every tool window and the overview.
    Punkte[2].X = "6";
    Senkrechte[3].X = "-1";
    F(8).SetTerm("f(x) = 8");
    emit Melder().DokumentErneuert();
    EXPECT_EQ(std::tuple(x2->text(), SenkrechteDlg->Zeile(3).X->text(), Uebersicht_Dlg->Zeile(8).Gleichung->text()),
              std::tuple(QStringLiteral("6"), QStringLiteral("-1"), QStringLiteral("f(x) = 8")));
}

TEST_F(ZustandMelderTest, TheGraphWindowDrawsWhatOtherWindowsChanged)
{
    QImage vorher = Bild();
    SenkrechteDlg->Zeile(1).X->setText(QStringLiteral("1,5"));  // a segment in the view
    EXPECT_NE(Bild(), vorher);

    // What it changed itself it has drawn already.
    F(2).SetTerm("f(x) = x/2");
    vorher = Bild();
    emit Melder().FunktionGeaendert(2, Graphik);
    EXPECT_EQ(Bild(), vorher);
    emit Melder().FunktionGeaendert(2, Uebersicht_Dlg);
    EXPECT_NE(Bild(), vorher);
}

TEST_F(ZustandMelderTest, TheOverviewShowsWhatTheEditorTookOnlyWhileTheEditorIsInFront)
{
    if (!Aktivieren(Form1))
        GTEST_SKIP() << "no active window on this platform";
    Form1->Evonx->setText(QStringLiteral("-3"));
    EXPECT_EQ(Uebersicht_Dlg->Zeile(1).XVon->text(), QStringLiteral("-3"));

    // Typed in the overview: the editor shows it its way, the row as typed.
    ASSERT_TRUE(Aktivieren(Uebersicht_Dlg));
    Uebersicht_Dlg->Zeile(5).XVon->setText(QStringLiteral("-7.5"));
    EXPECT_EQ(std::pair(Form1->Evonx->text(), Uebersicht_Dlg->Zeile(5).XVon->text()),
              std::pair(QStringLiteral("-7,5"), QStringLiteral("-7.5")));

    // A function the graph window's tools changed shows whichever window is
    // in front; one the overview changed itself it shows already.
    F(3).SetTerm("f(x) = 3");
    emit Melder().FunktionGeaendert(3, Uebersicht_Dlg);
    EXPECT_NE(Uebersicht_Dlg->Zeile(3).Gleichung->text(), QStringLiteral("f(x) = 3"));
    emit Melder().FunktionGeaendert(3, Graphik);
    EXPECT_EQ(Uebersicht_Dlg->Zeile(3).Gleichung->text(), QStringLiteral("f(x) = 3"));
}

TEST_F(ZustandMelderTest, TheEditorKeepsItsTextsAndVerdictsInTheState)
{
    const TEditorZustand& e = Zustand.Editor;
    Form1->Evonx->setText(QStringLiteral("a"));
    EXPECT_EQ(e[TEditorFeld::XVon], (TEingabe{"a", false}));
    Form1->Estept->setText(QStringLiteral("0,5"));
    EXPECT_EQ(e[TEditorFeld::TSchritt], (TEingabe{"0,5", true}));
    Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x"));
    EXPECT_EQ(std::pair(e.Eingabeart, e[TEditorFeld::Gleichung]),
              std::pair(std::string(ArtFunktionenschar), TEingabe{"f(x,t) = t*x", true}));
    Form1->Edit1->setText(QStringLiteral("f(x) = ("));
    EXPECT_EQ(std::pair(e.Eingabeart, e[TEditorFeld::Gleichung].Gueltig), std::pair(std::string(ArtFunktion), false));

    // While the ranges are locked the text shows, and the verdict stands.
    Form1->BereicheGesperrt = true;
    Form1->Ebisx->setText(QStringLiteral("b"));
    Form1->BereicheGesperrt = false;
    EXPECT_EQ(e[TEditorFeld::XBis], (TEingabe{"b", true}));

    Form1->Reset();
    EXPECT_TRUE(e[TEditorFeld::XVon].Gueltig && e[TEditorFeld::Gleichung].Gueltig);
}

// The labels window asks the graph window for what rides on its pointer: a
// font chosen meanwhile, a reset (the label rides on, empty).
TEST_F(ZustandMelderTest, ARidingLabelTakesItsNewFontAndItsResetAlong)
{
    struct Schriften : TSchriftDialog {
        std::optional<TFont> Waehle(const TFont&) override { return TFont{"Courier", 18, clRed, fsItalic}; }
    } dialog;
    SetSchriftDialog(&dialog);
    const TBeschriftungDlg::TZeile& z4 = BeschriftungDlg->Zeile(4);
    z4.Text->setText(QStringLiteral("Wendepunkt"));
    z4.Verschieben->click();
    z4.Schrift->click();
    SetSchriftDialog(nullptr);
    EXPECT_EQ(std::tuple(Schriftfarbe(Graphik->BeschrEdit), Tag(Graphik->BeschrEdit), Graphik->BeschrEdit->font().italic()),
              std::tuple(clRed, 18, true));
    EXPECT_EQ(std::pair(Schriftfarbe(z4.Text), z4.Text->font().italic()), std::pair(clRed, true));
    EXPECT_EQ(Graphik->BeschrEdit->text(), QStringLiteral("Wendepunkt"));

    z4.Reset->click();
    EXPECT_EQ(std::tuple(VerschiebeNr, Graphik->BeschrEdit->text(), z4.Text->text()),
              std::tuple(4, QString(), QString()));
    z4.Verschieben->click();  // put back: nothing to put back
    EXPECT_EQ(std::pair(Beschriftungen[4].Text, Beschriftungen[4].Font.Name), std::pair(std::string(), std::string("Tahoma")));
}
