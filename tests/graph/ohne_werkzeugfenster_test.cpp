// The program as it starts, before any tool window was opened: what the
// mouse makes and takes back is drawn at once all the same (no tool window
// echoes the change into a redraw).

#include "interaktion_fixture.h"
#include "zeichnen_hilfe.h"

namespace {

class OhneWerkzeugfenster : public ProgrammTest {
protected:
    FakeKlaenge Klaenge;

    void SetUp() override
    {
        ProgrammTest::SetUp();
        SetKlangSpieler(&Klaenge);
        ProgrammStarten({});
        FreieFlaeche(331, 301);
        ASSERT_EQ(Graphik->PaintBox1->size(), QSize(331, 301));
    }
    void TearDown() override
    {
        ProgrammTest::TearDown();
        SetKlangSpieler(nullptr);
    }
    static void Klick(double x, double y, Qt::MouseButton taste = Qt::LeftButton)
    {
        Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, Spalte(x), Zeile(y));
        QMetaObject::invokeMethod(Graphik->Animator, "timeout", Qt::DirectConnection);
        Graphik->PaintBox1MouseDown(Graphik->PaintBox1, taste, Spalte(x), Zeile(y));
    }
    static QImage Bild()
    {
        Graphik->BildCanvas->Flush();
        return Graphik->Bild.copy();
    }
};

}  // namespace

TEST_F(OhneWerkzeugfenster, ObjectsMadeAndTakenBackByMouseAreDrawnAtOnce)
{
    // The tool, what a label needs typed, and the clicks that make one object.
    struct Fall {
        QToolButton* TGraphik::*Werkzeug;
        const char* Text;
        std::vector<std::pair<double, double>> Klicks;
    };
    const Fall faelle[] = {
        {&TGraphik::PunktButton, nullptr, {{-3, 5}}},
        {&TGraphik::Senkrechtebutton, nullptr, {{-3, 5}}},
        {&TGraphik::BeschriftButton, "Hallo", {{-4, 6}}},
        {&TGraphik::KreisButton, nullptr, {{-3, 5}, {-2, 5}}},
        {&TGraphik::TangenteButton, nullptr, {{-1, 1}}},
        {&TGraphik::GeradeButton, nullptr, {{2, 1}, {0, 3}}},
        {&TGraphik::ParabelButton, nullptr, {{-3, 0}, {-3, 5}, {-2, 6}}},
    };
    // The assistant's question is answered No: the graphs stay.
    const auto nein = [] {
        if (AssistentFenster->isVisible())
            AssistentFenster->NeinButtonClick();
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE((Graphik->*f.Werkzeug)->objectName().toStdString());
        (Graphik->*f.Werkzeug)->click();
        nein();
        for (int i = 0; i < 20; ++i)  // the last capture's flash is over
            Graphik->Timer1Timer();
        const QImage vorher = Bild();
        if (f.Text) {
            Graphik->PaintBox1MouseMove(Graphik->PaintBox1, Qt::NoButton, Spalte(-4), Zeile(6));
            Graphik->BeschrEdit->setText(QString::fromUtf8(f.Text));
        }
        for (const auto& [x, y] : f.Klicks)
            Klick(x, y);
        EXPECT_NE(Bild(), vorher);
        nein();
        Klick(-3, 5, Qt::RightButton);
        EXPECT_EQ(Bild(), vorher);
    }
}

// At the start the graph window stands as high as the main window (with the
// window table's offset).
TEST_F(OhneWerkzeugfenster, TheWindowStartsAsHighAsTheMainWindow)
{
    ProgrammBeenden();
    ProgrammStarten({});
    EXPECT_EQ(Graphik->height(), std::max(200, Graphik->Hauptfenster->height() + FensterVersatz[5]));
}

// Until the first redraw, the pictures are white, the picture behind in a
// black frame, of which its size keeps the top edge.
TEST_F(OhneWerkzeugfenster, BothPicturesStartWhiteInABlackFrame)
{
    TGraphik* const alt = Graphik;
    TGraphik g(nullptr, &Zustand.Ansicht);
    g.FormCreate();
    Graphik = alt;
    g.BildCanvas->Flush();
    g.AnzeigebildCanvas->Flush();
    const int w = g.Bild.width(), h = g.Bild.height();
    ASSERT_EQ(g.Anzeigebild.size(), QSize(w, h));
    EXPECT_EQ(std::tuple(g.Bild.pixel(0, 0), g.Bild.pixel(w - 1, 0), g.Bild.pixel(1, 1), g.Bild.pixel(w / 2, h - 1)),
              std::tuple(0xFF000000u, 0xFF000000u, 0xFFFFFFFFu, 0xFFFFFFFFu));
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(w / 2, h / 2), QPoint(w - 1, h - 1)})
        EXPECT_EQ(g.Anzeigebild.pixel(p), 0xFFFFFFFFu) << p.x() << ", " << p.y();
}
