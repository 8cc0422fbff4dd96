// Documents through the main window's own commands: Save as, Open, New and
// the reader, with the file dialogs, questions and messages answered by
// fakes.

#include "programm_fixture.h"

#include "engine/dokument.h"
#include "engine/dokument_pruefen.h"
#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "main/form1.h"
#include "main/wertetabelle_fenster.h"
#include "platform/dateidialog.h"
#include "tools/punkte_dlg.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

#include <sys/resource.h>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <limits>
#include <random>
#include <tuple>

namespace {

struct FakeDateiDialog : TDateiDialog {
    std::optional<QString> Antwort;
    std::vector<QString> StartOrdner;
    std::optional<QString> Speichern(QWidget*, const QString& ordner, const QString&) override
    {
        return StartOrdner.push_back(ordner), Antwort;
    }
    std::optional<QString> Oeffnen(QWidget*, const QString& ordner, const QString&) override
    {
        return StartOrdner.push_back(ordner), Antwort;
    }
};

QByteArray Lesen(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void Schreiben(const QString& pfad, const QByteArray& daten)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(daten), daten.size());
}

QByteArray Bytes(const std::vector<std::uint8_t>& v)
{
    return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

std::vector<std::uint8_t> Vektor(const QByteArray& b)
{
    return std::vector<std::uint8_t>(b.begin(), b.end());
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

    // Save as through the dialog.
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
        DokumentErgebnis e = DecodeDokument(Vektor(Lesen(Pfad(name))));
        EXPECT_TRUE(e.Ok());
        return e;
    }
    QByteArray Ablegen(const char* name, const TDokumentBild& bild)
    {
        const QByteArray daten = Bytes(EncodeDokument(bild));
        Schreiben(Pfad(name), daten);
        return daten;
    }

    // The drawing as Save would write it.
    QByteArray Zustand() const { return Bytes(EncodeDokument(Form1->DokumentBild())); }

    // A drawing with something in every place a document keeps.
    void ZeichnungBauen()
    {
        Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x^2"));
        Form1->Evont->setText(QStringLiteral("-2"));
        Form1->Estept->setText(QStringLiteral("0,5"));
        Form1->ComboBox1->setEditText(QStringLiteral("3."));
        Form1->ComboBox1Change();
        Form1->Edit1->setText(QStringLiteral("g(x) = sin(x)"));
        Funktionen[10]->SetTerm("f(x) = 10");
        Funktionen[11]->SetReserved1(-11);
        Funktionen[12]->SetReserved2(12.5);
        Funktionen[12]->SetColor2(0x00ABCDEF);
        Graphik->TrackBar2->setValue(5);
        Graphik->TrackBar1->setValue(-2);
        Graphik->XMin = -20;
        Graphik->XMax = -9;
        Graphik->Edit1->setText(QStringLiteral("Zeit"));
        Graphik->CB4->setChecked(false);
        Graphik->Gitter = "6c";
        Form2->Edit2->setText(QStringLiteral("1,5"));
        Punkte[2].X = "1";
        Punkte[2].Y = "2";
        Kreise[13].Reserve8[5] = 7;  // an unused slot
        Beschriftungen[36].Text = "ganz hinten";
        ReserveBlock[1807] = 0xAB;
    }
};

TEST_F(DokumentTest, OpenThenSaveIsByteIdenticalWithReservedBytesAndUnusedRecords)
{
    ZeichnungBauen();
    DokumentErgebnis e = Gespeichert("a.kvd");
    e.Bild.Kopf.Reserve28 = {1, 2, 3, 4};
    e.Bild.Kopf.Reserve1336.fill(0x33);
    e.Bild.Kopf.Reserve4160[511] = 0x44;
    e.Bild.Kopf.Reserve4676 = {5, 6, 7, 8};
    e.Bild.Kopf.Farbig = 2;  // true, stored as 2
    e.Bild.Funktionen[5].Reserve36 = {9, 9, 9, 9};
    e.Bild.Funktionen[0].Reserve576 = {1, 0, 0, 1};
    e.Bild.Funktionen[17].Term = "f(x) = 17";
    e.Bild.Funktionen[20].Color = 0x00123456;
    e.Bild.Senkrechte[20].Reserve768[0] = 0x55;
    e.Bild.Reserve.fill(0x66);
    const QByteArray c = Ablegen("c.kvd", e.Bild);

    Form1->SpeedButton3Click();
    EXPECT_NE(Zustand(), c);
    OeffnenAus(Pfad("c.kvd"));
    EXPECT_EQ(Graphik->XMin, -20);
    EXPECT_EQ(FunktionNr, 3);
    EXPECT_EQ(Funktionen[12]->GetColor2(), 0x00ABCDEFu);
    EXPECT_TRUE(Graphik->CB2->isChecked());
    SpeichernAls(Pfad("d.kvd"));
    EXPECT_TRUE(Lesen(Pfad("d.kvd")) == c);
    EXPECT_TRUE(Meldung.Meldungen.empty());
}

TEST_F(DokumentTest, SentinelValuesComeBackInTheirWindowFields)
{
    DokumentErgebnis e = Gespeichert("a.kvd");
    TDokumentKopf& k = e.Bild.Kopf;
    std::tie(k.XMin, k.XMax, k.YMax, k.YMin, k.TrackBar1, k.TrackBar2) = std::tuple(-31, -17, 42, 29, 4, 8);
    std::tie(k.EinheitX, k.EinheitY) = std::tuple(0.3, 7.5);  // the stored unit wins over the track bar's
    std::tie(k.XAchse, k.YAchse, k.YLaenge, k.XLaenge, k.Gitter) = std::tuple("Zeit t", "Weg s", "13", "14", "5a");
    std::tie(k.Zahlen, k.Farbig, k.Achsen) = std::tuple(0, 1, 0);
    std::tie(k.Evonx, k.Ebisx, k.Evont, k.Ebist, k.Estept) = std::tuple("-7", "8", "2", "9", "0,25");
    std::tie(k.Gleichung, k.RechnerX, k.RechnerT, k.FunktionWahl, k.FunktionNr) =
        std::tuple("h(x) = x^3-1", "2", "-3", "4.", 4);
    TFunktionSatz& r = e.Bild.Funktionen[0];
    std::tie(r.Term, r.XFrom, r.XTo, r.TFrom, r.TTo, r.TStep) = std::tuple("h(x) = x^3-1", -7, 8, 2, 9, 0.25);
    std::tie(r.Color, r.Color2, r.LineStyle, r.Reserved1, r.Reserved2) =
        std::tuple(0x00102030u, 0x00405060u, 7, 1234, -0.5);
    e.Bild.Funktionen[4] = r;
    e.Bild.Funktionen[9].Term = "f(x) = 9";
    e.Bild.Funktionen[9].Kind = " Funktionenschar ";
    e.Bild.Funktionen[11].Term = "f(x) = 11";
    e.Bild.Punkte[7].X = "3";
    Ablegen("s.kvd", e.Bild);

    OeffnenAus(Pfad("s.kvd"));
    EXPECT_TRUE(Meldung.Meldungen.empty());
    EXPECT_EQ(std::tuple(Graphik->XMin, Graphik->XMax, Graphik->YMax, Graphik->YMin), std::tuple(-31, -17, 42, 29));
    EXPECT_EQ(std::tuple(Graphik->TrackBar1->value(), Graphik->TrackBar2->value(), Graphik->EinheitX,
                         Graphik->EinheitY),
              std::tuple(4, 8, 0.3, 7.5));
    EXPECT_EQ(std::tuple(Graphik->Edit1->text(), Graphik->Edit2->text(), Graphik->ComboBox1->currentText(),
                         Graphik->ComboBox2->currentText(), Graphik->ComboBox2a->currentText()),
              std::tuple("Zeit t", "Weg s", "13", "14", "7"));
    EXPECT_EQ(Graphik->Gitter, "5a");
    EXPECT_EQ(std::tuple(Graphik->CB4->isChecked(), Graphik->CB2->isChecked(), Graphik->CB3->isChecked()),
              std::tuple(false, true, false));
    EXPECT_EQ(std::tuple(Form1->Evonx->text(), Form1->Ebisx->text(), Form1->Evont->text(), Form1->Ebist->text(),
                         Form1->Estept->text()),
              std::tuple("-7", "8", "2", "9", "0,25"));
    EXPECT_EQ(std::tuple(Form1->Edit1->text(), Form1->ComboBox1->currentText(), Graphik->ComboBox3->currentText()),
              std::tuple("h(x) = x^3-1", "4.", "4."));
    EXPECT_EQ(std::tuple(Form2->Edit2->text(), Form2->Edit3->text(), Form2->EditErgebnis->text()),
              std::tuple("2", "-3", " 7"));  // the result recomputed: 2^3 - 1
    EXPECT_EQ(Form1->GroupBox2->title(), QStringLiteral(" Eigenschaft Graph (4.) "));
    EXPECT_EQ(std::tuple(Form1->ComboBox2->currentIndex(), Graphik->ComboBox4->currentIndex()), std::tuple(7, 7));
    EXPECT_EQ(std::tuple(Schriftfarbe(Form1->Edit1), Schriftfarbe(Form1->SFarbe2)),
              std::tuple(0x00102030u, 0x00405060u));

    EXPECT_EQ(FunktionNr, 4);
    ASSERT_EQ(Funktionen[0], Funktionen[4]);
    const TFunktion& f = *Funktionen[4];
    EXPECT_TRUE(f.GetCompiled());
    EXPECT_TRUE(FunktionSatzAus(f) == r);
    EXPECT_EQ(Funktionen[9]->GetKind(), " Funktionenschar ");
    EXPECT_EQ(Funktionen[11]->GetTerm(), "f(x) = 11");
    EXPECT_EQ(Punkte[7].X, "3");
}

TEST_F(DokumentTest, DamagedFilesLeaveTheDrawingUntouched)
{
    ZeichnungBauen();
    const QByteArray vorher = Zustand();
    SpeichernAls(Pfad("gut.kvd"));
    const QByteArray gut = Lesen(Pfad("gut.kvd"));

    const std::vector<QByteArray> kaputt = {
        QByteArray(),
        gut.left(4679),
        gut + QByteArray(1, '\0'),
        gut.left(100000),
    };
    for (std::size_t i = 0; i < kaputt.size(); ++i) {
        Meldung.Meldungen.clear();
        const QString pfad = Pfad("kaputt") + QString::number(i) + QStringLiteral(".kvd");
        Schreiben(pfad, kaputt[i]);
        EXPECT_FALSE(Form1->oeffne(pfad.toStdString())) << i;
        EXPECT_EQ(Zustand(), vorher) << i;
        ASSERT_EQ(Meldung.Meldungen.size(), 1u) << i;
        EXPECT_TRUE(Meldung.Meldungen[0].startsWith(QString::fromStdString(Texte[570]))) << i;
        EXPECT_TRUE(Meldung.Meldungen[0].contains(pfad)) << i;
    }
    // A folder or a missing file is no document either.
    Meldung.Meldungen.clear();
    EXPECT_FALSE(Form1->oeffne(Ordner.path().toStdString()));
    EXPECT_EQ(Meldung.Meldungen.size(), 1u);
    EXPECT_FALSE(Form1->oeffne(Pfad("gibt-es-nicht.kvd").toStdString()));
    EXPECT_EQ(Zustand(), vorher);
    // Without its trailing byte a document is still read.
    Schreiben(Pfad("kurz.kvd"), gut.left(115440));
    EXPECT_TRUE(Form1->oeffne(Pfad("kurz.kvd").toStdString()));
}

// Each kind of mend is checked value by value on the document image; here
// the reader applies it, says so once, and the windows take the mended values.
TEST_F(DokumentTest, DamagedValuesAreMendedOnLoad)
{
    const DokumentErgebnis gut = Gespeichert("a.kvd");
    struct Fall {
        const char* name;
        std::function<void(TDokumentBild&)> schaden;
        std::function<void()> pruefen;
    };
    const std::vector<Fall> faelle = {
        {"inverted view",
         [](TDokumentBild& b) {
             b.Kopf.XMin = 6;
             b.Kopf.XMax = -5;
             b.Kopf.YMin = 3;
             b.Kopf.YMax = 3;
         },
         [] {
             EXPECT_EQ(Graphik->XMin, -5);
             EXPECT_EQ(Graphik->XMax, 6);
             EXPECT_EQ(Graphik->YMin, -2);
             EXPECT_EQ(Graphik->YMax, 8);
         }},
        {"FunktionNr 99", [](TDokumentBild& b) { b.Kopf.FunktionNr = 99; }, [] { EXPECT_EQ(FunktionNr, 1); }},
        {"styles and kind",
         [](TDokumentBild& b) {
             b.Funktionen[0].TStep = 0;  // the selected function's record
             b.Funktionen[3].LineStyle = 40;
             b.Funktionen[3].Kind = "Unsinn";
             b.Senkrechte[1].LineStyle = -3;
         },
         [] {
             EXPECT_EQ(Funktionen[1]->GetTStep(), 1.0);
             EXPECT_EQ(Funktionen[3]->GetLineStyle(), 1);
             EXPECT_EQ(Funktionen[3]->GetKind(), " Funktion ");
             EXPECT_EQ(Senkrechte[1].LineStyle, 1);
         }},
    };
    for (const Fall& c : faelle) {
        Meldung.Meldungen.clear();
        TDokumentBild b = gut.Bild;
        c.schaden(b);
        Ablegen("m.kvd", b);
        EXPECT_TRUE(Form1->oeffne(Pfad("m.kvd").toStdString())) << c.name;
        c.pruefen();
        ASSERT_EQ(Meldung.Meldungen.size(), 1u) << c.name;
        EXPECT_TRUE(Meldung.Meldungen[0].startsWith(QString::fromStdString(Texte[573]))) << c.name;
        EXPECT_EQ(Funktionen[0], Funktionen[static_cast<std::size_t>(FunktionNr)]);
    }
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
        Schreiben(Pfad("zufall.kvd"), daten);
        Form1->oeffne(Pfad("zufall.kvd").toStdString());
        EXPECT_GE(FunktionNr, 1);
        EXPECT_LE(FunktionNr, 9);
        EXPECT_GT(Graphik->XMax, Graphik->XMin);
        EXPECT_TRUE(std::isfinite(Graphik->EinheitX) && Graphik->EinheitX > 0);
        Graphik->GraphikResize();
        Form2->FillValueTable();
        // What was loaded saves and loads again.
        SpeichernAls(Pfad("zufall2.kvd"));
        EXPECT_EQ(Lesen(Pfad("zufall2.kvd")).size(), 115441);
    }
}

TEST_F(DokumentTest, ValueTableFollowsAnOpenedViewWithTheSameEquation)
{
    // The equation is the one already in the field, so its change handler
    // does not run by itself; the table must still move to the new view.
    DokumentErgebnis e = Gespeichert("a.kvd");
    ASSERT_EQ(e.Bild.Kopf.Gleichung, Form1->Edit1->text().toStdString());
    e.Bild.Kopf.XMin = 10;
    e.Bild.Kopf.XMax = 21;
    Ablegen("v.kvd", e.Bild);
    Form2->FillValueTable();
    ASSERT_EQ(Form2->Zelle(1, 0), QStringLiteral("-6"));

    OeffnenAus(Pfad("v.kvd"));
    EXPECT_EQ(Form2->Zelle(1, 0), QStringLiteral("9"));  // 10 + 11 div 2 - 6
    EXPECT_EQ(Form2->Zelle(1, 1), QStringLiteral("81,00"));
}

TEST_F(DokumentTest, OverwriteQuestionExtensionRuleAndCancelledDialogs)
{
    Schreiben(Pfad("alt.kvd"), QByteArray("alt"));
    Frage.Antwort = QMessageBox::No;
    SpeichernAls(Pfad("alt"));
    ASSERT_EQ(Frage.Fragen.size(), 1u);
    EXPECT_EQ(Frage.Fragen[0], QString::fromStdString(Texte[160]));
    EXPECT_EQ(Lesen(Pfad("alt.kvd")), QByteArray("alt"));

    Frage.Antwort = QMessageBox::Yes;
    SpeichernAls(Pfad("alt"));
    EXPECT_EQ(Lesen(Pfad("alt.kvd")).size(), 115441);

    SpeichernAls(Pfad("GROSS.KVD"));
    EXPECT_TRUE(QFileInfo::exists(Pfad("GROSS.KVD")));
    EXPECT_FALSE(QFileInfo::exists(Pfad("GROSS.KVD.kvd")));
    SpeichernAls(Pfad("ohnepunktkvd"));
    EXPECT_TRUE(QFileInfo::exists(Pfad("ohnepunktkvd.kvd")));

    // A cancelled dialog writes nothing.
    const int vorher = static_cast<int>(QDir(Ordner.path()).entryList(QDir::Files).size());
    Dialog.Antwort.reset();
    Form1->SpeedButton6Click();
    EXPECT_EQ(QDir(Ordner.path()).entryList(QDir::Files).size(), vorher);
    // A cancelled Open leaves the tool windows; a real one hides them.
    PunkteDlg->show();
    Form1->SpeedButton7Click();
    EXPECT_TRUE(PunkteDlg->isVisible());
    OeffnenAus(Pfad("alt.kvd"));
    EXPECT_FALSE(PunkteDlg->isVisible());

    // Both dialogs start in the folder of the file last chosen in either;
    // a cancelled one moves nothing.
    ASSERT_TRUE(QDir(Ordner.path()).mkdir(QStringLiteral("unter")));
    SpeichernAls(Pfad("unter/b.kvd"));
    EXPECT_EQ(Dialog.StartOrdner.back(), Ordner.path());
    Dialog.Antwort.reset();
    Form1->SpeedButton7Click();
    Form1->SpeedButton6Click();
    EXPECT_EQ(Dialog.StartOrdner.end()[-2], Pfad("unter"));
    EXPECT_EQ(Dialog.StartOrdner.back(), Pfad("unter"));
}

// A failed save keeps the old file and names the cause: a missing folder
// fails the open; a file-size limit fails the write itself, as a full disk
// does.
TEST_F(DokumentTest, FailedSaveKeepsTheOldFileAndNamesTheCause)
{
    struct Dateigrenze {
        rlimit Alt{};
        void (*AltesSignal)(int) = SIG_DFL;
        explicit Dateigrenze(rlim_t bytes)
        {
            getrlimit(RLIMIT_FSIZE, &Alt);
            AltesSignal = std::signal(SIGXFSZ, SIG_IGN);  // the write returns EFBIG instead
            rlimit neu = Alt;
            neu.rlim_cur = bytes;
            setrlimit(RLIMIT_FSIZE, &neu);
        }
        ~Dateigrenze()
        {
            setrlimit(RLIMIT_FSIZE, &Alt);
            std::signal(SIGXFSZ, AltesSignal);
        }
    };
    Schreiben(Pfad("alt.kvd"), QByteArray("alt"));
    {
        const Dateigrenze grenze(4096);
        EXPECT_FALSE(Form1->speichere(Pfad("alt.kvd").toStdString()));
    }
    EXPECT_FALSE(Form1->speichere(Pfad("fehlt/nirgends.kvd").toStdString()));
    EXPECT_EQ(Lesen(Pfad("alt.kvd")), QByteArray("alt"));
    EXPECT_EQ(QDir(Ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("alt.kvd")});
    ASSERT_EQ(Meldung.Meldungen.size(), 2u);
    const QString nichtGespeichert = QString::fromStdString(Texte[572]);
    EXPECT_EQ(Meldung.Meldungen[0], nichtGespeichert + QLatin1Char('\n') + Pfad("alt.kvd") + QLatin1Char('\n') +
                                        QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_TRUE(Meldung.Meldungen[1].startsWith(nichtGespeichert));
}

// New resets the windows to the listed defaults (read back from the file it
// then saves) and leaves functions 10..12 and unused slots alone.
TEST_F(DokumentTest, NewWritesTheDefaultsAndLeavesTenToTwelve)
{
    ZeichnungBauen();
    Beschriftungen[3].Text = "weg";
    Form1->SpeedButton3Click();
    EXPECT_EQ(Modus, ModusUrsprung);
    EXPECT_EQ(Funktionen[0], Funktionen[1]);
    EXPECT_EQ(Form1->GroupBox2->title(), QStringLiteral(" Eigenschaft Graph (1.) "));
    EXPECT_EQ(Funktionen[3]->GetTerm(), "f(x) = ");
    EXPECT_EQ(Funktionen[3]->GetColor(), clGreen);
    EXPECT_EQ(Funktionen[3]->GetTStep(), 1.0);
    EXPECT_EQ(Funktionen[3]->GetKind(), " Funktion ");
    EXPECT_EQ(Beschriftungen[3].Text, "");
    EXPECT_DOUBLE_EQ(Beschriftungen[3].Y, 2.8);
    EXPECT_DOUBLE_EQ(Beschriftungen[10].Y, 9.8);
    EXPECT_EQ(Punkte[2].X, "");
    EXPECT_EQ(Kreise[13].Reserve8[5], 7);  // unused slots keep their contents
    EXPECT_EQ(Funktionen[11]->GetReserved1(), -11);

    SpeichernAls(Pfad("neu"));
    const QByteArray daten = Lesen(Pfad("neu.kvd"));
    ASSERT_EQ(daten.size(), 115441);
    EXPECT_EQ(daten[115440], '\0');
    for (int o : {28, 48, 1336, 1596, 4160, 4676})  // zero where nothing is written
        EXPECT_EQ(daten[o], '\0') << o;
    const DokumentErgebnis e = DecodeDokument(Vektor(daten));
    ASSERT_TRUE(e.Ok());
    const TDokumentKopf& k = e.Bild.Kopf;
    EXPECT_EQ(std::tuple(k.XMin, k.XMax, k.YMax, k.YMin), std::tuple(-5, 6, 8, -2));
    EXPECT_EQ(std::tuple(k.TrackBar1, k.TrackBar2, k.Marke, k.EinheitX, k.EinheitY), std::tuple(1, 1, 1, 1.0, 1.0));
    EXPECT_EQ(std::tuple(k.XAchse, k.YAchse, k.YLaenge, k.XLaenge, k.Gitter),
              std::tuple("x", "y", "10", "11", "1b"));
    EXPECT_EQ(std::tuple(k.Zahlen, k.Farbig, k.Achsen, k.FunktionNr), std::tuple(1, 1, 1, 1));
    EXPECT_EQ(std::tuple(k.Gleichung, k.Evonx, k.Estept, k.RechnerX, k.RechnerT, k.FunktionWahl),
              std::tuple("f(x) = x^2", "-100", "1", "0", "0", "1."));
    EXPECT_EQ(e.Bild.Funktionen[0].Term, "f(x) = x^2");
    EXPECT_EQ(e.Bild.Funktionen[1].Color, clRed);
    EXPECT_EQ(e.Bild.Funktionen[2].Term, "f(x) = ");
    for (std::size_t i = 13; i < e.Bild.Funktionen.size(); ++i)
        EXPECT_TRUE(e.Bild.Funktionen[i] == TFunktionSatz{}) << i;
    EXPECT_EQ(e.Bild.Funktionen[10].Term, "f(x) = 10");
    EXPECT_EQ(e.Bild.Funktionen[12].Reserved2, 12.5);
    EXPECT_EQ(e.Bild.Funktionen[12].Color2, 0x00ABCDEFu);
}

TEST_F(DokumentTest, NewFromTheGraphWindowKeepsItsPlaceAndTheOptionShowsTheTable)
{
    Graphik->show();
    Graphik->move(Form1->frameGeometry().right() + 300, 150);
    Graphik->resize(Graphik->width() + 37, Graphik->height() + 23);
    const QRect vorher = Graphik->geometry();
    // Its own New button is pressed while it is the active window.
    Graphik->activateWindow();
    QApplication::setActiveWindow(Graphik);
    if (QApplication::activeWindow() != Graphik)
        GTEST_SKIP() << "no active window on this platform";
    Graphik->LayoutHalten = true;
    Form1->SpeedButton3Click();
    Graphik->LayoutHalten = false;
    EXPECT_EQ(Graphik->geometry(), vorher);
    EXPECT_EQ(Graphik->Edit3->text(), QStringLiteral("f(x) = x^2"));

    // The main window's New puts it back beside the main window.
    Form1->SpeedButton3Click();
    EXPECT_NE(Graphik->geometry(), vorher);

    Einstellungen.MitWertetabelle = 1;
    Form2->hide();
    Form1->Wertetabelle1->setChecked(false);
    Form1->SpeedButton3Click();
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_TRUE(Form1->Wertetabelle1->isChecked());
    Einstellungen.MitWertetabelle = 0;
    Form1->SpeedButton3Click();
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_FALSE(Form1->Wertetabelle1->isChecked());
}

TEST_F(DokumentTest, OlderFormatAndPointFontRepair)
{
    DokumentErgebnis e = Gespeichert("a.kvd");
    e.Bild.Kopf.Marke = 0;
    e.Bild.Kopf.TrackBar2 = 5;
    e.Bild.Kopf.EinheitX = 4;
    e.Bild.Punkte[4].Font = TSchrift{};
    e.Bild.Punkte[4].Color = clGreen;
    e.Bild.Punkte[5].Font.Name = "Courier";
    e.Bild.Punkte[5].Font.Size = 20;
    Ablegen("alt.kvd", e.Bild);
    ASSERT_TRUE(Form1->oeffne(Pfad("alt.kvd").toStdString()));
    EXPECT_EQ(Graphik->TrackBar2->value(), 6);
    EXPECT_EQ(Graphik->EinheitX, 4.0);
    EXPECT_EQ(Punkte[4].Font.Name, "Tahoma");
    EXPECT_EQ(Punkte[4].Font.Size, 10);
    EXPECT_EQ(Punkte[4].Font.Color, clGreen);
    EXPECT_EQ(Punkte[5].Font.Name, "Courier");
    EXPECT_EQ(Punkte[5].Font.Size, 20);
    // Saved again it is a document of the current format.
    const DokumentErgebnis n = Gespeichert("neu.kvd");
    EXPECT_EQ(n.Bild.Kopf.Marke, 1);
    EXPECT_EQ(n.Bild.Kopf.TrackBar2, 6);
}

class StartvorlageTest : public DokumentTest {
protected:
    void VorlageAnlegen()
    {
        ASSERT_TRUE(QDir().mkpath(Einstellungsordner()));
        Form1->Edit1->setText(QStringLiteral("f(x) = 42"));
        Graphik->XMin = -1;
        Graphik->XMax = 10;
        ASSERT_TRUE(Form1->speichere(Startvorlage().toStdString()));
        Einstellungen.Startvorlage = 1;
    }
    // A mouse event on New at `ort`, in the button's own coordinates.
    static void Maus(QEvent::Type art, Qt::MouseButtons gedrueckt, QPointF ort = {-1, -1})
    {
        QToolButton* b = Form1->SpeedButton3;
        if (ort.x() < 0)
            ort = QPointF(b->width() / 2.0, b->height() / 2.0);
        QMouseEvent e(art, ort, b->mapToGlobal(ort), Qt::LeftButton, gedrueckt, Qt::NoModifier);
        QApplication::sendEvent(b, &e);
    }
    static void MausDruckAufNeu()
    {
        Maus(QEvent::MouseButtonPress, Qt::LeftButton);
        Maus(QEvent::MouseButtonRelease, Qt::NoButton);
    }
};

TEST_F(StartvorlageTest, OnlyAMouseClickOnNewLoadsTheTemplate)
{
    VorlageAnlegen();
    // The start has used up the request of the main window's creation.
    EXPECT_FALSE(Form1->StartvorlageLaden);

    Form1->Neu1->trigger();  // the menu item
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = x^2"));
    Form1->SpeedButton3->click();  // a click without the mouse (keyboard)
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = x^2"));

    MausDruckAufNeu();
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = 42"));
    EXPECT_EQ(Graphik->XMin, -1);
    EXPECT_FALSE(Form1->StartvorlageLaden);

    // Every New uses up the request, also one whose template is missing.
    Einstellungen.Startvorlage = 0;
    Form1->SpeedButton3MouseDown();
    Form1->SpeedButton3Click();
    EXPECT_FALSE(Form1->StartvorlageLaden);
    Einstellungen.Startvorlage = 1;
    Form1->SpeedButton3Click();
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = x^2"));
}

TEST_F(StartvorlageTest, APressDraggedOffTheButtonAsksForNothing)
{
    VorlageAnlegen();
    // Pressed on New, released beside it: no New ran, and none that follows
    // (the menu, an example) may take the request over.
    Maus(QEvent::MouseButtonPress, Qt::LeftButton);
    Maus(QEvent::MouseButtonRelease, Qt::NoButton, QPointF(Form1->SpeedButton3->width() + 40.0, 5));
    EXPECT_FALSE(Form1->StartvorlageLaden);

    Form1->Neu1->trigger();
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = x^2"));
    EXPECT_EQ(Graphik->XMin, -5);
}

TEST_F(StartvorlageTest, ADoubleClickOnNewLoadsTheTemplateBothTimes)
{
    VorlageAnlegen();
    // The second press of a double click arrives as a double-click event;
    // it is a mouse press on New all the same.
    MausDruckAufNeu();
    ASSERT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = 42"));
    Form1->Edit1->setText(QStringLiteral("f(x) = 7"));
    Maus(QEvent::MouseButtonDblClick, Qt::LeftButton);
    Maus(QEvent::MouseButtonRelease, Qt::NoButton);
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = 42"));
    EXPECT_FALSE(Form1->StartvorlageLaden);
}

}  // namespace
