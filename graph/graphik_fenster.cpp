// The graph window's frame: what the window holds after its creation, the
// layout of the drawing area and the controls around it, the entry point
// GraphikResize through which every window asks for a new picture, the
// status bar, the input bar that mirrors the main window's editor, and the
// window states that switch presentation mode.

#include "graph/graphik.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "tools/einheit_dlg.h"
#include "tools/trace_dlg.h"
#include "tools/wertetabelle_fenster.h"
#include "platform/farbe_qt.h"
#include "platform/felder.h"
#include "platform/fensterhilfen.h"
#include "platform/fensterlage.h"
#include "platform/melder.h"
#include "platform/sprache.h"
#include "platform/statusleiste.h"
#include "tools/stilliste.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QWindowStateChangeEvent>

#include <algorithm>
#include <cmath>

TGraphik* Graphik = nullptr;

namespace {

QGroupBox* NeueGruppe(QWidget* parent, const char* name, const QString& title, int x, int y, int w, int h)
{
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(x, y, w, h);
    return g;
}

QToolButton* NeuerKnopf(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setGeometry(x, y, w, h);
    b->setAutoRaise(true);
    return b;
}

QLineEdit* NeuesFeld(QWidget* parent, const char* name, int x, int y, int w)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(x, y, w, 22);
    e->setMaxLength(255);
    return e;
}

// Moves one of the controls that other parts of the window create into the
// group where it belongs, keeping whether it is shown.
void Einsetzen(QWidget* w, QWidget* gruppe, int x, int y, int breite, int hoehe)
{
    if (!w)
        return;
    const bool versteckt = w->isHidden();
    w->setParent(gruppe);
    w->setGeometry(x, y, breite, hoehe);
    w->setVisible(!versteckt);
}


}  // namespace

// ---------------------------------------------------------------------------
// Creation

void TGraphik::FormCreate()
{
    Graphik = this;
    setWindowTitle(QStringLiteral("Graphen"));
    resize(585, 565);
    setMouseTracking(true);

    // The frame's controls, at their designed places.
    CoolBar2 = new QWidget(this);
    CoolBar2->setObjectName(QStringLiteral("CoolBar2"));
    CoolBar2->setGeometry(0, 0, width(), 30);
    CoolBar2->hide();
    ErzeugeWerkzeugleiste();

    GroupBox1 = NeueGruppe(this, "GroupBox1", QStringLiteral(" Achsen "), 16, 8, 307, 81);
    GroupBox2 = NeueGruppe(this, "GroupBox2", QStringLiteral(" Koordinatensystem "), 331, 8, 239, 81);
    GroupBox3 = NeueGruppe(this, "GroupBox3", QStringLiteral(" Funktionsgleichung und Eigenschaften "), 578, 8, 400,
                           81);
    GroupBox3->hide();
    // The tool box is a little wider than designed: its longest caption,
    // "(Voreinstellung)" on the origin button, needs the room.
    AktivBox = NeueGruppe(this, "AktivBox", QStringLiteral(" Interaktiv "), 16, 102, 83, 420);
    InteraktivBox = new QCheckBox(QStringLiteral("Interaktiv"), this);
    InteraktivBox->setObjectName(QStringLiteral("InteraktivBox"));
    InteraktivBox->setChecked(true);
    InteraktivBox->hide();

    // Axes group: lengths, units and captions of the two axes.
    cm2 = NeuerKnopf(GroupBox1, "cm2", QStringLiteral("cm"), 62, 17, 26, 22);
    cm1 = NeuerKnopf(GroupBox1, "cm1", QStringLiteral("cm"), 62, 49, 26, 22);
    Einsetzen(ComboBox2, GroupBox1, 8, 17, 52, 22);
    Einsetzen(ComboBox2a, GroupBox1, 8, 17, 52, 22);
    Einsetzen(ComboBox1, GroupBox1, 8, 49, 52, 22);
    Einsetzen(ComboBox1a, GroupBox1, 8, 49, 52, 22);
    Einsetzen(TrackBar2, GroupBox1, 92, 17, 118, 22);
    Einsetzen(TrackBar1, GroupBox1, 92, 49, 118, 22);
    Einsetzen(Edit1, GroupBox1, 238, 17, 60, 22);
    Einsetzen(Edit2, GroupBox1, 238, 49, 60, 22);

    // Coordinate-system group: grid buttons, line style, colour squares and
    // the switches of colour, axes and numbers.
    SpeedButton1 = NeuerKnopf(GroupBox2, "SpeedButton1", QStringLiteral("0"), 8, 15, 26, 22);
    SpeedButton2 = NeuerKnopf(GroupBox2, "SpeedButton2", QStringLiteral("½"), 36, 15, 26, 22);
    SpeedButton3 = NeuerKnopf(GroupBox2, "SpeedButton3", QStringLiteral("1"), 64, 15, 26, 22);
    SpeedButton6 = NeuerKnopf(GroupBox2, "SpeedButton6", QStringLiteral("mm"), 92, 15, 26, 22);
    for (QToolButton* b : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton6})
        b->setCheckable(true);
    ComboStrich = new TStilListe(GroupBox2, 16);
    ComboStrich->setObjectName(QStringLiteral("ComboStrich"));
    ComboStrich->addItems({QStringLiteral("———"), QStringLiteral("– – –"), QStringLiteral("·······")});
    ComboStrich->setGeometry(124, 15, 80, 22);
    for (std::size_t i = 0; i < GitterFelder.size(); ++i) {
        auto* f = new QFrame(GroupBox2);
        f->setObjectName(QStringLiteral("Shape%1").arg(i + 2));
        f->setFrameShape(QFrame::Box);
        f->setAutoFillBackground(true);
        f->setGeometry(8 + static_cast<int>(i) * 18, 42, 15, 15);
        GitterFelder[i] = f;
    }
    Einsetzen(CB2, GroupBox2, 84, 40, 70, 18);
    CB2->show();
    Einsetzen(CB3, GroupBox2, 8, 60, 70, 18);
    Einsetzen(CB4, GroupBox2, 84, 60, 80, 18);

    // Tool box: the snap step goes to its foot.
    Einsetzen(TrackBar3, AktivBox, 4, 390, 63, 22);

    // Ruler under the drawing area.
    Shape6 = new QFrame(this);
    Shape6->setObjectName(QStringLiteral("Shape6"));
    Shape6->setAutoFillBackground(true);
    {
        QPalette pal = Shape6->palette();
        pal.setColor(QPalette::Window, ToQColor(clLime));
        pal.setColor(QPalette::WindowText, ToQColor(clGray));
        Shape6->setPalette(pal);
    }
    Shape6->setFrameShape(QFrame::Box);
    Shape6->resize(40, 3);
    cm3 = NeuerKnopf(this, "cm3", QStringLiteral("1 cm"), 0, 0, 44, 16);
    {
        QPalette pal = cm3->palette();
        pal.setColor(QPalette::ButtonText, ToQColor(clGray));
        cm3->setPalette(pal);
    }

    StatusBar1 = new TStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->Panels[0] = {74, QStringLiteral("P(|)")};
    // The function panels take their texts and widths before every paint.
    StatusBar1->OnUpdatePanels = [this](TStatusBar&) { StatusPanelsAktualisieren(); };
    StatusBar1->OnDrawPanel = [this](TStatusBar& bar, QPainter& p, int panel, const QRect& r) {
        StatusBar1DrawPanel(bar, p, panel, r);
    };

    BeschrEdit = new QLineEdit(this);
    BeschrEdit->setObjectName(QStringLiteral("BeschrEdit"));
    BeschrEdit->setFrame(false);
    BeschrEdit->setMaxLength(255);
    BeschrEdit->hide();

    Animator = new QTimer(this);
    Animator->setObjectName(QStringLiteral("Animator"));
    Animator->setInterval(20);

    // The tool buttons and everything the interaction modes need.
    ErzeugeInteraktion();

    // The input bar: a mirror of the main window's editor.
    auto label = [](QWidget* parent, const char* name, const QString& text, int x, int y) {
        auto* l = new QLabel(text, parent);
        l->setObjectName(QString::fromLatin1(name));
        l->move(x, y);
        l->adjustSize();
        return l;
    };
    ComboBox3 = new QComboBox(GroupBox3);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    ComboBox3->setEditable(true);
    ComboBox3->setInsertPolicy(QComboBox::NoInsert);
    for (int n = 1; n <= 9; ++n)
        ComboBox3->addItem(QString::number(n) + QLatin1Char('.'));
    ComboBox3->setGeometry(8, 17, 48, 22);
    // The first row ends well inside the group at the width it has on a
    // screen 1024 pixels wide.
    Edit3 = NeuesFeld(GroupBox3, "Edit3", 86, 17, 198);
    SFarbe2 = new QPushButton(QStringLiteral("2"), GroupBox3);
    SFarbe2->setObjectName(QStringLiteral("SFarbe2"));
    SFarbe2->setGeometry(330, 17, 40, 22);
    SFarbe2->setFocusPolicy(Qt::NoFocus);
    SFarbe = new QPushButton(QStringLiteral("Farbe"), GroupBox3);
    SFarbe->setObjectName(QStringLiteral("SFarbe"));
    SFarbe->setGeometry(288, 17, 80, 22);
    SFarbe->setFocusPolicy(Qt::NoFocus);
    // The labels take their captions in either language ("x from",
    // "Schrittweite") without running into the field after them.
    label(GroupBox3, "Label5", QStringLiteral("x von"), 8, 52);
    Evonx = NeuesFeld(GroupBox3, "Evonx", 48, 49, 46);
    label(GroupBox3, "Label7", QStringLiteral("bis"), 98, 52);
    Ebisx = NeuesFeld(GroupBox3, "Ebisx", 118, 49, 46);
    Label6 = label(GroupBox3, "Label6", QStringLiteral("t von"), 170, 52);
    Evont = NeuesFeld(GroupBox3, "Evont", 208, 49, 40);
    Label8 = label(GroupBox3, "Label8", QStringLiteral("bis"), 252, 52);
    Ebist = NeuesFeld(GroupBox3, "Ebist", 272, 49, 40);
    Label9 = label(GroupBox3, "Label9", QStringLiteral("Schritt"), 316, 52);
    Estept = NeuesFeld(GroupBox3, "Estept", 386, 49, 40);
    ComboBox4 = new TStilListe(GroupBox3, 16);
    ComboBox4->setObjectName(QStringLiteral("ComboBox4"));
    for (int n = 1; n <= 11; ++n)
        ComboBox4->addItem(QString::number(n) + QLatin1Char('.'));
    ComboBox4->setGeometry(374, 17, 60, 22);

    // The range fields start with what the editor shows for the selected
    // function; from then on its handlers keep them equal.
    const std::array<std::pair<QLineEdit*, TEditorFeld>, 5> bereiche = {{{Evonx, TEditorFeld::XVon},
                                                                         {Ebisx, TEditorFeld::XBis},
                                                                         {Evont, TEditorFeld::TVon},
                                                                         {Ebist, TEditorFeld::TBis},
                                                                         {Estept, TEditorFeld::TSchritt}}};
    for (const auto& [e, feld] : bereiche)
        e->setText(QString::fromStdString(Zustand.Editor[feld].Text));

    connect(Edit3, &QLineEdit::textChanged, this, [this] { Edit3Change(); });
    for (const auto& [e, feld] : bereiche) {
        connect(e, &QLineEdit::textChanged, this, [this, e, feld = feld] {
            // Only what the user does here goes to the editor's field of the
            // same name; its handler stores, checks and mirrors back.
            if (QApplication::activeWindow() != this)
                return;
            emit Melder().EditorEingabeVerlangt(feld, e->text());
        });
    }
    connect(ComboBox3, &QComboBox::activated, this, [this] { ComboBox3Change(); });
    connect(ComboBox3->lineEdit(), &QLineEdit::textEdited, this, [this] { ComboBox3Change(); });
    connect(ComboBox4, &QComboBox::activated, this, [this] { ComboBox4Change(); });
    connect(SFarbe, &QPushButton::clicked, this, [] { emit Melder().FarbwahlVerlangt(false); });
    connect(SFarbe2, &QPushButton::clicked, this, [] { emit Melder().FarbwahlVerlangt(true); });

    // The controls of the grid, the band and the status bar.
    ErzeugeSteuerung();

    // What another window changed in the tables or the functions is drawn
    // at once; what this window changed it draws itself.
    connect(&Melder(), &TMelder::TabelleGeaendert, this, [this](TObjekttabelle, QObject* absender) {
        if (absender != this)
            GraphikResize();
    });
    connect(&Melder(), &TMelder::FunktionGeaendert, this, [this](int, QObject* absender) {
        if (absender != this)
            GraphikResize();
    });
    connect(&Melder(), &TMelder::ScharparameterGeaendert, this, [this] { GraphikResize(); });
    connect(&Melder(), &TMelder::NachholenVerlangt, this, [this](TNachholen was) {
        if (was == TNachholen::Bild)
            GraphikResize();
    });
    // Another language: the texts of the picture anew.
    connect(&Melder(), &TMelder::SpracheGeaendert, this, [this] {
        TextMittig = false;
        GraphikResize();
    });
    // The input bar shows what the editor holds.
    connect(&Melder(), &TMelder::EditorGeaendert, this, [this] { EingabeZeigen(false); });
    connect(&Melder(), &TMelder::AuswahlGeaendert, this, [this] { EingabeZeigen(true); });
    // The switches set elsewhere: the boxes show them, and act on them.
    connect(&Melder(), &TMelder::SchalterGeaendert, this, [this](QObject* absender) {
        if (absender == this)
            return;
        SoundBox->setChecked(Zustand.Klang);
        InteraktivBox->setChecked(Zustand.Interaktiv);
    });
    connect(&Melder(), &TMelder::AnsichtGeaendert, this, [this](QObject* absender) {
        if (absender != this && &Ansicht == &Zustand.Ansicht)
            AnsichtZeigen();
    });

    // The set-up proper.
    ZeichnenErlaubt = true;
    StatusErneuern = true;
    TextMittig = false;
    Massstab = 1.0;
    Modus = ModusUrsprung;
    TrackBar1Aktiv = true;
    TrackBar2Aktiv = true;
    LayoutHalten = false;
    Gitter = "1b";
    GitterStil = 0;
    ComboStrich->setCurrentIndex(0);
    for (QWidget* w : std::initializer_list<QWidget*>{ComboBox3, Edit3, Evonx, Ebisx, Evont, Ebist, Estept})
        SetzeFeldfarbe(w, FarbeGueltig);
    if (ComboBox3->lineEdit())
        SetzeFeldfarbe(ComboBox3->lineEdit(), FarbeGueltig);

    // Both pictures start white with a black frame at the screen's size.
    QSize bildschirm(1024, 768);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        bildschirm = screen->geometry().size();
    PaintBox1->resize(bildschirm);
    ResizeBilder();
    for (TImageCanvas* c : {BildCanvas.get(), AnzeigebildCanvas.get()}) {
        c->Rectangle(0, 0, c->Width(), c->Height());
        c->Flush();
    }
    CopyToPaintBox();

    XMin = -5;
    XMax = 6;
    YMin = -2;
    YMax = 8;
    EinheitX = 1.0;
    EinheitY = 1.0;

    StartHoeheAktiv = AktivBox->height();
    StartBreiteKoord = GroupBox2->width();

    // Beside the main window, as high as it.
    if (Hauptfenster) {
        const QRect haupt = Rahmen(Hauptfenster);
        RahmenVerschieben(this, QPoint(haupt.x() + haupt.width() + FensterVersatz[3] + 2, haupt.y() + FensterVersatz[4]));
        resize(width(), std::max(200, Hauptfenster->height() + FensterVersatz[5]));
    }
    ArrangeControls();
    StartBreite = width();
    StartHoehe = height();
    NormalGroesse = size();

    // The pen cursor of the label and drawing tools; its tip is the hot spot.
    const QPixmap stift(QStringLiteral(":/cursors/stift.png"));
    StiftCursor = stift.isNull() ? QCursor(Qt::CrossCursor) : QCursor(stift, 1, 30);
}

// ---------------------------------------------------------------------------
// Layout

void TGraphik::ArrangeControls()
{
    if (!StatusBar1)
        return;
    const int sbHoehe = StatusBar1->sizeHint().height();
    StatusBar1->setGeometry(0, height() - sbHoehe, width(), sbHoehe);
    if (CoolBar2)
        CoolBar2->resize(width(), CoolBar2->height());

    const int m = GroupBox1->x();
    // Widths in double: a wide view must not overflow the int difference.
    const double aspect = ViewValid() ? (static_cast<double>(XMax) - XMin) / (static_cast<double>(YMax) - YMin) : 1.0;
    const int top = m + GroupBox1->y() + GroupBox1->height();
    const int bottom = StatusBar1->y() - m;
    const int left = InteraktivBox->isChecked() ? 2 * m + AktivBox->width() : m;
    const int availW = width() - m - left;
    const int availH = bottom - top > 0 ? bottom - top : 1;

    int w = 0, h = 0, x = 0, y = 0;
    if (aspect > static_cast<double>(availW) / availH) {
        w = availW;
        h = RoundToInt32(availW / aspect);
        y = RoundToInt32((availH - availW / aspect) / 2 + top);
        x = left;
    } else {
        w = RoundToInt32(availH * aspect);
        h = availH;
        y = top;
        x = RoundToInt32((availW - availH * aspect) / 2 + left);
    }
    if (w < 25 || h < 25) {
        w = 10;
        h = 10;
    }
    PaintBox1->setGeometry(x, y, w, h);
    ResizeBilder();

    if (GroupBox3->isVisibleTo(this)) {
        GroupBox3->resize(width() - GroupBox3->x() - 8, GroupBox3->height());
        GroupBox2->resize(StartBreiteKoord, GroupBox2->height());
    } else {
        GroupBox2->resize(std::max(StartBreiteKoord, width() - GroupBox2->x() - 15), GroupBox2->height());
    }
    AktivBox->resize(AktivBox->width(),
                     std::max(StartHoeheAktiv, height() - AktivBox->y() - StatusBar1->height() - 15));

    // Grid buttons from the kind of grid.
    const char art = Gitter.empty() ? '0' : Gitter[0];
    QToolButton* gedrueckt = SpeedButton1;
    int strich = -1;
    bool strichAn = false;
    switch (art) {
    case '1': gedrueckt = SpeedButton2; strich = 0; strichAn = true; break;
    case '7': gedrueckt = SpeedButton2; strich = 1; strichAn = true; break;
    case '3': gedrueckt = SpeedButton2; strich = 2; strichAn = true; break;
    case '2': gedrueckt = SpeedButton3; strich = 0; strichAn = true; break;
    case '6': gedrueckt = SpeedButton3; strich = 1; strichAn = true; break;
    case '4': gedrueckt = SpeedButton3; strich = 2; strichAn = true; break;
    case '5': gedrueckt = SpeedButton6; strich = 0; strichAn = false; break;
    default: break;
    }
    for (QToolButton* b : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton6})
        b->setChecked(b == gedrueckt);
    ComboStrich->setCurrentIndex(strich);
    ComboStrich->setEnabled(strichAn);

    for (std::size_t i = 0; i < GitterFelder.size(); ++i) {
        QPalette pal = GitterFelder[i]->palette();
        if (art == '0') {
            GitterFelder[i]->setToolTip(QString());
            pal.setColor(QPalette::Window, Qt::white);
        } else {
            GitterFelder[i]->setToolTip(i == 0 ? Txt(532) : Txt(533));
            pal.setColor(QPalette::Window, ToQColor(GitterFarbe[i]));
        }
        GitterFelder[i]->setPalette(pal);
    }

    const bool inch = Massstab != MassstabCm;
    for (QComboBox* c : {ComboBox1a, ComboBox2a})
        if (c)
            c->setVisible(inch);
    for (QComboBox* c : {ComboBox1, ComboBox2})
        if (c)
            c->setVisible(!inch);
    SpeedButton1->setToolTip(Txt(557));
    if (inch) {
        cm1->setText(QStringLiteral("in  "));
        cm2->setText(QStringLiteral("in  "));
        cm3->setText(QStringLiteral("1 inch"));
        SpeedButton3->setToolTip(Txt(560));
        SpeedButton2->setToolTip(Txt(561));
        SpeedButton6->setToolTip(Txt(562));
    } else {
        cm1->setText(QStringLiteral("cm"));
        cm2->setText(QStringLiteral("cm"));
        cm3->setText(QStringLiteral("1 cm"));
        SpeedButton3->setToolTip(Txt(558));
        SpeedButton2->setToolTip(Txt(559));
        SpeedButton6->setToolTip(Txt(277));
    }

    // The ruler: one unit of length, right-aligned under the drawing area.
    const std::int64_t einheiten = ViewValid() ? static_cast<std::int64_t>(XMax) - XMin : 1;
    const int n = static_cast<int>(PaintBox1->width() / std::max<std::int64_t>(1, einheiten)) + 1;
    Shape6->resize(Massstab < 1.1 ? n : 2 * n, 3);
    Shape6->move(PaintBox1->x() + PaintBox1->width() - Shape6->width(), PaintBox1->y() + PaintBox1->height() + 6);
    // One pixel higher than the ruler's caption was designed, for the
    // height its text needs; it still ends above the status bar.
    cm3->move(Shape6->x() - cm3->width() - 3, Shape6->y() - 6);
    SteuerungAnordnen();
}

void TGraphik::GraphikResize()
{
    if (!StatusBar1)
        return;  // not set up yet
    try {
        ArrangeControls();
        // Inside a whole-document change the picture is drawn once, at its
        // end; the layout follows every step, as later steps place other
        // windows by it.
        if (!Melder().Zurueckhalten(TNachholen::Bild)) {
            ++FNeuzeichnungen;
            RepaintGraph();
        }
        if (AssistentFenster && AssistentFenster->isVisible())
            AssistentPlatzieren();
        if (TraceParam && TraceParam->isVisible())
            TraceParamPlatzieren();
    } catch (...) {
        // A failed layout or drawing keeps what the window showed.
    }
}

void TGraphik::AssistentPlatzieren()
{
    RahmenVerschieben(AssistentFenster, PaintBox1->mapToGlobal(QPoint(5, 5)));
}

void TGraphik::TraceParamPlatzieren()
{
    RahmenVerschieben(TraceParam,
                      GroupBox2->mapToGlobal(QPoint(GroupBox2->width() - TraceParam->width(), GroupBox2->height())));
}

void TGraphik::resizeEvent(QResizeEvent*)
{
    GraphikResize();
}

// ---------------------------------------------------------------------------
// Status bar

void TGraphik::Statusanzeige()
{
    if (!StatusErneuern || !StatusBar1)
        return;
    if (Animator)
        Animator->stop();
    PaintBox1Paint();

    const int r = TrackBar3->value();
    QString text;
    switch (Modus) {
    case ModusUrsprung:
    case ModusPunkte:
    case ModusSenkrechte: text = QStringLiteral("P(|)"); break;
    case ModusKreisMitte: text = QStringLiteral("M(|)"); break;
    case ModusKreisRadius: text = QStringLiteral("R(|)"); break;
    case ModusParabelD:
    case ModusParabelE:
    case ModusParabelA: text = QStringLiteral("S(|)"); break;
    case ModusSpur: text = QStringLiteral("T(|)"); break;
    case ModusTangente: text = IstTangente ? QStringLiteral("B(|)") : QStringLiteral("N(|)"); break;
    default: break;  // 6, 8, 81, 82, 92: empty
    }
    int breite = 0;
    if (Modus == ModusUrsprung || Modus == ModusBeschriftung)
        breite = 90;
    else if (Modus == ModusSpur || Modus == ModusTangente)
        breite = r <= 1 ? 85 : (r + 4) * 15 - 5;
    else
        breite = r == 0 ? 56 : r == 1 ? 73 : (r + 3) * 17 - 12;
    StatusBar1->Panels[0].Text = text;
    StatusBar1->Panels[0].Width = breite;
    StatusBar1->update();

    BeschrEdit->hide();
    StatusErneuern = false;
}

void TGraphik::StatusPanelsAktualisieren()
{
    QFont fett = font();
    fett.setBold(true);
    const QFontMetrics fm(fett);
    for (int n = 1; n <= 9; ++n) {
        auto& panel = StatusBar1->Panels[static_cast<std::size_t>(n)];
        const TFunktion* f = Funktionen[static_cast<std::size_t>(n)];
        if (f && f->GetCompiled()) {
            panel.Text = QString::number(n) + QStringLiteral(". ") + QString::fromStdString(f->GetTerm());
            panel.Width = fm.horizontalAdvance(panel.Text) + 10;
        } else {
            panel.Width = 0;
            panel.Text = QStringLiteral(" ");
        }
    }
}

void TGraphik::ScharHinweisAnzeigen()
{
    if (!StatusBar1)
        return;
    auto& panel = StatusBar1->Panels[10];
    if (NichtAlleMitglieder) {
        QFont fett = font();
        fett.setBold(true);
        panel.Text = Txt(ZeileNichtAlleMitglieder);
        panel.Width = QFontMetrics(fett).horizontalAdvance(panel.Text) + 10;
    } else {
        panel.Text.clear();
        panel.Width = 0;
    }
    StatusBar1->update();
}

void TGraphik::StatusBar1DrawPanel(TStatusBar& bar, QPainter& p, int panel, const QRect& rect)
{
    QFont fett = font();
    fett.setBold(true);
    p.setFont(fett);
    p.setPen(Qt::black);
    if (panel >= 1 && panel <= 9) {
        if (const TFunktion* f = Funktionen[static_cast<std::size_t>(panel)])
            p.setPen(ToQColor(f->GetColor()));
        if (panel == FunktionNr)
            p.fillRect(rect, ToQColor(FarbeGueltig));
    }
    p.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
               bar.Panels[static_cast<std::size_t>(panel)].Text);
}

void TGraphik::mouseMoveEvent(QMouseEvent*)
{
    Statusanzeige();
}

// ---------------------------------------------------------------------------
// The input bar: everything goes to the main window's editor, and it shows
// what the editor holds.

void TGraphik::EingabeZeigen(bool Alles)
{
    const TEditorZustand& z = Zustand.Editor;
    const TFunktion* f = Funktionen[0];
    const TColor farbe = f ? f->GetColor() : clBlack;
    // A text is written when the editor's changed since it was shown last:
    // the range fields may show rounded numbers that the editor does not
    // hold (a worked example), until the editor's text changes or another
    // function is chosen.
    const std::array<QLineEdit*, AnzahlEditorFelder> felder = {Edit3, Evonx, Ebisx, Evont, Ebist, Estept};
    if (Alles)
        FEingabeGezeigt.reset();
    for (std::size_t i = 0; i < felder.size(); ++i) {
        if (!FEingabeGezeigt || z.Felder[i].Text != FEingabeGezeigt->Felder[i].Text)
            TextSetzen(felder[i], QString::fromStdString(z.Felder[i].Text));
        SetzeSchriftfarbe(felder[i], farbe);
        SetzeFeldfarbe(felder[i], z.Felder[i].Gueltig ? FarbeGueltig : FarbeUngueltig);
    }
    if (!FEingabeGezeigt || z.Auswahl.Text != FEingabeGezeigt->Auswahl.Text)
        ComboBox3->setEditText(QString::fromStdString(z.Auswahl.Text));
    SetzeSchriftfarbe(ComboBox3, farbe);
    SetzeFeldfarbe(ComboBox3, z.Auswahl.Gueltig ? FarbeGueltig : FarbeUngueltig);
    FEingabeGezeigt = z;

    // A family has a t range and a second colour.
    const bool schar = z.Eingabeart != ArtFunktion;
    for (QWidget* w : std::initializer_list<QWidget*>{Label6, Label8, Label9, Evont, Ebist, Estept, SFarbe2})
        w->setVisible(schar);
    SFarbe->resize(schar ? SFarbe2->width() : 2 * SFarbe2->width(), SFarbe->height());
    SetzeSchriftfarbe(SFarbe, farbe);
    SetzeSchriftfarbe(SFarbe2, f ? f->GetColor2() : clBlack);
    if (f) {
        const int stil = f->GetLineStyle();
        const int index = stil >= 0 && stil < ComboBox4->count() ? stil : 1;
        if (ComboBox4->currentIndex() != index)
            ComboBox4->setCurrentIndex(index);
    }
    ComboBox4->update();
    StatusBar1->update();
}

void TGraphik::EingabeFokus(bool Aktivieren)
{
    if (Aktivieren)
        Edit3->activateWindow();
    ComboBox3->setFocus();
    Edit3->setFocus();
    Edit3->end(false);
}

void TGraphik::SpurfensterAnheften()
{
    if (!TraceParam)
        return;
    const QPoint unten = GroupBox2->mapToGlobal(QPoint(GroupBox2->width(), GroupBox2->height()));
    TraceParam->move(unten.x() - TraceParam->frameGeometry().width(), unten.y());
}

void TGraphik::Edit3Change()
{
    if (QApplication::activeWindow() != this)
        return;
    emit Melder().EditorEingabeVerlangt(TEditorFeld::Gleichung, Edit3->text());
}

void TGraphik::ComboBox3Change()
{
    emit Melder().FunktionWahlTextVerlangt(ComboBox3->currentText());
}

void TGraphik::ComboBox4Change()
{
    if (!Funktionen[0] || ComboBox4->currentIndex() < 0)
        return;
    // The editor's style list takes it: the function, the picture and this
    // list follow.
    emit Melder().LinienstilVerlangt(ComboBox4->currentIndex());
}

// ---------------------------------------------------------------------------
// Presentation mode and the end of the program

void TGraphik::WMNCLButtonDblClk()
{
    if (isMaximized())
        SpeedButton5Click();
    else
        emit Melder().PraesentationVerlangt();
}

// The window manager maximises on a title-bar double click or the maximise
// button: that starts presentation mode. Restoring the window, or
// minimising it while it is maximised, ends presentation mode (and does not
// minimise). Under X11 the states arrive late and may repeat (hiding a
// window withdraws it, and the window manager then reports it as normal), so
// the switch compares the state with presentation mode itself and ignores
// what a hidden window reports.
void TGraphik::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || PraesentationWechsel || !isVisible())
        return;
    PraesentationWechsel = true;
    if (Praesentation && (isMinimized() || !isMaximized())) {
        SpeedButton5Click();
    } else if (!Praesentation && isMaximized() && !isMinimized()) {
        emit Melder().PraesentationVerlangt();
    }
    PraesentationWechsel = false;
}

void TGraphik::NormalGroesseMerken()
{
    // A window as large as the free screen is maximised already (a window
    // manager may report the new size before the new state): that is no
    // size to return to.
    const QScreen* s = screen();
    const QSize frei = s ? s->availableGeometry().size() : QSize();
    const QSize rahmen = frameGeometry().size();
    if (!frei.isValid() || (rahmen.width() < frei.width() && rahmen.height() < frei.height()))
        NormalGroesse = size();
}

void TGraphik::PraesentationBeginnen()
{
    if (Form2) {
        SetWindowAlpha(Form2, 240);
        Form2->update();
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The window-state changes below are ours, not a user's command.
    const bool eigen = PraesentationWechsel;
    PraesentationWechsel = true;
    if (!Praesentation)
        NormalGroesseMerken();
    Praesentation = true;
    // The window stays up while it changes: hiding it under X11 would
    // withdraw it, and the window manager would later report it restored.
    GroupBox1->move(GroupBox1->x(), 40);
    GroupBox2->move(GroupBox2->x(), 40);
    GroupBox3->move(GroupBox3->x(), 40);
    AktivBox->move(AktivBox->x(), GroupBox1->y() + GroupBox1->height() + 13);
    GroupBox3->show();
    CoolBar2->show();
    showMaximized();
    if (auto* ende = CoolBar2->findChild<QWidget*>(QStringLiteral("SpeedButton5")))
        ende->move(CoolBar2->width() - ende->width() - 1, ende->y());
    // The maximised window has its new size by now (or keeps its old one
    // where no window manager maximises): lay it out for the moved groups.
    GraphikResize();
    // However it started (the button, the menu, a maximise command, a
    // title-bar double click), the window comes to the front with the
    // keyboard: the main window stays up and would cover its tool bar.
    raise();
    activateWindow();
    QApplication::restoreOverrideCursor();
    PraesentationWechsel = eigen;
    KleineFensterPlatzieren();
}

void TGraphik::HauptfensterFolgen(const QRect& Rahmen)
{
    // A maximised window that is moved is no longer maximised: presentation
    // mode keeps the window where it is (the window manager may report
    // moves of the main window after presentation mode started).
    if (!Praesentation)
        RahmenVerschieben(this, QPoint(Rahmen.x() + Rahmen.width() + FensterVersatz[3] + 2, Rahmen.y() + FensterVersatz[4]));
    KleineFensterPlatzieren();
}

void TGraphik::KleineFensterPlatzieren()
{
    const QWidget* tb1 = findChild<QWidget*>(QStringLiteral("TrackBar1"));
    const int links = (tb1 ? tb1->x() : 0) + 24;
    const int h = GroupBox1->height();
    if (EinheitXDlg)
        RahmenVerschieben(EinheitXDlg, GroupBox1->mapToGlobal(QPoint(links, h)));
    if (EinheitYDlg && EinheitXDlg)
        RahmenVerschieben(EinheitYDlg, GroupBox1->mapToGlobal(QPoint(EinheitXDlg->width() + 5 + links, h)));
    if (TraceParam)
        RahmenVerschieben(TraceParam, GroupBox2->mapToGlobal(QPoint(GroupBox2->width() - TraceParam->width(), GroupBox2->height())));
}

void TGraphik::NebenHauptfensterStellen(const QRect& Rahmen, int Hoehe)
{
    if (LayoutHalten)
        return;
    show();
    move(Rahmen.x() + FensterVersatz[3] + Rahmen.width() + 2, Rahmen.y() + FensterVersatz[4]);
    resize(StartBreite > 0 ? StartBreite : width(), Hoehe + FensterVersatz[5]);
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
}

void TGraphik::SpeedButton5Click()
{
    const bool eigen = PraesentationWechsel;
    PraesentationWechsel = true;
    Praesentation = false;
    if (Form2) {
        SetWindowAlpha(Form2, 255);
        Form2->update();
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CoolBar2->hide();
    if (Hauptfenster) {
        Hauptfenster->update();
        Hauptfenster->show();
    }
    showNormal();
    GroupBox1->move(GroupBox1->x(), 8);
    GroupBox2->move(GroupBox2->x(), 8);
    GroupBox3->move(GroupBox3->x(), 8);
    AktivBox->move(AktivBox->x(), GroupBox1->y() + GroupBox1->height() + 13);
    CoolBar2->hide();
    GroupBox3->hide();
    // Back to the size from before: the window manager may hand back the
    // maximised size, and would leave a screen-sized window beside the main
    // window, partly off the screen.
    if (NormalGroesse.isValid())
        resize(NormalGroesse);
    if (Hauptfenster) {
        const QRect haupt = Rahmen(Hauptfenster);
        RahmenVerschieben(this,
                          QPoint(haupt.x() + FensterVersatz[3] + 2 + haupt.width(), haupt.y() + FensterVersatz[4]));
    }
    GraphikResize();
    show();
    QApplication::restoreOverrideCursor();
    emit Melder().AusrichtenVerlangt();
    PraesentationWechsel = eigen;
}

bool TGraphik::FormCloseQuery()
{
    if (BeendenBestaetigt)
        return true;  // the program is ending already
    if (AskYesNo(Texte[294] + "  ") != IDYES)
        return false;
    BeendenBestaetigt = true;
    if (Hauptfenster)
        Hauptfenster->close();
    return true;
}

void TGraphik::closeEvent(QCloseEvent* event)
{
    // A close event comes accepted.
    if (!FormCloseQuery())
        event->ignore();
}
