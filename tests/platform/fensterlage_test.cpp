// Where windows go and whom a box belongs to: frames kept on the screen,
// windows placed by their frame, dialogs at the same place every time, and
// messages, questions and dialogs above the window that asked. The offscreen
// platform frames its windows with a border of its own, so frames and
// client areas differ here as under a window manager.

#include "platform/dialoge.h"
#include "platform/fensterhilfen.h"
#include "platform/fensterlage.h"
#include "platform/modal.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>
#include <QWindow>

#include <memory>
#include <gtest/gtest.h>

namespace {

QRect Bildschirm()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// A window that the platform has framed, so that its frame is known.
void Gerahmt(QWidget& w)
{
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_NE(w.frameGeometry(), w.geometry()) << "the platform draws no frame";
}

TEST(Fensterlage, AFrameIsMovedOntoTheAreaWithItsTitleBarFirst)
{
    const QRect bereich(0, 0, 1024, 768);
    const std::pair<QRect, QPoint> faelle[] = {
        {{100, 100, 400, 300}, {100, 100}},   // inside: stays
        {{-5, -20, 400, 300}, {0, 0}},        // title bar above the top edge
        {{900, 600, 400, 300}, {624, 468}},   // beyond the right and bottom edges
        {{1023, 767, 1, 1}, {1023, 767}},     // the last pixel is on it
        {{300, 100, 1100, 300}, {0, 100}},    // wider than the area: its left end
        {{100, 500, 400, 900}, {100, 0}},     // higher than the area: its title bar
    };
    for (const auto& [rahmen, ecke] : faelle) {
        const QRect r = AufBildschirm(rahmen, bereich);
        EXPECT_EQ(std::pair(r.topLeft(), r.size()), std::pair(ecke, rahmen.size())) << rahmen.x() << "," << rahmen.y();
    }
    EXPECT_EQ(AufBildschirm(QRect(-50, 10, 100, 100), QRect(20, 30, 500, 400)).topLeft(), QPoint(20, 30));
}

// The first window knows no frame before it is framed: it is placed once
// more when it is. (Placed first in the file: no other window has a frame.)
TEST(Fensterlage, TheFirstWindowIsPlacedAgainWhenItIsFramed)
{
    QWidget fenster;
    fenster.resize(300, 200);
    ASSERT_TRUE(Rahmenbreiten(&fenster).isNull()) << "another window was framed before";
    RahmenVerschieben(&fenster, QPoint(10, 10));
    RahmenVerschieben(&fenster, QPoint(40, 30));
    fenster.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return fenster.frameGeometry().topLeft() == QPoint(40, 30); }, 2000))
        << fenster.frameGeometry().x() << "," << fenster.frameGeometry().y();
    EXPECT_NE(fenster.frameGeometry(), fenster.geometry());

    // A later placement that came first wins over the one still due.
    QWidget zweites;
    zweites.resize(100, 100);
    RahmenVerschieben(&zweites, QPoint(300, 30));
    zweites.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return zweites.frameGeometry().topLeft() == QPoint(300, 30); }, 2000));
}

// A window placed before it was framed keeps the margins it was placed
// with when the window that lent them is gone.
TEST(Fensterlage, AWindowKeepsTheMarginsItWasPlacedWith)
{
    QWidget fenster;
    fenster.resize(120, 90);
    ASSERT_TRUE(Rahmenbreiten(&fenster).isNull()) << "another framed window is still there";
    RahmenVerschieben(&fenster, QPoint(5, 5));  // nothing to reckon with yet
    QMargins rand;
    {
        QWidget leiht;
        leiht.resize(50, 50);
        Gerahmt(leiht);
        rand = Rahmenbreiten(&leiht);
        EXPECT_EQ(Rahmenbreiten(&fenster), rand) << "no margins were a guess, not kept";
        RahmenVerschieben(&fenster, QPoint(33, 44));
    }
    ASSERT_FALSE(rand.isNull());
    EXPECT_EQ(Rahmen(&fenster), QRect(QPoint(33, 44), QSize(120, 90).grownBy(rand)));
}

// The position given is the frame's, before the window is first shown (the
// margins of another framed window stand in) and after.
TEST(Fensterlage, WindowsArePlacedByTheirFrame)
{
    QWidget anderes;
    anderes.resize(200, 100);
    Gerahmt(anderes);
    const QMargins rand = Rahmenbreiten(&anderes);
    ASSERT_FALSE(rand.isNull());

    QWidget fenster;
    fenster.resize(300, 200);
    RahmenVerschieben(&fenster, QPoint(40, 30));
    EXPECT_EQ(Rahmen(&fenster), QRect(QPoint(40, 30), QSize(300, 200).grownBy(rand)));
    Gerahmt(fenster);
    EXPECT_EQ(fenster.frameGeometry().topLeft(), QPoint(40, 30));
    RahmenVerschieben(&fenster, QPoint(70, 50));
    EXPECT_EQ(fenster.frameGeometry().topLeft(), QPoint(70, 50));
    fenster.hide();
    RahmenVerschieben(&fenster, QPoint(10, 20));
    fenster.show();
    EXPECT_EQ(std::pair(fenster.frameGeometry().topLeft(), Rahmen(&fenster)), std::pair(QPoint(10, 20), fenster.frameGeometry()));

    // A maximised window has the frame it has.
    fenster.showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return fenster.isMaximized(); }, 2000));
    EXPECT_EQ(Rahmen(&fenster), fenster.frameGeometry());
    // Hidden, it is reckoned by the margins it was framed with, whatever
    // state it will show in (these set as if it had been framed so).
    QWidget versteckt;
    versteckt.resize(100, 80);
    versteckt.setWindowState(Qt::WindowMaximized);
    versteckt.setProperty("tessaplunRahmenbreiten", QVariant::fromValue(QMargins(1, 9, 1, 1)));
    EXPECT_EQ(Rahmen(&versteckt), versteckt.geometry().marginsAdded(QMargins(1, 9, 1, 1)));
    // Full screen it has no frame at all, whatever margins it had before.
    fenster.showFullScreen();
    ASSERT_TRUE(QTest::qWaitFor([&] { return fenster.geometry() == fenster.screen()->geometry(); }, 2000));
    EXPECT_EQ(Rahmen(&fenster), fenster.frameGeometry());
    fenster.showNormal();

    // A window never sized gets the size that showing it would give it.
    QWidget gefuellt;
    (new QVBoxLayout(&gefuellt))->addWidget(new QLabel(QStringLiteral("Die Einstellungen wurden gespeichert.")));
    RahmenVerschieben(&gefuellt, QPoint(20, 20));
    EXPECT_EQ(gefuellt.size(), gefuellt.sizeHint());

    // Frameless windows have no margins to add.
    QWidget ohne(nullptr, Qt::FramelessWindowHint);
    EXPECT_TRUE(Rahmenbreiten(&ohne).isNull());

    // The widest client area whose frame, from a left edge, ends on the screen.
    const int rechts = Bildschirm().right() + 1;
    EXPECT_EQ(std::tuple(BreiteBisZumRand(&fenster, 100), BreiteBisZumRand(&ohne, 100), BreiteBisZumRand(nullptr, 7)),
              std::tuple(rechts - 100 - rand.left() - rand.right(), rechts - 100, rechts - 7));
}

// Centred by its frame, wholly on the screen, at the same place at every
// opening; one that is up stays where it is.
TEST(Fensterlage, DialogsOpenCentredAndAtTheSamePlaceEveryTime)
{
    QWidget anderes;
    anderes.resize(200, 100);
    Gerahmt(anderes);

    // Owned by a window in the corner, which Qt would centre it over.
    QWidget ecke;
    ecke.setGeometry(10, 10, 100, 80);
    ecke.show();
    QDialog dialog(&ecke);
    dialog.resize(300, 200);
    std::vector<QRect> rahmen;
    for (int i = 0; i < 3; ++i) {
        DialogZeigen(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        rahmen.push_back(dialog.frameGeometry());
        dialog.close();
    }
    EXPECT_EQ(rahmen[1], rahmen[0]);
    EXPECT_EQ(rahmen[2], rahmen[0]);
    const QRect b = Bildschirm();
    EXPECT_EQ(rahmen[0].topLeft(), b.topLeft() + QPoint((b.width() - rahmen[0].width()) / 2,
                                                        (b.height() - rahmen[0].height()) / 2));

    // Opened again while up, it comes to the front with the keyboard and
    // stays where the user moved it.
    DialogZeigen(&dialog);
    anderes.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &anderes; }, 2000));
    DialogZeigen(&dialog);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }, 2000));
    RahmenVerschieben(&dialog, QPoint(5, 5));
    DialogZeigen(&dialog);
    EXPECT_EQ(dialog.frameGeometry().topLeft(), QPoint(5, 5));
    dialog.close();

    // Centred for the size it has when it opens, not when it was armed.
    QDialog wachsend;
    wachsend.resize(200, 100);
    DialogPlatzieren(&wachsend);
    new QLabel(QStringLiteral("Die Einstellungen wurden gespeichert."), &wachsend);
    wachsend.resize(500, 300);
    wachsend.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&wachsend));
    const QRect r = wachsend.frameGeometry();
    EXPECT_EQ(r.topLeft(), b.topLeft() + QPoint((b.width() - r.width()) / 2, (b.height() - r.height()) / 2));
    wachsend.close();

    // Larger than the screen: its title bar and left end stay on it.
    QDialog gross;
    gross.resize(b.width() + 100, b.height() + 100);
    DialogZeigen(&gross);
    EXPECT_EQ(gross.frameGeometry().topLeft(), b.topLeft());
}

// The modal dialog blocks all others: what it asks stands above it. Then the
// asking window, then the active one; hidden windows own nothing.
TEST(Fensterlage, BoxesBelongToTheModalDialogElseTheAskingElseTheActiveWindow)
{
    QWidget haupt, fragend;
    haupt.show();
    fragend.show();
    haupt.activateWindow();
    QApplication::setActiveWindow(&haupt);
    if (QApplication::activeWindow() != &haupt)
        GTEST_SKIP() << "no active window on this platform";
    EXPECT_EQ(Besitzerfenster(), &haupt);
    EXPECT_EQ(Besitzerfenster(&fragend), &fragend);
    auto* kind = new QWidget(&fragend);
    kind->show();
    EXPECT_EQ(Besitzerfenster(kind), &fragend);
    fragend.hide();
    EXPECT_EQ(Besitzerfenster(&fragend), &haupt);

    QDialog oben;
    oben.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    oben.setModal(true);
    oben.show();
    EXPECT_EQ(Besitzerfenster(&haupt), &oben);
    // The real boxes, the message and the question, which also stay on top
    // themselves: no other stay-on-top window covers them.
    const auto meldung = MeldungsBox(QStringLiteral("Die Einstellungen wurden gespeichert."));
    const auto frage = FrageBox(QStringLiteral("Bestätigung"), QStringLiteral("Speichern?"));
    for (const QMessageBox* box : {meldung.get(), frage.get()}) {
        EXPECT_EQ(box->parentWidget(), &oben);
        EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint);
    }
    EXPECT_EQ(frage->escapeButton(), frage->button(QMessageBox::No));
    oben.hide();
    EXPECT_EQ(MeldungsBox(QString())->parentWidget(), &haupt);
}

// A window that stays unframed while its frame is awaited (here: made
// frameless after it was placed) gets its events all the same.
TEST(Fensterlage, AWindowAwaitingItsFrameGetsItsEvents)
{
    struct Zaehler : QWidget {
        int Bilder = 0;
        void paintEvent(QPaintEvent*) override { ++Bilder; }
    } fenster;
    fenster.resize(100, 80);
    RahmenVerschieben(&fenster, QPoint(30, 30));
    fenster.setWindowFlag(Qt::FramelessWindowHint, true);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    fenster.Bilder = 0;
    fenster.repaint();
    EXPECT_EQ(fenster.Bilder, 1);
}

// A dialog shown for a window stays above it: transient for it.
TEST(Fensterlage, ADialogShownForAWindowIsTransientForIt)
{
    QWidget tabelle;
    tabelle.show();
    QDialog dialog;
    QWidget* feld = new QWidget(&tabelle);
    DialogZeigen(&dialog, feld);
    ASSERT_NE(dialog.windowHandle(), nullptr);
    EXPECT_EQ(dialog.windowHandle()->transientParent(), tabelle.windowHandle());
    EXPECT_TRUE(dialog.isVisible());
    dialog.close();
    // Also for a window not yet shown.
    QWidget spaeter;
    DialogZeigen(&dialog, &spaeter);
    ASSERT_NE(spaeter.windowHandle(), nullptr);
    EXPECT_EQ(dialog.windowHandle()->transientParent(), spaeter.windowHandle());
    dialog.close();
}

// A dialog made just before it is shown gets its native window at its own
// size: made at Qt's default size, a busy window manager mapped it so and
// kept it there, off its centred place.
TEST(Fensterlage, ADialogMadeJustNowGetsItsWindowAtItsOwnSize)
{
    struct TBeimAnlegen : QObject {
        QSize Groesse;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            if (e->type() == QEvent::WinIdChange && Groesse.isEmpty())
                Groesse = static_cast<QWidget*>(o)->size();
            return false;
        }
    } beimAnlegen;
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Kopieren")));
    dialog.installEventFilter(&beimAnlegen);
    DialogZeigen(&dialog, nullptr);
    EXPECT_EQ(beimAnlegen.Groesse, dialog.sizeHint());
    EXPECT_EQ(dialog.size(), dialog.sizeHint());
    dialog.close();
}

}  // namespace

// A box of a short text is as wide as its title bar needs: narrower, the
// window manager shortens "Tessaplun 8" to "T… 8". A long text keeps the
// box's own width.
TEST(Fensterlage, ABoxOfAShortTextShowsItsTitleWhole)
{
    const QString lang(400, QLatin1Char('x'));
    const auto kurz = MeldungsBox(QStringLiteral("OK"));
    const auto frage = FrageBox(QStringLiteral("Bestätigung der Löschung aller Punkte"), QStringLiteral("Ja?"));
    const auto weit = MeldungsBox(lang);
    for (QMessageBox* box : {kurz.get(), frage.get(), weit.get()}) {
        box->show();
        EXPECT_GE(box->width(), TitelleistenBreite(box->windowTitle())) << box->windowTitle().toStdString();
        box->hide();
    }
    EXPECT_GT(TitelleistenBreite(frage->windowTitle()), TitelleistenBreite(kurz->windowTitle()));
    EXPECT_GT(weit->width(), TitelleistenBreite(weit->windowTitle()));
}

// A window never framed reckons with the margins of a window of its own
// kind, else of one that is a tool window as it is or is not: window
// managers frame tool windows thinner. (The margins are set as if the
// windows had been framed so; the platform here frames all kinds alike.)
TEST(Fensterlage, AWindowNeverFramedTakesTheMarginsOfItsOwnKind)
{
    const auto gesehen = [](QWidget& w, int rand) { w.setProperty("tessaplunRahmenbreiten", QVariant::fromValue(QMargins(rand, rand, rand, rand))); };
    const auto werkzeug = std::make_unique<QWidget>(nullptr, Qt::Tool);
    gesehen(*werkzeug, 1);
    std::vector<std::unique_ptr<QWidget>> fenster;
    for (int i = 0; i < 12; ++i) {
        fenster.push_back(std::make_unique<QWidget>());
        gesehen(*fenster.back(), 5);
    }
    QDialog dialog;
    gesehen(dialog, 3);
    EXPECT_EQ(Rahmenbreiten(&dialog), QMargins(3, 3, 3, 3)) << "its own margins";
    QDialog neuerDialog;
    EXPECT_EQ(Rahmenbreiten(&neuerDialog), QMargins(3, 3, 3, 3));
    QWidget neuesWerkzeug(nullptr, Qt::Tool);
    EXPECT_EQ(Rahmenbreiten(&neuesWerkzeug), QMargins(1, 1, 1, 1));
    QWidget schublade(nullptr, Qt::Drawer);
    EXPECT_NE(Rahmenbreiten(&schublade), QMargins(1, 1, 1, 1)) << "not a tool window's";
    EXPECT_EQ(Rahmen(&neuerDialog), neuerDialog.geometry().marginsAdded(QMargins(3, 3, 3, 3)));
}
