#include "main/programm.h"

#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "main/info_dlg.h"
#include "platform/fensterlage.h"
#include "platform/melder.h"
#include "platform/startzeit.h"
#include "platform/zeiger.h"
#include "tools/druck_dlg.h"
#include "tools/einheit_dlg.h"
#include "main/einstell_dlg.h"
#include "tools/export_dlg.h"
#include "main/form1.h"
#include "main/formoeffne.h"
#include "main/hotkey_dlg.h"
#include "tools/kopier_dlg.h"
#include "main/splash.h"
#include "main/tasten_dlg.h"
#include "tools/trace_dlg.h"
#include "main/verbindungen.h"
#include "tools/wertetabelle_fenster.h"
#include "tools/beschriftung_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>

#include <vector>

// The resources live in a static library: they are registered once by hand.
static void RessourcenLaden()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

template <typename T>
void Entfernen(T*& fenster)
{
    delete fenster;
    fenster = nullptr;
}

// Qt polishes every new widget (style, palette, fonts) in the first pass of
// the event loop, those of the windows the start does not show as well:
// that work came before the first picture. Widgets of hidden windows are
// polished once the graph window has painted instead; a window shown before
// that polishes its own widgets as it shows.
class TPolierenNachDemBild : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::PolishRequest && ziel->isWidgetType() &&
            !static_cast<QWidget*>(ziel)->window()->isVisible()) {
            FAufgeschoben.emplace_back(static_cast<QWidget*>(ziel));
            return true;
        }
        if (ereignis->type() == QEvent::Paint && Graphik && ziel == Graphik->PaintBox1) {
            qApp->removeEventFilter(this);
            // Once the picture is on the screen, after whatever the paint
            // itself asked for.
            QTimer::singleShot(0, qApp, [aufgeschoben = std::move(FAufgeschoben)] {
                for (const QPointer<QWidget>& w : aufgeschoben)
                    if (w)
                        QCoreApplication::postEvent(w, new QEvent(QEvent::PolishRequest), Qt::LowEventPriority);
            });
            deleteLater();
        }
        return false;
    }

private:
    std::vector<QPointer<QWidget>> FAufgeschoben;
};

}  // namespace

namespace {

// Once the graph window has painted for the first time, and after what
// that paint asked for (the picture reaches the screen first, and so does
// bench/start.sh's report of it), the value table is made and the template
// and example menus filled: a start that does not show them need not make
// them before, and they are ready when asked for.
class TWertetabelleNachDemBild : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Paint && Graphik && ziel == Graphik->PaintBox1) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] {
                Wertetabelle();
                if (Form1)
                    Form1->BeispielmenuesFuellen();
            });
            deleteLater();
        }
        return false;
    }
};

}  // namespace

void WertetabelleNachDemBild()
{
    qApp->installEventFilter(new TWertetabelleNachDemBild(qApp));
}

void PolierenNachDemBild()
{
    qApp->installEventFilter(new TPolierenNachDemBild(qApp));
}

void ProgrammStarten(const std::vector<std::string>& parameter)
{
    RessourcenLaden();
    AllesNullen();
    // The start's work ends before the first window reaches the screen:
    // a wait cursor would not be seen, and the first one costs the loading
    // of the pointer theme.
    const TOhneSanduhr ohneSanduhr;

    auto* splash = new Tsplashscreen;
    SchriftVorlaufAbwarten();
    splash->show();
    splash->repaint();

    // The application's name only: an explicit display name would be
    // appended by X11 to every window's caption ("Graphen — Tessaplun 8").
    QApplication::setApplicationName(QStringLiteral("Tessaplun 8"));

    // Each window may use every window created before it; the last one
    // finishes the start and relies on all of them. Whatever the windows
    // and the document open at the start would refresh and draw on the way
    // is done once, when the start is complete.
    const TAenderungsklammer klammer;
    SpaeteDialogeBeschriften();
    new TForm1(parameter);
    EinstellDlg = new TEinstellDlg;
    // The value table is made when the start shows it, or else once the
    // first picture is on the screen (WertetabelleNachDemBild).
    // The object tables start with their defaults. Their tool windows and
    // the overview are made when first opened (Werkzeugfenster), as are the
    // help, about, copy and export dialogs (InfoFenster, KopierDialog, ...):
    // the start shows none of them.
    KreiseVorbelegen();
    EinheitXDlg = new TEinheitXDlg;
    EinheitYDlg = new TEinheitYDlg;
    TraceParam = new TTraceParam;
    AssistentFenster = new TAssistentFenster;
    PunkteVorbelegen();
    SenkrechteVorbelegen();
    FlaechenVorbelegen();
    BeschriftungenVorbelegen();
    Graphik = new TGraphik(nullptr, &Zustand.Ansicht);
    // It stands beside the main window, opens its menus of templates and
    // examples, and takes its hot keys.
    Graphik->Hauptfenster = Form1;
    Graphik->Vorlagenmenue = Form1->PopupMenu1;
    Graphik->Beispielmenue = Form1->PopupMenu2;
    Graphik->FormCreate();
    Graphik->addActions(Form1->Tastenkuerzel());
    Form1->Dateimenue = Graphik->PopupMenu1;
    DruckDlg = new TDruckDlg;
    FensterVerbinden();
    new TFormOeffne;

    Form1->show();
}

void ProgrammBeenden()
{
    delete splashscreen;
    Entfernen(FormOeffne);
    Entfernen(Uebersicht_Dlg);
    Entfernen(TippsDlg);
    Entfernen(ExcelDlg);
    Entfernen(AboutBox);
    Entfernen(KopierDlg);
    Entfernen(DruckDlg);
    Entfernen(Graphik);
    Entfernen(Form2);
    Entfernen(BeschriftungDlg);
    Entfernen(FlaechenDlg);
    Entfernen(SenkrechteDlg);
    Entfernen(PunkteDlg);
    Entfernen(AssistentFenster);
    Entfernen(TastenDlg);
    Entfernen(TraceParam);
    Entfernen(EinheitYDlg);
    Entfernen(EinheitXDlg);
    Entfernen(KreiseDlg);
    Entfernen(KopierDlg8);
    Entfernen(HotkeyDlg);
    Entfernen(EinstellDlg);
    Entfernen(WertetabKopierDlg);
    Entfernen(WordDlg);
    Entfernen(Form1);
    // A program started again (the tests start many) finds the view, the
    // editor and the switches as at its first start.
    FensterzustandNullen();
}

std::vector<std::string> Aufrufparameter(int argc, char** argv)
{
    std::vector<std::string> parameter;
    for (int i = 1; i < argc; ++i)
        parameter.emplace_back(QString::fromLocal8Bit(argv[i]).toStdString());
    return parameter;
}

int ProgrammAusfuehren(const std::vector<std::string>& parameter)
{
    // Closing the main window ends the program, even while other windows
    // are open; nothing else does.
    QApplication::setQuitOnLastWindowClosed(false);
    // (Installed before the report of the first picture: it runs after it.)
    WertetabelleNachDemBild();
    // Set by bench/start.sh, which times the start to the first picture.
    if (qEnvironmentVariableIsSet("TESSAPLUN_STARTZEIT"))
        ErstesBildMelden([](QObject* o) { return Graphik && o == Graphik->PaintBox1; });
    PolierenNachDemBild();
    ProgrammStarten(parameter);
    const int ergebnis = QApplication::exec();
    ProgrammBeenden();
    return ergebnis;
}

int ProgramMain(int argc, char** argv)
{
    SchriftVorlaufStarten();
    QApplication app(argc, argv);
    return ProgrammAusfuehren(Aufrufparameter(argc, argv));
}
