// The font dialog's window, built but not run: what it is preset with comes
// back unchanged, and its colour button goes through the colour dialog.

#include "platform/dialoge.h"
#include "platform/schriftdialog.h"

#include "engine/tabellen.h"

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

TEST(SchriftAuswahl, APresetComesBackUnchangedAndTheColourComesFromTheColourDialog)
{
    const std::uint8_t stile[] = {0, fsBold, fsItalic, fsUnderline, fsStrikeOut, 15};
    for (const QString& name : {QStringLiteral("Tahoma"), QStringLiteral("Kein Font von hier")}) {
        for (std::uint8_t stil : stile) {
            TSchriftAuswahl d;
            const TFont vorgabe{name, 13, RGB(1, 2, 3), stil};
            d.Setzen(vorgabe);
            // A face the system lacks is shown as another and given back by
            // its own name while the user keeps it.
            EXPECT_EQ(d.Ergebnis(), vorgabe) << name.toStdString() << " " << int(stil);
        }
    }

    FakeFarbe farbe;
    SetFarbDialog(&farbe);
    TSchriftAuswahl d;
    d.Setzen(TFont{QStringLiteral("Tahoma"), 10, clBlue, 0});
    d.FarbKnopf->click();  // cancelled
    EXPECT_EQ(farbe.Vorgaben, (std::vector<TColor>{clBlue}));
    EXPECT_EQ(d.Ergebnis().Color, clBlue);
    farbe.Antwort = clRed;
    d.FarbKnopf->click();
    EXPECT_EQ(d.Ergebnis().Color, clRed);
    SetFarbDialog(nullptr);

    // Another size is the user's choice.
    QFont f = d.Schrift->currentFont();
    f.setPointSize(21);
    d.Schrift->setCurrentFont(f);
    EXPECT_EQ(d.Ergebnis().Size, 21);
    EXPECT_EQ(d.Ergebnis().Name, QStringLiteral("Tahoma"));
}
