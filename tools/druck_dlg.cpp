#include "tools/druck_dlg.h"

#include "platform/felder.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "engine/zustand.h"
#include "platform/sprache.h"
#include "platform/melder.h"
#include "tools/wertetabelle_fenster.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

TDruckDlg* DruckDlg = nullptr;

namespace {

QPushButton* Knopf(QWidget* parent, const char* name, const QString& text)
{
    return Benannt(new QPushButton(text, parent), name);
}

// A stay-on-top dialog of the program.
void DialogArt(QDialog* d, const char* name, const QString& titel)
{
    d->setObjectName(QString::fromLatin1(name));
    d->setWindowTitle(titel);
    d->setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

// The value table window goes away again when the menu does not ask for it.
void WertetabelleVerbergen()
{
    if (Form2)
        Form2->VerbergenWennUngewuenscht();
}

}  // namespace

// ---------------------------------------------------------------------------
// Black grid lines

bool SchwarzeGitterMoeglich(const std::string& gitter)
{
    return !gitter.empty() && gitter[0] != '0' && gitter.size() > 1;
}

void SchwarzeGitterlinien(bool an)
{
    if (!DruckDlg)
        return;
    std::string& gitter = Zustand.Ansicht.Gitter;
    if (an) {
        DruckDlg->AltesGitter = gitter;
        gitter = gitter.substr(0, 1);
    } else {
        gitter = DruckDlg->AltesGitter;
    }
    // The graph window draws the grid anew, its style samples too.
    emit Melder().AnsichtGeaendert(DruckDlg);
}

// ---------------------------------------------------------------------------
// TDruckDlg

TDruckDlg::TDruckDlg(QWidget* parent) : QDialog(parent)
{
    DialogArt(this, "DruckDlg", QStringLiteral("Drucken von Graphen und Wertetabelle ..."));
    auto* box = new QVBoxLayout(this);

    GroupBox1 = Benannt(new QGroupBox(QStringLiteral(" Optionen "), this), "GroupBox1");
    auto* optionen = new QVBoxLayout(GroupBox1);
    CB1 = Benannt(new QCheckBox(QStringLiteral("mit Wertetabelle von "), GroupBox1), "CB1");
    CB4 = Benannt(new QCheckBox(QStringLiteral("mit Kopf (Überschrift und Funktionsgleichungen)"), GroupBox1), "CB4");
    optionen->addWidget(CB1);
    optionen->addWidget(CB4);
    box->addWidget(GroupBox1);

    GroupBox2 = Benannt(new QGroupBox(QStringLiteral(" Optionen Schwarz-Weiß-Drucker  "), this), "GroupBox2");
    auto* sw = new QVBoxLayout(GroupBox2);
    CB3 = Benannt(new QCheckBox(QStringLiteral("schwarze Gitterlinien (empfohlen für SW-Druck)"), GroupBox2), "CB3");
    CB2 = Benannt(new QCheckBox(QStringLiteral("Graphik schwarz-weiss "), GroupBox2), "CB2");
    sw->addWidget(CB3);
    sw->addWidget(CB2);
    box->addWidget(GroupBox2);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    OKBtn = Knopf(this, "OKBtn", QStringLiteral("OK"));
    CancelBtn = Knopf(this, "CancelBtn", QStringLiteral("Abbrechen"));
    OKBtn->setDefault(true);
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    box->addLayout(knoepfe);

    CB1->setChecked(true);
    CB4->setChecked(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
    connect(CB2, &QCheckBox::toggled, this, [this] { CB2Click(); });
    connect(CB3, &QCheckBox::toggled, this, [this] { CB3Click(); });
    // Black and white is the opposite of the graph window's colour switch.
    connect(&Melder(), &TMelder::AnsichtGeaendert, this, [this] {
        const QSignalBlocker still(CB2);
        CB2->setChecked(!Zustand.Ansicht.Farbig);
    });
}

void TDruckDlg::Vorbereiten()
{
    // The value table option names the function, and its t for a family.
    TFunktion* f = Funktionen[0];
    QString titel = Txt(155) + QStringLiteral(" ?");
    if (f && f->GetCompiled()) {
        titel = Txt(155) + QLatin1Char(' ') + QString::fromStdString(f->GetTerm());
        if (Zustand.Editor.Eingabeart == ArtFunktionenschar && Form2 && !Form2->ParameterText().isEmpty())
            titel += QStringLiteral("  ") + Txt(154) + QLatin1Char(' ') + Form2->ParameterText();
    }
    CB1->setText(titel);
    CB3->setVisible(SchwarzeGitterMoeglich(Zustand.Ansicht.Gitter));

    // Clearing the black-and-white option turns the graph window's colour
    // on while the dialog is open; the dialog puts it back when it closes.
    // (Every way of closing it unticks the black grid lines.)
    FarbigVorher = Zustand.Ansicht.Farbig;
    CB2->setChecked(false);
}

void TDruckDlg::OKBtnClick()
{
    hide();
    emit Melder().DruckenVerlangt();
    accept();  // closing hides the value table again unless the menu shows it
}

void TDruckDlg::CancelBtnClick()
{
    reject();
}

void TDruckDlg::done(int r)
{
    FormClose();
    QDialog::done(r);
}

void TDruckDlg::FormClose()
{
    WertetabelleVerbergen();
    // Unticking puts the grid back and draws it.
    if (CB3->isChecked())
        Zustand.Ansicht.Gitter = AltesGitter;
    CB3->setChecked(false);
    if (FarbigVorher) {
        FarbeSetzen(*FarbigVorher);
        FarbigVorher.reset();
    }
}

void TDruckDlg::CB2Click()
{
    // Black-and-white printing draws without colours.
    FarbeSetzen(!CB2->isChecked());
}

void TDruckDlg::FarbeSetzen(bool farbig)
{
    if (Zustand.Ansicht.Farbig == farbig)
        return;
    Zustand.Ansicht.Farbig = farbig;
    emit Melder().AnsichtGeaendert(this);
}

void TDruckDlg::GitterZuruecknehmen()
{
    if (CB3->isChecked())
        Zustand.Ansicht.Gitter = AltesGitter;
}

void TDruckDlg::CB3Click()
{
    SchwarzeGitterlinien(CB3->isChecked());
}


bool TDruckDlg::MitTabelle() const
{
    return CB1->isChecked();
}

bool TDruckDlg::MitKopf() const
{
    return CB4->isChecked();
}
