// Start-up and shut-down: the settings file, the command line, the splash
// fade and the quit question.

#include "programm_fixture.h"

#include "engine/funktion.h"
#include "graph/graphik.h"
#include "main/form1.h"
#include "main/splash.h"
#include "main/wertetabelle_fenster.h"
#include "tools/beschriftung_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <cmath>

namespace {

// Qt's own texts follow the language (here the Yes button of a question).
QString JaKnopf()
{
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text();
}

void ErwarteDeutschUndCm()
{
    EXPECT_TRUE(Form1->deutsch1->isChecked());
    EXPECT_FALSE(Form1->english1->isChecked());
    EXPECT_TRUE(Form1->cm->isChecked());
    EXPECT_FALSE(Form1->Inch->isChecked());
    EXPECT_EQ(Dezimaltrenner(), ',');
    EXPECT_EQ(Form1->BKomma->text(), QStringLiteral(","));
    EXPECT_EQ(JaKnopf(), QStringLiteral("&Ja"));
}

void ErwarteStartgleichung()
{
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = x^2"));
    EXPECT_EQ(Feldfarbe(Form1->Edit1), FarbeGueltig);
    ASSERT_NE(Funktionen[1], nullptr);
    EXPECT_TRUE(Funktionen[1]->GetCompiled());
    EXPECT_EQ(Funktionen[0], Funktionen[1]);
}

}  // namespace

TEST_F(ProgrammTest, StartWithoutSettingsFileUsesTheDefaults)
{
    Starten();
    ErwarteDeutschUndCm();
    ErwarteStartgleichung();
    EXPECT_EQ(Form1->windowTitle(), QStringLiteral("Tessaplun 8"));
    EXPECT_EQ(Form1->centralWidget()->size(), QSize(411, 546));
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_TRUE(Graphik->isVisible());
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_FALSE(Form1->mitWertetabellestarten1->isChecked());
    EXPECT_DOUBLE_EQ(Graphik->Massstab, 1.0);
    EXPECT_TRUE(Funktionen[13]->GetCompiled());  // the x-axis of the areas
    EXPECT_EQ(Funktionen[13]->GetTerm(), "f(x) = 0");

    // With no display name of its own the program's windows keep their
    // captions on X11; the display name then follows the application name.
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Tessaplun 8"));
    QCoreApplication::setApplicationName(QStringLiteral("Probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Probe"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessaplun 8"));
    EXPECT_EQ(Graphik->windowTitle(), QStringLiteral("Graphen"));
}

TEST_F(ProgrammTest, SixToolWindowsStartTranslucentWhateverTheStoredFlag)
{
    TEinstellungen e;
    e.Transparent = 0;
    EinstellungenSchreiben(e);
    Starten();
    for (QWidget* w : std::initializer_list<QWidget*>{Uebersicht_Dlg, BeschriftungDlg, SenkrechteDlg, PunkteDlg,
                                                      KreiseDlg, FlaechenDlg}) {
        EXPECT_NEAR(w->windowOpacity(), 240.0 / 255.0, 0.01) << w->objectName().toStdString();
        auto* regler = w->findChild<QSlider*>(QStringLiteral("TrackBar2"));
        ASSERT_NE(regler, nullptr);
        EXPECT_EQ(regler->value(), 240);
        EXPECT_FALSE(w->isVisible());
    }
    EXPECT_TRUE(Form1->ransparenzderZubehrfenster1->isChecked());
}

TEST_F(ProgrammTest, SettingsWithEnglishAndInchComeUpInEnglishWithInch)
{
    TEinstellungen e;
    e.Sprache = 1;
    e.Einheit = 2.0;
    EinstellungenSchreiben(e);
    Starten();
    EXPECT_TRUE(Form1->english1->isChecked());
    EXPECT_FALSE(Form1->deutsch1->isChecked());
    EXPECT_TRUE(Form1->Inch->isChecked());
    EXPECT_FALSE(Form1->cm->isChecked());
    EXPECT_EQ(Dezimaltrenner(), '.');
    EXPECT_EQ(Form1->BKomma->text(), QStringLiteral("."));
    EXPECT_EQ(JaKnopf(), QStringLiteral("&Yes"));
    EXPECT_DOUBLE_EQ(Graphik->Massstab, 1.27);
    EXPECT_EQ(Texte[294], "Would you like to quit Tessaplun?");
    ErwarteStartgleichung();
}

// A damaged or foreign file, or an unknown language and unit, must not stop
// the start half-way: German and cm.
TEST_F(ProgrammTest, SettingsFileOfTheWrongSizeOrUnknownValuesKeepsTheDefaults)
{
    TEinstellungen unbekannt;
    unbekannt.Sprache = 77;
    unbekannt.Einheit = 9.0;
    const auto gut = EncodeEinstellungen(unbekannt);
    std::vector<QByteArray> dateien = {QByteArray(reinterpret_cast<const char*>(gut.data()),
                                                  static_cast<qsizetype>(gut.size()))};
    for (const int groesse : {0, 100, 1095, 1097, 5000})
        dateien.push_back(QByteArray(groesse, '\x01'));
    for (const QByteArray& daten : dateien) {
        SCOPED_TRACE(daten.size());
        EinstellungsdateiSchreiben(daten);
        Starten();
        ErwarteDeutschUndCm();
        ErwarteStartgleichung();
        EXPECT_TRUE(Graphik->isVisible());
        EXPECT_FALSE(Form2->isVisible());
        ProgrammBeenden();
        Gestartet = false;
    }
}

// A start template requested but missing leaves the default equation.
TEST_F(ProgrammTest, StartWithValueTableAndAMissingTemplate)
{
    TEinstellungen e;
    e.MitWertetabelle = 1;
    e.Startvorlage = 1;
    EinstellungenSchreiben(e);
    Starten();
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_TRUE(Form1->Wertetabelle1->isChecked());
    EXPECT_TRUE(Form1->mitWertetabellestarten1->isChecked());
    EXPECT_TRUE(Form1->eigeneEinstellungenverwenden1->isChecked());
    ErwarteStartgleichung();
}

TEST_F(ProgrammTest, StartTemplateFirstThenTheCommandLineDocumentReplacesIt)
{
    const std::string vorlage = Startvorlage().toStdString();
    const std::string dokument = Konfig.filePath(QStringLiteral("zwei Worte.kvd")).toStdString();
    Starten();
    ASSERT_TRUE(QDir().mkpath(Einstellungsordner()));
    Form1->Edit1->setText(QStringLiteral("f(x) = 3"));
    ASSERT_TRUE(Form1->speichere(vorlage));
    Form1->Edit1->setText(QStringLiteral("f(x) = 4"));
    ASSERT_TRUE(Form1->speichere(dokument));
    ProgrammBeenden();
    Gestartet = false;

    TEinstellungen e;
    e.Startvorlage = 1;
    EinstellungenSchreiben(e);
    Starten();
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = 3"));
    EXPECT_FALSE(Form1->StartvorlageLaden);
    ProgrammBeenden();

    const auto blank = dokument.rfind(' ');
    Starten({dokument.substr(0, blank), dokument.substr(blank + 1)});
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = 4"));
    EXPECT_EQ(Funktionen[1]->GetTerm(), "f(x) = 4");
    ProgrammBeenden();

    // A template that is no document leaves the default equation.
    {
        QFile f(Startvorlage());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("kaputt");
    }
    Starten();
    ErwarteStartgleichung();
    EXPECT_TRUE(Graphik->isVisible());
}

// The words are joined into one existing path; one naming no file, or a
// folder, is dropped.
TEST_F(ProgrammTest, CommandLineWordsAreJoinedIntoOneExistingPath)
{
    const QString pfad = Konfig.filePath(QStringLiteral("mein Dokument.kvd"));
    {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    const std::string ganz = pfad.toStdString();
    const auto blank = ganz.rfind(' ');
    Starten({ganz.substr(0, blank), ganz.substr(blank + 1)});
    EXPECT_EQ(StartDokument, ganz);
    // The document could not be read: the program still stands.
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_TRUE(Graphik->isVisible());
    ProgrammBeenden();

    Starten({Konfig.filePath(QStringLiteral("fehlt")).toStdString(), "auch.kvd"});
    EXPECT_TRUE(StartDokument.empty());
    ProgrammBeenden();
    Starten({Konfig.path().toStdString()});
    EXPECT_TRUE(StartDokument.empty());
}

TEST_F(ProgrammTest, QuitAsksOnceAndOnlyAnExplicitYesCloses)
{
    Starten();
    const std::string frage = Texte[294] + "  ";
    for (const auto antwort : {QMessageBox::No, QMessageBox::NoButton, QMessageBox::Cancel}) {
        Frage.Antwort = antwort;
        Frage.Fragen.clear();
        QCloseEvent nein;
        QApplication::sendEvent(Form1, &nein);
        EXPECT_FALSE(nein.isAccepted());
        ASSERT_EQ(Frage.Fragen.size(), 1u);
        EXPECT_EQ(Frage.Fragen[0].toStdString(), frage);
    }
    EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = x^2"));

    Frage.Antwort = QMessageBox::Yes;
    QCloseEvent ja;
    QApplication::sendEvent(Form1, &ja);
    EXPECT_TRUE(ja.isAccepted());
}

TEST_F(ProgrammTest, ClosingTheGraphWindowAsksOnceAndClosesTheMainWindow)
{
    Starten();
    Frage.Antwort = QMessageBox::No;
    QCloseEvent nein;
    QApplication::sendEvent(Graphik, &nein);
    EXPECT_FALSE(nein.isAccepted());
    EXPECT_FALSE(BeendenBestaetigt);
    EXPECT_TRUE(Form1->isVisible());

    Frage.Antwort = QMessageBox::Yes;
    Frage.Fragen.clear();
    QCloseEvent ja;
    QApplication::sendEvent(Graphik, &ja);
    EXPECT_TRUE(ja.isAccepted());
    EXPECT_TRUE(BeendenBestaetigt);
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_EQ(Frage.Fragen.size(), 1u);  // the main window did not ask again
}

TEST_F(ProgrammTest, SplashFadesOnItsScheduleAndGoes)
{
    Starten();
    ASSERT_NE(splashscreen, nullptr);
    Tsplashscreen* s = splashscreen;
    s->Timer1->stop();  // the ticks are driven by hand here
    Graphik->resize(300, 200);
    s->Timer1Timer();
    EXPECT_EQ(Graphik->width(), Graphik->StartBreite);
    EXPECT_EQ(Graphik->height(), Form1->height());
    s->Timer1Timer();
    EXPECT_NEAR(s->windowOpacity(), 249.0 / 255.0, 0.005);
    for (int i = 3; i <= 10; ++i)
        s->Timer1Timer();
    EXPECT_TRUE(s->Image3->isVisibleTo(s));
    for (int i = 11; i <= 20; ++i)
        s->Timer1Timer();
    EXPECT_FALSE(s->Image3->isVisibleTo(s));
    EXPECT_EQ(Tsplashscreen::Deckkraft(120), 13);
    EXPECT_EQ(Tsplashscreen::Deckkraft(121), 11);
    for (int i = 21; i <= 121; ++i)
        s->Timer1Timer();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(splashscreen, nullptr);
}

TEST_F(ProgrammTest, ClosingTheMainWindowEndsTheEventLoopWhileOtherWindowsAreOpen)
{
    Starten();
    Form2->show();
    ASSERT_TRUE(Graphik->isVisible());
    Frage.Antwort = QMessageBox::Yes;
    QTimer::singleShot(0, Form1, [] { Form1->close(); });
    // A guard so that a broken quit fails the test instead of hanging it.
    QTimer wache;
    wache.setSingleShot(true);
    QObject::connect(&wache, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    wache.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(Frage.Fragen.size(), 1u);
}
