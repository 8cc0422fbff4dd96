#include "tools/senkrechte_dlg.h"

#include "engine/tabellen.h"
#include "platform/felder.h"
#include "tools/stilliste.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

TSenkrechteDlg* SenkrechteDlg = nullptr;

namespace {

constexpr int AnzahlStile = 9;  // line styles 0..8

struct TZeilenNamen {
    const char* Farbe;
    const char* Stil;
};
constexpr auto ZeilenNamen = std::to_array<TZeilenNamen>({
    {"SFarbe", "ComboBox2"},
    {"SpeedButton1", "ComboBox1"},
    {"SpeedButton2", "ComboBox3"},
    {"SpeedButton3", "ComboBox4"},
});
static_assert(ZeilenNamen.size() == 4);

QString Name(const char* art, int nummer)
{
    return QString::fromLatin1(art) + QString::number(nummer);
}

}  // namespace

TSenkrechteDlg::TSenkrechteDlg(QWidget* parent)
    : TWerkzeugfenster("SenkrechteDlg", QStringLiteral("Senkrechte"), 472, 246, parent)
{
    TabelleBearbeiten(TObjekttabelle::Senkrechte);
    GroupBox1 = new QGroupBox(QStringLiteral(" Senkrechte 1 bis 4 "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 4, 456, 180);

    for (int k = 1; k <= 4; ++k) {
        TZeile& z = ZeileRef(k);
        const int y = 22 + 40 * (k - 1);
        const int n = 3 * (k - 1);  // Edit1.. and Label1.. count three per row
        z.Titel = NeuesLabel(GroupBox1, Name("Label", n + 1), QString::number(k) + QStringLiteral(".  x ="), 8, y + 3);
        z.X = NeuesFeld(GroupBox1, Name("Edit", n + 1), 52, y, 49);
        z.VonLabel = NeuesLabel(GroupBox1, Name("Label", n + 2), QStringLiteral("y von"), 106, y + 3);
        z.YVon = NeuesFeld(GroupBox1, Name("Edit", n + 2), 148, y, 49);
        z.BisLabel = NeuesLabel(GroupBox1, Name("Label", n + 3), QStringLiteral("y bis"), 206, y + 3);
        z.YBis = NeuesFeld(GroupBox1, Name("Edit", n + 3), 242, y, 49);
        const TZeilenNamen& namen = ZeilenNamen[static_cast<std::size_t>(k - 1)];
        z.Farbe = NeuerKnopf(GroupBox1, QString::fromLatin1(namen.Farbe), QStringLiteral("Farbe"), 300, y, 60, 22);
        z.Stil = new TStilListe(GroupBox1, 14);  // (its hint: from the language table)
        z.Stil->setObjectName(QString::fromLatin1(namen.Stil));
        z.Stil->setGeometry(372, y, 65, 22);
        for (int i = 1; i <= AnzahlStile; ++i)
            z.Stil->addItem(QString::number(i) + QLatin1Char('.'));
        z.Stil->OnDrawItem = [this, k](TCanvas& canvas, const TRect& rect, int index) {
            StilDrawItem(k, canvas, rect, index);
        };

        connect(z.X, &QLineEdit::textChanged, this, [this, k] { XChange(k); });
        connect(z.YVon, &QLineEdit::textChanged, this, [this, k] { YVonChange(k); });
        connect(z.YBis, &QLineEdit::textChanged, this, [this, k] { YBisChange(k); });
        connect(z.Farbe, &QToolButton::clicked, this, [this, k] { FarbeClick(k); });
        connect(z.Stil, &QComboBox::activated, this, [this, k] { StilChange(k); });
    }

    zeigeSenk();
}

void TSenkrechteDlg::zeigeSenk()
{
    for (int k = 1; k <= 4; ++k) {
        TZeile& z = ZeileRef(k);
        z.X->setText(QString::fromStdString(Senkrechte[k].X));
        z.YVon->setText(QString::fromStdString(Senkrechte[k].YFrom));
        z.YBis->setText(QString::fromStdString(Senkrechte[k].YTo));
        for (QLineEdit* e : {z.X, z.YVon, z.YBis})
            SetzeSchriftfarbe(e, Senkrechte[k].Color);
        z.Stiftfarbe = Senkrechte[k].Color;
        // A style outside the list shows no sample: the list takes no index
        // it does not hold and selects nothing.
        z.Stil->setCurrentIndex(Senkrechte[k].LineStyle);
        z.Stil->update();
    }
}

void TSenkrechteDlg::XChange(int k)
{
    TextSpeichern(Senkrechte[k].X, ZeileRef(k).X);
}

void TSenkrechteDlg::YVonChange(int k)
{
    TextSpeichern(Senkrechte[k].YFrom, ZeileRef(k).YVon);
}

void TSenkrechteDlg::YBisChange(int k)
{
    TextSpeichern(Senkrechte[k].YTo, ZeileRef(k).YBis);
}

void TSenkrechteDlg::FarbeClick(int k)
{
    FarbeWaehlen(Senkrechte[k].Color);
}

void TSenkrechteDlg::StilChange(int k)
{
    Senkrechte[k].LineStyle = ZeileRef(k).Stil->currentIndex();
    Neuzeichnen();
}

void TSenkrechteDlg::StilDrawItem(int k, TCanvas& canvas, const TRect& rect, int index)
{
    LinienMusterZeichnen(canvas, rect, index, Zeile(k).Stiftfarbe);
}
