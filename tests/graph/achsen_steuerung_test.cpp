// The axis controls of the running graph window: each one changes the view
// it stands for, redraws the picture, and the view's own settings report
// the change to the other windows.

#include "interaktion_fixture.h"

#include "engine/einheiten.h"
#include "platform/melder.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <numbers>

namespace {

class AchsenSteuerung : public InteraktionTest {
protected:
    static void Waehle(QComboBox* box, const QString& text)
    {
        const int i = box->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        box->setCurrentIndex(i);
        emit box->activated(i);
    }
    static void Tippe(QLineEdit* feld, const char* text)
    {
        feld->selectAll();
        QTest::keyClicks(feld, text);
    }
};

TEST_F(AchsenSteuerung, EachControlChangesItsPartOfTheViewRedrawsAndReports)
{
    TGraphik& g = *Graphik;
    struct Fall {
        const char* Name;
        std::function<void()> Tun;
        std::function<bool()> Wirkung;
        bool Meldet;
    };
    const std::vector<Fall> faelle = {
        {"y unit", [&] { g.TrackBar1->setValue(3); }, [&] { return g.EinheitY == EinheitYAusPosition(3) && g.EinheitY != 1.0 && Zustand.Ansicht.PositionY == 3; }, true},
        {"x unit", [&] { g.TrackBar2->setValue(5); },
         [&] { return g.EinheitX == std::numbers::pi && Zustand.Ansicht.PositionX == 5; }, true},
        {"y length", [&] { Waehle(g.ComboBox1, "12"); },
         [&] { return g.YMax - g.YMin == 12 && Zustand.Ansicht.YLaenge == "12" && g.ComboBox1a->currentText() == "6"; },
         true},
        {"x length", [&] { Waehle(g.ComboBox2, "15"); },
         [&] { return g.XMax - g.XMin == 15 && Zustand.Ansicht.XLaenge == "15" && g.ComboBox2a->currentText() == "7.5"; },
         true},
        {"y length in inch", [&] { Waehle(g.ComboBox1a, "4.5"); },
         [&] { return g.YMax - g.YMin == 9 && g.ComboBox1->currentText() == "9"; }, true},
        {"x length in inch", [&] { Waehle(g.ComboBox2a, "3"); },
         [&] { return g.XMax - g.XMin == 6 && g.ComboBox2->currentText() == "6"; }, true},
        {"colour", [&] { QTest::mouseClick(g.CB2, Qt::LeftButton); }, [&] { return !Zustand.Ansicht.Farbig; }, true},
        {"x caption", [&] { Tippe(g.Edit1, "Zeit"); }, [&] { return Zustand.Ansicht.XAchse == "Zeit"; }, true},
        {"y caption", [&] { Tippe(g.Edit2, "Weg"); }, [&] { return Zustand.Ansicht.YAchse == "Weg"; }, true},
        {"numbers", [&] { QTest::mouseClick(g.CB4, Qt::LeftButton); }, [&] { return !Zustand.Ansicht.Zahlen; }, false},
        {"axes", [&] { QTest::mouseClick(g.CB3, Qt::LeftButton); },
         [&] { return !Zustand.Ansicht.Achsen && !g.CB4->isEnabled(); }, false},
    };
    for (const Fall& f : faelle) {
        QSignalSpy gemeldet(&Melder(), &TMelder::AnsichtGeaendert);
        const int vorher = g.Neuzeichnungen();
        f.Tun();
        EXPECT_TRUE(f.Wirkung()) << f.Name;
        EXPECT_GT(g.Neuzeichnungen(), vorher) << f.Name;
        EXPECT_EQ(!gemeldet.isEmpty(), f.Meldet) << f.Name;
    }
}

}  // namespace
