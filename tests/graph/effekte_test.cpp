// The flash and typewriter effects frame by frame, and the one flag that
// both share.

#include "interaktion_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

class EffekteTest : public InteraktionTest {
protected:
    // Which of the pictures are shown, in the order given.
    static std::string Sichtbar(std::initializer_list<QLabel*> bilder)
    {
        std::string s;
        for (QLabel* b : bilder)
            s += b->isHidden() ? '-' : 'x';
        return s;
    }
    static std::string Blitz() { return Sichtbar({Graphik->camera3, Graphik->camera2, Graphik->camera}); }
    static std::string Typer() { return Sichtbar({Graphik->typer, Graphik->typer2}); }

    static void PunktFangen(int x, int y)
    {
        if (Modus != ModusPunkte)
            Waehle(Graphik->PunktButton);
        Klick(x, y);
    }
    static void BeschriftungSetzen()
    {
        if (Modus != ModusBeschriftung)
            Waehle(Graphik->BeschriftButton);
        Graphik->BeschrEdit->setText(QStringLiteral("A"));
        Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, 100, 100);
        Graphik->PaintBox1MouseDown(Graphik->PaintBox1, Qt::LeftButton, 100, 100);
    }
};

}  // namespace

TEST_F(EffekteTest, FlashShowsItsThreeStagesFor6Then2Then12Ticks)
{
    PunktFangen(100, 100);
    ASSERT_TRUE(Graphik->Timer1->isActive());
    std::string bilder = Blitz();
    for (int tick = 1; tick <= 20; ++tick) {
        Graphik->Timer1Timer();
        bilder += ' ' + Blitz();
    }
    EXPECT_EQ(bilder, "x-- x-- x-- x-- x-- x-- -x- -x- --x --x --x --x --x --x --x --x --x --x --x --x ---");
    EXPECT_FALSE(Graphik->Timer1->isActive());
    EXPECT_FALSE(Graphik->EffektLaeuft);
}

TEST_F(EffekteTest, TypewriterStrikesTwiceAndEndsAfter46Ticks)
{
    BeschriftungSetzen();
    ASSERT_TRUE(Graphik->Timer2->isActive());
    std::string bilder = Typer();
    for (int tick = 1; tick <= 46; ++tick) {
        Graphik->Timer2Timer();
        if (tick == 14 || tick == 15 || tick == 19 || tick == 20 || tick == 25 || tick == 30 || tick == 45 ||
            tick == 46)
            bilder += ' ' + std::to_string(tick) + Typer();
        EXPECT_TRUE(Graphik->BeschrEdit->isHidden());
    }
    EXPECT_EQ(bilder, "x- 14x- 15-x 19-x 20x- 25-x 30x- 45x- 46--");
    EXPECT_FALSE(Graphik->Timer2->isActive());
    EXPECT_FALSE(Graphik->EffektLaeuft);
}

TEST_F(EffekteTest, OverlappingEffectsShareOneFlagAndANewCaptureRestartsTheFlash)
{
    BeschriftungSetzen();
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

TEST_F(EffekteTest, APointBelowThePictureClicksWithoutFlashing)
{
    // The flash's centre is one pixel above the point's pixel; the picture
    // ends at row 301 of the drawing area. A click takes its point from its
    // own pixel (rows 302 and 303: y = -2,07 and -2,1).
    Waehle(Graphik->PunktButton);
    struct Fall {
        int Y;
        bool Blitzt;
    };
    for (const Fall& f : {Fall{302, true}, Fall{303, false}}) {
        Graphik->PaintBox1MouseDown(Graphik->PaintBox1, Qt::LeftButton, 150, f.Y);
        EXPECT_EQ(Gehoert(), std::vector<std::string>{"klick"}) << f.Y;
        EXPECT_EQ(Blitz(), f.Blitzt ? "x--" : "---") << f.Y;
        EXPECT_EQ(Graphik->EffektLaeuft, f.Blitzt) << f.Y;
        Graphik->camera3->hide();
        Graphik->EffektLaeuft = false;
        Graphik->Timer1->stop();
    }
}
