// Printing: the page as it comes out of a PDF printer, the print command's
// preparations, and what the print options dialog puts back when it closes.
#include "druck_fakes.h"

#include "engine/funktion.h"
#include "graph/graphik.h"
#include "main/druck_dlg.h"
#include "main/form1.h"
#include "main/kopier_dlg.h"
#include "main/wertetabelle_fenster.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace {

bool Linie(QRgb c)
{
    return !Weiss(c);
}

// The printable area starts 10 mm from the paper's edges (the fake
// printer's margins); the graph 2 cm further, or 8 cm down with the header.
constexpr double Rand = 10.0;

class Drucken : public DruckTest {
protected:
    // Prints through the print command, answering the options dialog.
    void DruckenMit(bool tabelle, bool kopf)
    {
        Modal.Antwort = [&](QDialog& d) {
            ASSERT_EQ(&d, DruckDlg);
            DruckDlg->CB1->setChecked(tabelle);
            DruckDlg->CB4->setChecked(kopf);
            DruckDlg->OKBtnClick();
        };
        Form1->SpeedButton1Click();
    }
};

TEST_F(Drucken, OnePageWithHeaderGraphAndTableAtTheirPlaces)
{
    DruckenMit(true, true);
    EXPECT_EQ(Drucker.Titel, QStringLiteral("Tessaplun 8.0"));
    const std::vector<QImage> seiten = Seiten();
    ASSERT_EQ(seiten.size(), 1u);
    const QImage& s = seiten[0];
    // View -5..6 x -2..8 from (30 mm, 90 mm): the y axis at x = 0 lies 5 cm
    // right of the graph's edge, the x axis 8 cm below its top.
    const double links = Rand + 20, oben = Rand + 80;
    EXPECT_TRUE(GedrucktNahe(s, links + 50, oben + 30, Dunkel));
    EXPECT_TRUE(GedrucktNahe(s, links + 30, oben + 80, Dunkel));
    // A grid line 1 cm from the graph's left edge lies 1 cm away on paper;
    // between two lines of the half-centimetre grid the paper is white.
    EXPECT_TRUE(GedrucktNahe(s, links + 10, oben + 15, Linie));
    EXPECT_TRUE(Weiss(BeiMm(s, links + 12.5, oben + 15)));
    EXPECT_TRUE(GedrucktNahe(s, links + 15, oben + 12.5, Linie));
    EXPECT_TRUE(Weiss(BeiMm(s, links + 15, oben + 13.5)));
    // f(x) = x^2 at x = 2 passes (2, 4): 7 cm right, 4 cm down.
    EXPECT_TRUE(GedrucktNahe(s, links + 70, oben + 40, Rot));
    EXPECT_FALSE(GedrucktNahe(s, links + 70, oben + 60, Rot));
    // Header: the shadow of the box right of and below it, and the rule
    // from 2 to 19 cm at 3.5 cm.
    EXPECT_TRUE(Dunkel(BeiMm(s, Rand + 62.7, Rand + 27)));
    EXPECT_TRUE(GedrucktNahe(s, Rand + 100, Rand + 35, Dunkel));
    EXPECT_TRUE(GedrucktNahe(s, Rand + 189, Rand + 35, Dunkel));
    EXPECT_FALSE(GedrucktNahe(s, Rand + 193, Rand + 35, Dunkel));
    // The value table below the graph: block 1 at 19.5 cm, its title cell
    // grey, its left edge at 1.65 cm from the printable area, as the
    // picture is placed: no further offset.
    EXPECT_TRUE(GedrucktNahe(s, Rand + 16.5, Rand + 197, Dunkel));
    EXPECT_FALSE(GedrucktNahe(s, Rand + 14.5, Rand + 197, Dunkel));
    const QRgb titelZelle = BeiMm(s, Rand + 18, Rand + 198);
    EXPECT_TRUE(qRed(titelZelle) > 170 && qRed(titelZelle) < 215) << qRed(titelZelle);
    // Nothing of the table in the graph.
    EXPECT_FALSE(GedrucktNahe(s, Rand + 18, Rand + 170, Dunkel));
}

TEST_F(Drucken, TableFirstOnAPageOfItsOwnWithoutHeader)
{
    DruckenMit(true, false);
    const std::vector<QImage> seiten = Seiten();
    ASSERT_EQ(seiten.size(), 2u);
    // Page 1: the table, its blocks at 3.5 and 5 cm, and no graph.
    EXPECT_TRUE(GedrucktNahe(seiten[0], Rand + 16.5, Rand + 37, Dunkel));
    EXPECT_TRUE(GedrucktNahe(seiten[0], Rand + 16.5, Rand + 52, Dunkel));
    EXPECT_FALSE(GedrucktNahe(seiten[0], Rand + 70, Rand + 100, Dunkel));
    // Page 2: the graph from 2 cm down; the x axis 8 cm below that.
    const double links = Rand + 20, oben = Rand + 20;
    EXPECT_TRUE(GedrucktNahe(seiten[1], links + 30, oben + 80, Dunkel));
    EXPECT_TRUE(GedrucktNahe(seiten[1], links + 70, oben + 40, Rot));
    EXPECT_TRUE(GedrucktNahe(seiten[1], links + 10, oben + 15, Linie));
}

TEST_F(Drucken, BlackGridLinesOnlyForThePrint)
{
    Graphik->Gitter = "1b";
    Modal.Antwort = [&](QDialog&) {
        ASSERT_TRUE(DruckDlg->CB3->isVisible());
        DruckDlg->CB1->setChecked(false);
        DruckDlg->CB4->setChecked(false);
        DruckDlg->CB3->setChecked(true);
        EXPECT_EQ(Graphik->Gitter, "1");
        DruckDlg->OKBtnClick();
    };
    Form1->SpeedButton1Click();
    EXPECT_EQ(Graphik->Gitter, "1b");
    EXPECT_FALSE(DruckDlg->CB3->isChecked());
    const std::vector<QImage> seiten = Seiten();
    ASSERT_EQ(seiten.size(), 1u);
    // A grid line without its grey: black.
    EXPECT_TRUE(GedrucktNahe(seiten[0], Rand + 30, Rand + 35, Dunkel));

    // A cancelled print dialog prints nothing and puts the grid back too.
    Drucker.Abbrechen = true;
    QFile::remove(Drucker.Pfad);
    Form1->SpeedButton1Click();
    EXPECT_EQ(Graphik->Gitter, "1b");
    EXPECT_FALSE(QFile::exists(Drucker.Pfad));
    // A grid without a colour scheme offers no black grid lines.
    Graphik->Gitter = "1";
    Modal.Antwort = [&](QDialog&) { EXPECT_FALSE(DruckDlg->CB3->isVisible()); };
    Form1->SpeedButton1Click();
}

TEST_F(Drucken, ColourBoxOfTheGraphWindowIsPutBackOnEveryClose)
{
    // A black-and-white drawing: opening the dialog clears its
    // black-and-white option and so turns colour on for the dialog.
    const std::vector<std::pair<const char*, std::function<void(QDialog&)>>> wege = {
        {"OK", [](QDialog&) { DruckDlg->OKBtnClick(); }},
        {"Cancel", [](QDialog&) { DruckDlg->CancelBtnClick(); }},
        {"close box", [](QDialog& d) { d.close(); }},
        {"Escape", [](QDialog&) {}},
    };
    for (const auto& [name, weg] : wege) {
        Drucker.Abbrechen = true;
        Graphik->CB2->setChecked(false);
        Modal.Antwort = [&](QDialog& d) {
            EXPECT_TRUE(Graphik->CB2->isChecked()) << name;
            EXPECT_FALSE(DruckDlg->CB2->isChecked()) << name;
            weg(d);
        };
        Form1->SpeedButton1Click();
        EXPECT_FALSE(DruckDlg->isVisible()) << name;
        EXPECT_FALSE(Graphik->CB2->isChecked()) << name;
        EXPECT_TRUE(DruckDlg->CB2->isChecked()) << name;
    }
    // Ticking black and white in the dialog unticks the graph window's box
    // for the print; a coloured drawing is coloured again afterwards.
    Graphik->CB2->setChecked(true);
    Modal.Antwort = [&](QDialog&) {
        DruckDlg->CB2->setChecked(true);
        EXPECT_FALSE(Graphik->CB2->isChecked());
        DruckDlg->OKBtnClick();
    };
    Form1->SpeedButton1Click();
    EXPECT_TRUE(Graphik->CB2->isChecked());
}

TEST_F(Drucken, CaptionOfTheTableOptionAndTheValueTableButton)
{
    Form1->Wertetabelle1->setChecked(false);
    Form2->hide();
    QString caption;
    bool tabelleSichtbar = false;
    Modal.Antwort = [&](QDialog&) {
        caption = DruckDlg->CB1->text();
        tabelleSichtbar = Form2->isVisible();
    };
    Drucker.Abbrechen = true;
    // The value table's print button ticks the table option and prints.
    DruckDlg->CB1->setChecked(false);
    Form2->SpeedButton1Click();
    ASSERT_EQ(Modal.Gezeigt.size(), 1u);
    EXPECT_TRUE(DruckDlg->CB1->isChecked());
    EXPECT_EQ(caption, QStringLiteral("mit Wertetabelle von f(x) = x^2"));
    EXPECT_TRUE(tabelleSichtbar);
    EXPECT_FALSE(Form2->isVisible());  // hidden again: the menu does not show it

    Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x^2"));
    Form2->Edit3->setText(QStringLiteral("2,5"));
    Form1->SpeedButton1Click();
    EXPECT_EQ(caption, QStringLiteral("mit Wertetabelle von f(x,t) = t*x^2  für  t= 2,5"));
    Form1->Edit1->setText(QStringLiteral("f(x) = 2x"));
    Form1->SpeedButton1Click();
    EXPECT_EQ(caption, QStringLiteral("mit Wertetabelle von ?"));
}

TEST_F(Drucken, HatchedCirclesOpenTheCopyDialogWithTheBitmapChosen)
{
    Kreise[4].Fill = "1";  // no colour: printed
    KopierDlg->R1->setChecked(true);
    Drucker.Abbrechen = true;
    Modal.Antwort = [](QDialog&) { DruckDlg->OKBtnClick(); };
    Form1->SpeedButton1Click();
    EXPECT_EQ(Drucker.Aufrufe, 1);
    ASSERT_EQ(Modal.Gezeigt.size(), 1u);
    EXPECT_EQ(Modal.Gezeigt[0], DruckDlg);

    Kreise[4].Fill = "3";
    bool bitmapBeimZeigen = false;
    Modal.Antwort = [&](QDialog&) { bitmapBeimZeigen = KopierDlg->R3->isChecked(); };
    Form1->SpeedButton1Click();
    ASSERT_EQ(Modal.Gezeigt.size(), 2u);
    EXPECT_EQ(Modal.Gezeigt[1], KopierDlg);
    EXPECT_TRUE(bitmapBeimZeigen);
    ASSERT_EQ(Meldung.Meldungen.size(), 1u);
    EXPECT_EQ(Meldung.Meldungen[0], QStringLiteral("Schraffierte Kreise können nicht direkt ausgedruckt werden. Sie "
                                                   "können nur als Bitmap in die Zwischenablage kopiert werden!"));
    EXPECT_EQ(Drucker.Aufrufe, 1);  // nothing printed
}

}  // namespace
