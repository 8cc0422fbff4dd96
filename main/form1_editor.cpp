// The main window's function editor: the equation, the choice of function,
// the ranges, colours and line style of the selected function, and the
// keypad. Everything typed goes at once into the selected function object,
// is mirrored into the graph window's input bar and redrawn.

#include "main/form1.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "graph/graphik.h"
#include "tools/druck_dlg.h"
#include "tools/trace_dlg.h"
#include "tools/wertetabelle_fenster.h"
#include "platform/dialoge.h"
#include "platform/fensterart.h"
#include "platform/melder.h"
#include "platform/sprache.h"
#include "platform/statusleiste.h"
#include "platform/zeiger.h"
#include "tools/uebersicht_dlg.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

#include <array>

namespace {

// Keypad: button name, caption, token (empty: sets the equation's header),
// column, row, width in columns.
struct TTaste {
    const char* Name;
    const char* Caption;
    const char* Token;
    int Spalte;
    int Zeile;
    int Breite;
};

constexpr std::array<TTaste, 61> Tasten = {{
    {"Byvonx", "y(x) =", "", 0, 0, 2},
    {"Bfvonx", "f(x) =", "", 2, 0, 2},
    {"Bfvonxt", "f(x,t) =", "", 4, 0, 2},
    {"Bx", "x", "x", 6, 0, 1},
    {"Bt", "t", "t", 7, 0, 1},
    {"B7", "7", "7", 0, 1, 1},
    {"B8", "8", "8", 1, 1, 1},
    {"B9", "9", "9", 2, 1, 1},
    {"Bdurch", "/", "/", 3, 1, 1},
    {"Bsin", "sin", "sin", 4, 1, 1},
    {"Bcos", "cos", "cos", 5, 1, 1},
    {"Btan", "tan", "tan", 6, 1, 1},
    {"Bcot", "cot", "cot", 7, 1, 1},
    {"B4", "4", "4", 0, 2, 1},
    {"B5", "5", "5", 1, 2, 1},
    {"B6", "6", "6", 2, 2, 1},
    {"Bmal", "*", "*", 3, 2, 1},
    {"Barcsin", "arcsin", "arcsin", 4, 2, 1},
    {"Barccos", "arccos", "arccos", 5, 2, 1},
    {"Barctan", "arctan", "arctan", 6, 2, 1},
    {"Barccot", "arccot", "arccot", 7, 2, 1},
    {"B1", "1", "1", 0, 3, 1},
    {"B2", "2", "2", 1, 3, 1},
    {"B3", "3", "3", 2, 3, 1},
    {"Bminus", "-", "-", 3, 3, 1},
    {"Bsinh", "sinh", "sinh", 4, 3, 1},
    {"Bcosh", "cosh", "cosh", 5, 3, 1},
    {"Btanh", "tanh", "tanh", 6, 3, 1},
    {"Bcoth", "coth", "coth", 7, 3, 1},
    {"B0", "0", "0", 0, 4, 1},
    {"BKomma", ",", "", 1, 4, 1},
    {"Bhoch", "^", "^", 2, 4, 1},
    {"Bplus", "+", "+", 3, 4, 1},
    {"Barsinh", "arsinh", "arsinh", 4, 4, 1},
    {"Barcosh", "arcosh", "arcosh", 5, 4, 1},
    {"Bartanh", "artanh", "artanh", 6, 4, 1},
    {"Barcoth", "arcoth", "arcoth", 7, 4, 1},
    {"BKlAuf2", "(", "(", 0, 5, 1},
    {"BKlZu2", ")", ")", 1, 5, 1},
    {"BeKlAuf", "[", "[", 2, 5, 1},
    {"BeKlZu", "]", "]", 3, 5, 1},
    {"Bexp", "exp", "exp", 4, 5, 1},
    {"Bln", "ln", "ln", 5, 5, 1},
    {"Blog", "log", "log", 6, 5, 1},
    {"Be", "e", "exp(1)", 7, 5, 1},
    {"BEE", "E", "E", 0, 6, 1},
    {"BProzent", "%", "/100", 1, 6, 1},
    {"BWurzel", "Wurzel", "", 2, 6, 1},
    {"BQuadrat", "Quadr.", "", 3, 6, 1},
    {"BBetrag", "Betrag", "", 4, 6, 1},
    {"BRunde", "runden", "round", 5, 6, 1},
    {"BSignum", "Signum", "sign", 6, 6, 1},
    {"BGauss", "Gauss", "Gauss", 7, 6, 1},
    {"Babs", "abs", "abs", 0, 7, 1},
    {"Bsqrt", "sqrt", "sqrt", 1, 7, 1},
    {"Bsqr", "sqr", "sqr", 2, 7, 1},
    {"Bfloor", "floor", "floor", 3, 7, 1},
    {"BHeavyside", "hs", "hs", 4, 7, 1},
    {"BKlAuf1", "(", "(", 5, 7, 1},
    {"BKlZu1", ")", ")", 6, 7, 1},
    {"BPi", "Pi", "Pi", 7, 7, 1},
}};

constexpr int TastenBreite = 48;
constexpr int TastenHoehe = 26;
constexpr int TastenRasterX = 50;
constexpr int TastenRasterY = 28;

}  // namespace

// ---------------------------------------------------------------------------
// Keypad

void TForm1::ErzeugeTastenfeld()
{
    Tastenfeld = new QWidget(centralWidget());
    Tastenfeld->setObjectName(QStringLiteral("Tastenfeld"));
    Tastenfeld->setGeometry(4, 252, 403, 8 * TastenRasterY);
    for (const TTaste& t : Tasten) {
        auto* b = new QPushButton(QString::fromUtf8(t.Caption), Tastenfeld);
        b->setObjectName(QString::fromLatin1(t.Name));
        b->setFocusPolicy(Qt::NoFocus);  // the equation keeps its selection
        b->setGeometry(2 + t.Spalte * TastenRasterX, t.Zeile * TastenRasterY,
                       TastenBreite + (t.Breite - 1) * TastenRasterX, TastenHoehe);
        connect(b, &QPushButton::clicked, this, [this, b] { ClickButton(b); });
    }
    Bx = Taste("Bx");
    Bt = Taste("Bt");
    B1 = Taste("B1");
    Byvonx = Taste("Byvonx");
    Bfvonx = Taste("Bfvonx");
    Bfvonxt = Taste("Bfvonxt");
    BKomma = Taste("BKomma");
}

QPushButton* TForm1::Taste(const char* name) const
{
    return Tastenfeld ? Tastenfeld->findChild<QPushButton*>(QString::fromLatin1(name)) : nullptr;
}

void TForm1::ClickButton(QPushButton* sender)
{
    if (!sender)
        return;
    const QString name = sender->objectName();
    const QString caption = sender->text();
    QString token;
    if (name == QLatin1String("Byvonx") || name == QLatin1String("Bfvonx") || name == QLatin1String("Bfvonxt")) {
        Edit1->setText(name == QLatin1String("Byvonx")   ? QStringLiteral("y(x) = ")
                       : name == QLatin1String("Bfvonx") ? QStringLiteral("f(x) = ")
                                                         : QStringLiteral("f(x,t) = "));
        Edit1->setFocus();  // (the caret stands after the new text)
        return;
    }
    if (name == QLatin1String("BKomma"))
        token = QChar::fromLatin1(Dezimaltrenner());
    else if (name == QLatin1String("BBetrag"))
        token = caption == QLatin1String("Betrag") ? QStringLiteral("Betrag") : QStringLiteral("absolut");
    else if (name == QLatin1String("BWurzel"))
        token = caption == QLatin1String("Wurzel") ? QStringLiteral("Wurzel") : QStringLiteral("squareroot");
    else if (name == QLatin1String("BQuadrat"))
        token = caption == QLatin1String("Quadr.") ? QStringLiteral("Quadrat") : QStringLiteral("square");
    else {
        for (const TTaste& t : Tasten) {
            if (name == QLatin1String(t.Name)) {
                token = QString::fromLatin1(t.Token);
                break;
            }
        }
    }
    if (token.isEmpty()) {
        Edit1->setFocus();
        Edit1->end(false);
        return;
    }
    // Replaces the selection (or inserts at the caret); the text change runs
    // Edit1Change, and the caret stands right after the token.
    Edit1->insert(token);
    Edit1->setFocus();
}

// ---------------------------------------------------------------------------
// The equation

void TForm1::Edit1Change()
{
    TFunktion* f = Funktionen[0];
    if (!f)
        return;
    std::optional<TSanduhr> sanduhr(std::in_place);

    // A family when the first "," comes before the first ")" of the text.
    const std::string s = Edit1->text().toStdString();
    const bool schar = IstFunktionenschar(s);
    Eingabeart = schar ? ArtFunktionenschar : ArtFunktion;
    f->SetKind(Eingabeart);

    if (!schar) {
        GroupBox1->setTitle(QLatin1Char(' ') + Txt(134) + QLatin1Char(' '));
        SFarbe->setText(Txt(147));
        SFarbe->resize(2 * SFarbe2->width(), SFarbe->height());
        SFarbe2->hide();
        Bt->hide();
        Bx->resize(Byvonx->width(), Bx->height());
        for (QWidget* w : std::initializer_list<QWidget*>{Evont, Ebist, Estept, Label5, Label7, Label8})
            w->hide();
        GroupBox2->resize(GroupBox2->width(), Evont->y() + 7);
    } else {
        GroupBox1->setTitle(QLatin1Char(' ') + Txt(135) + QLatin1Char(' '));
        SFarbe->setText(QString());
        // Halved, it leaves the second colour button's place beside it free.
        SFarbe->resize(SFarbe2->width(), SFarbe->height());
        SFarbe2->show();
        Bt->show();
        Bx->resize(B1->width(), Bx->height());
        for (QWidget* w : std::initializer_list<QWidget*>{Evont, Ebist, Estept, Label5, Label7, Label8})
            w->show();
        GroupBox2->resize(GroupBox2->width(), Evont->y() + Evont->height() + 7);
    }
    f->SetTerm(s);
    emit Melder().ZeichnenVerlangt();

    BitBtn1->setEnabled(!Edit1->text().isEmpty());
    BitBtn2->setEnabled(!Edit1->text().isEmpty());

    SetzeFeldfarbe(Edit1, f->GetCompiled() ? FarbeGueltig : FarbeUngueltig);

    Funktionen[static_cast<std::size_t>(FunktionNr)] = Funktionen[0];

    // The value table (its rows, the calculator's result, its caption), the
    // print options' table title and the graph window's input bar follow.
    EditorZustandMerken();
    emit Melder().EditorGeaendert();
    sanduhr.reset();

    // The trace window follows the kind of the function.
    emit Melder().SpurfensterFolgenVerlangt();
}

// ---------------------------------------------------------------------------
// Ranges

QLineEdit* TForm1::Bereichsfeld(int feld) const
{
    switch (feld) {
    case 0: return Evonx;
    case 1: return Ebisx;
    case 2: return Evont;
    case 3: return Ebist;
    default: return Estept;
    }
}

void TForm1::EvonxChange() { BereichChange(0); }
void TForm1::EbisxChange() { BereichChange(1); }
void TForm1::EvontChange() { BereichChange(2); }
void TForm1::EbistChange() { BereichChange(3); }
void TForm1::EsteptChange() { BereichChange(4); }

void TForm1::BereichChange(int feld)
{
    if (BereicheGesperrt) {
        EditorZustandMerken();
        return;
    }
    QLineEdit* e = Bereichsfeld(feld);
    TFunktion* f = Funktionen[0];
    if (!e || !f)
        return;

    // Both separators are taken: the first one that is not the program's
    // own is replaced, and the field shows the result.
    const char sep = Dezimaltrenner();
    const QChar eigen = QChar::fromLatin1(sep);
    const QChar fremd = sep == ',' ? QLatin1Char('.') : QLatin1Char(',');
    QString text = e->text();
    if (const auto i = text.indexOf(fremd); i >= 0) {
        text[i] = eigen;
        {
            const QSignalBlocker sperre(e);
            e->setText(text);
        }
        e->end(false);
    }

    const auto wert = ParseNumber(text.toStdString(), sep);
    if (feld == 4 && wert && *wert <= 0) {
        // A step that is not positive is not taken, and the field keeps its
        // colour: the step in force stays what it was. 0 is passed over in
        // silence (it is on the way to "0,5"); a negative step is said.
        if (*wert < 0)
            ShowMessage(Txt(156));
    } else if (wert) {
        switch (feld) {
        case 0: f->SetXFrom(*wert); break;
        case 1: f->SetXTo(*wert); break;
        case 2: f->SetTFrom(*wert); break;
        case 3: f->SetTTo(*wert); break;
        default: f->SetTStep(*wert); break;
        }
        Edit1Change();
        SetzeFeldfarbe(e, FarbeGueltig);
    } else {
        SetzeFeldfarbe(e, FarbeUngueltig);
    }

    EditorZustandMerken();
    emit Melder().EditorGeaendert();
}

void TForm1::EditorZustandMerken()
{
    TEditorZustand& z = Zustand.Editor;
    const std::array<const QLineEdit*, AnzahlEditorFelder> felder = {Edit1, Evonx, Ebisx, Evont, Ebist, Estept};
    for (std::size_t i = 0; i < felder.size(); ++i) {
        if (felder[i])
            z.Felder[i] = {felder[i]->text().toStdString(), Feldfarbe(felder[i]) != FarbeUngueltig};
    }
    if (ComboBox1)
        z.Auswahl = {ComboBox1->currentText().toStdString(), Feldfarbe(ComboBox1) != FarbeUngueltig};
}

// ---------------------------------------------------------------------------
// Choice of the function

void TForm1::ComboBox1Change()
{
    SetzeFeldfarbe(ComboBox1, FarbeUngueltig);
    const QString text = ComboBox1->currentText();
    for (int n = 1; n <= 9; ++n) {
        if (text == QString::number(n) + QLatin1Char('.') || text == QString::number(n)) {
            FunktionNr = n;
            SetzeFeldfarbe(ComboBox1, FarbeGueltig);
        }
    }
    Funktionen[0] = Funktionen[static_cast<std::size_t>(FunktionNr)];
    TFunktion* f = Funktionen[0];
    if (!f)
        return;

    const TColor farbe = f->GetColor();
    for (QWidget* w : std::initializer_list<QWidget*>{Edit1, Evonx, Ebisx, Evont, Ebist, Estept, SFarbe, ComboBox1})
        SetzeSchriftfarbe(w, farbe);
    SetzeSchriftfarbe(SFarbe2, f->GetColor2());

    Edit1->setText(QString::fromStdString(f->GetTerm()));

    const char sep = Dezimaltrenner();
    auto zahl = [sep](double v) { return QString::fromStdString(FormatGeneral(v, 4, 2, sep)); };
    // Each assignment stores the value as shown back into the function.
    const double xVon = f->GetXFrom(), xBis = f->GetXTo(), tVon = f->GetTFrom(), tBis = f->GetTTo(),
                 tSchritt = f->GetTStep();
    Evonx->setText(zahl(xVon));
    Ebisx->setText(zahl(xBis));
    Evont->setText(zahl(tVon));
    Ebist->setText(zahl(tBis));
    Estept->setText(zahl(tSchritt));

    GroupBox2->setTitle(QLatin1Char(' ') + Txt(141) + QStringLiteral(" (") + QString::number(FunktionNr) +
                        QStringLiteral(".) "));

    const int stil = f->GetLineStyle();
    ComboBox2->setCurrentIndex(stil >= 0 && stil < ComboBox2->count() ? stil : 1);
    ComboBox2->update();
    // The graph window's input bar shows the choice, its colours and style.
    EditorZustandMerken();
    emit Melder().AuswahlGeaendert();
}

// ---------------------------------------------------------------------------
// Colours and line style

void TForm1::SchriftfarbenZeigen()
{
    const TFunktion* f = Funktionen[static_cast<std::size_t>(std::clamp(FunktionNr, 1, 9))];
    if (!f)
        return;
    const TColor farbe = f->GetColor();
    for (QWidget* w : std::initializer_list<QWidget*>{SFarbe, Edit1, Evonx, Ebisx, Evont, Ebist, Estept, ComboBox1})
        SetzeSchriftfarbe(w, farbe);
    SetzeSchriftfarbe(SFarbe2, f->GetColor2());
    emit Melder().AuswahlGeaendert();
}

void TForm1::BFarbeClick()
{
    TFunktion* f = Funktionen[0];
    if (!f)
        return;
    if (const auto c = WaehleFarbe(f->GetColor()))
        f->SetColor(*c);
    const TColor farbe = f->GetColor();
    for (QWidget* w : std::initializer_list<QWidget*>{Edit1, Evonx, ComboBox1, Ebisx, Evont, Ebist, Estept, SFarbe})
        SetzeSchriftfarbe(w, farbe);
    Edit1->setText(QString::fromStdString(f->GetTerm()));
    NachFarbwahl();
}

// What follows a new colour: the graph, the status panels and the style
// samples show it (the graph window's input bar through the notice that
// the editor took it), and so does the overview.
void TForm1::NachFarbwahl()
{
    emit Melder().ZeichnenVerlangt();
    ComboBox2->update();
    emit Melder().EditorGeaendert();
    Edit1->end(false);
}

void TForm1::SFarbe2Click()
{
    TFunktion* f = Funktionen[0];
    if (!f)
        return;
    if (const auto c = WaehleFarbe(f->GetColor2()))
        f->SetColor2(*c);
    SetzeSchriftfarbe(SFarbe2, f->GetColor2());
    NachFarbwahl();
}

void TForm1::ComboBox2Change()
{
    TFunktion* f = Funktionen[0];
    if (!f || ComboBox2->currentIndex() < 0)
        return;
    f->SetLineStyle(ComboBox2->currentIndex());
    emit Melder().ZeichnenVerlangt();
    emit Melder().EditorGeaendert();
}
