#include "main/verbindungen.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "graph/graphik_modi.h"
#include "main/form1.h"
#include "main/beschriftung_tabelle.h"
#include "main/formoeffne.h"
#include "main/hotkey_dlg.h"
#include "main/tasten_dlg.h"
#include "main/info_dlg.h"
#include "platform/felder.h"
#include "platform/fensterhilfen.h"
#include "platform/fensterlage.h"
#include "platform/melder.h"
#include "platform/modal.h"
#include "tools/beschriftung_dlg.h"
#include "tools/einheit_dlg.h"
#include "tools/export_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kopier_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/spaete_dialoge.h"
#include "tools/trace_dlg.h"
#include "tools/uebersicht_dlg.h"
#include "tools/wertetabelle_fenster.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QToolButton>

#include <array>
#include <utility>

namespace {

// The main window's field for editor field `feld`.
QLineEdit* Editorfeld(TEditorFeld feld)
{
    const std::array<QLineEdit*, AnzahlEditorFelder> felder = {Form1->Edit1, Form1->Evonx, Form1->Ebisx,
                                                               Form1->Evont, Form1->Ebist, Form1->Estept};
    return felder[static_cast<std::size_t>(feld)];
}

// The trace window carries the family parameter of the trace, tangent and
// normal tools: it shows for a family while one of them is the tool (with
// the t from the graph window's input bar), and the window that was in front
// keeps the keyboard; it goes for a single function.
void SpurfensterFolgen()
{
    if (!TraceParam || !Graphik || !Graphik->GroupBox2)
        return;
    const QWidget* aktiv = QApplication::activeWindow();
    const bool hauptAktiv = Form1 && aktiv == Form1;
    const bool graphAktiv = aktiv == Graphik;
    const bool uebersichtAktiv = aktiv && aktiv == Uebersicht_Dlg;
    if (Zustand.Editor.Eingabeart == ArtFunktion) {
        TraceParam->hide();
        return;
    }
    if ((Modus != ModusSpur && Modus != ModusTangente) || TraceParam->isVisible())
        return;
    // (The graph window places it under its coordinate system's group as
    // it moves and resizes.)
    TraceParam->show();
    TraceParam->ParameterSetzen(Graphik->Evont->text());
    if (hauptAktiv)
        Form1->Edit1->setFocus();
    if (graphAktiv && Graphik->Edit3)
        Graphik->Edit3->setFocus();
    if (uebersichtAktiv)
        Uebersicht_Dlg->activateWindow();
    // A family that compiled is ready to trace: the graph window's keyboard
    // goes to the control that steps the trace point (it has it when it is,
    // or next becomes, the active window).
    if (Funktionen[0] && Funktionen[0]->GetCompiled() && Graphik->CursorBar)
        Graphik->CursorBar->setFocus();
}

}  // namespace

void FensterVerbinden()
{
    TMelder& m = Melder();

    // The function editor of the main window.
    if (Form1) {
        QObject::connect(&m, &TMelder::FunktionWaehlenVerlangt, Form1, [](int k) {
            Form1->ComboBox1->setEditText(QString::number(k) + QLatin1Char('.'));
            Form1->ComboBox1Change();
        });
        QObject::connect(&m, &TMelder::AuswahlErneuernVerlangt, Form1, [] { Form1->ComboBox1Change(); });
        // The field's change handler stores, checks and redraws, as for
        // typing (and only when the text differs).
        QObject::connect(&m, &TMelder::EditorEingabeVerlangt, Form1,
                         [](TEditorFeld feld, const QString& text) { TextSetzen(Editorfeld(feld), text); });
        QObject::connect(&m, &TMelder::LinienstilVerlangt, Form1, [](int stil) {
            Form1->ComboBox2->setCurrentIndex(stil);
            Form1->ComboBox2Change();
        });
        QObject::connect(&m, &TMelder::FarbwahlVerlangt, Form1, [](bool zusatz) {
            if (zusatz)
                Form1->SFarbe2Click();
            else
                Form1->BFarbeClick();
        });
        QObject::connect(&m, &TMelder::FunktionWahlTextVerlangt, Form1, [](const QString& text) {
            Form1->ComboBox1->setEditText(text);
            Form1->ComboBox1Change();
        });
        QObject::connect(&m, &TMelder::GleichungAuswertenVerlangt, Form1, [] { Form1->Edit1Change(); });

        // The graph window's tool: its menu item ticked, the openers of the
        // tool windows it writes into raised.
        QObject::connect(&m, &TMelder::WerkzeugGeaendert, Form1, [](int menue) {
            const std::array<QAction*, 10> items = {Form1->I1, Form1->I2, Form1->I3, Form1->I4, Form1->I5,
                                                    Form1->I6, Form1->I7, Form1->I8, Form1->I9, Form1->I10};
            if (menue >= 1 && menue <= 10)
                items[static_cast<std::size_t>(menue - 1)]->setChecked(true);
        });
        QObject::connect(&m, &TMelder::OeffnerVerlangt, Form1, [](unsigned welche, unsigned erhaben) {
            const std::pair<unsigned, QToolButton*> oeffner[] = {{Modi::OeffnerPunkte, Form1->SpeedButton10},
                                                                 {Modi::OeffnerSenkrechte, Form1->SpeedButton11},
                                                                 {Modi::OeffnerBeschriftung, Form1->SpeedButton12},
                                                                 {Modi::OeffnerUebersicht, Form1->SpeedButton13},
                                                                 {Modi::OeffnerKreise, Form1->SpeedButton8}};
            for (const auto& [bit, knopf] : oeffner)
                if ((welche & bit) != 0)
                    knopf->setAutoRaise((erhaben & bit) == 0);
        });
        // The switches of sound and interaction in the main window's menu.
        QObject::connect(&m, &TMelder::SchalterGeaendert, Form1, [] {
            Form1->Sound1->setChecked(Zustand.Klang);
            Form1->Interaktiv1->setChecked(Zustand.Interaktiv);
            for (QAction* a : {Form1->I2, Form1->I3, Form1->I4, Form1->I5, Form1->I6, Form1->I7, Form1->I8, Form1->I9,
                               Form1->I10})
                a->setEnabled(Zustand.Interaktiv);
        });
        // The unit of length: the menu's check mark and the state's scale go
        // together; the unit windows' labels name it.
        for (QAction* a : {Form1->cm, Form1->Inch})
            QObject::connect(a, &QAction::toggled, Form1, [] {
                Zustand.Ansicht.Massstab = Form1->Inch->isChecked() ? MassstabZoll : MassstabCm;
            });
        QObject::connect(&m, &TMelder::AnsichtGeaendert, Form1, [] {
            const bool zoll = Zustand.Ansicht.Massstab != MassstabCm;
            if (zoll == Form1->Inch->isChecked())
                return;
            (zoll ? Form1->Inch : Form1->cm)->setChecked(true);
            if (FormOeffne)
                FormOeffne->EinheitenBeschriften();
        });

        // The toggles of the windows, the document commands, presentation
        // mode and the placement around the main window.
        // The value table's toggle is the main window's menu item.
        QObject::connect(&m, &TMelder::FensterUmschaltenVerlangt, Form1, [](TUmschaltFenster f) {
            if (f == TUmschaltFenster::Wertetabelle)
                Form1->SpeedButton4Click();
        });
        QObject::connect(&m, &TMelder::NeuVerlangt, Form1, [] {
            Form1->StartvorlageLaden = false;
            Form1->SpeedButton3Click();
        });
        QObject::connect(&m, &TMelder::OeffnenVerlangt, Form1, [] { Form1->SpeedButton7Click(); });
        QObject::connect(&m, &TMelder::SpeichernVerlangt, Form1, [] { Form1->SpeedButton6Click(); });
        QObject::connect(&m, &TMelder::PraesentationVerlangt, Form1, [] { Form1->SpeedButton5Click(); });
        QObject::connect(&m, &TMelder::AusrichtenVerlangt, Form1, [] { Form1->AlignForm(); });
        QObject::connect(&m, &TMelder::DruckbefehlVerlangt, Form1, [] { Form1->SpeedButton1Click(); });
        // The value table's close box takes its menu item's check mark away
        // (the table follows the item from when it is made).
        QObject::connect(&m, &TMelder::WertetabelleGeschlossen, Form1,
                         [] { Form1->Wertetabelle1->setChecked(false); });
    }
    QObject::connect(&m, &TMelder::TippsVerlangt, Form1,
                     [](QWidget* ueber) { DialogZeigen(TippsFenster(), ueber); });

    // The graph window: its status bar, label mode and axis captions.
    if (Graphik) {
        QObject::connect(&m, &TMelder::StatusanzeigeVerlangt, Graphik, [] { Graphik->Statusanzeige(); });
        QObject::connect(&m, &TMelder::BeschriftungAufnehmenVerlangt, Graphik,
                         [](int k, QObject* knopf) { Graphik->BeschriftungAufnehmen(k, knopf); });
        QObject::connect(&m, &TMelder::ReiterTextVerlangt, Graphik,
                         [](const QString& text) { Graphik->ReiterText(text); });
        QObject::connect(&m, &TMelder::ReiterSchriftVerlangt, Graphik, [](int k) { Graphik->ReiterSchrift(k); });
        QObject::connect(&m, &TMelder::ReiterZuruecksetzenVerlangt, Graphik,
                         [] { Graphik->BeschrEditZuruecksetzen(); });
        QObject::connect(&m, &TMelder::AchsenbeschriftungVerlangt, Graphik,
                         [](int achse, const QString& text) { Graphik->AchsenbeschriftungSetzen(achse, text); });
        QObject::connect(&m, &TMelder::DruckenVerlangt, Graphik, [] { Graphik->BDruckClick(); });
        QObject::connect(&m, &TMelder::BildKopierenVerlangt, Graphik, [] { Graphik->Button1Click(); });
        QObject::connect(&m, &TMelder::EinheitXFensterVerlangt, Graphik, [] { Graphik->BitBtn1Click(); });
        QObject::connect(&m, &TMelder::VorschauErneuernVerlangt, Graphik, [] { Graphik->VorschauErneuern(); });
        QObject::connect(&m, &TMelder::AssistentAntwortVerlangt, Graphik,
                         [](bool ja, QObject* fenster) { Graphik->AssistentAntwort(ja, fenster); });
        QObject::connect(&m, &TMelder::ZeichnenVerlangt, Graphik, [] { Graphik->GraphikResize(); });
        QObject::connect(&m, &TMelder::WerkzeugeZuruecksetzenVerlangt, Graphik,
                         [](QObject* absender) { Graphik->NeuBeginnen(absender); });
        QObject::connect(&m, &TMelder::EingabeFokusVerlangt, Graphik,
                         [](bool aktivieren) { Graphik->EingabeFokus(aktivieren); });
        QObject::connect(&m, &TMelder::PraesentationBeginnenVerlangt, Graphik,
                         [] { Graphik->PraesentationBeginnen(); });
        QObject::connect(&m, &TMelder::PraesentationBeendenVerlangt, Graphik, [] { Graphik->SpeedButton5Click(); });
        QObject::connect(&m, &TMelder::GraphikNebenHauptfensterVerlangt, Graphik,
                         [](const QRect& rahmen, int hoehe) { Graphik->NebenHauptfensterStellen(rahmen, hoehe); });
        // The graph window beside the main window first: the unit and
        // trace windows stand under its groups.
        QObject::connect(&m, &TMelder::HauptfensterBewegt, Graphik,
                         [](const QRect& rahmen) { Graphik->HauptfensterFolgen(rahmen); });
        QObject::connect(&m, &TMelder::BereicheZeigenVerlangt, Graphik, [](const QStringList& texte) {
            const std::array<QLineEdit*, 5> felder = {Graphik->Evonx, Graphik->Ebisx, Graphik->Evont, Graphik->Ebist,
                                                      Graphik->Estept};
            for (std::size_t i = 0; i < felder.size() && i < static_cast<std::size_t>(texte.size()); ++i)
                TextSetzen(felder[i], texte[static_cast<qsizetype>(i)]);
        });
        QObject::connect(&m, &TMelder::SpurfensterAnheftenVerlangt, Graphik, [] { Graphik->SpurfensterAnheften(); });
        QObject::connect(&m, &TMelder::SpurfensterFolgenVerlangt, Graphik, [] { SpurfensterFolgen(); });
        QObject::connect(&m, &TMelder::WerkzeugVerlangt, Graphik,
                         [](int menue, QObject* absender) { Graphik->WerkzeugWaehlen(menue, absender); });
        QObject::connect(&m, &TMelder::GraphikZeigenVerlangt, Graphik, [](bool zeigen) {
            if (!zeigen) {
                Graphik->hide();
                return;
            }
            Graphik->show();
            Graphik->GraphikResize();
        });
    }

    // The toggles of the tool windows and the overview: a hidden window is
    // refreshed and shown, a visible one closed. The labels window's first
    // axis caption takes the keyboard.
    // (Each connection lives as long as a window of the program: a program
    // started again connects anew.)
    QObject::connect(&m, &TMelder::FensterUmschaltenVerlangt, Form1, [](TUmschaltFenster f) {
        TWerkzeugfenster* fenster = Werkzeugfenster(f);
        if (!fenster)
            return;
        fenster->Umschalten();
        if (fenster == BeschriftungDlg && fenster->isVisible())
            BeschriftungDlg->Edit1->setFocus();
    });
    // The value table's requests make it if it is not made yet.
    QObject::connect(&m, &TMelder::ExportVerlangt, Form1, [](TExportArt art) {
            QDialog* dlg = art == TExportArt::Zwischenablage        ? static_cast<QDialog*>(WertetabKopierDialog())
                           : art == TExportArt::Tabellenkalkulation ? static_cast<QDialog*>(ExcelDialog())
                                                                    : static_cast<QDialog*>(WordDialog());
            TForm2* tabelle = Wertetabelle();
            if (!dlg || !tabelle)
                return;
            tabelle->show();
            tabelle->FillValueTable();
            DialogZeigen(dlg, tabelle);
        });
    QObject::connect(&m, &TMelder::WertetabelleZeigenVerlangt, Form1, [](bool zeigen) {
        if (!zeigen) {
            if (Form2)
                Form2->hide();
            return;
        }
        if (TForm2* tabelle = Wertetabelle()) {
            tabelle->show();
            tabelle->FillValueTable();
        }
    });

    // Open and New hide the tool windows (so a mouse tool never writes into
    // one that shows another document), New the unit windows too.
    QObject::connect(&m, &TMelder::KleineFensterVerbergenVerlangt, Form1, [](bool einheiten) {
        for (QWidget* w : std::initializer_list<QWidget*>{BeschriftungDlg, SenkrechteDlg, FlaechenDlg, PunkteDlg,
                                                          KreiseDlg})
            if (w)
                w->hide();
        if (!einheiten)
            return;
        for (QWidget* w : std::initializer_list<QWidget*>{EinheitXDlg, EinheitYDlg})
            if (w)
                w->hide();
    });
}

namespace {

// The connections of a tool window that was just made.
void Verbinden(TWerkzeugfenster*) {}

void Verbinden(TBeschriftungDlg* fenster)
{
    // Leaving label mode puts a riding label back.
    QObject::connect(&Melder(), &TMelder::ReiterZuruecklegenVerlangt, fenster,
                     [fenster] { fenster->VerschiebenLoesen(); });
}

void Verbinden(TUebersicht_Dlg* fenster)
{
    // What the editor took shows in the overview while the user works in
    // the main window or the graph window.
    fenster->EditorFensterSetzen({Form1, Graphik});
}

template <typename T>
T* Anlegen(T*& fenster)
{
    if (fenster || !Form1)
        return fenster;
    // Its controls show its table at once, and their change handlers write
    // back what the records hold: the picture stays as it is.
    const bool aussen = !Melder().KlammerOffen();
    const TAenderungsklammer klammer;
    fenster = new T;
    if (aussen)
        Melder().Erlassen(TNachholen::Bild);
    BeschriftungAnwenden(fenster);
    const int alpha = Form1->ZubehoerAlpha();
    SetWindowAlpha(fenster, alpha);
    fenster->TrackBar2->setValue(alpha);
    Verbinden(fenster);
    return fenster;
}

}  // namespace

TWerkzeugfenster* Werkzeugfenster(TUmschaltFenster f)
{
    switch (f) {
    case TUmschaltFenster::Punkte: return Anlegen(PunkteDlg);
    case TUmschaltFenster::Kreise: return Anlegen(KreiseDlg);
    case TUmschaltFenster::Beschriftung: return Anlegen(BeschriftungDlg);
    case TUmschaltFenster::Senkrechte: return Anlegen(SenkrechteDlg);
    case TUmschaltFenster::Flaechen: return Anlegen(FlaechenDlg);
    case TUmschaltFenster::Uebersicht: return Anlegen(Uebersicht_Dlg);
    case TUmschaltFenster::Wertetabelle: break;
    }
    return nullptr;
}

void WerkzeugfensterAnlegen()
{
    for (const TUmschaltFenster f : {TUmschaltFenster::Punkte, TUmschaltFenster::Kreise, TUmschaltFenster::Beschriftung,
                                     TUmschaltFenster::Senkrechte, TUmschaltFenster::Flaechen,
                                     TUmschaltFenster::Uebersicht})
        Werkzeugfenster(f);
}

namespace {

void DialogBeschriften(QWidget* dialog)
{
    BeschriftungAnwenden(dialog);
    if (FormOeffne)
        FormOeffne->DialogBeschriften(dialog);
}

// Made through tools/' one way for dialogs made late; none before the main
// window exists.
template <typename T>
T* DialogAnlegen(T*& dialog)
{
    return Form1 ? SpaeterDialog(dialog) : dialog;
}

}  // namespace

TAboutBox* InfoFenster()
{
    return DialogAnlegen(AboutBox);
}

TTippsDlg* TippsFenster()
{
    return DialogAnlegen(TippsDlg);
}

THotkeyDlg* HotkeyFenster()
{
    return DialogAnlegen(HotkeyDlg);
}

TTastenDlg* TastenFenster()
{
    return DialogAnlegen(TastenDlg);
}

void SpaeteDialogeBeschriften()
{
    SetDialogBeschrifter(DialogBeschriften);
    SetWertetabellenMacher(WertetabelleAnlegen);
}

void WertetabelleAnlegen()
{
    if (Form2 || !Form1)
        return;
    // Its fields and rows show the state, and their change handlers write
    // back what it holds: the picture stays as it is.
    const bool aussen = !Melder().KlammerOffen();
    const TAenderungsklammer klammer;
    Form2 = new TForm2(nullptr, Rahmen(Form1), false);
    if (aussen)
        Melder().Erlassen(TNachholen::Bild);
    BeschriftungAnwenden(Form2);
    // The menu item's check mark says whether the user asked for it.
    Form2->Gewuenscht = Form1->Wertetabelle1->isChecked();
    QObject::connect(Form1->Wertetabelle1, &QAction::toggled, Form2, [](bool an) { Form2->Gewuenscht = an; });
    QObject::connect(&Melder(), &TMelder::HauptfensterBewegt, Form2,
                     [](const QRect& rahmen) { Form2->HauptfensterFolgen(rahmen); });
    Form2->HauptfensterFolgen(Rahmen(Form1));
    Form2->RechnerZeigen();
    Form2->EditorZeigen();
}

void SpaeteFensterAnlegen()
{
    WerkzeugfensterAnlegen();
    Wertetabelle();
    if (Form1)
        Form1->BeispielmenuesFuellen();
    KopierDialog();
    KopierDialog8();
    WordDialog();
    ExcelDialog();
    WertetabKopierDialog();
    InfoFenster();
    TippsFenster();
    HotkeyFenster();
    TastenFenster();
}
