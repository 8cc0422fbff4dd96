// Axis units and lengths of the graph window: the two unit track bars, the
// length lists in cm and in inch, their resets, and the colour switch; also
// the check boxes and captions that the coordinate system reads.
#include "graph/graphik.h"

#include "engine/einheiten.h"
#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "platform/dialoge.h"
#include "platform/felder.h"
#include "platform/melder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <tuple>
#include <utility>

namespace {

constexpr int KleinstePosition = -4;
constexpr int GroesstePosition = 10;

// A whole number as typed: an optional sign and digits, blanks around
// allowed. Nothing for anything else, including numbers beyond 32 bits.
std::optional<std::int32_t> Ganzzahl(const QString& text)
{
    const std::string s = text.trimmed().toStdString();
    if (s.empty())
        return std::nullopt;
    const char* anfang = s.data();
    const char* ende = s.data() + s.size();
    if (*anfang == '+')
        ++anfang;
    std::int32_t wert{};  // (from_chars writes it on success; nothing else reads it)
    const auto [rest, fehler] = std::from_chars(anfang, ende, wert);
    if (fehler != std::errc() || rest != ende || anfang == ende)
        return std::nullopt;
    return wert;
}

// The digit of a character, as a one-character whole number.
std::optional<int> Ziffer(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    return std::nullopt;
}

QComboBox* Laengenliste(QWidget* parent, const char* name, const QStringList& eintraege, const QString& text)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    // No completion: a typed "2" is a first digit, not the "20" of the list,
    // and Enter must not apply a length nobody typed. setEditable would build
    // a completer only to have it dropped, and the popup list at once (three
    // quarters of making the box, four boxes at every start): the field is
    // handed over with a stand-in completer that goes when this block ends,
    // so the box keeps none, and the list is made when first opened. The
    // field takes the box's colours as any child does.
    {
        auto* feld = new QLineEdit(box);
        QCompleter platzhalter;
        feld->setCompleter(&platzhalter);
        box->setLineEdit(feld);
    }
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(eintraege);
    box->setCurrentIndex(static_cast<int>(eintraege.indexOf(text)));
    box->lineEdit()->setMaxLength(255);
    return box;
}

QStringList Zahlen(int von, int bis)
{
    QStringList l;
    for (int n = von; n <= bis; ++n)
        l << QString::number(n);
    return l;
}

// Half-inch steps from 1.5 to `bis`, written with ".".
QStringList Zoll(int bisMalZwei)
{
    QStringList l;
    for (int n = 3; n <= bisMalZwei; ++n)
        l << (n % 2 == 0 ? QString::number(n / 2) : QString::number(n / 2) + QStringLiteral(".5"));
    return l;
}

}  // namespace

void TGraphik::ErzeugeAchsenSteuerung()
{
    auto bar = [this](const char* name, const char* hinweis) {
        auto* t = new QSlider(Qt::Horizontal, this);
        t->setObjectName(QString::fromLatin1(name));
        t->setRange(KleinstePosition, GroesstePosition);
        t->setPageStep(1);
        t->setTickPosition(QSlider::TicksBelow);
        t->setToolTip(QString::fromUtf8(hinweis));
        return t;
    };
    TrackBar2 = bar("TrackBar2", "Einheit der x-Achse");
    TrackBar1 = bar("TrackBar1", "Einheit der y-Achse");
    TrackBar2->setValue(Ansicht.PositionX);
    TrackBar1->setValue(Ansicht.PositionY);

    ComboBox2 = Laengenliste(this, "ComboBox2", Zahlen(3, 17), QString::fromStdString(Ansicht.XLaenge));
    ComboBox1 = Laengenliste(this, "ComboBox1", Zahlen(3, 20), QString::fromStdString(Ansicht.YLaenge));
    ComboBox2a = Laengenliste(this, "ComboBox2a", Zoll(14), QStringLiteral("5.5"));
    ComboBox1a = Laengenliste(this, "ComboBox1a", Zoll(16), QStringLiteral("5"));
    // The view starts in centimetres: the inch lists wait hidden.
    ComboBox1a->hide();
    ComboBox2a->hide();

    CB3 = new QCheckBox(QStringLiteral("Achsen"), this);
    CB3->setObjectName(QStringLiteral("CB3"));
    CB3->setChecked(Ansicht.Achsen);
    CB4 = new QCheckBox(QStringLiteral("skaliert"), this);
    CB4->setObjectName(QStringLiteral("CB4"));
    CB4->setChecked(Ansicht.Zahlen);
    CB4->setEnabled(Ansicht.Achsen);
    Edit1 = new QLineEdit(QString::fromStdString(Ansicht.XAchse), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(255);
    Edit2 = new QLineEdit(QString::fromStdString(Ansicht.YAchse), this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(255);

    // Value changes from code run the handlers too (they then act only on
    // a real change); the lists react to what the user chooses or types.
    connect(TrackBar1, &QSlider::valueChanged, this, [this] { TrackBar1Change(); });
    connect(TrackBar2, &QSlider::valueChanged, this, [this] { TrackBar2Change(); });
    for (QComboBox* box : {ComboBox1, ComboBox1a})
        connect(box, &QComboBox::activated, this, [this, box] { ComboBox1Change(box); });
    for (QComboBox* box : {ComboBox1, ComboBox1a})
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, box] { ComboBox1Change(box); });
    for (QComboBox* box : {ComboBox2, ComboBox2a})
        connect(box, &QComboBox::activated, this, [this, box] { ComboBox2Change(box); });
    for (QComboBox* box : {ComboBox2, ComboBox2a})
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, box] { ComboBox2Change(box); });
    // The cm lists' texts, as they show, are the view's lengths.
    connect(ComboBox1, &QComboBox::editTextChanged, this,
            [this](const QString& text) { Ansicht.YLaenge = text.toStdString(); });
    connect(ComboBox2, &QComboBox::editTextChanged, this,
            [this](const QString& text) { Ansicht.XLaenge = text.toStdString(); });
    if (CB2)
        connect(CB2, &QCheckBox::toggled, this, [this] { CB2Click(); });
    connect(CB3, &QCheckBox::toggled, this, [this] { CB3Click(); });
    connect(CB4, &QCheckBox::toggled, this, [this] { CB4Click(); });
    connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
    connect(Edit2, &QLineEdit::textChanged, this, [this] { Edit2Change(); });
}

// The bar always shows the position in force; while it is not active (a
// typed unit moves it) the unit stays as typed.
void TGraphik::TrackBar1Change()
{
    Ansicht.PositionY = TrackBar1->value();
    if (!TrackBar1Aktiv)
        return;
    EinheitY = EinheitYAusPosition(TrackBar1->value());
    GraphikResize();
    AnsichtMelden();
}

void TGraphik::TrackBar2Change()
{
    Ansicht.PositionX = TrackBar2->value();
    if (!TrackBar2Aktiv)
        return;
    EinheitX = EinheitXAusPosition(TrackBar2->value());
    GraphikResize();
    AnsichtMelden();
}

void TGraphik::AnsichtMelden()
{
    if (&Ansicht == &Zustand.Ansicht)
        emit Melder().AnsichtGeaendert(this);
}

void TGraphik::AnsichtZeigen()
{
    // The bars show the positions without putting their steps' units in
    // place of the units in force.
    const bool x = std::exchange(TrackBar2Aktiv, false);
    const bool y = std::exchange(TrackBar1Aktiv, false);
    TrackBar2->setValue(Ansicht.PositionX);
    TrackBar1->setValue(Ansicht.PositionY);
    TrackBar2Aktiv = x;
    TrackBar1Aktiv = y;
    for (const auto& [box, an] : {std::pair(CB2, Ansicht.Farbig), std::pair(CB3, Ansicht.Achsen),
                                  std::pair(CB4, Ansicht.Zahlen)}) {
        const QSignalBlocker still(box);
        box->setChecked(an);
    }
    CB4->setEnabled(Ansicht.Achsen);
    for (const auto& [feld, text] : {std::pair(Edit1, &Ansicht.XAchse), std::pair(Edit2, &Ansicht.YAchse)}) {
        const QSignalBlocker still(feld);
        if (feld->text().toStdString() != *text)
            feld->setText(QString::fromStdString(*text));
    }
    // The lengths in cm, and in inch where the cm text is a whole number
    // (a view unit is half an inch).
    for (const auto& [cm, zoll, text] : {std::tuple(ComboBox1, ComboBox1a, Ansicht.YLaenge),
                                         std::tuple(ComboBox2, ComboBox2a, Ansicht.XLaenge)}) {
        const QString laenge = QString::fromStdString(text);
        if (cm->currentText() != laenge)
            cm->setEditText(laenge);
        bool ganz = false;
        const int n = laenge.trimmed().toInt(&ganz);
        const QString inch = QString::number(n / 2) + (n % 2 != 0 ? QStringLiteral(".5") : QString());
        if (ganz && zoll->currentText() != inch)
            zoll->setEditText(inch);
    }
    GraphikResize();
}

void TGraphik::ComboBox1Change(QComboBox* Sender) { AchsenLaengeAendern(true, Sender); }

void TGraphik::ComboBox2Change(QComboBox* Sender) { AchsenLaengeAendern(false, Sender); }

void TGraphik::AchsenLaengeAendern(bool yAchse, QComboBox* Sender)
{
    QComboBox* const cm = yAchse ? ComboBox1 : ComboBox2;
    QComboBox* const inch = yAchse ? ComboBox1a : ComboBox2a;
    auto zuruecksetzen = [&] {
        if (yAchse)
            ResetYAxisLength(Sender);
        else
            ResetXAxisLength(Sender);
    };

    // A. A length typed or chosen in inch becomes the cm length of twice as
    // many view units. Only the first digit counts; a comma typed as the
    // second character means half an inch more.
    bool weiter = true;
    if (Sender == inch && !inch->currentText().isEmpty()) {
        QString t = inch->currentText();
        if (t.size() > 1 && t[1] == QLatin1Char(',')) {
            t = t.left(1) + QStringLiteral(".5");
            inch->setEditText(t);
        }
        const QChar c2 = t.size() > 1 ? t[1] : QChar();
        const QChar c3 = t.size() > 2 ? t[2] : QChar();
        const std::optional<int> d = Ziffer(t[0]);
        if (!d) {
            weiter = false;
        } else if (c2 == QLatin1Char('.') && c3 == QLatin1Char('5')) {
            cm->setEditText(QString::number(2 * *d + 1));
        } else if (c2 == QLatin1Char('.')) {
            inch->setEditText(t.left(1));
            cm->setEditText(QString::number(2 * *d));
            inch->setFocus();
            inch->lineEdit()->setCursorPosition(3);
        } else {
            cm->setEditText(QString::number(2 * *d));
        }
    }

    // B. An inch length beyond the longest one is reset. Only a length typed
    // or chosen in inch is checked: the inch text that a cm length of 20
    // writes (10) is longer than the inch list goes, and checking it on every
    // event of the cm lists would throw away what is typed there. The inch
    // lists are written with "." in every language, so either separator is
    // read.
    if (weiter && Sender == inch) {
        const std::optional<double> zoll = ParseNumber(inch->currentText().toStdString(), '.', true);
        if (!zoll)
            weiter = false;
        else if (*zoll > 9.5)
            zuruecksetzen();
    }

    // C. A cm length shows its inch length too.
    if (weiter && Sender == cm && !cm->currentText().isEmpty()) {
        if (const std::optional<std::int32_t> n = Ganzzahl(cm->currentText())) {
            const QString halb = QString::number(*n / 2);
            inch->setEditText(*n % 2 == 0 ? halb : halb + QStringLiteral(".5"));
        }
    }

    // D. The cm length sets the top (right) edge above the bottom (left)
    // one; a view that would end at or below 0 is moved up to end at 1.
    if (cm->currentText().isEmpty())
        return;
    const std::optional<std::int32_t> n = Ganzzahl(cm->currentText());
    if (!n) {
        zuruecksetzen();
        return;
    }
    const std::int32_t groesste = yAchse ? 20 : 17;
    if (*n >= 3 && *n <= groesste) {
        std::int32_t& kleinKante = yAchse ? YMin : XMin;
        std::int32_t& grossKante = yAchse ? YMax : XMax;
        const std::int64_t neu = std::int64_t{kleinKante} + *n;
        if (neu <= 0) {
            grossKante = 1;
            kleinKante = 1 - *n;
        } else if (neu > std::numeric_limits<std::int32_t>::max()) {
            grossKante = std::numeric_limits<std::int32_t>::max();
            kleinKante = grossKante - *n;
        } else {
            grossKante = static_cast<std::int32_t>(neu);
        }
        GraphikResize();
        AnsichtMelden();
        return;
    }
    const bool ruecksetzen = yAchse ? (*n == 0 || *n >= 21) : (*n == 0 || *n == 2 || *n >= 19);
    if (ruecksetzen)
        zuruecksetzen();
}

void TGraphik::ResetYAxisLength(QComboBox* Sender) { AchsenLaengeZuruecksetzen(true, Sender); }

void TGraphik::ResetXAxisLength(QComboBox* Sender) { AchsenLaengeZuruecksetzen(false, Sender); }

void TGraphik::AchsenLaengeZuruecksetzen(bool yAchse, QComboBox* Sender)
{
    // The default length always applies cleanly; the depth guard only makes
    // sure a reset can never start another one.
    if (AchsenRuecksetzTiefe > 0)
        return;
    ++AchsenRuecksetzTiefe;
    QComboBox* const cm = yAchse ? ComboBox1 : ComboBox2;
    QComboBox* const inch = yAchse ? ComboBox1a : ComboBox2a;
    ShowMessage(Texte[yAchse ? 295 : 296]);
    cm->setEditText(yAchse ? QStringLiteral("10") : QStringLiteral("11"));
    inch->setEditText(yAchse ? QStringLiteral("5") : QStringLiteral("5.5"));
    AchsenLaengeAendern(yAchse, Sender);
    QComboBox* const sichtbar = inch->isHidden() ? cm : inch;
    sichtbar->setFocus();
    sichtbar->lineEdit()->setCursorPosition(sichtbar == inch ? 3 : 2);
    --AchsenRuecksetzTiefe;
}

void TGraphik::CB2Click()
{
    Ansicht.Farbig = CB2->isChecked();
    GraphikResize();
    // The print dialog's black-and-white option is the opposite of colour.
    AnsichtMelden();
}

void TGraphik::CB3Click()
{
    Ansicht.Achsen = CB3->isChecked();
    CB4->setEnabled(CB3->isChecked());
    GraphikResize();
}

void TGraphik::CB4Click()
{
    Ansicht.Zahlen = CB4->isChecked();
    GraphikResize();
}

// The axis captions are also edited in the labels window, which shows them
// and asks for them here.
void TGraphik::AchsenbeschriftungSetzen(int Achse, const QString& Text)
{
    TextSetzen(Achse == 1 ? Edit1 : Edit2, Text);
}

// The labels window shows the captions too.
void TGraphik::Edit1Change()
{
    Ansicht.XAchse = Edit1->text().toStdString();
    AnsichtMelden();
    GraphikResize();
}

void TGraphik::Edit2Change()
{
    Ansicht.YAchse = Edit2->text().toStdString();
    AnsichtMelden();
    GraphikResize();
}
