// The printed page numbers and names its axes as the screen does, at every
// unit of the x axis, decimal or in units of pi.
#include "zeichnen_hilfe.h"

namespace {

using SeiteWieBild = TZeichnenTest;

std::multiset<QString> Texte(const TRecordingCanvas& c)
{
    std::multiset<QString> r;
    for (const auto& op : c.OpsOf(Op::Text))
        r.insert(op.Text);
    return r;
}

TEST_F(SeiteWieBild, ThePageCarriesTheScreensNumbersAndCaptionsAtEveryUnit)
{
    const QString pi = QString(QChar(0x03C0));
    G->Edit1->setText(QStringLiteral("Zeit"));
    G->Edit2->setText(QStringLiteral("Weg"));
    for (const int position : {-4, 0, 2, 3, 5, 10}) {
        G->TrackBar2->setValue(position);
        G->TrackBar1->setValue(position);
        TRecordingCanvas bild(Breite, Hoehe);
        G->DrawCoordinateSystem(bild, Skala, -Skala);
        TRecordingCanvas seite(19000, 27700, true);
        G->DruckeSeiten(seite, false, 19000, 27700, {});
        const std::multiset<QString> texte = Texte(bild);
        EXPECT_EQ(Texte(seite), texte) << position;
        // Ten numbers on the x axis (one is 0), eight on the y axis, both
        // captions.
        EXPECT_EQ(texte.size(), 20u) << position;
        const bool piZahlen = position == 2 || position == 3 || position == 5;
        EXPECT_EQ(texte.count(TGraphik::PiText(-2, position)) == 1, piZahlen) << position;
        EXPECT_EQ(std::any_of(texte.begin(), texte.end(), [&](const QString& t) { return t.contains(pi); }), piZahlen)
            << position;
    }
}

// The instruction box of the trace tool asks for the selected function,
// whichever slot it is in.
TEST_F(SeiteWieBild, TheTraceBoxAsksWhetherTheSelectedFunctionIsCompiled)
{
    Modus = ModusSpur;
    FunktionNr = 2;
    Setze(2, [](long double x, long double) { return x; });
    Setze(1, nullptr);
    EXPECT_TRUE(G->HinweisLage().Kompiliert);
    FunktionNr = 1;
    Setze(1, nullptr);
    Setze(2, [](long double x, long double) { return x; });
    EXPECT_FALSE(G->HinweisLage().Kompiliert);
}

// With the header, every compiled function of the nine slots has its
// equation on the page, the ninth too.
TEST_F(SeiteWieBild, TheHeaderListsTheEquationsOfAllNineSlots)
{
    std::multiset<QString> soll;
    for (int k = 1; k <= 9; ++k) {
        auto& f = Setze(k, [](long double x, long double) { return x; });
        f.SetTerm("f(x) = " + std::to_string(k) + "*x");
        soll.insert(QString::fromStdString(f.GetTerm()));
    }
    TRecordingCanvas seite(19000, 27700, true);
    G->DruckMitKopf = true;
    G->DruckeSeiten(seite, false, 19000, 27700, {});
    std::multiset<QString> gleichungen;
    for (const QString& t : Texte(seite))
        if (t.startsWith(QStringLiteral("f(x) = ")))
            gleichungen.insert(t);
    EXPECT_EQ(gleichungen, soll);
}

// Millimetre paper on the page: a fine line every tenth of a unit, 101
// across and 111 up in the default view, below the half-unit lines.
TEST_F(SeiteWieBild, MillimetrePaperHasAFineLineEveryTenth)
{
    G->Gitter = "5";
    TRecordingCanvas seite(19000, 27700, true);
    G->DruckeSeiten(seite, false, 19000, 27700, {});
    const auto linien = seite.OpsOf(Op::Line);
    EXPECT_EQ(std::count_if(linien.begin(), linien.end(), [](const TOp& l) { return l.Pen.Color == RGB(128, 128, 128); }),
              212);
}

}  // namespace
