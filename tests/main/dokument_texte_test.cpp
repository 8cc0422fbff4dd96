// Documents keep the texts as the windows show them: what was typed into the
// editor, the graph window's captions and lengths, the value table's
// calculator and the function's choice, odd ones included; a document opened
// and saved again is the same file.

#include "programm_fixture.h"

#include "bench/volles_dokument.h"
#include "engine/dokument.h"
#include "platform/dateidialog.h"
#include "tools/wertetabelle_fenster.h"

#include <QFile>
#include <QTest>

namespace {

struct DateiDialog : TDateiDialog {
    QString Pfad;
    std::optional<QString> Speichern(QWidget*, const QString&, const QString&) override { return Pfad; }
    std::optional<QString> Oeffnen(QWidget*, const QString&, const QString&) override { return Pfad; }
};

class DokumentTexteTest : public GestartetTest {
protected:
    QTemporaryDir Ordner;
    DateiDialog Dialog;

    void SetUp() override
    {
        GestartetTest::SetUp();
        ASSERT_TRUE(Ordner.isValid());
        SetDateiDialog(&Dialog);
    }
    void TearDown() override
    {
        SetDateiDialog(nullptr);
        GestartetTest::TearDown();
    }

    QByteArray Speichern(const char* name)
    {
        Dialog.Pfad = Ordner.filePath(QString::fromLatin1(name));
        Form1->SpeedButton6Click();
        return DateiLesen(Dialog.Pfad);
    }
    void Oeffnen(const char* name)
    {
        Dialog.Pfad = Ordner.filePath(QString::fromLatin1(name));
        Form1->SpeedButton7Click();
    }
    static void Tippen(QComboBox* liste, const QString& text)
    {
        liste->setEditText(text);
        emit liste->lineEdit()->textEdited(text);
    }
};

}  // namespace

TEST_F(DokumentTexteTest, OddTextsAreStoredAsShownAndComeBackTheSame)
{
    // Blanks around the equation, a range that is no number, one typed with
    // the other separator (shown with the program's), a step of 0 (not
    // taken), captions with the characters of the code page and one of full
    // length, lengths typed, the calculator's x with a trailing zero, a
    // choice of the function that names none.
    const QString lang(255, QLatin1Char('y'));
    // The choice first: choosing shows the function's ranges anew.
    Tippen(Form1->ComboBox1, QStringLiteral("eins"));
    Form1->Edit1->setText(QStringLiteral("  f(x,t) =  t*x^2 + 1  "));
    Form1->Evonx->setText(QStringLiteral("-3,50"));
    Form1->Ebisx->setText(QStringLiteral("abc"));
    Form1->Evont->setText(QStringLiteral("1.5"));
    Form1->Estept->setText(QStringLiteral("0"));
    Graphik->Edit1->setText(QString::fromUtf8("€ Zeit „t“ in s"));
    Graphik->Edit2->setText(lang);
    Tippen(Graphik->ComboBox2, QStringLiteral("13"));
    Form2->Edit2->setText(QStringLiteral("2,50"));
    Form2->Edit3->setText(QStringLiteral("-1"));

    const QByteArray erst = Speichern("a.kvd");
    const DokumentErgebnis e = DecodeDokument(std::vector<std::uint8_t>(erst.begin(), erst.end()));
    ASSERT_TRUE(e.Ok());
    const TDokumentKopf& k = e.Bild.Kopf;
    EXPECT_EQ(std::tuple(k.Gleichung, k.Evonx, k.Ebisx, k.Evont, k.Estept),
              std::tuple("  f(x,t) =  t*x^2 + 1  ", "-3,50", "abc", "1,5", "0"));
    EXPECT_EQ(std::tuple(k.XAchse, k.YAchse, k.XLaenge, k.YLaenge),
              std::tuple(std::string("€ Zeit „t“ in s"), lang.toStdString(), "13", "10"));
    EXPECT_EQ(std::tuple(k.RechnerX, k.RechnerT, k.RechnerErgebnis, k.FunktionWahl),
              std::tuple("2,50", "-1", Form2->EditErgebnis->text().toStdString(), "eins"));
    EXPECT_EQ(k.RechnerErgebnis, " -5,25");  // -1 * 2,5^2 + 1

    // Opened into a fresh drawing and saved again: the same bytes.
    Form1->SpeedButton3Click();
    Oeffnen("a.kvd");
    EXPECT_EQ(std::tuple(Form1->Ebisx->text(), Graphik->Edit1->text(), Graphik->ComboBox2->currentText(),
                         Form1->ComboBox1->currentText()),
              std::tuple(QStringLiteral("abc"), QString::fromUtf8("€ Zeit „t“ in s"), QStringLiteral("13"),
                         QStringLiteral("eins")));
    EXPECT_TRUE(Speichern("b.kvd") == erst);
    EXPECT_TRUE(Meldung.Meldungen.empty());
}

// Save takes what the state holds, not a window's field: the state changed
// without a window shows up in the file.
TEST_F(DokumentTexteTest, SaveReadsTheState)
{
    Zustand.Ansicht.XAchse = "Zeit";
    Zustand.Rechner.X = "7";
    Zustand.Editor[TEditorFeld::XBis].Text = "9,5";
    Zustand.Editor.Auswahl.Text = "4.";
    const QByteArray b = Speichern("z.kvd");
    const DokumentErgebnis e = DecodeDokument(std::vector<std::uint8_t>(b.begin(), b.end()));
    ASSERT_TRUE(e.Ok());
    EXPECT_EQ(std::tuple(e.Bild.Kopf.XAchse, e.Bild.Kopf.RechnerX, e.Bild.Kopf.Ebisx, e.Bild.Kopf.FunktionWahl),
              std::tuple("Zeit", "7", "9,5", "4."));
}

// The fullest document the windows can make (every tool window's rows, nine
// families) comes back from an open as it was stored: every field of every
// tool window echoes its text into the tables, and none of them may change
// a byte.
TEST_F(DokumentTexteTest, TheFullestDocumentOpenedAndSavedIsTheSameFile)
{
    TDokumentBild bild = VollesDokument();
    // The calculator's result as Open computes it for the stored x = 1 and
    // t = 2 (2 * 1^2 - 3).
    bild.Kopf.RechnerErgebnis = " -1";
    const std::vector<std::uint8_t> v = EncodeDokument(bild);
    Dialog.Pfad = Ordner.filePath(QStringLiteral("voll.kvd"));
    QFile datei(Dialog.Pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(reinterpret_cast<const char*>(v.data()), static_cast<qint64>(v.size()));
    datei.close();

    Oeffnen("voll.kvd");
    const QByteArray erst = Speichern("wieder.kvd");
    const QByteArray ur(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
    EXPECT_TRUE(erst == ur);
    EXPECT_TRUE(Meldung.Meldungen.empty());
}
