// The tool windows and the overview are made when first opened, not at the
// start: the start leaves their tables with the defaults, and a window made
// later shows the document in the language in force, as translucent as the
// switch says, connected, and without drawing the picture again.

#include "programm_fixture.h"

#include "bench/volles_dokument.h"
#include "engine/dokument.h"
#include "main/verbindungen.h"
#include "platform/melder.h"
#include "tools/beschriftung_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <QTemporaryDir>

#include <tuple>

namespace {

class WerkzeugfensterAnlegenTest : public ProgrammTest {
protected:
    static std::vector<QWidget*> Werkzeugfenster()
    {
        return {PunkteDlg, KreiseDlg, BeschriftungDlg, SenkrechteDlg, FlaechenDlg, Uebersicht_Dlg};
    }

    static void Umschalten(TUmschaltFenster f) { emit Melder().FensterUmschaltenVerlangt(f); }
};

}  // namespace

TEST_F(WerkzeugfensterAnlegenTest, TheStartMakesNoneAndLeavesTheirTablesWithTheDefaults)
{
    AllesNullen();
    TabellenVorbelegen();
    const auto punkte = Punkte;
    const auto kreise = Kreise;
    const auto beschriftungen = Beschriftungen;
    const auto senkrechte = Senkrechte;
    const auto flaechen = Flaechen;
    AllesNullen();

    ProgrammStarten({});
    EXPECT_EQ(Werkzeugfenster(), std::vector<QWidget*>(6, nullptr));
    EXPECT_TRUE(punkte == Punkte && kreise == Kreise && beschriftungen == Beschriftungen &&
                senkrechte == Senkrechte && flaechen == Flaechen);
}

TEST_F(WerkzeugfensterAnlegenTest, AWindowMadeLaterShowsTheDocumentInTheLanguageInForceAndDrawsNothing)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("voll.kvd"));
    const std::vector<std::uint8_t> bytes = EncodeDokument(VollesDokument());
    DateiSchreiben(pfad, QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    ProgrammStarten({pfad.toStdString()});
    Form1->english1Click();
    const int bilder = Graphik->Neuzeichnungen();
    const auto punkte = Punkte;

    Umschalten(TUmschaltFenster::Punkte);
    ASSERT_NE(PunkteDlg, nullptr);
    EXPECT_TRUE(PunkteDlg->isVisible());
    EXPECT_EQ(std::tuple(PunkteDlg->windowTitle(), PunkteDlg->OKBtn->text()), std::tuple(Txt(51), Txt(336)));
    EXPECT_EQ(PunkteDlg->Zeile(3).X->text().toStdString(), VollesDokument().Punkte[3].X);
    EXPECT_EQ(std::pair(PunkteDlg->TrackBar2->value(), PunkteDlg->windowOpacity()), std::pair(240, 240 / 255.0));
    EXPECT_EQ(Graphik->Neuzeichnungen(), bilder);
    EXPECT_TRUE(punkte == Punkte);
    // Only the window asked for; the next toggle closes that same one.
    EXPECT_EQ(KreiseDlg, nullptr);
    TPunkteDlg* fenster = PunkteDlg;
    Umschalten(TUmschaltFenster::Punkte);
    EXPECT_EQ(PunkteDlg, fenster);
    EXPECT_FALSE(PunkteDlg->isVisible());

    // With the tool windows made opaque before, a new one is opaque too.
    Form1->ransparenzderZubehrfenster1Click();
    Umschalten(TUmschaltFenster::Kreise);
    ASSERT_NE(KreiseDlg, nullptr);
    EXPECT_EQ(std::pair(KreiseDlg->TrackBar2->value(), KreiseDlg->windowOpacity()), std::pair(255, 1.0));
    EXPECT_EQ(Graphik->Neuzeichnungen(), bilder);
}

TEST_F(WerkzeugfensterAnlegenTest, EveryToggleMakesItsWindowConnected)
{
    ProgrammStarten({});
    const std::pair<TUmschaltFenster, QWidget**> fenster[] = {
        {TUmschaltFenster::Punkte, reinterpret_cast<QWidget**>(&PunkteDlg)},
        {TUmschaltFenster::Kreise, reinterpret_cast<QWidget**>(&KreiseDlg)},
        {TUmschaltFenster::Beschriftung, reinterpret_cast<QWidget**>(&BeschriftungDlg)},
        {TUmschaltFenster::Senkrechte, reinterpret_cast<QWidget**>(&SenkrechteDlg)},
        {TUmschaltFenster::Flaechen, reinterpret_cast<QWidget**>(&FlaechenDlg)},
        {TUmschaltFenster::Uebersicht, reinterpret_cast<QWidget**>(&Uebersicht_Dlg)},
    };
    for (const auto& [f, zeiger] : fenster) {
        Umschalten(f);
        ASSERT_NE(*zeiger, nullptr) << static_cast<int>(f);
        EXPECT_TRUE((*zeiger)->isVisible()) << static_cast<int>(f);
    }

    // Leaving label mode puts a riding label back.
    QToolButton* knopf = BeschriftungDlg->Zeile(2).Verschieben;
    knopf->click();
    ASSERT_TRUE(knopf->isChecked());
    emit Melder().ReiterZuruecklegenVerlangt();
    EXPECT_FALSE(knopf->isChecked());

    // The overview follows the editor while the main window is in front.
    if (!Aktivieren(Form1))
        GTEST_SKIP() << "no active window on this platform";
    const int n = Uebersicht_Dlg->Auffrischungen();
    emit Melder().EditorGeaendert();
    EXPECT_EQ(Uebersicht_Dlg->Auffrischungen(), n + 1);
}
