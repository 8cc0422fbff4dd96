#pragma once
// A started program for the window tests: a settings folder of its own, the
// modal parts replaced by fakes, every window created in its order, and all
// of it taken down again after each test.

#include "engine/einstellungen.h"
#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "main/form1.h"
#include "main/programm.h"
#include "main/verbindungen.h"
#include "tools/wertetabelle_fenster.h"
#include "platform/dialoge.h"
#include "platform/einstellungsordner.h"
#include "platform/fensterhilfen.h"
#include "platform/sprache.h"

#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Readable failure messages for texts, also inside tuples.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

struct FakeFrage : TJaNeinFrage {
    QMessageBox::StandardButton Antwort = QMessageBox::No;
    std::vector<QString> Fragen;
    QMessageBox::StandardButton Frage(const QString&, const QString& text) override
    {
        Fragen.push_back(text);
        return Antwort;
    }
};

struct FakeMeldung : TMeldung {
    std::vector<QString> Meldungen;
    void Zeige(const QString& text) override { Meldungen.push_back(text); }
};

struct FakeFarbDialog : TFarbDialog {
    std::optional<TColor> Antwort;
    std::vector<TColor> Vorgaben;
    std::optional<TColor> Waehle(TColor vorgabe) override
    {
        Vorgaben.push_back(vorgabe);
        return Antwort;
    }
};

// The offscreen platform says for every window that it cannot do some
// things (opacity, raising); that is expected here and only clutters the log.
inline QtMessageHandler UebrigeMeldungen = nullptr;
inline void StilleMeldungen(QtMsgType typ, const QMessageLogContext& ort, const QString& text)
{
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (UebrigeMeldungen)
        UebrigeMeldungen(typ, ort, text);
}

inline void DateiSchreiben(const QString& pfad, const QByteArray& daten)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(daten), daten.size());
}

class ProgrammTest : public ::testing::Test {
protected:
    QtMessageHandler VorherigeMeldungen = nullptr;

    QTemporaryDir Konfig;
    FakeFrage Frage;
    FakeMeldung Meldung;
    FakeFarbDialog FarbDialog;

    void SetUp() override
    {
        VorherigeMeldungen = qInstallMessageHandler(StilleMeldungen);
        UebrigeMeldungen = VorherigeMeldungen;
        ASSERT_TRUE(Konfig.isValid());
        setenv("XDG_CONFIG_HOME", Konfig.path().toLocal8Bit().constData(), 1);
        SetJaNeinFrage(&Frage);
        SetMeldung(&Meldung);
        SetFarbDialog(&FarbDialog);
    }

    void TearDown() override
    {
        ProgrammBeenden();  // also after a test that ended the program itself
        SetJaNeinFrage(nullptr);
        SetMeldung(nullptr);
        SetFarbDialog(nullptr);
        unsetenv("XDG_CONFIG_HOME");
        qInstallMessageHandler(VorherigeMeldungen);
    }

    // The tool windows, the overview and the help dialogs too, which the
    // program makes when first opened: the tests reach into them from the start.
    static void Starten(const std::vector<std::string>& parameter = {})
    {
        ProgrammStarten(parameter);
        SpaeteFensterAnlegen();
    }

    static QByteArray Kodiert(const TEinstellungen& e)
    {
        const auto bytes = EncodeEinstellungen(e);
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    }

    // Writes raw bytes as the settings file.
    static void EinstellungsdateiSchreiben(const QByteArray& daten)
    {
        ASSERT_TRUE(QDir().mkpath(Einstellungsordner()));
        DateiSchreiben(Einstellungsdatei(), daten);
    }

    static void EinstellungenSchreiben(const TEinstellungen& e) { EinstellungsdateiSchreiben(Kodiert(e)); }
};

// A program started afresh for each test.
class GestartetTest : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        Starten();
    }
};

// Function slot n of the document.
inline TFunktion& F(int n)
{
    return *Funktionen[static_cast<std::size_t>(n)];
}

// Makes `w` the active window; false where the platform has none.
inline bool Aktivieren(QWidget* w)
{
    w->show();
    w->activateWindow();
    QApplication::setActiveWindow(w);
    return QApplication::activeWindow() == w;
}

inline QByteArray DateiLesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The settings file as the program wrote it.
inline TEinstellungen GespeicherteEinstellungen()
{
    const QByteArray b = DateiLesen(Einstellungsdatei());
    const auto e = DecodeEinstellungen(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(b.constData()),
                                                                     static_cast<std::size_t>(b.size())));
    EXPECT_TRUE(e.has_value()) << "a settings file of " << b.size() << " bytes";
    return e.value_or(TEinstellungen{});
}

// Chooses function n in the main window, as typing "n." into its list does.
inline void FunktionWaehlen(int n)
{
    Form1->ComboBox1->setEditText(QString::number(n) + QLatin1Char('.'));
    Form1->ComboBox1Change();
}

// Qt's own texts follow the language (here the Yes button of a question).
inline QString JaKnopf()
{
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text();
}

// The graph window's picture as it is on the screen. Tests that must see
// that a change was drawn compare it before and after: this is the one
// place that knows how a redraw reaches the screen.
inline QImage GraphenBild()
{
    return Graphik->PaintBox1->Front().copy();
}

inline QString LabelText(QWidget* fenster, const char* name)
{
    auto* l = fenster->findChild<QLabel*>(QString::fromLatin1(name));
    return l ? l->text() : QStringLiteral("<missing>");
}
