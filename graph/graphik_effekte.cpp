// Effects that acknowledge a construction: the camera flash at a captured
// point and the typewriter at a placed label, each a 30 ms timer that shows
// its pictures frame by frame. While one plays, the label field stays out
// of sight and the preview leaves the picture uncovered.

#include "graph/graphik.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

namespace {

// A point far outside the picture is placed far outside, without overflow.
constexpr int Weit = 100000;

}  // namespace

void TGraphik::BlitzStarten(int px, int py)
{
    px = std::clamp(px, -Weit, Weit);
    py = std::clamp(py, -Weit, Weit);
    const int links = PaintBox1->x() + px - 1 - camera->width() / 2;
    const int oben = PaintBox1->y() + py - 1 - camera->height() / 2;
    camera->move(links, oben);
    camera2->move(camera->pos());
    camera3->move(camera->pos());
    Klang("klick");
    // Only a point whose picture is centred on the drawing area flashes.
    const int mitte = camera->y() + camera->height() / 2;
    if (PaintBox1->y() <= mitte && mitte <= PaintBox1->y() + PaintBox1->height()) {
        camera3->show();
        camera3->raise();
        EffektLaeuft = true;
        BlitzBild = 0;
        Timer1->start();  // a new capture starts the flash over
    }
}

void TGraphik::Timer1Timer()
{
    ++BlitzBild;
    if (BlitzBild == 6) {
        camera3->hide();
        camera2->show();
        camera2->raise();
    }
    if (BlitzBild == 8) {
        camera2->hide();
        camera->show();
        camera->raise();
    }
    if (BlitzBild >= 20) {
        Timer1->stop();
        EffektLaeuft = false;
        camera->hide();
    }
}

void TGraphik::TyperStarten(int X, int Y)
{
    TyperBild = 0;
    BeschrEdit->hide();
    typer->move(PaintBox1->x() + X + 16, PaintBox1->y() + Y - typer->height() + 5);
    typer2->move(typer->pos());
    typer->show();
    typer->raise();
    EffektLaeuft = true;
    if (!Timer2->isActive())
        Timer2->start();
    Klang("schreib");
}

void TGraphik::Timer2Timer()
{
    ++TyperBild;
    BeschrEdit->hide();
    PaintBox1->setCursor(StiftCursor);
    if (TyperBild == 15 || TyperBild == 25) {
        typer->hide();
        typer2->show();
        typer2->raise();
    }
    if (TyperBild == 20 || TyperBild == 30) {
        typer2->hide();
        typer->show();
        typer->raise();
    }
    if (TyperBild > 45) {
        EffektLaeuft = false;
        Timer2->stop();
        typer->hide();
    }
}
