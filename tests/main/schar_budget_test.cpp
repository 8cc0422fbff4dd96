// Nine families with a tiny t step, typed into the main window: every
// redraw on the way stays within the picture's budget, and the graph
// window's status bar says that not all members are drawn. (The budget
// counts evaluations whatever the term; a cheap one keeps the test short.)

#include "programm_fixture.h"

#include "graph/graphik.h"
#include "main/form1.h"
#include "platform/sprache.h"
#include "platform/statusleiste.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>

TEST_F(ProgrammTest, TypedTinyStepFamiliesRedrawSoonAndSaySo)
{
    Starten();
    Graphik->resize(585, 565);
    Graphik->GraphikResize();

    auto waehle = [](int n) {
        Form1->ComboBox1->setEditText(QString::number(n) + QLatin1Char('.'));
        Form1->ComboBox1Change();
    };
    for (int n = 1; n <= 9; ++n) {
        waehle(n);
        Form1->Edit1->setText(QStringLiteral("f(x,t)=t*x/5"));
        Form1->Evont->setText(QStringLiteral("1"));
        Form1->Ebist->setText(QStringLiteral("5"));
    }
    ASSERT_EQ(Graphik->StatusBar1->Panels[10].Width, 0);
    // Without the budget the steps below take minutes; with it, seconds.
    QElapsedTimer uhr;
    uhr.start();
    for (int n = 1; n <= 9; ++n) {
        waehle(n);
        Form1->Estept->setText(QStringLiteral("0,000001"));
    }
    EXPECT_LT(uhr.elapsed(), 30000);
    EXPECT_EQ(Graphik->StatusBar1->Panels[10].Text, Txt(TGraphik::ZeileNichtAlleMitglieder));
    EXPECT_GT(Graphik->StatusBar1->Panels[10].Width, 0);

    // A new document draws every member again, and the note goes.
    Form1->SpeedButton3Click();
    EXPECT_TRUE(Graphik->StatusBar1->Panels[10].Text.isEmpty());
    EXPECT_EQ(Graphik->StatusBar1->Panels[10].Width, 0);
}
