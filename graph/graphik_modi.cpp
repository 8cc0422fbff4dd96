// The graph window's interaction modes: the table of what each mode does,
// the group of tool buttons and the controls around them, and the handler
// that all tool buttons share.

#include "graph/graphik_modi.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "tools/trace_dlg.h"
#include "platform/fensterart.h"
#include "platform/klang.h"
#include "platform/melder.h"
#include "platform/sprache.h"
#include "platform/statusleiste.h"
#include "tools/beschriftung_dlg.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <functional>

using namespace Modi;

namespace {

// A label that reports a click.
class TKlickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> OnClick;

protected:
    // The click is the label's own: it goes no further.
    void mousePressEvent(QMouseEvent*) override
    {
        if (OnClick)
            Sicher(OnClick);
    }
};

// Raised (not flat) shows that a tool writes into that window.
void Flach(QToolButton* b, bool flach)
{
    if (b)
        b->setAutoRaise(flach);
}

void TraceFensterVerbergen()
{
    if (TraceParam)
        TraceParam->hide();
}

}  // namespace

// ---------------------------------------------------------------------------
// The table of the modes

const TGraphik::TModusEintrag* TGraphik::ModusEintrag(std::int32_t modus)
{
    // What several modes share.
    static constexpr auto AnimatorAn = [](TGraphik& g) {
        if (!g.Animator->isActive())
            g.Animator->start();
    };
    static constexpr auto AssistentZeigen = [](TGraphik& g) {
        if (!AssistentFenster)
            return;
        g.AssistentPlatzieren();
        g.PaintBox1Paint();
        AssistentFenster->show();
    };
    static constexpr auto CursorBarFokus = [](TGraphik& g) { g.CursorBar->setFocus(); };
    // A step forward inside a construction: the next tick draws anew.
    static constexpr auto Weiter = [](TGraphik& g, std::int32_t nach) {
        g.Klang("blop");
        Modus = nach;
        g.LetzteMausX = -4;
    };

    static const std::array<TModusEintrag, 15> Tabelle = {{
        // Origin: drag the view with the left button.
        {.Modus = ModusUrsprung,
         .Einrichten = true,
         .Menue = 1,
         .Vorlage = "P(|)",
         .SpurfensterAus = true,
         .Bewegung = [](TGraphik& g, Qt::MouseButtons b, int X, int Y) { g.UrsprungBewegung(b, X, Y); },
         .Schritt =
             [](TGraphik& g, QObject*, int X, int Y) {
                 g.Klang("schlag");
                 g.PaintBox1->setCursor(Qt::SizeAllCursor);
                 g.ZiehStartX = X;
                 g.ZiehStartY = Y;
             },
         .Loslassen =
             [](TGraphik& g) {
                 g.Klang("blop");
                 g.PaintBox1->setCursor(Qt::CrossCursor);
                 g.AnsichtMelden();
             }},
        // Points: each click sets the next free point.
        {.Modus = ModusPunkte,
         .Einrichten = true,
         .Menue = 4,
         .Oeffner = OeffnerPunkte,
         .Raster = true,
         .Foto = TFoto::SichtbarAn,
         .Vorlage = "P(|)",
         .Breite = TBreite::W17,
         .SpurfensterAus = true,
         .Zusatz = AnimatorAn,
         .VorschauFolgt = true,
         .KlickGueltig = true,
         .Fang = &TGraphik::PaintBoxClick_Links_23,
         .Zuruecknehmen = &TGraphik::PunktZuruecknehmen,
         .Hinweis = HinweisPunkt},
        // Trace point on the current graph.
        {.Modus = ModusSpur,
         .Einrichten = true,
         .Menue = 10,
         .Oeffner = OeffnerPunkte,
         .Raster = true,
         .Foto = TFoto::SichtbarAn,
         .Vorlage = "T(|)",
         .Breite = TBreite::W15,
         .VorschauFolgt = true,
         .Fang = &TGraphik::PaintBoxClick_Links_23,
         .Zuruecknehmen = &TGraphik::PunktZuruecknehmen,
         .Hinweis = HinweisSpur},
        // Tangent or normal (IstTangente).
        {.Modus = ModusTangente,
         .Einrichten = true,
         .Menue = 8,
         .Oeffner = OeffnerPunkte | OeffnerUebersicht,
         .Raster = true,
         .Foto = TFoto::SichtbarAn,
         .Breite = TBreite::W15,
         .VorschauFolgt = true,
         .Fang = &TGraphik::PaintBoxClick_Links_4,
         .Zuruecknehmen = &TGraphik::TangenteZuruecknehmen,
         .Hinweis = HinweisTangente},
        // Vertical segment.
        {.Modus = ModusSenkrechte,
         .Einrichten = true,
         .Menue = 3,
         .Oeffner = OeffnerSenkrechte,
         .Raster = true,
         .Vorlage = "P(|)",
         .Breite = TBreite::W17,
         .SpurfensterAus = true,
         .VorschauFolgt = true,
         .KlickGueltig = true,
         .Fang = &TGraphik::PaintBoxClick_Links_5,
         .Zuruecknehmen = &TGraphik::SenkrechteZuruecknehmen,
         .Hinweis = HinweisSenkrechte},
        // Labels: the typing field follows the pointer, a click places it.
        {.Modus = ModusBeschriftung,
         .Einrichten = true,
         .Menue = 2,
         .Oeffner = OeffnerBeschriftung,
         .SpurfensterAus = true,
         .Zusatz = [](TGraphik& g) { g.BeschrEditZuruecksetzen(); },
         .Bewegung = [](TGraphik& g, Qt::MouseButtons, int X, int Y) { g.BeschrEditFolgt(X, Y); },
         .Schritt =
             [](TGraphik& g, QObject*, int X, int Y) {
                 g.BeschriftungPlatzieren(X, Y);
                 g.GraphikResize();
             },
         .Rechts = [](TGraphik& g) { g.BeschriftungZuruecknehmen(); },
         .Hinweis = HinweisBeschriftung},
        // Circle, step 1: the centre.
        {.Modus = ModusKreisMitte,
         .Einrichten = true,
         .Menue = 5,
         .Oeffner = OeffnerKreise,
         .Raster = true,
         .Foto = TFoto::Verborgen,
         .Vorlage = "M(|)",
         .Breite = TBreite::W17,
         .SpurfensterAus = true,
         .VorschauFolgt = true,
         .Schritt =
             [](TGraphik& g, QObject*, int, int) {
                 g.Klang("blop");
                 // An unreadable coordinate ends the click here.
                 const char trenner = Dezimaltrenner();
                 const auto x = ParseNumber(g.XText.toStdString(), trenner);
                 if (!x)
                     return;
                 Flagge.MittelX = *x;
                 Flagge.MittelXText = g.XText.toStdString();
                 const auto y = ParseNumber(g.YText.toStdString(), trenner);
                 if (!y)
                     return;
                 Flagge.MittelY = *y;
                 Flagge.MittelYText = g.YText.toStdString();
                 Modus = ModusKreisRadius;
                 g.LetzteMausX = -4;
             },
         .Zuruecknehmen = &TGraphik::KreisZuruecknehmen,
         .Hinweis = HinweisKreis},
        // Circle, step 2: the radius; the click adopts the circle.
        {.Modus = ModusKreisRadius,
         .VorschauFolgt = true,
         .KlickGueltig = true,
         .Fang = &TGraphik::PaintBoxClick_Links_71,
         .Schritt =
             [](TGraphik& g, QObject* Sender, int, int) {
                 Modus = ModusKreisMitte;
                 g.TracebuttonClick(Sender);
                 g.LetzteMausX = -4;
             },
         .ZurueckNach = ModusKreisMitte,
         .ZurueckKnopf = &TGraphik::KreisButton,
         .Hinweis = HinweisKreis},
        // Line: the assistant asks whether to clear the graphs.
        {.Modus = ModusGeradeFrage,
         .Einrichten = true,
         .Menue = 6,
         .Oeffner = OeffnerUebersicht,
         .Raster = true,
         .Vorlage = "P(|)",
         .SpurfensterAus = true,
         .Zusatz = AssistentZeigen},
        // Line, step 1: the slope.
        {.Modus = ModusGeradeM,
         .Einrichten = true,
         .Oeffner = OeffnerUebersicht,
         .Raster = true,
         .Foto = TFoto::Verborgen,
         .Vorlage = "P(|)",
         .Breite = TBreite::W17,
         .SpurfensterAus = true,
         .Zusatz = CursorBarFokus,
         .VorschauFolgt = true,
         .Schritt = [](TGraphik& g, QObject*, int, int) { Weiter(g, ModusGeradeB); },
         .Zuruecknehmen = &TGraphik::GeradeZuruecknehmen,
         .Hinweis = HinweisGerade},
        // Line, step 2: the intercept; the click adopts the line and the
        // assistant asks again.
        {.Modus = ModusGeradeB,
         .VorschauFolgt = true,
         .Fang = &TGraphik::PaintBoxClick_Links_81,
         .Schritt =
             [](TGraphik& g, QObject* Sender, int, int) {
                 Modus = ModusGeradeFrage;
                 g.TracebuttonClick(Sender);
             },
         .ZurueckNach = ModusGeradeM,
         .ZurueckKnopf = &TGraphik::GeradeButton,
         .ZurueckSofort = true,
         .Hinweis = HinweisGerade},
        // Parabola: the assistant's question.
        {.Modus = ModusParabelFrage,
         .Einrichten = true,
         .Menue = 7,
         .Oeffner = OeffnerUebersicht,
         .Raster = true,
         .Vorlage = "S(|)",
         .SpurfensterAus = true,
         .Zusatz = AssistentZeigen},
        // Parabola, step 1: shift d in x.
        {.Modus = ModusParabelD,
         .Einrichten = true,
         .Oeffner = OeffnerUebersicht,
         .Raster = true,
         .Foto = TFoto::Verborgen,
         .Vorlage = "S(|)",
         .Breite = TBreite::W17,
         .SpurfensterAus = true,
         .Zusatz = CursorBarFokus,
         .VorschauFolgt = true,
         .Schritt = [](TGraphik& g, QObject*, int, int) { Weiter(g, ModusParabelE); },
         .Zuruecknehmen = &TGraphik::ParabelZuruecknehmen,
         .Hinweis = HinweisParabel},
        // Parabola, step 2: shift e in y.
        {.Modus = ModusParabelE,
         .VorschauFolgt = true,
         .Schritt = [](TGraphik& g, QObject*, int, int) { Weiter(g, ModusParabelA); },
         .ZurueckNach = ModusParabelD,
         .ZurueckKnopf = &TGraphik::ParabelButton,
         .ZurueckSofort = true,
         .Hinweis = HinweisParabel},
        // Parabola, step 3: the factor; the click adopts the parabola and
        // the assistant asks again.
        {.Modus = ModusParabelA,
         .VorschauFolgt = true,
         .Fang = &TGraphik::PaintBoxClick_Links_93,
         .Schritt =
             [](TGraphik& g, QObject* Sender, int, int) {
                 Modus = ModusParabelFrage;
                 g.TracebuttonClick(Sender);
             },
         .ZurueckNach = ModusParabelE,
         .ZurueckKnopf = &TGraphik::ParabelButton,
         .ZurueckSofort = true,
         .Hinweis = HinweisParabel},
    }};
    for (const TModusEintrag& e : Tabelle)
        if (e.Modus == modus)
            return &e;
    return nullptr;
}

// ---------------------------------------------------------------------------
// Creation

void TGraphik::ErzeugeInteraktion()
{
    QFont klein = font();
    klein.setPointSize(7);

    // The tool buttons, one below the other.
    struct TKnopf {
        QToolButton* TGraphik::*Feld;
        const char* Name;
        const char* Text;
    };
    static const std::array<TKnopf, 10> Knoepfe = {{
        {&TGraphik::UrsprungButton, "UrsprungButton", "Ursprung"},
        {&TGraphik::PunktButton, "PunktButton", "Punkt"},
        {&TGraphik::Tracebutton, "Tracebutton", "Trace"},
        {&TGraphik::TangenteButton, "TangenteButton", "Tangente"},
        {&TGraphik::NormaleButton, "NormaleButton", "Normale"},
        {&TGraphik::Senkrechtebutton, "Senkrechtebutton", "Senkrechte"},
        {&TGraphik::BeschriftButton, "BeschriftButton", "Beschriftung"},
        {&TGraphik::KreisButton, "KreisButton", "Kreis"},
        {&TGraphik::GeradeButton, "GeradeButton", "Gerade"},
        {&TGraphik::ParabelButton, "ParabelButton", "Parabel"},
    }};
    // The buttons fill the box's width; the first one has the height of
    // two lines, for the longest caption ("Ursprung (Voreinstellung)").
    auto* gruppe = new QButtonGroup(this);
    gruppe->setExclusive(true);
    const int breite = AktivBox->width() - 8;
    int y = 18;
    for (const TKnopf& k : Knoepfe) {
        auto* b = new QToolButton(AktivBox);
        b->setObjectName(QString::fromLatin1(k.Name));
        b->setText(QString::fromUtf8(k.Text));
        b->setFont(klein);
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        const int hoehe = y == 18 ? 25 : 23;
        b->setGeometry(4, y, breite, hoehe);
        gruppe->addButton(b);
        this->*k.Feld = b;
        connect(b, &QToolButton::clicked, this, [this, b] { Sicher([&] { TracebuttonClick(b); }); });
        y += hoehe + 1;
    }
    UrsprungButton->setChecked(true);

    // "Foto mit", what it adds, and the sound switch.
    CheckBox2 = new QCheckBox(QStringLiteral("Foto mit"), AktivBox);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setFont(klein);
    CheckBox2->setGeometry(4, y + 4, breite, 16);
    CheckBox2->hide();
    // Two lines: the indented English texts are wider than the box.
    LabelText = new QLabel(QStringLiteral("Koordinaten"), AktivBox);
    LabelText->setObjectName(QStringLiteral("LabelText"));
    LabelText->setFont(klein);
    LabelText->setWordWrap(true);
    LabelText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelText->setGeometry(6, y + 20, breite - 2, 24);
    LabelText->hide();
    SoundBox = new QCheckBox(QStringLiteral("Sound"), AktivBox);
    SoundBox->setObjectName(QStringLiteral("SoundBox"));
    SoundBox->setFont(klein);
    SoundBox->setGeometry(4, y + 46, breite, 16);
    SoundBox->setChecked(true);

    // The snap step: TrackBar3 upright, its five steps beside it, 1 at the top.
    const int rasterY = y + 68;
    Label12 = new QLabel(QStringLiteral("Raster"), AktivBox);
    Label12->setObjectName(QStringLiteral("Label12"));
    Label12->setFont(klein);
    Label12->setGeometry(6, rasterY, 60, 14);
    TrackBar3->setParent(AktivBox);
    TrackBar3->setOrientation(Qt::Vertical);
    TrackBar3->setInvertedAppearance(true);
    TrackBar3->setPageStep(1);
    TrackBar3->setGeometry(4, rasterY + 14, 20, 74);
    struct TStufe {
        QLabel* TGraphik::*Feld;
        const char* Name;
        const char* Text;
    };
    static const std::array<TStufe, 5> Stufen = {{
        {&TGraphik::Label10, "Label10", "1"},
        {&TGraphik::Label11, "Label11", "0,5"},
        {&TGraphik::Label2, "Label2", "0,1"},
        {&TGraphik::Label1, "Label1", "0,01"},
        {&TGraphik::Label32, "Label32", "0,001"},
    }};
    for (std::size_t i = 0; i < Stufen.size(); ++i) {
        auto* l = new TKlickLabel(QString::fromLatin1(Stufen[i].Text), AktivBox);
        l->setObjectName(QString::fromLatin1(Stufen[i].Name));
        l->setFont(klein);
        l->setGeometry(26, rasterY + 14 + static_cast<int>(i) * 15, 40, 14);
        l->setCursor(Qt::PointingHandCursor);
        const int stufe = static_cast<int>(i);
        l->OnClick = [this, stufe] {
            TrackBar3->setValue(stufe);
            TrackBar3->update();
        };
        this->*Stufen[i].Feld = l;
    }
    ShowSnapControls(false);

    // The focus target of the keyboard pointer: takes the focus, ignores keys.
    CursorBar = new QWidget(this);
    CursorBar->setObjectName(QStringLiteral("CursorBar"));
    CursorBar->setFocusPolicy(Qt::StrongFocus);
    CursorBar->setGeometry(0, 0, 0, 0);

    // The effect pictures: over the drawing area, hidden, letting clicks through.
    auto bild = [this](const char* name, int w, int h) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setPixmap(QPixmap(QStringLiteral(":/pictures/") + QString::fromLatin1(name) + QStringLiteral(".png")));
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->resize(w, h);
        l->hide();
        return l;
    };
    camera3 = bild("camera3", 17, 14);
    camera2 = bild("camera2", 17, 14);
    camera = bild("camera", 17, 14);
    typer = bild("typer", 35, 35);
    typer2 = bild("typer2", 35, 35);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(30);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(30);
    connect(Timer1, &QTimer::timeout, this, [this] { Sicher([this] { Timer1Timer(); }); });
    connect(Timer2, &QTimer::timeout, this, [this] { Sicher([this] { Timer2Timer(); }); });
    connect(Animator, &QTimer::timeout, this, [this] { Sicher([this] { AnimatorTimer(); }); });

    // The state of the modes at the start.
    EffektLaeuft = false;
    VorschauGueltig = true;
    BeschrHistorie.clear();
    BeschrEditZuruecksetzen();

    connect(CheckBox2, &QCheckBox::toggled, this, [this] { Sicher([this] { CheckBox2Click(); }); });
    connect(SoundBox, &QCheckBox::toggled, this, [this] { Sicher([this] { SoundBoxClick(); }); });
    connect(InteraktivBox, &QCheckBox::toggled, this, [this] { Sicher([this] { InteraktivBoxClick(); }); });
    connect(TrackBar3, &QSlider::valueChanged, this, [this] { Sicher([this] { TrackBar3Change(); }); });
    connect(BeschrEdit, &QLineEdit::textChanged, this, [this] { Sicher([this] { BeschrEditChange(); }); });

    auto lage = [](QMouseEvent* e) { return e->position().toPoint(); };
    PaintBox1->OnMouseDown = [this, lage](QMouseEvent* e) {
        const QPoint p = lage(e);
        Sicher([&] { PaintBox1MouseDown(PaintBox1, e->button(), p.x(), p.y()); });
    };
    PaintBox1->OnMouseMove = [this, lage](QMouseEvent* e) {
        const QPoint p = lage(e);
        Sicher([&] { PaintBox1MouseMove(PaintBox1, e->buttons(), p.x(), p.y()); });
    };
    PaintBox1->OnMouseUp = [this, lage](QMouseEvent* e) {
        const QPoint p = lage(e);
        Sicher([&] { PaintBox1MouseUp(PaintBox1, e->button(), p.x(), p.y()); });
    };

    // Key preview: the window sees every key of its controls first.
    qApp->installEventFilter(this);
}

// ---------------------------------------------------------------------------
// The tool buttons

void TGraphik::WerkzeugKnopfDruecken(QToolButton* knopf)
{
    if (knopf)
        knopf->setChecked(true);  // the group releases the others
}

void TGraphik::OeffnerHervorheben(unsigned fenster)
{
    // Each tool window has an opener in the main window and one in this
    // window's tool band (where the band carries it).
    struct TOeffner {
        unsigned Bit;
        const char* Hier;
    };
    static const std::array<TOeffner, 5> Oeffner = {{
        {OeffnerPunkte, "SpeedButton10"},
        {OeffnerSenkrechte, "SpeedButton11"},
        {OeffnerBeschriftung, "SpeedButton12"},
        {OeffnerUebersicht, "SpeedButton7"},
        {OeffnerKreise, "SpeedButton16"},
    }};
    emit Melder().OeffnerVerlangt(AlleOeffner, fenster);
    for (const TOeffner& o : Oeffner) {
        const bool flach = (fenster & o.Bit) == 0;
        if (CoolBar2)
            Flach(CoolBar2->findChild<QToolButton*>(QString::fromLatin1(o.Hier)), flach);
    }
}

void TGraphik::ShowSnapControls(bool zeigen)
{
    for (QWidget* w : std::initializer_list<QWidget*>{Label12, Label32, Label1, Label2, Label10, Label11, TrackBar3})
        if (w)
            w->setVisible(zeigen);
}

void TGraphik::TracebuttonClick(QObject* Sender)
{
    // 1. No question and no preview survive a change of tool.
    if (AssistentFenster)
        AssistentFenster->hide();
    Animator->stop();

    // 2. The mode by the button. A button pressed while its own tool is
    // active (at any step) returns to the origin tool.
    enum class TEigen : std::uint8_t { Immer, Tangente, Normale };
    struct TKnopfModus {
        QToolButton* TGraphik::*Knopf;
        std::int32_t Start;
        std::array<std::int32_t, 4> Eigene;  // modes of its own tool (0: none)
        TEigen Eigen;
        int Tangente;  // IstTangente afterwards: 1 True, 0 False, -1 unchanged
    };
    static const std::array<TKnopfModus, 10> Knoepfe = {{
        {&TGraphik::UrsprungButton, ModusUrsprung, {}, TEigen::Immer, -1},
        {&TGraphik::PunktButton, ModusPunkte, {ModusPunkte}, TEigen::Immer, -1},
        {&TGraphik::Tracebutton, ModusSpur, {ModusSpur}, TEigen::Immer, 1},
        {&TGraphik::TangenteButton, ModusTangente, {ModusTangente}, TEigen::Tangente, 1},
        {&TGraphik::NormaleButton, ModusTangente, {ModusTangente}, TEigen::Normale, 0},
        {&TGraphik::Senkrechtebutton, ModusSenkrechte, {ModusSenkrechte}, TEigen::Immer, -1},
        {&TGraphik::BeschriftButton, ModusBeschriftung, {ModusBeschriftung}, TEigen::Immer, -1},
        {&TGraphik::KreisButton, ModusKreisMitte, {ModusKreisMitte, ModusKreisRadius}, TEigen::Immer, -1},
        {&TGraphik::GeradeButton, ModusGeradeFrage, {ModusGeradeM, ModusGeradeB, ModusGeradeFrage}, TEigen::Immer,
         -1},
        {&TGraphik::ParabelButton, ModusParabelFrage,
         {ModusParabelD, ModusParabelE, ModusParabelFrage, ModusParabelA}, TEigen::Immer, -1},
    }};
    for (const TKnopfModus& k : Knoepfe) {
        if (Sender == nullptr || Sender != this->*k.Knopf)
            continue;
        bool eigen = std::find(k.Eigene.begin(), k.Eigene.end(), Modus) != k.Eigene.end();
        if (k.Eigen == TEigen::Tangente)
            eigen = eigen && IstTangente;
        else if (k.Eigen == TEigen::Normale)
            eigen = eigen && !IstTangente;
        if (eigen || k.Start == ModusUrsprung) {
            Modus = ModusUrsprung;
            WerkzeugKnopfDruecken(UrsprungButton);
        } else {
            Modus = k.Start;
        }
        if (k.Tangente >= 0)
            IstTangente = k.Tangente == 1;
    }
    const TModusEintrag* e = ModusEintrag(Modus);

    // 3. The main window's menu item of the mode.
    if (e && e->Menue)
        emit Melder().WerkzeugGeaendert(Modus == ModusTangente && !IstTangente ? 9 : e->Menue);

    // 4.
    StatusBar1->Panels[0].Text.clear();
    for (QWidget* w : std::initializer_list<QWidget*>{CheckBox2, LabelText}) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        w->setPalette(pal);
    }
    CheckBox2->setEnabled(true);

    // 5. The window as the mode needs it. "Foto mit" goes first: its own
    // handler raises the points openers, which the mode's choice then
    // overrides.
    if (e && e->Einrichten) {
        const bool foto = e->Foto == TFoto::SichtbarAn;
        CheckBox2->setVisible(foto);
        LabelText->setVisible(foto);
        if (e->Foto != TFoto::Verborgen)
            CheckBox2->setChecked(foto);
        OeffnerHervorheben(e->Oeffner);
        ShowSnapControls(e->Raster);

        const int p = TrackBar3->value();
        QString vorlage = QString::fromLatin1(e->Vorlage);
        if (Modus == ModusTangente)
            vorlage = IstTangente ? QStringLiteral("B(|)") : QStringLiteral("N(|)");
        StatusBar1->Panels[0].Text = vorlage;
        switch (e->Breite) {
        case TBreite::Fest90: StatusBar1->Panels[0].Width = 90; break;
        case TBreite::W17: StatusBar1->Panels[0].Width = (p + 3) * 17 - 12; break;
        case TBreite::W15: StatusBar1->Panels[0].Width = (p + 4) * 15 - 5; break;
        }
        StatusBar1->update();
        if (e->SpurfensterAus)
            TraceFensterVerbergen();
        if (e->Zusatz)
            e->Zusatz(*this);
    }
    if (Modus == ModusTangente) {
        const QString text = IstTangente ? Txt(511) : Txt(456);
        const bool deutsch = Zustand.Sprache == SpracheDeutsch;
        LabelText->setText(deutsch ? text : QStringLiteral("      ") + text);
    } else {
        LabelText->setText(Txt(510));
    }

    // 6. The pointer, and a label that rides on it.
    if (Modus != ModusBeschriftung) {
        PaintBox1->setCursor(Qt::CrossCursor);
        // A label that rode on the pointer goes back to its place.
        emit Melder().ReiterZuruecklegenVerlangt();
    } else {
        PaintBox1->setCursor(StiftCursor);
        typer->setCursor(StiftCursor);
        typer2->setCursor(StiftCursor);
        BeschrEditZuruecksetzen();
    }

    // 7. The trace window carries the family parameter of trace, tangent
    // and normal.
    if (TraceParam && Funktionen[0]) {
        const bool einzeln = Funktionen[0]->GetKind() == " Funktion ";
        if (!einzeln && (Modus == ModusSpur || Modus == ModusTangente) && !TraceParam->isVisible()) {
            TraceParam->ParameterSetzen(QString::fromStdString(Zustand.Editor[TEditorFeld::TVon].Text));
            // Placed once shown: a window shown for the first time only
            // then has its own width.
            TraceParam->show();
            TraceParamPlatzieren();
        } else if (einzeln) {
            TraceParam->hide();
        }
    }

    // 8.
    CopyBildToAnzeigebild();
    DrawModeHints();
    CopyToPaintBox();
    Statusanzeige();
}

void TGraphik::WerkzeugWaehlen(int Menue, QObject* Sender)
{
    // The tool of each item of the main window's interaction menu, its
    // button, and whether mode 4 draws tangents.
    struct TWahl {
        std::int32_t Modus;
        QToolButton* TGraphik::*Knopf;
        int Tangente;  // IstTangente: 1 True, 0 False, -1 unchanged
    };
    static const std::array<TWahl, 10> Wahl = {{
        {ModusUrsprung, &TGraphik::UrsprungButton, -1},
        {ModusBeschriftung, &TGraphik::BeschriftButton, -1},
        {ModusSenkrechte, &TGraphik::Senkrechtebutton, -1},
        {ModusPunkte, &TGraphik::PunktButton, -1},
        {ModusKreisMitte, &TGraphik::KreisButton, -1},
        {ModusGeradeFrage, &TGraphik::GeradeButton, -1},
        {ModusParabelFrage, &TGraphik::ParabelButton, -1},
        {ModusTangente, &TGraphik::TangenteButton, 1},
        {ModusTangente, &TGraphik::NormaleButton, 0},
        {ModusSpur, &TGraphik::Tracebutton, 1},
    }};
    if (Menue < 1 || Menue > static_cast<int>(Wahl.size()))
        return;
    const TWahl& w = Wahl[static_cast<std::size_t>(Menue - 1)];
    Modus = w.Modus;
    WerkzeugKnopfDruecken(this->*w.Knopf);
    if (w.Tangente >= 0)
        IstTangente = w.Tangente == 1;
    TracebuttonClick(Sender);
}

void TGraphik::BeschrEditZuruecksetzen()
{
    // An emptied field has nothing to show over the picture; the next move
    // of the pointer in label mode brings it back.
    BeschrEdit->hide();
    BeschrEdit->clear();
    QPalette pal = BeschrEdit->palette();
    pal.setColor(QPalette::Text, Qt::black);
    BeschrEdit->setPalette(pal);
    SetTag(BeschrEdit, 12);
    QFont f = BeschrEdit->font();
    f.setFamily(QStringLiteral("Tahoma"));
    f.setBold(false);
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    BeschrEdit->setFont(f);
}

// ---------------------------------------------------------------------------
// The assistant's answers

void TGraphik::JaButtonClick(QObject* Sender)
{
    if (Modus != ModusGeradeFrage && Modus != ModusParabelFrage)
        return;
    // (Function 0 is the selected one of these.)
    for (std::size_t n = 1; n <= 9; ++n)
        if (Funktionen[n])
            Funktionen[n]->SetTerm("f(x) =");
    // Function 1 becomes the selected one, and everything is redrawn.
    emit Melder().FunktionWaehlenVerlangt(1);
    GraphikResize();
    Modus /= 10;
    TracebuttonClick(Sender);  // (ends with the status shown)
    if (!Animator->isActive())
        Animator->start();
}

void TGraphik::NeinButtonClick(QObject* Sender)
{
    if (Modus != ModusGeradeFrage && Modus != ModusParabelFrage)
        return;
    Modus /= 10;
    TracebuttonClick(Sender);
}

void TGraphik::AssistentAntwort(bool Ja, QObject* Fenster)
{
    if (Ja) {
        Klang("weg");
        LetzteMausX = -3;
        JaButtonClick(Fenster);
        // The functions they name are empty now.
        for (std::string* h : {&TangentenHistorie, &NormalenHistorie, &GeradenHistorie, &ParabelHistorie})
            h->clear();
    } else {
        LetzteMausX = -3;
        NeinButtonClick(Fenster);
        if (!Animator->isActive())
            Animator->start();
    }
}

void TGraphik::VorschauErneuern()
{
    // The next tick draws, and while the pointer is in the picture it draws
    // at once.
    LetzteMausX = -3;
    PaintBox1Paint();
    if (Animator->isActive())
        AnimatorTimer();
}

// ---------------------------------------------------------------------------
// The other controls of the group

void TGraphik::InteraktivBoxClick()
{
    const bool an = InteraktivBox->isChecked();
    Zustand.Interaktiv = an;
    emit Melder().SchalterGeaendert(this);
    AktivBox->setVisible(an);
    if (!an) {
        Modus = ModusUrsprung;
        WerkzeugKnopfDruecken(UrsprungButton);
        // (It ticks the origin's menu item.)
        TracebuttonClick(InteraktivBox);
    }
    GraphikResize();
}

void TGraphik::CheckBox2Click()
{
    const bool flach = !CheckBox2->isChecked() && Modus == ModusTangente;
    emit Melder().OeffnerVerlangt(OeffnerPunkte, flach ? 0u : unsigned{OeffnerPunkte});
    if (CoolBar2)
        Flach(CoolBar2->findChild<QToolButton*>(QStringLiteral("SpeedButton10")), flach);
}

void TGraphik::TrackBar3Change()
{
    Statusanzeige();
}

void TGraphik::SoundBoxClick()
{
    Zustand.Klang = SoundBox->isChecked();
    emit Melder().SchalterGeaendert(this);
}

void TGraphik::Klang(const char* name)
{
    if (Zustand.Klang)
        SpieleKlang(QString::fromLatin1(name));
}
