#include "tools/uebersicht_dlg.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "engine/zustand.h"
#include "platform/felder.h"
#include "platform/melder.h"
#include "tools/stilliste.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

TUebersicht_Dlg* Uebersicht_Dlg = nullptr;

namespace {

constexpr int AnzahlStile = 11;      // line styles 0..10

// The design's control names of the nine rows.
struct TZeilenNamen {
    // Equation, x from, x to, t from, t to, t step.
    std::array<const char*, 6> Felder;
    const char* Stil;
    const char* Farbe;
    const char* Zusatzfarbe;
    // Labels: x from, x to, t from, t to, t step.
    std::array<int, 5> Labels;
};

constexpr auto ZeilenNamen = std::to_array<TZeilenNamen>({
    {{"Edit3", "Evonx", "Ebisx", "Evont", "Ebist", "Estept"}, "ComboBox4", "SFarbe", "SFarbe2", {2, 7, 6, 8, 9}},
    {{"Edit1", "Edit2", "Edit5", "Edit4", "Edit6", "Edit7"}, "ComboBox1", "SpeedButton1", "SpeedButton2",
     {5, 4, 3, 10, 11}},
    {{"Edit8", "Edit9", "Edit11", "Edit10", "Edit12", "Edit13"}, "ComboBox2", "SpeedButton3", "SpeedButton4",
     {13, 15, 14, 16, 17}},
    {{"Edit14", "Edit15", "Edit17", "Edit16", "Edit18", "Edit19"}, "ComboBox3", "SpeedButton5", "SpeedButton6",
     {19, 21, 20, 22, 23}},
    {{"Edit20", "Edit21", "Edit23", "Edit22", "Edit24", "Edit25"}, "ComboBox5", "SpeedButton7", "SpeedButton8",
     {25, 27, 26, 28, 29}},
    {{"Edit26", "Edit27", "Edit29", "Edit28", "Edit30", "Edit31"}, "ComboBox6", "SpeedButton9", "SpeedButton10",
     {31, 33, 32, 34, 35}},
    {{"Edit32", "Edit33", "Edit35", "Edit34", "Edit36", "Edit37"}, "ComboBox7", "SpeedButton11", "SpeedButton12",
     {37, 39, 38, 40, 41}},
    {{"Edit38", "Edit39", "Edit41", "Edit40", "Edit42", "Edit43"}, "ComboBox8", "SpeedButton13", "SpeedButton14",
     {43, 45, 44, 46, 47}},
    {{"Edit44", "Edit45", "Edit47", "Edit46", "Edit48", "Edit49"}, "ComboBox9", "SpeedButton15", "SpeedButton16",
     {49, 51, 50, 52, 53}},
});
static_assert(ZeilenNamen.size() == 9);

// Designed texts of the labels x from, x to, t from, t to, t step.
constexpr std::array<const char*, 5> LabelTexte = {"x von", "bis", "t von", "bis", "Schrittweite"};

// Places of the fields and labels in a row: x of the label, x and width of
// the field (the equation has no label).
struct TSpalte {
    int Label, Feld, Breite;
};
// The labels take their English captions ("x from", "t from") without
// running into the field after them.
constexpr auto Spalten = std::to_array<TSpalte>({
    {0, 24, 184},
    {212, 252, 44},
    {300, 320, 42},
    {364, 400, 40},
    {444, 464, 40},
    {508, 578, 36},
});
static_assert(Spalten.size() == 6);

// The colour schemes: colours and additional colours of functions 1..9.
constexpr std::array<std::array<TColor, 9>, 4> Farben = {{
    {clBlue, clRed, clNavy, clGreen, clBlack, clAqua, clFuchsia, clGray, clPurple},
    {clRed, clBlue, clGreen, clPurple, clLime, clAqua, clFuchsia, clGray, clBlack},
    {clBlack, clRed, clBlue, clGreen, clPurple, clLime, clAqua, clFuchsia, clGray},
    {clGreen, clBlue, clRed, clBlack, clPurple, clLime, clAqua, clFuchsia, clGray},
}};
constexpr std::array<std::array<TColor, 9>, 4> Zusatzfarben = {{
    {clRed, clBlue, clPurple, clPurple, clGray, clMaroon, clMaroon, clSilver, clGreen},
    {clBlue, clRed, clPurple, clGreen, clPurple, clMaroon, clMaroon, clSilver, clGray},
    {clGray, clBlue, clRed, clPurple, clGreen, clPurple, clMaroon, clMaroon, clSilver},
    {clPurple, clRed, clBlue, clGray, clGreen, clPurple, clMaroon, clMaroon, clSilver},
}};

// The editor's field of the same role as range field `feld` (0..4).
TEditorFeld Bereichsfeld(int feld)
{
    return static_cast<TEditorFeld>(static_cast<int>(TEditorFeld::XVon) + feld);
}

// The colour of the editor's verdict on what its field `feld` holds.
TColor Urteil(TEditorFeld feld)
{
    return Zustand.Editor[feld].Gueltig ? FarbeGueltig : FarbeUngueltig;
}

QString Zahl(double v)
{
    return QString::fromStdString(FloatToStr(v, Dezimaltrenner()));
}

// A colour button that shows its colour as it is: the style's buttons shade
// their face into a lighter gradient, which would show a paler tint than
// the graph is drawn in.
class TFarbknopf : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Button));
        p.setPen(palette().color(isDown() ? QPalette::Shadow : QPalette::Mid));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// (Its hint, like those of the style lists and the colour options, comes
// from the language table.)
QToolButton* NeuerFarbknopf(QWidget* parent, const char* name, int x, int y, int breite)
{
    auto* b = new TFarbknopf(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(x, y, breite, 22);
    return b;
}

// Holds a flag set for as long as it lives, also when a step leaves early.
class TSperre {
public:
    explicit TSperre(bool& flagge) : FFlagge(flagge) { FFlagge = true; }
    ~TSperre() { FFlagge = false; }
    TSperre(const TSperre&) = delete;
    TSperre& operator=(const TSperre&) = delete;

private:
    bool& FFlagge;
};

}  // namespace

std::array<TColor, 9> TUebersicht_Dlg::SchemaFarben(int schema)
{
    return Farben[static_cast<std::size_t>(std::clamp(schema, 1, 4) - 1)];
}

std::array<TColor, 9> TUebersicht_Dlg::SchemaZusatzfarben(int schema)
{
    return Zusatzfarben[static_cast<std::size_t>(std::clamp(schema, 1, 4) - 1)];
}

TUebersicht_Dlg::TUebersicht_Dlg(QWidget* parent)
    : TWerkzeugfenster("Uebersicht_Dlg", QStringLiteral("Übersicht"), 752, 384, parent)
{
    // Enter in an equation is part of typing it, not a request to close.
    EnterSchliesst(false);

    GroupBox3 = new QGroupBox(QStringLiteral(" Funktionen 1 bis 9 "), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(8, 4, 736, 300);

    for (int r = 1; r <= 9; ++r) {
        const TZeilenNamen& n = ZeilenNamen[static_cast<std::size_t>(r - 1)];
        TZeile& z = ZeileRef(r);
        const int y = 24 + 30 * (r - 1);
        NeuesLabel(GroupBox3, QString(), QString::number(r) + QLatin1Char('.'), 8, y + 4);
        std::array<QLineEdit*, 6> felder{};
        for (std::size_t i = 0; i < felder.size(); ++i)
            felder[i] = NeuesFeld(GroupBox3, QString::fromLatin1(n.Felder[i]), Spalten[i].Feld, y, Spalten[i].Breite, 22);
        z.Gleichung = felder[0];
        z.XVon = felder[1];
        z.XBis = felder[2];
        z.TVon = felder[3];
        z.TBis = felder[4];
        z.TSchritt = felder[5];
        std::array<QLabel*, 5> labels{};
        for (std::size_t i = 0; i < labels.size(); ++i)
            labels[i] = NeuesLabel(GroupBox3, QStringLiteral("Label%1").arg(n.Labels[i]),
                                   QString::fromLatin1(LabelTexte[i]), Spalten[i + 1].Label, y + 4);
        z.ScharLabels = {labels[2], labels[3], labels[4]};

        z.Stil = new TStilListe(GroupBox3, 14);
        z.Stil->setObjectName(QString::fromLatin1(n.Stil));
        z.Stil->setGeometry(618, y, 64, 22);
        z.Stil->setMaxVisibleItems(AnzahlStile);
        for (int i = 1; i <= AnzahlStile; ++i)
            z.Stil->addItem(QString::number(i) + QLatin1Char('.'));
        z.Stil->OnDrawItem = [this, r](TCanvas& canvas, const TRect& rect, int index) {
            StilDrawItem(r, canvas, rect, index);
        };

        z.Farbe = NeuerFarbknopf(GroupBox3, n.Farbe, 688, y, 40);
        z.Zusatzfarbe = NeuerFarbknopf(GroupBox3, n.Zusatzfarbe, 708, y, 20);

        connect(z.Gleichung, &QLineEdit::textChanged, this, [this, r] { GleichungChange(r); });
        for (int feld = 0; feld < AnzahlBereiche; ++feld)
            connect(felder[static_cast<std::size_t>(feld + 1)], &QLineEdit::textChanged, this,
                    [this, r, feld] { BereichChange(r, feld); });
        connect(z.Stil, &QComboBox::activated, this, [this, r] { StilChange(r); });
        connect(z.Farbe, &QToolButton::clicked, this, [this, r] { FarbeClick(r); });
        connect(z.Zusatzfarbe, &QToolButton::clicked, this, [this, r] { ZusatzfarbeClick(r); });
    }

    Label56 = NeuesLabel(this, QStringLiteral("Label56"), QStringLiteral("Farbwechsel"), 16, 316);
    for (int s = 1; s <= 4; ++s) {
        QToolButton* b = NeuerKnopf(this, QStringLiteral("SpeedButton%1").arg(16 + s), QString::number(s),
                                    104 + 26 * (s - 1), 312, 24, 22);
        connect(b, &QToolButton::clicked, this, [this, s] { FarboptionClick(s); });
        Farboptionen[static_cast<std::size_t>(s - 1)] = b;
    }

    FFarbBreite = Zeile(1).Farbe->width();
    zeichneneu();

    // Functions changed elsewhere show here at once. What the editor took
    // shows only while the user works in the editor's windows: when the
    // overview itself typed it, its fields stay as the user left them.
    // Inside a whole-document change the rows are filled once, at its end.
    auto auffrischen = [this] {
        if (!Melder().Zurueckhalten(TNachholen::Uebersicht))
            AuffrischenGemeldet();
    };
    connect(&Melder(), &TMelder::FunktionGeaendert, this, [this, auffrischen](int, QObject* absender) {
        if (absender != this)
            auffrischen();
    });
    connect(&Melder(), &TMelder::EditorGeaendert, this, [this, auffrischen] {
        if (EditorAktiv())
            auffrischen();
    });
    connect(&Melder(), &TMelder::NachholenVerlangt, this, [this](TNachholen was) {
        if (was == TNachholen::Uebersicht)
            AuffrischenGemeldet();
    });
}

void TUebersicht_Dlg::EditorFensterSetzen(std::vector<const QWidget*> fenster)
{
    FEditorFenster = std::move(fenster);
}

bool TUebersicht_Dlg::EditorAktiv() const
{
    const QWidget* aktiv = QApplication::activeWindow();
    return aktiv && std::find(FEditorFenster.begin(), FEditorFenster.end(), aktiv) != FEditorFenster.end();
}

bool TUebersicht_Dlg::Handelt() const
{
    return !FFuellt && QApplication::activeWindow() == this;
}

void TUebersicht_Dlg::Waehlen(int r)
{
    emit Melder().FunktionWaehlenVerlangt(r);
}

void TUebersicht_Dlg::ScharZeigen(int r, bool schar)
{
    TZeile& z = ZeileRef(r);
    for (QWidget* w : std::initializer_list<QWidget*>{z.TVon, z.TBis, z.TSchritt, z.ScharLabels[0], z.ScharLabels[1],
                                                      z.ScharLabels[2], z.Zusatzfarbe})
        w->setVisible(schar);
    z.Farbe->resize(schar ? z.Zusatzfarbe->width() : FFarbBreite, z.Farbe->height());
}

void TUebersicht_Dlg::zeichneneu()
{
    if (FFuellt)
        return;
    // The assignments below raise the fields' change handlers; they must
    // not hand the texts on.
    const TSperre sperre(FFuellt);
    const bool aktiv = QApplication::activeWindow() == this;
    for (int r = 1; r <= 9; ++r) {
        const TFunktion* f = Funktionen[static_cast<std::size_t>(r)];
        if (!f)
            continue;
        TZeile& z = ZeileRef(r);
        z.Stil->setCurrentIndex(f->GetLineStyle());  // none for a style outside the list
        z.Stil->update();
        for (QLineEdit* e : z.Felder())
            SetzeSchriftfarbe(e, f->GetColor());
        SetzeFeldfarbe(z.Farbe, f->GetColor());
        SetzeFeldfarbe(z.Zusatzfarbe, f->GetColor2());
        // While the overview is active its range fields keep the colours
        // that the main window's checks gave them.
        if (!aktiv) {
            for (QLineEdit* e : {z.XVon, z.XBis, z.TVon, z.TBis, z.TSchritt})
                SetzeFeldfarbe(e, FarbeGueltig);
        }
        SetzeFeldfarbe(z.Gleichung, f->GetCompiled() ? FarbeGueltig : FarbeUngueltig);
        TextSetzen(z.Gleichung, QString::fromStdString(f->GetTerm()));
        TextSetzen(z.XVon, Zahl(f->GetXFrom()));
        TextSetzen(z.XBis, Zahl(f->GetXTo()));
        TextSetzen(z.TVon, Zahl(f->GetTFrom()));
        TextSetzen(z.TBis, Zahl(f->GetTTo()));
        TextSetzen(z.TSchritt, Zahl(f->GetTStep()));
        ScharZeigen(r, f->GetKind() == ArtFunktionenschar);
    }
}

void TUebersicht_Dlg::GleichungChange(int r)
{
    if (!Handelt())
        return;
    TZeile& z = ZeileRef(r);
    Waehlen(r);
    emit Melder().EditorEingabeVerlangt(TEditorFeld::Gleichung, z.Gleichung->text());
    SetzeFeldfarbe(z.Gleichung, Urteil(TEditorFeld::Gleichung));
    // The editor decided whether this is a family.
    ScharZeigen(r, Zustand.Editor.Eingabeart != ArtFunktion);
}

void TUebersicht_Dlg::BereichChange(int r, int feld)
{
    if (!Handelt() || feld < 0 || feld >= AnzahlBereiche)
        return;
    QLineEdit* e = ZeileRef(r).Felder()[static_cast<std::size_t>(feld + 1)];
    Waehlen(r);
    emit Melder().EditorEingabeVerlangt(Bereichsfeld(feld), e->text());
    SetzeFeldfarbe(e, Urteil(Bereichsfeld(feld)));
}

void TUebersicht_Dlg::StilChange(int r)
{
    const int index = ZeileRef(r).Stil->currentIndex();
    if (index < 0)
        return;
    Waehlen(r);
    emit Melder().LinienstilVerlangt(index);
}

void TUebersicht_Dlg::FarbeClick(int r)
{
    Waehlen(r);
    emit Melder().FarbwahlVerlangt(false);
    zeichneneu();
}

void TUebersicht_Dlg::ZusatzfarbeClick(int r)
{
    Waehlen(r);
    emit Melder().FarbwahlVerlangt(true);
    zeichneneu();
}

void TUebersicht_Dlg::FarboptionClick(int schema)
{
    const std::array<TColor, 9> farben = SchemaFarben(schema);
    const std::array<TColor, 9> zusatz = SchemaZusatzfarben(schema);
    for (int n = 1; n <= 9; ++n) {
        if (TFunktion* f = Funktionen[static_cast<std::size_t>(n)]) {
            f->SetColor(farben[static_cast<std::size_t>(n - 1)]);
            f->SetColor2(zusatz[static_cast<std::size_t>(n - 1)]);
        }
    }
    // The selection stays; the editor takes over its new colours.
    emit Melder().AuswahlErneuernVerlangt();
    zeichneneu();
    emit Melder().FunktionGeaendert(0, this);
}

void TUebersicht_Dlg::StilDrawItem(int r, TCanvas& canvas, const TRect& rect, int index)
{
    const TFunktion* f = Funktionen[static_cast<std::size_t>(r)];
    GraphenMusterZeichnen(canvas, rect, index, f ? f->GetColor() : clBlack);
}
