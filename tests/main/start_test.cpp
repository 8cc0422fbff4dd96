// Start-up and shut-down.

#include "programm_fixture.h"

#include "main/formoeffne.h"
#include "main/info_dlg.h"
#include "main/splash.h"
#include "tools/beschriftung_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <QCloseEvent>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

void ErwarteStartgleichung()
{
    EXPECT_EQ(Form1->Edit1->text(), "f(x) = x^2");
    EXPECT_EQ(Feldfarbe(Form1->Edit1), FarbeGueltig);
    EXPECT_TRUE(Funktionen[1]->GetCompiled());
    EXPECT_EQ(Funktionen[0], Funktionen[1]);
    EXPECT_TRUE(Graphik->isVisible());
    // Function 1's colour on the editor's texts, in both input bars.
    for (QWidget* w : std::initializer_list<QWidget*>{Form1->Edit1, Form1->Evonx, Form1->Estept, Form1->SFarbe,
                                                      Graphik->Edit3, Graphik->Ebisx, Graphik->SFarbe})
        EXPECT_EQ(Schriftfarbe(w), clRed) << w->objectName().toStdString();
    EXPECT_EQ(Schriftfarbe(Form1->SFarbe2), clBlue);
}

}  // namespace

// Language and unit from the settings file; no file, a damaged or foreign
// one, or an unknown language and unit must not stop the start half-way:
// German and cm. The six tool windows start translucent whatever the stored
// flag.
TEST_F(ProgrammTest, StartWithTheSettingsFilesLanguageAndUnitAndWithoutOneWithTheDefaults)
{
    TEinstellungen englisch;
    std::tie(englisch.Sprache, englisch.Einheit, englisch.Transparent) = std::tuple(1, 2.0, 0);
    TEinstellungen unbekannt;
    std::tie(unbekannt.Sprache, unbekannt.Einheit) = std::tuple(77, 9.0);
    const std::pair<QByteArray, bool> faelle[] = {{QByteArray(), false},
                                                  {Kodiert(englisch), true},
                                                  {Kodiert(TEinstellungen{}), false},
                                                  {Kodiert(unbekannt), false},
                                                  {QByteArray(1095, '\x01'), false}};
    for (const auto& [datei, englisch] : faelle) {
        SCOPED_TRACE(datei.isNull() ? -1 : datei.size());
        if (!datei.isNull())
            EinstellungsdateiSchreiben(datei);
        Starten();
        EXPECT_EQ(std::tuple(Form1->english1->isChecked(), Form1->deutsch1->isChecked(), Form1->Inch->isChecked(),
                             Form1->cm->isChecked(), Graphik->Massstab, Dezimaltrenner(), JaKnopf()),
                  std::tuple(englisch, !englisch, englisch, !englisch, englisch ? 1.27 : 1.0, englisch ? '.' : ',',
                             QString::fromLatin1(englisch ? "&Yes" : "&Ja")));
        // The windows are captioned once, in the language started with.
        EXPECT_EQ(FormOeffne->Beschriftungen, 1);
        EXPECT_EQ(Form1->Beispiele2->title(), Txt(20));
        EXPECT_EQ(Form1->Beispiele2->title() == "Beispiele", !englisch);
        // The about window's terms follow the language started with.
        AboutBox->beschrift();
        EXPECT_EQ(AboutBox->PageControl1->isTabVisible(AboutBox->PageControl1->indexOf(AboutBox->TabSheet3)), englisch);
        ErwarteStartgleichung();
        EXPECT_FALSE(Form2->isVisible() || Form1->mitWertetabellestarten1->isChecked());
        EXPECT_TRUE(Funktionen[13]->GetCompiled());  // the x-axis of the areas
        for (QWidget* w : std::initializer_list<QWidget*>{Uebersicht_Dlg, BeschriftungDlg, SenkrechteDlg, PunkteDlg,
                                                          KreiseDlg, FlaechenDlg}) {
            EXPECT_NEAR(w->windowOpacity(), 240.0 / 255.0, 0.01) << w->objectName().toStdString();
            EXPECT_FALSE(w->isVisible());
        }
        EXPECT_TRUE(Form1->ransparenzderZubehrfenster1->isChecked());
        ProgrammBeenden();
    }
}

// The start template comes first, a document named on the command line
// replaces it; the words of the command line are joined into one existing
// path, and one naming no file, or a folder, is dropped. A template or
// document that cannot be read leaves the default equation.
TEST_F(ProgrammTest, StartTemplateThenTheCommandLineDocument)
{
    const std::string vorlage = Startvorlage().toStdString();
    const std::string dokument = Konfig.filePath("zwei Worte.kvd").toStdString();
    const auto blank = dokument.rfind(' ');
    const std::vector<std::string> worte = {dokument.substr(0, blank), dokument.substr(blank + 1)};
    Starten();
    ASSERT_TRUE(QDir().mkpath(Einstellungsordner()));
    Form1->Edit1->setText("f(x) = 3");
    ASSERT_TRUE(Form1->speichere(vorlage));
    Form1->Edit1->setText("f(x) = 4");
    ASSERT_TRUE(Form1->speichere(dokument));
    ProgrammBeenden();

    TEinstellungen e;
    std::tie(e.Startvorlage, e.MitWertetabelle) = std::tuple(1, 1);
    EinstellungenSchreiben(e);
    Starten();
    EXPECT_EQ(Form1->Edit1->text(), "f(x) = 3");
    EXPECT_TRUE(Form1->eigeneEinstellungenverwenden1->isChecked());
    EXPECT_TRUE(Form2->isVisible() && Form1->Wertetabelle1->isChecked() && Form1->mitWertetabellestarten1->isChecked());
    ProgrammBeenden();

    Starten(worte);
    EXPECT_EQ(StartDokument, dokument);
    EXPECT_EQ(Funktionen[1]->GetTerm(), "f(x) = 4");
    ProgrammBeenden();
    for (const auto& falsch : {std::vector<std::string>{Konfig.filePath("fehlt").toStdString(), "auch.kvd"},
                               std::vector<std::string>{Konfig.path().toStdString()}}) {
        Starten(falsch);
        EXPECT_TRUE(StartDokument.empty());
        ProgrammBeenden();
    }

    for (const std::string& pfad : {vorlage, dokument}) {
        QFile f(QString::fromStdString(pfad));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("kaputt");
    }
    Starten(worte);
    ErwarteStartgleichung();
}

// Either window asks; closing the graph window closes the main window,
// which does not ask again. The main window's Yes ends the event loop below.
TEST_F(ProgrammTest, QuitAsksOnceFromEitherWindowAndOnlyAnExplicitYesCloses)
{
    Starten();
    for (QWidget* fenster : {static_cast<QWidget*>(Form1), static_cast<QWidget*>(Graphik)})
        for (const auto antwort : {QMessageBox::No, QMessageBox::NoButton, QMessageBox::Cancel}) {
            Frage.Antwort = antwort;
            Frage.Fragen.clear();
            QCloseEvent nein;
            QApplication::sendEvent(fenster, &nein);
            EXPECT_FALSE(nein.isAccepted());
            EXPECT_EQ(Frage.Fragen, std::vector<QString>{Txt(294) + "  "});
        }
    EXPECT_FALSE(BeendenBestaetigt);
    EXPECT_TRUE(Form1->isVisible());

    // The accepted close comes inside the running event loop, as in the
    // program: ending the program outside one would leave Qt's "quit now"
    // pending, and every later modal loop of this process (a real message
    // box in another test) would return at once.
    Frage.Antwort = QMessageBox::Yes;
    Frage.Fragen.clear();
    bool angenommen = false;
    QTimer::singleShot(0, Graphik, [&angenommen] {
        QCloseEvent ja;
        QApplication::sendEvent(Graphik, &ja);
        angenommen = ja.isAccepted();
    });
    QTimer wache;
    wache.setSingleShot(true);
    QObject::connect(&wache, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    wache.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(angenommen && BeendenBestaetigt);
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_EQ(Frage.Fragen.size(), 1u);
}

TEST_F(ProgrammTest, ClosingTheMainWindowEndsTheEventLoopWhileOtherWindowsAreOpen)
{
    Starten();
    Form2->show();
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

TEST_F(ProgrammTest, SplashFadesOnItsScheduleAndGoes)
{
    Starten();
    ASSERT_NE(splashscreen, nullptr);
    Tsplashscreen* s = splashscreen;
    s->Timer1->stop();  // the ticks are driven by hand here
    Graphik->resize(300, 200);
    auto ticks = [s](int bis) {
        while (s->Zaehler < bis)
            s->Timer1Timer();
    };
    ticks(1);
    EXPECT_EQ(Graphik->size(), QSize(Graphik->StartBreite, Form1->height()));
    ticks(2);
    EXPECT_NEAR(s->windowOpacity(), 249.0 / 255.0, 0.005);
    ticks(9);
    EXPECT_FALSE(s->Image3->isVisibleTo(s));
    ticks(10);
    EXPECT_TRUE(s->Image3->isVisibleTo(s));
    EXPECT_EQ(s->Image3->pixmap().size(), QSize(105, 131));
    ticks(20);
    EXPECT_FALSE(s->Image3->isVisibleTo(s));
    // Every tick repaints the window, which hands its opacity on.
    struct Zaehlen : QObject {
        int Bilder = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            Bilder += e->type() == QEvent::Paint;
            return false;
        }
    } zaehlen;
    s->installEventFilter(&zaehlen);
    for (int n = 1; n <= 3; ++n) {
        ticks(20 + n);
        QCoreApplication::sendPostedEvents(s, QEvent::UpdateRequest);
        EXPECT_EQ(zaehlen.Bilder, n);
    }
    s->removeEventFilter(&zaehlen);
    EXPECT_EQ(std::tuple(Tsplashscreen::Deckkraft(120), Tsplashscreen::Deckkraft(121)), std::tuple(13, 11));
    ticks(121);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(splashscreen, nullptr);
}

// Quitting takes every window with it: a program started again builds its
// own, and nothing is left to show or to leak.
TEST_F(ProgrammTest, QuittingLeavesNoWindowBehind)
{
    Starten();
    ProgrammBeenden();
    QStringList uebrig;
    for (QWidget* w : QApplication::topLevelWidgets())
        uebrig << w->objectName() + ":" + w->metaObject()->className();
    EXPECT_EQ(uebrig, QStringList());
}

// Until the graph window first paints, the widgets of the windows the start
// does not show are not polished; then they are.
TEST_F(ProgrammTest, HiddenWindowsArePolishedAfterTheFirstPicture)
{
    PolierenNachDemBild();
    Starten();
    const QList<QWidget*> verborgen = TippsDlg->findChildren<QWidget*>();
    ASSERT_FALSE(verborgen.empty());
    const auto poliert = [&verborgen] {
        return std::count_if(verborgen.begin(), verborgen.end(),
                             [](const QWidget* w) { return w->testAttribute(Qt::WA_WState_Polished); });
    };
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(Form1->Edit1->testAttribute(Qt::WA_WState_Polished));
    EXPECT_EQ(poliert(), 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Graphik));
    Graphik->PaintBox1->repaint();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(poliert(), verborgen.size());
}

// The program's own run: the parameters after the program's name, the start,
// the loop that only the main window's close ends, and every window gone
// after it.
TEST_F(ProgrammTest, TheProgramRunsUntilTheMainWindowClosesAndTakesItsParameters)
{
    std::string name = "tessaplun", erstes = "a b.kvd", zweites = "/tmp/\xc3\xa4.kvd";
    char* argv[] = {name.data(), erstes.data(), zweites.data(), nullptr};
    EXPECT_EQ(Aufrufparameter(3, argv), (std::vector<std::string>{"a b.kvd", "/tmp/\xc3\xa4.kvd"}));
    EXPECT_TRUE(Aufrufparameter(1, argv).empty());

    QApplication::setQuitOnLastWindowClosed(true);
    QApplication::setApplicationName(QStringLiteral("test_main"));
    Frage.Antwort = QMessageBox::Yes;
    // The start shows its splash window with a pass of the event loop of its
    // own: the user comes once the main window is up.
    bool gestartet = false;
    QTimer nutzer;
    QObject::connect(&nutzer, &QTimer::timeout, [&] {
        if (!Form1 || !Form1->isVisible() || gestartet)
            return;
        gestartet = true;
        // Closing the last window on the screen while the main window is
        // hidden ends nothing.
        TForm2* tabelle = Wertetabelle();
        tabelle->show();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != tabelle)
                w->hide();
        tabelle->close();
        QTimer::singleShot(0, qApp, [] {
            Form1->show();
            Form1->close();
        });
    });
    nutzer.start(0);
    QTimer wache;
    wache.setSingleShot(true);
    QObject::connect(&wache, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    wache.start(10000);
    EXPECT_EQ(ProgrammAusfuehren({}), 0);
    nutzer.stop();
    EXPECT_TRUE(gestartet);
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
    EXPECT_EQ(QApplication::applicationName(), "Tessaplun 8");
    EXPECT_EQ(Form1, nullptr);
    EXPECT_EQ(Graphik, nullptr);
    EXPECT_EQ(Frage.Fragen.size(), 1u);
}
