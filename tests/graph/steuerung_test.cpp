// The graph window's own controls: grid, swatches, cm/inch, status bar, the
// band's print, copy and New, and the unit windows.

#include "interaktion_fixture.h"
#include "main/druck_fakes.h"
#include "zeichnen_hilfe.h"

#include "tools/einheit_dlg.h"
#include "platform/farbe_qt.h"
#include "platform/melder.h"

#include <QFrame>
#include <QTest>

namespace {

class Steuerung : public DruckTest {
protected:
    void SetUp() override
    {
        DruckTest::SetUp();
        FreieFlaeche(331, 301);  // 30 pixels per view unit, the origin at pixel (150, 240)
        ASSERT_EQ(Graphik->PaintBox1->size(), QSize(331, 301));
    }
    // What a swatch shows inside its frame, seen in its group.
    static QColor Flaeche(std::size_t i)
    {
        const QFrame* f = Graphik->GitterFelder[i];
        return f->parentWidget()->grab().toImage().pixelColor(f->geometry().center());
    }
};

TEST_F(Steuerung, GridButtonsWriteTheGridKindKeepTheSchemeAndRedraw)
{
    const std::tuple<const char*, int, void (TGraphik::*)(), const char*, bool> faelle[] = {
        {"1b", 1, &TGraphik::SpeedButton1Click5, "6b", true},  // 1 cm, dashed
        {"1b", 2, &TGraphik::SpeedButton1Click5, "4b", true},
        {"4b", 0, &TGraphik::SpeedButton2Click, "1b", true},   // 0.5 cm, solid
        {"0b", 2, &TGraphik::SpeedButton2Click, "3b", true},
        {"2a", 1, &TGraphik::SpeedButton1Click, "0a", false},  // none
        {"2a", 1, &TGraphik::SpeedButton6Click, "5a", false},  // millimetre paper
        {"", 0, &TGraphik::SpeedButton2Click, "1", true},
    };
    for (const auto& [vorher, stil, knopf, nachher, strichAn] : faelle) {
        std::tie(Graphik->Gitter, Graphik->GitterStil) = std::tuple(vorher, stil);
        (Graphik->*knopf)();
        EXPECT_EQ(std::pair(Graphik->Gitter, Graphik->ComboStrich->isEnabled()), std::pair(std::string(nachher), strichAn))
            << vorher << " " << stil;
    }
    // The vertical lines at x = 1 and x = 0.5, seen at y = 6.5 between two
    // horizontal ones.
    auto pixel = [](int x) { return Graphik->Bild.pixelColor(x, 45); };
    Graphik->Gitter = "0";  // black lines: no scheme letter
    Graphik->SpeedButton3->click();
    EXPECT_EQ(Graphik->Gitter, "2");
    EXPECT_EQ(std::pair(pixel(180), pixel(165)), std::pair(QColor(Qt::black), QColor(Qt::white)));
    Graphik->SpeedButton2->click();
    EXPECT_EQ(pixel(165), QColor(Qt::black));
}

TEST_F(Steuerung, LineStyleSwitchesALineGridOnAndIsRememberedAcrossOtherGrids)
{
    Graphik->Gitter = "1b";
    Graphik->GraphikResize();
    Graphik->ComboStrich->setCurrentIndex(2);
    Graphik->ComboStrichChange();
    EXPECT_EQ(Graphik->Gitter, "3b");
    Graphik->SpeedButton6->click();
    EXPECT_FALSE(Graphik->ComboStrich->isEnabled());
    Graphik->SpeedButton1->click();
    EXPECT_EQ(Graphik->ComboStrich->currentIndex(), -1);
    Graphik->SpeedButton2->click();
    EXPECT_EQ(std::pair(Graphik->ComboStrich->currentIndex(), Graphik->Gitter), std::pair(2, std::string("3b")));
    // With the 1 cm grid a style stays on 1 cm.
    Graphik->SpeedButton3->click();
    Graphik->ComboStrich->setCurrentIndex(1);
    Graphik->ComboStrichChange();
    EXPECT_EQ(Graphik->Gitter, "6b");
    // The samples take the scheme's colour, black without one, in their
    // style: the dashed sample has a gap, the solid one none.
    const QImage b = Graphik->ComboStrich->ItemBild(0, QSize(60, 16));
    EXPECT_EQ(b.pixelColor(30, 8), ToQColor(Graphik->GitterFarbe[2]));
    EXPECT_EQ(std::pair(b.pixelColor(3, 8), b.pixelColor(30, 3)), std::pair(QColor(Qt::white), QColor(Qt::white)));
    Graphik->Gitter = "6";
    EXPECT_EQ(Graphik->ComboStrich->ItemBild(0, QSize(60, 16)).pixelColor(30, 8), QColor(Qt::black));
    Graphik->Gitter = "6c";
    const QImage gestrichelt = Graphik->ComboStrich->ItemBild(1, QSize(60, 16));
    int luecken = 0;
    for (int x = 6; x < 54; ++x)
        luecken += gestrichelt.pixelColor(x, 8) == QColor(Qt::white);
    EXPECT_GT(luecken, 5);
    EXPECT_EQ(gestrichelt.pixelColor(6, 8), ToQColor(Graphik->GitterFarbe[3]));
}

TEST_F(Steuerung, SwatchesChooseTheSchemeOnlyWhileAGridIsOn)
{
    // The four colours at the start: black and the three schemes.
    EXPECT_EQ(std::tuple(Flaeche(0), Flaeche(1), Flaeche(2), Flaeche(3)),
              std::tuple(QColor(0, 0, 0), QColor(177, 99, 99), QColor(192, 192, 192), QColor(183, 255, 183)));
    Graphik->Gitter = "2a";
    Graphik->GraphikResize();
    QTest::mousePress(Graphik->GitterFelder[2], Qt::LeftButton);
    EXPECT_EQ(Graphik->Gitter, "2b");
    EXPECT_EQ(Flaeche(2), ToQColor(RGB(192 + 50, 192, 192 + 50)));  // pressed look
    QTest::mouseRelease(Graphik->GitterFelder[2], Qt::LeftButton);
    EXPECT_EQ(Flaeche(2), ToQColor(Graphik->GitterFarbe[2]));
    QTest::mousePress(Graphik->GitterFelder[0], Qt::LeftButton);
    EXPECT_EQ(Graphik->Gitter, "2");
    EXPECT_EQ(Flaeche(0), QColor(0x80, 0x80, 0x80));
    QTest::mouseRelease(Graphik->GitterFelder[0], Qt::LeftButton);
    EXPECT_EQ(Flaeche(0), QColor(Qt::black));
    // Each swatch is framed.
    const QRect feld = Graphik->GitterFelder[2]->geometry();
    EXPECT_NE(Graphik->GroupBox2->grab().toImage().pixelColor(feld.left(), feld.center().y()), Flaeche(2));
    // A light colour saturates in each channel instead of spilling over.
    Graphik->GitterFarbe[3] = RGB(230, 255, 250);
    QTest::mousePress(Graphik->GitterFelder[3], Qt::LeftButton);
    EXPECT_EQ(std::pair(Graphik->Gitter, Flaeche(3)), std::pair(std::string("2c"), QColor(255, 255, 255)));
    QTest::mouseRelease(Graphik->GitterFelder[3], Qt::LeftButton);
    for (const char* aus : {"0b", ""}) {
        Graphik->Gitter = aus;
        Graphik->GraphikResize();
        const QColor vorher = Flaeche(3);
        EXPECT_EQ(vorher, QColor(Qt::white));  // no grid, no colours
        QTest::mousePress(Graphik->GitterFelder[3], Qt::LeftButton);
        QTest::mouseRelease(Graphik->GitterFelder[3], Qt::LeftButton);
        EXPECT_EQ(std::pair(Graphik->Gitter, Flaeche(3)), std::pair(std::string(aus), vorher));
    }
}

TEST_F(Steuerung, CopyAndPrintFromTheBandAndAnEmptyGridCode)
{
    // Both leave the tool first; hatched circles get the graphs' copy
    // dialog with the bitmap chosen, and a message, instead of printing.
    Modal.Antwort = [](QDialog&) {};
    Modus = ModusKreisMitte;
    Graphik->SpeedButton13->click();
    EXPECT_EQ(Modus, ModusUrsprung);
    Kreise[7].Fill = "2";
    KopierDlg8->R1->setChecked(true);
    Graphik->SpeedButton8->click();
    EXPECT_TRUE(KopierDlg8->R3->isChecked());
    EXPECT_EQ(Meldung.Meldungen.size(), 1u);
    Kreise[7].Fill = "1";
    Graphik->SpeedButton8->click();
    EXPECT_EQ(Modal.Gezeigt, (std::vector<QDialog*>{KopierDlg, KopierDlg8, DruckDlg}));
    // An empty grid code is safe everywhere.
    for (auto* knopf : {Graphik->SpeedButton13, Graphik->SpeedButton8}) {
        Graphik->Gitter.clear();
        knopf->click();
    }
    EXPECT_TRUE(KopierDlg->CB3->isHidden() && DruckDlg->CB3->isHidden());
    Graphik->Gitter.clear();
    Graphik->GraphikResize();
    EXPECT_TRUE(Graphik->SpeedButton1->isChecked());
    Graphik->ComboStrich->ItemBild(1, QSize(60, 16));
    Graphik->ComboStrich->setCurrentIndex(1);
    Graphik->ComboStrichChange();
    EXPECT_EQ(Graphik->Gitter, "7");
}

TEST_F(Steuerung, UnitSwitchSwapsListsAndTheMenuTickOnly)
{
    Graphik->ComboBox2->setEditText(QStringLiteral("16"));
    Graphik->ComboBox2Change(Graphik->ComboBox2);
    ASSERT_EQ(Graphik->XMax - Graphik->XMin, 16);
    const double einheit = Einstellungen.Einheit;
    Graphik->cm1->click();
    EXPECT_TRUE(Form1->Inch->isChecked() && Graphik->ComboBox2->isHidden() && !Graphik->ComboBox2a->isHidden());
    EXPECT_TRUE(Graphik->ComboBox1->isHidden() && !Graphik->ComboBox1a->isHidden());
    EXPECT_EQ(std::tuple(Graphik->cm1->text(), Graphik->cm2->text(), Graphik->cm3->text()),
              std::tuple(QStringLiteral("in  "), QStringLiteral("in  "), QStringLiteral("1 inch")));
    // 16 cm has no inch entry: the longest inch length stands in.
    EXPECT_EQ(Graphik->ComboBox2a->currentText(), QStringLiteral("7"));
    EXPECT_EQ(Graphik->XMax - Graphik->XMin, 14);
    EXPECT_EQ(EinheitXDlg->Label1->text(), Txt(344) + QStringLiteral(" 1/2 in"));
    EXPECT_EQ(Einstellungen.Einheit, einheit);
    Graphik->cm3->click();
    EXPECT_TRUE(Form1->cm->isChecked() && Graphik->ComboBox2a->isHidden() && Graphik->ComboBox1a->isHidden());
    EXPECT_TRUE(!Graphik->ComboBox1->isHidden() && !Graphik->ComboBox2->isHidden());
    EXPECT_EQ(std::tuple(Graphik->cm1->text(), Graphik->cm2->text(), Graphik->cm3->text()),
              std::tuple(QStringLiteral("cm"), QStringLiteral("cm"), QStringLiteral("1 cm")));
    EXPECT_EQ(EinheitXDlg->Label1->text(), Txt(344) + QStringLiteral(" 1 cm"));
}

// Only the cm lengths past the inch lists (x 15 to 17, y 17 to 20) take the
// longest inch length; the others keep their own.
TEST_F(Steuerung, UnitSwitchReplacesOnlyTheLengthsBeyondTheInchLists)
{
    const std::tuple<const char*, const char*, const char*, const char*> faelle[] = {
        {"14", "16", "7", "8"}, {"15", "17", "7", "8"}, {"16", "18", "7", "8"},
        {"17", "20", "7", "8"}, {"10", "12", "5", "6"}, {"17", "19", "7", "8"},
    };
    for (const auto& [x, y, xZoll, yZoll] : faelle) {
        SCOPED_TRACE(std::string(x) + " x " + y);
        Graphik->ComboBox2a->setEditText(QStringLiteral("2"));
        Graphik->ComboBox1a->setEditText(QStringLiteral("2"));
        Graphik->ComboBox2->setEditText(QString::fromLatin1(x));
        Graphik->ComboBox2Change(Graphik->ComboBox2);
        Graphik->ComboBox1->setEditText(QString::fromLatin1(y));
        Graphik->ComboBox1Change(Graphik->ComboBox1);
        Graphik->cm1->click();
        EXPECT_EQ(std::pair(Graphik->ComboBox2a->currentText(), Graphik->ComboBox1a->currentText()),
                  std::pair(QString::fromLatin1(xZoll), QString::fromLatin1(yZoll)));
        Graphik->cm3->click();
    }
}

TEST_F(Steuerung, StatusBarClicksChooseFunctionPanelsOnly)
{
    Funktionen[3]->SetTerm("f(x) = 3*x");
    Graphik->StatusBar1->grab();  // panel widths by their texts
    const QRect drei = Graphik->StatusBar1->PanelRect(3);
    ASSERT_FALSE(drei.isEmpty());
    QTest::mouseClick(Graphik->StatusBar1, Qt::LeftButton, {}, drei.center());
    EXPECT_EQ(std::pair(FunktionNr, Form1->Edit1->text()), std::pair(3, QStringLiteral("f(x) = 3*x")));
    EXPECT_TRUE(Meldung.Meldungen.empty());
    for (const QPoint p : {Graphik->StatusBar1->PanelRect(0).center(),
                           QPoint(Graphik->StatusBar1->width() - 2, drei.center().y())}) {
        QTest::mouseClick(Graphik->StatusBar1, Qt::LeftButton, {}, p);
        EXPECT_EQ(FunktionNr, 3);
    }
    ASSERT_EQ(Meldung.Meldungen.size(), 2u);
    EXPECT_EQ(Meldung.Meldungen[0], Txt(298) + QLatin1Char('\n') + Txt(299));
}

// Each function's panel shows its own text in its colour; the panels of
// functions not defined stay empty.
TEST_F(Steuerung, EachFunctionPanelDrawsItsOwnTextInItsColour)
{
    for (std::size_t n = 1; n <= 9; ++n)
        Funktionen[n]->SetTerm("f(x) =");
    Funktionen[3]->SetTerm("f(x) = 3*x");
    const QImage bild = Graphik->StatusBar1->grab().toImage();
    const QColor farbe = ToQColor(Funktionen[3]->GetColor());
    auto punkte = [&](int panel) {
        const QRect r = Graphik->StatusBar1->PanelRect(panel).intersected(bild.rect());
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += bild.pixelColor(x, y) == farbe;
        return n;
    };
    EXPECT_GT(punkte(3), 10);
    EXPECT_EQ(punkte(2) + punkte(4), 0);
    // The coordinates' panel writes in black, whatever colour the desktop
    // gives texts.
    QPalette pal = Graphik->StatusBar1->palette();
    pal.setColor(QPalette::WindowText, Qt::red);
    Graphik->StatusBar1->setPalette(pal);
    Graphik->StatusBar1->Panels[0].Text = QStringLiteral("P(1,00|2,00)");
    const QImage koordinaten = Graphik->StatusBar1->grab().toImage();
    const QRect r = Graphik->StatusBar1->PanelRect(0);
    int schwarz = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            schwarz += koordinaten.pixelColor(x, y) == QColor(Qt::black);
    EXPECT_GT(schwarz, 10);
}

// A click on a function's panel moves the highlight: the bar is painted
// again once the click is handled.
TEST_F(Steuerung, AClickOnAFunctionPanelRepaintsTheBar)
{
    struct Zaehler : QObject {
        int Bilder = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            Bilder += e->type() == QEvent::Paint;
            return false;
        }
    } zaehler;
    // The same term in both: the editor's text stays, and with it the
    // picture.
    Funktionen[1]->SetTerm("f(x) = 3*x");
    Funktionen[3]->SetTerm("f(x) = 3*x");
    emit Melder().FunktionWaehlenVerlangt(1);
    Graphik->show();
    QCoreApplication::processEvents();
    Graphik->StatusBar1->installEventFilter(&zaehler);
    QCoreApplication::processEvents();
    zaehler.Bilder = 0;
    QTest::mouseClick(Graphik->StatusBar1, Qt::LeftButton, {}, Graphik->StatusBar1->PanelRect(3).center());
    ASSERT_EQ(FunktionNr, 3);
    QCoreApplication::processEvents();
    EXPECT_GT(zaehler.Bilder, 0);
}

TEST_F(Steuerung, NewFromTheBandKeepsTheMaximisedWindow)
{
    Form1->SpeedButton5Click();
    ASSERT_TRUE(Graphik->isMaximized());
    Funktionen[1]->SetTerm("f(x) = 4");
    Graphik->SpeedButton15->click();
    EXPECT_TRUE(Graphik->isMaximized());
    EXPECT_FALSE(Graphik->LayoutHalten);
    EXPECT_EQ(Funktionen[1]->GetTerm(), "f(x) = x^2");
    EXPECT_EQ(Graphik->focusWidget(), Graphik->Edit3);
}

TEST_F(Steuerung, ValueTableUnitWindowsAndLineStyleButtons)
{
    Form1->Wertetabelle1->setChecked(false);
    Form2->hide();
    Graphik->SpeedButton17->click();
    EXPECT_TRUE(Form2->isVisible() && Form1->Wertetabelle1->isChecked());
    Graphik->SpeedButton17->click();
    EXPECT_FALSE(Form2->isVisible());
    Graphik->TrackBar2->setValue(5);
    EinheitXDlg->move(0, 0);
    EinheitYDlg->move(0, 0);
    Graphik->BitBtn1->click();
    EXPECT_TRUE(EinheitXDlg->isVisible());
    EXPECT_EQ(EinheitXDlg->Edit->text(), QStringLiteral("Pi"));
    EXPECT_EQ(EinheitXDlg->pos(), Graphik->GroupBox1->mapToGlobal(QPoint(Graphik->TrackBar1->x() + 24,
                                                                          Graphik->GroupBox1->height())));
    Graphik->TrackBar1->setValue(3);
    Graphik->BitBtn2->click();
    EXPECT_TRUE(EinheitYDlg->isVisible());
    EXPECT_EQ(EinheitYDlg->Edit->text(), QStringLiteral("2,5"));
    EXPECT_EQ(EinheitYDlg->x(), EinheitXDlg->x() + EinheitXDlg->width() + 5);
    Graphik->ComboBox4->setCurrentIndex(6);
    Graphik->ComboBox4Change();
    EXPECT_EQ(std::pair(Funktionen[0]->GetLineStyle(), Form1->ComboBox2->currentIndex()), std::pair(6, 6));
    // The unit windows go with the axes group into presentation mode.
    const QPoint alt = EinheitXDlg->pos();
    Form1->SpeedButton5Click();
    const QPoint unter = Graphik->GroupBox1->mapToGlobal(QPoint(Graphik->TrackBar1->x() + 24, Graphik->GroupBox1->height()));
    ASSERT_NE(unter, alt);
    EXPECT_EQ(EinheitXDlg->pos(), unter);
    EXPECT_EQ(EinheitYDlg->pos(), unter + QPoint(EinheitXDlg->width() + 5, 0));
}

// A printer that cannot start says so and writes no page.
TEST_F(Steuerung, APrinterThatCannotStartIsReported)
{
    Drucker.Pfad = Ausgabe.filePath(QStringLiteral("fehlt/druck.pdf"));
    Graphik->BDruckClick();
    EXPECT_EQ(Meldung.Meldungen, std::vector<QString>{Txt(576)});
    EXPECT_FALSE(QFile::exists(Drucker.Pfad));
    Meldung.Meldungen.clear();
    Drucker.Pfad = Ausgabe.filePath(QStringLiteral("druck.pdf"));
    Graphik->BDruckClick();
    EXPECT_TRUE(Meldung.Meldungen.empty());
    EXPECT_TRUE(QFile::exists(Drucker.Pfad));

    // Black grid lines are for the print alone: afterwards, printed or not,
    // the grid is the user's again.
    Zustand.Ansicht.Gitter = "2r";
    DruckDlg->CB3->setChecked(true);
    EXPECT_EQ(Zustand.Ansicht.Gitter, "2");
    Graphik->BDruckClick();
    EXPECT_EQ(Zustand.Ansicht.Gitter, "2r");
}

}  // namespace

namespace {

// The grid line style list draws each style as a line across its item, in
// the colour of the grid's scheme (black without one), on white; the input
// bar's style list draws the selected function's graph samples in its colour.
TEST_F(Steuerung, TheStyleListsDrawTheirSamplesInTheirColours)
{
    const TRect r{10, 20, 90, 40};
    const std::tuple<const char*, int, TColor, TPenStyle> faelle[] = {
        {"1a", 0, RGB(177, 99, 99), TPenStyle::Solid},
        {"7b", 1, RGB(192, 192, 192), TPenStyle::Dash},
        {"3c", 2, RGB(183, 255, 183), TPenStyle::Dot},
        {"2", 1, clBlack, TPenStyle::Dash},
    };
    for (const auto& [gitter, i, farbe, stil] : faelle) {
        SCOPED_TRACE(gitter);
        Graphik->Gitter = gitter;
        TRecordingCanvas c(100, 60);
        Graphik->ComboStrichDrawItem(c, r, i);
        const auto flaechen = c.OpsOf(Op::FillRect);
        ASSERT_EQ(flaechen.size(), 1u);
        EXPECT_EQ(flaechen[0].Brush.Color, clWhite);
        const auto linien = c.OpsOf(Op::Line);
        ASSERT_EQ(linien.size(), 1u);
        EXPECT_EQ(linien[0].Points, (std::vector<TPoint>{{15, 30}, {85, 30}}));
        EXPECT_EQ(std::pair(linien[0].Pen.Color, linien[0].Pen.Style), std::pair(farbe, stil));
        EXPECT_EQ(c.Pen.Style, TPenStyle::Solid);  // the next item starts solid
    }
    Funktionen[0]->SetColor(clTeal);
    TRecordingCanvas c(100, 60);
    Graphik->ComboBox4DrawItem(c, r, 0);
    ASSERT_FALSE(c.OpsOf(Op::Line).empty());
    for (const auto& l : c.OpsOf(Op::Line))
        EXPECT_EQ(l.Pen.Color, clTeal);
}

}  // namespace
