#include "tools/export_dlg.h"
#include "tools/spaete_dialoge.h"

#include "platform/felder.h"

#include "engine/arbeitsmappe.h"
#include "engine/tabellen.h"
#include "tools/wertetabelle_fenster.h"
#include "platform/dateidialog.h"
#include "platform/dialoge.h"
#include "platform/fensterart.h"
#include "platform/fensterhilfen.h"
#include "platform/oeffner.h"
#include "platform/sprache.h"
#include "platform/tabellendatei.h"
#include "platform/zwischenablage.h"

#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

TWordDlg* WordDlg = nullptr;
TExcelDlg* ExcelDlg = nullptr;
TWertetabKopierDlg* WertetabKopierDlg = nullptr;

TWordDlg* WordDialog()
{
    return SpaeterDialog(WordDlg);
}

TExcelDlg* ExcelDialog()
{
    return SpaeterDialog(ExcelDlg);
}

TWertetabKopierDlg* WertetabKopierDialog()
{
    return SpaeterDialog(WertetabKopierDlg);
}

namespace {

// The clipboard's message, as it stands in every language.
const QString KopierFehler = QStringLiteral("Fehler beim Kopieren!");
// "The table could not be handed to another program:", with the file.
constexpr int ZeileUebergabeFehler = 575;
// "Would you like to save the file in a folder of your choice?"
constexpr int ZeileSelbstSpeichern = 579;
// "The file could not be saved:", with the file.
constexpr int ZeileNichtGespeichert = 580;
constexpr int ZeileUeberschreiben = 160;

QString Pfadtext(int zeile, const QString& pfad)
{
    return Txt(zeile) + QLatin1Char('\n') + QDir::toNativeSeparators(pfad);
}

}  // namespace

// ---------------------------------------------------------------------------
// TExportDlg

TExportDlg::TExportDlg(QWidget* parent, const char* name, const QString& caption) : QDialog(parent)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    auto* box = new QVBoxLayout(this);
    PageControl1 = Benannt(new QTabWidget(this), "PageControl1");
    box->addWidget(PageControl1);

    TabSheet1 = Benannt(new QWidget(PageControl1), "TabSheet1");
    auto* einstellung = new QVBoxLayout(TabSheet1);
    OptGroup = Benannt(new QGroupBox(TabSheet1), "OptGroup");
    auto* richtung = new QVBoxLayout(OptGroup);
    Senkrecht = Benannt(new QRadioButton(QStringLiteral("senkrecht"), OptGroup), "OptGroup0");
    Waagerecht = Benannt(new QRadioButton(QStringLiteral("waagerecht"), OptGroup), "OptGroup1");
    FRichtung = new QButtonGroup(this);
    FRichtung->addButton(Senkrecht, 0);
    FRichtung->addButton(Waagerecht, 1);
    Senkrecht->setChecked(true);
    richtung->addWidget(Senkrecht);
    richtung->addWidget(Waagerecht);
    SpinEdit1 = Benannt(new QSpinBox(OptGroup), "SpinEdit1");
    SpinEdit1->setRange(1, 25);
    SpinEdit1->setValue(25);
    richtung->addWidget(SpinEdit1, 0, Qt::AlignLeft);
    einstellung->addWidget(OptGroup);
    einstellung->addStretch();
    PageControl1->addTab(TabSheet1, QStringLiteral("Einstellungen"));

    TabSheet2 = Benannt(new QWidget(PageControl1), "TabSheet2");
    auto* hilfe = new QVBoxLayout(TabSheet2);
    for (const char* l : {"Label13", "Label14", "Label15", "Label17", "Label16", "Label18", "Label3"})
        hilfe->addWidget(Hilfe(l));
    hilfe->addStretch();
    PageControl1->addTab(TabSheet2, QStringLiteral("Hilfe"));

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    SpeedButton1 = Benannt(new QPushButton(QStringLiteral("OK"), this), "SpeedButton1");
    CancelBtn = Benannt(new QPushButton(QStringLiteral("Abbrechen"), this), "CancelBtn");
    SpeedButton1->setDefault(true);
    knoepfe->addWidget(SpeedButton1);
    knoepfe->addWidget(CancelBtn);
    box->addLayout(knoepfe);
    connect(SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
}

QLabel* TExportDlg::Hilfe(const char* name)
{
    auto* l = Benannt(new QLabel(TabSheet2), name);
    l->setWordWrap(true);
    return l;
}

void TExportDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    HoeheNachTexten(this);
}

int TExportDlg::ItemIndex() const
{
    return FRichtung->checkedId();
}

void TExportDlg::SetItemIndex(int index)
{
    if (QAbstractButton* b = FRichtung->button(index))
        b->setChecked(true);
}

TExportUmfang TExportDlg::Vorbereiten()
{
    // (The spin box holds 1..25 pairs, each a valid range.)
    const TExportUmfang u = ExportUmfang(SpinEdit1->value());
    // The grid stays readable while its window is hidden.
    if (Form2)
        Form2->VerbergenWennUngewuenscht();
    return u;
}

TExportGitter TExportDlg::Gitter()
{
    TExportGitter g;
    if (!Form2)
        return g;
    for (int c = 0; c < ExportSpalten; ++c)
        for (int r = 0; r < 2; ++r)
            g[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] = Form2->Zelle(c, r).toStdString();
    return g;
}

bool TExportDlg::Uebergeben(const QByteArray& daten, const QString& endung, const QString& filter)
{
    // A new file in the temporary folder, opened by the desktop's program
    // for its kind. When it cannot be written the dialog stays, so the user
    // can choose the clipboard instead.
    const QString pfad = ExportPfad(QStringLiteral("Wertetabelle"), endung);
    if (pfad.isEmpty() || !DateiSchreiben(pfad, daten)) {
        ShowMessage(Pfadtext(ZeileUebergabeFehler, pfad.isEmpty() ? QDir::tempPath() : pfad));
        return false;
    }
    if (OeffneMitDesktop(pfad))
        return true;

    // No program takes it: say where it lies, and offer to keep it where the
    // user finds it again rather than among the temporary files.
    if (AskYesNo(Pfadtext(ZeileUebergabeFehler, pfad) + QStringLiteral("\n\n") + Txt(ZeileSelbstSpeichern)) != IDYES)
        return false;
    const std::optional<QString> gewaehlt = ExportSpeichernDialog(this, QStringLiteral("Wertetabelle.") + endung, filter);
    if (!gewaehlt)
        return false;
    QString ziel = *gewaehlt;
    if (!ziel.endsWith(QLatin1Char('.') + endung, Qt::CaseInsensitive))
        ziel += QLatin1Char('.') + endung;
    if (QFileInfo::exists(ziel) && AskYesNo(Txt(ZeileUeberschreiben)) != IDYES)
        return false;
    if (!DateiSchreiben(ziel, daten)) {
        ShowMessage(Pfadtext(ZeileNichtGespeichert, ziel));
        return false;
    }
    QFile::remove(pfad);
    return true;
}

void TExportDlg::CancelBtnClick()
{
    reject();
}

void TExportDlg::reject()
{
    if (Form2)
        Form2->VerbergenWennUngewuenscht();
    QDialog::reject();
}

// ---------------------------------------------------------------------------
// The three exports

TWordDlg::TWordDlg(QWidget* parent) : TExportDlg(parent, "WordDlg", QStringLiteral("Senden der Wertetabelle an Word"))
{
    if (auto* l = findChild<QLabel*>(QStringLiteral("Label3")))
        l->hide();
}

void TWordDlg::SpeedButton1Click()
{
    const TExportUmfang u = Vorbereiten();
    const std::string rtf = RtfDokument(ExportBlock(Gitter(), u.Spalten, ItemIndex() == 1));
    if (Uebergeben(QByteArray::fromStdString(rtf), QStringLiteral("rtf"), QStringLiteral("RTF (*.rtf)")))
        close();
}

TExcelDlg::TExcelDlg(QWidget* parent)
    : TExportDlg(parent, "ExcelDlg", QStringLiteral("Senden der Wertetabelle an Excel"))
{
    if (auto* l = findChild<QLabel*>(QStringLiteral("Label3")))
        l->hide();
}

void TExcelDlg::SpeedButton1Click()
{
    const TExportUmfang u = Vorbereiten();
    const char trenner = Dezimaltrenner();
    std::vector<std::vector<TExportZelle>> zellen;
    for (const auto& zeile : ExportBlock(Gitter(), u.Spalten, ItemIndex() == 1)) {
        zellen.emplace_back();
        for (const std::string& text : zeile)
            zellen.back().push_back(ExportZelle(text, trenner));
    }
    const std::vector<std::uint8_t> mappe = XlsxArbeitsmappe(zellen);
    const QByteArray daten(reinterpret_cast<const char*>(mappe.data()), static_cast<qsizetype>(mappe.size()));
    if (Uebergeben(daten, QStringLiteral("xlsx"), QStringLiteral("XLSX (*.xlsx)")))
        close();
}

TWertetabKopierDlg::TWertetabKopierDlg(QWidget* parent)
    : TExportDlg(parent, "WertetabKopierDlg", QStringLiteral("Kopieren der Wertetabelle in die Zwischenablage"))
{
}

void TWertetabKopierDlg::SpeedButton1Click()
{
    const TExportUmfang u = Vorbereiten();
    const std::string text = ExportText(Gitter(), u.Spalten, ItemIndex() == 1);
    if (!Zwischenablage().Text(QString::fromStdString(text)))
        ShowMessage(KopierFehler);
    close();
}
