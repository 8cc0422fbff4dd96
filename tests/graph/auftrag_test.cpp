// The print job and the copy as the band's buttons start them: the job's
// name, and a picture too large for the clipboard is refused with a message
// instead of an empty picture put there.

#include "interaktion_fixture.h"
#include "main/druck_fakes.h"

#include "platform/sprache.h"

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

}  // namespace
