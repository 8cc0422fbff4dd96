#include "platform/klang.h"

#include <QFile>
#include <gtest/gtest.h>

void SpracheTestRessourcenLaden();  // registers the program's resources

// Without an audio device the player stays silent for good: it loads no
// sound and asks for the device only once, however often it is called.
TEST(Klang, WithoutAnAudioDeviceNothingIsLoadedOrAskedAgain)
{
    SpracheTestRessourcenLaden();
    ASSERT_TRUE(QFile::exists(QStringLiteral(":/sounds/klick.wav")));
    int gefragt = 0;
    TQtKlangSpieler spieler([&gefragt] {
        ++gefragt;
        return false;
    });
    for (const char* name : {"klick", "blop", "klick"})
        spieler.Spiele(QString::fromLatin1(name));
    EXPECT_TRUE(spieler.Stumm());
    EXPECT_EQ(spieler.Effekte(), 0);
    EXPECT_EQ(gefragt, 1);
}
