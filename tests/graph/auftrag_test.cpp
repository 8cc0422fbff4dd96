// The print job and the copy as the band's buttons start them: the job's
// name, and a picture too large for the clipboard is refused with a message
// instead of an empty picture put there.

#include "interaktion_fixture.h"
#include "main/druck_fakes.h"

#include "platform/canvas.h"
#include "platform/sprache.h"
#include "tools/wertetabelle_fenster.h"

namespace {

class Auftrag : public DruckTest {
protected:
    void SetUp() override
    {
        DruckTest::SetUp();
        FreieFlaeche(331, 301);
    }
};

TEST_F(Auftrag, ThePrintJobCarriesTheProgramsName)
{
    Graphik->BDruckClick();
    ASSERT_TRUE(Drucker.Drucker);
    EXPECT_EQ(Drucker.Drucker->docName(), QStringLiteral("Tessaplun 8.0"));
    EXPECT_TRUE(Meldung.Meldungen.empty());
}

TEST_F(Auftrag, APictureTooLargeForTheClipboardIsRefusedWithAMessage)
{
    // 100000 units across at 130 pixels per cm.
    std::tie(Graphik->XMin, Graphik->XMax) = std::tuple(-50000, 50000);
    Graphik->Button1Click();
    EXPECT_EQ(Meldung.Meldungen, std::vector<QString>{Txt(574)});
    EXPECT_EQ(Ablage.Aufrufe(), 0);
}

// The printed value table's title, in 11 point bold, names the family
// parameter only for a family.
TEST_F(Auftrag, ThePrintedTablesTitleNamesTheParameterOnlyForAFamily)
{
    Form2->Edit3->setText(QStringLiteral("2"));
    ASSERT_EQ(Form2->ParameterText(), QStringLiteral("2"));
    const auto titel = [] {
        TRecordingCanvas c(19000, 27700, true);
        Graphik->DruckeSeiten(c, true, 19000, 27700, {});
        for (const auto& op : c.OpsOf(TRecordingCanvas::TOpKind::Text))
            if (op.Text.startsWith(Txt(289))) {
                EXPECT_EQ(std::pair(op.Font.Size, op.Font.Style), std::pair(11, std::uint8_t{fsBold}));
                return op.Text;
            }
        return QString();
    };
    const auto alt = Zustand.Editor.Eingabeart;
    for (const auto art : {ArtFunktion, ArtFunktionenschar}) {
        Zustand.Editor.Eingabeart = art;
        const QString t = titel();
        ASSERT_FALSE(t.isEmpty());
        EXPECT_EQ(t.endsWith(QStringLiteral("  ") + Txt(290) + QStringLiteral(" 2")), art == ArtFunktionenschar)
            << t.toStdString();
    }
    Zustand.Editor.Eingabeart = alt;
}

}  // namespace
