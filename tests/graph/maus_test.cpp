// The drawing area's mouse and keys, and the flash and typewriter effects
// frame by frame with the one flag that both share.

#include "interaktion_fixture.h"

#include "platform/melder.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTimer>

namespace {

class MausTest : public InteraktionTest {
protected:
    // Real mouse events on the drawing area, as the window system sends them.
    static void Maus(QEvent::Type art, int x, int y, Qt::MouseButton taste, Qt::MouseButtons gehalten)
    {
        QMouseEvent e(art, QPointF(x, y), Graphik->PaintBox1->mapToGlobal(QPointF(x, y)), taste, gehalten,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(Graphik->PaintBox1, &e);
    }
    static void Druecken(int x, int y) { Maus(QEvent::MouseButtonPress, x, y, Qt::LeftButton, Qt::LeftButton); }
    static void Ziehen(int x, int y) { Maus(QEvent::MouseMove, x, y, Qt::NoButton, Qt::LeftButton); }
    static void Loslassen(int x, int y) { Maus(QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton); }
    static std::array<int, 4> Ansicht() { return {Graphik->XMin, Graphik->XMax, Graphik->YMin, Graphik->YMax}; }
    // The pointer over pixel (x, y) of the drawing area.
    void ZeigerAuf(int x, int y) { Zeiger.Stelle = Graphik->PaintBox1->mapToGlobal(QPoint(x, y)); }
    QPoint ZeigerImBild() const { return Zeiger.Stelle - Graphik->PaintBox1->mapToGlobal(QPoint(0, 0)); }
    // Which of the effect pictures are shown, in the order given.
    static std::string Sichtbar(std::initializer_list<QLabel*> bilder)
    {
        std::string s;
        for (QLabel* b : bilder)
            s += b->isHidden() ? '-' : 'x';
        return s;
    }
    static std::string Blitz() { return Sichtbar({Graphik->camera3, Graphik->camera2, Graphik->camera}); }
    static std::string Typer() { return Sichtbar({Graphik->typer, Graphik->typer2}); }
    // One tick of a timer, through its own signal as the event loop gives it.
    static void Tick(QTimer* t) { ASSERT_TRUE(QMetaObject::invokeMethod(t, "timeout", Qt::DirectConnection)); }
    static void PunktFangen(int x, int y)
    {
        if (Modus != ModusPunkte)
            Waehle(Graphik->PunktButton);
        Klick(x, y);
    }
    static void BeschriftungSetzen(const char* text)
    {
        if (Modus != ModusBeschriftung)
            Waehle(Graphik->BeschriftButton);
        Graphik->BeschrEdit->setText(QString::fromUtf8(text));
        Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, 100, 80);
        Graphik->PaintBox1MouseDown(Graphik->PaintBox1, Qt::LeftButton, 100, 80);
    }
};

}  // namespace

TEST_F(MausTest, OriginDragMovesTheViewInWholeUnitsAtTheRoundingBoundaries)
{
    // 30 pixels per unit: x = 0 at column 150, y = 0 at row 240.
    QSignalSpy gemeldet(&Melder(), &TMelder::AnsichtGeaendert);
    Druecken(150, 240);
    EXPECT_EQ(Gehoert(), std::vector<std::string>{"schlag"});
    Ziehen(164, 254);  // 0.47 units: nothing moves
    EXPECT_EQ(Ansicht(), (std::array{-5, 6, -2, 8}));
    Ziehen(165, 255);  // 0.5 rounds to the even 0
    EXPECT_EQ(Ansicht(), (std::array{-5, 6, -2, 8}));
    Ziehen(166, 256);  // past the boundary: one unit, width and height kept
    EXPECT_EQ(Ansicht(), (std::array{-6, 5, -1, 9}));
    EXPECT_EQ(gemeldet.count(), 0);
    Loslassen(166, 256);
    EXPECT_EQ(gemeldet.count(), 1);  // the other windows learn the view once, at the end
    EXPECT_EQ(Gehoert(), std::vector<std::string>{"blop"});
    EXPECT_EQ(Graphik->PaintBox1->cursor().shape(), Qt::CrossCursor);
    // A drag of under half a unit from a whole unit moves nothing, nor does
    // a move without the button held.
    Druecken(180, 210);
    Ziehen(194, 224);
    Loslassen(194, 224);
    Maus(QEvent::MouseMove, 10, 10, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(Ansicht(), (std::array{-6, 5, -1, 9}));
    // Up to the end of the integer range, and no further.
    constexpr int Max = std::numeric_limits<std::int32_t>::max();
    std::tie(Graphik->XMin, Graphik->XMax) = std::pair(Max - 12, Max - 1);
    Graphik->GraphikResize();
    Druecken(150, 240);
    Ziehen(120, 240);
    EXPECT_EQ(Ansicht(), (std::array{Max - 11, Max, -1, 9}));
    Ziehen(90, 240);
    Loslassen(90, 240);
    EXPECT_EQ(Ansicht(), (std::array{Max - 11, Max, -1, 9}));
}

TEST_F(MausTest, LabelsArePlacedWhereTheFieldStandsAndTakenBackInReverse)
{
    Waehle(Graphik->BeschriftButton);
    Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, 100, 80);
    EXPECT_EQ(Graphik->BeschrEdit->pos(), Graphik->PaintBox1->pos() + QPoint(122, 60));
    // The field shows the label's 12 points at the picture's zoom.
    EXPECT_EQ(Graphik->BeschrEdit->font().pointSize(), 10);  // 12 * 0.0264 * 30 = 9.5
    BeschriftungSetzen("Scheitel");
    EXPECT_EQ(Beschriftungen[1].Text, "Scheitel");
    // Drawn at once, where the field stood, and gone again when taken back.
    auto geschrieben = [] {
        Graphik->BildCanvas->Flush();
        int n = 0;
        for (int y = 62; y < 76; ++y)  // right of the y axis
            for (int x = 152; x < 176; ++x)
                n += qGray(Graphik->Bild.pixel(x, y)) < 100;
        return n;
    };
    EXPECT_GT(geschrieben(), 10);
    EXPECT_DOUBLE_EQ(Beschriftungen[1].X, 11.0 * 122 / 331);
    EXPECT_DOUBLE_EQ(Beschriftungen[1].Y, 0.01 + 10.0 * 60 / 301);
    EXPECT_TRUE(Graphik->BeschrEdit->text().isEmpty());
    EXPECT_EQ(Gehoert(), std::vector<std::string>{"schreib"});
    // While the typewriter plays the field keeps out of sight.
    Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, 100, 80);
    EXPECT_EQ(Graphik->BeschrEdit->pos(), QPoint(-1000, 1000));
    // Labels 1..8 taken: label 9 is overwritten, and stays once in the history.
    for (int k = 2; k <= 8; ++k)
        Beschriftungen[k].Text = "belegt";
    BeschriftungSetzen("a");
    BeschriftungSetzen("b");
    EXPECT_EQ(Graphik->BeschrHistorie, "19");
    EXPECT_EQ(Beschriftungen[9].Text, "b");
    // Clicked while the typewriter still played, with the field parked out of
    // sight: the label goes where the field rides beside the pointer.
    EXPECT_DOUBLE_EQ(Beschriftungen[9].X, Beschriftungen[1].X);
    EXPECT_DOUBLE_EQ(Beschriftungen[9].Y, Beschriftungen[1].Y);
    Gehoert();
    for (int i = 0; i < 3; ++i)
        Graphik->PaintBox1MouseDown(Graphik->PaintBox1, Qt::RightButton, 100, 80);
    EXPECT_TRUE(Beschriftungen[9].Text.empty() && Beschriftungen[1].Text.empty());
    EXPECT_EQ(geschrieben(), 0);
    EXPECT_DOUBLE_EQ(Beschriftungen[9].Y, 8.8);
    EXPECT_EQ(Gehoert(), (std::vector<std::string>{"weg", "weg"}));
}

TEST_F(MausTest, CapturingClickFlashesAtTheSnappedPointOnlyWithAReadablePoint)
{
    Waehle(Graphik->PunktButton);
    Klick(181, 119);  // snapped to (1,03 | 4,03)
    EXPECT_EQ(Graphik->XText, QStringLiteral("1,03"));
    EXPECT_EQ(Gehoert(), std::vector<std::string>{"klick"});
    // Centred on the point's pixel: (1.03 + 5) * 30 = 180.9 -> 181, (8 - 4.03) * 30 = 119.1 -> 119.
    const QPoint mitte = Graphik->camera3->geometry().topLeft() + QPoint(1 + 17 / 2, 1 + 14 / 2);
    EXPECT_EQ(mitte, Graphik->PaintBox1->pos() + QPoint(181, 119));
    // The flash's centre is one pixel above the point's pixel; the picture
    // ends at row 301 of the drawing area. A click takes its point from its
    // own pixel (rows 302 and 303: y = -2,07 and -2,1).
    for (const auto& [y, blitzt] : {std::pair{302, true}, {303, false}}) {
        Graphik->PaintBox1MouseDown(Graphik->PaintBox1, Qt::LeftButton, 150, y);
        EXPECT_EQ(Gehoert(), std::vector<std::string>{"klick"}) << y;
        EXPECT_EQ(std::pair(Blitz(), Graphik->EffektLaeuft), std::pair(std::string(blitzt ? "x--" : "---"), blitzt)) << y;
        Graphik->camera3->hide();
        Graphik->EffektLaeuft = false;
    }
}

TEST_F(MausTest, ArrowKeysMoveThePointerInsideTheDrawingAreaOnly)
{
    const int w = Graphik->PaintBox1->width(), h = Graphik->PaintBox1->height();
    const std::tuple<QPoint, int, QPoint> faelle[] = {
        {{10, 10}, Qt::Key_Left, {9, 10}},          {{0, 10}, Qt::Key_Left, {0, 10}},
        {{w - 2, 10}, Qt::Key_Right, {w - 1, 10}},  {{w - 1, 10}, Qt::Key_Right, {w - 1, 10}},
        {{10, 1}, Qt::Key_Up, {10, 0}},             {{10, 0}, Qt::Key_Up, {10, 0}},
        {{10, h - 1}, Qt::Key_Down, {10, h - 1}},   {{10, h - 2}, Qt::Key_Down, {10, h - 1}},
        {{-1, 10}, Qt::Key_Right, {-1, 10}},        {{10, h}, Qt::Key_Up, {10, h}},
    };
    for (const auto& [von, taste, nach] : faelle) {
        ZeigerAuf(von.x(), von.y());
        Graphik->FormKeyDown(taste);
        EXPECT_EQ(ZeigerImBild(), nach) << von.x() << "," << von.y() << " key " << taste;
    }
    // Through the window's key preview, from the focus target.
    Waehle(Graphik->PunktButton);
    Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, 50, 50);
    ASSERT_EQ(Graphik->focusWidget(), Graphik->CursorBar);
    ZeigerAuf(50, 50);
    QKeyEvent links(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QCoreApplication::sendEvent(Graphik->CursorBar, &links);
    EXPECT_EQ(ZeigerImBild(), QPoint(49, 50));
    // Each key, also from another control, leaves the next ones to the
    // focus target; the label tool's field keeps them.
    for (int taste : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Return, Qt::Key_Delete}) {
        Graphik->Edit3->setFocus();
        ZeigerAuf(50, 50);
        Graphik->FormKeyDown(taste);
        EXPECT_EQ(Graphik->focusWidget(), Graphik->CursorBar) << taste;
    }
    Waehle(Graphik->BeschriftButton);
    Graphik->BeschrEdit->setText(QStringLiteral("A"));
    ZeigerAuf(100, 100);
    Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, 100, 100);  // the field rides along
    ASSERT_TRUE(Graphik->BeschrEdit->isVisible());
    Graphik->BeschrEdit->setFocus();
    ASSERT_EQ(Graphik->focusWidget(), Graphik->BeschrEdit);
    Graphik->FormKeyDown(Qt::Key_Left);
    EXPECT_EQ(Graphik->focusWidget(), Graphik->BeschrEdit);
}

TEST_F(MausTest, EnterAndDeleteClickWhereThePointerIsAndUpDownStepTheFamilyParameter)
{
    ZeigerAuf(200, 100);
    Graphik->FormKeyDown(Qt::Key_Return);  // the origin tool has no click
    EXPECT_TRUE(Gehoert().empty());
    Waehle(Graphik->KreisButton);
    Bewege(190, 100);
    Graphik->FormKeyDown(Qt::Key_Return);  // the centre
    EXPECT_EQ(std::pair(Modus, Graphik->MausX), std::pair(ModusKreisRadius, 200));  // the move after the click
    Graphik->FormKeyDown(Qt::Key_Delete);  // a step back
    EXPECT_EQ(Modus, ModusKreisMitte);
    EXPECT_EQ(Gehoert(), (std::vector<std::string>{"blop", "schlag"}));
    // While the trace window is shown Up and Down step t, not the pointer.
    Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x^2"));
    Form1->Estept->setText(QStringLiteral("0,5"));
    Waehle(Graphik->Tracebutton);
    ASSERT_TRUE(TraceParam->isVisible());
    for (int taste : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down})
        Graphik->FormKeyDown(taste);
    EXPECT_EQ(TraceParam->Edit->text(), QStringLiteral("1,5"));
    EXPECT_EQ(ZeigerImBild(), QPoint(200, 100));
}

TEST_F(MausTest, NothingThrownInAHandlerReachesTheEventLoop)
{
    // A failing sound in the origin tool's press and release; a failing
    // pointer under a key.
    Klaenge.Werfen = true;
    EXPECT_NO_THROW(Druecken(150, 240));
    EXPECT_NO_THROW(Loslassen(150, 240));
    Waehle(Graphik->PunktButton);
    Graphik->CursorBar->setFocus();
    Zeiger.Werfen = true;
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    EXPECT_NO_THROW(QCoreApplication::sendEvent(Graphik->CursorBar, &enter));
    // The window goes on working.
    Klaenge.Werfen = Zeiger.Werfen = false;
    Waehle(Graphik->UrsprungButton);
    Druecken(150, 240);
    EXPECT_EQ(Gehoert(), std::vector<std::string>{"schlag"});
}

TEST_F(MausTest, FlashShowsItsThreeStagesFor6Then2Then12TicksTheTypewriterStrikesTwiceIn46)
{
    PunktFangen(100, 100);
    EXPECT_TRUE(Graphik->Timer1->isActive());
    std::string bilder = Blitz();
    for (int tick = 1; tick <= 20; ++tick) {
        Tick(Graphik->Timer1);
        bilder += ' ' + Blitz();
    }
    EXPECT_EQ(bilder, "x-- x-- x-- x-- x-- x-- -x- -x- --x --x --x --x --x --x --x --x --x --x --x --x ---");
    EXPECT_FALSE(Graphik->Timer1->isActive() || Graphik->EffektLaeuft);
    // Frames of 30 ms; the preview's tick comes every 20 ms.
    EXPECT_EQ(std::tuple(Graphik->Timer1->interval(), Graphik->Timer2->interval(), Graphik->Animator->interval()),
              std::tuple(30, 30, 20));
    BeschriftungSetzen("A");
    bilder = Typer();
    for (int tick = 1; tick <= 46; ++tick) {
        Tick(Graphik->Timer2);
        if (tick == 14 || tick == 15 || tick == 19 || tick == 20 || tick == 25 || tick == 30 || tick == 45 ||
            tick == 46)
            bilder += ' ' + std::to_string(tick) + Typer();
        EXPECT_TRUE(Graphik->BeschrEdit->isHidden());
    }
    EXPECT_EQ(bilder, "x- 14x- 15-x 19-x 20x- 25-x 30x- 45x- 46--");
    EXPECT_FALSE(Graphik->Timer2->isActive() || Graphik->EffektLaeuft);
}

TEST_F(MausTest, OverlappingEffectsShareOneFlagAndANewCaptureRestartsTheFlash)
{
    BeschriftungSetzen("A");
    for (int tick = 1; tick <= 10; ++tick)
        Graphik->Timer2Timer();
    PunktFangen(100, 100);
    for (int tick = 1; tick <= 10; ++tick)
        Graphik->Timer1Timer();
    PunktFangen(150, 150);
    EXPECT_EQ(Graphik->BlitzBild, 0);
    EXPECT_FALSE(Graphik->camera3->isHidden());
    for (int tick = 1; tick <= 19; ++tick)
        Graphik->Timer1Timer();
    EXPECT_TRUE(Graphik->EffektLaeuft);
    Graphik->Timer1Timer();  // the flash ends while the typewriter still plays
    EXPECT_FALSE(Graphik->EffektLaeuft);
    EXPECT_TRUE(Graphik->Timer2->isActive());
    EXPECT_EQ(Typer(), "x-");
}

// The label field rides beside the pointer only where the label fits in the
// picture, and the effect pictures lie above the drawing area.
TEST_F(MausTest, TheLabelFieldShowsOnlyWhereTheLabelFitsAndEffectsLieOnTop)
{
    Waehle(Graphik->BeschriftButton);
    Graphik->BeschrEdit->setText(QStringLiteral("Hallo"));
    Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, 100, 100);  // the field takes its size
    const int w = Graphik->PaintBox1->width(), h = Graphik->PaintBox1->height();
    const int feldBreite = Graphik->BeschrEdit->width(), feldHoehe = Graphik->BeschrEdit->height();
    const std::pair<QPoint, bool> faelle[] = {
        {{100, 100}, true},
        {{w - feldBreite - 23, 100}, true},
        {{w - feldBreite - 22, 100}, false},
        {{100, 20}, false},
        {{100, 21}, true},
        {{100, h - feldHoehe + 19}, true},
        {{100, h - feldHoehe + 20}, false},
    };
    for (const auto& [p, gezeigt] : faelle) {
        Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, p.x(), p.y());
        ASSERT_EQ(std::pair(Graphik->BeschrEdit->width(), Graphik->BeschrEdit->height()), std::pair(feldBreite, feldHoehe));
        EXPECT_EQ(Graphik->BeschrEdit->isVisible(), gezeigt) << p.x() << "," << p.y();
        if (gezeigt) {
            EXPECT_EQ(Graphik->BeschrEdit->pos(), Graphik->PaintBox1->pos() + p + QPoint(22, -20));
        }
    }
    // The picture shown last lies over the drawing area and every other
    // effect picture, even where flash and typewriter play at once.
    auto zuoberst = [](QWidget* w) {
        const QObjectList& kinder = Graphik->children();
        for (QWidget* unter : std::initializer_list<QWidget*>{Graphik->PaintBox1, Graphik->camera3, Graphik->camera2,
                                                               Graphik->camera, Graphik->typer, Graphik->typer2})
            if (unter != w && kinder.indexOf(unter) > kinder.indexOf(w))
                return false;
        return w->isVisible();
    };
    PunktFangen(100, 100);
    EXPECT_TRUE(zuoberst(Graphik->camera3));
    BeschriftungSetzen("A");
    EXPECT_TRUE(zuoberst(Graphik->typer));
    // Clicks go through them to the drawing area.
    for (QWidget* w : {Graphik->camera3, Graphik->typer})
        EXPECT_EQ(Graphik->childAt(w->geometry().center()), Graphik->PaintBox1);
    for (int tick = 1; tick <= 6; ++tick)
        Tick(Graphik->Timer1);
    EXPECT_TRUE(zuoberst(Graphik->camera2));
    for (int tick = 7; tick <= 8; ++tick)
        Tick(Graphik->Timer1);
    EXPECT_TRUE(zuoberst(Graphik->camera));
    for (int tick = 1; tick <= 15; ++tick)
        Tick(Graphik->Timer2);
    EXPECT_TRUE(zuoberst(Graphik->typer2));
    PunktFangen(100, 100);
    EXPECT_TRUE(zuoberst(Graphik->camera3));
    for (int tick = 16; tick <= 20; ++tick)
        Tick(Graphik->Timer2);
    EXPECT_TRUE(zuoberst(Graphik->typer));
}
