#include "tools/beschriftung_dlg.h"

#include "engine/kurztext.h"
#include "engine/tabellen.h"
#include "platform/felder.h"
#include "platform/melder.h"
#include "platform/schriftdialog.h"
#include "platform/sprache.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

TBeschriftungDlg* BeschriftungDlg = nullptr;

namespace {

// Captions of a move button: up, and while its label rides.
constexpr int ZeileVerschieben = 324;
constexpr int ZeileInteraktiv = 507;

// The font and reset buttons of rows 1..9.
constexpr std::array<int, 9> SchriftKnoepfe = {23, 24, 25, 26, 32, 38, 44, 50, 56};
constexpr std::array<int, 9> ResetKnoepfe = {5, 12, 17, 22, 31, 37, 43, 49, 55};

QString Name(const char* art, int nummer)
{
    return QString::fromLatin1(art) + QString::number(nummer);
}

bool GueltigeNummer(int k)
{
    return k >= 1 && k <= 9;
}

}  // namespace

TBeschriftungDlg::TBeschriftungDlg(QWidget* parent)
    : TWerkzeugfenster("BeschriftungDlg", QStringLiteral("Beschriftung"), 400, 443, parent)
{
    TabelleBearbeiten(TObjekttabelle::Beschriftungen);
    GroupBox3 = new QGroupBox(QStringLiteral(" Text "), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(8, 4, 384, 314);

    for (int k = 1; k <= 9; ++k) {
        TZeile& z = ZeileRef(k);
        const auto i = static_cast<std::size_t>(k - 1);
        const int y = 22 + 32 * (k - 1);
        z.Verschieben = NeuerKnopf(GroupBox3, Name("B", k), QStringLiteral("Verschieben"), 8, y - 2, 94, 26, true);
        // Pressed, it stands out from the others.
        z.Verschieben->setAutoRaise(false);
        // The text leaves "vorne" the room of its English caption, "in front",
        // before the font button.
        z.Text = NeuesFeld(GroupBox3, Name("Edit", k + 2), 106, y, 123, 22);
        z.Vorne = new QCheckBox(QStringLiteral("vorne"), GroupBox3);
        z.Vorne->setObjectName(Name("CheckBox", k));
        z.Vorne->setGeometry(235, y + 2, 52, 18);
        // (The hints of the font and reset buttons come from the language
        // table.)
        z.Schrift = NeuerKnopf(GroupBox3, Name("SpeedButton", SchriftKnoepfe[i]), QStringLiteral("Aa"), 302, y, 24, 22);
        z.Reset = NeuerKnopf(GroupBox3, Name("SpeedButton", ResetKnoepfe[i]), QStringLiteral("Reset"), 330, y, 46, 22);
        z.Vorne->setChecked(true);

        connect(z.Text, &QLineEdit::textChanged, this, [this, k] { TextChange(k); });
        connect(z.Vorne, &QCheckBox::toggled, this, [this, k] { VorneClick(k); });
        connect(z.Schrift, &QToolButton::clicked, this, [this, k] { SchriftClick(k); });
        connect(z.Reset, &QToolButton::clicked, this, [this, k] { BeschriftungZuruecksetzen(k); });
        connect(z.Verschieben, &QToolButton::clicked, this, [this, k] { VerschiebenClick(k); });
    }

    GroupBox1 = new QGroupBox(QStringLiteral(" Achsen "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 322, 384, 52);
    NeuesLabel(GroupBox1, QStringLiteral("Label1"), QStringLiteral("1. Achse:"), 8, 24);
    Edit1 = NeuesFeld(GroupBox1, QStringLiteral("Edit1"), 64, 20, 80, 22);
    SpeedButton6 = NeuerKnopf(GroupBox1, QStringLiteral("SpeedButton6"), QStringLiteral("Reset"), 146, 20, 40, 22);
    NeuesLabel(GroupBox1, QStringLiteral("Label2"), QStringLiteral("2. Achse:"), 196, 24);
    Edit2 = NeuesFeld(GroupBox1, QStringLiteral("Edit2"), 252, 20, 80, 22);
    SpeedButton7 = NeuerKnopf(GroupBox1, QStringLiteral("SpeedButton7"), QStringLiteral("Reset"), 334, 20, 40, 22);
    Edit1->setText(QString::fromStdString(Zustand.Ansicht.XAchse));
    Edit2->setText(QString::fromStdString(Zustand.Ansicht.YAchse));
    connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
    connect(Edit2, &QLineEdit::textChanged, this, [this] { Edit2Change(); });
    connect(SpeedButton6, &QToolButton::clicked, this, [this] { SpeedButton6Click(); });
    connect(SpeedButton7, &QToolButton::clicked, this, [this] { SpeedButton7Click(); });
    // The axis captions as the graph window holds them.
    connect(&Melder(), &TMelder::AnsichtGeaendert, this, [this](QObject* absender) {
        if (absender == this)
            return;
        TextSetzen(Edit1, QString::fromStdString(Zustand.Ansicht.XAchse));
        TextSetzen(Edit2, QString::fromStdString(Zustand.Ansicht.YAchse));
    });
    // What is typed into the riding label on the graph window's pointer
    // shows in its row.
    connect(&Melder(), &TMelder::ReiterGeaendert, this, [this](const QString& text) {
        if (GueltigeNummer(VerschiebeNr))
            TextSetzen(ZeileRef(VerschiebeNr).Text, text);
    });
}

void TBeschriftungDlg::zeigeBeschr()
{
    for (int k = 1; k <= 9; ++k) {
        TZeile& z = ZeileRef(k);
        const TBeschriftung& b = Beschriftungen[k];
        // A label that rides on the pointer has left its slot empty: its row
        // goes on showing the text it carries (the graph window keeps the
        // row and its typing field equal), or the echo of an emptied edit
        // would take that text away.
        if (VerschiebeNr != k)
            TextSetzen(z.Text, QString::fromStdString(b.Text));
        SetzeSchriftfarbe(z.Text, b.Font.Color);
        SchriftZeigen(z.Text, b.Font);
        z.Vorne->setChecked(b.Vorne != 0);
        // The move button is down while its label rides.
        if (z.Verschieben->isChecked() != (VerschiebeNr == k)) {
            z.Verschieben->setChecked(VerschiebeNr == k);
            KnopfBeschriften(z.Verschieben);
        }
    }
}

void TBeschriftungDlg::TextChange(int k)
{
    if (VerschiebeNr == k) {
        // Typing into a riding label's row changes what rides.
        emit Melder().ReiterTextVerlangt(ZeileRef(k).Text->text());
        Neuzeichnen();
        return;
    }
    TextSpeichern(Beschriftungen[k].Text, ZeileRef(k).Text);
}

void TBeschriftungDlg::VorneClick(int k)
{
    ByteSetzen(Beschriftungen[k].Vorne, ZeileRef(k).Vorne->isChecked());
    Neuzeichnen();
}

void TBeschriftungDlg::SchriftClick(int k)
{
    TBeschriftung& b = Beschriftungen[k];
    if (const auto gewaehlt = WaehleSchrift(SchriftLesen(b.Font)))
        SchriftSpeichern(b.Font, *gewaehlt);
    if (VerschiebeNr == k) {
        // The riding label shows its new font on the pointer and in its row.
        emit Melder().ReiterSchriftVerlangt(k);
        SetzeSchriftfarbe(ZeileRef(k).Text, b.Font.Color);
        SchriftZeigen(ZeileRef(k).Text, b.Font);
    } else {
        zeigeBeschr();
    }
    update();
    Neuzeichnen();
}

void TBeschriftungDlg::BeschriftungZuruecksetzen(int k)
{
    if (!GueltigeNummer(k))
        return;
    BeschriftungVorbelegen(k);
    // A riding label loses its text as well; it keeps riding, empty.
    if (VerschiebeNr == k)
        emit Melder().ReiterTextVerlangt(QString());
    // No redraw of its own: the emptied edit's echo redraws (and nothing
    // visible changes when the text was empty already).
    zeigeBeschr();
    update();
}

void TBeschriftungDlg::VerschiebenClick(int k)
{
    if (!GueltigeNummer(k))
        return;
    if (ZeileRef(k).Verschieben->isChecked())
        Aufnehmen(k);
    else
        Zuruecklegen(k);
}

void TBeschriftungDlg::Aufnehmen(int k)
{
    QToolButton* knopf = ZeileRef(k).Verschieben;
    // At most one label rides: one that already does goes back to its
    // place first, as its own button would put it back.
    for (int j = 1; j <= 9; ++j) {
        QToolButton* anderer = ZeileRef(j).Verschieben;
        if (j == k || !anderer->isChecked())
            continue;
        anderer->setChecked(false);
        Zuruecklegen(j);
    }
    if (VerschiebeNr != k && GueltigeNummer(VerschiebeNr))
        Zuruecklegen(VerschiebeNr);

    VerschiebeNr = k;
    KnopfBeschriften(knopf);

    // The graph window switches to label mode, and the label rides in its
    // typing field, in the label's font.
    emit Melder().BeschriftungAufnehmenVerlangt(k, knopf);

    // It leaves the drawing while it rides.
    Beschriftungen[k].Text.clear();
    Neuzeichnen();
}

void TBeschriftungDlg::Zuruecklegen(int k)
{
    KnopfBeschriften(ZeileRef(k).Verschieben);
    if (VerschiebeNr == k) {
        VerschiebeNr = 0;
        // Back in its slot, where it was, with the text it carried (its row
        // shows it as the typing field does).
        Beschriftungen[k].Text = AufKapazitaet(ZeileRef(k).Text->text().toStdString());
        emit Melder().ReiterZuruecksetzenVerlangt();
    }
    Neuzeichnen();
}

void TBeschriftungDlg::VerschiebenLoesen()
{
    for (int k = 1; k <= 9; ++k) {
        QToolButton* knopf = ZeileRef(k).Verschieben;
        if (knopf->isChecked()) {
            knopf->setChecked(false);
            VerschiebenClick(k);
        }
    }
}

void TBeschriftungDlg::KnopfBeschriften(QToolButton* knopf)
{
    knopf->setText(Txt(knopf->isChecked() ? ZeileInteraktiv : ZeileVerschieben));
}

void TBeschriftungDlg::Edit1Change()
{
    emit Melder().AchsenbeschriftungVerlangt(1, Edit1->text());
}

void TBeschriftungDlg::Edit2Change()
{
    emit Melder().AchsenbeschriftungVerlangt(2, Edit2->text());
}

void TBeschriftungDlg::SpeedButton6Click()
{
    Edit1->setText(QStringLiteral("x"));
}

void TBeschriftungDlg::SpeedButton7Click()
{
    Edit2->setText(QStringLiteral("y"));
}
