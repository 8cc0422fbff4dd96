// Open, New, a worked example, a language switch and the start change
// nearly every field of every window. Each window shows the result once and
// the picture is drawn once, at the end, with what the change left; a
// user's own edit in a tool window still draws at once.

#include "programm_fixture.h"

#include "bench/volles_dokument.h"
#include "engine/dokument.h"
#include "platform/dateidialog.h"
#include "tools/beschriftung_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <QTemporaryDir>

#include <array>
#include <functional>

namespace {

// Notes how many pictures were drawn when a message was shown.
struct TMeldungUeberBild : TMeldung {
    std::vector<int> BilderBeiMeldung;
    void Zeige(const QString&) override { BilderBeiMeldung.push_back(Graphik->Neuzeichnungen()); }
};

// The redraws, the value table's fills and each tool window's and the
// overview's refreshes.
struct TZaehlung {
    int Bilder = 0;
    int Fuellungen = 0;
    std::array<int, 6> Auffrischungen{};
    friend bool operator==(const TZaehlung&, const TZaehlung&) = default;
    friend std::ostream& operator<<(std::ostream& os, const TZaehlung& z)
    {
        os << "{redraws " << z.Bilder << ", fills " << z.Fuellungen << ", refreshes";
        for (int a : z.Auffrischungen)
            os << ' ' << a;
        return os << '}';
    }
};

TZaehlung Stand()
{
    TZaehlung z{Graphik->Neuzeichnungen(), Form2->Fuellungen(), {}};
    const std::array<TWerkzeugfenster*, 6> fenster = {PunkteDlg,     KreiseDlg,   BeschriftungDlg,
                                                      SenkrechteDlg, FlaechenDlg, Uebersicht_Dlg};
    for (std::size_t i = 0; i < fenster.size(); ++i)
        z.Auffrischungen[i] = fenster[i]->Auffrischungen();
    return z;
}

TZaehlung Zaehlen(const std::function<void()>& tun)
{
    const TZaehlung vorher = Stand();
    tun();
    TZaehlung z = Stand();
    z.Bilder -= vorher.Bilder;
    z.Fuellungen -= vorher.Fuellungen;
    for (std::size_t i = 0; i < z.Auffrischungen.size(); ++i)
        z.Auffrischungen[i] -= vorher.Auffrischungen[i];
    return z;
}

constexpr TZaehlung JedesFensterEinmal{1, 1, {1, 1, 1, 1, 1, 1}};

QByteArray DokumentBytes(const TDokumentBild& bild)
{
    const std::vector<std::uint8_t> bytes = EncodeDokument(bild);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

struct TDateiWahl : TDateiDialog {
    QString Pfad;
    std::optional<QString> Speichern(QWidget*, const QString&, const QString&) override { return Pfad; }
    std::optional<QString> Oeffnen(QWidget*, const QString&, const QString&) override { return Pfad; }
};

class EinmalZeichnenTest : public ProgrammTest {
protected:
    QTemporaryDir Ordner;
    TDateiWahl Wahl;

    void SetUp() override
    {
        ProgrammTest::SetUp();
        ASSERT_TRUE(Ordner.isValid());
        Wahl.Pfad = Ordner.filePath(QStringLiteral("voll.kvd"));
        DateiSchreiben(Wahl.Pfad, DokumentBytes(VollesDokument()));
        SetDateiDialog(&Wahl);
    }
    void TearDown() override
    {
        SetDateiDialog(nullptr);
        ProgrammTest::TearDown();
    }

    // The graph window shown and the main window in front, where the user
    // gives these commands (the overview then follows the editor).
    static void Vorbereiten()
    {
        Graphik->show();
        Form1->show();
        Form1->activateWindow();
        QApplication::setActiveWindow(Form1);
    }

    // What the screen shows is what a redraw of the final state draws.
    static void GezeichnetWieZuletzt(const char* was)
    {
        const QImage gezeigt = GraphenBild();
        Graphik->GraphikResize();
        EXPECT_TRUE(gezeigt == GraphenBild()) << was;
    }
};

}  // namespace

TEST_F(EinmalZeichnenTest, OpenNewAndAnExampleShowTheDrawingOnceInEveryWindow)
{
    Starten();
    Vorbereiten();
    Frage.Antwort = QMessageBox::Yes;

    EXPECT_EQ(Zaehlen([] { Form1->SpeedButton7Click(); }), JedesFensterEinmal) << "Open";
    EXPECT_TRUE(Meldung.Meldungen.empty()) << "nothing in it needed mending";
    GezeichnetWieZuletzt("Open");
    EXPECT_EQ(PunkteDlg->Zeile(1).X->text(), QString::fromStdString(VollesDokument().Punkte[1].X));

    EXPECT_EQ(Zaehlen([] { Form1->SpeedButton3Click(); }), JedesFensterEinmal) << "New";
    GezeichnetWieZuletzt("New");
    EXPECT_EQ(PunkteDlg->Zeile(1).X->text(), QString());

    EXPECT_EQ(Zaehlen([] { Form1->findChild<QAction*>(QStringLiteral("Kolibri1"))->trigger(); }),
              JedesFensterEinmal)
        << "example";
    GezeichnetWieZuletzt("example");

    // Outside these commands an edit draws at once.
    EXPECT_EQ(Zaehlen([] { PunkteDlg->Zeile(2).Y->setText(QStringLiteral("1,5")); }).Bilder, 1);
}

// The captions change in every window and the picture, whose hints speak
// the language, is drawn once; the tool windows' tables did not change.
TEST_F(EinmalZeichnenTest, ALanguageSwitchDrawsOnce)
{
    Starten();
    Vorbereiten();
    const int uebersicht = QApplication::activeWindow() == Form1 ? 1 : 0;
    EXPECT_EQ(Zaehlen([] { Form1->english1Click(); }), (TZaehlung{1, 1, {0, 0, 0, 0, 0, uebersicht}}));
    GezeichnetWieZuletzt("English");

    // The third language says that the settings were saved, over the
    // picture already drawn in it.
    TMeldungUeberBild meldung;
    SetMeldung(&meldung);
    const int vorher = Graphik->Neuzeichnungen();
    Form1->franzsisch1Click();
    SetMeldung(&Meldung);
    EXPECT_EQ(meldung.BilderBeiMeldung, std::vector<int>{vorher + 1});
}

// A document that had to be mended says so over the mended drawing.
TEST_F(EinmalZeichnenTest, TheMendedDocumentIsDrawnBeforeItIsSaidSo)
{
    Starten();
    TDokumentBild bild = VollesDokument();
    bild.Kopf.FunktionNr = 0;
    DateiSchreiben(Wahl.Pfad, DokumentBytes(bild));
    TMeldungUeberBild meldung;
    SetMeldung(&meldung);
    const int vorher = Graphik->Neuzeichnungen();
    Form1->SpeedButton7Click();
    SetMeldung(&Meldung);
    EXPECT_EQ(meldung.BilderBeiMeldung, std::vector<int>{vorher + 1});
}

// Started with a document (after the start template): the windows are made,
// the template and the document opened, and the picture drawn once. A tool
// window made afterwards shows the document and draws nothing.
TEST_F(EinmalZeichnenTest, AStartWithTemplateAndDocumentDrawsOnce)
{
    TEinstellungen e{};
    e.Startvorlage = 1;
    e.MitWertetabelle = 1;
    EinstellungenSchreiben(e);
    DateiSchreiben(Startvorlage(), DokumentBytes(VollesDokument(true)));
    Starten({Wahl.Pfad.toStdString()});
    EXPECT_EQ(std::tuple(Graphik->Neuzeichnungen(), Form2->Fuellungen()), std::tuple(1, 1));
    EXPECT_EQ(PunkteDlg->Zeile(10).X->text().toStdString(), VollesDokument().Punkte[10].X);
    EXPECT_EQ(Graphik->XMin, VollesDokument().Kopf.XMin);
    GezeichnetWieZuletzt("start");
}
