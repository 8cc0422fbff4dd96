#include "tools/punkte_dlg.h"

#include "engine/tabellen.h"
#include "platform/felder.h"
#include "platform/farbe_qt.h"
#include "platform/schriftdialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

TPunkteDlg* PunkteDlg = nullptr;

namespace {

// The design's control names of the ten rows.
struct TZeilenNamen {
    const char* Name;
    const char* X;
    const char* Y;
    std::array<const char*, 4> Stil;
    std::array<const char*, 4> NamePos;
    const char* Schrift;
    const char* Reset;
};

constexpr auto ZeilenNamen = std::to_array<TZeilenNamen>({
    {"Edit3", "Edit1", "Edit2", {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton80"},
     {"SpeedButton40", "SpeedButton41", "SpeedButton42", "SpeedButton43"}, "SpeedButton101", "SpeedButton90"},
    {"Edit6", "Edit4", "Edit5", {"SpeedButton6", "SpeedButton7", "SpeedButton8", "SpeedButton81"},
     {"SpeedButton44", "SpeedButton45", "SpeedButton46", "SpeedButton47"}, "SpeedButton102", "SpeedButton91"},
    {"Edit9", "Edit7", "Edit8", {"SpeedButton11", "SpeedButton12", "SpeedButton13", "SpeedButton82"},
     {"SpeedButton48", "SpeedButton49", "SpeedButton50", "SpeedButton51"}, "SpeedButton103", "SpeedButton92"},
    {"Edit12", "Edit10", "Edit11", {"SpeedButton16", "SpeedButton17", "SpeedButton18", "SpeedButton83"},
     {"SpeedButton52", "SpeedButton53", "SpeedButton54", "SpeedButton55"}, "SpeedButton104", "SpeedButton93"},
    {"Edit15", "Edit13", "Edit14", {"SpeedButton21", "SpeedButton22", "SpeedButton23", "SpeedButton84"},
     {"SpeedButton56", "SpeedButton57", "SpeedButton58", "SpeedButton59"}, "SpeedButton105", "SpeedButton94"},
    {"Edit18", "Edit16", "Edit17", {"SpeedButton26", "SpeedButton27", "SpeedButton28", "SpeedButton85"},
     {"SpeedButton60", "SpeedButton61", "SpeedButton62", "SpeedButton63"}, "SpeedButton106", "SpeedButton95"},
    {"Edit21", "Edit19", "Edit20", {"SpeedButton30", "SpeedButton31", "SpeedButton32", "SpeedButton86"},
     {"SpeedButton64", "SpeedButton65", "SpeedButton66", "SpeedButton67"}, "SpeedButton107", "SpeedButton96"},
    {"Edit24", "Edit22", "Edit23", {"SpeedButton35", "SpeedButton36", "SpeedButton37", "SpeedButton87"},
     {"SpeedButton68", "SpeedButton69", "SpeedButton70", "SpeedButton71"}, "SpeedButton108", "SpeedButton97"},
    {"Edit27", "Edit25", "Edit26", {"SpeedButton4", "SpeedButton9", "SpeedButton14", "SpeedButton88"},
     {"SpeedButton24", "SpeedButton29", "SpeedButton33", "SpeedButton38"}, "SpeedButton109", "SpeedButton98"},
    {"Edit30", "Edit28", "Edit29", {"SpeedButton72", "SpeedButton73", "SpeedButton74", "SpeedButton89"},
     {"SpeedButton76", "SpeedButton77", "SpeedButton78", "SpeedButton79"}, "SpeedButton110", "SpeedButton99"},
});
static_assert(ZeilenNamen.size() == 10);

}  // namespace

TPunkteDlg::TPunkteDlg(QWidget* parent)
    : TWerkzeugfenster("PunkteDlg", QStringLiteral("Punkte"), 525, 397, parent)
{
    TabelleBearbeiten(TObjekttabelle::Punkte);
    GroupBox1 = new QGroupBox(QStringLiteral(" Punkte "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 4, 509, 350);

    for (int k = 1; k <= 10; ++k) {
        const TZeilenNamen& n = ZeilenNamen[static_cast<std::size_t>(k - 1)];
        TZeile& z = ZeileRef(k);
        const int y = 22 + 32 * (k - 1);
        NamePositionsKnoepfe(GroupBox1, n.NamePos, 8, y, z.NamePos);
        z.Name = NeuesFeld(GroupBox1, QString::fromLatin1(n.Name), 84, y - 1, 121, 24);
        NeuesLabel(GroupBox1, QString(), QStringLiteral("("), 209, y + 3);
        z.X = NeuesFeld(GroupBox1, QString::fromLatin1(n.X), 216, y, 41, 22);
        NeuesLabel(GroupBox1, QString(), QStringLiteral("|"), 260, y + 3);
        z.Y = NeuesFeld(GroupBox1, QString::fromLatin1(n.Y), 266, y, 41, 22);
        NeuesLabel(GroupBox1, QString(), QStringLiteral(")"), 310, y + 3);
        MarkerKnoepfe(GroupBox1, n.Stil, 320, y, z.Stil);
        z.Schrift = NeuerKnopf(GroupBox1, QString::fromLatin1(n.Schrift), QStringLiteral("Aa"), 418, y, 24, 22);
        z.Schrift->setToolTip(QStringLiteral("Schriftart"));
        z.Reset = NeuerKnopf(GroupBox1, QString::fromLatin1(n.Reset), QStringLiteral("Reset"), 446, y, 48, 22);
        z.Reset->setToolTip(QStringLiteral("Reset"));

        connect(z.Name, &QLineEdit::textChanged, this, [this, k] { NameChange(k); });
        connect(z.X, &QLineEdit::textChanged, this, [this, k] { XChange(k); });
        connect(z.Y, &QLineEdit::textChanged, this, [this, k] { YChange(k); });
        for (int i = 0; i < 4; ++i) {
            const auto s = static_cast<std::size_t>(i);
            connect(z.Stil[s], &QToolButton::clicked, this, [this, k, i] { StilClick(k, i + 1); });
            connect(z.NamePos[s], &QToolButton::clicked, this, [this, k, i] { NamePosClick(k, i + 1); });
        }
        connect(z.Schrift, &QToolButton::clicked, this, [this, k] { SchriftClick(k); });
        connect(z.Reset, &QToolButton::clicked, this, [this, k] { ZeileReset(k); });
    }

    SpeedButton100 = NeuerKnopf(this, QStringLiteral("SpeedButton100"), QStringLiteral("Reset"), 8, height() - 33, 70, 25);
    SpeedButton100->setToolTip(QStringLiteral("Reset"));
    connect(SpeedButton100, &QToolButton::clicked, this, [this] { SpeedButton100Click(); });

    // The rows show the table from the start.
    zeigePunk();
}

void TPunkteDlg::zeigePunk()
{
    for (int k = 1; k <= 10; ++k) {
        const TPunkt& p = Punkte[k];
        TZeile& z = ZeileRef(k);
        // The name in its face and style; its size stays as designed.
        SchriftZeigen(z.Name, p.Font);
        // Each assignment runs the edit's handler only when the text
        // differs, which then stores what the record holds.
        z.Name->setText(QString::fromStdString(p.Name));
        z.X->setText(QString::fromStdString(Punkte[k].X));
        z.Y->setText(QString::fromStdString(Punkte[k].Y));
        for (QLineEdit* e : {z.Name, z.X, z.Y})
            SetzeSchriftfarbe(e, Punkte[k].Color);
        ExklusivDruecken(z.Stil, Punkte[k].Style - 1);
        ExklusivDruecken(z.NamePos, Punkte[k].NamePos - 1);
    }
}

void TPunkteDlg::NameChange(int k)
{
    TextSpeichern(Punkte[k].Name, ZeileRef(k).Name);
}

void TPunkteDlg::XChange(int k)
{
    TextSpeichern(Punkte[k].X, ZeileRef(k).X);
}

void TPunkteDlg::YChange(int k)
{
    TextSpeichern(Punkte[k].Y, ZeileRef(k).Y);
}

void TPunkteDlg::StilClick(int k, int stil)
{
    ExklusivDruecken(ZeileRef(k).Stil, stil - 1);
    Punkte[k].Style = stil;
    Neuzeichnen();
}

void TPunkteDlg::NamePosClick(int k, int position)
{
    ExklusivDruecken(ZeileRef(k).NamePos, position - 1);
    Punkte[k].NamePos = position;
    Neuzeichnen();
}

void TPunkteDlg::SchriftClick(int k)
{
    TPunkt& p = Punkte[k];
    // The point has no colour button: the dialog shows the marker's colour
    // and its choice colours marker and name alike.
    TFont vorgabe;
    vorgabe.Name = QString::fromStdString(p.Font.Name);
    vorgabe.Size = p.Font.Size;
    vorgabe.Color = p.Color;
    vorgabe.Style = p.Font.Style;
    if (const auto gewaehlt = WaehleSchrift(vorgabe)) {
        SchriftSpeichern(p.Font, *gewaehlt);
        p.Color = gewaehlt->Color;
    }
    zeigePunk();
    Neuzeichnen();
}

void TPunkteDlg::ZeileReset(int k)
{
    // The defaults in the record; the refresh shows them in the row (its
    // edits' echo stores the same texts).
    PunktVorbelegen(k);
    zeigePunk();
    Neuzeichnen();
}

void TPunkteDlg::SpeedButton100Click()
{
    PunkteVorbelegen();
    zeigePunk();
    // Redrawn also when no edit changed (and so no echo redrew).
    Neuzeichnen();
}
