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

    // The same as the tables' own defaults (checked value by value there).
    const auto punkte0 = Punkte;
    const auto kreise0 = Kreise;
    const auto beschriftungen0 = Beschriftungen;
    const auto senkrechte0 = Senkrechte;
    const auto flaechen0 = Flaechen;
    AllesNullen();
    TabellenVorbelegen();
    EXPECT_TRUE(punkte0 == Punkte);
    EXPECT_TRUE(kreise0 == Kreise);
    EXPECT_TRUE(beschriftungen0 == Beschriftungen);
    EXPECT_TRUE(senkrechte0 == Senkrechte);
    EXPECT_TRUE(flaechen0 == Flaechen);

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
