// Every row of every object table reaches the picture and the page: points
// 1 to 10 with their names, circles 1 to 10 with their centres' names,
// vertical segments 1 to 4, areas 1 to 8 and labels 1 to 9.
#include "zeichnen_hilfe.h"

#include <string>

namespace {

using Tabellenzeilen = TZeichnenTest;

std::string Zahl(int k) { return std::to_string(k); }

TEST_F(Tabellenzeilen, EveryRowOfEveryObjectTableIsDrawnAndNamed)
{
    Setze(1, [](long double x, long double) { return x * x + 1; });
    std::set<TColor> sollFarben;
    std::set<QString> sollTexte;
    auto farbe = [](int k, int art) { return RGB(static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(40 * art), 77); };
    for (int k = 1; k <= 10; ++k) {
        TPunkt& p = Punkte[k];
        std::tie(p.X, p.Y, p.Style, p.Color, p.Name, p.NamePos, p.Font.Size) =
            std::tuple(Zahl(k - 5), "1", MarkeScheibe, farbe(k, 1), "P" + Zahl(k), NameRechts, 10);
        TPunkt& m = Punkte[10 + k];
        std::tie(m.X, m.Y, m.Color, m.Name, m.NamePos) = std::tuple(Zahl(k - 5), "6", farbe(k, 2), "M" + Zahl(k), NameOben);
        TKreis& kreis = Kreise[k];
        std::tie(kreis.RadiusX, kreis.RadiusY, kreis.ShowCentre, kreis.Fill, kreis.Hinten) =
            std::tuple("0,3", "0,3", "0", "0", static_cast<std::uint8_t>(k % 2));
        sollFarben.insert({farbe(k, 1), farbe(k, 2)});
        sollTexte.insert({QString::fromStdString(p.Name), QString::fromStdString(m.Name)});
    }
    for (int k = 1; k <= 4; ++k) {
        Senkrechte[k] = TSenkrechte{Zahl(k - 2) + ",5", "2", "4", {}, farbe(k, 3), 0, {}};
        sollFarben.insert(farbe(k, 3));
    }
    for (int k = 1; k <= AnzahlFlaechen; ++k) {
        Flaechen[k] = TFlaeche{1, 13, Zahl(k - 5), Zahl(k - 4), {}, farbe(k, 4), 0, {}};
        sollFarben.insert(farbe(k, 4));
    }
    for (int k = 1; k <= 9; ++k) {
        Beschriftungen[k] = TBeschriftung{"L" + Zahl(k), 0.5 + k, 0.5, {"Tahoma", clBlack, 10, 0, {}},
                                          static_cast<std::uint8_t>(k % 2), {}};
        sollTexte.insert(QString::fromStdString(Beschriftungen[k].Text));
    }

    std::set<TColor> farben;
    for (const TOp& op : Graphen()) {
        if (op.Kind == Op::Line || op.Kind == Op::Ellipse)
            farben.insert(op.Pen.Color);
        if (op.Kind == Op::Ellipse || op.Kind == Op::Polygon)
            farben.insert(op.Brush.Color);
    }
    for (const TColor f : sollFarben)
        EXPECT_TRUE(farben.count(f)) << std::hex << f;

    auto texte = [](const TRecordingCanvas& c) {
        std::set<QString> r;
        for (const auto& op : c.OpsOf(Op::Text))
            r.insert(op.Text);
        return r;
    };
    TRecordingCanvas bild(Breite, Hoehe);
    G->DrawLabels(bild, Skala, -Skala);
    EXPECT_EQ(texte(bild), sollTexte);
    TRecordingCanvas seite(19000, 27700, true);
    G->DruckeSeiten(seite, false, 19000, 27700, {});
    std::set<QString> gedruckt = texte(seite);
    for (const QString& t : sollTexte)
        EXPECT_TRUE(gedruckt.count(t)) << t.toStdString();
}

}  // namespace
