// The tool windows exist from the start: creating them gives the object
// tables their defaults, and each starts opaque, hidden, always on top. In
// the started program they open and close from every toggle, close on Enter,
// take their captions from the language lines, show the tables as they are,
// and nothing typed into them stops the redraw.

#include "werkzeug_fixture.h"

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
#include "tools/stilliste.h"
#include "tools/uebersicht_dlg.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

TEST(Werkzeugfenster, CreatingThemGivesTheTablesTheirDefaults)
{
    AllesNullen();
    auto punkte = std::make_unique<TPunkteDlg>();
    auto kreise = std::make_unique<TKreiseDlg>();
    auto beschriftung = std::make_unique<TBeschriftungDlg>();
    auto senkrechte = std::make_unique<TSenkrechteDlg>();
    auto flaechen = std::make_unique<TFlaechenDlg>();
    auto uebersicht = std::make_unique<TUebersicht_Dlg>();

    // The same as the tables' own defaults (checked value by value there).
    const auto punkte0 = Punkte;
    const auto kreise0 = Kreise;
    const auto beschriftungen0 = Beschriftungen;
    const auto senkrechte0 = Senkrechte;
    const auto flaechen0 = Flaechen;
    AllesNullen();
    TabellenVorbelegen();
    EXPECT_TRUE(punkte0 == Punkte);
    EXPECT_TRUE(kreise0 == Kreise);
    EXPECT_TRUE(beschriftungen0 == Beschriftungen);
    EXPECT_TRUE(senkrechte0 == Senkrechte);
    EXPECT_TRUE(flaechen0 == Flaechen);

    for (QWidget* w : std::initializer_list<QWidget*>{punkte.get(), kreise.get(), beschriftung.get(), senkrechte.get(),
                                                      flaechen.get(), uebersicht.get()}) {
        EXPECT_TRUE(w->isHidden());
        EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_DOUBLE_EQ(w->windowOpacity(), 1.0);
        auto* regler = w->findChild<QSlider*>(QStringLiteral("TrackBar2"));
        ASSERT_NE(regler, nullptr);
        EXPECT_EQ(regler->minimum(), 120);
        EXPECT_EQ(regler->maximum(), 255);
        EXPECT_EQ(regler->value(), 255);
    }
}

// ---------------------------------------------------------------------------
// The common behaviour, in the started program.

namespace {

class WerkzeugfensterTest : public WerkzeugTest {
protected:
    struct TWeg {
        TWerkzeugfenster* Fenster;
        QToolButton* Haupt;
        QAction* Menue;
        QToolButton* Graph;
    };
    std::vector<TWeg> Wege() const
    {
        return {
            {PunkteDlg, Form1->SpeedButton10, Form1->Punkte1, Graphik->SpeedButton10},
            {SenkrechteDlg, Form1->SpeedButton11, Form1->Senkrechte1, Graphik->SpeedButton11},
            {FlaechenDlg, Form1->SpeedButton9, Form1->Flchen1, Graphik->SpeedButton9},
        };
    }
};

}  // namespace

TEST_F(WerkzeugfensterTest, EveryToggleShowsAndClosesItsWindowAndEnterClosesIt)
{
    const auto punkte = Punkte;
    for (const TWeg& w : Wege()) {
        SCOPED_TRACE(w.Fenster->objectName().toStdString());
        w.Haupt->click();
        EXPECT_TRUE(w.Fenster->isVisible());
        w.Menue->trigger();
        EXPECT_FALSE(w.Fenster->isVisible());
        w.Graph->click();
        EXPECT_TRUE(w.Fenster->isVisible());
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(w.Fenster->findChild<QLineEdit*>(QStringLiteral("Edit1")), &enter);
        EXPECT_FALSE(w.Fenster->isVisible());
    }
    EXPECT_TRUE(punkte == Punkte);
}

TEST_F(WerkzeugfensterTest, OpacityStatusDisplayAndCaptions)
{
    EXPECT_EQ(PunkteDlg->TrackBar2->value(), 240);  // as the start left it
    PunkteDlg->TrackBar2->setValue(120);
    EXPECT_NEAR(PunkteDlg->windowOpacity(), 120.0 / 255.0, 0.01);

    // The pointer over the window's surface clears the graph window's
    // status display.
    Graphik->StatusErneuern = true;
    QMouseEvent bewegung(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
    QApplication::sendEvent(SenkrechteDlg, &bewegung);
    EXPECT_FALSE(Graphik->StatusErneuern);

    EXPECT_EQ(PunkteDlg->windowTitle(), QStringLiteral("Punkte"));
    EXPECT_EQ(PunkteDlg->Label55->text(), QStringLiteral("Transparenz"));
    EXPECT_EQ(SenkrechteDlg->GroupBox1->title(), QStringLiteral(" Senkrechte 1 bis 4 "));
    EXPECT_EQ(FlaechenDlg->Zeile(2).Zwischen->text(), QStringLiteral("2. Zwischen"));
    FlaechenDlg->Zeile(1).KurveB->setCurrentIndex(9);
    ASSERT_TRUE(LoadLanguage(SpracheEnglisch));
    FormOeffne->beschriften();
    EXPECT_EQ(PunkteDlg->windowTitle(), QStringLiteral("Points"));
    EXPECT_EQ(SenkrechteDlg->OKBtn->text(), QStringLiteral("Close"));
    EXPECT_EQ(SenkrechteDlg->Zeile(1).VonLabel->text(), QStringLiteral("y from"));
    EXPECT_EQ(FlaechenDlg->Zeile(1).KurveB->currentText(), QStringLiteral("x-ax."));
    // The longer English range labels keep clear of their fields.
    for (int k = 1; k <= 8; ++k) {
        const TFlaechenDlg::TZeile& z = FlaechenDlg->Zeile(k);
        EXPECT_LT(z.VonLabel->geometry().right(), z.XVon->x()) << k;
        EXPECT_LT(z.BisLabel->geometry().right(), z.XBis->x()) << k;
    }
    for (int k = 1; k <= 4; ++k)
        EXPECT_LT(SenkrechteDlg->Zeile(k).VonLabel->geometry().right(), SenkrechteDlg->Zeile(k).YVon->x()) << k;
}

TEST_F(WerkzeugfensterTest, ADocumentOpenedWhileTheWindowsAreHiddenShowsAtTheNextOpen)
{
    QTemporaryDir ordner;
    const std::string pfad = (ordner.path() + QStringLiteral("/objekte.kvd")).toStdString();
    Punkte[5].X = "1.5";
    Punkte[5].Style = 4;
    Senkrechte[2].X = "3";
    Senkrechte[2].LineStyle = 6;
    Flaechen[3].CurveB = 13;
    Flaechen[3].Linien = 1;
    ASSERT_TRUE(Form1->speichere(pfad));
    Form1->SpeedButton3Click();  // New
    ASSERT_TRUE(Form1->oeffne(pfad));
    Punkte[6].X = "9";  // as the graph window's tools change a table
    Form1->SpeedButton10Click();
    Form1->SpeedButton11Click();
    Form1->SpeedButton9Click();
    EXPECT_EQ(PunkteDlg->Zeile(5).X->text(), QStringLiteral("1.5"));
    EXPECT_TRUE(PunkteDlg->Zeile(5).Stil[3]->isChecked());
    EXPECT_EQ(PunkteDlg->Zeile(6).X->text(), QStringLiteral("9"));
    EXPECT_EQ(SenkrechteDlg->Zeile(2).X->text(), QStringLiteral("3"));
    EXPECT_EQ(SenkrechteDlg->Zeile(2).Stil->currentIndex(), 6);
    EXPECT_EQ(FlaechenDlg->Zeile(3).KurveB->currentText(), QStringLiteral("x-A."));
    EXPECT_TRUE(FlaechenDlg->Zeile(3).Linien->isChecked());
}

TEST_F(WerkzeugfensterTest, NothingTypedIntoTheFieldsStopsTheRedraw)
{
    // Two curves that bound an area, one with strokes; dashed segments.
    Funktionen[2]->SetTerm("f(x) = x");
    Waehlen(FlaechenDlg->Zeile(1).KurveB, 1);
    FlaechenDlg->Zeile(2).Linien->setChecked(true);
    Waehlen(FlaechenDlg->Zeile(2).KurveB, 9);
    for (int k = 1; k <= 4; ++k)
        Waehlen(SenkrechteDlg->Zeile(k).Stil, 4 + k);
    for (const char* t : {"1e308", "-1e308", "1e-320", "nan", "inf", "0x10", "-", "", "2147483648", "1e30000"}) {
        const QString text = QString::fromLatin1(t);
        for (int k = 1; k <= 4; ++k) {
            for (QLineEdit* e : {PunkteDlg->Zeile(k).X, SenkrechteDlg->Zeile(k).YBis, FlaechenDlg->Zeile(k).XBis})
                e->setText(text);
            PunkteDlg->Zeile(k).Y->setText(k % 2 ? text : QStringLiteral("1"));
            SenkrechteDlg->Zeile(k).X->setText(k % 2 ? text : QStringLiteral("1"));
            SenkrechteDlg->Zeile(k).YVon->setText(QStringLiteral("-") + text);
            FlaechenDlg->Zeile(k).XVon->setText(QStringLiteral("-") + text);
        }
    }
    // Bounds far apart: walked only where the view is.
    FlaechenDlg->Zeile(1).XBis->setText(QStringLiteral("1e300"));
    SenkrechteDlg->Zeile(1).X->setText(QStringLiteral("0"));
    SenkrechteDlg->Zeile(1).YBis->setText(QStringLiteral("1e300"));
    EXPECT_EQ(Flaechen[1].XTo, "1e300");
}
