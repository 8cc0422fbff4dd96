#include "main/verbindungen.h"

#include "graph/graphik.h"
#include "main/form1.h"
#include "main/info_dlg.h"
#include "platform/felder.h"
#include "platform/melder.h"
#include "platform/modal.h"
#include "tools/uebersicht_dlg.h"
#include "tools/wertetabelle_fenster.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

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
        QObject::connect(&m, &TMelder::GleichungAuswertenVerlangt, Form1, [] { Form1->Edit1Change(); });
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

    // What the editor took shows in the overview while the user works in
    // the main window or the graph window.
    if (Uebersicht_Dlg)
        Uebersicht_Dlg->EditorFensterSetzen({Form1, Graphik});
}
