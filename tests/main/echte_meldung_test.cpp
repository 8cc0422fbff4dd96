// The main window's messages through the real message box, once: the other
// tests install a fake, so here a timer inside the box's own event loop
// finds the box, reads it and presses its button.

#include "programm_fixture.h"

#include <QTest>
#include <QTimer>

namespace {

using EchteMeldung = GestartetTest;

TEST_F(EchteMeldung, ANegativeStepIsSaidInARealBoxAboveTheMainWindow)
{
    Form1->show();
    Form1->activateWindow();
    if (!QTest::qWaitForWindowActive(Form1))
        GTEST_SKIP() << "no active window on this platform";
    SetMeldung(nullptr);

    QString text, titel;
    QWidget* eltern = nullptr;
    int runden = 0;
    QTimer suche;
    suche.setInterval(0);
    QObject::connect(&suche, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (++runden > 10000)
                suche.stop();
            return;
        }
        suche.stop();
        std::tie(text, titel, eltern) = std::tuple(box->text(), box->windowTitle(), box->parentWidget());
        box->button(QMessageBox::Ok)->click();
    });
    suche.start();
    Form1->Estept->setText("-1");
    suche.stop();

    EXPECT_EQ(text, Txt(156));
    EXPECT_EQ(titel, "Tessaplun 8");
    EXPECT_EQ(eltern, static_cast<QWidget*>(Form1));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // The step in force stays.
    EXPECT_EQ(Funktionen[1]->GetTStep(), 1.0);
}

}  // namespace
