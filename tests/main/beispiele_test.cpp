// The library: term templates and worked examples.

#include "programm_fixture.h"

#include "main/beispiele.h"
#include "main/vorlagen.h"

#include <set>
#include <stdexcept>

namespace {

class Bibliothek : public GestartetTest {
protected:
    void SetUp() override
    {
        GestartetTest::SetUp();
        Frage.Antwort = QMessageBox::Yes;  // the examples' one question
    }
    static void Laden(const char* eintrag)
    {
        QAction* a = Form1->findChild<QAction*>(QString::fromLatin1(eintrag));
        ASSERT_NE(a, nullptr) << eintrag;
        a->trigger();
    }
    static std::array<int, 4> Ansicht() { return {Graphik->XMin, Graphik->XMax, Graphik->YMin, Graphik->YMax}; }
};

TEST_F(Bibliothek, EveryTemplateCompilesInBothLanguagesAndKeepsTheCaretAtTheEnd)
{
    for (QAction* sprache : {Form1->deutsch1, Form1->english1}) {
        sprache->trigger();
        for (const TVorlage& v : Vorlagen()) {
            Form1->VorlageAnwenden(v);
            EXPECT_TRUE(Funktionen[0]->GetCompiled()) << v.Handler << " " << sprache->objectName().toStdString();
            EXPECT_EQ(Funktionen[0]->GetKind(), v.TVon ? ArtFunktionenschar : ArtFunktion) << v.Handler;
            EXPECT_EQ(std::tuple(Form1->Edit1->cursorPosition(), Graphik->Edit3->cursorPosition()),
                      std::tuple(Form1->Edit1->text().size(), Form1->Edit1->text().size())) << v.Handler;
        }
    }
}

TEST_F(Bibliothek, TemplatesWriteExactlyTheirFieldsInGermanAndEnglish)
{
    struct TFall {
        const char* Handler;
        QAction* Sprache;
        QStringList Felder;  // equation, x from, x to, t from, t to, t step
    };
    const TFall faelle[] = {
        {"ParallelezurxAchse1Click", Form1->deutsch1, {"y(x) = 1,5", "-100", "100", "7", "8", "2"}},
        {"Quadratwurzel1Click", Form1->deutsch1, {"w(x) = sqrt(x)", "0", "100", "7", "8", "2"}},
        {"ParallelezurxAchse1Click", Form1->english1, {"y(x) = 1.5", "-100", "100", "7", "8", "2"}},
        {"Sinusfunktionen1Click", Form1->english1, {"f(x,t) = sin(x)*t", "-100", "100", "1", "5", "0.1"}},
        // A literal comma in every language.
        {"FreierFallGeschwZeit1Click", Form1->english1, {"v(t) = 9,81*t", "0", "100", "7", "8", "2"}},
    };
    for (const TFall& f : faelle) {
        f.Sprache->trigger();
        // Function 5 with t fields of its own, which single templates keep.
        FunktionWaehlen(5);
        for (auto [feld, text] : {std::pair{Form1->Evont, "7"}, {Form1->Ebist, "8"}, {Form1->Estept, "2"}})
            feld->setText(QString::fromLatin1(text));
        const std::string vierte = Funktionen[4]->GetTerm();

        const TVorlage* v = VorlageNach(f.Handler);
        ASSERT_NE(v, nullptr) << f.Handler;
        Form1->VorlageAnwenden(*v);
        EXPECT_EQ((QStringList{Form1->Edit1->text(), Form1->Evonx->text(), Form1->Ebisx->text(), Form1->Evont->text(),
                               Form1->Ebist->text(), Form1->Estept->text()}),
                  f.Felder) << f.Handler;
        EXPECT_EQ(Funktionen[5]->GetTerm(), f.Felder[0].toStdString()) << f.Handler;
        // Nothing but the selected function.
        EXPECT_EQ(std::tuple(FunktionNr, Funktionen[4]->GetTerm(), Graphik->XMax), std::tuple(5, vierte, 6));
    }
}

TEST_F(Bibliothek, TemplatesAreBoundToTheirItemsOnly)
{
    // Every item of the popup and of the hidden main menu writes its row's
    // equation; every row but one has an item, and every row with a main
    // item has it.
    std::set<std::string> erreicht;
    std::size_t hauptEintraege = 0;
    for (const TVorlage& v : Vorlagen())
        hauptEintraege += *v.Haupt ? 1 : 0;
    for (QMenu* menue : {Form1->PopupMenu1, Form1->Beispiele1}) {
        for (QAction* a : menue->findChildren<QAction*>()) {
            if (a->menu() || a->isSeparator() || a->objectName().isEmpty())
                continue;
            Form1->Edit1->setText("f(x) = 0");
            a->trigger();
            const TVorlage* treffer = nullptr;
            for (const TVorlage& v : Vorlagen())
                if (a->objectName() == QLatin1String(v.Haupt) || a->objectName() == QLatin1String(v.Popup))
                    treffer = &v;
            ASSERT_NE(treffer, nullptr) << a->objectName().toStdString();
            EXPECT_EQ(Form1->Edit1->text(), MitDezimaltrenner(treffer->Gleichung)) << a->objectName().toStdString();
            erreicht.insert(treffer->Handler);
        }
    }
    EXPECT_EQ(erreicht.size(), Vorlagen().size() - 1);
    EXPECT_EQ(static_cast<std::size_t>(Form1->Beispiele1->actions().size()), hauptEintraege);
    EXPECT_EQ(erreicht.count("FreierFallGeschwZeit1Click"), 0u);
    EXPECT_FALSE(Form1->Beispiele1->menuAction()->isVisible());
}

TEST_F(Bibliothek, ExamplesAreAskedForUntilTheFirstYesAndANoChangesNothing)
{
    Frage.Antwort = QMessageBox::No;
    Laden("Sinusschar1");
    Laden("Sinusschar2");
    ASSERT_EQ(Frage.Fragen.size(), 2u);
    EXPECT_EQ(Frage.Fragen[0], Txt(201) + "\n" + Txt(202) + "\n" + Txt(203) + "\n\n" + Txt(204));
    EXPECT_EQ(std::tuple(Funktionen[1]->GetTerm(), Graphik->XMin), std::tuple("f(x) = x^2", -5));

    Frage.Antwort = QMessageBox::Yes;
    Laden("Sinusschar1");
    EXPECT_EQ(Funktionen[1]->GetTerm(), "f(x,t) = sin(t*x) * t^2");
    Laden("Kolibri1");
    EXPECT_EQ(Frage.Fragen.size(), 3u);
}

TEST_F(Bibliothek, EveryExampleLoadsAndItsEquationsCompile)
{
    for (const TBeispiel& b : Beispiele()) {
        Laden(b.Haupt);
        EXPECT_TRUE(ZeichnenErlaubt);
        EXPECT_EQ(std::tuple(FunktionNr, Graphik->Gitter), std::tuple(b.Auswahl, std::string(b.Gitter))) << b.Laden;
        for (const TBspFunktion& f : BeispielFunktionen()) {
            const TFunktion* g = Funktionen[static_cast<std::size_t>(f.Nr)];
            if (f.Bsp != b.Nr)
                continue;
            if (f.NurTerm) {
                EXPECT_EQ(g->GetTerm(), "f(x) = ");  // the deliberately empty equation
                continue;
            }
            EXPECT_TRUE(g->GetCompiled()) << b.Laden << " F" << f.Nr << " " << g->GetTerm();
            EXPECT_EQ(g->GetKind(), f.Schar ? ArtFunktionenschar : ArtFunktion) << b.Laden;
        }
    }
}

// One example in depth, in English: each kind of object lands in its own
// fields, the numbers of the circles keep the separator they were written
// with, the areas take the language's, and what the example leaves out
// stays as New left it.
TEST_F(Bibliothek, ExampleObjectsInDepth)
{
    Form1->english1->trigger();
    Laden("Kreise3");
    EXPECT_EQ(Ansicht(), (std::array{-5, 6, -2, 8}));
    EXPECT_EQ(std::tuple(Funktionen[1]->GetTerm(), Graphik->Edit1->text()), std::tuple("f(x) = ", "x"));
    const TKreis& k5 = Kreise[5];
    EXPECT_EQ(std::tuple(k5.LineStyle, k5.RadiusX, k5.RadiusY, k5.ShowCentre, k5.Fill, k5.FillColor),
              std::tuple(0, "1", "0.5", "1", "1", clYellow));
    const TPunkt &m5 = Punkte[15], &m10 = Punkte[20];
    EXPECT_EQ(std::tuple(m5.X, m5.Y, m5.Style, m5.Color, m5.Name), std::tuple("-2", "3", 3, clGreen, "D"));
    EXPECT_EQ(std::tuple(m10.X, m10.Y, m10.Name), std::tuple("0,5", "7,5", "A  (" + Txt(217).toStdString() + ")"));
    EXPECT_EQ(std::tuple(Kreise[6].RadiusX, Punkte[16].X), std::tuple("2", ""));

    Laden("BadenWrttemberg20071");
    EXPECT_EQ(std::tuple(Funktionen[2]->GetColor(), Funktionen[2]->GetLineStyle(), Senkrechte[2].YTo, Beschriftungen[3].Y,
                         Beschriftungen[3].Vorne, Flaechen[1].CurveB, Flaechen[1].XFrom),
              std::tuple(clRed, 6, "-8", 1.7, 1, 13, "1.73"));
}

TEST_F(Bibliothek, RangeFieldsAndUnitsAfterAnExample)
{
    Laden("Kolibri2");
    // The graph window shows whole numbers and the step as it is; the main
    // window the function's values.
    EXPECT_EQ((QStringList{Graphik->Evont->text(), Graphik->Ebist->text(), Graphik->Estept->text(),
                           Graphik->Evonx->text(), Form1->Estept->text()}),
              (QStringList{"0", "2", "0,03", "-5", "0,03"}));
    EXPECT_FALSE(Graphik->CB3->isChecked() || Graphik->CB4->isEnabled());
}

// A function object that fails on the tangent of the Berlin example.
struct TStoerung : TFunktion {
    void SetTerm(const std::string& s) override
    {
        if (s.rfind("t(x)", 0) == 0)
            throw std::runtime_error("kaputt");
        TFunktion::SetTerm(s);
    }
};

// From the popup a maximised graph window stays so, also when the example
// fails half-way; the window draws again, with its cursor.
TEST_F(Bibliothek, PopupExampleKeepsPresentationAndAFailureHalfWayLeavesTheWindowDrawing)
{
    TStoerung stoerung;
    TFunktion* vorher = Funktionen[2];
    Funktionen[2] = &stoerung;
    Form1->SpeedButton5Click();
    Laden("GKBerlin20072");
    Funktionen[2] = vorher;
    EXPECT_TRUE(ZeichnenErlaubt);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(Graphik->LayoutHalten);
    EXPECT_TRUE(Graphik->isMaximized());
    // What was built before the failure stands.
    EXPECT_EQ(std::tuple(Funktionen[1]->GetTerm(), Graphik->XMax), std::tuple("f(x) = x*exp(1-x)", 5));
    // From the main menu it is laid out as New lays it out.
    Laden("GKBerlin20071");
    EXPECT_FALSE(Graphik->isMaximized());
}

}  // namespace
