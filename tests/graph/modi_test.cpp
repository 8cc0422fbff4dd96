// The interaction modes: what the tool buttons and the menu choose, how the
// window is set up for a mode, and the click steps of the constructions.

#include "interaktion_fixture.h"

#include "platform/melder.h"

#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include <map>
#include <sstream>

namespace {

using Knopf = QToolButton* TGraphik::*;
using Eintrag = QAction* TForm1::*;

// Opener bits: points, vertical segments, labels, overview, circles.
constexpr unsigned P = 1, S = 2, B = 4, U = 8, K = 16;

unsigned Hervorgehoben()
{
    unsigned r = 0;
    const std::map<unsigned, QToolButton*> oeffner = {{P, Form1->SpeedButton10}, {S, Form1->SpeedButton11},
                                                      {B, Form1->SpeedButton12}, {U, Form1->SpeedButton13},
                                                      {K, Form1->SpeedButton8}};
    for (const auto& [bit, knopf] : oeffner)
        if (!knopf->autoRaise())
            r |= bit;
    return r;
}

class ModiTest : public InteraktionTest {};

}  // namespace

TEST_F(ModiTest, ToolButtonsChooseTheModeTickTheMenuAndRaiseTheOpenersOfTheirWindows)
{
    // Mode and tangent flag before, the button pressed, mode and flag after,
    // the menu item ticked then and the openers raised.
    const std::tuple<std::int32_t, bool, Knopf, std::int32_t, bool, Eintrag, unsigned> faelle[] = {
        {1, true, &TGraphik::PunktButton, 2, true, &TForm1::I4, P},
        {1, false, &TGraphik::Tracebutton, 3, true, &TForm1::I10, P},
        {3, true, &TGraphik::Tracebutton, 1, true, &TForm1::I1, 0},
        {3, true, &TGraphik::TangenteButton, 4, true, &TForm1::I8, P | U},
        {4, true, &TGraphik::NormaleButton, 4, false, &TForm1::I9, P | U},
        {4, false, &TGraphik::TangenteButton, 4, true, &TForm1::I8, P | U},
        {4, true, &TGraphik::TangenteButton, 1, true, &TForm1::I1, 0},
        {1, true, &TGraphik::Senkrechtebutton, 5, true, &TForm1::I3, S},
        {1, true, &TGraphik::BeschriftButton, 6, true, &TForm1::I2, B},
        {2, true, &TGraphik::KreisButton, 7, true, &TForm1::I5, K},
        {71, true, &TGraphik::KreisButton, 1, true, &TForm1::I1, 0},
        {3, true, &TGraphik::GeradeButton, 82, true, &TForm1::I6, U},
        {81, true, &TGraphik::GeradeButton, 1, true, &TForm1::I1, 0},
        {82, true, &TGraphik::ParabelButton, 92, true, &TForm1::I7, U},
        {93, true, &TGraphik::ParabelButton, 1, true, &TForm1::I1, 0},
        {7, true, &TGraphik::UrsprungButton, 1, true, &TForm1::I1, 0},
    };
    for (const auto& [vorher, tangenteVorher, knopf, nachher, tangenteNachher, menue, oeffner] : faelle) {
        std::tie(Modus, Graphik->IstTangente) = std::pair(vorher, tangenteVorher);
        Waehle(Graphik->*knopf);
        SCOPED_TRACE("from " + std::to_string(vorher) + " " + (Graphik->*knopf)->objectName().toStdString());
        EXPECT_EQ(std::pair(Modus, Graphik->IstTangente), std::pair(nachher, tangenteNachher));
        EXPECT_TRUE((Form1->*menue)->isChecked());
        EXPECT_EQ(Hervorgehoben(), oeffner);
        // The button of the mode is the one pressed; the assistant asks in
        // modes 82 and 92, any other tool hides it.
        EXPECT_EQ(Graphik->UrsprungButton->isChecked(), nachher == 1);
        EXPECT_EQ(AssistentFenster->isVisible(), nachher == 82 || nachher == 92);
    }
    // Another sender leaves the mode as the caller set it; a step of a
    // construction has no pattern of its own: the mode panel is emptied,
    // the function panels keep theirs.
    Modus = ModusKreisRadius;
    Graphik->StatusBar1->Panels[0].Text = QStringLiteral("M(|)");
    Graphik->StatusBar1->Panels[1].Text = QStringLiteral("f1");
    Graphik->TracebuttonClick(Form1);
    EXPECT_EQ(Modus, ModusKreisRadius);
    EXPECT_EQ(std::pair(Graphik->StatusBar1->Panels[0].Text, Graphik->StatusBar1->Panels[1].Text),
              std::pair(QString(), QStringLiteral("f1")));
    // The menu chooses the tool and presses its button.
    Form1->I9->trigger();
    EXPECT_EQ(std::tuple(Modus, Graphik->IstTangente, Graphik->NormaleButton->isChecked()),
              std::tuple(ModusTangente, false, true));
    // "Foto mit" unticked in the tangent tool: the points are not written.
    Waehle(Graphik->TangenteButton);
    Graphik->CheckBox2->setChecked(false);
    EXPECT_TRUE(Form1->SpeedButton10->autoRaise());
    Graphik->CheckBox2->setChecked(true);
    EXPECT_FALSE(Form1->SpeedButton10->autoRaise());
}

// Each item of the interaction menu (1..10) chooses its tool and presses
// its button, with the tangent flag of items 8, 9 and 10; other numbers
// choose nothing.
TEST_F(ModiTest, EachMenuItemChoosesItsToolAndPressesItsButton)
{
    const std::tuple<int, std::int32_t, Knopf, bool> faelle[] = {
        {4, ModusPunkte, &TGraphik::PunktButton, true},  // the flag as it was
        {9, ModusTangente, &TGraphik::NormaleButton, false},
        {1, ModusUrsprung, &TGraphik::UrsprungButton, false},
        {2, ModusBeschriftung, &TGraphik::BeschriftButton, false},
        {8, ModusTangente, &TGraphik::TangenteButton, true},
        {3, ModusSenkrechte, &TGraphik::Senkrechtebutton, true},
        {5, ModusKreisMitte, &TGraphik::KreisButton, true},
        {9, ModusTangente, &TGraphik::NormaleButton, false},
        {6, ModusGeradeFrage, &TGraphik::GeradeButton, false},
        {7, ModusParabelFrage, &TGraphik::ParabelButton, false},
        {10, ModusSpur, &TGraphik::Tracebutton, true},
    };
    for (const auto& [eintrag, modus, knopf, tangente] : faelle) {
        Graphik->WerkzeugWaehlen(eintrag, Form1);
        SCOPED_TRACE(eintrag);
        EXPECT_EQ(std::tuple(Modus, (Graphik->*knopf)->isChecked(), Graphik->IstTangente),
                  std::tuple(modus, true, tangente));
    }
    for (const int daneben : {0, 11}) {
        Graphik->WerkzeugWaehlen(daneben, Form1);
        EXPECT_EQ(std::pair(Modus, Graphik->Tracebutton->isChecked()), std::pair(ModusSpur, true)) << daneben;
    }
}

TEST_F(ModiTest, ClicksStepThroughTheConstructionsAndRightClicksStepBack)
{
    // The tool, whether the assistant's question is answered No first, and
    // each step: L or R (left or right click), the mode after it, and the
    // sound heard if any ("L71:blop" = a left click gives 71 with "blop").
    const std::tuple<Knopf, bool, const char*> faelle[] = {
        {&TGraphik::KreisButton, false, "L71:blop R7:schlag L71:blop L7:klick"},
        {&TGraphik::GeradeButton, false, "L82 R82"},
        {&TGraphik::GeradeButton, true, "L81:blop R8:schlag L81:blop L82:klick"},
        {&TGraphik::ParabelButton, true, "L91:blop L93:blop R91:schlag R9:schlag L91:blop L93:blop L92:klick"},
    };
    for (const auto& [werkzeug, nein, folge] : faelle) {
        Waehle(Graphik->UrsprungButton);
        Waehle(Graphik->*werkzeug);
        if (nein)
            AssistentFenster->NeinButtonClick();
        Gehoert();
        std::istringstream schritte(folge);
        for (std::string schritt; schritte >> schritt;) {
            const auto doppelpunkt = schritt.find(':');
            Klick(200, 100, schritt[0] == 'L' ? Qt::LeftButton : Qt::RightButton);
            EXPECT_EQ(Modus, std::stoi(schritt.substr(1, doppelpunkt - 1))) << schritt;
            const std::vector<std::string> klang =
                doppelpunkt == std::string::npos ? std::vector<std::string>{}
                                                 : std::vector<std::string>{schritt.substr(doppelpunkt + 1)};
            EXPECT_EQ(Gehoert(), klang) << schritt;
            // The assistant asks exactly in the modes of its question.
            EXPECT_EQ(AssistentFenster->isVisible(), Modus == ModusGeradeFrage || Modus == ModusParabelFrage) << schritt;
        }
    }
    // The finished construction asks again.
    EXPECT_TRUE(AssistentFenster->isVisible());
}

TEST_F(ModiTest, TheAssistantsYesClearsTheGraphsAndStartsTheConstruction)
{
    Funktionen[2]->SetTerm("f(x) = x");
    Funktionen[9]->SetTerm("f(x) = 9");
    Waehle(Graphik->ParabelButton);
    Graphik->StatusErneuern = false;  // the pointer did not move since
    AssistentFenster->JaButtonClick();
    EXPECT_EQ(Modus, ModusParabelD);
    EXPECT_EQ(Gehoert(), std::vector<std::string>{"weg"});
    for (int n = 1; n <= 9; ++n)
        EXPECT_FALSE(Funktionen[static_cast<std::size_t>(n)]->GetCompiled()) << n;
    EXPECT_EQ(FunktionNr, 1);
    EXPECT_TRUE(Graphik->Animator->isActive());
    // The tool is set up for its first step: the snap bar, the pattern and
    // the instruction box in the picture's corner.
    EXPECT_FALSE(Graphik->TrackBar3->isHidden());
    EXPECT_EQ(Graphik->StatusBar1->Panels[0].Text, "S(|)");
    Graphik->BildCanvas->Flush();
    int kasten = 0;
    for (int y = 6; y < 20; ++y)
        kasten += Graphik->PaintBox1->Front().pixel(5, y) != Graphik->Bild.pixel(5, y);
    EXPECT_GT(kasten, 10);
    // In any other mode the answers do nothing.
    Graphik->JaButtonClick(nullptr);
    Graphik->NeinButtonClick(nullptr);
    EXPECT_EQ(Modus, ModusParabelD);
}

TEST_F(ModiTest, FamiliesOpenTheTraceWindowUnderTheCoordinateGroup)
{
    Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x^2"));
    Form1->Evont->setText(QStringLiteral("2"));
    Waehle(Graphik->Tracebutton);
    ASSERT_TRUE(TraceParam->isVisible());
    EXPECT_EQ(TraceParam->Edit->text(), QStringLiteral("2"));
    // Placed by its frame, as every window is, and again so when the graph
    // window's size changes.
    const QWidget* gruppe = Graphik->GroupBox2;
    const auto unterDerGruppe = [&] {
        return gruppe->mapToGlobal(QPoint(gruppe->width() - TraceParam->width(), gruppe->height()));
    };
    ASSERT_TRUE(QTest::qWaitForWindowExposed(TraceParam));
    ASSERT_NE(TraceParam->frameGeometry(), TraceParam->geometry()) << "the platform draws no frame";
    EXPECT_EQ(TraceParam->frameGeometry().topLeft(), unterDerGruppe());
    Graphik->resize(Graphik->width() + 120, Graphik->height() + 40);
    TraceParam->move(0, 0);
    Graphik->GraphikResize();
    EXPECT_EQ(TraceParam->frameGeometry().topLeft(), unterDerGruppe());
    // The tangent tool keeps it, others hide it.
    Waehle(Graphik->TangenteButton);
    EXPECT_TRUE(TraceParam->isVisible());
    Waehle(Graphik->PunktButton);
    EXPECT_FALSE(TraceParam->isVisible());
    // The selected function counts, not the first one.
    Form1->Edit1->setText(QStringLiteral("f(x) = x"));
    emit Melder().FunktionWaehlenVerlangt(2);
    Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x"));
    ASSERT_FALSE(TraceParam->isVisible());
    Waehle(Graphik->Tracebutton);
    EXPECT_TRUE(TraceParam->isVisible());
}

TEST_F(ModiTest, InteractionOffReturnsToTheOriginAndSoundsFollowTheMenuItem)
{
    Waehle(Graphik->KreisButton);
    Form1->Interaktiv1->trigger();
    EXPECT_FALSE(Graphik->InteraktivBox->isChecked());
    EXPECT_EQ(Modus, ModusUrsprung);
    EXPECT_TRUE(Graphik->UrsprungButton->isChecked());
    EXPECT_FALSE(Form1->I5->isEnabled());
    EXPECT_TRUE(Graphik->AktivBox->isHidden());
    Form1->Interaktiv1->trigger();
    EXPECT_TRUE(Form1->I5->isEnabled());
    EXPECT_FALSE(Graphik->AktivBox->isHidden());
    // The graph window's sound box mirrors into the menu item, and back;
    // sounds play only while it is ticked, but the effects always run.
    Graphik->SoundBox->setChecked(false);
    EXPECT_FALSE(Form1->Sound1->isChecked());
    Klick(150, 240);  // origin tool: the drag starts with "schlag"
    Waehle(Graphik->PunktButton);
    Klick(100, 100);
    EXPECT_TRUE(Gehoert().empty());
    EXPECT_FALSE(Graphik->camera3->isHidden());
    Form1->Sound1->trigger();
    EXPECT_TRUE(Graphik->SoundBox->isChecked());
    Klick(100, 100);
    EXPECT_EQ(Gehoert(), std::vector<std::string>{"klick"});
}

TEST_F(ModiTest, EachModeSetsUpSnapControlsFotoBoxAndStatusPattern)
{
    // At the start (the origin tool) "Foto mit" is not offered.
    EXPECT_TRUE(Graphik->CheckBox2->isHidden() && Graphik->LabelText->isHidden());
    // Snap controls shown, "Foto mit" shown (and ticked), the empty pattern
    // and its width at snap step 4: W17 = (4 + 3) * 17 - 12 = 107,
    // W15 = (4 + 4) * 15 - 5 = 115; what "Foto mit" adds.
    const std::tuple<Knopf, bool, bool, const char*, int, const char*> faelle[] = {
        {&TGraphik::PunktButton, true, true, "P(|)", 107, "Koordinaten"},
        {&TGraphik::Tracebutton, true, true, "T(|)", 115, "Koordinaten"},
        {&TGraphik::NormaleButton, true, true, "N(|)", 115, "Schnittpunkt"},
        {&TGraphik::TangenteButton, true, true, "B(|)", 115, "Berührpunkt"},
        {&TGraphik::Senkrechtebutton, true, false, "P(|)", 107, "Koordinaten"},
        {&TGraphik::BeschriftButton, false, false, "", 90, "Koordinaten"},
        {&TGraphik::KreisButton, true, false, "M(|)", 107, "Koordinaten"},
        {&TGraphik::UrsprungButton, false, false, "P(|)", 90, "Koordinaten"},
    };
    Graphik->TrackBar3->setValue(4);
    // Their text black again, whatever colour was set before.
    for (QWidget* w : std::initializer_list<QWidget*>{Graphik->CheckBox2, Graphik->LabelText}) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::WindowText, Qt::gray);
        w->setPalette(pal);
    }
    for (const auto& [knopf, raster, foto, vorlage, breite, zusatz] : faelle) {
        Graphik->StatusErneuern = false;  // Statusanzeige leaves the panel alone
        Graphik->CheckBox2->setChecked(false);
        Waehle(Graphik->*knopf);
        SCOPED_TRACE((Graphik->*knopf)->objectName().toStdString());
        for (QWidget* w : std::initializer_list<QWidget*>{Graphik->TrackBar3, Graphik->Label12, Graphik->Label10,
                                                          Graphik->Label11, Graphik->Label2, Graphik->Label1,
                                                          Graphik->Label32})
            EXPECT_EQ(!w->isHidden(), raster) << w->objectName().toStdString();
        EXPECT_EQ(std::tuple(!Graphik->CheckBox2->isHidden(), !Graphik->LabelText->isHidden()), std::tuple(foto, foto));
        EXPECT_EQ(Graphik->CheckBox2->isChecked(), foto);
        EXPECT_EQ(std::tuple(Graphik->StatusBar1->Panels[0].Text, Graphik->StatusBar1->Panels[0].Width),
                  std::tuple(QString::fromUtf8(vorlage), breite));
        EXPECT_EQ(Graphik->LabelText->text(), QString::fromUtf8(zusatz));
        EXPECT_EQ(std::pair(Graphik->CheckBox2->palette().color(QPalette::WindowText),
                            Graphik->LabelText->palette().color(QPalette::WindowText)),
                  std::pair(QColor(Qt::black), QColor(Qt::black)));
    }
    // In English the touching point is indented.
    Form1->english1->trigger();
    Waehle(Graphik->TangenteButton);
    EXPECT_TRUE(Graphik->LabelText->text().startsWith(QStringLiteral("      ")));
}

// The snap bar stands upright beside its five steps: at each value its
// handle is beside that value's step, the finest at the bottom.
TEST_F(ModiTest, TheSnapBarsHandleStandsBesideItsStep)
{
    Waehle(Graphik->PunktButton);
    QSlider* bar = Graphik->TrackBar3;
    struct Offen : QSlider {
        using QSlider::initStyleOption;
    };
    const auto optionen = &Offen::initStyleOption;
    const QLabel* stufen[] = {Graphik->Label10, Graphik->Label11, Graphik->Label2, Graphik->Label1, Graphik->Label32};
    for (int v = 0; v <= 4; ++v) {
        bar->setValue(v);
        QStyleOptionSlider opt;
        (bar->*optionen)(&opt);
        const QRect griff = bar->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, bar);
        const int y = bar->mapTo(Graphik->AktivBox, griff.center()).y();
        int naechste = 0;
        for (int i = 1; i <= 4; ++i)
            if (std::abs(stufen[i]->geometry().center().y() - y) < std::abs(stufen[naechste]->geometry().center().y() - y))
                naechste = i;
        EXPECT_EQ(naechste, v) << "handle at " << y;
    }
}

// The assistant stands at the drawing area's top left corner wherever the
// window went since it was shown last.
TEST_F(ModiTest, TheAssistantStandsAtTheDrawingAreaWhenAToolShowsIt)
{
    Waehle(Graphik->GeradeButton);
    AssistentFenster->NeinButtonClick();
    AssistentFenster->hide();
    Graphik->move(Graphik->pos() + QPoint(40, 30));
    Waehle(Graphik->UrsprungButton);
    Waehle(Graphik->ParabelButton);
    ASSERT_TRUE(AssistentFenster->isVisible());
    EXPECT_EQ(AssistentFenster->frameGeometry().topLeft(), Graphik->PaintBox1->mapToGlobal(QPoint(5, 5)));
}
