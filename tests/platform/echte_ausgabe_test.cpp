// The real outputs behind the fakes the other tests install: the system
// clipboard really holds the text, the bitmap and the vector picture, and a
// printer page really becomes a PDF page with the text where it was put.
#include "platform/drucker.h"
#include "platform/seitencanvas.h"
#include "platform/zwischenablage.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

void Strecke(TCanvas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

const QMimeData* Ablage()
{
    return QGuiApplication::clipboard()->mimeData();
}

TEST(EchteZwischenablage, HoldsTheTextTheBitmapWithItsResolutionAndTheVectorPicture)
{
    SetZwischenablage(nullptr);
    TZwischenablage& z = Zwischenablage();
    ASSERT_TRUE(z.Text(QStringLiteral("x\tf(x)\n1\t2,5")));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("x\tf(x)\n1\t2,5"));

    // 130 pixels per cm: the resolution travels with the picture.
    QImage bild(40, 30, QImage::Format_RGB32);
    bild.fill(Qt::red);
    bild.setPixel(3, 4, qRgb(0, 0, 255));
    bild.setDotsPerMeterX(13000);
    bild.setDotsPerMeterY(13000);
    ASSERT_TRUE(z.Bild(bild));
    ASSERT_TRUE(Ablage()->hasImage());
    const QImage da = qvariant_cast<QImage>(Ablage()->imageData());
    EXPECT_EQ(da, bild);
    EXPECT_EQ(std::pair(da.dotsPerMeterX(), da.dotsPerMeterY()), std::pair(13000, 13000));
    EXPECT_FALSE(Ablage()->hasText());

    // The vector picture with a bitmap of it beside.
    const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10mm\" height=\"5mm\"/>";
    ASSERT_TRUE(z.Vektorbild(svg, bild));
    EXPECT_EQ(Ablage()->data(QStringLiteral("image/svg+xml")), svg);
    EXPECT_EQ(qvariant_cast<QImage>(Ablage()->imageData()), bild);
    // Without a bitmap the vector picture goes alone.
    ASSERT_TRUE(z.Vektorbild(svg, QImage()));
    EXPECT_EQ(Ablage()->data(QStringLiteral("image/svg+xml")), svg);
    EXPECT_FALSE(Ablage()->hasImage());

    // Nothing to copy: a failure, and the clipboard keeps what it held.
    EXPECT_FALSE(z.Bild(QImage()));
    EXPECT_FALSE(z.Vektorbild(QByteArray(), bild));
    EXPECT_EQ(Ablage()->data(QStringLiteral("image/svg+xml")), svg);
    EXPECT_FALSE(Ablage()->hasImage());
}

QString Ausgabe(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(20000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct PdfDrucker {
    QTemporaryDir Ordner;
    QString Datei = Ordner.filePath(QStringLiteral("seite.pdf"));
    QPrinter Drucker{QPrinter::HighResolution};
    PdfDrucker() { Einrichten(Drucker, Datei); }
    static void Einrichten(QPrinter& drucker, const QString& datei)
    {
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(datei);
        drucker.setPageSize(QPageSize(QPageSize::A4));
        drucker.setPageMargins(QMarginsF(10, 15, 10, 15), QPageLayout::Millimeter);
    }
};

// The words of a PDF file with their boxes in points from the top left
// corner of their page, by page.
struct Wort {
    QString Text;
    double X0, Y0, X1, Y1;
};
std::vector<std::vector<Wort>> PdfWorte(const QString& datei)
{
    const QString html = Ausgabe(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), datei, QStringLiteral("-")});
    std::vector<std::vector<Wort>> seiten;
    static const QRegularExpression teil(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (auto it = teil.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            seiten.emplace_back();
        } else if (!seiten.empty()) {
            seiten.back().push_back(
                {m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(), m.captured(4).toDouble()});
        }
    }
    return seiten;
}

// The first page as a grey picture of 4 pixels per millimetre.
QImage PdfSeitenbild(const QString& datei, const QString& ordner)
{
    const QString stamm = ordner + QStringLiteral("/bild");
    Ausgabe(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"), QStringLiteral("101.6"),
                                          QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"),
                                          QStringLiteral("-l"), QStringLiteral("1"), datei, stamm});
    return QImage(stamm + QStringLiteral(".pgm"));
}

constexpr double PunkteProMm = 72.0 / 25.4;

// Logical units are 0.01 mm from the top left corner of the printable area
// with y up; a font size is points on paper; a pen width is 0.01 mm.
void SeiteZeichnen(TPrinterCanvas& c)
{
    c.Font.Name = QStringLiteral("DejaVu Sans");
    c.Font.Size = 20;
    c.Brush.Style = TBrushStyle::Clear;
    c.TextOut(3000, -4000, QStringLiteral("Erste"));
    c.Pen.Width = 100;
    c.MoveTo(0, -10000);
    c.LineTo(10000, -10000);
    c.NeueSeite();
    c.TextOut(0, 0, QStringLiteral("Zweite"));
}

void SeitePruefen(const QString& datei, const QString& ordner)
{
    const QString info = Ausgabe(QStringLiteral("pdfinfo"), {datei});
    ASSERT_FALSE(info.isEmpty()) << "pdfinfo (poppler-utils) missing or the file unreadable";
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +2\\n")))) << info.toStdString();
    const auto seiten = PdfWorte(datei);
    ASSERT_EQ(seiten.size(), 2u);
    ASSERT_EQ(seiten[0].size(), 1u);
    ASSERT_EQ(seiten[1].size(), 1u);
    const Wort& erste = seiten[0][0];
    const Wort& zweite = seiten[1][0];
    EXPECT_EQ(std::pair(erste.Text, zweite.Text), std::pair(QStringLiteral("Erste"), QStringLiteral("Zweite")));
    // 30 mm right of the left margin of 10 mm, 40 mm below the top margin
    // of 15 mm; the second page's text at the corner of the margins.
    EXPECT_NEAR(erste.X0, 40 * PunkteProMm, 1.5);
    EXPECT_NEAR(erste.Y0, 55 * PunkteProMm, 1.5);
    EXPECT_NEAR(zweite.X0, 10 * PunkteProMm, 1.5);
    EXPECT_NEAR(zweite.Y0, 15 * PunkteProMm, 1.5);
    // A line of 20 points is a little higher than 20 points.
    EXPECT_GT(erste.Y1 - erste.Y0, 20.0);
    EXPECT_LT(erste.Y1 - erste.Y0, 26.0);

    // The line: 1 mm wide at 100 mm below the top margin, from the left
    // margin 100 mm to the right.
    const QImage bild = PdfSeitenbild(datei, ordner);
    ASSERT_TRUE(bild.width() == 840 && bild.height() >= 1188) << bild.width() << "x" << bild.height();
    const auto dunkel = [&](double xMm, double yMm) { return qGray(bild.pixel(int(xMm * 4), int(yMm * 4))) < 128; };
    EXPECT_TRUE(dunkel(10.5, 115) && dunkel(60, 115) && dunkel(109.5, 115) && dunkel(60, 115.4) && dunkel(60, 114.8));
    EXPECT_FALSE(dunkel(60, 116.2) || dunkel(60, 113.8) || dunkel(111.5, 115) || dunkel(8.5, 115));
}

TEST(EchterDrucker, APageOfTextAndLinesBecomesAPdfPage)
{
    PdfDrucker pdf;
    {
        TPrinterCanvas c(&pdf.Drucker);
        ASSERT_TRUE(c.Beginne());
        // The printable area in 0.01 mm, and 0.01 mm per device dot.
        EXPECT_EQ(std::tuple(c.Width(), c.Height()), std::tuple(19000, 26700));
        EXPECT_DOUBLE_EQ(c.Pixel(), 2540.0 / pdf.Drucker.resolution());
        SeiteZeichnen(c);
    }
    SeitePruefen(pdf.Datei, pdf.Ordner.path());

    // A printer that cannot start draws nothing; no printer has no page.
    QPrinter kaputt;
    PdfDrucker::Einrichten(kaputt, pdf.Ordner.filePath(QStringLiteral("fehlt/seite.pdf")));
    TPrinterCanvas ohneDatei(&kaputt);
    EXPECT_FALSE(ohneDatei.Beginne());
    EXPECT_FALSE(ohneDatei.Beginne()) << "nor when asked again";
    ohneDatei.NeueSeite();
    TPrinterCanvas ohne(nullptr);
    EXPECT_FALSE(ohne.Beginne());
    EXPECT_EQ(std::tuple(ohne.Width(), ohne.Height(), ohne.Pixel()), std::tuple(0, 0, 1.0));
    // Text is measured at 72 dpi then, a point a unit.
    ohne.Font.Size = 40;
    EXPECT_GT(ohne.TextHeight(QStringLiteral("Erste")), 40);
    EXPECT_LT(ohne.TextHeight(QStringLiteral("Erste")), 60);
}

// Pens on paper: a thin one is the thinnest line the printer makes (one of
// its dots at any resolution), a wider one as wide as it is in 0.01 mm,
// dashes as long as on the screen.
TEST(EchterDrucker, ThinPensAreHairlinesAndWidePensTheirWidth)
{
    PdfDrucker pdf;
    {
        TPrinterCanvas c(&pdf.Drucker);
        ASSERT_TRUE(c.Beginne());
        c.Pen = TPen{clBlack, 1, TPenStyle::Solid};
        Strecke(c, 0, -1000, 5000, -1000);
        c.Pen.Width = 30;
        Strecke(c, 0, -2000, 5000, -2000);
        c.Pen = TPen{clBlack, 1, TPenStyle::Dash};
        Strecke(c, 0, -3000, 5000, -3000);
    }
    // The rows (or columns) of a strip 4800 dpi high, 1 mm being 189 dots,
    // that are dark where the strip crosses a line.
    const auto dunkel = [&](double xMm, double yMm, bool waagerecht) {
        const QString stamm = pdf.Ordner.filePath(QStringLiteral("streifen"));
        const int x = static_cast<int>(xMm * 4800 / 25.4), y = static_cast<int>(yMm * 4800 / 25.4);
        Ausgabe(QStringLiteral("pdftoppm"),
                {QStringLiteral("-gray"), QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"), QStringLiteral("no"),
                 QStringLiteral("-r"), QStringLiteral("4800"), QStringLiteral("-singlefile"), QStringLiteral("-x"),
                 QString::number(waagerecht ? x - 2000 : x - 100), QStringLiteral("-y"), QString::number(y - 100),
                 QStringLiteral("-W"), QString::number(waagerecht ? 4000 : 200), QStringLiteral("-H"), QStringLiteral("200"),
                 pdf.Datei, stamm});
        const QImage bild(stamm + QStringLiteral(".pgm"));
        int n = 0, striche = 0;
        bool davor = false;
        for (int i = 0; i < (waagerecht ? bild.width() : bild.height()); ++i) {
            bool da = false;
            for (int j = 0; j < bild.height() && (waagerecht || j == 0); ++j)
                da = da || qGray(waagerecht ? bild.pixel(i, j) : bild.pixel(100, i)) < 128;
            n += da;
            striche += da && !davor;
            davor = da;
        }
        return std::pair(n, striche);
    };
    // Across: 10 mm below the top margin of 15 mm, 20 and 30 mm.
    EXPECT_EQ(dunkel(30, 25, false).first, 1);
    EXPECT_NEAR(dunkel(30, 35, false).first, 57, 2);
    // Along the dashed line: dashes of 18 and gaps of 6 screen pixels of
    // 1/96 inch, 900 and 300 dots here; 4000 dots hold 10/3 of a period.
    const auto [tinte, striche] = dunkel(30, 45, true);
    EXPECT_GT(tinte, 2800);
    EXPECT_LT(tinte, 3400);
    EXPECT_GE(striche, 3);
    EXPECT_LE(striche, 5);
}

// The system's print dialog, with the job's title, above the window that
// prints; the printer it returns prints the page, and the next dialog
// offers the same printer again.
TEST(EchterDrucker, ThePrintDialogGivesItsPrinterOrNothing)
{
    QWidget fenster;
    fenster.show();
    SetDruckerWahl(nullptr);
    struct Gelesen {
        QPrinter* Drucker = nullptr;
        QString Titel;
        QWidget* Eltern = nullptr;
    };
    const auto antworte = [](Gelesen& g, bool ok) {
        return [&g, ok] {
            auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!d)
                return false;
            g = {d->printer(), d->printer()->docName(), d->parentWidget()};
            ok ? d->accept() : d->reject();
            return true;
        };
    };
    const auto frage = [&](const QString& titel, const std::function<bool()>& antwort, bool& gesehen) {
        QTimer t;
        t.setInterval(0);
        QObject::connect(&t, &QTimer::timeout, [&] {
            if (antwort())
                gesehen = true, t.stop();
        });
        t.start();
        return PrintDialog(&fenster, titel);
    };
    Gelesen g;
    bool gesehen = false;
    QPrinter* p = frage(QStringLiteral("Tessaplun 8 - Seite"), antworte(g, true), gesehen);
    ASSERT_TRUE(gesehen);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(std::tuple(g.Drucker, g.Titel, g.Eltern), std::tuple(p, QStringLiteral("Tessaplun 8 - Seite"), &fenster));

    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("dialog.pdf"));
    PdfDrucker::Einrichten(*p, datei);
    {
        TPrinterCanvas c(p);
        ASSERT_TRUE(c.Beginne());
        SeiteZeichnen(c);
    }
    SeitePruefen(datei, ordner.path());

    gesehen = false;
    EXPECT_EQ(frage(QStringLiteral("Zweiter"), antworte(g, false), gesehen), nullptr);
    EXPECT_TRUE(gesehen);
    EXPECT_EQ(std::tuple(g.Drucker, g.Titel), std::tuple(p, QStringLiteral("Zweiter")));
}

// The vector picture: its size in millimetres of paper at 0.01 mm a unit,
// thin pens as the thinnest line of the viewer with dashes as long as on
// the screen, wider pens at their width.
TEST(SvgBild, SizeInMillimetresAndPensAtTheirWidth)
{
    TSvgCanvas c(10000, 5000);
    EXPECT_EQ(std::pair(c.Width(), c.Height()), std::pair(10000, 5000));
    c.Pen.Style = TPenStyle::Dash;
    Strecke(c, 0, 1000, 5000, 1000);
    c.Pen = TPen{clRed, 20, TPenStyle::Solid};  // thinner than a screen pixel
    Strecke(c, 0, 2000, 5000, 2000);
    c.Pen.Width = 30;
    Strecke(c, 0, 3000, 5000, 3000);
    const QString svg = QString::fromUtf8(c.Svg());
    EXPECT_TRUE(svg.contains(QStringLiteral("<svg width=\"100mm\" height=\"50mm\"")));
    EXPECT_TRUE(svg.contains(QStringLiteral("viewBox=\"0 0 10000 5000\"")));
    EXPECT_TRUE(svg.contains(QStringLiteral("<title>Tessaplun 8</title>")));
    // 18 and 6 screen pixels of 2540/96 units.
    EXPECT_TRUE(svg.contains(QStringLiteral("stroke-dasharray=\"476.25,158.75\""))) << svg.toStdString();
    static const QRegularExpression strich(QStringLiteral("stroke=\"(#[0-9a-f]+)\"[^>]*stroke-width=\"([0-9.]+)\""));
    QStringList striche;
    for (auto it = strich.globalMatch(svg); it.hasNext();) {
        const auto m = it.next();
        striche << m.captured(1) + QLatin1Char(' ') + m.captured(2);
    }
    EXPECT_EQ(striche.join(QStringLiteral(", ")).toStdString(), "#000000 1, #ff0000 1, #ff0000 30");
    EXPECT_EQ(svg.count(QStringLiteral("vector-effect=\"non-scaling-stroke\"")), 2);

    // An ended document takes nothing more.
    Strecke(c, 0, 4000, 5000, 4000);
    c.Ellipse(0, 0, 100, 100);
    EXPECT_EQ(QString::fromUtf8(c.Svg()), svg);
}

}  // namespace
