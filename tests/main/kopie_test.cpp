// The clipboard picture and the copy dialogs: sizes and formats of the
// bitmap, the vector picture's size on paper, hatched circles, black grid
// lines and the choices of the two dialogs.
#include "druck_fakes.h"

#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "main/druck_dlg.h"
#include "main/export_dlg.h"
#include "main/form1.h"
#include "main/kopier_dlg.h"
#include "main/wertetabelle_fenster.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QRegularExpression>

namespace {

// The width and height an SVG document states, in millimetres.
std::pair<double, double> SvgGroesseMm(const QByteArray& svg)
{
    const QRegularExpression re(QStringLiteral("<svg[^>]*width=\"([0-9.]+)mm\"[^>]*height=\"([0-9.]+)mm\""));
    const QRegularExpressionMatch m = re.match(QString::fromUtf8(svg));
    if (!m.hasMatch())
        return {0, 0};
    return {m.captured(1).toDouble(), m.captured(2).toDouble()};
}

using Kopieren = DruckTest;

TEST_F(Kopieren, BitmapOfTheDefaultViewInColourAndInBlackAndWhite)
{
    Form1->GraphenalsBitmap1Click();
    ASSERT_EQ(Ablage.Bilder.size(), 1u);
    const QImage farbig = Ablage.Bilder[0];
    EXPECT_EQ(farbig.size(), QSize(1431, 1301));
    EXPECT_EQ(farbig.format(), QImage::Format_Indexed8);
    EXPECT_EQ(farbig.dotsPerMeterX(), 13000);
    EXPECT_EQ(farbig.dotsPerMeterY(), 13000);
    // 130 pixels per cm: the y axis at x = 0 is column 650, the x axis row
    // 1040; the paper between grid lines is transparent white.
    EXPECT_EQ(farbig.pixel(650, 300) & 0xFFFFFFu, 0u);
    EXPECT_EQ(farbig.pixel(300, 1040) & 0xFFFFFFu, 0u);
    EXPECT_EQ(farbig.pixel(30, 700), qRgba(255, 255, 255, 0));
    // f(x) = x^2 at x = 2 passes row 1040 - 4 * 130 = 520 in red.
    bool rot = false;
    for (int y = 515; y <= 525; ++y)
        rot = rot || farbig.pixel(910, y) == qRgb(255, 0, 0);
    EXPECT_TRUE(rot);

    Graphik->CB2->setChecked(false);
    Form1->GraphenalsBitmap1Click();
    ASSERT_EQ(Ablage.Bilder.size(), 2u);
    const QImage sw = Ablage.Bilder[1];
    EXPECT_EQ(sw.size(), QSize(1431, 1301));
    EXPECT_EQ(sw.format(), QImage::Format_Mono);
    EXPECT_EQ(sw.pixel(650, 300), qRgb(0, 0, 0));
    EXPECT_EQ(sw.pixel(30, 700), qRgba(255, 255, 255, 0));
}

TEST_F(Kopieren, VectorPictureHasTheViewsSizeOnPaper)
{
    Form1->GraphenalsMetadatei1Click();
    ASSERT_EQ(Ablage.Vektorbilder.size(), 1u);
    const auto& [svg, png] = Ablage.Vektorbilder[0];
    const auto [breite, hoehe] = SvgGroesseMm(svg);
    EXPECT_NEAR(breite, 110.4, 1e-9);
    EXPECT_NEAR(hoehe, 100.4, 1e-9);
    // Grid, axes and numbers as vectors; the graphs as one picture.
    EXPECT_EQ(svg.count("<image"), 1);
    EXPECT_GT(svg.count("<text"), 10);
    EXPECT_GT(svg.count("<polyline") + svg.count("<path"), 10);
    // The bitmap beside it: the same picture at 130 pixels per cm.
    EXPECT_EQ(png.size(), QSize(1435, 1305));
    EXPECT_EQ(png.pixel(650, 300) & 0xFFFFFFu, 0u);

    Graphik->Massstab = 1.27;
    Form1->GraphenalsMetadatei1Click();
    ASSERT_EQ(Ablage.Vektorbilder.size(), 2u);
    EXPECT_NEAR(SvgGroesseMm(Ablage.Vektorbilder[1].first).first, 140.1, 1e-9);
}

TEST_F(Kopieren, PictureTooLargeIsRefusedWithAMessage)
{
    Graphik->XMin = -200;
    Graphik->XMax = 200;
    Form1->GraphenalsBitmap1Click();
    Form1->GraphenalsMetadatei1Click();
    EXPECT_EQ(Ablage.Aufrufe(), 0);
    ASSERT_EQ(Meldung.Meldungen.size(), 2u);
    EXPECT_EQ(Meldung.Meldungen[0], QStringLiteral("Das Bild ist zu groß und wurde nicht kopiert."));
}

TEST_F(Kopieren, HatchedCirclesGoAsBitmapWithOneMessage)
{
    const QString hinweis = QStringLiteral(
        "Schraffierte Kreise können nicht als Metadatei kopiert werden. Sie werden als Bitmap in die "
        "Zwischenablage kopiert!");
    // A circle without colour does not force a bitmap.
    Kreise[2].Fill = "1";
    Modal.Antwort = [](QDialog&) {
        KopierDlg->R1->setChecked(true);
        KopierDlg->OKBtnClick();
    };
    Form1->SpeedButton2Click();
    EXPECT_EQ(Ablage.Vektorbilder.size(), 1u);
    EXPECT_TRUE(Meldung.Meldungen.empty());

    Kreise[2].Fill = "5";
    Form1->SpeedButton2Click();
    ASSERT_EQ(Ablage.Bilder.size(), 1u);
    EXPECT_EQ(Ablage.Vektorbilder.size(), 1u);
    EXPECT_TRUE(KopierDlg->R3->isChecked());
    ASSERT_EQ(Meldung.Meldungen.size(), 1u);
    EXPECT_EQ(Meldung.Meldungen[0], hinweis);
}

TEST_F(Kopieren, TheFiveChoicesAreOneChoice)
{
    QRadioButton* wahl[] = {KopierDlg->R1, KopierDlg->R2, KopierDlg->R3, KopierDlg->R4, KopierDlg->R5};
    for (QRadioButton* r : wahl) {
        r->click();
        for (QRadioButton* andere : wahl)
            EXPECT_EQ(andere->isChecked(), andere == r) << r->objectName().toStdString();
    }
}

TEST_F(Kopieren, ValueTableChoicesShowTheirExportWithTheTable)
{
    Form1->Wertetabelle1->setChecked(false);
    Form2->hide();
    const std::pair<QRadioButton*, QDialog*> faelle[] = {
        {KopierDlg->R2, ExcelDlg}, {KopierDlg->R4, WordDlg}, {KopierDlg->R5, WertetabKopierDlg}};
    for (const auto& [r, dlg] : faelle) {
        Modal.Antwort = [r = r](QDialog&) {
            r->setChecked(true);
            KopierDlg->OKBtnClick();
        };
        Form1->SpeedButton2Click();
        EXPECT_TRUE(dlg->isVisible()) << dlg->objectName().toStdString();
        EXPECT_TRUE(Form2->isVisible());
        dlg->hide();
        Form2->hide();
    }
    EXPECT_EQ(Ablage.Aufrufe(), 0);

    // The graphs-only dialog never touches the value table.
    EXPECT_TRUE(KopierDlg8->GroupBox2->isHidden());
    EXPECT_FALSE(KopierDlg8->GroupBox1->isHidden());
    KopierDlg8->R5->setChecked(true);
    KopierDlg8->OKBtnClick();
    EXPECT_FALSE(WertetabKopierDlg->isVisible());
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_EQ(Ablage.Aufrufe(), 0);
}

TEST_F(Kopieren, BlackGridLinesWhileTheDialogIsOpen)
{
    Graphik->Gitter = "2c";
    bool sichtbar = false, frei = true;
    Modal.Antwort = [&](QDialog& d) {
        sichtbar = KopierDlg->CB3->isVisible();
        frei = !KopierDlg->CB3->isChecked();
        KopierDlg->CB3->setChecked(true);
        EXPECT_EQ(Graphik->Gitter, "2");
        d.close();
    };
    Form1->SpeedButton2Click();
    EXPECT_TRUE(sichtbar);
    EXPECT_TRUE(frei);
    EXPECT_EQ(Graphik->Gitter, "2c");
    EXPECT_FALSE(KopierDlg->CB3->isChecked());

    // With OK the copy has black grid lines, the window its colours again.
    Modal.Antwort = [&](QDialog&) {
        KopierDlg->R3->setChecked(true);
        KopierDlg->CB3->setChecked(true);
        KopierDlg->OKBtnClick();
    };
    Form1->SpeedButton2Click();
    ASSERT_EQ(Ablage.Bilder.size(), 1u);
    EXPECT_EQ(Ablage.Bilder[0].pixel(130, 700) & 0xFFFFFFu, 0u);  // the grid line at x = -4
    EXPECT_EQ(Graphik->Gitter, "2c");
    Graphik->Gitter = "0";
    Modal.Antwort = [&](QDialog&) { sichtbar = KopierDlg->CB3->isVisible(); };
    Form1->SpeedButton2Click();
    EXPECT_FALSE(sichtbar);
}

}  // namespace
