// The real dialogs behind the fakes the other tests install: each really
// opens as a modal window above the window that was active, shows what it
// was given, and its answer comes back. A timer inside the dialog's own
// event loop finds the open dialog, reads it and answers it.
#include "engine/tabellen.h"
#include "platform/dateidialog.h"
#include "platform/dialoge.h"
#include "platform/fensterhilfen.h"
#include "platform/modal.h"
#include "platform/schriftdialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Hands the next modal dialog to `antwort` from inside the dialog's event
// loop, once, and closes it should the answer have left it open. When the
// code under test opens no dialog, the timer never runs and Gesehen stays
// false.
class ModalAntwort {
public:
    explicit ModalAntwort(std::function<void(QWidget*)> antwort) : FAntwort(std::move(antwort))
    {
        FTimer.setInterval(0);
        QObject::connect(&FTimer, &QTimer::timeout, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w) {
                if (++FRunden > 10000)
                    FTimer.stop();
                return;
            }
            FTimer.stop();
            Gesehen = true;
            FAntwort(w);
            if (QApplication::activeModalWidget() == w)
                if (auto* d = qobject_cast<QDialog*>(w))
                    d->reject();
        });
        FTimer.start();
    }
    bool Gesehen = false;

private:
    std::function<void(QWidget*)> FAntwort;
    QTimer FTimer;
    int FRunden = 0;
};

// A shown, active top-level window, the one a dialog should stand above.
struct AktivesFenster {
    QWidget Fenster;
    AktivesFenster()
    {
        Fenster.setWindowTitle(QStringLiteral("Fragender"));
        Fenster.resize(200, 100);
        Fenster.show();
        Aktivieren();
    }
    // Activation does not come back by itself when a box closes here, as
    // there is no window manager to hand it back.
    void Aktivieren()
    {
        Fenster.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Fenster));
    }
};

QStringList Knopftexte(const QMessageBox* box)
{
    QStringList r;
    for (const QAbstractButton* b : box->buttons())
        r << b->text();
    return r;
}

TEST(EchteDialoge, TheMessageBoxShowsTheTextWithTheProgramsTitleAboveTheActiveWindow)
{
    AktivesFenster f;
    SetMeldung(nullptr);
    struct {
        QString Titel, Text;
        QMessageBox::Icon Symbol = QMessageBox::Critical;
        QStringList Knoepfe;
        QWidget* Eltern = nullptr;
    } gelesen;
    ModalAntwort antwort([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        gelesen = {box->windowTitle(), box->text(), box->icon(), Knopftexte(box), box->parentWidget()};
        EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint);
        ASSERT_NE(box->button(QMessageBox::Ok), nullptr);
        box->button(QMessageBox::Ok)->click();
    });
    ShowMessage(std::string("Die Datei wurde nicht gefunden.\n/tmp/Übung.kvd"));
    ASSERT_TRUE(antwort.Gesehen) << "no message box appeared";
    EXPECT_EQ(gelesen.Titel, QStringLiteral("Tessaplun 8"));
    EXPECT_EQ(gelesen.Text, QString::fromUtf8("Die Datei wurde nicht gefunden.\n/tmp/Übung.kvd"));
    EXPECT_EQ(gelesen.Symbol, QMessageBox::NoIcon);
    EXPECT_EQ(gelesen.Knoepfe.size(), 1);
    EXPECT_EQ(gelesen.Eltern, &f.Fenster);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The question: Yes and No, Yes the default (Enter) and No the Escape
// button; the title bar's close button of a box with an Escape button
// answers with that button too.
TEST(EchteDialoge, TheQuestionAsksAboveTheActiveWindowAndOnlyYesIsYes)
{
    AktivesFenster f;
    SetJaNeinFrage(nullptr);
    Texte[328] = "Bestätigung";
    struct Fall {
        const char* Name;
        std::function<void(QMessageBox*)> Antwort;
        int Ergebnis;
    };
    const Fall faelle[] = {
        {"Yes", [](QMessageBox* b) { b->button(QMessageBox::Yes)->click(); }, IDYES},
        {"No", [](QMessageBox* b) { b->button(QMessageBox::No)->click(); }, IDNO},
        {"Enter", [](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Return); }, IDYES},
        {"Escape", [](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Escape); }, IDNO},
        {"close", [](QMessageBox* b) { b->close(); }, IDNO},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.Name);
        f.Aktivieren();
        QMessageBox* gesehen = nullptr;
        ModalAntwort antwort([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            gesehen = box;
            EXPECT_EQ(box->windowTitle(), QString::fromUtf8("Bestätigung"));
            EXPECT_EQ(box->text(), QString::fromUtf8("Überschreiben?"));
            EXPECT_EQ(box->icon(), QMessageBox::Question);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
            EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::No));
            EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint);
            EXPECT_EQ(box->parentWidget(), &f.Fenster);
            fall.Antwort(box);
        });
        EXPECT_EQ(AskYesNo("Überschreiben?"), fall.Ergebnis);
        EXPECT_TRUE(antwort.Gesehen && gesehen);
    }
    AllesNullen();
}

TEST(EchteDialoge, TheColourDialogStartsAtThePresetAndGivesTheChosenColourOrNothing)
{
    AktivesFenster f;
    SetFarbDialog(nullptr);
    for (const bool ok : {true, false}) {
        f.Aktivieren();
        QColor vorgabe;
        QWidget* eltern = nullptr;
        bool eigener = false;
        ModalAntwort antwort([&](QWidget* w) {
            auto* d = qobject_cast<QColorDialog*>(w);
            ASSERT_NE(d, nullptr);
            std::tie(vorgabe, eltern, eigener) =
                std::tuple(d->currentColor(), d->parentWidget(), d->testOption(QColorDialog::DontUseNativeDialog));
            EXPECT_TRUE(d->windowFlags() & Qt::WindowStaysOnTopHint);
            d->setCurrentColor(QColor(10, 20, 30));
            ok ? d->accept() : d->reject();
        });
        const std::optional<TColor> c = WaehleFarbe(RGB(200, 100, 50));
        ASSERT_TRUE(antwort.Gesehen);
        EXPECT_EQ(vorgabe, QColor(200, 100, 50));
        EXPECT_EQ(eltern, &f.Fenster);
        EXPECT_TRUE(eigener);
        EXPECT_EQ(c, ok ? std::optional<TColor>(RGB(10, 20, 30)) : std::nullopt);
    }
}

TEST(EchteDialoge, TheFontDialogStartsAtThePresetAndGivesTheConfirmedFontOrNothing)
{
    AktivesFenster f;
    SetSchriftDialog(nullptr);
    const TFont vorgabe{QStringLiteral("DejaVu Sans"), 13, RGB(1, 2, 3), fsItalic};
    for (const bool ok : {true, false}) {
        f.Aktivieren();
        QWidget* eltern = nullptr;
        TFont angezeigt;
        ModalAntwort antwort([&](QWidget* w) {
            auto* d = qobject_cast<TSchriftAuswahl*>(w);
            ASSERT_NE(d, nullptr);
            std::tie(eltern, angezeigt) = std::tuple(d->parentWidget(), d->Ergebnis());
            QFont neu = d->Schrift->currentFont();
            neu.setPointSize(21);
            d->Schrift->setCurrentFont(neu);
            // The window's own buttons, not those of the embedded dialog.
            auto* knoepfe = d->findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
            ASSERT_NE(knoepfe, nullptr);
            knoepfe->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
        const std::optional<TFont> s = WaehleSchrift(vorgabe);
        ASSERT_TRUE(antwort.Gesehen);
        EXPECT_EQ(eltern, &f.Fenster);
        EXPECT_EQ(angezeigt, vorgabe);
        ASSERT_EQ(s.has_value(), ok);
        if (ok) {
            EXPECT_EQ(std::tuple(s->Name, s->Size, s->Style, s->Color), std::tuple(vorgabe.Name, 21, fsItalic, vorgabe.Color));
        }
    }
}

// The font dialog's own window: a changed style is the user's, and the
// colour button shows the colour in force.
TEST(EchteDialoge, TheFontDialogReportsWhatTheUserChanged)
{
    struct Fall {
        bool Fett, Kursiv, Unterstrichen, Durchgestrichen;
        int Stil;
    };
    for (const Fall& fall : {Fall{true, false, true, false, fsBold | fsUnderline},
                             Fall{false, true, false, true, fsItalic | fsStrikeOut}, Fall{true, true, false, false, fsBold | fsItalic}}) {
        TSchriftAuswahl d;
        d.Setzen(TFont{QStringLiteral("DejaVu Serif"), 10, clRed, 0});
        QFont neu(QStringLiteral("DejaVu Serif"), 10);
        neu.setBold(fall.Fett);
        neu.setItalic(fall.Kursiv);
        neu.setUnderline(fall.Unterstrichen);
        neu.setStrikeOut(fall.Durchgestrichen);
        d.Schrift->setCurrentFont(neu);
        EXPECT_EQ(d.Ergebnis().Style, fall.Stil);
    }
    // Another size of the face shown keeps the preset's name (a face the
    // system lacks is shown as another); another face is given by its own.
    {
        TSchriftAuswahl d;
        d.Setzen(TFont{QStringLiteral("Tahoma"), 10, clRed, 0});
        QFont groesser = d.Schrift->currentFont();
        groesser.setPointSize(17);
        d.Schrift->setCurrentFont(groesser);
        EXPECT_EQ(std::tuple(d.Ergebnis().Name, d.Ergebnis().Size, d.Ergebnis().Color), std::tuple(QStringLiteral("Tahoma"), 17, clRed));
        d.Schrift->setCurrentFont(QFont(QStringLiteral("DejaVu Serif"), 12));
        EXPECT_EQ(std::pair(d.Ergebnis().Name, d.Ergebnis().Size), std::pair(QStringLiteral("DejaVu Serif"), 12));
    }
    // The colour button's caption in the language in force, or a German
    // one without a language.
    Texte[147] = "Colour...";
    EXPECT_EQ(TSchriftAuswahl().FarbKnopf->text(), QStringLiteral("Colour..."));
    Texte[147].clear();
    // The dialog shows the preset's style.
    for (const std::uint8_t stil : {std::uint8_t(fsBold | fsUnderline), std::uint8_t(fsItalic | fsStrikeOut)}) {
        TSchriftAuswahl s;
        s.Setzen(TFont{QStringLiteral("DejaVu Serif"), 15, clRed, stil});
        const QFont f = s.Schrift->currentFont();
        EXPECT_EQ(std::tuple(f.bold(), f.italic(), f.underline(), f.strikeOut(), f.pointSize()),
                  std::tuple((stil & fsBold) != 0, (stil & fsItalic) != 0, (stil & fsUnderline) != 0, (stil & fsStrikeOut) != 0, 15))
            << int(stil);
    }
    TSchriftAuswahl d;
    EXPECT_EQ(d.FarbKnopf->text(), QStringLiteral("Farbe"));
    // Qt's font dialog is embedded without buttons of its own: the window
    // has one OK and one Cancel.
    EXPECT_TRUE(d.Schrift->testOption(QFontDialog::NoButtons) && d.Schrift->testOption(QFontDialog::DontUseNativeDialog));
    EXPECT_FALSE(d.Schrift->isWindow());
    EXPECT_EQ(d.findChildren<QDialogButtonBox*>().size(), d.Schrift->findChildren<QDialogButtonBox*>().size() + 1);
    // Below the embedded dialog the row of the colour button and the
    // dialog's own buttons.
    ASSERT_NE(d.layout(), nullptr);
    ASSERT_EQ(d.layout()->count(), 2);
    EXPECT_EQ(d.layout()->itemAt(0)->widget(), d.Schrift);
    ASSERT_NE(d.layout()->itemAt(1)->layout(), nullptr);
    EXPECT_GE(d.layout()->itemAt(1)->layout()->indexOf(d.FarbKnopf), 0);
    EXPECT_EQ(d.objectName(), QStringLiteral("FontDialog1"));
    EXPECT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(d.FarbKnopf->objectName(), QStringLiteral("FarbKnopf"));
    const auto knopfFarbe = [&] { return d.FarbKnopf->icon().pixmap(24, 12).toImage().pixelColor(5, 5); };
    EXPECT_EQ(knopfFarbe(), QColor(Qt::black));
    d.Setzen(TFont{QStringLiteral("DejaVu Serif"), 10, clRed, 0});
    EXPECT_EQ(knopfFarbe(), QColor(Qt::red));
}

TEST(EchteDialoge, ShowModalRunsTheDialogsOwnLoopAndGivesItsResult)
{
    SetModalAnzeige(nullptr);
    QDialog dialog;
    ModalAntwort antwort([&](QWidget* w) {
        EXPECT_EQ(w, &dialog);
        dialog.done(42);
    });
    EXPECT_EQ(ShowModal(dialog), 42);
    EXPECT_TRUE(antwort.Gesehen);
}

// Save and open: Qt's own dialog, starting in the folder of the file last
// chosen in either of them, with the document filter; the program asks
// about overwriting itself.
TEST(EchteDialoge, TheFileDialogsStartInTheLastFolderAndGiveTheChosenPath)
{
    AktivesFenster f;
    SetDateiDialog(nullptr);
    QTemporaryDir a, b;
    ASSERT_TRUE(a.isValid() && b.isValid());
    struct Gelesen {
        QString Ordner;
        QStringList Filter;
        QFileDialog::AcceptMode Art = QFileDialog::AcceptOpen;
        QFileDialog::FileMode Modus = QFileDialog::Directory;
        bool Eigener = false, OhneUeberschreibFrage = false, ObenAuf = false;
        QWidget* Eltern = nullptr;
    };
    const auto antworte = [](Gelesen& g, const QString& datei) {
        return [&g, datei](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(d, nullptr);
            g = {QDir(d->directory()).canonicalPath(), d->nameFilters(), d->acceptMode(), d->fileMode(),
                 d->testOption(QFileDialog::DontUseNativeDialog), d->testOption(QFileDialog::DontConfirmOverwrite),
                 bool(d->windowFlags() & Qt::WindowStaysOnTopHint), d->parentWidget()};
            if (datei.isEmpty()) {
                d->reject();
            } else {
                d->selectFile(datei);
                QMetaObject::invokeMethod(d, "accept");
            }
        };
    };
    // Saving into folder a.
    const QString neu = a.filePath(QStringLiteral("neu.kvd"));
    Gelesen g;
    {
        ModalAntwort antwort(antworte(g, neu));
        EXPECT_EQ(SaveDialog1(&f.Fenster), std::optional<QString>(neu));
        ASSERT_TRUE(antwort.Gesehen);
    }
    EXPECT_EQ(g.Filter, QStringList{QStringLiteral("Tessaplun (*.kvd *.KVD)")});
    EXPECT_EQ(std::tuple(g.Art, g.Modus, g.Eigener, g.OhneUeberschreibFrage, g.ObenAuf, g.Eltern),
              std::tuple(QFileDialog::AcceptSave, QFileDialog::AnyFile, true, true, true, &f.Fenster));
    // Opening starts in a, and a file chosen in b makes b the start.
    QFile vorhanden(b.filePath(QStringLiteral("alt.KVD")));
    ASSERT_TRUE(vorhanden.open(QIODevice::WriteOnly));
    vorhanden.close();
    {
        ModalAntwort antwort(antworte(g, vorhanden.fileName()));
        EXPECT_EQ(OpenDialog1(&f.Fenster), std::optional<QString>(vorhanden.fileName()));
        ASSERT_TRUE(antwort.Gesehen);
    }
    EXPECT_EQ(g.Ordner, QDir(a.path()).canonicalPath());
    EXPECT_EQ(std::tuple(g.Filter, g.Art, g.Modus, g.Eigener, g.OhneUeberschreibFrage, g.ObenAuf, g.Eltern),
              std::tuple(QStringList{QStringLiteral("Tessaplun (*.kvd *.KVD)")}, QFileDialog::AcceptOpen, QFileDialog::ExistingFile,
                         true, false, true, &f.Fenster));
    // Cancelled: nothing chosen, and the start folder stays b.
    for (auto* dialog : {&SaveDialog1, &OpenDialog1}) {
        ModalAntwort antwort(antworte(g, QString()));
        EXPECT_EQ(dialog(&f.Fenster), std::nullopt);
        ASSERT_TRUE(antwort.Gesehen);
        EXPECT_EQ(g.Ordner, QDir(b.path()).canonicalPath());
    }

    // An exported table: the save dialog proposes its name in the same
    // folder, with the table's filter, and a choice moves the folder.
    QTemporaryDir c;
    QString vorgeschlagen;
    {
        ModalAntwort antwort([&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(d, nullptr);
            const QStringList gewaehlt = d->selectedFiles();
            vorgeschlagen = gewaehlt.isEmpty() ? QString() : gewaehlt.front();
            g.Filter = d->nameFilters();
            g.Art = d->acceptMode();
            d->selectFile(c.filePath(QStringLiteral("tabelle.xlsx")));
            QMetaObject::invokeMethod(d, "accept");
        });
        EXPECT_EQ(ExportSpeichernDialog(&f.Fenster, QStringLiteral("Wertetabelle.xlsx"), QStringLiteral("Excel (*.xlsx)")),
                  std::optional<QString>(c.filePath(QStringLiteral("tabelle.xlsx"))));
        ASSERT_TRUE(antwort.Gesehen);
    }
    EXPECT_EQ(QFileInfo(vorgeschlagen).fileName(), QStringLiteral("Wertetabelle.xlsx"));
    EXPECT_EQ(QFileInfo(vorgeschlagen).absoluteDir().canonicalPath(), QDir(b.path()).canonicalPath());
    EXPECT_EQ(std::tuple(g.Filter, g.Art), std::tuple(QStringList{QStringLiteral("Excel (*.xlsx)")}, QFileDialog::AcceptSave));
    {
        ModalAntwort antwort(antworte(g, QString()));
        EXPECT_EQ(OpenDialog1(&f.Fenster), std::nullopt);
        ASSERT_TRUE(antwort.Gesehen);
    }
    EXPECT_EQ(g.Ordner, QDir(c.path()).canonicalPath());
}

}  // namespace
