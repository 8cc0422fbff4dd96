#include "platform/farbe_qt.h"
#include "platform/fensterhilfen.h"

#include "engine/tabellen.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <utility>

namespace {

class FakeFrage : public TJaNeinFrage {
public:
    QMessageBox::StandardButton Antwort = QMessageBox::Yes;
    QString Caption;
    QString Text;
    int Aufrufe = 0;
    QMessageBox::StandardButton Frage(const QString& caption, const QString& text) override
    {
        Caption = caption;
        Text = text;
        ++Aufrufe;
        return Antwort;
    }
};

class AskYesNoTest : public ::testing::Test {
protected:
    FakeFrage fake;
    void SetUp() override
    {
        SetJaNeinFrage(&fake);
        Texte[328] = "Bestätigung";
    }
    void TearDown() override
    {
        SetJaNeinFrage(nullptr);
        AllesNullen();
    }
};

TEST_F(AskYesNoTest, OnlyAnExplicitYesIsYes)
{
    fake.Antwort = QMessageBox::Yes;
    EXPECT_EQ(AskYesNo("Möchten Sie Tessaplun beenden?  "), IDYES);
    fake.Antwort = QMessageBox::No;
    EXPECT_EQ(AskYesNo("?"), IDNO);
    // Escape, the title bar's close button, or a box that never showed.
    for (auto b : {QMessageBox::Cancel, QMessageBox::Close, QMessageBox::Abort, QMessageBox::NoButton}) {
        fake.Antwort = b;
        EXPECT_EQ(AskYesNo("?"), IDNO);
    }
    EXPECT_EQ(fake.Aufrufe, 6);
}

TEST_F(AskYesNoTest, TextAndCaptionOfTheLanguageInForce)
{
    AskYesNo(std::string("Möchten Sie die vorhandene Datei überschreiben?"), 0);
    EXPECT_EQ(fake.Caption, QString::fromUtf8("Bestätigung"));
    EXPECT_EQ(fake.Text, QString::fromUtf8("Möchten Sie die vorhandene Datei überschreiben?"));
    Texte[328] = "Confirmation";
    AskYesNo(QStringLiteral("Overwrite existing file?"));
    EXPECT_EQ(fake.Caption, QStringLiteral("Confirmation"));
}

TEST_F(AskYesNoTest, RemovingTheFakeRestoresTheMessageBox)
{
    EXPECT_EQ(JaNeinFrage(), &fake);
    SetJaNeinFrage(nullptr);
    EXPECT_NE(JaNeinFrage(), nullptr);
    EXPECT_NE(JaNeinFrage(), &fake);
}

TEST(SetWindowAlpha, SetsTheOpacityAndClampsTheRange)
{
    QWidget w;
    for (auto [alpha, deckkraft] : {std::pair{240, 240 / 255.0}, {255, 1.0}, {0, 0.0}, {1000, 1.0}, {-5, 0.0}}) {
        SetWindowAlpha(&w, alpha);
        EXPECT_NEAR(w.windowOpacity(), deckkraft, 0.01) << alpha;
    }
    SetWindowAlpha(nullptr, 100);  // ignored
}

TEST(FarbeQt, BlueIsBlueOnBothSides)
{
    EXPECT_EQ(ToQColor(clBlue), QColor(0, 0, 255));
    EXPECT_EQ(ToQColor(RGB(230, 255, 200)), QColor(230, 255, 200));
    EXPECT_EQ(FromQColor(QColor(255, 0, 0)), clRed);
    EXPECT_EQ(FromQColor(QColor(0, 128, 0)), clGreen);
    EXPECT_EQ(FromQColor(QColor::fromHsv(60, 255, 255)), clYellow);
    EXPECT_EQ(FromQColor(ToQColor(0x00123456)), 0x00123456u);
}

}  // namespace
