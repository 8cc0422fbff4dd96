// The graph window's controls that act through the main window: its tool
// bar band, its input bar, its unit switch and its value table button each
// reach what the main window's own controls reach.

#include "druck_fakes.h"

#include "tools/beschriftung_dlg.h"
#include "tools/einheit_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"
#include "tools/wertetabelle_fenster.h"

#include <QLabel>

namespace {

class GraphikKnoepfe : public DruckTest {
protected:
    void SetUp() override
    {
        DruckTest::SetUp();
        Modal.Antwort = [](QDialog&) {};
        Drucker.Abbrechen = true;
    }
};

TEST_F(GraphikKnoepfe, ToolBarBandTogglesTheToolWindowsAndRunsTheCommands)
{
    for (auto [knopf, fenster] : {std::pair(Graphik->SpeedButton10, static_cast<QWidget*>(PunkteDlg)),
                                  {Graphik->SpeedButton16, KreiseDlg},
                                  {Graphik->SpeedButton12, BeschriftungDlg},
                                  {Graphik->SpeedButton11, SenkrechteDlg},
                                  {Graphik->SpeedButton9, FlaechenDlg},
                                  {Graphik->SpeedButton7, Uebersicht_Dlg},
                                  {Graphik->SpeedButton17, Form2}}) {
        fenster->hide();
        knopf->click();
        EXPECT_TRUE(fenster->isVisible()) << knopf->objectName().toStdString();
        knopf->click();
        EXPECT_FALSE(fenster->isVisible()) << knopf->objectName().toStdString();
    }
    Graphik->SpeedButton8->click();
    Graphik->SpeedButton13->click();
    EXPECT_EQ(Modal.Gezeigt, (std::vector<QDialog*>{DruckDlg, KopierDlg}));
    Form1->Edit1->setText("f(x) = 7");
    Graphik->SpeedButton15->click();
    EXPECT_EQ(Funktionen[1]->GetTerm(), "f(x) = x^2");
}

// The input bar: the function list, the style list and the colour buttons
// change the selected function as the main window's do.
TEST_F(GraphikKnoepfe, InputBarWritesTheSelectedFunction)
{
    Graphik->ComboBox3->setEditText("4.");
    emit Graphik->ComboBox3->activated(3);
    EXPECT_EQ(std::tuple(FunktionNr, Form1->ComboBox1->currentText()), std::tuple(4, "4."));
    Graphik->ComboBox4->setCurrentIndex(6);
    emit Graphik->ComboBox4->activated(6);
    EXPECT_EQ(std::tuple(Funktionen[4]->GetLineStyle(), Form1->ComboBox2->currentIndex()), std::tuple(6, 6));
    FarbDialog.Antwort = clOlive;
    Graphik->SFarbe->click();
    EXPECT_EQ(Funktionen[4]->GetColor(), clOlive);
    FarbDialog.Antwort = clNavy;
    Graphik->SFarbe2->click();
    EXPECT_EQ(std::tuple(Funktionen[4]->GetColor(), Funktionen[4]->GetColor2()), std::tuple(clOlive, clNavy));
}

// The graph window's unit switch ticks the main window's unit and names it
// in the unit windows.
TEST_F(GraphikKnoepfe, UnitSwitchReachesTheMenuAndTheUnitWindows)
{
    Graphik->cm2->click();
    EXPECT_TRUE(Form1->Inch->isChecked());
    EXPECT_TRUE(EinheitXDlg->Label1->text().endsWith(" 1/2 in") && EinheitYDlg->Label1->text().endsWith(" 1/2 in"));
    Graphik->cm2->click();
    EXPECT_TRUE(Form1->cm->isChecked());
    EXPECT_TRUE(EinheitXDlg->Label1->text().endsWith(" 1 cm"));
}

}  // namespace
