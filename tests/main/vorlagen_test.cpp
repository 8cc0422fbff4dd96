// The term templates: every one compiles in both languages, writes exactly
// its fields into the selected function and is bound to its menu items.

#include "programm_fixture.h"

#include "engine/funktion.h"
#include "graph/graphik.h"
#include "main/form1.h"
#include "main/vorlagen.h"
#include "platform/sprache.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include <set>

namespace {

class Vorlagen_ : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        Starten();
    }

    static QStringList Felder()
    {
        return {Form1->Edit1->text(), Form1->Evonx->text(), Form1->Ebisx->text(),
                Form1->Evont->text(), Form1->Ebist->text(), Form1->Estept->text()};
    }
};

TEST_F(Vorlagen_, EveryTemplateCompilesInBothLanguagesAndKeepsTheCaretAtTheEnd)
{
    for (const int sprache : {SpracheDeutsch, SpracheEnglisch}) {
        if (sprache == SpracheEnglisch)
            Form1->english1->trigger();
        for (const TVorlage& v : Vorlagen()) {
            Form1->VorlageAnwenden(v);
            EXPECT_TRUE(Funktionen[0]->GetCompiled()) << v.Handler << " " << sprache;
            EXPECT_EQ(Form1->Edit1->cursorPosition(), Form1->Edit1->text().size()) << v.Handler;
            EXPECT_EQ(Graphik->Edit3->cursorPosition(), Form1->Edit1->text().size()) << v.Handler;
            EXPECT_EQ(Funktionen[0]->GetKind(), v.TVon ? ArtFunktionenschar : ArtFunktion) << v.Handler;
        }
    }
}

TEST_F(Vorlagen_, TemplatesWriteExactlyTheirFieldsInGermanAndEnglish)
{
    struct TFall {
        const char* Handler;
        int Sprache;
        QStringList Felder;  // equation, x from, x to, t from, t to, t step
        double TSchritt;
    };
    const TFall faelle[] = {
        {"ParallelezurxAchse1Click", SpracheDeutsch, {"y(x) = 1,5", "-100", "100", "7", "8", "2"}, 2},
        {"ParallelezurxAchse1Click", SpracheEnglisch, {"y(x) = 1.5", "-100", "100", "7", "8", "2"}, 2},
        {"Geraden1Click", SpracheDeutsch, {"f(x,t) = t*x+t", "-100", "100", "1", "5", "0,1"}, 0.1},
        {"Parabeln1Click", SpracheEnglisch, {"f(x,t) = 2*(x-t)^2+t", "-100", "100", "1", "5", "0.1"}, 0.1},
        // A literal comma in every language; the step field takes it.
        {"Sinusfunktionen1Click", SpracheEnglisch, {"f(x,t) = sin(x)*t", "-100", "100", "1", "5", "0.1"}, 0.1},
        {"eFunktionen2Click", SpracheDeutsch, {"f(x,t) = exp(t*x)", "-100", "100", "-2", "2", "0,1"}, 0.1},
        {"Wachstumsfunktion1Click", SpracheDeutsch, {"a(t) = 1*exp(0,3*t)", "0", "100", "7", "8", "2"}, 2},
        {"FreierFallGeschwZeit1Click", SpracheEnglisch, {"v(t) = 9,81*t", "0", "100", "7", "8", "2"}, 2},
    };
    for (const TFall& f : faelle) {
        if (f.Sprache == SpracheEnglisch)
            Form1->english1->trigger();
        else
            Form1->deutsch1->trigger();
        // Function 5 with t fields of its own, which single templates keep.
        Form1->ComboBox1->setCurrentIndex(4);
        Form1->ComboBox1Change();
        Form1->Evont->setText(QStringLiteral("7"));
        Form1->Ebist->setText(QStringLiteral("8"));
        Form1->Estept->setText(QStringLiteral("2"));
        const std::string vierte = Funktionen[4]->GetTerm();

        const TVorlage* v = VorlageNach(f.Handler);
        ASSERT_NE(v, nullptr) << f.Handler;
        Form1->VorlageAnwenden(*v);
        EXPECT_EQ(Felder(), f.Felder) << f.Handler;
        EXPECT_EQ(Funktionen[5]->GetTerm(), f.Felder[0].toStdString()) << f.Handler;
        EXPECT_DOUBLE_EQ(Funktionen[5]->GetTStep(), f.TSchritt) << f.Handler;
        EXPECT_DOUBLE_EQ(Funktionen[5]->GetXFrom(), f.Felder[1].toDouble()) << f.Handler;
        // Nothing but the selected function.
        EXPECT_EQ(FunktionNr, 5);
        EXPECT_EQ(Funktionen[4]->GetTerm(), vierte);
        EXPECT_EQ(Graphik->XMax, 6);
    }
}

TEST_F(Vorlagen_, TemplatesAreBoundToTheirItemsOnly)
{
    // Every item of the popup and of the hidden main menu writes its row's
    // equation; every row but one has an item.
    std::set<std::string> erreicht;
    auto pruefe = [&](QMenu* menue) {
        for (QAction* a : menue->findChildren<QAction*>()) {
            if (a->menu() || a->isSeparator() || a->objectName().isEmpty())
                continue;
            Form1->Edit1->setText(QStringLiteral("f(x) = 0"));
            a->trigger();
            const TVorlage* treffer = nullptr;
            for (const TVorlage& v : Vorlagen())
                if (a->objectName() == QLatin1String(v.Haupt) || a->objectName() == QLatin1String(v.Popup))
                    treffer = &v;
            ASSERT_NE(treffer, nullptr) << a->objectName().toStdString();
            EXPECT_EQ(Form1->Edit1->text(), MitDezimaltrenner(treffer->Gleichung)) << a->objectName().toStdString();
            erreicht.insert(treffer->Handler);
        }
    };
    pruefe(Form1->PopupMenu1);
    pruefe(Form1->Beispiele1);
    EXPECT_EQ(erreicht.size(), Vorlagen().size() - 1);
    EXPECT_EQ(erreicht.count("FreierFallGeschwZeit1Click"), 0u);
    EXPECT_FALSE(Form1->Beispiele1->menuAction()->isVisible());
    // The popup's groups, in their order, with the separator before the
    // polynomials.
    QStringList gruppen;
    for (QAction* a : Form1->PopupMenu1->actions())
        gruppen << (a->isSeparator() ? QStringLiteral("-") : a->menu()->objectName());
    EXPECT_EQ(gruppen, (QStringList{"LineareFunktion2", "QuadratischeFunktion1", "Potenzfunktionen1",
                                    "Wurzelfunktionen1", "Exponentialfunktion1", "Logarithmusfunktion1",
                                    "Winkelfunktionen1", "-", "ganzrationaleFunktion2", "gebrochenrationaleFunktion2",
                                    "Funktionenscharen1"}));
}

}  // namespace
