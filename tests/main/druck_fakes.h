#pragma once
// Fakes of the printer, the clipboard, the desktop opener and the modal
// loop for the printing, copying and export tests, and a reader of the
// pages of a PDF file (rendered by pdftoppm at 5 pixels per mm).

#include "programm_fixture.h"

#include "tools/druck_dlg.h"
#include "tools/export_dlg.h"
#include "tools/kopier_dlg.h"
#include "platform/drucker.h"
#include "platform/modal.h"
#include "platform/oeffner.h"
#include "platform/zwischenablage.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

// A printer that writes a PDF on A4 with 10 mm margins; or, with
// Abbrechen, a cancelled print dialog.
struct FakeDruckerWahl : TDruckerWahl {
    QString Pfad;
    bool Abbrechen = false;
    int Aufrufe = 0;
    QString Titel;
    std::unique_ptr<QPrinter> Drucker;

    QPrinter* Waehle(QWidget*, const QString& titel) override
    {
        ++Aufrufe;
        Titel = titel;
        if (Abbrechen)
            return nullptr;
        Drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
        Drucker->setOutputFormat(QPrinter::PdfFormat);
        Drucker->setOutputFileName(Pfad);
        Drucker->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                           QPageLayout::Millimeter));
        return Drucker.get();
    }
};

struct FakeZwischenablage : TZwischenablage {
    std::vector<QString> Texte;
    std::vector<QImage> Bilder;
    std::vector<std::pair<QByteArray, QImage>> Vektorbilder;
    int Aufrufe() const { return static_cast<int>(Texte.size() + Bilder.size() + Vektorbilder.size()); }
    bool Text(const QString& t) override { return Texte.push_back(t), true; }
    bool Bild(const QImage& b) override { return Bilder.push_back(b), true; }
    bool Vektorbild(const QByteArray& svg, const QImage& b) override { return Vektorbilder.emplace_back(svg, b), true; }
};

struct FakeOeffner : TDesktopOeffner {
    bool Ergebnis = true;
    std::vector<QUrl> Geoeffnet;
    bool Oeffne(const QUrl& url) override { return Geoeffnet.push_back(url), Ergebnis; }
};

// Shows the dialog without a loop and runs the test's answer on it (for
// example a click on OK); a dialog the answer leaves open is closed with
// Escape, as a user would end it.
struct FakeModal : TModalAnzeige {
    std::function<void(QDialog&)> Antwort;
    std::vector<QDialog*> Gezeigt;
    int Zeige(QDialog& d) override
    {
        Gezeigt.push_back(&d);
        d.show();
        if (Antwort)
            Antwort(d);
        if (d.isVisible())
            d.reject();
        return d.result();
    }
};

class DruckTest : public ProgrammTest {
protected:
    QTemporaryDir Ausgabe;
    FakeDruckerWahl Drucker;
    FakeZwischenablage Ablage;
    FakeOeffner Oeffner;
    FakeModal Modal;

    void SetUp() override
    {
        ProgrammTest::SetUp();
        ASSERT_TRUE(Ausgabe.isValid());
        Drucker.Pfad = Ausgabe.filePath(QStringLiteral("druck.pdf"));
        SetDruckerWahl(&Drucker);
        SetZwischenablage(&Ablage);
        SetDesktopOeffner(&Oeffner);
        SetModalAnzeige(&Modal);
        Starten();
    }

    void TearDown() override
    {
        ProgrammTest::TearDown();
        SetDruckerWahl(nullptr);
        SetZwischenablage(nullptr);
        SetDesktopOeffner(nullptr);
        SetModalAnzeige(nullptr);
    }

    // The pages of the printed PDF at 5 pixels per mm (127 dpi).
    std::vector<QImage> Seiten()
    {
        std::vector<QImage> seiten;
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        EXPECT_FALSE(pdftoppm.isEmpty()) << "pdftoppm (poppler-utils) is needed";
        if (pdftoppm.isEmpty() || !QFile::exists(Drucker.Pfad))
            return seiten;
        const QString stamm = Ausgabe.filePath(QStringLiteral("seite"));
        QProcess p;
        p.start(pdftoppm, {QStringLiteral("-r"), QStringLiteral("127"), QStringLiteral("-png"), Drucker.Pfad, stamm});
        EXPECT_TRUE(p.waitForFinished(60000));
        for (int n = 1;; ++n) {
            const QImage s(stamm + QStringLiteral("-%1.png").arg(n));
            if (s.isNull())
                break;
            seiten.push_back(s.convertToFormat(QImage::Format_RGB32));
        }
        return seiten;
    }
};

// Pixel (x, y) of a page at millimetres from the page's top left corner.
inline QRgb BeiMm(const QImage& seite, double xMm, double yMm)
{
    return seite.pixel(static_cast<int>(xMm * 5.0), static_cast<int>(yMm * 5.0));
}

inline bool Dunkel(QRgb c) { return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100; }
inline bool Rot(QRgb c) { return qRed(c) > 180 && qGreen(c) < 120 && qBlue(c) < 120; }

// Something is printed within half a millimetre of (x, y) mm.
inline bool GedrucktNahe(const QImage& seite, double xMm, double yMm, const std::function<bool(QRgb)>& art)
{
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const int x = static_cast<int>(xMm * 5.0) + dx;
            const int y = static_cast<int>(yMm * 5.0) + dy;
            if (x >= 0 && y >= 0 && x < seite.width() && y < seite.height() && art(seite.pixel(x, y)))
                return true;
        }
    return false;
}
