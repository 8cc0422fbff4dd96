#include "main/formoeffne.h"

#include "engine/einstellungen.h"
#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "engine/zustand.h"
#include "graph/graphik.h"
#include "main/beschriftung_tabelle.h"
#include "main/info_dlg.h"
#include "tools/druck_dlg.h"
#include "tools/einheit_dlg.h"
#include "main/einstell_dlg.h"
#include "main/hotkey_dlg.h"
#include "main/tasten_dlg.h"
#include "tools/trace_dlg.h"
#include "main/form1.h"
#include "tools/wertetabelle_fenster.h"
#include "platform/dialoge.h"
#include "platform/einstellungsordner.h"
#include "platform/fensterhilfen.h"
#include "platform/sprache.h"
#include "platform/statusleiste.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

// The language lines and Qt's own texts of its standard dialogs go together,
// and the state names the language in force (windows read it there).
void SpracheLaden(int sprache)
{
    Zustand.Sprache = sprache;
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

    SpracheLaden(SpracheDeutsch);

    // The windows are captioned once, in the language that the start ends
    // with: a pass costs as much as the rest of the windows' making.
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
        }  // else German, loaded above
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
        beschriften();
        Form1->Edit1->setText(StartGleichung);
    }

    if (!StartDokument.empty()) {
        Form1->oeffne(StartDokument);
        Form1->StartvorlageLaden = false;
        Graphik->GraphikResize();
        Graphik->StatusBar1->update();
    }

    // The editor shows its function in the function's colour from the
    // start, not only after a selection.
    Form1->SchriftfarbenZeigen();

    Form1->show();
    Graphik->show();

    if (Einstellungen.MitWertetabelle != 0) {
        TForm2* tabelle = Wertetabelle();
        tabelle->show();
        tabelle->FillValueTable();
        Form1->Wertetabelle1->setChecked(true);
        Form1->mitWertetabellestarten1->setChecked(true);
    } else {
        Form1->mitWertetabellestarten1->setChecked(false);
    }

    // The tool windows start translucent whatever the stored flag says
    // (each takes this when it is made).
    Form1->ransparenzderZubehrfenster1->setChecked(true);

    Graphik->Statusanzeige();
}

void TFormOeffne::beschriften()
{
    if (!Form1)
        return;
    ++Beschriftungen;
    const QString trenner(QChar::fromLatin1(Dezimaltrenner()));
    const bool deutsch = Zustand.Sprache == SpracheDeutsch;
    auto text = [](QWidget* fenster, const char* name, const QString& t) {
        Beschriften(Steuerelement(fenster, QString::fromLatin1(name)), TBeschriftungsArt::Text, -1, t);
    };

    // The decimal separator of every typed and shown number.
    if (Form1->BKomma)
        Form1->BKomma->setText(trenner);

    BeschriftungAnwenden();

    // The texts computed by the editor come out in the new language; they
    // replace the table's plain captions of the same controls (the print
    // option names the function).
    Form1->Edit1Change();

    // (It captions the colour button and the equation's box by the kind.)
    Form1->GroupBox2->setTitle(QLatin1Char(' ') + Txt(141) + QStringLiteral(" (") + QString::number(FunktionNr) +
                               QStringLiteral(".) "));

    // The graph window: snapping steps with the separator, the sound
    // question, and the text of the photo option by tool.
    if (Graphik) {
        text(Graphik, "Label11", QLatin1Char('0') + trenner + QLatin1Char('5'));
        text(Graphik, "Label2", QLatin1Char('0') + trenner + QLatin1Char('1'));
        text(Graphik, "Label1", QLatin1Char('0') + trenner + QStringLiteral("01"));
        text(Graphik, "Label32", QLatin1Char('0') + trenner + QStringLiteral("001"));
        Beschriften(Steuerelement(Graphik, QStringLiteral("SoundBox")), TBeschriftungsArt::Hinweis, -1,
                    Txt(128) + QLatin1Char('?'));
        if (Modus == ModusUrsprung || Modus == ModusPunkte || Modus == ModusSpur) {
            text(Graphik, "LabelText", Txt(510));
        } else if (Modus == ModusTangente) {
            const QString einzug = deutsch ? QString() : QStringLiteral("      ");
            text(Graphik, "LabelText", einzug + Txt(Graphik->IstTangente ? 511 : 456));
        }
    }

    EinheitenBeschriften();

    DialogBeschriften();
    // Whether the start template exists, in the words of the language.
    if (EinstellDlg)
        EinstellDlg->CheckFile();
}

void TFormOeffne::DialogBeschriften(const QWidget* nur)
{
    auto gemeint = [nur](const QWidget* dialog) { return dialog && (!nur || nur == dialog); };
    auto text = [](QWidget* fenster, const char* name, const QString& t) {
        Beschriften(Steuerelement(fenster, QString::fromLatin1(name)), TBeschriftungsArt::Text, -1, t);
    };
    const bool english = Zustand.Sprache == SpracheEnglisch;

    // The about window's link shows the address that its hint holds, the
    // site in the language in force (none in a language without one).
    if (gemeint(AboutBox)) {
        const QString adresse = AboutBox->Label5->toolTip().toHtmlEscaped();
        AboutBox->Label5->setText(adresse.isEmpty() ? QString()
                                                    : QStringLiteral("<a href=\"%1\">%1</a>").arg(adresse));
    }

    // The hot keys with the name of the control key, and the first and
    // the ninth function.
    if (gemeint(HotkeyDlg)) {
        for (const THotkeyDlg::TStrgTaste& t : THotkeyDlg::StrgTasten)
            text(HotkeyDlg, t.Label, QLatin1Char('(') + Txt(338) + QString::fromLatin1(t.Taste));
        text(HotkeyDlg, THotkeyDlg::ErsteFunktion, QString::fromLatin1(english ? "1st " : "1. ") + Txt(134));
        text(HotkeyDlg, THotkeyDlg::NeunteFunktion, QString::fromLatin1(english ? "9th " : "9. ") + Txt(134));
    }
    if (gemeint(TastenDlg))
        TastenDlg->TastenBeschriften();
}

void TFormOeffne::EinheitenBeschriften()
{
    const bool inch = Form1 && Form1->Inch && Form1->Inch->isChecked();
    const QString je = inch ? QStringLiteral(" 1/2 in") : QStringLiteral(" 1 cm");
    if (EinheitXDlg && EinheitXDlg->Label1)
        EinheitXDlg->Label1->setText(Txt(344) + je);
    if (EinheitYDlg && EinheitYDlg->Label1)
        EinheitYDlg->Label1->setText(Txt(345) + je);
}
