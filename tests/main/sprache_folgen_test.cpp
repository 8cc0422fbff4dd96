// Captions the language command computes rather than reads from the table:
// the graph window's snapping steps with the separator in force, its sound
// hint, and the text of its photo option by tool; and the options dialog's
// start template, which is asked about before it is replaced.

#include "programm_fixture.h"

#include "main/einstell_dlg.h"

namespace {

using SpracheFolgen = GestartetTest;

// The language commands tick their item and untick the others, also when
// they are run without the menu item's own click.
TEST_F(SpracheFolgen, EveryLanguageCommandTicksItsItemOnly)
{
    const std::pair<void (TForm1::*)(), QAction*> befehle[] = {
        {&TForm1::english1Click, Form1->english1},
        {&TForm1::franzsisch1Click, Form1->franzsisch1},
        {&TForm1::deutsch1Click, Form1->deutsch1},
        {&TForm1::franzsisch1Click, Form1->franzsisch1},
        {&TForm1::english1Click, Form1->english1},
    };
    for (const auto& [befehl, eintrag] : befehle) {
        (Form1->*befehl)();
        for (QAction* a : {Form1->deutsch1, Form1->english1, Form1->franzsisch1})
            EXPECT_EQ(a->isChecked(), a == eintrag) << eintrag->objectName().toStdString() << " "
                                                    << a->objectName().toStdString();
    }
}

TEST_F(SpracheFolgen, GraphWindowCaptionsFollowTheLanguageAndTheTool)
{
    struct TFall {
        QAction* Sprache;
        QAction* Werkzeug;
        QString Raster, Einzug;
        int Foto;  // its language line
    };
    const TFall faelle[] = {
        {Form1->english1, Form1->I9, "0.5", "      ", 456},
        {Form1->deutsch1, Form1->I8, "0,5", "", 511},
        {Form1->english1, Form1->I4, "0.5", "", 510},
    };
    for (const TFall& f : faelle) {
        f.Werkzeug->trigger();
        f.Sprache->trigger();
        const QString trenner = f.Raster.mid(1, 1);
        EXPECT_EQ((QStringList{LabelText(Graphik, "Label11"), LabelText(Graphik, "Label2"), LabelText(Graphik, "Label1"),
                               LabelText(Graphik, "Label32"), LabelText(Graphik, "LabelText")}),
                  (QStringList{f.Raster, "0" + trenner + "1", "0" + trenner + "01", "0" + trenner + "001", f.Einzug + Txt(f.Foto)}))
            << f.Werkzeug->objectName().toStdString();
        EXPECT_EQ(Graphik->SoundBox->toolTip(), Txt(128) + "?");
    }
}

TEST_F(SpracheFolgen, AStartTemplateIsReplacedOnlyAfterYes)
{
    Form1->Edit1->setText("f(x) = 1");
    EinstellDlg->BitBtn3->click();
    ASSERT_TRUE(Frage.Fragen.empty());
    Form1->Edit1->setText("f(x) = 2");
    Frage.Antwort = QMessageBox::No;
    EinstellDlg->BitBtn3->click();
    EXPECT_EQ(Frage.Fragen, std::vector<QString>{Txt(434)});
    EXPECT_TRUE(DateiLesen(Startvorlage()).contains("f(x) = 1"));
    Frage.Antwort = QMessageBox::Yes;
    EinstellDlg->BitBtn3->click();
    EXPECT_TRUE(DateiLesen(Startvorlage()).contains("f(x) = 2"));
}

}  // namespace
