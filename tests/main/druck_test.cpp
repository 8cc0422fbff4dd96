// Printing, the clipboard picture and the value table passed on.
#include "druck_fakes.h"

#include "platform/dateidialog.h"
#include "platform/seitencanvas.h"

#include <QRegularExpression>
#include <QSpinBox>

namespace {

// The printable area starts 10 mm from the paper's edges (the fake
// printer's margins); the graph 2 cm further, or 8 cm down with the header.
constexpr double Rand = 10.0;

class Drucken : public DruckTest {
protected:
    // Prints through the print command, answering the options dialog.
    void DruckenMit(bool tabelle, bool kopf)
    {
        Modal.Antwort = [=](QDialog& d) {
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
    EXPECT_EQ(Drucker.Titel, "Tessaplun 8.0");
    const std::vector<QImage> seiten = Seiten();
    ASSERT_EQ(seiten.size(), 1u);
    const QImage& s = seiten[0];
    // View -5..6 x -2..8 from (30 mm, 90 mm): the y axis at x = 0 lies 5 cm
    // right of the graph's edge, the x axis 8 cm below its top.
    const double links = Rand + 20, oben = Rand + 80;
    EXPECT_TRUE(GedrucktNahe(s, links + 50, oben + 30, Dunkel));
    EXPECT_TRUE(GedrucktNahe(s, links + 30, oben + 80, Dunkel));
    // f(x) = x^2 at x = 2 passes (2, 4): 7 cm right, 4 cm down.
    EXPECT_TRUE(GedrucktNahe(s, links + 70, oben + 40, Rot));
    // Header: the shadow of the box and the rule at 3.5 cm.
    EXPECT_TRUE(Dunkel(BeiMm(s, Rand + 62.7, Rand + 27)));
    EXPECT_TRUE(GedrucktNahe(s, Rand + 100, Rand + 35, Dunkel));
    // The value table below the graph: block 1 at 19.5 cm, its left edge at
    // 1.65 cm from the printable area, as the picture is placed: no further
    // offset.
    EXPECT_TRUE(GedrucktNahe(s, Rand + 16.5, Rand + 197, Dunkel));
    EXPECT_FALSE(GedrucktNahe(s, Rand + 14.5, Rand + 197, Dunkel));
    EXPECT_FALSE(GedrucktNahe(s, Rand + 18, Rand + 170, Dunkel));  // nothing of the table in the graph
}

TEST_F(Drucken, TableFirstOnAPageOfItsOwnWithoutHeader)
{
    DruckenMit(true, false);
    const std::vector<QImage> seiten = Seiten();
    ASSERT_EQ(seiten.size(), 2u);
    // Page 1: the table, its first block at 3.5 cm, and no graph.
    EXPECT_TRUE(GedrucktNahe(seiten[0], Rand + 16.5, Rand + 37, Dunkel));
    EXPECT_FALSE(GedrucktNahe(seiten[0], Rand + 70, Rand + 100, Dunkel));
    // Page 2: the graph from 2 cm down; the x axis 8 cm below that.
    const double links = Rand + 20, oben = Rand + 20;
    EXPECT_TRUE(GedrucktNahe(seiten[1], links + 30, oben + 80, Dunkel));
    EXPECT_TRUE(GedrucktNahe(seiten[1], links + 70, oben + 40, Rot));
}

// A printer page that keeps each text with its place, its width and the
// clip it was written in.
struct TTextSeite : TPrinterCanvas {
    using TPrinterCanvas::TPrinterCanvas;
    struct TText {
        QString Text;
        int Links = 0, Breite = 0;
        TRect Clip;
    };
    std::vector<TText> Texte;

protected:
    void DoTextOut(TPoint at, const QString& text) override
    {
        Texte.push_back({text, at.X, TextWidth(text), ClipRect()});
        TPrinterCanvas::DoTextOut(at, text);
    }
};

// Each cell of the printed table holds its whole text: the title of the pi
// units, the widest numbers and words.
TEST_F(Drucken, EveryCellOfThePrintedTableShowsItsWholeText)
{
    Graphik->TrackBar2->setValue(5);  // x in units of pi
    Form1->Edit1->setText("f(x) = -x^5/3");
    Form2->FillValueTable();
    ASSERT_EQ(Form2->Zelle(0, 0), " x * Pi");
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(Drucker.Pfad);
    TTextSeite seite(&drucker);
    ASSERT_TRUE(seite.Beginne());
    Graphik->PrintValueTable(seite, *Form2->StringGrid1, 0, 0, 0, 25, 0, 1, 0.75, false);
    ASSERT_EQ(seite.Texte.size(), 52u);
    EXPECT_EQ(seite.Texte[0].Text, " x * Pi");
    for (const TTextSeite::TText& t : seite.Texte) {
        EXPECT_GE(t.Links, t.Clip.Left) << t.Text.toStdString();
        EXPECT_LE(t.Links + t.Breite, t.Clip.Right) << t.Text.toStdString();
    }
}

// Black grid lines are a choice of the print and of the copy, not of the
// window: the grid code is put back however the dialog ends, and a grid
// without a colour scheme offers no such choice.
TEST_F(Drucken, BlackGridLinesOnlyForThePrintAndTheCopy)
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
    EXPECT_TRUE(GedrucktNahe(seiten[0], Rand + 30, Rand + 35, Dunkel));  // a grid line without its grey
    // A cancelled print dialog prints nothing and puts the grid back too.
    Drucker.Abbrechen = true;
    QFile::remove(Drucker.Pfad);
    Form1->SpeedButton1Click();
    EXPECT_EQ(Graphik->Gitter, "1b");
    EXPECT_FALSE(QFile::exists(Drucker.Pfad));

    // The copy: closed by its box, then with OK, the bitmap has black lines.
    Graphik->Gitter = "2c";
    Modal.Antwort = [&](QDialog& d) {
        EXPECT_TRUE(KopierDlg->CB3->isVisible() && !KopierDlg->CB3->isChecked());
        KopierDlg->CB3->setChecked(true);
        EXPECT_EQ(Graphik->Gitter, "2");
        d.close();
    };
    Form1->SpeedButton2Click();
    EXPECT_EQ(Graphik->Gitter, "2c");
    EXPECT_FALSE(KopierDlg->CB3->isChecked());
    Modal.Antwort = [&](QDialog&) {
        KopierDlg->R3->setChecked(true);
        KopierDlg->CB3->setChecked(true);
        KopierDlg->OKBtnClick();
    };
    Form1->SpeedButton2Click();
    ASSERT_EQ(Ablage.Bilder.size(), 1u);
    EXPECT_EQ(Ablage.Bilder[0].pixel(130, 700) & 0xFFFFFFu, 0u);  // the grid line at x = -4
    EXPECT_EQ(Graphik->Gitter, "2c");

    Graphik->Gitter = "1";
    bool angeboten = true;
    Modal.Antwort = [&](QDialog& d) { angeboten = (&d == DruckDlg ? DruckDlg->CB3 : KopierDlg->CB3)->isVisible(); };
    Form1->SpeedButton1Click();
    EXPECT_FALSE(angeboten);
    angeboten = true;
    Form1->SpeedButton2Click();
    EXPECT_FALSE(angeboten);
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
    Drucker.Abbrechen = true;
    for (const auto& [name, weg] : wege) {
        Graphik->CB2->setChecked(false);
        Modal.Antwort = [&](QDialog& d) {
            EXPECT_TRUE(Graphik->CB2->isChecked() && !DruckDlg->CB2->isChecked()) << name;
            weg(d);
        };
        Form1->SpeedButton1Click();
        EXPECT_FALSE(DruckDlg->isVisible() || Graphik->CB2->isChecked()) << name;
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
    EXPECT_TRUE(DruckDlg->CB1->isChecked() && tabelleSichtbar);
    EXPECT_EQ(caption, "mit Wertetabelle von f(x) = x^2");
    EXPECT_FALSE(Form2->isVisible());  // hidden again: the menu does not show it
    Form1->Edit1->setText("f(x) = 2x");
    Form1->SpeedButton1Click();
    EXPECT_EQ(caption, "mit Wertetabelle von ?");
}

// Hatched circles cannot be printed or copied as vectors: the copy dialog
// with the bitmap chosen before it shows, or the bitmap with a message.
TEST_F(Drucken, HatchedCirclesGoAsBitmapWithOneMessage)
{
    Kreise[4].Fill = "3";
    KopierDlg->R1->setChecked(true);
    bool bitmapBeimZeigen = false;
    Modal.Antwort = [&](QDialog&) { bitmapBeimZeigen = KopierDlg->R3->isChecked(); };
    Form1->SpeedButton1Click();
    EXPECT_EQ(Modal.Gezeigt, std::vector<QDialog*>{KopierDlg});
    EXPECT_TRUE(bitmapBeimZeigen);
    EXPECT_EQ(Meldung.Meldungen, std::vector<QString>{Txt(158) + QLatin1Char(' ') + Txt(159)});
    EXPECT_EQ(Drucker.Aufrufe, 0);  // nothing printed

    KopierDlg->R1->setChecked(true);
    Modal.Antwort = [](QDialog&) { KopierDlg->OKBtnClick(); };
    Form1->SpeedButton2Click();
    EXPECT_EQ(std::tuple(Ablage.Bilder.size(), Ablage.Vektorbilder.size()), std::tuple(1u, 0u));
    EXPECT_EQ(Meldung.Meldungen.size(), 2u);
}

// ---------------------------------------------------------------------------
// The clipboard picture.

// The width and height an SVG document states, in millimetres.
std::pair<double, double> SvgGroesseMm(const QByteArray& svg)
{
    const QRegularExpression re("<svg[^>]*width=\"([0-9.]+)mm\"[^>]*height=\"([0-9.]+)mm\"");
    const QRegularExpressionMatch m = re.match(QString::fromUtf8(svg));
    return m.hasMatch() ? std::pair(m.captured(1).toDouble(), m.captured(2).toDouble()) : std::pair(0.0, 0.0);
}

using Kopieren = DruckTest;

TEST_F(Kopieren, BitmapOfTheDefaultViewInColourAndInBlackAndWhite)
{
    Form1->GraphenalsBitmap1Click();
    Graphik->CB2->setChecked(false);
    Form1->GraphenalsBitmap1Click();
    ASSERT_EQ(Ablage.Bilder.size(), 2u);
    const QImage &farbig = Ablage.Bilder[0], &sw = Ablage.Bilder[1];
    EXPECT_EQ(std::tuple(farbig.size(), farbig.format(), farbig.dotsPerMeterX(), farbig.dotsPerMeterY()),
              std::tuple(QSize(1431, 1301), QImage::Format_Indexed8, 13000, 13000));
    EXPECT_EQ(std::tuple(sw.size(), sw.format()), std::tuple(QSize(1431, 1301), QImage::Format_Mono));
    // 130 pixels per cm: the y axis at x = 0 is column 650, the x axis row
    // 1040; the paper between grid lines is transparent white.
    EXPECT_EQ(farbig.pixel(650, 300) & 0xFFFFFFu, 0u);
    EXPECT_EQ(std::tuple(farbig.pixel(30, 700), sw.pixel(30, 700)), std::tuple(qRgba(255, 255, 255, 0), qRgba(255, 255, 255, 0)));
    EXPECT_EQ(sw.pixel(650, 300), qRgb(0, 0, 0));
    // f(x) = x^2 at x = 2 passes row 1040 - 4 * 130 = 520 in red.
    bool rot = false;
    for (int y = 515; y <= 525; ++y)
        rot = rot || farbig.pixel(910, y) == qRgb(255, 0, 0);
    EXPECT_TRUE(rot);
}

TEST_F(Kopieren, VectorPictureHasTheViewsSizeOnPaper)
{
    Form1->GraphenalsMetadatei1Click();
    ASSERT_EQ(Ablage.Vektorbilder.size(), 1u);
    const auto& [svg, png] = Ablage.Vektorbilder[0];
    EXPECT_EQ(SvgGroesseMm(svg), std::pair(110.4, 100.4));
    // Grid, axes and numbers as vectors; the graphs as one picture.
    EXPECT_EQ(svg.count("<image"), 1);
    EXPECT_GT(svg.count("<text"), 10);
    EXPECT_GT(svg.count("<polyline") + svg.count("<path"), 10);
    // The bitmap beside it: the same picture at 130 pixels per cm.
    EXPECT_EQ(png.size(), QSize(1435, 1305));

    Graphik->Massstab = 1.27;
    Form1->GraphenalsMetadatei1Click();
    EXPECT_NEAR(SvgGroesseMm(Ablage.Vektorbilder.back().first).first, 140.1, 1e-9);

    // A picture too large for memory is refused with a message.
    Graphik->XMin = -200;
    Graphik->XMax = 200;
    Form1->GraphenalsBitmap1Click();
    Form1->GraphenalsMetadatei1Click();
    EXPECT_EQ(Ablage.Aufrufe(), 2);
    EXPECT_EQ(Meldung.Meldungen, (std::vector<QString>(2, "Das Bild ist zu groß und wurde nicht kopiert.")));
}

TEST_F(Kopieren, TheTableChoicesShowTheirExport)
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
        EXPECT_TRUE(dlg->isVisible() && Form2->isVisible()) << dlg->objectName().toStdString();
        dlg->hide();
        Form2->hide();
    }
    // The graphs-only dialog never touches the value table.
    EXPECT_TRUE(KopierDlg8->GroupBox2->isHidden() && !KopierDlg8->GroupBox1->isHidden());
    KopierDlg8->R5->setChecked(true);
    KopierDlg8->OKBtnClick();
    EXPECT_FALSE(WertetabKopierDlg->isVisible() || Form2->isVisible());
    EXPECT_EQ(Ablage.Aufrufe(), 0);
}

// ---------------------------------------------------------------------------
// The value table passed on.

class Exportieren : public DruckTest {
protected:
    void SetUp() override
    {
        DruckTest::SetUp();
        Form2->show();
        Form2->FillValueTable();
        Form1->Wertetabelle1->setChecked(true);
    }
    void TearDown() override
    {
        SetDateiDialog(nullptr);
        for (const QUrl& url : Oeffner.Geoeffnet)
            QFile::remove(url.toLocalFile());
        DruckTest::TearDown();
    }
    // One member of an .xlsx file (a zip archive), as unzip prints it.
    static QString AusXlsx(const QUrl& datei, const char* teil)
    {
        const QString unzip = QStandardPaths::findExecutable("unzip");
        EXPECT_FALSE(unzip.isEmpty()) << "unzip is needed";
        QProcess p;
        p.start(unzip, {"-p", datei.toLocalFile(), QString::fromLatin1(teil)});
        EXPECT_TRUE(p.waitForFinished(30000));
        return QString::fromUtf8(p.readAllStandardOutput());
    }
};

TEST_F(Exportieren, ClipboardTextWithTabsAndLineEnds)
{
    Form1->WertetabelleinZwischenablage1Click();
    WertetabKopierDlg->SpeedButton1Click();
    ASSERT_EQ(Ablage.Texte.size(), 1u);
    EXPECT_EQ(Ablage.Texte[0].count("\r\n"), 26);
    WertetabKopierDlg->SetItemIndex(1);
    WertetabKopierDlg->SpinEdit1->setValue(3);
    WertetabKopierDlg->SpeedButton1Click();
    ASSERT_EQ(Ablage.Texte.size(), 2u);
    EXPECT_EQ(Ablage.Texte[1], "   x\t-6\t-5,5\t-5\r\n   y\t36,00\t30,25\t25,00\r\n");
}

TEST_F(Exportieren, WorkbookHasNumbersAsNumbersAndTitlesAsText)
{
    Form1->Edit1->setText("f(x) = sqrt(x)");
    Form1->WertetabelleanExcel1Click();
    ExcelDlg->SpinEdit1->setValue(25);
    ExcelDlg->SpeedButton1Click();
    // Horizontal: two rows.
    Form1->WertetabelleanExcel1Click();
    ExcelDlg->SetItemIndex(1);
    ExcelDlg->SpinEdit1->setValue(2);
    ExcelDlg->SpeedButton1Click();
    EXPECT_TRUE(Meldung.Meldungen.empty());
    ASSERT_EQ(Oeffner.Geoeffnet.size(), 2u);

    const QString blatt = AusXlsx(Oeffner.Geoeffnet[0], "xl/worksheets/sheet1.xml");
    // Titles and undefined values are text (t="s"), the rest numbers.
    for (const char* zelle : {"<c r=\"A1\" t=\"s\">", "<c r=\"B2\" t=\"s\">", "<c r=\"A2\"><v>-6</v></c>",
                              "<c r=\"A4\"><v>-5</v></c>", "<c r=\"A26\"><v>6</v></c>", "<c r=\"B22\"><v>2</v></c>"})
        EXPECT_TRUE(blatt.contains(QLatin1String(zelle))) << zelle;
    EXPECT_FALSE(blatt.contains("A27"));
    const QString texte = AusXlsx(Oeffner.Geoeffnet[0], "xl/sharedStrings.xml");
    EXPECT_TRUE(texte.contains("n.def.") && texte.contains("   x"));
    const QString quer = AusXlsx(Oeffner.Geoeffnet[1], "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(quer.contains("<c r=\"C1\"><v>-5.5</v></c>"));
    EXPECT_FALSE(quer.contains("D1") || quer.contains("A3"));
    // Every member's checksum holds.
    QProcess test;
    test.start(QStandardPaths::findExecutable("unzip"), {"-tq", Oeffner.Geoeffnet[0].toLocalFile()});
    EXPECT_TRUE(test.waitForFinished(30000) && test.exitCode() == 0) << test.readAll().toStdString();
}

// A cell holds the number the table shows: 9,87 is 9.87, not the sixteen
// digits of its binary value.
TEST_F(Exportieren, WorkbookCellsHoldTheNumbersTheTableShows)
{
    Form1->Edit1->setText("f(x) = x+3,87");
    ASSERT_EQ(Form2->Zelle(25, 1), "9,87");
    Form1->WertetabelleanExcel1Click();
    ExcelDlg->SpeedButton1Click();
    ASSERT_EQ(Oeffner.Geoeffnet.size(), 1u);
    EXPECT_TRUE(AusXlsx(Oeffner.Geoeffnet[0], "xl/worksheets/sheet1.xml").contains("<c r=\"B26\"><v>9.87</v></c>"));
}

TEST_F(Exportieren, RtfDocumentOpensInTheWordProcessor)
{
    Form1->WertetabelleanWord1Click();
    WordDlg->SpinEdit1->setValue(1);
    WordDlg->SpeedButton1Click();
    ASSERT_EQ(Oeffner.Geoeffnet.size(), 1u);
    const QByteArray rtf = DateiLesen(Oeffner.Geoeffnet[0].toLocalFile());
    EXPECT_TRUE(rtf.contains("\\intbl -6\\cell\n\\pard\\intbl 36,00\\cell"));
}

// When no program opens the file, the question says where it was written,
// for the spreadsheet and the word processor alike; No keeps the dialog
// open and the file where it is.
TEST_F(Exportieren, NoProgramForTheFileSaysWhereItLiesAndAsksToKeepIt)
{
    Oeffner.Ergebnis = false;
    Form1->WertetabelleanExcel1Click();
    ExcelDlg->SpeedButton1Click();
    Form1->WertetabelleanWord1Click();
    WordDlg->SpeedButton1Click();
    EXPECT_TRUE(ExcelDlg->isVisible() && WordDlg->isVisible());
    EXPECT_TRUE(Meldung.Meldungen.empty());
    ASSERT_EQ(std::tuple(Frage.Fragen.size(), Oeffner.Geoeffnet.size()), std::tuple(2u, 2u));
    for (int i : {0, 1}) {
        const QString pfad = Oeffner.Geoeffnet[static_cast<std::size_t>(i)].toLocalFile();
        EXPECT_EQ(Frage.Fragen[static_cast<std::size_t>(i)], Txt(575) + "\n" + pfad + "\n\n" + Txt(579));
        EXPECT_TRUE(QFileInfo(pfad).size() > 0);
    }
    EXPECT_TRUE(Oeffner.Geoeffnet[0].toLocalFile().endsWith(".xlsx"));
    EXPECT_TRUE(Oeffner.Geoeffnet[1].toLocalFile().endsWith(".rtf"));
}

struct FakeSpeichernDialog : TDateiDialog {
    std::optional<QString> Antwort;
    std::vector<QString> Start;
    std::optional<QString> Speichern(QWidget*, const QString& o, const QString&) override { return Start.push_back(o), Antwort; }
    std::optional<QString> Oeffnen(QWidget*, const QString&, const QString&) override { return std::nullopt; }
};

// Yes keeps the file in a folder of the user's choice (proposed: the folder
// last used), with its extension, and out of the temporary files; a
// cancelled choice or No to overwriting keeps the dialog open.
TEST_F(Exportieren, NoProgramForTheFileKeepsItWhereTheUserChooses)
{
    FakeSpeichernDialog dialog;
    SetDateiDialog(&dialog);
    Oeffner.Ergebnis = false;
    Frage.Antwort = QMessageBox::Yes;
    dialog.Antwort = Ausgabe.filePath("meine");
    Form1->WertetabelleanExcel1Click();
    ExcelDlg->SpeedButton1Click();
    EXPECT_FALSE(ExcelDlg->isVisible());
    EXPECT_FALSE(QFileInfo::exists(Oeffner.Geoeffnet[0].toLocalFile()));
    EXPECT_TRUE(AusXlsx(QUrl::fromLocalFile(Ausgabe.filePath("meine.xlsx")), "xl/worksheets/sheet1.xml")
                    .contains("<c r=\"A2\"><v>-6</v></c>"));
    ASSERT_EQ(dialog.Start.size(), 1u);
    EXPECT_EQ(QFileInfo(dialog.Start[0]).fileName(), "Wertetabelle.xlsx");

    // The word processor's file, proposed in the folder just used: a
    // cancelled choice keeps the dialog and the file where it was written;
    // an existing file is replaced only after the question.
    Form1->WertetabelleanWord1Click();
    dialog.Antwort.reset();
    WordDlg->SpeedButton1Click();
    EXPECT_TRUE(WordDlg->isVisible());
    EXPECT_TRUE(QFileInfo::exists(Oeffner.Geoeffnet[1].toLocalFile()));
    EXPECT_EQ(dialog.Start[1], QDir(Ausgabe.path()).filePath("Wertetabelle.rtf"));
    DateiSchreiben(Ausgabe.filePath("meine.RTF"), "alt");
    dialog.Antwort = Ausgabe.filePath("meine.RTF");
    WordDlg->SpeedButton1Click();
    EXPECT_FALSE(WordDlg->isVisible());
    EXPECT_EQ(Frage.Fragen.back(), Txt(160));
    EXPECT_TRUE(DateiLesen(Ausgabe.filePath("meine.RTF")).startsWith("{\\rtf1"));
}

// A file that cannot be written, in the temporary folder or where the user
// chose, is named in a message, and the dialog stays for another way.
TEST_F(Exportieren, AFileThatCannotBeWrittenIsNamedAndTheDialogStays)
{
    const QByteArray tmp = qgetenv("TMPDIR");
    DateiSchreiben(Ausgabe.filePath("datei"), "kein Ordner");
    qputenv("TMPDIR", Ausgabe.filePath("datei").toLocal8Bit());
    Form1->WertetabelleanExcel1Click();
    ExcelDlg->SpeedButton1Click();
    qputenv("TMPDIR", tmp);
    if (tmp.isEmpty())
        qunsetenv("TMPDIR");
    ASSERT_EQ(Meldung.Meldungen.size(), 1u);
    EXPECT_EQ(Meldung.Meldungen[0], Txt(575) + "\n" + Ausgabe.filePath("datei"));

    FakeSpeichernDialog dialog;
    SetDateiDialog(&dialog);
    dialog.Antwort = Ausgabe.filePath("fehlt/meine");
    Oeffner.Ergebnis = false;
    Frage.Antwort = QMessageBox::Yes;
    ExcelDlg->SpeedButton1Click();
    ASSERT_EQ(Meldung.Meldungen.size(), 2u);
    EXPECT_EQ(Meldung.Meldungen[1], Txt(580) + "\n" + Ausgabe.filePath("fehlt/meine.xlsx"));
    EXPECT_TRUE(ExcelDlg->isVisible());
}

TEST_F(Exportieren, OkAndCancelHideTheTableUnlessTheMenuShowsIt)
{
    for (TExportDlg* dlg : {static_cast<TExportDlg*>(ExcelDlg), static_cast<TExportDlg*>(WordDlg),
                            static_cast<TExportDlg*>(WertetabKopierDlg)})
        for (const bool ok : {false, true})
            for (const bool menu : {false, true}) {
                Form1->Wertetabelle1->setChecked(menu);
                Form2->show();
                dlg->show();
                if (ok)
                    dlg->SpeedButton1Click();
                else
                    dlg->CancelBtnClick();
                EXPECT_EQ(Form2->isVisible(), menu) << dlg->objectName().toStdString() << ok;
                EXPECT_FALSE(dlg->isVisible());
            }
}

}  // namespace
