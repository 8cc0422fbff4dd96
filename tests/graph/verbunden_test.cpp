// Every control of the graph window is connected: each button, menu item,
// check box, list, field, track bar and swatch is worked as a user works it
// (a click, a key, typing) and its effect is seen in the state or the
// picture.

#include "interaktion_fixture.h"
#include "main/druck_fakes.h"

#include "main/beschriftung_tabelle.h"
#include "tools/einheit_dlg.h"
#include "engine/einheiten.h"
#include "platform/dateidialog.h"
#include "platform/melder.h"
#include "platform/statusleiste.h"
#include "tools/beschriftung_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/uebersicht_dlg.h"

#include <QFrame>
#include <QTest>
#include <QTimer>

namespace {

struct FakeDateien : TDateiDialog {
    int Gespeichert = 0, Geoeffnet = 0;
    std::optional<QString> Speichern(QWidget*, const QString&, const QString&) override
    {
        ++Gespeichert;
        return std::nullopt;
    }
    std::optional<QString> Oeffnen(QWidget*, const QString&, const QString&) override
    {
        ++Geoeffnet;
        return std::nullopt;
    }
};

class Verbunden : public DruckTest {
protected:
    FakeDateien Dateien;
    FakeKlaenge Klaenge;

    void SetUp() override
    {
        SetKlangSpieler(&Klaenge);
        DruckTest::SetUp();
        SetDateiDialog(&Dateien);
        FreieFlaeche(331, 301);  // 30 pixels per view unit, the origin at pixel (150, 240)
        ASSERT_EQ(Graphik->PaintBox1->size(), QSize(331, 301));
    }
    void TearDown() override
    {
        SetDateiDialog(nullptr);
        DruckTest::TearDown();
        SetKlangSpieler(nullptr);
    }
    static QRgb Pixel(int x, int y) { return Graphik->PaintBox1->Front().pixel(x, y) | 0xFF000000u; }
    // The graph window as the active window, as the input bar needs it.
    static bool Aktiv()
    {
        Graphik->activateWindow();
        QApplication::setActiveWindow(Graphik);
        return QApplication::activeWindow() == Graphik;
    }
    // One key on a control, as a user presses it.
    static void Taste(QWidget* w, Qt::Key key) { QTest::keyClick(w, key); }
    // A mouse event on the drawing area at a pixel.
    static void Maus(QEvent::Type art, Qt::MouseButton knopf, Qt::MouseButtons gedrueckt, QPoint p = {180, 210})
    {
        QMouseEvent e(art, p, Graphik->PaintBox1->mapToGlobal(p), knopf, gedrueckt, Qt::NoModifier);
        QCoreApplication::sendEvent(Graphik->PaintBox1, &e);
    }
};

TEST_F(Verbunden, TheBandsButtonsAndTheFileMenu)
{
    Form1->SpeedButton5Click();  // presentation mode shows the band
    ASSERT_TRUE(Graphik->CoolBar2->isVisible());
    const std::pair<QToolButton*, QWidget*> fenster[] = {
        {Graphik->SpeedButton7, Uebersicht_Dlg}, {Graphik->SpeedButton12, BeschriftungDlg},
        {Graphik->SpeedButton11, SenkrechteDlg}, {Graphik->SpeedButton10, PunkteDlg},
        {Graphik->SpeedButton16, KreiseDlg},     {Graphik->SpeedButton9, FlaechenDlg},
    };
    for (const auto& [knopf, w] : fenster) {
        w->hide();
        knopf->click();
        EXPECT_TRUE(w->isVisible()) << knopf->objectName().toStdString();
        knopf->click();
        EXPECT_FALSE(w->isVisible()) << knopf->objectName().toStdString();
    }
    const std::pair<QToolButton*, QMenu*> menues[] = {
        {Graphik->SpeedButton4, Graphik->PopupMenu1}, {Graphik->SpeedButton14, Form1->PopupMenu2},
        {Graphik->SitBtn3, Form1->PopupMenu1}};
    for (const auto& [knopf, menue] : menues) {
        knopf->click();
        EXPECT_TRUE(menue->isVisible()) << knopf->objectName().toStdString();
        menue->hide();
    }
    Graphik->ffnen1->trigger();
    Graphik->Speichern1->trigger();
    EXPECT_EQ(std::pair(Dateien.Geoeffnet, Dateien.Gespeichert), std::pair(1, 1));
    Modal.Antwort = [](QDialog&) {};
    Graphik->SpeedButton8->click();
    Graphik->SpeedButton13->click();
    EXPECT_EQ(Modal.Gezeigt, (std::vector<QDialog*>{DruckDlg, KopierDlg}));
    Funktionen[1]->SetTerm("f(x) = 4");
    QTest::mouseClick(Graphik->SpeedButton15, Qt::LeftButton);
    EXPECT_EQ(Funktionen[1]->GetTerm(), "f(x) = x^2");
    Graphik->SpeedButton5->click();
    EXPECT_FALSE(Graphik->Praesentation || Graphik->CoolBar2->isVisible() || Graphik->isMaximized());
}

TEST_F(Verbunden, TheAxesGroupsBarsListsButtonsAndCaptions)
{
    Taste(Graphik->TrackBar2, Qt::Key_Right);
    Taste(Graphik->TrackBar1, Qt::Key_Right);
    EXPECT_EQ(std::pair(Graphik->EinheitX, Graphik->EinheitY), std::pair(EinheitXAusPosition(2),
                                                                         EinheitYAusPosition(2)));
    // The length lists, chosen with a key and typed.
    Taste(Graphik->ComboBox2, Qt::Key_Up);
    EXPECT_EQ(Graphik->XMax - Graphik->XMin, 10);
    Taste(Graphik->ComboBox1, Qt::Key_Down);
    EXPECT_EQ(Graphik->YMax - Graphik->YMin, 11);
    Graphik->ComboBox2->lineEdit()->selectAll();
    QTest::keyClicks(Graphik->ComboBox2->lineEdit(), "8");
    Graphik->ComboBox1->lineEdit()->selectAll();
    QTest::keyClicks(Graphik->ComboBox1->lineEdit(), "6");
    EXPECT_EQ(std::pair(Graphik->XMax - Graphik->XMin, Graphik->YMax - Graphik->YMin), std::pair(8, 6));
    // Any of the three unit buttons switches cm and inch; the inch lists
    // then set the lengths.
    Graphik->cm2->click();
    EXPECT_DOUBLE_EQ(Graphik->Massstab, 1.27);
    Graphik->ComboBox2a->setCurrentIndex(0);  // 1.5 in
    Taste(Graphik->ComboBox2a, Qt::Key_Down);
    Graphik->ComboBox1a->setCurrentIndex(2);  // 2.5 in
    Taste(Graphik->ComboBox1a, Qt::Key_Down);
    EXPECT_EQ(std::pair(Graphik->XMax - Graphik->XMin, Graphik->YMax - Graphik->YMin), std::pair(4, 6));
    Graphik->ComboBox2a->lineEdit()->selectAll();
    QTest::keyClicks(Graphik->ComboBox2a->lineEdit(), "3");
    Graphik->ComboBox1a->lineEdit()->selectAll();
    QTest::keyClicks(Graphik->ComboBox1a->lineEdit(), "2");
    EXPECT_EQ(std::pair(Graphik->XMax - Graphik->XMin, Graphik->YMax - Graphik->YMin), std::pair(6, 4));
    Graphik->cm3->click();
    EXPECT_DOUBLE_EQ(Graphik->Massstab, 1.0);
    Graphik->cm1->click();
    EXPECT_DOUBLE_EQ(Graphik->Massstab, 1.27);
    // The unit windows.
    Graphik->BitBtn1->click();
    Graphik->BitBtn2->click();
    EXPECT_TRUE(EinheitXDlg->isVisible() && EinheitYDlg->isVisible());
    // The captions go into the labels window too.
    Graphik->Edit1->selectAll();
    QTest::keyClicks(Graphik->Edit1, "Zeit");
    Graphik->Edit2->selectAll();
    QTest::keyClicks(Graphik->Edit2, "Weg");
    EXPECT_EQ(std::pair(BeschriftungDlg->Edit1->text(), BeschriftungDlg->Edit2->text()),
              std::pair(QStringLiteral("Zeit"), QStringLiteral("Weg")));
}

TEST_F(Verbunden, TheCoordinateSystemsSwitchesRedrawThePicture)
{
    Graphik->Gitter = "0";
    Graphik->GraphikResize();
    // The y axis at column 150, the parabola through (2, 4) at (210, 120),
    // a tick of the x axis at (180, 239).
    ASSERT_EQ(Pixel(150, 100), 0xFF000000u);
    ASSERT_EQ(Pixel(210, 120), 0xFFFF0000u);
    ASSERT_EQ(Pixel(180, 239), 0xFF000000u);
    QTest::mouseClick(Graphik->CB2, Qt::LeftButton);
    EXPECT_EQ(Pixel(210, 120), 0xFF000000u);
    QTest::mouseClick(Graphik->CB2, Qt::LeftButton);
    EXPECT_EQ(Pixel(210, 120), 0xFFFF0000u);
    QTest::mouseClick(Graphik->CB4, Qt::LeftButton);
    EXPECT_EQ(std::pair(Pixel(180, 239), Pixel(150, 100)), std::pair(0xFFFFFFFFu, 0xFF000000u));
    QTest::mouseClick(Graphik->CB4, Qt::LeftButton);
    QTest::mouseClick(Graphik->CB3, Qt::LeftButton);
    EXPECT_EQ(Pixel(150, 100), 0xFFFFFFFFu);
    EXPECT_FALSE(Graphik->CB4->isEnabled());
    QTest::mouseClick(Graphik->CB3, Qt::LeftButton);
    EXPECT_EQ(Pixel(150, 100), 0xFF000000u);
    // The grid buttons and the line style list.
    Graphik->SpeedButton3->click();
    EXPECT_EQ(Graphik->Gitter, "2");
    Taste(Graphik->ComboStrich, Qt::Key_Down);
    EXPECT_EQ(Graphik->Gitter, "6");
    Graphik->SpeedButton2->click();
    EXPECT_EQ(Graphik->Gitter, "7");
    Graphik->SpeedButton6->click();
    EXPECT_EQ(Graphik->Gitter, "5");
    QTest::mousePress(Graphik->GitterFelder[1], Qt::LeftButton);
    QTest::mouseRelease(Graphik->GitterFelder[1], Qt::LeftButton);
    EXPECT_EQ(Graphik->Gitter, "5a");
    Graphik->SpeedButton1->click();
    EXPECT_EQ(Graphik->Gitter, "0a");
}

TEST_F(Verbunden, TheInputBarHandsEverythingToTheEditor)
{
    if (!Aktiv())
        GTEST_SKIP() << "no active window on this platform";
    Graphik->Edit3->selectAll();
    QTest::keyClicks(Graphik->Edit3, "f(x)=2x");
    EXPECT_EQ(Funktionen[1]->GetTerm(), "f(x)=2x");
    for (QLineEdit* e : {Graphik->Evonx, Graphik->Ebisx, Graphik->Evont, Graphik->Ebist, Graphik->Estept}) {
        e->selectAll();
        QTest::keyClicks(e, "3");
        EXPECT_EQ(Form1->findChild<QLineEdit*>(e->objectName())->text(), "3") << e->objectName().toStdString();
    }
    EXPECT_EQ(std::pair(Funktionen[1]->GetXFrom(), Funktionen[1]->GetXTo()), std::pair(3.0, 3.0));
    // The line style list and the two colour buttons act on the selected
    // function.
    Graphik->ComboBox4->setCurrentIndex(2);
    Taste(Graphik->ComboBox4, Qt::Key_Down);
    EXPECT_EQ(Funktionen[1]->GetLineStyle(), 3);
    Taste(Graphik->ComboBox4, Qt::Key_End);  // the eleven styles, the last one 10
    EXPECT_EQ(Funktionen[1]->GetLineStyle(), 10);
    Taste(Graphik->ComboBox4, Qt::Key_Home);
    EXPECT_EQ(Funktionen[1]->GetLineStyle(), 0);
    FarbDialog.Antwort = clGreen;
    Graphik->SFarbe->click();
    EXPECT_EQ(Funktionen[1]->GetColor(), clGreen);
    FarbDialog.Antwort = clYellow;
    Graphik->SFarbe2->click();
    EXPECT_EQ(Funktionen[1]->GetColor2(), clYellow);
    // The function number, chosen with a key and typed.
    Taste(Graphik->ComboBox3, Qt::Key_Down);
    EXPECT_EQ(FunktionNr, 2);
    Graphik->ComboBox3->lineEdit()->selectAll();
    QTest::keyClicks(Graphik->ComboBox3->lineEdit(), "5.");
    EXPECT_EQ(FunktionNr, 5);
}

TEST_F(Verbunden, TheToolBoxsSwitchesSnapStepsAndLabelField)
{
    // The snap steps beside the bar choose the step, which the empty
    // coordinate panel shows at once.
    Graphik->PunktButton->click();
    for (const auto& [stufe, breite] : {std::pair{Graphik->Label10, 56}, {Graphik->Label11, 73}, {Graphik->Label32, 107}}) {
        Graphik->StatusErneuern = true;
        EXPECT_EQ(stufe->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(stufe, Qt::LeftButton);
        EXPECT_EQ(Graphik->StatusBar1->Panels[0].Width, breite) << stufe->objectName().toStdString();
    }
    EXPECT_EQ(Graphik->TrackBar3->value(), 4);
    // Page keys step each bar of the window by one position.
    for (QSlider* bar : {Graphik->TrackBar3, Graphik->TrackBar2, Graphik->TrackBar1}) {
        const int vorher = bar->value();
        Taste(bar, Qt::Key_PageDown);
        EXPECT_EQ(bar->value(), vorher - 1) << bar->objectName().toStdString();
    }
    // The sound switch is the main window's menu item.
    QTest::mouseClick(Graphik->SoundBox, Qt::LeftButton);
    EXPECT_FALSE(Form1->Sound1->isChecked());
    QTest::mouseClick(Graphik->SoundBox, Qt::LeftButton);
    EXPECT_TRUE(Form1->Sound1->isChecked());
    // "Foto mit" unticked in the tangent tool: the points' opener is flat.
    Graphik->TangenteButton->click();
    ASSERT_TRUE(Graphik->CheckBox2->isVisible());
    EXPECT_FALSE(Form1->SpeedButton10->autoRaise());
    QTest::mouseClick(Graphik->CheckBox2, Qt::LeftButton);
    EXPECT_TRUE(Form1->SpeedButton10->autoRaise());
    // The label field types into the picture's riding label.
    Graphik->BeschriftButton->click();
    Graphik->BeschrEdit->show();
    QTest::keyClicks(Graphik->BeschrEdit, "Hallo");
    EXPECT_EQ(Graphik->BeschrEdit->text(), "Hallo");
    // It grows with its text and shrinks with it.
    const QString lang = QStringLiteral("Hallo, ein Text von vierzig Buchstaben!!");
    QTest::keyClicks(Graphik->BeschrEdit, lang.mid(5));
    EXPECT_GE(Graphik->BeschrEdit->width(), Graphik->BeschrEdit->fontMetrics().horizontalAdvance(lang) + 5);
    Graphik->BeschrEdit->clear();
    QTest::keyClicks(Graphik->BeschrEdit, "a");
    EXPECT_LT(Graphik->BeschrEdit->width(), 40);
    // Interaction off hides the tool box and gives its room to the drawing.
    const int links = Graphik->PaintBox1->x();
    Graphik->InteraktivBox->setChecked(false);
    EXPECT_TRUE(Graphik->AktivBox->isHidden());
    EXPECT_EQ(Modus, ModusUrsprung);
    EXPECT_LT(Graphik->PaintBox1->x(), links);
    // and the label tool's pen gives way to the origin tool's cross.
    EXPECT_EQ(Graphik->PaintBox1->cursor().shape(), Qt::CrossCursor);
}

TEST_F(Verbunden, TheDrawingAreaTakesTheMouse)
{
    Graphik->PunktButton->click();
    Maus(QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(std::tuple(Graphik->MausX, Graphik->MausY, Graphik->Animator->isActive()), std::tuple(180, 210, true));
    Maus(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    Maus(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(std::pair(Punkte[1].X, Punkte[1].Y), std::pair(std::string("1,00"), std::string("1,00")));
    EXPECT_EQ(Klaenge.Gespielt, std::vector<std::string>{"klick"});
    // A right click takes it back.
    Maus(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton);
    EXPECT_TRUE(Punkte[1].X.empty());
    // The origin tool drags the view while the left button is held.
    Graphik->UrsprungButton->click();
    Maus(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    Maus(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(240, 210));
    Maus(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(240, 210));
    EXPECT_EQ(std::pair(Graphik->XMin, Graphik->XMax), std::pair(-7, 4));
}

TEST_F(Verbunden, ChangesOfOtherWindowsAreDrawnAtOnce)
{
    Graphik->Gitter = "0";
    Graphik->GraphikResize();
    std::tie(Punkte[1].X, Punkte[1].Y, Punkte[1].Color, Punkte[1].Style) = std::tuple("-3", "6", clBlue, MarkeScheibe);
    emit Melder().TabelleGeaendert(TObjekttabelle::Punkte, Form1);
    EXPECT_EQ(Pixel(60, 60), 0xFF0000FFu);
    Funktionen[1]->SetTerm("f(x) = 1");
    emit Melder().FunktionGeaendert(1, Form1);
    EXPECT_EQ(Pixel(100, 210), 0xFFFF0000u);
    // What this window changed it draws itself.
    Funktionen[1]->SetTerm("f(x) = 2");
    emit Melder().FunktionGeaendert(1, Graphik);
    EXPECT_EQ(Pixel(100, 210), 0xFFFF0000u);
}

// The notifier's other news: a family parameter, a picture caught up after
// a whole-document change and another language redraw; the other catch-ups
// do not. Switches set elsewhere show in the tool box; its own do not come
// back to it.
TEST_F(Verbunden, TheNotifiersNewsReachThePictureAndTheSwitches)
{
    const auto neu = [](const std::function<void()>& nachricht) {
        const int vorher = Graphik->Neuzeichnungen();
        nachricht();
        return Graphik->Neuzeichnungen() - vorher;
    };
    EXPECT_GE(neu([] { emit Melder().ScharparameterGeaendert(); }), 1);
    EXPECT_GE(neu([] { emit Melder().NachholenVerlangt(TNachholen::Bild); }), 1);
    EXPECT_EQ(neu([] { emit Melder().NachholenVerlangt(TNachholen::Uebersicht); }), 0);
    Graphik->TextMittig = true;
    EXPECT_GE(neu([] { emit Melder().SpracheGeaendert(); }), 1);
    EXPECT_FALSE(Graphik->TextMittig);
    std::tie(Zustand.Klang, Zustand.Interaktiv) = std::pair(false, false);
    emit Melder().SchalterGeaendert(Graphik);
    EXPECT_TRUE(Graphik->SoundBox->isChecked() && Graphik->InteraktivBox->isChecked());
    emit Melder().SchalterGeaendert(Form1);
    EXPECT_FALSE(Graphik->SoundBox->isChecked() || Graphik->InteraktivBox->isChecked());
}

// A view that another window announces is shown: the bars at their
// positions without their steps' units, the switches, the captions, the
// lengths in cm and, where the cm text is whole, in inch.
TEST_F(Verbunden, AViewAnnouncedElsewhereIsShown)
{
    TAnsicht& a = Zustand.Ansicht;
    std::tie(a.EinheitX, a.PositionX, a.PositionY) = std::tuple(3.0, 5, -2);
    std::tie(a.Farbig, a.Achsen, a.Zahlen) = std::tuple(false, false, true);
    std::tie(a.XAchse, a.YAchse, a.YLaenge, a.XLaenge) = std::tuple("Zeit", "Weg", "7", "9,");
    const QString zollX = Graphik->ComboBox2a->currentText();
    emit Melder().AnsichtGeaendert(Form1);
    EXPECT_EQ(std::tuple(Graphik->TrackBar2->value(), Graphik->TrackBar1->value(), Graphik->EinheitX),
              std::tuple(5, -2, 3.0));
    EXPECT_EQ(std::tuple(Graphik->CB2->isChecked(), Graphik->CB3->isChecked(), Graphik->CB4->isChecked(),
                         Graphik->CB4->isEnabled()),
              std::tuple(false, false, true, false));
    EXPECT_EQ(std::pair(Graphik->Edit1->text(), Graphik->Edit2->text()), std::pair(QString("Zeit"), QString("Weg")));
    // Captions announced by the labels window, which passes on none.
    std::tie(a.XAchse, a.YAchse) = std::pair("t", "s");
    emit Melder().AnsichtGeaendert(BeschriftungDlg);
    EXPECT_EQ(std::pair(Graphik->Edit1->text(), Graphik->Edit2->text()), std::pair(QString("t"), QString("s")));
    EXPECT_EQ(std::tuple(Graphik->ComboBox1->currentText(), Graphik->ComboBox1a->currentText(),
                         Graphik->ComboBox2->currentText(), Graphik->ComboBox2a->currentText()),
              std::tuple(QString("7"), QString("3.5"), QString("9,"), zollX));
}

// The caption table finds the window's controls by their names, and tests
// and the layout reach them so: every widget, action and timer the window
// puts into itself, its groups, its band and its menu has a name of its
// own, and each of the table's names finds its control.
TEST_F(Verbunden, EveryControlHasANameOfItsOwnThatTheCaptionTableFinds)
{
    std::set<QString> namen;
    const std::vector<QObject*> behaelter = {Graphik, Graphik->CoolBar2, Graphik->GroupBox1, Graphik->GroupBox2,
                                             Graphik->GroupBox3, Graphik->AktivBox, Graphik->PopupMenu1};
    std::size_t gezaehlt = 0;
    for (QObject* b : behaelter) {
        for (QObject* o : b->children()) {
            if ((!o->isWidgetType() && !qobject_cast<QAction*>(o) && !qobject_cast<QTimer*>(o)) ||
                o == Graphik->PopupMenu1->menuAction())
                continue;
            ++gezaehlt;
            EXPECT_FALSE(o->objectName().isEmpty()) << o->metaObject()->className() << " in "
                                                    << b->objectName().toStdString();
            EXPECT_TRUE(namen.insert(o->objectName()).second) << o->objectName().toStdString();
        }
    }
    EXPECT_GT(gezaehlt, 90u);
    for (const TBeschriftungsZiel& z : BeschriftungsZiele()) {
        if (z.Fenster == TFensterNr::Graphik) {
            EXPECT_NE(Steuerelement(Graphik, z.Name), nullptr) << z.Name.toStdString();
        }
    }
}

}  // namespace
