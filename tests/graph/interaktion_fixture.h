#pragma once
// A started program with a 331 x 301 drawing area for the default view (30
// pixels per unit, the origin at (150, 240)), sounds recorded, a fake pointer.

#include "main/programm_fixture.h"
#include "tools/trace_dlg.h"
#include "platform/klang.h"
#include "platform/statusleiste.h"
#include "platform/zeiger.h"

#include <QCoreApplication>
#include <QTimer>

#include <stdexcept>
#include <utility>

// Sizes the graph window so that the free room for the drawing area is w x h.
inline void FreieFlaeche(int w, int h)
{
    const int m = Graphik->GroupBox1->x();
    const int links = Graphik->InteraktivBox->isChecked() ? 2 * m + Graphik->AktivBox->width() : m;
    const int oben = m + Graphik->GroupBox1->y() + Graphik->GroupBox1->height();
    Graphik->resize(w + m + links, h + oben + m + Graphik->StatusBar1->sizeHint().height());
    Graphik->GraphikResize();
}

struct FakeKlaenge : TKlangSpieler {
    std::vector<std::string> Gespielt;
    bool Werfen = false;
    void Spiele(const QString& name) override
    {
        if (Werfen)
            throw std::runtime_error("kein Klang");
        Gespielt.push_back(name.toStdString());
    }
};

struct FakeZeiger : TZeiger {
    QPoint Stelle;
    bool Werfen = false;
    QPoint Position() const override
    {
        if (Werfen)
            throw std::runtime_error("kein Zeiger");
        return Stelle;
    }
    void Setze(QPoint p) override { Stelle = p; }
};

class InteraktionTest : public ProgrammTest {
protected:
    FakeKlaenge Klaenge;
    FakeZeiger Zeiger;

    void SetUp() override
    {
        ProgrammTest::SetUp();
        SetKlangSpieler(&Klaenge);
        SetZeiger(&Zeiger);
        Starten();
        FreieFlaeche(331, 301);
        ASSERT_EQ(Graphik->PaintBox1->size(), QSize(331, 301));
        Klaenge.Gespielt.clear();
    }

    void TearDown() override
    {
        ProgrammTest::TearDown();
        SetKlangSpieler(nullptr);
        SetZeiger(nullptr);
    }

    // A tool chosen as the user does it.
    static void Waehle(QToolButton* knopf) { knopf->click(); }
    // The line or parabola tool without clearing the graphs.
    static void OhneLoeschen(QToolButton* knopf)
    {
        Waehle(Graphik->UrsprungButton);
        Waehle(knopf);
        AssistentFenster->NeinButtonClick();
    }

    // The pointer comes to (x, y) and the timer ticks once; then a click.
    static void Bewege(int x, int y)
    {
        Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, x, y);
        // The tick through the timer's own signal, as the event loop gives it.
        QMetaObject::invokeMethod(Graphik->Animator, "timeout", Qt::DirectConnection);
    }
    static void Klick(int x, int y, Qt::MouseButton taste = Qt::LeftButton)
    {
        Bewege(x, y);
        Graphik->PaintBox1MouseDown(Graphik->PaintBox1, taste, x, y);
    }

    // The sounds played since the last call.
    std::vector<std::string> Gehoert() { return std::exchange(Klaenge.Gespielt, {}); }
};
