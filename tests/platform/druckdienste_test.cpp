// Services of printing and copying: which web addresses are opened and the
// JPEG decoder.
#include "platform/jpeg.h"
#include "platform/oeffner.h"

#include <QFile>
#include <gtest/gtest.h>

#include <vector>

void DruckdiensteRessourcenLaden()
{
    static const bool geladen = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)geladen;
}

namespace {

struct Aufzeichnung : TDesktopOeffner {
    std::vector<QUrl> Urls;
    bool Oeffne(const QUrl& url) override
    {
        Urls.push_back(url);
        return true;
    }
};

TEST(Druckdienste, OnlyHttpAndHttpsAddressesAreOpened)
{
    Aufzeichnung a;
    SetDesktopOeffner(&a);
    const std::pair<const char*, bool> faelle[] = {
        {"https://help.libreoffice.org/latest/de/", true},
        {"http://example.org", true},
        {"  HTTPS://example.org/a?b=c  ", true},
        {"file:///etc/passwd", false},
        {"/usr/bin/xterm", false},
        {"mailto:someone@example.org", false},
        {"javascript:alert(1)", false},
        {"ftp://example.org", false},
        {"https://", false},
        {"", false},
        {"www.example.org", false},
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
    DruckdiensteRessourcenLaden();
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
    // Not a JPEG, or nothing: no picture, and no crash.
    EXPECT_TRUE(JpegLesen(QByteArray("GIF89a not a jpeg")).isNull());
    EXPECT_TRUE(JpegLesen(daten.left(40)).isNull());
    EXPECT_TRUE(JpegLesen(QByteArray()).isNull());
}

}  // namespace
