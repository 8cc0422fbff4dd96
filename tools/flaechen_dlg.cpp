#include "tools/flaechen_dlg.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "platform/felder.h"
#include "platform/dialoge.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

TFlaechenDlg* FlaechenDlg = nullptr;

namespace {

constexpr int IndexXAchse = 9;       // the list's last item
constexpr std::int32_t KurveXAchse = 13;  // Funktionen[13] holds "f(x) = 0"

// The labels of row k, named as designed: "k. Zwischen", "und", "x von",
// "x bis".
struct TZeilenNamen {
    int Zwischen, Und, Von, Bis;
    const char* Farbe;
};
constexpr auto ZeilenNamen = std::to_array<TZeilenNamen>({
    {1, 4, 7, 8, "SFarbe"},
    {2, 3, 5, 6, "SpeedButton1"},
    {9, 10, 11, 12, "SpeedButton2"},
    {13, 14, 15, 16, "SpeedButton3"},
    {17, 18, 19, 20, "SpeedButton4"},
    {21, 22, 23, 24, "SpeedButton5"},
    {25, 26, 27, 28, "SpeedButton6"},
    {29, 30, 31, 32, "SpeedButton7"},
});
static_assert(ZeilenNamen.size() == 8);

QString Name(const char* art, int nummer)
{
    return QString::fromLatin1(art) + QString::number(nummer);
}

QComboBox* NeueKurvenliste(QWidget* parent, const QString& name, int x, int y)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setGeometry(x, y, 52, 22);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    for (int i = 1; i <= 9; ++i)
        c->addItem(QString::number(i) + QLatin1Char('.'));
    c->addItem(QStringLiteral("x-A."));
    return c;
}

// Shows a stored curve: its item, or an empty text for a number the list
// does not hold. A text the user typed gives way to the item's (choosing
// an item writes its text into the edit even when it was chosen already).
void KurveZeigen(QComboBox* c, std::int32_t kurve)
{
    c->setCurrentIndex(TFlaechenDlg::IndexAusKurve(kurve));
}

}  // namespace

std::int32_t TFlaechenDlg::KurveAusIndex(int index)
{
    return index == IndexXAchse ? KurveXAchse : index + 1;
}

int TFlaechenDlg::IndexAusKurve(std::int32_t kurve)
{
    if (kurve >= 1 && kurve <= 9)
        return kurve - 1;
    if (kurve == KurveXAchse)
        return IndexXAchse;
    return -1;
}

TFlaechenDlg::TFlaechenDlg(QWidget* parent)
    : TWerkzeugfenster("FlaechenDlg", QStringLiteral("Flächen"), 585, 413, parent)
{
    TabelleBearbeiten(TObjekttabelle::Flaechen);
    GroupBox1 = new QGroupBox(QStringLiteral(" Fläche zwischen zwei Kurven (oder zwischen Kurve und x-Achse) "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 4, 569, 352);

    for (int k = 1; k <= 8; ++k) {
        TZeile& z = ZeileRef(k);
        const TZeilenNamen& n = ZeilenNamen[static_cast<std::size_t>(k - 1)];
        const int y = 32 + 40 * (k - 1);
        z.Zwischen = NeuesLabel(GroupBox1, Name("Label", n.Zwischen), QString::number(k) + QStringLiteral(". Zwischen"),
                                8, y + 3);
        z.KurveA = NeueKurvenliste(GroupBox1, Name("ComboBox", 2 * k - 1), 90, y);
        z.Und = NeuesLabel(GroupBox1, Name("Label", n.Und), QStringLiteral("und"), 148, y + 3);
        z.KurveB = NeueKurvenliste(GroupBox1, Name("ComboBox", 2 * k), 174, y);
        z.VonLabel = NeuesLabel(GroupBox1, Name("Label", n.Von), QStringLiteral("x von"), 232, y + 3);
        z.XVon = NeuesFeld(GroupBox1, Name("Edit", 2 * k - 1), 272, y, 49);
        z.BisLabel = NeuesLabel(GroupBox1, Name("Label", n.Bis), QStringLiteral("x bis"), 328, y + 3);
        z.XBis = NeuesFeld(GroupBox1, Name("Edit", 2 * k), 362, y, 49);
        z.Farbe = NeuerKnopf(GroupBox1, QString::fromLatin1(n.Farbe), QStringLiteral("Farbe"), 420, y, 60, 22);
        z.Linien = new QCheckBox(QStringLiteral("Linien"), GroupBox1);
        z.Linien->setObjectName(Name("CheckBox", k));
        z.Linien->setGeometry(490, y + 2, 72, 18);

        for (const auto& [liste, b] : {std::pair{z.KurveA, false}, std::pair{z.KurveB, true}}) {
            connect(liste, &QComboBox::activated, this, [this, k, b](int index) { KurveChange(k, b, index); });
            connect(liste->lineEdit(), &QLineEdit::textEdited, this, [this, k, b] { KurveChange(k, b, -1); });
        }
        connect(z.XVon, &QLineEdit::textChanged, this, [this, k] { XVonChange(k); });
        connect(z.XBis, &QLineEdit::textChanged, this, [this, k] { XBisChange(k); });
        connect(z.Farbe, &QToolButton::clicked, this, [this, k] { FarbeClick(k); });
        connect(z.Linien, &QCheckBox::toggled, this, [this, k] { LinienClick(k); });
    }

    // The rows show the table from the start.
    ZeigeFlae();
}

void TFlaechenDlg::ZeigeFlae()
{
    for (int k = 1; k <= 8; ++k) {
        TZeile& z = ZeileRef(k);
        const TFlaeche& f = Flaechen[k];
        KurveZeigen(z.KurveA, f.CurveA);
        KurveZeigen(z.KurveB, f.CurveB);
        z.XVon->setText(QString::fromStdString(Flaechen[k].XFrom));
        z.XBis->setText(QString::fromStdString(Flaechen[k].XTo));
        for (QWidget* w : std::initializer_list<QWidget*>{z.KurveA, z.KurveB, z.XVon, z.XBis})
            SetzeSchriftfarbe(w, Flaechen[k].Color);
        z.Linien->setChecked(Flaechen[k].Linien != 0);
    }
}

void TFlaechenDlg::KurveChange(int k, bool kurveB, int index)
{
    const std::int32_t kurve = KurveAusIndex(index);
    (kurveB ? Flaechen[k].CurveB : Flaechen[k].CurveA) = kurve;
    // Only the functions can be families, never the x-axis. A typed text
    // stores 0, whose entry is the selected function: that one is checked.
    if (kurve >= 0 && kurve <= 9) {
        const TFunktion* f = Funktionen[static_cast<std::size_t>(kurve)];
        if (f && f->GetCompiled() && f->GetKind() == ArtFunktionenschar)
            ShowMessage(QStringLiteral("Eine Funktionenschar kann nicht gewählt werden!"));
    }
    Neuzeichnen();
}

void TFlaechenDlg::XVonChange(int k)
{
    TextSpeichern(Flaechen[k].XFrom, ZeileRef(k).XVon);
}

void TFlaechenDlg::XBisChange(int k)
{
    TextSpeichern(Flaechen[k].XTo, ZeileRef(k).XBis);
}

void TFlaechenDlg::FarbeClick(int k)
{
    FarbeWaehlen(Flaechen[k].Color);
}

void TFlaechenDlg::LinienClick(int k)
{
    ByteSetzen(Flaechen[k].Linien, ZeileRef(k).Linien->isChecked());
    Neuzeichnen();
}
