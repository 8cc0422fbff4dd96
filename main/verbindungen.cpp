#include "main/verbindungen.h"

#include "graph/graphik.h"
#include "graph/graphik_modi.h"
#include "main/form1.h"
#include "main/formoeffne.h"
#include "main/info_dlg.h"
#include "platform/felder.h"
#include "platform/melder.h"
#include "platform/modal.h"
#include "tools/beschriftung_dlg.h"
#include "tools/uebersicht_dlg.h"
#include "tools/wertetabelle_fenster.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
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
                if ((welche & bit) != 0 && knopf)
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
        QObject::connect(&m, &TMelder::FensterUmschaltenVerlangt, Form1, [](TUmschaltFenster f) {
            switch (f) {
            case TUmschaltFenster::Punkte: Form1->SpeedButton10Click(); break;
            case TUmschaltFenster::Kreise: Form1->SpeedButton8Click(); break;
            case TUmschaltFenster::Beschriftung: Form1->SpeedButton12Click(); break;
            case TUmschaltFenster::Senkrechte: Form1->SpeedButton11Click(); break;
            case TUmschaltFenster::Flaechen: Form1->SpeedButton9Click(); break;
            case TUmschaltFenster::Uebersicht: Form1->SpeedButton13Click(); break;
            case TUmschaltFenster::Wertetabelle: Form1->SpeedButton4Click(); break;
            }
        });
        QObject::connect(&m, &TMelder::NeuVerlangt, Form1, [] {
            Form1->StartvorlageLaden = false;
            Form1->SpeedButton3Click();
        });
        QObject::connect(&m, &TMelder::OeffnenVerlangt, Form1, [] { Form1->SpeedButton7Click(); });
        QObject::connect(&m, &TMelder::SpeichernVerlangt, Form1, [] { Form1->SpeedButton6Click(); });
        QObject::connect(&m, &TMelder::KeineStartvorlageVerlangt, Form1, [] { Form1->StartvorlageLaden = false; });
        QObject::connect(&m, &TMelder::PraesentationVerlangt, Form1, [] { Form1->SpeedButton5Click(); });
        QObject::connect(&m, &TMelder::AusrichtenVerlangt, Form1, [] { Form1->AlignForm(); });
        QObject::connect(&m, &TMelder::DruckbefehlVerlangt, Form1, [] { Form1->SpeedButton1Click(); });
        // The value table's menu item and the window: the check mark says
        // whether the user asked for it, the close box takes it away.
        if (Form2) {
            Form2->Gewuenscht = Form1->Wertetabelle1->isChecked();
            QObject::connect(Form1->Wertetabelle1, &QAction::toggled, Form2, [](bool an) { Form2->Gewuenscht = an; });
            QObject::connect(&m, &TMelder::WertetabelleGeschlossen, Form1,
                             [] { Form1->Wertetabelle1->setChecked(false); });
        }
    }
    QObject::connect(&m, &TMelder::TippsVerlangt, qApp, [](QWidget* ueber) { DialogZeigen(TippsDlg, ueber); });

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
    }

    // Leaving label mode puts a riding label back.
    if (BeschriftungDlg)
        QObject::connect(&m, &TMelder::ReiterZuruecklegenVerlangt, BeschriftungDlg,
                         [] { BeschriftungDlg->VerschiebenLoesen(); });

    // What the editor took shows in the overview while the user works in
    // the main window or the graph window.
    if (Uebersicht_Dlg)
        Uebersicht_Dlg->EditorFensterSetzen({Form1, Graphik});
}
