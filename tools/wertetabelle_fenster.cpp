#include "tools/wertetabelle_fenster.h"

#include "platform/felder.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "engine/wertetabelle.h"
#include "engine/zahlen.h"
#include "engine/einheiten.h"
#include "engine/zustand.h"
#include "platform/farbe_qt.h"
#include "platform/fensterart.h"
#include "platform/fensterlage.h"
#include "platform/melder.h"
#include "platform/modal.h"
#include "platform/sprache.h"
#include "tools/druck_dlg.h"
#include "tools/einheit_dlg.h"
#include "tools/export_dlg.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QGuiApplication>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

TForm2* Form2 = nullptr;

namespace {

std::function<void()>& Macher()
{
    static std::function<void()> macher;
    return macher;
}

}  // namespace

void SetWertetabellenMacher(std::function<void()> macher)
{
    Macher() = std::move(macher);
}

TForm2* Wertetabelle()
{
    if (!Form2 && Macher())
        Macher()();
    return Form2;
}

namespace {

constexpr TColor GitterFarbe = RGB(250, 255, 210);
constexpr int Spalten = WertetabelleSpalten + 1;
constexpr int SpaltenBreiteEntwurf = 36;  // the designed column width

QToolButton* Schalter(QWidget* parent, const char* name, const QString& text)
{
    auto* b = Benannt(new QToolButton(parent), name);
    b->setText(text);
    b->setAutoRaise(true);
    return b;
}

// The grid's cells keep one pixel of room beside their text, as the
// designed 36-pixel columns do, instead of the style's wider item margins.
class TEngeZellen : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_FocusFrameHMargin)
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

TForm2::TGroesseErlaubt& TForm2::TGroesseErlaubt::operator=(bool erlaubt)
{
    Wert = erlaubt;
    if (erlaubt) {
        W->setMinimumSize(0, 0);
        W->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        W->setFixedSize(W->size());
    }
    return *this;
}

TForm2::TForm2(QWidget* parent, const QRect& haupt, bool ersteFuellung) : QWidget(parent)
{
    AlsWerkzeugfenster(this, "Form2", QStringLiteral("Wertetabelle"));
    QFont schrift(QStringLiteral("Tahoma"));
    schrift.setPointSize(8);
    setFont(schrift);
    setMouseTracking(true);

    auto* spalten = new QVBoxLayout(this);
    spalten->setContentsMargins(4, 4, 4, 4);

    // The grid: 26 columns of 36 pixels (wider where the font needs it, see
    // SpaltenAnpassen), rows of 20 pixels, column 0 the row titles.
    StringGrid1 = Benannt(new QTableWidget(2, Spalten, this), "StringGrid1");
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* zellen = new TEngeZellen;
    zellen->setParent(StringGrid1);
    StringGrid1->setStyle(zellen);
    for (int r = 0; r < 2; ++r)
        StringGrid1->setRowHeight(r, 20);
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < Spalten; ++c) {
            auto* item = new QTableWidgetItem;
            if (c == 0) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(StringGrid1->palette().button());
            } else {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            StringGrid1->setItem(r, c, item);
        }
    }
    SpaltenAnpassen(TWertetabelle{});
    connect(StringGrid1, &QTableWidget::cellClicked, this, [this](int, int spalte) { StringGrid1Click(spalte); });
    spalten->addWidget(StringGrid1);

    auto* unten = new QHBoxLayout;
    spalten->addLayout(unten);

    GroupBox6 = Benannt(new QGroupBox(QStringLiteral(" Taschenrechner "), this), "GroupBox6");
    auto* rechner = new QHBoxLayout(GroupBox6);
    Label1 = Benannt(new QLabel(QStringLiteral("x ="), GroupBox6), "Label1");
    Edit2 = Benannt(new QLineEdit(QString::fromStdString(Zustand.Rechner.X), GroupBox6), "Edit2");
    Edit2->setMaxLength(255);
    Label3 = Benannt(new QLabel(QStringLiteral("t ="), GroupBox6), "Label3");
    Edit3 = Benannt(new QLineEdit(QString::fromStdString(Zustand.Rechner.T), GroupBox6), "Edit3");
    Edit3->setMaxLength(255);
    Label4 = Benannt(new QLabel(QStringLiteral("f(x) ="), GroupBox6), "Label4");
    EditErgebnis = Benannt(new QLineEdit(GroupBox6), "EditErgebnis");
    EditErgebnis->setMaxLength(255);
    EditErgebnis->setReadOnly(true);
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Edit2), static_cast<QWidget*>(Label3),
                       static_cast<QWidget*>(Edit3), static_cast<QWidget*>(Label4), static_cast<QWidget*>(EditErgebnis)})
        rechner->addWidget(w);
    SetTag(Edit3, 1);
    // What the calculator shows is the state's (documents store it).
    connect(Edit2, &QLineEdit::textChanged, this, [this](const QString& text) {
        Zustand.Rechner.X = text.toStdString();
        Edit2Change();
    });
    connect(Edit3, &QLineEdit::textChanged, this, [this](const QString& text) {
        Zustand.Rechner.T = text.toStdString();
        Edit3Change();
    });
    connect(EditErgebnis, &QLineEdit::textChanged, this,
            [](const QString& text) { Zustand.Rechner.Ergebnis = text.toStdString(); });
    unten->addWidget(GroupBox6, 1);

    GroupBox1 = Benannt(new QGroupBox(QStringLiteral(" Schrittweite "), this), "GroupBox1");
    auto* abstand = new QHBoxLayout(GroupBox1);
    LabelBeschr = Benannt(new QLabel(QStringLiteral("Einheit der x-Achse"), GroupBox1), "LabelBeschr");
    TrackBar2 = Benannt(new QSlider(Qt::Horizontal, GroupBox1), "TrackBar2");
    TrackBar2->setRange(-4, 10);
    TrackBar2->setValue(1);
    TrackBar2->setPageStep(1);
    TrackBar2->setTickPosition(QSlider::TicksBelow);
    connect(TrackBar2, &QSlider::valueChanged, this, [this] { TrackBar2Change(); });
    BitBtn1 = Benannt(new QPushButton(QStringLiteral("..."), GroupBox1), "BitBtn1");
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    abstand->addWidget(LabelBeschr);
    abstand->addWidget(TrackBar2, 1);
    abstand->addWidget(BitBtn1);
    unten->addWidget(GroupBox1, 1);

    SpeedButton5 = Schalter(this, "SpeedButton5", QStringLiteral("Excel"));
    SpeedButton2 = Schalter(this, "SpeedButton2", QStringLiteral("Word"));
    SpeedButton3 = Schalter(this, "SpeedButton3", QStringLiteral("Kopieren"));
    SpeedButton1 = Schalter(this, "SpeedButton1", QStringLiteral("Drucken"));
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    auto* knoepfe = new QVBoxLayout;
    for (QToolButton* b : {SpeedButton5, SpeedButton2, SpeedButton3, SpeedButton1})
        knoepfe->addWidget(b);
    unten->addLayout(knoepfe);

    adjustSize();
    // (adjustSize keeps a window within two thirds of the screen.)
    StartBreite = std::max(MindestBreite(), StringGrid1->maximumWidth() + spalten->contentsMargins().left() +
                                                spalten->contentsMargins().right());
    resize(StartBreite, height());
    // The view shapes the rows (the trace window's family parameter does
    // not: the table has its own t).
    connect(&Melder(), &TMelder::AnsichtGeaendert, this, [this] {
        if (FGefuellt != XAnsicht())
            FillValueTable();
    });
    connect(&Melder(), &TMelder::NachholenVerlangt, this, [this](TNachholen was) {
        if (was == TNachholen::Wertetabelle)
            FillValueTable();
    });
    connect(&Melder(), &TMelder::EditorGeaendert, this, [this] { EditorZeigen(); });
    // x and t first: their handlers compute the result anew, and the stored
    // result shows until then.
    connect(&Melder(), &TMelder::RechnerGeaendert, this, [this](QObject* absender) {
        if (absender != this)
            RechnerZeigen();
    });
    if (haupt.isValid())
        Unterbringen(haupt);
    FormCreate(ersteFuellung);
}

void TForm2::RechnerZeigen()
{
    const TRechner r = Zustand.Rechner;
    Edit2->setText(QString::fromStdString(r.X));
    Edit3->setText(QString::fromStdString(r.T));
    EditErgebnis->setText(QString::fromStdString(r.Ergebnis));
}

void TForm2::Unterbringen(const QRect& haupt)
{
    RahmenVerschieben(this, QPoint(haupt.left(), haupt.top() + haupt.height() + FensterVersatz[3] + 2));
}

void TForm2::HauptfensterFolgen(const QRect& haupt)
{
    // That is checked every time, since the frame that decides it may be
    // known only at a later time.
    const int breite = PassendeBreite(haupt.x());
    if (std::exchange(FErsteAusrichtung, false) || width() != breite) {
        GroesseErlaubt = true;
        resize(breite, height());
        GroesseErlaubt = false;
    }
    int top = haupt.y() + haupt.height() + FensterVersatz[3] + 2;
    if (const QScreen* s = QGuiApplication::primaryScreen())
        top = std::min(top, s->geometry().height() - 30 - Rahmen(this).height());
    RahmenVerschieben(this, QPoint(haupt.x(), top));
}

void TForm2::FormCreate(bool ersteFuellung)
{
    QPalette p = StringGrid1->palette();
    p.setColor(QPalette::Base, ToQColor(GitterFarbe));
    StringGrid1->setPalette(p);
    GroesseErlaubt = false;

    // The first fill shows f(x) = x^2 from -6 to 6 before anything else ran;
    // a table made later shows the function there is.
    TFunktion* f = Funktionen[0];
    if (f == nullptr || !ersteFuellung)
        return;
    f->SetTerm("f(x) = x^2");
    ZeigeTabelle(WertetabelleErste(*f, Dezimaltrenner()));
}

void TForm2::SetzeZelle(int spalte, int zeile, const QString& text)
{
    QTableWidgetItem* item = StringGrid1->item(zeile, spalte);
    if (item && item->text() != text)
        item->setText(text);
}

QString TForm2::Zelle(int spalte, int zeile) const
{
    const QTableWidgetItem* item = StringGrid1->item(zeile, spalte);
    return item ? item->text() : QString();
}

int TForm2::SpaltenBreite(const std::vector<std::string>& texte) const
{
    // A cell shows its text between two margins and left of the grid line;
    // a narrower cell would cut the text short.
    const int rand =
        2 * (StringGrid1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, StringGrid1) + 1) + 1;
    const QFontMetrics fm(StringGrid1->font());
    int breite = SpaltenBreiteEntwurf;
    for (const std::string& text : texte)
        breite = std::max(breite, fm.horizontalAdvance(QString::fromStdString(text)) + rand);
    return breite;
}

void TForm2::SpaltenAnpassen(const TWertetabelle& t)
{
    // The columns keep their designed width where the window's font allows:
    // they take the widest text the y row can show (no value, the least
    // number shown, the texts for values beyond either end) and the x
    // values of the view shown, and narrow again when those get shorter.
    const char trenner = Dezimaltrenner();
    constexpr long double jenseits = 1e6L;
    std::vector<std::string> werte = {WertetabelleYText(false, jenseits, trenner), WertetabelleYText(true, -10000, trenner),
                                      WertetabelleYText(true, -jenseits, trenner), WertetabelleYText(true, jenseits, trenner)};
    werte.insert(werte.end(), t.X.begin(), t.X.end());
    const int titel = SpaltenBreite({t.KopfX, t.KopfY});
    const int wert = SpaltenBreite(werte);
    if (StringGrid1->columnWidth(0) == titel && StringGrid1->columnWidth(1) == wert)
        return;
    StringGrid1->setColumnWidth(0, titel);
    for (int c = 1; c < Spalten; ++c)
        StringGrid1->setColumnWidth(c, wert);
    const int rahmen = 2 * StringGrid1->frameWidth();
    const int voll = rahmen + titel + WertetabelleSpalten * wert;
    const int mehr = voll - StringGrid1->maximumWidth();
    // The grid is as wide as its columns; where the screen is narrower than
    // the window would be, it shows the columns that fit.
    StringGrid1->setFixedHeight(2 * 20 + rahmen);
    StringGrid1->setMinimumWidth(rahmen + titel + wert);
    StringGrid1->setMaximumWidth(voll);
    // Once the window stands, it grows and shrinks with its grid, up to the
    // screen's edge.
    if (StartBreite > 0 && mehr != 0) {
        StartBreite += mehr;
        const bool erlaubt = GroesseErlaubt;
        GroesseErlaubt = true;
        resize(PassendeBreite(Rahmen(this).left()), height());
        GroesseErlaubt = erlaubt;
    }
}

int TForm2::MindestBreite() const
{
    int breite = layout()->minimumSize().width();
    const QMargins rand = layout()->contentsMargins();
    for (int i = 0; i < layout()->count(); ++i) {
        const QLayoutItem* teil = layout()->itemAt(i);
        if (teil->widget() != StringGrid1)
            breite = std::max(breite, teil->sizeHint().width() + rand.left() + rand.right());
    }
    return breite;
}

int TForm2::PassendeBreite(int links) const
{
    return std::max(std::min(StartBreite + FensterVersatz[6], BreiteBisZumRand(this, links)), MindestBreite());
}

void TForm2::ZeigeTabelle(const TWertetabelle& t)
{
    SpaltenAnpassen(t);
    SetzeZelle(0, 0, QString::fromStdString(t.KopfX));
    SetzeZelle(0, 1, QString::fromStdString(t.KopfY));
    for (int c = 0; c < WertetabelleSpalten; ++c) {
        SetzeZelle(c + 1, 0, QString::fromStdString(t.X[static_cast<std::size_t>(c)]));
        SetzeZelle(c + 1, 1, QString::fromStdString(t.Y[static_cast<std::size_t>(c)]));
    }
}

void TForm2::FillValueTable()
{
    // A whole-document change fills the rows once, at its end.
    if (Melder().Zurueckhalten(TNachholen::Wertetabelle))
        return;
    TFunktion* f = Funktionen[0];
    if (f == nullptr)
        return;
    ++FFuellungen;
    const TAnsicht& a = Zustand.Ansicht;
    // The spacing track bar is a second handle on the graph window's x-unit
    // bar: it follows without running its own handler back.
    if (TrackBar2->value() != a.PositionX) {
        const QSignalBlocker still(TrackBar2);
        TrackBar2->setValue(a.PositionX);
    }
    WertetabelleEingabe e;
    e.XMin = a.XMin;
    e.XMax = a.XMax;
    e.Schieberegler = a.PositionX;
    e.EinheitX = a.EinheitX;
    FGefuellt = XAnsicht();
    e.Trenner = Dezimaltrenner();
    e.T = ParseNumberLong(Edit3->text().toStdString(), e.Trenner, true);
    ZeigeTabelle(WertetabelleBerechnen(e, *f));
}

void TForm2::EditorZeigen()
{
    TFunktion* f = Funktionen[0];
    if (f == nullptr)
        return;
    // A family has a t for the calculator and the rows.
    const bool schar = Zustand.Editor.Eingabeart != ArtFunktion;
    Edit3->setVisible(schar);
    Label3->setVisible(schar);
    FillValueTable();

    if (!f->GetCompiled()) {
        EditErgebnis->clear();
        ClearValueRow();
        setWindowTitle(Txt(58));
        return;
    }
    // The calculator: a field that is not a number leaves the result empty.
    const char sep = Dezimaltrenner();
    const auto x = ParseNumberLong(Edit2->text().toStdString(), sep, true);
    const auto t = ParseNumberLong(Edit3->text().toStdString(), sep, true);
    if (x && t) {
        f->Evaluate(*x, *t);
        EditErgebnis->setText(f->GetValueValid()
                                  ? QLatin1Char(' ') + QString::fromStdString(FormatGeneral(f->GetValue(), 8, 3, sep))
                                  : QLatin1Char(' ') + Txt(153));
    } else {
        EditErgebnis->clear();
    }
    const QString tTeil = schar && Tag(Edit3) == 1 ? QStringLiteral("  ") + Txt(154) + QLatin1Char(' ') + Edit3->text()
                                                   : QString();
    setWindowTitle(Txt(58) + QStringLiteral(":      ") + QString::number(FunktionNr) + QStringLiteral(".  ") +
                   QString::fromStdString(f->GetTerm()) + tTeil);
}

void TForm2::ClearValueRow()
{
    for (int c = 1; c < Spalten; ++c)
        SetzeZelle(c, 1, QString());
}

void TForm2::Edit2Change()
{
    if (ParseNumberLong(Edit2->text().toStdString(), Dezimaltrenner(), true)) {
        emit Melder().GleichungAuswertenVerlangt();  // recomputes the calculator's result
        SetzeFeldfarbe(Edit2, FarbeGueltig);
    } else {
        SetzeFeldfarbe(Edit2, FarbeUngueltig);
        EditErgebnis->clear();
    }
}

void TForm2::Edit3Change()
{
    if (ParseNumberLong(Edit3->text().toStdString(), Dezimaltrenner(), true)) {
        SetTag(Edit3, 1);
        emit Melder().GleichungAuswertenVerlangt();  // result, caption and the table with the new t
        SetzeFeldfarbe(Edit3, FarbeGueltig);
    } else {
        SetzeFeldfarbe(Edit3, FarbeUngueltig);
        EditErgebnis->clear();
        SetTag(Edit3, 0);
        ClearValueRow();
        const QString gleichung = QString::fromStdString(Zustand.Editor[TEditorFeld::Gleichung].Text);
        setWindowTitle(Txt(132) + QStringLiteral(":      ") + QString::number(FunktionNr) + QStringLiteral(".  ") +
                       gleichung + QStringLiteral(", ") + Txt(314));
    }
}

void TForm2::TrackBar2Change()
{
    // The x unit of the step; the graph window's bar follows, the picture
    // and this table too (it refills on every change of the view).
    TAnsicht& a = Zustand.Ansicht;
    const int position = TrackBar2->value();
    if (position == a.PositionX)
        return;
    a.PositionX = position;
    a.EinheitX = EinheitXAusPosition(position);
    emit Melder().AnsichtGeaendert(this);
}

void TForm2::StringGrid1Click(int spalte)
{
    if (spalte < 1)
        return;
    TAnsicht& a = Zustand.Ansicht;
    const auto [links, rechts] = WertetabelleSpalteGeklickt(a.XMin, a.XMax, spalte);
    a.XMin = links;
    a.XMax = rechts;
    emit Melder().AnsichtGeaendert(this);
}

void TForm2::SpeedButton1Click()
{
    if (DruckDlg && DruckDlg->CB1)
        DruckDlg->CB1->setChecked(true);
    emit Melder().DruckbefehlVerlangt();
}

void TForm2::SpeedButton2Click()
{
    DialogZeigen(WordDialog(), this);
}

void TForm2::SpeedButton3Click()
{
    DialogZeigen(WertetabKopierDialog(), this);
}

void TForm2::SpeedButton5Click()
{
    DialogZeigen(ExcelDialog(), this);
}

void TForm2::BitBtn1Click()
{
    // The x-unit window, where a unit can also be typed: the graph window
    // opens it at its track bar with the unit in force.
    emit Melder().EinheitXFensterVerlangt();
    if (EinheitXDlg)
        EinheitXDlg->raise();
}

void TForm2::closeEvent(QCloseEvent* event)
{
    event->accept();
    Gewuenscht = false;
    emit Melder().WertetabelleGeschlossen();
}

void TForm2::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    emit Melder().StatusanzeigeVerlangt();
}

void TForm2::VerbergenWennUngewuenscht()
{
    if (!Gewuenscht)
        hide();
}

TForm2::TXAnsicht TForm2::XAnsicht()
{
    const TAnsicht& a = Zustand.Ansicht;
    return {a.XMin, a.XMax, a.EinheitX, a.PositionX};
}

QString TForm2::ParameterText() const
{
    return Tag(Edit3) != 0 ? Edit3->text() : QString();
}
