// The font dialog's window, built but not run: what it is preset with comes
// back unchanged, and its colour button goes through the colour dialog.

#include "platform/dialoge.h"
#include "platform/schriftdialog.h"

#include "engine/tabellen.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct FakeFarbe : TFarbDialog {
    std::optional<TColor> Antwort;
    std::vector<TColor> Vorgaben;
    std::optional<TColor> Waehle(TColor vorgabe) override
    {
        Vorgaben.push_back(vorgabe);
        return Antwort;
    }
};

}  // namespace

TEST(SchriftAuswahl, APresetComesBackUnchangedAndAChosenFaceByItsName)
{
    const std::uint8_t stile[] = {0, fsBold, fsItalic, fsUnderline, fsStrikeOut, fsBold | fsItalic | fsUnderline | fsStrikeOut};
    for (const QString& name : {QStringLiteral("Tahoma"), QStringLiteral("Kein Font von hier")}) {
        for (std::uint8_t stil : stile) {
            SCOPED_TRACE(testing::Message() << name.toStdString() << " " << int(stil));
            TSchriftAuswahl d;
            const TFont vorgabe{name, 13, RGB(1, 2, 3), stil};
            d.Setzen(vorgabe);
            // A face the system lacks is shown as another, and given back
            // by its own name while the user keeps it.
            EXPECT_EQ(d.Ergebnis(), vorgabe);
        }
    }

    // A face the user picks comes back as that face.
    TSchriftAuswahl d;
    d.Setzen(TFont{QStringLiteral("Kein Font von hier"), 10, 0, 0});
    const QString ersetzt = d.Schrift->currentFont().family();
    for (const QString& familie : QFontDatabase::families()) {
        if (familie == ersetzt)
            continue;
        d.Schrift->setCurrentFont(QFont(familie, 10));
        if (d.Schrift->currentFont().family() == familie) {
            EXPECT_EQ(d.Ergebnis().Name, familie);
            break;
        }
    }
}

TEST(SchriftAuswahl, TheColourButtonAsksTheColourDialog)
{
    FakeFarbe farbe;
    SetFarbDialog(&farbe);
    TSchriftAuswahl d;
    d.Setzen(TFont{QStringLiteral("Tahoma"), 10, clBlue, 0});
    d.FarbeClick();  // cancelled
    ASSERT_EQ(farbe.Vorgaben.size(), 1u);
    EXPECT_EQ(farbe.Vorgaben[0], clBlue);
    EXPECT_EQ(d.Ergebnis().Color, clBlue);
    farbe.Antwort = clRed;
    d.FarbKnopf->click();
    EXPECT_EQ(d.Ergebnis().Color, clRed);
    SetFarbDialog(nullptr);
}
