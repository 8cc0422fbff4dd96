#include "tools/kreise_dlg.h"

#include "engine/tabellen.h"
#include "platform/felder.h"
#include "tools/stilliste.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>

#include <charconv>

TKreiseDlg* KreiseDlg = nullptr;

namespace {

constexpr int ZeilenAbstand = 104;
constexpr int AnzahlLinienstile = 4;  // thin, medium, thick, dashed
constexpr int LinienstilGestrichelt = 3;

// The design's control numbers of the ten rows.
struct TZeilenNamen {
    int Name, X, Y, RadiusX, RadiusY;  // EditN
    int Zeigen, Vorne;                 // CheckBoxN
    std::array<const char*, 3> Stil;
    std::array<const char*, 4> NamePos;
    int Liste;  // ComboBoxN
    const char* Linienfarbe;
    const char* Fuellfarbe;
    // Labels "Mittelpunkt", "Radius x", "Radius y", "Beschriftung".
    int LabelMitte, LabelRadiusX, LabelRadiusY, LabelBeschriftung;
};

constexpr auto ZeilenNamen = std::to_array<TZeilenNamen>({
    {3, 1, 2, 31, 32, 1, 2, {"SpeedButton1", "SpeedButton2", "SpeedButton3"},
     {"SpeedButton40", "SpeedButton41", "SpeedButton42", "SpeedButton43"}, 2, "SFarbe", "SpeedButton90", 35, 28, 7,
     36},
    {6, 4, 5, 36, 37, 3, 5, {"SpeedButton6", "SpeedButton7", "SpeedButton8"},
     {"SpeedButton44", "SpeedButton45", "SpeedButton46", "SpeedButton47"}, 1, "SpeedButton5", "SpeedButton88", 9, 8,
     14, 10},
    {9, 7, 8, 33, 34, 6, 8, {"SpeedButton11", "SpeedButton12", "SpeedButton13"},
     {"SpeedButton48", "SpeedButton49", "SpeedButton50", "SpeedButton51"}, 3, "SpeedButton10", "SpeedButton89", 16,
     15, 21, 17},
    {12, 10, 11, 35, 38, 9, 11, {"SpeedButton16", "SpeedButton17", "SpeedButton18"},
     {"SpeedButton52", "SpeedButton53", "SpeedButton54", "SpeedButton55"}, 4, "SpeedButton15", "SpeedButton91", 23,
     22, 32, 24},
    {15, 13, 14, 39, 40, 12, 14, {"SpeedButton21", "SpeedButton22", "SpeedButton23"},
     {"SpeedButton56", "SpeedButton57", "SpeedButton58", "SpeedButton59"}, 5, "SpeedButton20", "SpeedButton92", 31,
     30, 29, 33},
    {18, 16, 17, 41, 42, 15, 17, {"SpeedButton26", "SpeedButton27", "SpeedButton28"},
     {"SpeedButton60", "SpeedButton61", "SpeedButton62", "SpeedButton63"}, 6, "SpeedButton25", "SpeedButton93", 41,
     40, 39, 42},
    {21, 19, 20, 43, 44, 18, 20, {"SpeedButton30", "SpeedButton31", "SpeedButton32"},
     {"SpeedButton64", "SpeedButton65", "SpeedButton66", "SpeedButton67"}, 7, "SpeedButton34", "SpeedButton94", 48,
     47, 46, 49},
    {24, 22, 23, 45, 46, 21, 23, {"SpeedButton35", "SpeedButton36", "SpeedButton37"},
     {"SpeedButton68", "SpeedButton69", "SpeedButton70", "SpeedButton71"}, 8, "SpeedButton39", "SpeedButton95", 56,
     54, 53, 57},
    {27, 25, 26, 47, 48, 24, 26, {"SpeedButton4", "SpeedButton9", "SpeedButton14"},
     {"SpeedButton24", "SpeedButton29", "SpeedButton33", "SpeedButton38"}, 9, "SpeedButton19", "SpeedButton96", 63,
     62, 61, 64},
    {30, 28, 29, 49, 50, 27, 29, {"SpeedButton72", "SpeedButton73", "SpeedButton74"},
     {"SpeedButton76", "SpeedButton77", "SpeedButton78", "SpeedButton79"}, 10, "SpeedButton75", "SpeedButton97", 70,
     69, 68, 71},
});
static_assert(ZeilenNamen.size() == 10);

// The fill choices as designed, in item order (two columns of three).
constexpr std::array Fuellwahlen = {"gefüllt",       "ohne Farbe",    "vertikal",
                                                    "schraffiert 1", "schraffiert 2", "horizontal"};

QString Name(const char* art, int nummer)
{
    return QString::fromLatin1(art) + QString::number(nummer);
}

QGroupBox* NeueGruppe(QWidget* parent, int nummer, const QString& titel, int x, int y, int breite)
{
    auto* g = new QGroupBox(titel, parent);
    g->setObjectName(Name("GroupBox", nummer));
    g->setGeometry(x, y, breite, 98);
    return g;
}

QCheckBox* NeuesKaestchen(QWidget* parent, int nummer, const QString& text, int x, int y)
{
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(Name("CheckBox", nummer));
    c->setGeometry(x, y, 80, 18);
    return c;
}

}  // namespace

int TKreiseDlg::FuellIndex(int fill)
{
    switch (fill) {
    case 0: return 1;
    case 1: return 0;
    case 2:
    case 3:
    case 4:
    case 5: return fill;
    default: return -1;
    }
}

std::string TKreiseDlg::FuellText(int index)
{
    switch (index) {
    case 0: return "1";
    case 1: return "0";
    default: return std::to_string(index);
    }
}

std::optional<int> TKreiseDlg::FuellZahl(const std::string& fill)
{
    int zahl = 0;
    const char* ende = fill.data() + fill.size();
    const auto [rest, fehler] = std::from_chars(fill.data(), ende, zahl);
    if (fehler != std::errc() || rest != ende)
        return std::nullopt;
    return zahl;
}

TKreiseDlg::TKreiseDlg(QWidget* parent)
    : TWerkzeugfenster("KreiseDlg", QStringLiteral("Kreise und Ellipsen"), 827, 470, parent)
{
    TabelleBearbeiten(TObjekttabelle::Kreise);
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setGeometry(9, 4, 809, 417);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* inhalt = new QWidget;
    inhalt->setFixedSize(790, 10 * ZeilenAbstand);
    for (int k = 1; k <= 10; ++k)
        ZeileAnlegen(k, inhalt);
    ScrollBox1->setWidget(inhalt);

    ZeigePunk();
}

void TKreiseDlg::ZeileAnlegen(int k, QWidget* inhalt)
{
    const TZeilenNamen& n = ZeilenNamen[static_cast<std::size_t>(k - 1)];
    TZeile& z = ZeileRef(k);
    const int y = ZeilenAbstand * (k - 1);

    // The circle: its centre and radii.
    z.Kreis = NeueGruppe(inhalt, 4 * k - 3,
                         QLatin1Char(' ') + QString::number(k) + QStringLiteral(". Kreis (Ellipse) "), 2, y, 226);
    NeuesLabel(z.Kreis, Name("Label", n.LabelMitte), QStringLiteral("Mittelpunkt"), 8, 24);
    z.Name = NeuesFeld(z.Kreis, Name("Edit", n.Name), 72, 20, 41);
    NeuesLabel(z.Kreis, QString(), QStringLiteral("("), 116, 24);
    z.X = NeuesFeld(z.Kreis, Name("Edit", n.X), 122, 20, 41);
    NeuesLabel(z.Kreis, QString(), QStringLiteral("|"), 166, 24);
    z.Y = NeuesFeld(z.Kreis, Name("Edit", n.Y), 172, 20, 41);
    NeuesLabel(z.Kreis, QString(), QStringLiteral(")"), 216, 24);
    NeuesLabel(z.Kreis, Name("Label", n.LabelRadiusX), QStringLiteral("Radius x"), 8, 62);
    z.RadiusX = NeuesFeld(z.Kreis, Name("Edit", n.RadiusX), 60, 58, 41);
    NeuesLabel(z.Kreis, Name("Label", n.LabelRadiusY), QStringLiteral("Radius y"), 116, 62);
    z.RadiusY = NeuesFeld(z.Kreis, Name("Edit", n.RadiusY), 172, 58, 41);

    // The centre's marker and name.
    z.Mitte = NeueGruppe(inhalt, 4 * k - 2, QStringLiteral(" Mittelpunkt "), 232, y, 162);
    z.Zeigen = NeuesKaestchen(z.Mitte, n.Zeigen, QStringLiteral("zeigen"), 8, 22);
    MarkerKnoepfe(z.Mitte, n.Stil, 84, 20, z.Stil);
    NeuesLabel(z.Mitte, Name("Label", n.LabelBeschriftung), QStringLiteral("Beschriftung"), 8, 66);
    NamePositionsKnoepfe(z.Mitte, n.NamePos, 84, 62, z.NamePos);

    // The outline.
    z.Linie = NeueGruppe(inhalt, 4 * k - 1, QStringLiteral(" Kreislinie "), 398, y, 92);
    z.Linienstil = new TStilListe(z.Linie, 14);  // (its hint: from the language table)
    z.Linienstil->setObjectName(Name("ComboBox", n.Liste));
    z.Linienstil->setGeometry(8, 22, 76, 22);
    for (int i = 1; i <= AnzahlLinienstile; ++i)
        z.Linienstil->addItem(QString::number(i) + QLatin1Char('.'));
    {
        // The list is white, as is every sample in it.
        QPalette pal = z.Linienstil->palette();
        pal.setColor(QPalette::Base, Qt::white);
        pal.setColor(QPalette::Button, Qt::white);
        z.Linienstil->setPalette(pal);
    }
    z.Linienstil->OnDrawItem = [this, k](TCanvas& canvas, const TRect& rect, int index) {
        LinienstilDrawItem(k, canvas, rect, index);
    };
    z.Linienfarbe = NeuerKnopf(z.Linie, QString::fromLatin1(n.Linienfarbe), QStringLiteral("Farbe"), 8, 58, 76, 24);

    // The fill: in front or behind, its colour, its pattern.
    z.Flaeche = NeueGruppe(inhalt, 4 * k, QStringLiteral(" Füllfläche "), 494, y, 92);
    z.Vorne = NeuesKaestchen(z.Flaeche, n.Vorne, QStringLiteral("vorne"), 8, 24);
    z.Fuellfarbe = NeuerKnopf(z.Flaeche, QString::fromLatin1(n.Fuellfarbe), QStringLiteral("Farbe"), 8, 58, 76, 24);

    z.Fuellung = new QGroupBox(QStringLiteral(" Optionen Füllfläche "), inhalt);
    z.Fuellung->setObjectName(Name("RadioGroup", k));
    z.Fuellung->setGeometry(590, y, 198, 98);
    z.FuellWahl = new QButtonGroup(z.Fuellung);
    for (int i = 0; i < static_cast<int>(Fuellwahlen.size()); ++i) {
        auto* r = new QRadioButton(QString::fromUtf8(Fuellwahlen[static_cast<std::size_t>(i)]), z.Fuellung);
        r->setGeometry(8 + 94 * (i / 3), 20 + 24 * (i % 3), 92, 20);
        z.FuellWahl->addButton(r, i);
    }

    connect(z.Name, &QLineEdit::textChanged, this, [this, k] { NameChange(k); });
    connect(z.X, &QLineEdit::textChanged, this, [this, k] { XChange(k); });
    connect(z.Y, &QLineEdit::textChanged, this, [this, k] { YChange(k); });
    connect(z.RadiusX, &QLineEdit::textChanged, this, [this, k] { RadiusXChange(k); });
    connect(z.RadiusY, &QLineEdit::textChanged, this, [this, k] { RadiusYChange(k); });
    connect(z.Zeigen, &QCheckBox::toggled, this, [this, k] { ZeigenClick(k); });
    for (int i = 0; i < 3; ++i)
        connect(z.Stil[static_cast<std::size_t>(i)], &QToolButton::clicked, this, [this, k, i] { StilClick(k, i + 1); });
    for (int i = 0; i < 4; ++i)
        connect(z.NamePos[static_cast<std::size_t>(i)], &QToolButton::clicked, this,
                [this, k, i] { NamePosClick(k, i + 1); });
    connect(z.Linienstil, &QComboBox::activated, this, [this, k] { LinienstilChange(k); });
    connect(z.Linienfarbe, &QToolButton::clicked, this, [this, k] { LinienfarbeClick(k); });
    connect(z.Vorne, &QCheckBox::toggled, this, [this, k] { VorneClick(k); });
    connect(z.Fuellfarbe, &QToolButton::clicked, this, [this, k] { FuellfarbeClick(k); });
    // A radio group reports a new selection, made by the user or by code.
    connect(z.FuellWahl, &QButtonGroup::idToggled, this, [this, k](int id, bool an) {
        if (an)
            FuellungClick(k, id);
    });
}

void TKreiseDlg::ZeigePunk()
{
    for (int k = 10; k >= 1; --k) {
        TZeile& z = ZeileRef(k);
        TKreis& c = Kreise[k];
        const TPunkt& m = Punkte[10 + k];
        // Each assignment runs the control's handler only when it shows
        // something new, which then stores what the record holds.
        z.RadiusX->setText(QString::fromStdString(c.RadiusX));
        z.RadiusY->setText(QString::fromStdString(c.RadiusY));
        for (QLineEdit* e : {z.RadiusX, z.RadiusY})
            SetzeSchriftfarbe(e, m.Color);
        z.Zeigen->setChecked(c.ShowCentre == "1");

        // An empty fill (from a document) is solid; a text that is no
        // number leaves the choice as it is.
        if (c.Fill.empty())
            c.Fill = "1";
        if (const auto fill = FuellZahl(c.Fill)) {
            if (const int index = FuellIndex(*fill); index >= 0)
                z.FuellWahl->button(index)->setChecked(true);
        }
        z.Vorne->setChecked(c.Hinten == 0);
        SetzeSchriftfarbe(z.Fuellfarbe, c.FillColor);
        z.Linienstil->setCurrentIndex(c.LineStyle);  // none for a style outside the list
        z.Linienstil->update();
        SetzeSchriftfarbe(z.Linienfarbe, m.Color);
    }
    for (int k = 1; k <= 10; ++k) {
        TZeile& z = ZeileRef(k);
        const TPunkt& m = Punkte[10 + k];
        z.Name->setText(QString::fromStdString(m.Name));
        z.X->setText(QString::fromStdString(m.X));
        z.Y->setText(QString::fromStdString(m.Y));
        for (QLineEdit* e : {z.Name, z.X, z.Y})
            SetzeSchriftfarbe(e, m.Color);
        ExklusivDruecken(z.Stil, m.Style - 1);
        ExklusivDruecken(z.NamePos, m.NamePos - 1);
    }
}

void TKreiseDlg::NameChange(int k)
{
    TextSpeichern(Punkte[10 + k].Name, ZeileRef(k).Name);
}

void TKreiseDlg::XChange(int k)
{
    TextSpeichern(Punkte[10 + k].X, ZeileRef(k).X);
}

void TKreiseDlg::YChange(int k)
{
    TextSpeichern(Punkte[10 + k].Y, ZeileRef(k).Y);
}

void TKreiseDlg::RadiusXChange(int k)
{
    TextSpeichern(Kreise[k].RadiusX, ZeileRef(k).RadiusX);
}

void TKreiseDlg::RadiusYChange(int k)
{
    TextSpeichern(Kreise[k].RadiusY, ZeileRef(k).RadiusY);
}

void TKreiseDlg::ZeigenClick(int k)
{
    // Only "1" shows the centre: another stored text that already reads as
    // hidden stays as it is.
    const bool an = ZeileRef(k).Zeigen->isChecked();
    if (an != (Kreise[k].ShowCentre == "1"))
        Kreise[k].ShowCentre = an ? "1" : "0";
    Neuzeichnen();
}

void TKreiseDlg::StilClick(int k, int stil)
{
    ExklusivDruecken(ZeileRef(k).Stil, stil - 1);
    Punkte[10 + k].Style = stil;
    Neuzeichnen();
}

void TKreiseDlg::NamePosClick(int k, int position)
{
    ExklusivDruecken(ZeileRef(k).NamePos, position - 1);
    Punkte[10 + k].NamePos = position;
    Neuzeichnen();
}

void TKreiseDlg::LinienstilChange(int k)
{
    Kreise[k].LineStyle = ZeileRef(k).Linienstil->currentIndex();
    Neuzeichnen();
}

void TKreiseDlg::LinienfarbeClick(int k)
{
    FarbeWaehlen(Punkte[10 + k].Color);
}

void TKreiseDlg::VorneClick(int k)
{
    ByteSetzen(Kreise[k].Hinten, !ZeileRef(k).Vorne->isChecked());
    Neuzeichnen();
}

void TKreiseDlg::FuellfarbeClick(int k)
{
    FarbeWaehlen(Kreise[k].FillColor);
}

void TKreiseDlg::FuellungClick(int k, int index)
{
    Kreise[k].Fill = FuellText(index);
    Neuzeichnen();
}

void TKreiseDlg::LinienstilDrawItem(int k, TCanvas& canvas, const TRect& rect, int index)
{
    // Thin, medium and thick are the vertical segments' first three samples,
    // the dashed outline their dashed one; anything else stays white.
    int muster = -1;
    if (index >= 0 && index < LinienstilGestrichelt)
        muster = index;
    else if (index == LinienstilGestrichelt)
        muster = 4;
    LinienMusterZeichnen(canvas, rect, muster, Punkte[10 + k].Color);
}
