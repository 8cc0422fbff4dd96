#include "main/einstell_dlg.h"

#include "platform/felder.h"

#include "engine/dokument.h"
#include "engine/einstellungen.h"
#include "engine/tabellen.h"
#include "main/form1.h"
#include "platform/dialoge.h"
#include "platform/einstellungsordner.h"
#include "platform/fensterhilfen.h"
#include "platform/sprache.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TEinstellDlg* EinstellDlg = nullptr;

namespace {

// Language lines of the options and their messages.
constexpr int ZeileGespeichert = 220;
constexpr int ZeileVorlageJa = 431;
constexpr int ZeileVorlageNein = 432;
constexpr int ZeileVorlageUeberschreiben = 434;
constexpr int ZeileVorlageFehler = 435;
constexpr int ZeileEinstellungenSpeichern = 441;
constexpr int ZeileEinstellungenFehler = 577;

}  // namespace

void EinstellungenSchreibenMelden(bool gespeichertMelden, const QString& gespeichertText)
{
    switch (EinstellungenSpeichern(Einstellungen)) {
    case TSchreibErgebnis::KeinOrdner:
        break;
    case TSchreibErgebnis::Fehler:
        ShowMessage(Txt(ZeileEinstellungenFehler) + QLatin1Char('\n') + Einstellungsdatei());
        break;
    case TSchreibErgebnis::Geschrieben:
        if (gespeichertMelden)
            ShowMessage(gespeichertText.isEmpty() ? Txt(ZeileGespeichert) : gespeichertText);
        break;
    }
}

TEinstellDlg::TEinstellDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EinstellDlg"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);

    auto* spalte = new QVBoxLayout(this);
    GroupBox1 = Benannt(new QGroupBox(this), "GroupBox1");
    auto* start = new QVBoxLayout(GroupBox1);
    CheckBox2 = Benannt(new QCheckBox(GroupBox1), "CheckBox2");
    start->addWidget(CheckBox2);
    spalte->addWidget(GroupBox1);

    GroupBox2 = Benannt(new QGroupBox(this), "GroupBox2");
    auto* vorlage = new QGridLayout(GroupBox2);
    Label3 = Benannt(new QLabel(GroupBox2), "Label3");
    Label2 = Benannt(new QLabel(GroupBox2), "Label2");
    BitBtn3 = Benannt(new QPushButton(GroupBox2), "BitBtn3");
    BitBtn4 = Benannt(new QPushButton(GroupBox2), "BitBtn4");
    vorlage->addWidget(Label3, 0, 0);
    vorlage->addWidget(Label2, 0, 1);
    vorlage->addWidget(BitBtn3, 1, 0, 1, 2);
    vorlage->addWidget(BitBtn4, 2, 0, 1, 2);
    vorlage->setColumnStretch(1, 1);
    spalte->addWidget(GroupBox2);

    auto* knoepfe = new QHBoxLayout;
    OKBtn = Benannt(new QPushButton(this), "OKBtn");
    CancelBtn = Benannt(new QPushButton(this), "CancelBtn");
    OKBtn->setDefault(true);
    knoepfe->addStretch(1);
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    spalte->addLayout(knoepfe);

    // The box reports every change, also one made from code: the start-up
    // ticks it to match the settings it read.
    connect(CheckBox2, &QCheckBox::toggled, this, [this] { CheckBox2Click(); });
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn2Click(); });

    FormCreate();
}

void TEinstellDlg::FormCreate()
{
    Einstellungen.MitWertetabelle = 0;
    Einstellungen.Startvorlage = 0;
    // (Whether the start template exists is looked up when the captions
    // are set and each time the dialog opens.)
}

void TEinstellDlg::CheckFile()
{
    // Only looks: the folder is made by the first write, not by a start.
    const QString pfad = Startvorlage();
    const bool vorhanden = !pfad.isEmpty() && QFileInfo(pfad).isFile();
    Label2->setText(Txt(vorhanden ? ZeileVorlageJa : ZeileVorlageNein));
}

void TEinstellDlg::CheckBox2Click()
{
    const bool an = CheckBox2->isChecked();
    Einstellungen.Startvorlage = an ? 1 : 0;
    Form1->eigeneEinstellungenverwenden1->setChecked(an);
}

void TEinstellDlg::OKBtnClick()
{
    if (AskYesNo(Txt(ZeileEinstellungenSpeichern)) != IDYES)
        return;
    EinstellungenSchreibenMelden(true);
    close();
}

void TEinstellDlg::CancelBtnClick()
{
    close();
}

void TEinstellDlg::BitBtn1Click()
{
    // A template that cannot be written (no settings folder can be made
    // either) is said: the user asked for it.
    const QString pfad = Startvorlage();
    if (QFileInfo::exists(pfad) && AskYesNo(Txt(ZeileVorlageUeberschreiben)) != IDYES)
        return;
    const std::vector<std::uint8_t> daten = EncodeDokument(Form1->DokumentBild());
    if (SchreibeInEinstellungsordner(pfad, daten) != TSchreibErgebnis::Geschrieben)
        ShowMessage(Txt(ZeileVorlageFehler));
    CheckFile();
}

void TEinstellDlg::BitBtn2Click()
{
    QStringList zeilen;
    for (const int n : {436, 437, -1, 438, 439, 440})
        zeilen.append(n < 0 ? QString() : Txt(n));
    ShowMessage(zeilen.join(QLatin1Char('\n')));
}
