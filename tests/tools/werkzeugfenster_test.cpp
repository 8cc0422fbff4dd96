// The tool windows exist from the start: creating them gives the object
// tables their defaults, and each starts opaque, hidden, always on top.

#include "engine/tabellen.h"
#include "tools/beschriftung_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <QSlider>
#include <gtest/gtest.h>

#include <memory>

TEST(Werkzeugfenster, CreatingThemGivesTheTablesTheirDefaults)
{
    AllesNullen();
    auto punkte = std::make_unique<TPunkteDlg>();
    auto kreise = std::make_unique<TKreiseDlg>();
    auto beschriftung = std::make_unique<TBeschriftungDlg>();
    auto senkrechte = std::make_unique<TSenkrechteDlg>();
    auto flaechen = std::make_unique<TFlaechenDlg>();
    auto uebersicht = std::make_unique<TUebersicht_Dlg>();

    EXPECT_EQ(Punkte[3].Name, "C");
    EXPECT_EQ(Punkte[3].Color, clBlue);
    EXPECT_EQ(Punkte[11].Name, "M");
    EXPECT_EQ(Punkte[11].Color, clGreen);
    EXPECT_EQ(Kreise[1].RadiusX, "2");
    EXPECT_EQ(Kreise[10].Fill, "0");
    EXPECT_DOUBLE_EQ(Beschriftungen[3].Y, 2.8);
    EXPECT_TRUE(Beschriftungen[3].Text.empty());
    EXPECT_EQ(Senkrechte[4].YTo, "100");
    EXPECT_EQ(Flaechen[8].XFrom, "-2");
    EXPECT_EQ(Flaechen[1].CurveA, Flaechen[1].CurveB);  // no area until chosen

    for (QWidget* w : std::initializer_list<QWidget*>{punkte.get(), kreise.get(), beschriftung.get(), senkrechte.get(),
                                                      flaechen.get(), uebersicht.get()}) {
        EXPECT_TRUE(w->isHidden());
        EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_DOUBLE_EQ(w->windowOpacity(), 1.0);
        auto* regler = w->findChild<QSlider*>(QStringLiteral("TrackBar2"));
        ASSERT_NE(regler, nullptr);
        EXPECT_EQ(regler->minimum(), 120);
        EXPECT_EQ(regler->maximum(), 255);
        EXPECT_EQ(regler->value(), 255);
    }
}
