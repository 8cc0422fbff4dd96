// What the start shows: the splash window's pictures and title, the main
// window's tool bar, the keyboard in the equation, and the graph window's
// status bar ready for its tool.

#include "programm_fixture.h"

#include "main/splash.h"
#include "platform/statusleiste.h"

#include "main/einstell_dlg.h"
#include "main/hotkey_dlg.h"
#include "main/info_dlg.h"
#include "main/tasten_dlg.h"

#include <QFontInfo>
#include <QGridLayout>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

namespace {

using StartAnsicht = GestartetTest;

TEST_F(StartAnsicht, SplashShowsItsFirstPictureWholeAndTheNameLarge)
{
    ASSERT_NE(splashscreen, nullptr);
    const Tsplashscreen* s = splashscreen;
    EXPECT_TRUE(s->Image2->isVisibleTo(const_cast<Tsplashscreen*>(s)));
    EXPECT_FALSE(s->Image3->isVisibleTo(const_cast<Tsplashscreen*>(s)));
    // The second picture takes the first one's place when it shows.
    EXPECT_EQ(s->Image3->geometry(), s->Image2->geometry());
    EXPECT_TRUE(s->rect().contains(s->Image2->geometry()));
    EXPECT_GE(s->Image2->width(), s->Image2->pixmap().width());
    auto* name = s->findChild<QLabel*>(QStringLiteral("Label1"));
    auto* zeile = s->findChild<QLabel*>(QStringLiteral("Label2"));
    ASSERT_TRUE(name && zeile);
    EXPECT_GT(QFontInfo(name->font()).pixelSize(), 2 * QFontInfo(zeile->font()).pixelSize());
    EXPECT_TRUE(name->font().bold());
    auto* version = s->findChild<QLabel*>(QStringLiteral("Label3"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->font().pointSize(), 8);
    // On white.
    EXPECT_EQ(splashscreen->grab().toImage().pixelColor(2, s->height() - 3), QColor(Qt::white));
    // Its fading schedule runs from the start, nearly opaque.
    EXPECT_TRUE(s->Timer1->isActive());
    EXPECT_EQ(s->Zaehler, 0);
    EXPECT_NEAR(s->windowOpacity(), 250.0 / 255.0, 0.003);
}

// The second picture shows from the tenth tick to the nineteenth.
TEST_F(StartAnsicht, SplashShowsItsSecondPictureForTenTicks)
{
    Tsplashscreen* s = splashscreen;
    ASSERT_NE(s, nullptr);
    s->Timer1->stop();
    std::vector<int> gezeigt;
    while (s->Zaehler < 30) {
        s->Timer1Timer();
        if (s->Image3->isVisibleTo(s))
            gezeigt.push_back(s->Zaehler);
    }
    EXPECT_EQ(gezeigt, (std::vector<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
}

// The tool bar's buttons stand flat side by side from the left edge.
TEST_F(StartAnsicht, ToolBarButtonsStandSideBySideFromTheLeft)
{
    const QToolButton* reihe[] = {Form1->SpeedButton14, Form1->SpeedButton3, Form1->SpeedButton16, Form1->SpeedButton1,
                                  Form1->SpeedButton2,  Form1->SpeedButton4, Form1->SpeedButton5};
    EXPECT_EQ(reihe[0]->x(), 0);
    for (std::size_t i = 1; i < std::size(reihe); ++i)
        EXPECT_EQ(reihe[i]->x(), reihe[i - 1]->geometry().right() + 1) << reihe[i]->objectName().toStdString();
    for (const QToolButton* b : reihe)
        EXPECT_TRUE(b->autoRaise()) << b->objectName().toStdString();
    EXPECT_LT(reihe[6]->geometry().right(), reihe[6]->parentWidget()->width() - 1);
}

// The main window keeps its size: it cannot be made smaller, nor larger but
// for the one pixel of width that lets a window manager offer maximising.
TEST_F(StartAnsicht, TheMainWindowKeepsItsSize)
{
    const QSize groesse = Form1->size();
    Form1->resize(groesse / 2);
    EXPECT_EQ(Form1->size(), groesse);
    Form1->resize(groesse + QSize(300, 300));
    EXPECT_EQ(Form1->size(), groesse + QSize(1, 0));
}

// Whenever the main window comes up, the keyboard is in the equation.
TEST_F(StartAnsicht, TheMainWindowComesUpWithTheKeyboardInTheEquation)
{
    Form1->hide();
    Form1->Evonx->setFocus();
    Form1->show();
    EXPECT_EQ(Form1->focusWidget(), static_cast<QWidget*>(Form1->Edit1));
    EXPECT_EQ(Form1->Edit1->cursorPosition(), Form1->Edit1->text().size());
}

// The status bar's first panel is set up for the origin tool from the start.
TEST_F(StartAnsicht, StatusBarIsReadyForTheToolFromTheStart)
{
    EXPECT_FALSE(Graphik->StatusErneuern);
    EXPECT_EQ(Graphik->StatusBar1->Panels[0].Width, 90);
}

// The menu bar's overflow menu is Qt's own and has neither title nor name.
bool QtEigenesMenue(const QWidget* w)
{
    return qobject_cast<const QMenuBar*>(w->parentWidget()) && static_cast<const QMenu*>(w)->title().isEmpty();
}

// Every control of the main window and of its dialogs carries its name, by
// which the caption table and the tests find it; so does every menu item.
TEST_F(StartAnsicht, EveryControlAndMenuItemIsNamed)
{
    std::string namenlos;
    for (QWidget* fenster : std::initializer_list<QWidget*>{Form1, EinstellDlg, HotkeyDlg, TastenDlg, AboutBox, TippsDlg}) {
        if (fenster->objectName().isEmpty())
            namenlos += std::string(" a window: ") + fenster->metaObject()->className();
        for (QWidget* w : fenster->findChildren<QWidget*>()) {
            const bool steuerung = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                                   qobject_cast<QComboBox*>(w) || qobject_cast<QGroupBox*>(w) ||
                                   qobject_cast<QSlider*>(w) ||
                                   (qobject_cast<QMenu*>(w) && !QtEigenesMenue(w));
            if (steuerung && w->objectName().isEmpty() && !qobject_cast<QLineEdit*>(w->parentWidget()) &&
                !qobject_cast<QComboBox*>(w->parentWidget()))
                namenlos += " " + fenster->objectName().toStdString() + ":" + w->metaObject()->className();
        }
    }
    for (QAction* a : Form1->findChildren<QAction*>())
        if (!a->isSeparator() && !a->menu() && !a->text().isEmpty() && a->objectName().isEmpty())
            namenlos += " action '" + a->text().toStdString() + "'";
    EXPECT_EQ(namenlos, "");
}

// More examples on the web stand apart from the examples in their menu.
TEST_F(StartAnsicht, TheWebLinkOfTheExamplesStandsApart)
{
    const QList<QAction*> eintraege = Form1->Autor1->associatedObjects().isEmpty()
                                          ? QList<QAction*>()
                                          : qobject_cast<QMenu*>(Form1->Autor1->associatedObjects().first())->actions();
    const qsizetype i = eintraege.indexOf(Form1->Autor1);
    ASSERT_GT(i, 0);
    EXPECT_TRUE(eintraege[i - 1]->isSeparator());
}

// Whether a layout (or one nested in it) places the widget.
bool Gelegt(QLayout* layout, const QWidget* w)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* eintrag = layout->itemAt(i);
        if (eintrag->widget() == w || (eintrag->layout() && Gelegt(eintrag->layout(), w)))
            return true;
    }
    return false;
}

// Every control of the main window and its dialogs is placed by the layout
// of the box, page or window it sits in, inside that box: one left out would
// lie over the box's title or another control at the corner.
TEST_F(StartAnsicht, EveryControlOfTheDialogsLiesInsideItsBox)
{
    std::string daneben;
    for (QWidget* fenster : std::initializer_list<QWidget*>{Form1, EinstellDlg, HotkeyDlg, TastenDlg, AboutBox, TippsDlg}) {
        fenster->show();
        for (QWidget* w : fenster->findChildren<QWidget*>()) {
            QWidget* box = w->parentWidget();
            const bool steuerung = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) ||
                                   qobject_cast<QLineEdit*>(w) || qobject_cast<QGroupBox*>(w);
            if (!steuerung || w->isHidden() || !box->layout() || qobject_cast<QLineEdit*>(box) ||
                qobject_cast<QComboBox*>(box))
                continue;
            if (!Gelegt(box->layout(), w) || !box->contentsRect().contains(w->geometry()))
                daneben += " " + fenster->objectName().toStdString() + ":" + w->objectName().toStdString() + "(" +
                           w->metaObject()->className() + ")";
        }
        if (fenster != Form1)
            fenster->hide();
    }
    EXPECT_EQ(daneben, "");
}

// The boxes of the main window that place their controls by hand: each
// control lies inside its box, clear of the box's title, and none lies over
// another, for a function as for a family. The window keeps
// its title in either language.
TEST_F(StartAnsicht, NoTwoControlsOfTheMainWindowsBoxesOverlap)
{
    Form1->show();
    for (const char* gleichung : {"f(x) = x", "f(x,t) = t*x"}) {
        Form1->Edit1->setText(QString::fromLatin1(gleichung));
        std::string ueber;
        for (QGroupBox* box : Form1->findChildren<QGroupBox*>()) {
            if (box->layout())
                continue;
            QList<QWidget*> kinder;
            for (QWidget* w : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (!w->isHidden())
                    kinder << w;
            for (QWidget* w : kinder)
                if (!box->contentsRect().contains(w->geometry()))
                    ueber += " " + w->objectName().toStdString() + " outside " + box->objectName().toStdString();
            for (qsizetype i = 0; i < kinder.size(); ++i)
                for (qsizetype j = i + 1; j < kinder.size(); ++j)
                    if (kinder[i]->geometry().intersects(kinder[j]->geometry()))
                        ueber += " " + kinder[i]->objectName().toStdString() + "/" + kinder[j]->objectName().toStdString();
        }
        EXPECT_EQ(ueber, "") << gleichung;
    }
    Form1->english1->trigger();
    EXPECT_EQ(Form1->windowTitle(), "Tessaplun 8");
    // The options say in English whether a start template exists.
    EXPECT_EQ(EinstellDlg->Label2->text(), Txt(432));
}

// The hot keys stand in a column at the right of their boxes, as narrow as
// the widest key, however wide the window is made.
TEST_F(StartAnsicht, TheHotKeysStandInANarrowColumnAtTheRight)
{
    HotkeyDlg->show();
    HotkeyDlg->resize(HotkeyDlg->width() + 300, HotkeyDlg->height());
    HotkeyDlg->layout()->activate();
    const QList<QGroupBox*> boxen = HotkeyDlg->findChildren<QGroupBox*>();
    ASSERT_FALSE(boxen.isEmpty());
    for (QGroupBox* box : boxen) {
        box->layout()->activate();
        auto* raster = qobject_cast<QGridLayout*>(box->layout());
        ASSERT_NE(raster, nullptr);
        int breitest = 0;
        for (int r = 0; r < raster->rowCount(); ++r)
            breitest = std::max(breitest, raster->itemAtPosition(r, 1)->sizeHint().width());
        for (int r = 0; r < raster->rowCount(); ++r)
            EXPECT_LE(raster->itemAtPosition(r, 1)->geometry().width(), breitest) << box->objectName().toStdString();
    }
}

// In the help menu the tips and the about window each stand apart.
TEST_F(StartAnsicht, TheTipsAndTheAboutWindowStandApartInTheHelpMenu)
{
    const QList<QAction*> eintraege = Form1->Hilfe1->actions();
    for (QAction* a : {Form1->Kopieren1, Form1->ber1}) {
        const qsizetype i = eintraege.indexOf(a);
        ASSERT_GT(i, 0) << a->objectName().toStdString();
        EXPECT_TRUE(eintraege[i - 1]->isSeparator()) << a->objectName().toStdString();
    }
}

// In the file menu printing and the picture exports each begin a group.
TEST_F(StartAnsicht, PrintingAndThePictureExportsBeginTheirGroupsInTheFileMenu)
{
    const QList<QAction*> eintraege = Form1->Datei1->actions();
    for (QAction* a : {Form1->Drucken1, Form1->GraphenalsBitmap1}) {
        const qsizetype i = eintraege.indexOf(a);
        ASSERT_GT(i, 0) << a->objectName().toStdString();
        EXPECT_TRUE(eintraege[i - 1]->isSeparator()) << a->objectName().toStdString();
    }
}

// The third language has no name of its own: its item stays out of the menu.
TEST_F(StartAnsicht, TheLanguageMenuOffersGermanAndEnglish)
{
    QStringList sichtbar;
    for (QAction* a : Form1->Sprache1->actions())
        if (a->isVisible())
            sichtbar << a->objectName();
    EXPECT_EQ(sichtbar, (QStringList{"deutsch1", "english1"}));
}

// The about window shows the program's name large and bold over its lines.
TEST_F(StartAnsicht, TheAboutWindowShowsTheNameLargeAndBold)
{
    auto* name = AboutBox->findChild<QLabel*>(QStringLiteral("Label1"));
    auto* zeile = AboutBox->findChild<QLabel*>(QStringLiteral("Label2"));
    ASSERT_TRUE(name && zeile);
    EXPECT_TRUE(name->font().bold());
    EXPECT_GT(QFontInfo(name->font()).pixelSize(), QFontInfo(zeile->font()).pixelSize() + 6);
}

// The windows are put beside the main window once its frame is known (on
// the first activation, as the frame is a guess before); a graph window
// moved by the user after that stays where it is when the main window
// becomes active again.
TEST_F(StartAnsicht, ActivatingTheMainWindowLeavesAMovedGraphWindowWhereItIs)
{
    const QPoint vorher = Graphik->pos() + QPoint(150, 90);
    Graphik->move(vorher);
    Form1->activateWindow();
    if (!QTest::qWaitForWindowActive(Form1))
        GTEST_SKIP() << "no active window on this platform";
    const QRect haupt = Form1->frameGeometry();
    if (haupt != Form1->geometry())
        EXPECT_EQ(Graphik->frameGeometry().topLeft(), QPoint(haupt.right() + 3, haupt.top()));
    else
        EXPECT_EQ(Graphik->pos(), vorher);  // no frame, nothing to correct

    const QPoint woanders = Graphik->pos() + QPoint(150, 90);
    Graphik->move(woanders);
    Graphik->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Graphik));
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    EXPECT_EQ(Graphik->pos(), woanders);
}

}  // namespace
