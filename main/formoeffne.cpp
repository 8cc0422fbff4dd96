#include "main/formoeffne.h"

#include "engine/einstellungen.h"
#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "graph/graphik.h"
#include "main/druck_dlg.h"
#include "main/einstell_dlg.h"
#include "main/export_dlg.h"
#include "main/form1.h"
#include "main/kopier_dlg.h"
#include "main/wertetabelle_fenster.h"
#include "platform/dialoge.h"
#include "platform/einstellungsordner.h"
#include "platform/fensterhilfen.h"
#include "platform/sprache.h"
#include "platform/statusleiste.h"
#include "tools/beschriftung_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <optional>
#include <vector>

TFormOeffne* FormOeffne = nullptr;

namespace {

const QString StartGleichung = QStringLiteral("f(x) = x^2");

// The settings record from its file, or nothing when there is no file or it
// is not a settings record (any other size than 1096 bytes, or unreadable).
// Such a file is treated as absent: the program starts with its defaults.
std::optional<TEinstellungen> EinstellungenLesen(const QString& pfad)
{
    if (pfad.isEmpty())
        return std::nullopt;
    QFile datei(pfad);
    if (!datei.exists() || !datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray daten = datei.read(static_cast<qint64>(EinstellungenGroesse) + 1);
    return DecodeEinstellungen(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(daten.constData()),
                                                             static_cast<std::size_t>(daten.size())));
}

// The language lines and Qt's own texts of its standard dialogs go together.
void SpracheLaden(int sprache)
{
    LoadLanguage(sprache);
    LoadStandardDialogLanguage(sprache);
}

}  // namespace

TFormOeffne::TFormOeffne(QWidget* parent) : QWidget(parent)
{
    FormOeffne = this;
    setObjectName(QStringLiteral("FormOeffne"));
    FormCreate();
}

void TFormOeffne::FormCreate()
{
    BeendenBestaetigt = false;
    Einstellungen.Transparent = 1;
    Einstellungen.Sprache = SpracheDeutsch;

    Form1->deutsch1->setChecked(true);
    Form1->english1->setChecked(false);
    Form1->franzsisch1->setChecked(false);
    Form1->cm->setChecked(true);
    Form1->Inch->setChecked(false);

    SpracheLaden(SpracheDeutsch);
    beschriften();

    const QString vorlage = Startvorlage();
    if (const auto gelesen = EinstellungenLesen(Einstellungsdatei())) {
        Einstellungen = *gelesen;
        Form1->AlignForm();

        switch (RoundToInt32(Einstellungen.Einheit)) {
        case 2: Form1->Inch->setChecked(true); break;
        default: Form1->cm->setChecked(true); break;
        }

        const int sprache = Einstellungen.Sprache;
        if (sprache == SpracheDeutsch || sprache == SpracheEnglisch || sprache == SpracheDritte) {
            Form1->deutsch1->setChecked(sprache == SpracheDeutsch);
            Form1->english1->setChecked(sprache == SpracheEnglisch);
            Form1->franzsisch1->setChecked(sprache == SpracheDritte);
            SpracheLaden(sprache);
        } else {
            SpracheLaden(SpracheDeutsch);
        }
        beschriften();

        if (Einstellungen.Startvorlage != 0) {
            EinstellDlg->CheckBox2->setChecked(true);
            Form1->eigeneEinstellungenverwenden1->setChecked(true);
            if (QFileInfo(vorlage).isFile() && Form1->oeffne(vorlage.toStdString())) {
                Form1->StartvorlageLaden = false;
                Graphik->GraphikResize();
                Graphik->StatusBar1->update();
            } else {
                Form1->Edit1->setText(StartGleichung);
            }
        } else {
            EinstellDlg->CheckBox2->setChecked(false);
            Form1->eigeneEinstellungenverwenden1->setChecked(false);
            Form1->StartvorlageLaden = false;
            Form1->Edit1->setText(StartGleichung);
        }
    } else {
        Form1->Edit1->setText(StartGleichung);
    }

    if (!StartDokument.empty()) {
        Form1->oeffne(StartDokument);
        Form1->StartvorlageLaden = false;
        Graphik->GraphikResize();
        Graphik->StatusBar1->update();
    }

    KreiseDlg->ZeigePunk();
    KreiseDlg->update();

    Form1->show();
    Graphik->show();

    if (Einstellungen.MitWertetabelle != 0) {
        Form2->show();
        Form2->FillValueTable();
        Form1->Wertetabelle1->setChecked(true);
        Form1->mitWertetabellestarten1->setChecked(true);
    } else {
        Form1->mitWertetabellestarten1->setChecked(false);
    }

    // The tool windows start translucent whatever the stored flag says.
    auto durchscheinend = [](QWidget* fenster, QSlider* regler) {
        SetWindowAlpha(fenster, 240);
        regler->setValue(240);
    };
    durchscheinend(Uebersicht_Dlg, Uebersicht_Dlg->TrackBar2);
    durchscheinend(BeschriftungDlg, BeschriftungDlg->TrackBar2);
    durchscheinend(SenkrechteDlg, SenkrechteDlg->TrackBar2);
    durchscheinend(PunkteDlg, PunkteDlg->TrackBar2);
    durchscheinend(KreiseDlg, KreiseDlg->TrackBar2);
    durchscheinend(FlaechenDlg, FlaechenDlg->TrackBar2);
    Form1->ransparenzderZubehrfenster1->setChecked(true);

    Graphik->Statusanzeige();
}

void TFormOeffne::beschriften()
{
    if (!Form1)
        return;
    if (Form1->BKomma)
        Form1->BKomma->setText(QString(QChar::fromLatin1(Dezimaltrenner())));
    // Captions that follow the editor's state.
    const bool einzeln = Form1->Eingabeart == " Funktion ";
    Form1->SFarbe->setText(einzeln ? Txt(147) : QString());
    Form1->GroupBox1->setTitle(QLatin1Char(' ') + Txt(einzeln ? 134 : 135) + QLatin1Char(' '));
    Form1->GroupBox2->setTitle(QLatin1Char(' ') + Txt(141) + QStringLiteral(" (") + QString::number(FunktionNr) +
                               QStringLiteral(".) "));
    // The print, copy, export, about and tips windows.
    if (DruckDlg)
        DruckDlg->Beschriften();
    for (TKopierDlg* k : {KopierDlg, static_cast<TKopierDlg*>(KopierDlg8)})
        if (k)
            k->Beschriften();
    for (TExportDlg* e : {static_cast<TExportDlg*>(ExcelDlg), static_cast<TExportDlg*>(WordDlg),
                          static_cast<TExportDlg*>(WertetabKopierDlg)})
        if (e)
            e->Beschriften();
    if (TippsDlg)
        TippsDlg->Beschriften();
    if (AboutBox)
        AboutBox->Beschriften();
    // The texts computed by the editor come out in the new language.
    Form1->Edit1Change();

    for (TWerkzeugfenster* w : std::initializer_list<TWerkzeugfenster*>{PunkteDlg, KreiseDlg, BeschriftungDlg,
                                                                        SenkrechteDlg, FlaechenDlg}) {
        if (w)
            w->Beschriften();
    }
}
