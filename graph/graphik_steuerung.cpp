// The graph window's own controls: the grid buttons, the grid line style
// and colour swatches, the cm/inch switch, the value table button, the
// buttons of the tool bar band and of the input bar, the unit windows and
// clicks on the status bar. Most of them hand their value to the main
// window's control of the same role.

#include "graph/graphik.h"

#include "engine/druckseite.h"
#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "platform/dialoge.h"
#include "platform/farbe_qt.h"
#include "platform/fensterart.h"
#include "platform/modal.h"
#include "platform/melder.h"
#include "platform/sprache.h"
#include "platform/statusleiste.h"
#include "tools/druck_dlg.h"
#include "tools/einheit_dlg.h"
#include "tools/kopier_dlg.h"
#include "tools/stilliste.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

#include <algorithm>
#include <array>

namespace {

constexpr TColor Grau = 0x808080;          // a pressed black swatch
constexpr TColor Gedrueckt = RGB(50, 0, 50);  // added to a pressed colour swatch

// The grid kind of each line style (solid, dashed, dotted), for lines every
// 0.5 cm and every 1 cm.
constexpr std::array<char, 3> HalbeZentimeter = {'1', '7', '3'};
constexpr std::array<char, 3> Zentimeter = {'2', '6', '4'};

constexpr int ZeileStatusWahl1 = 298;
constexpr int ZeileStatusWahl2 = 299;

// Each channel saturates, so that no pressed colour spills into the next.
TColor Aufhellen(TColor c, TColor plus)
{
    auto kanal = [](int a, int b) { return static_cast<std::uint8_t>(std::min(255, a + b)); };
    return RGB(kanal(GetRValue(c), GetRValue(plus)), kanal(GetGValue(c), GetGValue(plus)),
               kanal(GetBValue(c), GetBValue(plus)));
}

void Flaechenfarbe(QFrame* f, TColor c)
{
    QPalette pal = f->palette();
    pal.setColor(QPalette::Window, ToQColor(c));
    f->setPalette(pal);
}

// Presses and releases of the swatches.
class TMausKnopf : public QObject {
public:
    TMausKnopf(TGraphik* g) : QObject(g), G(g) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type art = event->type();
        if (art != QEvent::MouseButtonPress && art != QEvent::MouseButtonRelease)
            return QObject::eventFilter(watched, event);
        if (auto* feld = qobject_cast<QFrame*>(watched)) {
            if (art == QEvent::MouseButtonPress)
                G->Shape2MouseDown(feld);
            else
                G->Shape2MouseUp(feld);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TGraphik* G;
};

}  // namespace

// ---------------------------------------------------------------------------
// Creation

void TGraphik::ErzeugeSteuerung()
{
    // Axes group: the unit windows beside their track bars.
    auto einheitKnopf = [this](const char* name, int y) {
        auto* b = new QPushButton(QStringLiteral("…"), GroupBox1);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(212, y, 22, 22);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    BitBtn1 = einheitKnopf("BitBtn1", 17);
    BitBtn2 = einheitKnopf("BitBtn2", 49);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });

    // Input bar: the library of term templates.
    SitBtn3 = new QToolButton(GroupBox3);
    SitBtn3->setObjectName(QStringLiteral("SitBtn3"));
    SitBtn3->setText(QStringLiteral("▾"));
    SitBtn3->setGeometry(60, 17, 24, 22);
    SitBtn3->setFocusPolicy(Qt::NoFocus);
    connect(SitBtn3, &QToolButton::clicked, this, [this] { BitBtn3Click(); });

    // Bottom bar: the value table.
    SpeedButton17 = new QToolButton(this);
    SpeedButton17->setObjectName(QStringLiteral("SpeedButton17"));
    SpeedButton17->setText(QStringLiteral("Wertetabelle und Rechner"));
    SpeedButton17->setAutoRaise(true);
    SpeedButton17->setFocusPolicy(Qt::NoFocus);
    connect(SpeedButton17, &QToolButton::clicked, this, [this] { SpeedButton17Click(); });

    // The file menu of the band's file button.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    ffnen1 = PopupMenu1->addAction(QStringLiteral("Öffnen..."));
    ffnen1->setObjectName(QStringLiteral("ffnen1"));
    Speichern1 = PopupMenu1->addAction(QStringLiteral("Speichern unter"));
    Speichern1->setObjectName(QStringLiteral("Speichern1"));
    connect(ffnen1, &QAction::triggered, this, [this] { ffnen1Click(); });
    connect(Speichern1, &QAction::triggered, this, [this] { Speichern1Click(); });

    // Grid buttons, line style and swatches.
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton1Click5(); });
    connect(SpeedButton6, &QToolButton::clicked, this, [this] { SpeedButton6Click(); });
    connect(ComboStrich, &QComboBox::activated, this, [this] { ComboStrichChange(); });
    ComboStrich->OnDrawItem = [this](TCanvas& c, const TRect& r, int i) { ComboStrichDrawItem(c, r, i); };
    ComboBox4->OnDrawItem = [this](TCanvas& c, const TRect& r, int i) { ComboBox4DrawItem(c, r, i); };

    auto* maus = new TMausKnopf(this);
    for (QFrame* f : GitterFelder)
        f->installEventFilter(maus);

    for (QToolButton* b : {cm1, cm2, cm3})
        connect(b, &QToolButton::clicked, this, [this] { cm2Click(); });

    StatusBar1->OnMouseDown = [this](TStatusBar&, Qt::MouseButton, QPoint p) { StatusBar1MouseDown(p.x()); };
}

namespace {

// The colour of the grid line samples: that of the grid's colour scheme.
TColor StrichMusterFarbe(const std::string& gitter, const std::array<TColor, 4>& farben)
{
    const char schema = gitter.size() > 1 ? gitter[1] : '\0';
    return farben[schema >= 'a' && schema <= 'c' ? static_cast<std::size_t>(schema - 'a' + 1) : 0];
}

}  // namespace

void TGraphik::SteuerungAnordnen()
{
    if (!SpeedButton17 || !PaintBox1)
        return;
    // The end of presentation stays at the band's right end as the window
    // takes its maximised size.
    if (SpeedButton5 && CoolBar2)
        SpeedButton5->move(CoolBar2->width() - SpeedButton5->width() - 1, SpeedButton5->y());
    // The line style samples take the grid's colour scheme: painted again
    // when that changes, not on every layout.
    if (const TColor farbe = StrichMusterFarbe(Gitter, GitterFarbe); farbe != ComboStrichFarbe) {
        ComboStrichFarbe = farbe;
        ComboStrich->update();
    }
    // One resize: a button that grows to its hint and shrinks back on
    // every layout makes the window repaint around it each time.
    SpeedButton17->resize(SpeedButton17->sizeHint().width(), 16);
    SpeedButton17->move(PaintBox1->x(), PaintBox1->y() + PaintBox1->height() + 1);
}

// ---------------------------------------------------------------------------
// Grid

namespace {

// The first character of the grid code; the colour scheme letter stays.
void GitterArt(std::string& gitter, char art)
{
    if (gitter.empty())
        gitter.assign(1, art);
    else
        gitter[0] = art;
}

}  // namespace

// The layout shows the grid's kind on the buttons and the line style list.
void TGraphik::SpeedButton1Click()
{
    GitterArt(Gitter, '0');
    GraphikResize();
}

void TGraphik::SpeedButton2Click()
{
    const int stil = std::clamp<int>(GitterStil, 0, 2);
    GitterArt(Gitter, HalbeZentimeter[static_cast<std::size_t>(stil)]);
    GitterStil = stil;
    GraphikResize();
}

void TGraphik::SpeedButton1Click5()
{
    const int stil = std::clamp<int>(GitterStil, 0, 2);
    GitterArt(Gitter, Zentimeter[static_cast<std::size_t>(stil)]);
    GitterStil = stil;
    GraphikResize();
}

void TGraphik::SpeedButton6Click()
{
    GitterArt(Gitter, '5');
    GraphikResize();
}

void TGraphik::ComboStrichChange()
{
    const int stil = ComboStrich->currentIndex();
    if (stil < 0 || stil > 2)
        return;
    GitterStil = stil;
    // A chosen style always switches a line grid on: 1 cm when that is the
    // grid now, 0.5 cm otherwise.
    const auto& arten = SpeedButton3->isChecked() ? Zentimeter : HalbeZentimeter;
    GitterArt(Gitter, arten[static_cast<std::size_t>(stil)]);
    GraphikResize();
}

void TGraphik::ComboStrichDrawItem(TCanvas& Canvas, const TRect& Rect, int Index) const
{
    Canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
    Canvas.FillRect(Rect);
    constexpr std::array<TPenStyle, 3> Stile = {TPenStyle::Solid, TPenStyle::Dash, TPenStyle::Dot};
    Canvas.Pen = TPen{StrichMusterFarbe(Gitter, GitterFarbe), 1, Stile[static_cast<std::size_t>(std::clamp(Index, 0, 2))]};
    const int y = Rect.Top + (Rect.Bottom - Rect.Top) / 2;
    Canvas.MoveTo(Rect.Left + 5, y);
    Canvas.LineTo(Rect.Right - 5, y);
    Canvas.Pen.Style = TPenStyle::Solid;
}

void TGraphik::Shape2MouseDown(QFrame* Sender)
{
    const auto feld = std::find(GitterFelder.begin(), GitterFelder.end(), Sender);
    if (feld == GitterFelder.end() || Gitter.empty() || Gitter[0] == '0')
        return;
    const auto i = static_cast<std::size_t>(feld - GitterFelder.begin());
    Gitter.resize(1);
    if (i > 0)
        Gitter += static_cast<char>('a' + i - 1);
    GraphikResize();
    Flaechenfarbe(Sender, i == 0 ? Grau : Aufhellen(GitterFarbe[i], Gedrueckt));
    ComboStrich->update();
}

void TGraphik::Shape2MouseUp(QFrame* Sender)
{
    const auto feld = std::find(GitterFelder.begin(), GitterFelder.end(), Sender);
    if (feld == GitterFelder.end() || Gitter.empty() || Gitter[0] == '0')
        return;
    Flaechenfarbe(Sender, GitterFarbe[static_cast<std::size_t>(feld - GitterFelder.begin())]);
}

// ---------------------------------------------------------------------------
// Unit of the axis lengths

void TGraphik::cm2Click()
{
    // The layout at the end names the unit on the buttons and the ruler.
    const bool inch = Massstab == MassstabCm;
    ComboBox1a->setVisible(inch);
    ComboBox2a->setVisible(inch);
    ComboBox1->setVisible(!inch);
    ComboBox2->setVisible(!inch);
    // The main window's unit menu and the unit windows' labels name the
    // unit.
    Massstab = inch ? MassstabZoll : MassstabCm;
    AnsichtMelden();

    // The longest cm lengths have no inch list entry: the longest inch
    // length stands in for them.
    const QString x = ComboBox2->currentText();
    if (x == QLatin1String("15") || x == QLatin1String("16") || x == QLatin1String("17")) {
        ComboBox2a->setEditText(QStringLiteral("7"));
        ComboBox2Change(ComboBox2a);
    }
    const QString y = ComboBox1->currentText();
    if (y == QLatin1String("17") || y == QLatin1String("18") || y == QLatin1String("19") || y == QLatin1String("20")) {
        ComboBox1a->setEditText(QStringLiteral("8"));
        ComboBox1Change(ComboBox1a);
    }
    GraphikResize();
}

void TGraphik::SpeedButton17Click()
{
    emit Melder().FensterUmschaltenVerlangt(TUmschaltFenster::Wertetabelle);
}

// ---------------------------------------------------------------------------
// The input bar's style list

void TGraphik::ComboBox4DrawItem(TCanvas& Canvas, const TRect& Rect, int Index) const
{
    const TFunktion* f = Funktionen[0];
    GraphenMusterZeichnen(Canvas, Rect, Index, f ? f->GetColor() : clBlack);
}

// ---------------------------------------------------------------------------
// Band and input bar

void TGraphik::SpeedButton4Click()
{
    MenueAufklappen(PopupMenu1, SpeedButton4->mapToGlobal(QPoint(0, SpeedButton4->height())), Edit3);
}

void TGraphik::BitBtn3Click()
{
    MenueAufklappen(Vorlagenmenue, SitBtn3->mapToGlobal(QPoint(SitBtn3->width() - 4, 0)), Edit3);
}

void TGraphik::SpeedButton14Click()
{
    MenueAufklappen(Beispielmenue, SpeedButton14->mapToGlobal(QPoint(0, SpeedButton14->height())), Edit3);
}

void TGraphik::ffnen1Click()
{
    emit Melder().OeffnenVerlangt();
}

void TGraphik::Speichern1Click()
{
    emit Melder().SpeichernVerlangt();
}

void TGraphik::SpeedButton15Click()
{
    struct THalten {
        TGraphik* G;
        ~THalten() { G->LayoutHalten = false; }
    } halten{this};
    LayoutHalten = true;
    emit Melder().NeuVerlangt();
    emit Melder().FunktionGeaendert(0, this);
}

void TGraphik::UrsprungWaehlen()
{
    Modus = ModusUrsprung;
    UrsprungButton->setChecked(true);
    TracebuttonClick(UrsprungButton);
}

void TGraphik::SpeedButton13Click()
{
    UrsprungWaehlen();
    TKopierDlg* kopieren = KopierDialog();
    kopieren->Vorbereiten();
    ShowModal(*kopieren);
}

void TGraphik::SpeedButton8Click()
{
    UrsprungWaehlen();
    // Hatched circles cannot be printed: the copy dialog of the graphs
    // offers the bitmap.
    if (SchraffierteKreise(Kreise)) {
        ShowMessage(Txt(158) + QLatin1Char(' ') + Txt(159));
        TKopierDlg8* kopieren = KopierDialog8();
        kopieren->Vorbereiten();
        kopieren->R3->setChecked(true);
        ShowModal(*kopieren);
        return;
    }
    if (DruckDlg) {
        DruckDlg->Vorbereiten();
        ShowModal(*DruckDlg);
    }
}

// ---------------------------------------------------------------------------
// The unit windows, under the axes group at the y unit's track bar

void TGraphik::BitBtn1Click()
{
    if (EinheitXDlg)
        EinheitXDlg->ZeigenBei(GroupBox1->mapToGlobal(QPoint(TrackBar1->x() + 24, GroupBox1->height())));
}

void TGraphik::BitBtn2Click()
{
    if (!EinheitYDlg)
        return;
    const int breiteX = EinheitXDlg ? EinheitXDlg->width() : 0;
    EinheitYDlg->ZeigenBei(GroupBox1->mapToGlobal(QPoint(breiteX + 5 + TrackBar1->x() + 24, GroupBox1->height())));
}

// ---------------------------------------------------------------------------
// Status bar

void TGraphik::StatusBar1MouseDown(int x)
{
    const int panel = StatusBar1->PanelAt(x);
    // Only the nine function panels choose something (the bar shows the
    // choice as the input bar does, when it is announced).
    if (panel >= 1 && panel <= 9) {
        emit Melder().FunktionWaehlenVerlangt(panel);
        return;
    }
    ShowMessage(Txt(ZeileStatusWahl1) + QLatin1Char('\n') + Txt(ZeileStatusWahl2));
}
