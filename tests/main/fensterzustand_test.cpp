// Window states as a window manager reports them: presentation mode started
// and ended by maximising and restoring, the main window's maximise, and the
// whole program minimising with the main window. (tests/gui drives the same
// under a real window manager.)

#include "programm_fixture.h"

#include "graph/graphik.h"
#include "main/form1.h"
#include "main/trace_dlg.h"
#include "main/wertetabelle_fenster.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

namespace {

class FensterzustandTest : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        Starten();
    }
};

}  // namespace

TEST_F(FensterzustandTest, InputBarShowsTheSelectedFunctionsRangesFromTheStart)
{
    const std::pair<const char*, const char*> felder[] = {
        {"Evonx", "-100"}, {"Ebisx", "100"}, {"Evont", "1"}, {"Ebist", "5"}, {"Estept", "1"}};
    for (const auto& [name, text] : felder) {
        const auto* feld = Graphik->GroupBox3->findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_TRUE(feld) << name;
        EXPECT_EQ(feld->text(), QString::fromLatin1(text)) << name;
    }
}

TEST_F(FensterzustandTest, LeavingPresentationModeRestoresTheSizeFromBeforeBesideTheMainWindow)
{
    Graphik->resize(500, 420);
    Graphik->setWindowState(Qt::WindowMaximized);  // the maximise button
    ASSERT_TRUE(Graphik->Praesentation);
    EXPECT_FALSE(Graphik->GroupBox3->isHidden());
    // A window manager may hand the window back at the maximised size.
    Graphik->move(0, 0);
    Graphik->resize(QGuiApplication::primaryScreen()->availableGeometry().size());
    Graphik->SpeedButton5Click();
    EXPECT_FALSE(Graphik->Praesentation);
    EXPECT_EQ(Graphik->size(), QSize(500, 420));
    const QRect haupt = Form1->frameGeometry();
    EXPECT_EQ(Graphik->pos(), QPoint(haupt.x() + haupt.width() + 2, haupt.y()));
}

TEST_F(FensterzustandTest, MaximisingTheMainWindowStartsPresentationModeOrEndsIt)
{
    // Window managers offer maximising only to windows that can be resized.
    EXPECT_GT(Form1->maximumWidth(), Form1->minimumWidth());

    // Presentation mode from the tool bar leaves the main window up; its
    // title-bar double click (a maximise under X11) ends it.
    Form1->SpeedButton5Click();
    ASSERT_TRUE(Graphik->Praesentation);
    Form1->setWindowState(Qt::WindowMaximized);
    EXPECT_FALSE(Graphik->Praesentation);
    EXPECT_FALSE(Graphik->isMaximized());
    EXPECT_FALSE(Form1->isMaximized());

    // Otherwise maximising starts it, and the main window hides until it ends.
    Form1->setWindowState(Qt::WindowMaximized);
    EXPECT_TRUE(Graphik->Praesentation);
    EXPECT_TRUE(Graphik->isMaximized());
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_FALSE(Form1->isMaximized());
    Graphik->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(Form1->isVisible());
}

TEST_F(FensterzustandTest, TheWholeProgramMinimisesWithTheMainWindow)
{
    Form1->Wertetabelle1Click();
    Form1->SpeedButton5Click();
    ASSERT_TRUE(Form2->isVisible());
    ASSERT_TRUE(TraceParam && TraceParam->isHidden());

    Form1->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(Graphik->isVisible());
    EXPECT_FALSE(Form2->isVisible());
    // A hidden window is reported in its normal state under X11: that is
    // no restore, presentation mode goes on.
    Graphik->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(Graphik->Praesentation);

    Form1->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(Graphik->isVisible());
    EXPECT_TRUE(Graphik->isMaximized());
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_TRUE(TraceParam->isHidden());
}
