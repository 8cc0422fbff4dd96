// What every tool window shares, in the started program: they open and close
// from every toggle and show the tables as they are (whoever changed them),
// close on Enter, follow their opacity bar and keep their labels clear of
// their fields in English.

#include "werkzeug_fixture.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "main/form1.h"
#include "main/formoeffne.h"
#include "platform/sprache.h"
#include "tools/beschriftung_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

class WerkzeugfensterTest : public WerkzeugTest {};

}  // namespace

TEST_F(WerkzeugfensterTest, EveryToggleShowsItsRefreshedWindowAndClosesIt)
{
    std::tie(Punkte[6].X, Punkte[12].X, Senkrechte[2].X, Flaechen[3].XFrom, Beschriftungen[9].Text) =
        std::tuple("9", "4", "3", "-7", "neun");
    Funktionen[4]->SetTerm("f(x) = 4");
    const auto punkte = Punkte;
    const std::tuple<QWidget*, QToolButton*, QAction*, QToolButton*, const QLineEdit*, const char*> wege[] = {
        {PunkteDlg, Form1->SpeedButton10, Form1->Punkte1, Graphik->SpeedButton10, PunkteDlg->Zeile(6).X, "9"},
        {SenkrechteDlg, Form1->SpeedButton11, Form1->Senkrechte1, Graphik->SpeedButton11, SenkrechteDlg->Zeile(2).X, "3"},
        {FlaechenDlg, Form1->SpeedButton9, Form1->Flchen1, Graphik->SpeedButton9, FlaechenDlg->Zeile(3).XVon, "-7"},
        {KreiseDlg, Form1->SpeedButton8, Form1->Kreise1, Graphik->SpeedButton16, KreiseDlg->Zeile(2).X, "4"},
        {BeschriftungDlg, Form1->SpeedButton12, Form1->Beschriftung1, Graphik->SpeedButton12,
         BeschriftungDlg->Zeile(9).Text, "neun"},
        {Uebersicht_Dlg, Form1->SpeedButton13, Form1->bersicht1, Graphik->SpeedButton7,
         Uebersicht_Dlg->Zeile(4).Gleichung, "f(x) = 4"},
    };
    for (const auto& [fenster, haupt, menue, graph, feld, text] : wege) {
        SCOPED_TRACE(fenster->objectName().toStdString());
        haupt->click();
        EXPECT_TRUE(fenster->isVisible());
        EXPECT_EQ(feld->text(), QString::fromUtf8(text));
        menue->trigger();
        EXPECT_FALSE(fenster->isVisible());
        graph->click();
        EXPECT_TRUE(fenster->isVisible());
        // Enter closes, except in the overview, where it belongs to the typing.
        const bool uebersicht = fenster == Uebersicht_Dlg;
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(uebersicht ? Uebersicht_Dlg->Zeile(1).Gleichung
                                           : fenster->findChild<QLineEdit*>(QStringLiteral("Edit1")),
                                &enter);
        EXPECT_EQ(fenster->isVisible(), uebersicht);
    }
    EXPECT_TRUE(punkte == Punkte);
    // The labels window gives its first axis caption the focus.
    Form1->SpeedButton12->click();
    EXPECT_EQ(BeschriftungDlg->focusWidget(), BeschriftungDlg->Edit1);
}

TEST_F(WerkzeugfensterTest, OpacityStatusDisplayAndEnglishLabelsClearOfTheirFields)
{
    PunkteDlg->TrackBar2->setValue(120);
    EXPECT_NEAR(PunkteDlg->windowOpacity(), 120.0 / 255.0, 0.01);

    // The pointer over the window's surface clears the graph window's
    // status display.
    Graphik->StatusErneuern = true;
    QMouseEvent bewegung(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
    QApplication::sendEvent(SenkrechteDlg, &bewegung);
    EXPECT_FALSE(Graphik->StatusErneuern);

    FlaechenDlg->Zeile(1).KurveB->setCurrentIndex(9);
    ASSERT_TRUE(LoadLanguage(SpracheEnglisch));
    FormOeffne->beschriften();
    EXPECT_EQ(FlaechenDlg->Zeile(1).KurveB->currentText(), QStringLiteral("x-ax."));
    for (int k = 1; k <= 8; ++k) {
        const TFlaechenDlg::TZeile& z = FlaechenDlg->Zeile(k);
        EXPECT_LT(z.VonLabel->geometry().right(), z.XVon->x()) << k;
        EXPECT_LT(z.BisLabel->geometry().right(), z.XBis->x()) << k;
    }
    for (int k = 1; k <= 4; ++k)
        EXPECT_LT(SenkrechteDlg->Zeile(k).VonLabel->geometry().right(), SenkrechteDlg->Zeile(k).YVon->x()) << k;
}
