#include "tools/kopier_dlg.h"

#include "platform/felder.h"

#include "engine/druckseite.h"
#include "engine/tabellen.h"
#include "engine/zustand.h"
#include "platform/melder.h"
#include "tools/druck_dlg.h"
#include "tools/export_dlg.h"
#include "tools/spaete_dialoge.h"
#include "tools/wertetabelle_fenster.h"
#include "platform/dialoge.h"
#include "platform/modal.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TKopierDlg* KopierDlg = nullptr;
TKopierDlg8* KopierDlg8 = nullptr;

TKopierDlg* KopierDialog()
{
    return SpaeterDialog(KopierDlg);
}

TKopierDlg8* KopierDialog8()
{
    return SpaeterDialog(KopierDlg8);
}

namespace {

const QString SchraffiertMeldung = QStringLiteral(
    "Schraffierte Kreise können nicht als Metadatei kopiert werden. Sie werden als Bitmap in die Zwischenablage "
    "kopiert!");

}  // namespace

TKopierDlg::TKopierDlg(QWidget* parent, const char* name) : QDialog(parent)
{
    // (Its title comes from the language table; the graph window's copy
    // dialog sets its own.)
    setObjectName(QString::fromLatin1(name));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    auto* box = new QVBoxLayout(this);

    GroupBox1 = Benannt(new QGroupBox(QStringLiteral(" Kopieren der Graphen in die Zwischenablage "), this), "GroupBox1");
    auto* graphen = new QVBoxLayout(GroupBox1);
    R3 = Benannt(new QRadioButton(QStringLiteral("für Druck und  Präsentationen als Bitmap ..."), GroupBox1), "R3");
    R1 = Benannt(new QRadioButton(QStringLiteral("für die Textverarbeitung als Metadatei ..."), GroupBox1), "R1");
    CB3 = Benannt(new QCheckBox(QStringLiteral("schwarze Gitterlinien (empfohlen für SW-Druck)"), GroupBox1), "CB3");
    // How the picture gets from the clipboard into a document.
    Label11 = Benannt(new QLabel(QStringLiteral("Einfügen im Zielprogramm mit Strg+V."), GroupBox1), "Label11");
    graphen->addWidget(R3);
    graphen->addWidget(R1);
    graphen->addWidget(CB3);
    graphen->addWidget(Label11);
    box->addWidget(GroupBox1);

    GroupBox2 = Benannt(new QGroupBox(QStringLiteral(" Kopieren der Wertetabelle "), this), "GroupBox2");
    auto* tabelle = new QVBoxLayout(GroupBox2);
    R2 = Benannt(new QRadioButton(QStringLiteral("Senden der Wertetabelle an Excel ..."), GroupBox2), "R2");
    R4 = Benannt(new QRadioButton(QStringLiteral("Senden der Wertetabelle an Word ..."), GroupBox2), "R4");
    R5 = Benannt(new QRadioButton(QStringLiteral("in die Zwischenablage ..."), GroupBox2), "R5");
    tabelle->addWidget(R2);
    tabelle->addWidget(R4);
    tabelle->addWidget(R5);
    box->addWidget(GroupBox2);

    Wahl = new QButtonGroup(this);
    for (QRadioButton* r : {R1, R2, R3, R4, R5})
        Wahl->addButton(r);
    R3->setChecked(true);

    auto* knoepfe = new QHBoxLayout;
    BitBtn1 = Benannt(new QPushButton(QStringLiteral("Hilfe und Tipps"), this), "BitBtn1");
    OKBtn = Benannt(new QPushButton(QStringLiteral("OK"), this), "OKBtn");
    CancelBtn = Benannt(new QPushButton(QStringLiteral("Abbrechen"), this), "CancelBtn");
    OKBtn->setDefault(true);
    knoepfe->addWidget(BitBtn1);
    knoepfe->addStretch();
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    box->addLayout(knoepfe);

    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(CB3, &QCheckBox::toggled, this, [this] { CB3Click(); });
}

void TKopierDlg::OKBtnClick()
{
    if (R1->isChecked() || R3->isChecked()) {
        // A hatched circle cannot go into a vector picture: it is copied as
        // a bitmap instead. The circle records say so, not a window.
        if (SchraffierteKreise(Kreise) && R1->isChecked()) {
            R3->setChecked(true);
            ShowMessage(SchraffiertMeldung);
        }
        emit Melder().BildKopierenVerlangt();
    }
    if (!GroupBox2->isHidden()) {
        QDialog* export_ = R2->isChecked() ? static_cast<QDialog*>(ExcelDialog())
                           : R4->isChecked() ? static_cast<QDialog*>(WordDialog())
                           : R5->isChecked() ? static_cast<QDialog*>(WertetabKopierDialog())
                                             : nullptr;
        TForm2* tabelle = export_ ? Wertetabelle() : nullptr;
        if (tabelle) {
            export_->show();
            tabelle->show();
            tabelle->FillValueTable();
        }
    }
    accept();
}

void TKopierDlg::CancelBtnClick()
{
    reject();
}

void TKopierDlg::done(int r)
{
    // Unticking puts the grid back and draws it.
    if (CB3->isChecked() && DruckDlg)
        Zustand.Ansicht.Gitter = DruckDlg->AltesGitter;
    CB3->setChecked(false);
    QDialog::done(r);
}

void TKopierDlg::CB3Click()
{
    SchwarzeGitterlinien(CB3->isChecked());
}

void TKopierDlg::BitBtn1Click()
{
    // Above this dialog, which is modal: not behind it, and not blocked.
    emit Melder().TippsVerlangt(this);
}

TKopierDlg8::TKopierDlg8(QWidget* parent) : TKopierDlg(parent, "KopierDlg8")
{
    setWindowTitle(QStringLiteral("Kopieren der Graphen ..."));
    GroupBox2->hide();
}

void TKopierDlg::Vorbereiten()
{
    CB3->setChecked(false);
    CB3->setVisible(SchwarzeGitterMoeglich(Zustand.Ansicht.Gitter));
}

void TKopierDlg::BitmapWaehlen(bool bitmap)
{
    (bitmap ? R3 : R1)->setChecked(true);
}

bool TKopierDlg::Bitmap() const
{
    return R3->isChecked();
}
