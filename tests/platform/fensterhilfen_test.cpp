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
    QMessageBox::StandardButton Frage(const QString& caption, const QString& text) override
    {
        Caption = caption;
        Text = text;
        return Antwort;
    }
};

TEST(AskYesNo, OnlyAnExplicitYesIsYesAskedUnderTheLanguagesCaption)
{
    FakeFrage fake;
    SetJaNeinFrage(&fake);
    Texte[328] = "Bestätigung";
    // No, Escape, the title bar's close button, or a box that never showed.
    for (auto [antwort, ergebnis] : {std::pair{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO},
                                     {QMessageBox::Cancel, IDNO}, {QMessageBox::Close, IDNO},
                                     {QMessageBox::Abort, IDNO}, {QMessageBox::NoButton, IDNO}}) {
        fake.Antwort = antwort;
        EXPECT_EQ(AskYesNo(std::string("Möchten Sie die vorhandene Datei überschreiben?")), ergebnis) << antwort;
    }
    EXPECT_EQ(fake.Caption, QString::fromUtf8("Bestätigung"));
    EXPECT_EQ(fake.Text, QString::fromUtf8("Möchten Sie die vorhandene Datei überschreiben?"));

    // Without a fake the real message box asks.
    SetJaNeinFrage(nullptr);
    EXPECT_NE(JaNeinFrage(), nullptr);
    AllesNullen();
}

TEST(SetWindowAlpha, SetsTheOpacity)
{
    QWidget w;
    SetWindowAlpha(&w, 240);
    EXPECT_NEAR(w.windowOpacity(), 240 / 255.0, 0.001);
    SetWindowAlpha(nullptr, 100);  // ignored
}

}  // namespace
