// What the editor shows for a function and for a family, in the main
// window, the graph window's input bar and the value table; where the
// keyboard goes after the editor's buttons; and what a move of the pointer
// over the main window and a copy during a construction do.

#include "programm_fixture.h"

#include "platform/modal.h"
#include "tools/kopier_dlg.h"
#include "tools/wertetabelle_fenster.h"

#include <QMouseEvent>
#include <QTest>

namespace {

using EditorAnsicht = GestartetTest;

// The t fields, the second colour button and the t key show for a family
// only; a function has one colour button as wide as the two, and its x key
// takes the room of the t key.
TEST_F(EditorAnsicht, FunctionAndFamilyShowTheirOwnControlsInEveryWindow)
{
    struct TFall {
        const char* Gleichung;
        bool Schar;
    };
    Form2->show();
    for (const TFall& f : {TFall{"f(x,t) = t*x", true}, TFall{"f(x) = x", false}, TFall{"f(x,t) = t", true}}) {
        SCOPED_TRACE(f.Gleichung);
        Form1->Edit1->setText(QString::fromLatin1(f.Gleichung));
        EXPECT_EQ(Form1->GroupBox1->title(), QLatin1Char(' ') + Txt(f.Schar ? 135 : 134) + QLatin1Char(' '));
        for (QWidget* w : std::initializer_list<QWidget*>{Form1->Evont, Form1->Ebist, Form1->Estept, Form1->Label5,
                                                          Form1->Label7, Form1->Label8, Form1->SFarbe2, Form1->Bt,
                                                          Graphik->Evont, Graphik->Ebist, Graphik->Estept,
                                                          Graphik->Label6, Graphik->Label8, Graphik->Label9,
                                                          Graphik->SFarbe2, Form2->Edit3, Form2->Label3})
            EXPECT_EQ(!w->isHidden(), f.Schar) << w->objectName().toStdString();
        EXPECT_TRUE(Form1->SFarbe->isVisible() && Form2->Edit2->isVisible() && Form2->Label1->isVisible());
        EXPECT_EQ(Form1->SFarbe->text(), f.Schar ? QString() : Txt(147));
        // The colour buttons side by side for a family, one for both otherwise.
        for (auto [eins, zwei] : {std::pair(Form1->SFarbe, Form1->SFarbe2), {Graphik->SFarbe, Graphik->SFarbe2}})
            EXPECT_EQ(eins->width(), (f.Schar ? 1 : 2) * zwei->width()) << eins->window()->objectName().toStdString();
        if (f.Schar) {
            EXPECT_GT(Form1->SFarbe2->x(), Form1->SFarbe->geometry().right());
        }
        EXPECT_EQ(Form1->Bx->width(), (f.Schar ? Form1->B1 : Form1->Byvonx)->width());
        // The group of the ranges ends under the fields it shows.
        EXPECT_EQ(Form1->GroupBox2->height() > Form1->Evont->geometry().bottom(), f.Schar);
        EXPECT_GT(Form1->GroupBox2->height(), Form1->Evonx->geometry().bottom());
    }
}

// Backspace and clear have nothing to do without a text.
TEST_F(EditorAnsicht, EditingButtonsOnlyWithAText)
{
    Form1->Edit1->setText("");
    EXPECT_FALSE(Form1->BitBtn1->isEnabled() || Form1->BitBtn2->isEnabled());
    Form1->Edit1->setText("f");
    EXPECT_TRUE(Form1->BitBtn1->isEnabled() && Form1->BitBtn2->isEnabled());
}

// The keys take no focus: the keyboard stays in (or goes back to) the
// equation after a key, also after a head key that writes the whole text.
TEST_F(EditorAnsicht, KeysLeaveTheKeyboardInTheEquation)
{
    for (const char* taste : {"Byvonx", "B7", "Bsin", "BKomma"}) {
        Form1->Evonx->setFocus();
        Form1->Taste(taste)->click();
        EXPECT_EQ(Form1->focusWidget(), static_cast<QWidget*>(Form1->Edit1)) << taste;
        EXPECT_EQ(Form1->Edit1->cursorPosition(), Form1->Edit1->text().size()) << taste;
    }
    EXPECT_EQ(Form1->Taste("B7")->focusPolicy(), Qt::NoFocus);
    // So do the two colour buttons, pressed with the mouse.
    if (!Aktivieren(Form1))
        GTEST_SKIP() << "no active window on this platform";
    for (QPushButton* knopf : {Form1->SFarbe, Form1->SFarbe2}) {
        Form1->Edit1->setFocus();
        QTest::mouseClick(knopf, Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(Form1->Edit1)) << knopf->objectName().toStdString();
    }
    EXPECT_EQ(FarbDialog.Vorgaben.size(), 2u);
}

// The equation is written larger than the other fields.
TEST_F(EditorAnsicht, TheEquationStandsOutInSize)
{
    EXPECT_GT(QFontInfo(Form1->Edit1->font()).pixelSize(), QFontInfo(Form1->Evonx->font()).pixelSize());
}

// A move of the pointer over the main window takes the graph window's
// preview away (a request the graph window serves once).
TEST_F(EditorAnsicht, PointerOverTheMainWindowEndsTheGraphWindowsPreview)
{
    Graphik->StatusErneuern = true;
    QMouseEvent bewegung(QEvent::MouseMove, QPointF(5, 200), Form1->mapToGlobal(QPointF(5, 200)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Form1, &bewegung);
    EXPECT_FALSE(Graphik->StatusErneuern);
    // Also where the pointer moves over the window's client area between
    // its controls.
    Form1->show();
    QWidget* client = Form1->centralWidget();
    QPoint frei(1, client->height() - 2);
    ASSERT_EQ(client->childAt(frei), nullptr);
    Graphik->StatusErneuern = true;
    QMouseEvent ueberClient(QEvent::MouseMove, QPointF(frei), client->mapToGlobal(QPointF(frei)), Qt::NoButton,
                            Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(client, &ueberClient);
    EXPECT_FALSE(Graphik->StatusErneuern);
}

// Copying drops a construction under way: the origin tool, with its button.
TEST_F(EditorAnsicht, CopyEndsAConstruction)
{
    struct TKeinModal : TModalAnzeige {
        int Zeige(QDialog&) override { return 0; }
    } keinModal;
    SetModalAnzeige(&keinModal);
    Graphik->show();
    Graphik->PaintBox1Paint();
    const QImage ohne = GraphenBild();
    int mitHinweis = 0;
    for (QAction* werkzeug : {Form1->I2, Form1->I3, Form1->I4, Form1->I5, Form1->I6, Form1->I7, Form1->I8, Form1->I9,
                              Form1->I10}) {
        werkzeug->trigger();
        Graphik->PaintBox1Paint();
        mitHinweis += GraphenBild() != ohne;
        Form1->SpeedButton2->click();
        EXPECT_EQ(std::tuple(Modus, Graphik->UrsprungButton->isChecked()), std::tuple(ModusUrsprung, true));
        // The picture the dialog copies shows no hint of the tool.
        EXPECT_EQ(GraphenBild(), ohne) << werkzeug->objectName().toStdString();
    }
    SetModalAnzeige(nullptr);
    EXPECT_GT(mitHinweis, 0);
}

}  // namespace
