// Desktop services: which web addresses are opened, the JPEG decoder of the
// about window, and the sound player without an audio device.
#include "platform/jpeg.h"
#include "platform/klang.h"
#include "platform/klang_qt.h"
#include "platform/oeffner.h"

#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>

#include <malloc.h>

#include <vector>

void SpracheTestRessourcenLaden();  // registers the program's resources

namespace {

struct Aufzeichnung : TDesktopOeffner {
    std::vector<QUrl> Urls;
    bool Oeffne(const QUrl& url) override { return Urls.push_back(url), true; }
};

TEST(Druckdienste, OnlyHttpAndHttpsAddressesAreOpened)
{
    Aufzeichnung a;
    SetDesktopOeffner(&a);
    const std::pair<const char*, bool> faelle[] = {
        {"https://help.libreoffice.org/latest/de/", true}, {"http://example.org", true},
        {"  HTTPS://example.org/a?b=c  ", true}, {"file:///etc/passwd", false}, {"/usr/bin/xterm", false},
        {"https://", false}, {"", false}, {"www.example.org", false},
        // A host with another scheme: a file share, a script, a program.
        {"ftp://example.org/x", false}, {"smb://server/share", false}, {"javascript://example.org/%0Aalert(1)", false},
    };
    for (const auto& [adresse, offen] : faelle) {
        a.Urls.clear();
        EXPECT_EQ(OeffneWebadresse(QString::fromLatin1(adresse)), offen) << adresse;
        EXPECT_EQ(a.Urls.size(), offen ? 1u : 0u) << adresse;
    }
    // Files go to their program as local files.
    a.Urls.clear();
    EXPECT_TRUE(OeffneMitDesktop(QStringLiteral("/tmp/Wertetabelle-1.xlsx")));
    ASSERT_EQ(a.Urls.size(), 1u);
    EXPECT_TRUE(a.Urls[0].isLocalFile());
    EXPECT_FALSE(OeffneMitDesktop(QString()));
    SetDesktopOeffner(nullptr);
}

TEST(Druckdienste, JpegOfTheAboutWindowAndBrokenData)
{
    SpracheTestRessourcenLaden();
    QFile f(QStringLiteral(":/pictures/about.jpg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray daten = f.readAll();
    const QImage bild = JpegLesen(daten);
    ASSERT_EQ(bild.size(), QSize(160, 120));
    // Paper white in a corner cell, the dark axis at column 60.
    EXPECT_GT(qGray(bild.pixel(5, 5)), 230);
    EXPECT_LT(qGray(bild.pixel(60, 5)), 90);
    // A stream cut short is padded by libjpeg: the picture keeps its size.
    EXPECT_EQ(JpegLesen(daten.left(daten.size() / 3)).size(), QSize(160, 120));
    // Sides up to 8192 pixels are decoded, larger ones refused before any
    // memory is taken for them (the header is changed; the data runs short
    // and is padded).
    const auto kopfMit = [&](int breite, int hoehe) {
        QByteArray b = daten;
        for (int i = 0; i + 8 < b.size(); ++i)
            if (static_cast<unsigned char>(b[i]) == 0xFF && (static_cast<unsigned char>(b[i + 1]) & 0xFC) == 0xC0) {
                b[i + 5] = static_cast<char>(hoehe >> 8);
                b[i + 6] = static_cast<char>(hoehe & 0xFF);
                b[i + 7] = static_cast<char>(breite >> 8);
                b[i + 8] = static_cast<char>(breite & 0xFF);
                break;
            }
        return b;
    };
    const auto mitGroesse = [&](int breite, int hoehe) { return JpegLesen(kopfMit(breite, hoehe)); };
    EXPECT_EQ(mitGroesse(8192, 120).size(), QSize(8192, 120));
    EXPECT_EQ(mitGroesse(160, 8192).size(), QSize(160, 8192));
    EXPECT_TRUE(mitGroesse(8193, 120).isNull() && mitGroesse(160, 8193).isNull());
    // A single row or column is a picture; none is none.
    EXPECT_EQ(std::pair(mitGroesse(160, 1).size(), mitGroesse(1, 120).size()), std::pair(QSize(160, 1), QSize(1, 120)));
    EXPECT_TRUE(mitGroesse(0, 120).isNull() && mitGroesse(160, 0).isNull());
    // Not a JPEG, or nothing: no picture, and no crash.
    for (const QByteArray& kaputt : {QByteArray("GIF89a not a jpeg"), daten.left(40), QByteArray()})
        EXPECT_TRUE(JpegLesen(kaputt).isNull()) << kaputt.size();

    // The decoder gives back its memory on every way out: read, refused
    // and broken off.
    const auto belegt = [] {
        const struct mallinfo2 m = mallinfo2();
        return static_cast<long long>(m.uordblks + m.hblkhd);
    };
    for (const QByteArray& b : {daten, kopfMit(8193, 120), daten.left(40)}) {
        (void)JpegLesen(b);
        const long long vorher = belegt();
        for (int i = 0; i < 20; ++i)
            (void)JpegLesen(b);
        EXPECT_LT(belegt() - vorher, 20000) << b.size();
    }
}

// Without an audio device the player stays silent for good: it loads no
// sound and asks for the device only once, however often it is called.
TEST(Klang, WithoutAnAudioDeviceNothingIsLoadedOrAskedAgain)
{
    SpracheTestRessourcenLaden();
    ASSERT_TRUE(QFile::exists(QStringLiteral(":/sounds/klick.wav")));
    int gefragt = 0;
    TQtKlangSpieler spieler([&gefragt] { return ++gefragt, false; });
    for (const char* name : {"klick", "blop", "klick"})
        spieler.Spiele(QString::fromLatin1(name));
    EXPECT_TRUE(spieler.Stumm());
    EXPECT_EQ(std::tuple(spieler.Effekte(), gefragt), std::tuple(0, 1));
}

// With a device the player makes one sound effect per name on first use
// and none for a name without a sound; the installed player takes over.
struct Aufnahme : TKlangSpieler {
    QStringList Namen;
    void Spiele(const QString& name) override { Namen << name; }
};

TEST(Klang, OneEffectPerSoundNameAndTheInstalledPlayerTakesOver)
{
    SpracheTestRessourcenLaden();
    int gefragt = 0;
    TQtKlangSpieler spieler([&gefragt] { return ++gefragt, true; });
    for (const char* name : {"klick", "blop", "klick", "gibt-es-nicht"})
        spieler.Spiele(QString::fromLatin1(name));
    EXPECT_EQ(std::tuple(spieler.Effekte(), gefragt), std::tuple(2, 1));
    EXPECT_EQ(std::pair(spieler.Quelle(QStringLiteral("blop")), spieler.Quelle(QStringLiteral("schlag"))),
              std::pair(QUrl(QStringLiteral("qrc:/sounds/blop.wav")), QUrl()));

    Aufnahme a;
    SetKlangSpieler(&a);
    SpieleKlang(QStringLiteral("schlag"));
    SetKlangSpieler(nullptr);
    // The program's own player is looked for beside the program, here the
    // test's folder, which has none: silence, and no second search.
    SpieleKlang(QStringLiteral("weg"));
    SpieleKlang(QStringLiteral("weg"));
    EXPECT_EQ(a.Namen, QStringList{QStringLiteral("schlag")});
}

// The sound module gives the program's player as a child of the object
// named; a path without the module gives none.
TEST(Klang, TheModuleMakesThePlayerAndAMissingModuleNone)
{
    SpracheTestRessourcenLaden();
    QObject eltern;
    EXPECT_EQ(KlangModulLaden(QStringLiteral(TESSAPLUN_KLANG_MODUL_PFAD ".fehlt"), &eltern), nullptr);
    EXPECT_TRUE(eltern.children().isEmpty());
    TKlangSpieler* spieler = KlangModulLaden(QStringLiteral(TESSAPLUN_KLANG_MODUL_PFAD), &eltern);
    ASSERT_NE(spieler, nullptr);
    ASSERT_EQ(eltern.children().size(), 1);
    auto* programm = dynamic_cast<TQtKlangSpieler*>(eltern.children().front());
    ASSERT_NE(programm, nullptr);
    EXPECT_EQ(static_cast<TKlangSpieler*>(programm), spieler);
    spieler->Spiele(QStringLiteral("weg"));
    // Silent without an audio output; with one, the sound is loaded.
    EXPECT_TRUE(programm->Stumm() || programm->Quelle(QStringLiteral("weg")).isValid());
}

}  // namespace
