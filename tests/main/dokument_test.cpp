// Documents through the main window's own commands: Save as, Open, New.

#include "programm_fixture.h"

#include "engine/dokument.h"
#include "engine/dokument_pruefen.h"
#include "main/beispiele.h"
#include "platform/dateidialog.h"
#include "tools/punkte_dlg.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QTest>

#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <functional>
#include <random>
#include <tuple>

namespace {

struct FakeDateiDialog : TDateiDialog {
    std::optional<QString> Antwort;
    std::vector<QString> StartOrdner;
    std::optional<QString> Speichern(QWidget*, const QString& o, const QString&) override { return StartOrdner.push_back(o), Antwort; }
    std::optional<QString> Oeffnen(QWidget*, const QString& o, const QString&) override { return StartOrdner.push_back(o), Antwort; }
};

QByteArray Bytes(const TDokumentBild& bild)
{
    const std::vector<std::uint8_t> v = EncodeDokument(bild);
    return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

DokumentErgebnis Decodiert(const QByteArray& b)
{
    return DecodeDokument(std::vector<std::uint8_t>(b.begin(), b.end()));
}

class DokumentTest : public ProgrammTest {
protected:
    QTemporaryDir Ordner;
    FakeDateiDialog Dialog;

    void SetUp() override
    {
        ProgrammTest::SetUp();
        ASSERT_TRUE(Ordner.isValid());
        SetDateiDialog(&Dialog);
        DokumentRest = TDokumentRest{};  // what an earlier test opened is no part of a fresh start
        Starten();
    }
    void TearDown() override
    {
        SetDateiDialog(nullptr);
        ProgrammTest::TearDown();
    }

    QString Pfad(const char* name) const { return Ordner.filePath(QString::fromLatin1(name)); }

    // Save as and Open through the dialogs.
    void SpeichernAls(const QString& pfad)
    {
        Dialog.Antwort = pfad;
        Form1->SpeedButton6Click();
    }
    void OeffnenAus(const QString& pfad)
    {
        Dialog.Antwort = pfad;
        Form1->SpeedButton7Click();
    }

    // Save as, then the file read back.
    DokumentErgebnis Gespeichert(const char* name)
    {
        SpeichernAls(Pfad(name));
        DokumentErgebnis e = Decodiert(DateiLesen(Pfad(name)));
        EXPECT_TRUE(e.Ok());
        return e;
    }
    QByteArray Ablegen(const char* name, const TDokumentBild& bild)
    {
        DateiSchreiben(Pfad(name), Bytes(bild));
        return Bytes(bild);
    }
    // The drawing as Save would write it.
    static QByteArray Zustand() { return Bytes(Form1->DokumentBild()); }

    // A drawing with something in every place a document keeps.
    void ZeichnungBauen()
    {
        Form1->Edit1->setText("f(x,t) = t*x^2");
        Form1->Evont->setText("-2");
        Form1->Estept->setText("0,5");
        FunktionWaehlen(3);
        Form1->Edit1->setText("g(x) = sin(x)");
        Funktionen[10]->SetTerm("f(x) = 10");
        Funktionen[11]->SetReserved1(-11);
        Funktionen[12]->SetReserved2(12.5);
        Funktionen[12]->SetColor2(0x00ABCDEF);
        Graphik->TrackBar2->setValue(5);
        Graphik->TrackBar1->setValue(-2);
        std::tie(Graphik->XMin, Graphik->XMax) = std::tuple(-20, -9);
        Graphik->Edit1->setText("Zeit");
        Graphik->CB4->setChecked(false);
        Graphik->Gitter = "6c";
        Form2->Edit2->setText("1,5");
        Punkte[2].X = "1";
        Beschriftungen[3].Text = "weg";
        Kreise[13].Reserve8[5] = 7;  // an unused slot
        Beschriftungen[36].Text = "ganz hinten";
        ReserveBlock[1807] = 0xAB;
    }
};

TEST_F(DokumentTest, OpenThenSaveIsByteIdenticalWithReservedBytesAndUnusedRecords)
{
    ZeichnungBauen();
    DokumentErgebnis e = Gespeichert("a.kvd");
    // Distinct values in every field: a field read into or written from its
    // neighbour's window field changes the file.
    TDokumentKopf& k = e.Bild.Kopf;
    std::tie(k.XMin, k.XMax, k.YMax, k.YMin) = std::tuple(-31, -17, 42, 29);
    std::tie(k.XAchse, k.YAchse, k.YLaenge, k.XLaenge, k.Gitter) = std::tuple("Zeit t", "Weg s", "13", "14", "5a");
    std::tie(k.Evonx, k.Ebisx, k.Evont, k.Ebist, k.Estept) = std::tuple("-7", "8", "2", "9", "0,25");
    std::tie(k.RechnerX, k.RechnerT, k.RechnerErgebnis) = std::tuple("0", "-3", " 0");  // sin(0)
    e.Bild.Kopf.Reserve28 = {1, 2, 3, 4};
    e.Bild.Kopf.Reserve1336.fill(0x33);
    e.Bild.Kopf.Reserve4160[511] = 0x44;
    e.Bild.Kopf.Reserve4676 = {5, 6, 7, 8};
    e.Bild.Kopf.Farbig = 2;  // true, stored as 2
    e.Bild.Funktionen[5].Reserve36 = {9, 9, 9, 9};
    e.Bild.Funktionen[0].Reserve576 = {1, 0, 0, 1};
    e.Bild.Funktionen[17].Term = "f(x) = 17";
    e.Bild.Funktionen[12].Color2 = 0x00FEDCBA;  // the last slot read, which New keeps
    e.Bild.Senkrechte[20].Reserve768[0] = 0x55;
    e.Bild.Reserve.fill(0x66);
    const QByteArray c = Ablegen("c.kvd", e.Bild);

    Form1->SpeedButton3Click();
    OeffnenAus(Pfad("c.kvd"));
    SpeichernAls(Pfad("d.kvd"));
    EXPECT_TRUE(DateiLesen(Pfad("d.kvd")) == c);
    EXPECT_TRUE(Meldung.Meldungen.empty());
}

// Every worked example, saved and opened again, comes back without a
// mended value and saves the same bytes; its grid stays, also the codes of
// one character. The examples take turns in German and English, whose
// numbers differ in their separator.
TEST_F(DokumentTest, EveryWorkedExampleSavesAndOpensUnchanged)
{
    Frage.Antwort = QMessageBox::Yes;  // the examples' question, then overwriting
    bool englisch = false;
    for (const TBeispiel& b : Beispiele()) {
        SCOPED_TRACE(b.Laden);
        (englisch ? Form1->english1 : Form1->deutsch1)->trigger();
        englisch = !englisch;
        Form1->findChild<QAction*>(QString::fromLatin1(b.Haupt))->trigger();
        SpeichernAls(Pfad("bsp.kvd"));
        const QByteArray erst = DateiLesen(Pfad("bsp.kvd"));
        Form1->SpeedButton3Click();
        OeffnenAus(Pfad("bsp.kvd"));
        EXPECT_EQ(Graphik->Gitter, b.Gitter);
        SpeichernAls(Pfad("bsp.kvd"));
        EXPECT_TRUE(DateiLesen(Pfad("bsp.kvd")) == erst);
        EXPECT_EQ(Meldung.Meldungen, std::vector<QString>{});
        Meldung.Meldungen.clear();
    }
}

// The round trip above guards each stored field; here what Open derives
// from them: the stored units win over their track bars, the inch list,
// the calculator's result, the selected function's widgets.
TEST_F(DokumentTest, OpenDerivesTheWindowsFromTheStoredFields)
{
    DokumentErgebnis e = Gespeichert("a.kvd");
    TDokumentKopf& k = e.Bild.Kopf;
    std::tie(k.TrackBar1, k.TrackBar2, k.EinheitX, k.EinheitY) = std::tuple(4, 8, 0.3, 7.5);
    std::tie(k.XLaenge, k.Gleichung, k.RechnerX, k.FunktionWahl, k.FunktionNr) =
        std::tuple("14", "h(x) = x^3-1", "2", "4.", 4);
    k.RechnerErgebnis = " 7";  // as Open computes it
    std::tie(k.Zahlen, k.Farbig, k.Achsen) = std::tuple(1, 0, 1);  // the drawing above has 0, 1, 1
    TFunktionSatz& r = e.Bild.Funktionen[0];
    std::tie(r.Term, r.XFrom, r.TStep, r.Color, r.Color2, r.LineStyle) =
        std::tuple("h(x) = x^3-1", -7, 0.25, 0x00102030u, 0x00405060u, 7);
    e.Bild.Funktionen[4] = r;
    const QByteArray s = Ablegen("s.kvd", e.Bild);

    OeffnenAus(Pfad("s.kvd"));
    EXPECT_TRUE(Meldung.Meldungen.empty());
    EXPECT_EQ(std::tuple(Graphik->TrackBar1->value(), Graphik->TrackBar2->value(), Graphik->EinheitX,
                         Graphik->EinheitY),
              std::tuple(4, 8, 0.3, 7.5));
    EXPECT_EQ(Graphik->ComboBox2a->currentText(), "7");
    // The selected function's line style is the one chosen in the list.
    EXPECT_EQ(Form1->ComboBox2->currentIndex(), 7);
    EXPECT_EQ(std::tuple(Graphik->CB4->isChecked(), Graphik->CB2->isChecked(), Graphik->CB3->isChecked()),
              std::tuple(true, false, true));
    EXPECT_EQ(Form2->EditErgebnis->text(), " 7");  // recomputed: 2^3 - 1
    EXPECT_EQ(Form1->GroupBox2->title(), " " + Txt(141) + " (4.) ");
    EXPECT_EQ(std::tuple(Schriftfarbe(Form1->Edit1), Schriftfarbe(Form1->SFarbe2)),
              std::tuple(0x00102030u, 0x00405060u));
    ASSERT_EQ(Funktionen[0], Funktionen[4]);
    EXPECT_TRUE(Funktionen[4]->GetCompiled());
    SpeichernAls(Pfad("t.kvd"));
    EXPECT_TRUE(DateiLesen(Pfad("t.kvd")) == s);
}

TEST_F(DokumentTest, DamagedFilesLeaveTheDrawingUntouched)
{
    ZeichnungBauen();
    const QByteArray vorher = Zustand();
    SpeichernAls(Pfad("gut.kvd"));
    const QByteArray gut = DateiLesen(Pfad("gut.kvd"));
    const QString kaputt = Pfad("kaputt.kvd");
    for (const QByteArray& daten : {QByteArray(), gut.left(4679), gut + QByteArray(1, '\0'), gut.left(100000)}) {
        SCOPED_TRACE(daten.size());
        Meldung.Meldungen.clear();
        DateiSchreiben(kaputt, daten);
        EXPECT_FALSE(Form1->oeffne(kaputt.toStdString()));
        EXPECT_EQ(Zustand(), vorher);
        ASSERT_EQ(Meldung.Meldungen.size(), 1u);
        EXPECT_EQ(Meldung.Meldungen[0], QString::fromStdString(Texte[570]) + QLatin1Char('\n') + kaputt);
    }
    // A folder or a missing file is no document either.
    Meldung.Meldungen.clear();
    EXPECT_FALSE(Form1->oeffne(Ordner.path().toStdString()));
    EXPECT_EQ(Meldung.Meldungen.size(), 1u);
    EXPECT_FALSE(Form1->oeffne(Pfad("gibt-es-nicht.kvd").toStdString()));
    EXPECT_EQ(Zustand(), vorher);
    // Without its trailing byte a document is still read.
    DateiSchreiben(Pfad("kurz.kvd"), gut.left(115440));
    EXPECT_TRUE(Form1->oeffne(Pfad("kurz.kvd").toStdString()));
}

// A document the system does not let us open (here because no file handle
// is left; permissions do not stop the superuser) is said with its cause,
// and the drawing stays.
TEST_F(DokumentTest, ADocumentThatCannotBeOpenedIsSaidWithTheCause)
{
    ZeichnungBauen();
    const QByteArray vorher = Zustand();
    SpeichernAls(Pfad("gut.kvd"));
    Meldung.Meldungen.clear();
    rlimit alt{};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &alt), 0);
    const int frei = dup(0);  // the lowest free handle: none from here on
    ASSERT_GE(frei, 0);
    close(frei);
    rlimit grenze = alt;
    grenze.rlim_cur = static_cast<rlim_t>(frei);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &grenze), 0);
    const bool geoeffnet = Form1->oeffne(Pfad("gut.kvd").toStdString());
    setrlimit(RLIMIT_NOFILE, &alt);
    EXPECT_FALSE(geoeffnet);
    EXPECT_EQ(Zustand(), vorher);
    ASSERT_EQ(Meldung.Meldungen.size(), 1u);
    const QStringList zeilen = Meldung.Meldungen[0].split(QLatin1Char('\n'));
    ASSERT_EQ(zeilen.size(), 3);
    EXPECT_EQ(std::tuple(zeilen[0], zeilen[1]), std::tuple(QString::fromStdString(Texte[571]), Pfad("gut.kvd")));
    EXPECT_FALSE(zeilen[2].isEmpty());
}

// Each kind of mend is checked on the document image; here the reader
// applies the mended image and says so once.
TEST_F(DokumentTest, DamagedValuesAreMendedOnLoadAndSaidOnce)
{
    DokumentErgebnis e = Gespeichert("a.kvd");
    std::tie(e.Bild.Kopf.XMin, e.Bild.Kopf.XMax, e.Bild.Kopf.FunktionNr) = std::tuple(6, -5, 99);
    e.Bild.Funktionen[3].LineStyle = 40;
    Ablegen("m.kvd", e.Bild);
    EXPECT_TRUE(Form1->oeffne(Pfad("m.kvd").toStdString()));
    EXPECT_EQ(std::tuple(Graphik->XMin, Graphik->XMax, FunktionNr, Funktionen[3]->GetLineStyle()),
              std::tuple(-5, 6, 1, 1));
    ASSERT_EQ(Meldung.Meldungen.size(), 1u);
    EXPECT_TRUE(Meldung.Meldungen[0].startsWith(QString::fromStdString(Texte[573])));
}

TEST_F(DokumentTest, RandomBytesOfTheRightSizeNeverCrash)
{
    std::mt19937 zufall(2024);
    std::uniform_int_distribution<int> byte(0, 255);
    Frage.Antwort = QMessageBox::Yes;
    for (int runde = 0; runde < 3; ++runde) {
        QByteArray daten(115441, '\0');
        for (char& c : daten)
            c = static_cast<char>(byte(zufall));
        DateiSchreiben(Pfad("zufall.kvd"), daten);
        Form1->oeffne(Pfad("zufall.kvd").toStdString());
        EXPECT_TRUE(FunktionNr >= 1 && FunktionNr <= 9 && Graphik->XMax > Graphik->XMin) << FunktionNr;
        EXPECT_TRUE(std::isfinite(Graphik->EinheitX) && Graphik->EinheitX > 0);
        Graphik->GraphikResize();
        Form2->FillValueTable();
        // What was loaded saves and loads again.
        SpeichernAls(Pfad("zufall2.kvd"));
        EXPECT_EQ(DateiLesen(Pfad("zufall2.kvd")).size(), 115441);
    }
}

TEST_F(DokumentTest, ValueTableFollowsAnOpenedViewWithTheSameEquation)
{
    // The equation is the one already in the field, so its change handler
    // does not run by itself; the table must still move to the new view.
    DokumentErgebnis e = Gespeichert("a.kvd");
    ASSERT_EQ(e.Bild.Kopf.Gleichung, Form1->Edit1->text().toStdString());
    std::tie(e.Bild.Kopf.XMin, e.Bild.Kopf.XMax) = std::tuple(10, 21);
    Ablegen("v.kvd", e.Bild);
    Form2->FillValueTable();
    OeffnenAus(Pfad("v.kvd"));
    EXPECT_EQ(std::tuple(Form2->Zelle(1, 0), Form2->Zelle(1, 1)), std::tuple("9", "81,00"));  // 10 + 11 div 2 - 6
}

TEST_F(DokumentTest, OverwriteQuestionExtensionRuleCancelledDialogsAndStartFolders)
{
    DateiSchreiben(Pfad("alt.kvd"), QByteArray("alt"));
    Frage.Antwort = QMessageBox::No;
    SpeichernAls(Pfad("alt"));
    EXPECT_EQ(Frage.Fragen, std::vector<QString>{QString::fromStdString(Texte[160])});
    EXPECT_EQ(DateiLesen(Pfad("alt.kvd")), QByteArray("alt"));
    Frage.Antwort = QMessageBox::Yes;
    SpeichernAls(Pfad("alt"));
    EXPECT_EQ(DateiLesen(Pfad("alt.kvd")).size(), 115441);

    // A cancelled dialog writes nothing; a cancelled Open leaves the tool
    // windows, a real one hides them.
    Dialog.Antwort.reset();
    Form1->SpeedButton6Click();
    EXPECT_EQ(QDir(Ordner.path()).entryList(QDir::Files), QStringList{"alt.kvd"});
    PunkteDlg->show();
    Form1->SpeedButton7Click();
    EXPECT_TRUE(PunkteDlg->isVisible());
    OeffnenAus(Pfad("alt.kvd"));
    EXPECT_FALSE(PunkteDlg->isVisible());

    // Both dialogs start in the folder of the file last chosen in either;
    // a cancelled one moves nothing.
    ASSERT_TRUE(QDir(Ordner.path()).mkdir("unter"));
    SpeichernAls(Pfad("unter/b.kvd"));
    EXPECT_EQ(Dialog.StartOrdner.back(), Ordner.path());
    Dialog.Antwort.reset();
    Form1->SpeedButton7Click();
    Form1->SpeedButton6Click();
    EXPECT_EQ(std::vector(Dialog.StartOrdner.end() - 2, Dialog.StartOrdner.end()), std::vector(2, Pfad("unter")));
}

// A failed save keeps the old file and names the cause: a missing folder
// fails the open; a file-size limit fails the write itself, as a full disk
// does (part of the data is taken, then the system refuses the rest).
TEST_F(DokumentTest, FailedSaveKeepsTheOldFileAndNamesTheCause)
{
    DateiSchreiben(Pfad("alt.kvd"), QByteArray("alt"));
    rlimit vorher{};
    getrlimit(RLIMIT_FSIZE, &vorher);
    rlimit grenze = vorher;
    grenze.rlim_cur = 4096;
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead
    setrlimit(RLIMIT_FSIZE, &grenze);
    const bool gespeichert = Form1->speichere(Pfad("alt.kvd").toStdString());
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, signal);
    EXPECT_FALSE(gespeichert);
    EXPECT_FALSE(Form1->speichere(Pfad("fehlt/nirgends.kvd").toStdString()));
    EXPECT_EQ(DateiLesen(Pfad("alt.kvd")), QByteArray("alt"));
    EXPECT_EQ(QDir(Ordner.path()).entryList(QDir::Files), QStringList{"alt.kvd"});
    ASSERT_EQ(Meldung.Meldungen.size(), 2u);
    const QString nichtGespeichert = QString::fromStdString(Texte[572]);
    EXPECT_EQ(Meldung.Meldungen[0], nichtGespeichert + QLatin1Char('\n') + Pfad("alt.kvd") + QLatin1Char('\n') +
                                        QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_TRUE(Meldung.Meldungen[1].startsWith(nichtGespeichert));
}

// New gives the drawing of a fresh start, except for what it leaves alone:
// functions 10 to 12 and the unused slots.
TEST_F(DokumentTest, NewGivesTheFreshStartAndKeepsTenToTwelveAndUnusedSlots)
{
    const DokumentErgebnis frisch = Decodiert(Zustand());
    ZeichnungBauen();
    Modus = ModusPunkte;
    Form1->SpeedButton3Click();
    EXPECT_EQ(Modus, ModusUrsprung);
    DokumentErgebnis neu = Decodiert(Zustand());
    EXPECT_EQ(std::tuple(neu.Bild.Funktionen[10].Term, neu.Bild.Kreise[13].Reserve8[5], neu.Bild.Beschriftungen[36].Text,
                         neu.Bild.Reserve[1807]),
              std::tuple("f(x) = 10", 7, "ganz hinten", 0xAB));
    for (std::size_t i : {10, 11, 12})
        neu.Bild.Funktionen[i] = frisch.Bild.Funktionen[i];
    neu.Bild.Kreise[13] = frisch.Bild.Kreise[13];
    neu.Bild.Beschriftungen[36] = frisch.Bild.Beschriftungen[36];
    neu.Bild.Reserve = frisch.Bild.Reserve;
    EXPECT_TRUE(neu.Bild == frisch.Bild);
}

TEST_F(DokumentTest, NewFromTheGraphWindowKeepsItsPlaceAndTheOptionShowsTheTable)
{
    Graphik->show();
    Graphik->move(Form1->frameGeometry().right() + 300, 150);
    Graphik->resize(Graphik->width() + 37, Graphik->height() + 23);
    const QRect vorher = Graphik->geometry();
    // Its own New button is pressed while it is the active window.
    QApplication::setActiveWindow(Graphik);
    if (QApplication::activeWindow() != Graphik)
        GTEST_SKIP() << "no active window on this platform";
    Graphik->LayoutHalten = true;
    Form1->SpeedButton3Click();
    Graphik->LayoutHalten = false;
    EXPECT_EQ(std::tuple(Graphik->geometry(), Graphik->Edit3->text()), std::tuple(vorher, "f(x) = x^2"));
    // The main window's New puts it back beside the main window.
    Form1->SpeedButton3Click();
    EXPECT_NE(Graphik->geometry(), vorher);

    for (const bool mitTabelle : {true, false}) {
        Einstellungen.MitWertetabelle = mitTabelle;
        Form2->setVisible(!mitTabelle);
        Form1->Wertetabelle1->setChecked(!mitTabelle);
        Form1->SpeedButton3Click();
        EXPECT_EQ(std::tuple(Form2->isVisible(), Form1->Wertetabelle1->isChecked()), std::tuple(mitTabelle, mitTabelle));
    }
}

TEST_F(DokumentTest, OlderFormatAndPointFontRepair)
{
    DokumentErgebnis e = Gespeichert("a.kvd");
    std::tie(e.Bild.Kopf.Marke, e.Bild.Kopf.TrackBar2, e.Bild.Kopf.EinheitX) = std::tuple(0, 5, 4.0);
    std::tie(e.Bild.Punkte[4].Font, e.Bild.Punkte[4].Color) = std::tuple(TSchrift{}, clGreen);
    std::tie(e.Bild.Punkte[5].Font.Name, e.Bild.Punkte[5].Font.Size) = std::tuple("Courier", 20);
    Ablegen("alt.kvd", e.Bild);
    ASSERT_TRUE(Form1->oeffne(Pfad("alt.kvd").toStdString()));
    EXPECT_EQ(std::tuple(Punkte[4].Font.Name, Punkte[4].Font.Size, Punkte[4].Font.Color),
              std::tuple("Tahoma", 10, clGreen));
    EXPECT_EQ(std::tuple(Punkte[5].Font.Name, Punkte[5].Font.Size), std::tuple("Courier", 20));
    // Saved again it is a document of the current format.
    const DokumentErgebnis n = Gespeichert("neu.kvd");
    EXPECT_EQ(std::tuple(n.Bild.Kopf.Marke, n.Bild.Kopf.TrackBar2), std::tuple(1, 6));
}

// A mouse event on New at `ort`, in the button's own coordinates.
void Maus(QEvent::Type art, Qt::MouseButtons gedrueckt, QPointF ort = {-1, -1})
{
    QToolButton* b = Form1->SpeedButton3;
    if (ort.x() < 0)
        ort = QPointF(b->width() / 2.0, b->height() / 2.0);
    QMouseEvent e(art, ort, b->mapToGlobal(ort), Qt::LeftButton, gedrueckt, Qt::NoModifier);
    QApplication::sendEvent(b, &e);
}

void Klick()
{
    Maus(QEvent::MouseButtonPress, Qt::LeftButton);
    Maus(QEvent::MouseButtonRelease, Qt::NoButton);
}

// Only a New that a mouse press on the main window's New button asked for
// loads the start template, and every New uses the request up: neither the
// menu, nor the graph window's New, nor an example takes a request left
// from before.
TEST_F(DokumentTest, OnlyAMouseClickOnNewLoadsTheStartTemplate)
{
    ASSERT_TRUE(QDir().mkpath(Einstellungsordner()));
    Form1->Edit1->setText("f(x) = 42");
    ASSERT_TRUE(Form1->speichere(Startvorlage().toStdString()));
    Einstellungen.Startvorlage = 1;
    EXPECT_FALSE(Form1->StartvorlageLaden);  // the start used up the request of the window's creation

    struct Fall {
        const char* Name;
        std::function<void()> Tun;
        bool Vorlage;
    };
    const Fall faelle[] = {
        {"menu", [] { Form1->Neu1->trigger(); }, false},
        {"the graph window's New", [] {
             Form1->StartvorlageLaden = true;
             Graphik->CoolBar2->show();
             QTest::mouseClick(Graphik->SpeedButton15, Qt::LeftButton);
         }, false},
        {"an example", [this] {
             Form1->StartvorlageLaden = true;
             Frage.Antwort = QMessageBox::Yes;
             Form1->findChild<QAction*>("Punkte2")->trigger();
         }, false},
        {"click without the mouse", [] { Form1->SpeedButton3->click(); }, false},
        {"mouse click", [] { Klick(); }, true},
        {"pressed, released beside it, then the menu", [] {
             Maus(QEvent::MouseButtonPress, Qt::LeftButton);
             Maus(QEvent::MouseButtonRelease, Qt::NoButton, QPointF(Form1->SpeedButton3->width() + 40.0, 5));
             Form1->Neu1->trigger();
         }, false},
        {"double click, loaded again by its second press", [] {
             Klick();
             Form1->Edit1->setText("f(x) = 7");
             Maus(QEvent::MouseButtonDblClick, Qt::LeftButton);
             Maus(QEvent::MouseButtonRelease, Qt::NoButton);
         }, true},
        {"request used up by a New without template", [] {
             Einstellungen.Startvorlage = 0;
             Form1->SpeedButton3MouseDown();
             Form1->SpeedButton3Click();
             Einstellungen.Startvorlage = 1;
             Form1->SpeedButton3Click();
         }, false},
    };
    for (const Fall& f : faelle) {
        Form1->Edit1->setText("f(x) = 7");
        f.Tun();
        EXPECT_EQ(Form1->Edit1->text() == "f(x) = 42", f.Vorlage) << f.Name;
        EXPECT_FALSE(Form1->StartvorlageLaden) << f.Name;
    }
}

// A start template shows its own selected function's title over the ranges.
TEST_F(DokumentTest, TheStartTemplateShowsItsSelectedFunctionsTitle)
{
    ASSERT_TRUE(QDir().mkpath(Einstellungsordner()));
    Form1->ComboBox1->setEditText(QStringLiteral("3."));
    Form1->ComboBox1Change();
    ASSERT_EQ(FunktionNr, 3);
    ASSERT_TRUE(Form1->speichere(Startvorlage().toStdString()));
    Einstellungen.Startvorlage = 1;
    Klick();
    EXPECT_EQ(FunktionNr, 3);
    EXPECT_TRUE(Form1->GroupBox2->title().contains(QStringLiteral("3.")) &&
                Form1->GroupBox2->title().contains(Txt(141).trimmed()))
        << Form1->GroupBox2->title().toStdString();
}

}  // namespace
