// Documents through the main window's own commands: Save as, Open, New and
// the reader, with the file dialogs, questions and messages answered by
// fakes.

#include "programm_fixture.h"

#include "engine/dokument.h"
#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "main/dateidialog.h"
#include "main/form1.h"
#include "main/wertetabelle_fenster.h"
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

#include <cmath>
#include <limits>
#include <random>

namespace {

struct FakeDateiDialog : TDateiDialog {
    std::optional<QString> Antwort;
    int Aufrufe = 0;
    std::optional<QString> Speichern(QWidget*, const QString&) override { return ++Aufrufe, Antwort; }
    std::optional<QString> Oeffnen(QWidget*, const QString&) override { return ++Aufrufe, Antwort; }
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

TEST_F(DokumentTest, FreshDocumentHasTheListedHeader)
{
    Form1->SpeedButton3Click();
    SpeichernAls(Pfad("neu"));
    const QByteArray daten = Lesen(Pfad("neu.kvd"));
    ASSERT_EQ(daten.size(), 115441);
    EXPECT_EQ(daten[115440], '\0');
    const DokumentErgebnis e = DecodeDokument(Vektor(daten));
    ASSERT_TRUE(e.Ok());
    const TDokumentKopf& k = e.Bild.Kopf;
    EXPECT_EQ(k.XMin, -5);
    EXPECT_EQ(k.XMax, 6);
    EXPECT_EQ(k.YMax, 8);
    EXPECT_EQ(k.YMin, -2);
    EXPECT_EQ(k.TrackBar1, 1);
    EXPECT_EQ(k.TrackBar2, 1);
    EXPECT_EQ(k.Marke, 1);
    EXPECT_EQ(k.EinheitX, 1.0);
    EXPECT_EQ(k.EinheitY, 1.0);
    EXPECT_EQ(k.XAchse, "x");
    EXPECT_EQ(k.YAchse, "y");
    EXPECT_EQ(k.YLaenge, "10");
    EXPECT_EQ(k.XLaenge, "11");
    EXPECT_EQ(k.Gitter, "1b");
    EXPECT_EQ(k.Zahlen, 1);
    EXPECT_EQ(k.Farbig, 1);
    EXPECT_EQ(k.Achsen, 1);
    EXPECT_EQ(k.Gleichung, "f(x) = x^2");
    EXPECT_EQ(k.Evonx, "-100");
    EXPECT_EQ(k.Estept, "1");
    EXPECT_EQ(k.RechnerX, "0");
    EXPECT_EQ(k.RechnerT, "0");
    EXPECT_EQ(k.FunktionWahl, "1.");
    EXPECT_EQ(k.FunktionNr, 1);
    EXPECT_EQ(e.Bild.Funktionen[0].Term, "f(x) = x^2");
    EXPECT_EQ(e.Bild.Funktionen[1].Color, clRed);
    EXPECT_EQ(e.Bild.Funktionen[2].Term, "f(x) = ");
    for (std::size_t i = 13; i < e.Bild.Funktionen.size(); ++i)
        EXPECT_TRUE(e.Bild.Funktionen[i] == TFunktionSatz{}) << i;
    // Zero where nothing is written.
    for (int o : {28, 48, 1336, 1596, 4160, 4676})
        EXPECT_EQ(daten[o], '\0') << o;
}

TEST_F(DokumentTest, OpenThenSaveIsByteIdentical)
{
    ZeichnungBauen();
    SpeichernAls(Pfad("a.kvd"));
    const QByteArray a = Lesen(Pfad("a.kvd"));
    ASSERT_EQ(a.size(), 115441);

    Form1->SpeedButton3Click();
    EXPECT_NE(Zustand(), a);
    OeffnenAus(Pfad("a.kvd"));
    EXPECT_EQ(Graphik->XMin, -20);
    EXPECT_EQ(FunktionNr, 3);
    EXPECT_EQ(Funktionen[12]->GetColor2(), 0x00ABCDEFu);
    SpeichernAls(Pfad("b.kvd"));
    EXPECT_TRUE(Lesen(Pfad("b.kvd")) == a);
    EXPECT_TRUE(Meldung.Meldungen.empty());
}

TEST_F(DokumentTest, ReservedBytesAndUnusedRecordsSurvive)
{
    SpeichernAls(Pfad("a.kvd"));
    DokumentErgebnis e = DecodeDokument(Vektor(Lesen(Pfad("a.kvd"))));
    ASSERT_TRUE(e.Ok());
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
    const QByteArray c = Bytes(EncodeDokument(e.Bild));
    Schreiben(Pfad("c.kvd"), c);

    OeffnenAus(Pfad("c.kvd"));
    EXPECT_TRUE(Graphik->CB2->isChecked());
    SpeichernAls(Pfad("d.kvd"));
    EXPECT_TRUE(Lesen(Pfad("d.kvd")) == c);
}

TEST_F(DokumentTest, SentinelValuesComeBackInTheirWindowFields)
{
    SpeichernAls(Pfad("a.kvd"));
    DokumentErgebnis e = DecodeDokument(Vektor(Lesen(Pfad("a.kvd"))));
    ASSERT_TRUE(e.Ok());
    TDokumentKopf& k = e.Bild.Kopf;
    k.XMin = -31;
    k.XMax = -17;
    k.YMax = 42;
    k.YMin = 29;
    k.TrackBar1 = 4;
    k.TrackBar2 = 8;
    k.EinheitX = 0.3;  // the stored unit wins over the track bar's
    k.EinheitY = 7.5;
    k.XAchse = "Zeit t";
    k.YAchse = "Weg s";
    k.YLaenge = "13";
    k.XLaenge = "14";
    k.Gitter = "5a";
    k.Zahlen = 0;
    k.Farbig = 1;
    k.Achsen = 0;
    k.Evonx = "-7";
    k.Ebisx = "8";
    k.Evont = "2";
    k.Ebist = "9";
    k.Estept = "0,25";
    k.Gleichung = "h(x) = x^3-1";
    k.RechnerX = "2";
    k.RechnerT = "-3";
    k.FunktionWahl = "4.";
    k.FunktionNr = 4;
    TFunktionSatz& r = e.Bild.Funktionen[0];
    r.Term = "h(x) = x^3-1";
    r.XFrom = -7;
    r.XTo = 8;
    r.TFrom = 2;
    r.TTo = 9;
    r.TStep = 0.25;
    r.Color = 0x00102030;
    r.Color2 = 0x00405060;
    r.LineStyle = 7;
    r.Reserved1 = 1234;
    r.Reserved2 = -0.5;
    e.Bild.Funktionen[4] = r;
    e.Bild.Funktionen[9].Term = "f(x) = 9";
    e.Bild.Funktionen[9].Kind = " Funktionenschar ";
    e.Bild.Funktionen[11].Term = "f(x) = 11";
    e.Bild.Punkte[7].X = "3";
    Schreiben(Pfad("s.kvd"), Bytes(EncodeDokument(e.Bild)));

    OeffnenAus(Pfad("s.kvd"));
    EXPECT_TRUE(Meldung.Meldungen.empty());
    EXPECT_EQ(Graphik->XMin, -31);
    EXPECT_EQ(Graphik->XMax, -17);
    EXPECT_EQ(Graphik->YMax, 42);
    EXPECT_EQ(Graphik->YMin, 29);
    EXPECT_EQ(Graphik->TrackBar1->value(), 4);
    EXPECT_EQ(Graphik->TrackBar2->value(), 8);
    EXPECT_EQ(Graphik->EinheitX, 0.3);
    EXPECT_EQ(Graphik->EinheitY, 7.5);
    EXPECT_EQ(Graphik->Edit1->text(), QStringLiteral("Zeit t"));
    EXPECT_EQ(Graphik->Edit2->text(), QStringLiteral("Weg s"));
    EXPECT_EQ(Graphik->ComboBox1->currentText(), QStringLiteral("13"));
    EXPECT_EQ(Graphik->ComboBox2->currentText(), QStringLiteral("14"));
    EXPECT_EQ(Graphik->ComboBox2a->currentText(), QStringLiteral("7"));
    EXPECT_EQ(Graphik->Gitter, "5a");
    EXPECT_FALSE(Graphik->CB4->isChecked());
    EXPECT_TRUE(Graphik->CB2->isChecked());
    EXPECT_FALSE(Graphik->CB3->isChecked());
    EXPECT_EQ(Form1->Evonx->text(), QStringLiteral("-7"));
    EXPECT_EQ(Form1->Ebisx->text(), QStringLiteral("8"));
    EXPECT_EQ(Form1->Evont->text(), QStringLiteral("2"));
    EXPECT_EQ(Form1->Ebist->text(), QStringLiteral("9"));
    EXPECT_EQ(Form1->Estept->text(), QStringLiteral("0,25"));
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("h(x) = x^3-1"));
    EXPECT_EQ(Form1->ComboBox1->currentText(), QStringLiteral("4."));
    EXPECT_EQ(Form2->Edit2->text(), QStringLiteral("2"));
    EXPECT_EQ(Form2->Edit3->text(), QStringLiteral("-3"));
    EXPECT_EQ(Form2->EditErgebnis->text(), QStringLiteral(" 7"));  // recomputed: 2^3 - 1
    EXPECT_EQ(Form1->GroupBox2->title(), QStringLiteral(" Eigenschaft Graph (4.) "));
    EXPECT_EQ(Form1->ComboBox2->currentIndex(), 7);
    EXPECT_EQ(Graphik->ComboBox4->currentIndex(), 7);
    EXPECT_EQ(Schriftfarbe(Form1->Edit1), 0x00102030u);
    EXPECT_EQ(Schriftfarbe(Form1->SFarbe2), 0x00405060u);
    EXPECT_EQ(Graphik->ComboBox3->currentText(), QStringLiteral("4."));

    EXPECT_EQ(FunktionNr, 4);
    ASSERT_EQ(Funktionen[0], Funktionen[4]);
    const TFunktion& f = *Funktionen[4];
    EXPECT_EQ(f.GetTerm(), "h(x) = x^3-1");
    EXPECT_TRUE(f.GetCompiled());
    EXPECT_EQ(f.GetXFrom(), -7.0);
    EXPECT_EQ(f.GetTStep(), 0.25);
    EXPECT_EQ(f.GetLineStyle(), 7);
    EXPECT_EQ(f.GetReserved1(), 1234);
    EXPECT_EQ(f.GetReserved2(), -0.5);
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

TEST_F(DokumentTest, DamagedValuesAreMendedOnLoad)
{
    SpeichernAls(Pfad("a.kvd"));
    const DokumentErgebnis gut = DecodeDokument(Vektor(Lesen(Pfad("a.kvd"))));
    ASSERT_TRUE(gut.Ok());
    struct Fall {
        const char* name;
        std::function<void(TDokumentBild&)> schaden;
        std::function<void()> pruefen;
    };
    const std::vector<Fall> faelle = {
        {"NaN units",
         [](TDokumentBild& b) { b.Kopf.EinheitX = b.Kopf.EinheitY = std::numeric_limits<double>::quiet_NaN(); },
         [] {
             EXPECT_EQ(Graphik->EinheitX, 1.0);
             EXPECT_EQ(Graphik->EinheitY, 1.0);
         }},
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
        {"FunktionNr 0", [](TDokumentBild& b) { b.Kopf.FunktionNr = 0; }, [] { EXPECT_EQ(FunktionNr, 1); }},
        {"FunktionNr 99", [](TDokumentBild& b) { b.Kopf.FunktionNr = 99; }, [] { EXPECT_EQ(FunktionNr, 1); }},
        {"t step 0",
         [](TDokumentBild& b) {
             b.Funktionen[0].TStep = 0;
             b.Funktionen[2].TStep = 0;
         },
         [] {
             EXPECT_EQ(Funktionen[1]->GetTStep(), 1.0);
             EXPECT_EQ(Funktionen[2]->GetTStep(), 1.0);
         }},
        {"styles and kind",
         [](TDokumentBild& b) {
             b.Funktionen[3].LineStyle = 40;
             b.Funktionen[3].Kind = "Unsinn";
             b.Senkrechte[1].LineStyle = -3;
         },
         [] {
             EXPECT_EQ(Funktionen[3]->GetLineStyle(), 1);
             EXPECT_EQ(Funktionen[3]->GetKind(), " Funktion ");
             EXPECT_EQ(Senkrechte[1].LineStyle, 1);
         }},
    };
    for (const Fall& c : faelle) {
        Meldung.Meldungen.clear();
        TDokumentBild b = gut.Bild;
        c.schaden(b);
        Schreiben(Pfad("m.kvd"), Bytes(EncodeDokument(b)));
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
    SpeichernAls(Pfad("a.kvd"));
    DokumentErgebnis e = DecodeDokument(Vektor(Lesen(Pfad("a.kvd"))));
    ASSERT_TRUE(e.Ok());
    ASSERT_EQ(e.Bild.Kopf.Gleichung, Form1->Edit1->text().toStdString());
    e.Bild.Kopf.XMin = 10;
    e.Bild.Kopf.XMax = 21;
    Schreiben(Pfad("v.kvd"), Bytes(EncodeDokument(e.Bild)));
    Form2->FillValueTable();
    ASSERT_EQ(Form2->Zelle(1, 0), QStringLiteral("-6"));

    OeffnenAus(Pfad("v.kvd"));
    EXPECT_EQ(Form2->Zelle(1, 0), QStringLiteral("9"));  // 10 + 11 div 2 - 6
    EXPECT_EQ(Form2->Zelle(1, 1), QStringLiteral("81,00"));
}

TEST_F(DokumentTest, OverwriteQuestionAndExtensionRule)
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
}

TEST_F(DokumentTest, FailedSaveSaysSo)
{
    EXPECT_FALSE(Form1->speichere(Pfad("fehlt/nirgends.kvd").toStdString()));
    ASSERT_EQ(Meldung.Meldungen.size(), 1u);
    EXPECT_TRUE(Meldung.Meldungen[0].startsWith(QString::fromStdString(Texte[572])));
    EXPECT_FALSE(QFileInfo::exists(Pfad("fehlt/nirgends.kvd")));
}

TEST_F(DokumentTest, NewWritesTheDefaultsAndLeavesTenToTwelve)
{
    ZeichnungBauen();
    Beschriftungen[3].Text = "weg";
    Form1->SpeedButton3Click();

    EXPECT_EQ(Graphik->XMin, -5);
    EXPECT_EQ(Graphik->XMax, 6);
    EXPECT_EQ(Graphik->YMin, -2);
    EXPECT_EQ(Graphik->YMax, 8);
    EXPECT_EQ(Graphik->EinheitX, 1.0);
    EXPECT_EQ(Graphik->TrackBar2->value(), 1);
    EXPECT_EQ(Graphik->TrackBar1->value(), 1);
    EXPECT_EQ(Graphik->Edit1->text(), QStringLiteral("x"));
    EXPECT_TRUE(Graphik->CB4->isChecked());
    EXPECT_EQ(Graphik->Gitter, "1b");
    EXPECT_EQ(Modus, 1);
    EXPECT_EQ(FunktionNr, 1);
    EXPECT_EQ(Funktionen[0], Funktionen[1]);
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = x^2"));
    EXPECT_EQ(Form1->Evonx->text(), QStringLiteral("-100"));
    EXPECT_EQ(Form1->ComboBox1->currentText(), QStringLiteral("1."));
    EXPECT_EQ(Form1->GroupBox2->title(), QStringLiteral(" Eigenschaft Graph (1.) "));
    EXPECT_EQ(Form2->Edit2->text(), QStringLiteral("0"));
    EXPECT_EQ(Form2->Edit3->text(), QStringLiteral("0"));
    EXPECT_EQ(Funktionen[3]->GetTerm(), "f(x) = ");
    EXPECT_EQ(Funktionen[3]->GetColor(), clGreen);
    EXPECT_EQ(Funktionen[3]->GetTStep(), 1.0);
    EXPECT_EQ(Funktionen[3]->GetKind(), " Funktion ");
    EXPECT_EQ(Beschriftungen[3].Text, "");
    EXPECT_DOUBLE_EQ(Beschriftungen[3].Y, 2.8);
    EXPECT_DOUBLE_EQ(Beschriftungen[10].Y, 9.8);
    EXPECT_EQ(Punkte[2].X, "");
    EXPECT_EQ(Kreise[13].Reserve8[5], 7);  // unused slots keep their contents

    EXPECT_EQ(Funktionen[10]->GetTerm(), "f(x) = 10");
    EXPECT_EQ(Funktionen[11]->GetReserved1(), -11);
    SpeichernAls(Pfad("neu.kvd"));
    const DokumentErgebnis e = DecodeDokument(Vektor(Lesen(Pfad("neu.kvd"))));
    ASSERT_TRUE(e.Ok());
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
    SpeichernAls(Pfad("a.kvd"));
    DokumentErgebnis e = DecodeDokument(Vektor(Lesen(Pfad("a.kvd"))));
    ASSERT_TRUE(e.Ok());
    e.Bild.Kopf.Marke = 0;
    e.Bild.Kopf.TrackBar2 = 5;
    e.Bild.Kopf.EinheitX = 4;
    e.Bild.Punkte[4].Font = TSchrift{};
    e.Bild.Punkte[4].Color = clGreen;
    e.Bild.Punkte[5].Font.Name = "Courier";
    e.Bild.Punkte[5].Font.Size = 20;
    Schreiben(Pfad("alt.kvd"), Bytes(EncodeDokument(e.Bild)));
    ASSERT_TRUE(Form1->oeffne(Pfad("alt.kvd").toStdString()));
    EXPECT_EQ(Graphik->TrackBar2->value(), 6);
    EXPECT_EQ(Graphik->EinheitX, 4.0);
    EXPECT_EQ(Punkte[4].Font.Name, "Tahoma");
    EXPECT_EQ(Punkte[4].Font.Size, 10);
    EXPECT_EQ(Punkte[4].Font.Color, clGreen);
    EXPECT_EQ(Punkte[5].Font.Name, "Courier");
    EXPECT_EQ(Punkte[5].Font.Size, 20);
    // Saved again it is a document of the current format.
    SpeichernAls(Pfad("neu.kvd"));
    const DokumentErgebnis n = DecodeDokument(Vektor(Lesen(Pfad("neu.kvd"))));
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
    static void MausDruckAufNeu()
    {
        QToolButton* b = Form1->SpeedButton3;
        const QPointF mitte(b->width() / 2.0, b->height() / 2.0);
        QMouseEvent druck(QEvent::MouseButtonPress, mitte, b->mapToGlobal(mitte), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(b, &druck);
        QMouseEvent los(QEvent::MouseButtonRelease, mitte, b->mapToGlobal(mitte), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
        QApplication::sendEvent(b, &los);
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
    QToolButton* b = Form1->SpeedButton3;
    const QPointF mitte(b->width() / 2.0, b->height() / 2.0);
    const QPointF daneben(b->width() + 40.0, b->height() / 2.0);
    QMouseEvent druck(QEvent::MouseButtonPress, mitte, b->mapToGlobal(mitte), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(b, &druck);
    QMouseEvent los(QEvent::MouseButtonRelease, daneben, b->mapToGlobal(daneben), Qt::LeftButton, Qt::NoButton,
                    Qt::NoModifier);
    QApplication::sendEvent(b, &los);
    EXPECT_FALSE(Form1->StartvorlageLaden);

    Form1->Neu1->trigger();
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = x^2"));
    EXPECT_EQ(Graphik->XMin, -5);
}

TEST_F(StartvorlageTest, ADoubleClickOnNewLoadsTheTemplateBothTimes)
{
    VorlageAnlegen();
    QToolButton* b = Form1->SpeedButton3;
    const QPointF mitte(b->width() / 2.0, b->height() / 2.0);
    auto senden = [&](QEvent::Type art, Qt::MouseButtons gedrueckt) {
        QMouseEvent e(art, mitte, b->mapToGlobal(mitte), Qt::LeftButton, gedrueckt, Qt::NoModifier);
        QApplication::sendEvent(b, &e);
    };
    // The second press of a double click arrives as a double-click event;
    // it is a mouse press on New all the same.
    senden(QEvent::MouseButtonPress, Qt::LeftButton);
    senden(QEvent::MouseButtonRelease, Qt::NoButton);
    ASSERT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = 42"));
    Form1->Edit1->setText(QStringLiteral("f(x) = 7"));
    senden(QEvent::MouseButtonDblClick, Qt::LeftButton);
    senden(QEvent::MouseButtonRelease, Qt::NoButton);
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = 42"));
    EXPECT_FALSE(Form1->StartvorlageLaden);
}

TEST_F(DokumentTest, OpenHidesTheToolWindowsAndCancelDoesNothing)
{
    SpeichernAls(Pfad("a.kvd"));
    PunkteDlg->show();
    Dialog.Antwort.reset();
    Form1->SpeedButton7Click();
    EXPECT_TRUE(PunkteDlg->isVisible());
    OeffnenAus(Pfad("a.kvd"));
    EXPECT_FALSE(PunkteDlg->isVisible());
}

}  // namespace
