// What every tool window shares, in the started program: they open and close
// from every toggle and show the tables as they are (whoever changed them),
// close on Enter, follow their opacity bar and keep their labels clear of
// their fields in English.

#include "werkzeug_fixture.h"

#include "engine/funktion.h"
#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "main/form1.h"
#include "main/formoeffne.h"
#include "platform/melder.h"
#include "platform/sprache.h"
#include "tools/beschriftung_dlg.h"
#include "tools/einheit_dlg.h"
#include "tools/trace_dlg.h"
#include "tools/flaechen_dlg.h"
#include "tools/kreise_dlg.h"
#include "tools/punkte_dlg.h"
#include "tools/senkrechte_dlg.h"
#include "tools/stilliste.h"
#include "tools/uebersicht_dlg.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScreen>
#include <QSlider>

#include <map>
#include <memory>

namespace {

class WerkzeugfensterTest : public WerkzeugTest {};

// Counts the events of one type its objects receive.
class TEreignisZaehler : public QObject {
public:
    TEreignisZaehler(QEvent::Type art, int& zahl) : Art(art), Zahl(zahl) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        Zahl += e->type() == Art;
        return false;
    }

private:
    QEvent::Type Art;
    int& Zahl;
};

}  // namespace

TEST_F(WerkzeugfensterTest, EveryToggleShowsItsRefreshedWindowAndClosesIt)
{
    std::tie(Punkte[6].X, Punkte[12].X, Senkrechte[2].X, Flaechen[3].XFrom, Beschriftungen[9].Text) =
        std::tuple("9", "4", "3", "-7", "neun");
    Funktionen[4]->SetTerm("f(x) = 4");
    const auto punkte = Punkte;
    const std::tuple<QWidget*, QToolButton*, QAction*, QToolButton*, const QLineEdit*, const char*> wege[] = {
        {PunkteDlg, Form1->SpeedButton10, Form1->Punkte1, Graphik->SpeedButton10, PunkteDlg->Zeile(6).X, "9"},
        {SenkrechteDlg, Form1->SpeedButton11, Form1->Senkrechte1, Graphik->SpeedButton11, SenkrechteDlg->Zeile(2).X, "3"},
        {FlaechenDlg, Form1->SpeedButton9, Form1->Flchen1, Graphik->SpeedButton9, FlaechenDlg->Zeile(3).XVon, "-7"},
        {KreiseDlg, Form1->SpeedButton8, Form1->Kreise1, Graphik->SpeedButton16, KreiseDlg->Zeile(2).X, "4"},
        {BeschriftungDlg, Form1->SpeedButton12, Form1->Beschriftung1, Graphik->SpeedButton12,
         BeschriftungDlg->Zeile(9).Text, "neun"},
        {Uebersicht_Dlg, Form1->SpeedButton13, Form1->bersicht1, Graphik->SpeedButton7,
         Uebersicht_Dlg->Zeile(4).Gleichung, "f(x) = 4"},
    };
    for (const auto& [fenster, haupt, menue, graph, feld, text] : wege) {
        SCOPED_TRACE(fenster->objectName().toStdString());
        haupt->click();
        EXPECT_TRUE(fenster->isVisible());
        EXPECT_EQ(feld->text(), QString::fromUtf8(text));
        menue->trigger();
        EXPECT_FALSE(fenster->isVisible());
        graph->click();
        EXPECT_TRUE(fenster->isVisible());
        // Enter closes, except in the overview, where it belongs to the typing.
        const bool uebersicht = fenster == Uebersicht_Dlg;
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(uebersicht ? Uebersicht_Dlg->Zeile(1).Gleichung
                                           : fenster->findChild<QLineEdit*>(QStringLiteral("Edit1")),
                                &enter);
        EXPECT_EQ(fenster->isVisible(), uebersicht);
    }
    EXPECT_TRUE(punkte == Punkte);
    // Opening brings the window to the front (once more than showing it
    // does), closing does not.
    int gehoben = 0;
    TEreignisZaehler zaehler(QEvent::ZOrderChange, gehoben);
    PunkteDlg->installEventFilter(&zaehler);
    PunkteDlg->show();
    PunkteDlg->hide();
    const int gezeigt = std::exchange(gehoben, 0);
    Form1->SpeedButton10->click();
    EXPECT_EQ(std::pair(PunkteDlg->isVisible(), gehoben), std::pair(true, gezeigt + 1));
    Form1->SpeedButton10->click();
    EXPECT_EQ(std::pair(PunkteDlg->isVisible(), gehoben), std::pair(false, gezeigt + 1));
    PunkteDlg->removeEventFilter(&zaehler);
    // The labels window gives its first axis caption the focus.
    Form1->SpeedButton12->click();
    EXPECT_EQ(BeschriftungDlg->focusWidget(), BeschriftungDlg->Edit1);
}

TEST_F(WerkzeugfensterTest, OpacityStatusDisplayAndEnglishLabelsClearOfTheirFields)
{
    PunkteDlg->TrackBar2->setValue(120);
    EXPECT_NEAR(PunkteDlg->windowOpacity(), 120.0 / 255.0, 0.01);

    // The pointer over the window's surface clears the graph window's
    // status display.
    Graphik->StatusErneuern = true;
    QMouseEvent bewegung(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
    QApplication::sendEvent(SenkrechteDlg, &bewegung);
    EXPECT_FALSE(Graphik->StatusErneuern);

    FlaechenDlg->Zeile(1).KurveB->setCurrentIndex(9);
    ASSERT_TRUE(LoadLanguage(SpracheEnglisch));
    FormOeffne->beschriften();
    EXPECT_EQ(FlaechenDlg->Zeile(1).KurveB->currentText(), QStringLiteral("x-ax."));
    for (int k = 1; k <= 8; ++k) {
        const TFlaechenDlg::TZeile& z = FlaechenDlg->Zeile(k);
        EXPECT_LT(z.VonLabel->geometry().right(), z.XVon->x()) << k;
        EXPECT_LT(z.BisLabel->geometry().right(), z.XBis->x()) << k;
    }
    for (int k = 1; k <= 4; ++k)
        EXPECT_LT(SenkrechteDlg->Zeile(k).VonLabel->geometry().right(), SenkrechteDlg->Zeile(k).YVon->x()) << k;
}

namespace {

// The tool windows created on their own, without the graph and main
// windows, over the tables as the start leaves them.
class WerkzeugfensterAlleinTest : public ProgrammTest {
protected:
    FakeSchriftDialog SchriftDialog;
    std::unique_ptr<TPunkteDlg> Punkt;
    std::unique_ptr<TKreiseDlg> Kreis;
    std::unique_ptr<TBeschriftungDlg> Beschriftung;
    std::unique_ptr<TSenkrechteDlg> Senkrecht;
    std::unique_ptr<TFlaechenDlg> Flaeche;
    std::unique_ptr<TUebersicht_Dlg> Uebersicht;

    void SetUp() override
    {
        ProgrammTest::SetUp();
        SetSchriftDialog(&SchriftDialog);
        AllesNullen();
        TabellenVorbelegen();
        Punkt = std::make_unique<TPunkteDlg>();
        Kreis = std::make_unique<TKreiseDlg>();
        Beschriftung = std::make_unique<TBeschriftungDlg>();
        Senkrecht = std::make_unique<TSenkrechteDlg>();
        Flaeche = std::make_unique<TFlaechenDlg>();
        Uebersicht = std::make_unique<TUebersicht_Dlg>();
    }

    void TearDown() override
    {
        Uebersicht.reset();
        Flaeche.reset();
        Senkrecht.reset();
        Beschriftung.reset();
        Kreis.reset();
        Punkt.reset();
        SetSchriftDialog(nullptr);
        ProgrammTest::TearDown();
    }

    std::vector<TWerkzeugfenster*> Alle() const
    {
        return {Punkt.get(), Kreis.get(), Beschriftung.get(), Senkrecht.get(), Flaeche.get(), Uebersicht.get()};
    }
};

}  // namespace

TEST_F(WerkzeugfensterAlleinTest, CreatingThemWritesNothingBackAndTheyWaitCentredAndOpaque)
{
    const auto punkte = Punkte;
    const auto kreise = Kreise;
    const auto beschriftungen = Beschriftungen;
    const auto senkrechte = Senkrechte;
    const auto flaechen = Flaechen;
    AllesNullen();
    TabellenVorbelegen();
    EXPECT_EQ(Abweichend(punkte, Punkte), Keine{});
    EXPECT_EQ(Abweichend(kreise, Kreise), Keine{});
    EXPECT_EQ(Abweichend(beschriftungen, Beschriftungen), Keine{});
    EXPECT_EQ(Abweichend(senkrechte, Senkrechte), Keine{});
    EXPECT_EQ(Abweichend(flaechen, Flaechen), Keine{});

    const QRect schirm = QGuiApplication::primaryScreen()->availableGeometry();
    for (const TWerkzeugfenster* w : Alle()) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_TRUE(w->isHidden() && (w->windowFlags() & Qt::WindowStaysOnTopHint));
        const QPoint mitte = QRect(w->pos(), w->size()).center();
        EXPECT_LE((mitte - schirm.center()).manhattanLength(), 2);
        EXPECT_EQ(std::pair(w->font().family(), w->font().pointSize()), std::pair(QStringLiteral("Tahoma"), 8));
        EXPECT_EQ(std::pair(w->TrackBar2->value(), w->windowOpacity()), std::pair(255, 1.0));
    }
    // The rows show their tables before the windows were ever shown.
    EXPECT_EQ(std::tuple(Punkt->Zeile(10).Name->text(), Punkt->Zeile(10).X->text(), Punkt->Zeile(10).Stil[0]->isChecked(),
                         Punkt->Zeile(10).NamePos[3]->isChecked()),
              std::tuple(QStringLiteral("J"), QString(), true, true));
    EXPECT_EQ(std::tuple(Kreis->Zeile(10).Name->text(), Kreis->Zeile(10).RadiusY->text(), Senkrecht->Zeile(4).YVon->text(),
                         Flaeche->Zeile(8).XBis->text(), Flaeche->Zeile(8).KurveB->currentText()),
              std::tuple(QStringLiteral("V"), QStringLiteral("2"), QStringLiteral("-100"), QStringLiteral("2"),
                         QStringLiteral("1.")));
    EXPECT_EQ(std::tuple(Beschriftung->Edit1->text(), Beschriftung->Edit2->text(), Beschriftung->Zeile(9).Vorne->isChecked()),
              std::tuple(QStringLiteral("x"), QStringLiteral("y"), true));

    // A window made after a document was opened shows that document and
    // leaves its records as they are.
    Punkte[10].Name = "Q";
    Kreise[10].RadiusY = "3";
    Senkrechte[4].YFrom = "-7";
    Flaechen[8].CurveB = 2;
    Beschriftungen[9].Text = "neun";
    Punkt = std::make_unique<TPunkteDlg>();
    Kreis = std::make_unique<TKreiseDlg>();
    Senkrecht = std::make_unique<TSenkrechteDlg>();
    Flaeche = std::make_unique<TFlaechenDlg>();
    Beschriftung = std::make_unique<TBeschriftungDlg>();
    EXPECT_EQ(std::tuple(Punkt->Zeile(10).Name->text(), Kreis->Zeile(10).RadiusY->text(), Senkrecht->Zeile(4).YVon->text(),
                         Flaeche->Zeile(8).KurveB->currentText()),
              std::tuple(QStringLiteral("Q"), QStringLiteral("3"), QStringLiteral("-7"), QStringLiteral("2.")));
    EXPECT_EQ(std::tuple(Punkte[10].Name, Kreise[10].RadiusY, Senkrechte[4].YFrom, Flaechen[8].CurveB, Beschriftungen[9].Text),
              std::tuple(std::string("Q"), std::string("3"), std::string("-7"), 2, std::string("neun")));
}

TEST_F(WerkzeugfensterAlleinTest, WithoutTheGraphAndMainWindowsTheirControlsStillWriteTheirTables)
{
    Tippen(Punkt->Zeile(2).X, "4");
    Tippen(Beschriftung->Edit1, "t");
    Tippen(Beschriftung->Zeile(3).Text, "drei");
    Druecken(Beschriftung->Zeile(3).Schrift);
    EXPECT_EQ(std::pair(Punkte[2].X, Beschriftungen[3].Text), std::pair(std::string("4"), std::string("drei")));
    Druecken(Beschriftung->Zeile(3).Reset);
    EXPECT_TRUE(Beschriftungen[3].Text.empty());

    // The overview without the main window: the colour schemes still
    // recolour the functions; what goes through the function editor finds
    // none and does nothing.
    std::array<TFunktion, 10> funktionen;
    for (int n = 1; n <= 9; ++n)
        Funktionen[static_cast<std::size_t>(n)] = &funktionen[static_cast<std::size_t>(n)];
    Druecken(Uebersicht->Farboptionen[3]);
    EXPECT_EQ(std::pair(funktionen[1].GetColor(), funktionen[9].GetColor2()), std::pair(clGreen, clSilver));
    auto zweite = [&] {
        return std::tuple(funktionen[2].GetColor(), funktionen[2].GetColor2(), funktionen[2].GetLineStyle());
    };
    const auto vorher = zweite();
    FarbDialog.Antwort = clRed;
    Druecken(Uebersicht->Zeile(2).Farbe);
    Druecken(Uebersicht->Zeile(2).Zusatzfarbe);
    Waehlen(Uebersicht->Zeile(2).Stil, 4);
    EXPECT_EQ(zweite(), vorher);
    Funktionen.fill(nullptr);

    // The pointer over a window without a graph window to tell.
    QMouseEvent bewegung(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Senkrecht.get(), &bewegung);
}

TEST_F(WerkzeugfensterAlleinTest, EveryButtonOfTheObjectWindowsShowsACaptionOrAGlyph)
{
    for (const TWerkzeugfenster* w : Alle()) {
        if (w == Uebersicht.get())
            continue;  // its colour buttons show their colour
        for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
            EXPECT_FALSE(b->text().isEmpty() && b->icon().isNull())
                << w->objectName().toStdString() << " " << b->objectName().toStdString();
    }
}

// A point and a circle's centre read "Name ( x | y )": the brackets and the
// bar stand between the row's fields.
TEST_F(WerkzeugfensterAlleinTest, ThePointsAndCentresRowsReadNameBracketXBarYBracket)
{
    // The texts of the labels beside `links` whose left edge lies from its
    // right edge up to `bis`.
    auto zwischen = [](const QLineEdit* links, int bis) {
        QString text;
        for (const QLabel* l : links->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (l->x() >= links->geometry().right() && l->x() < bis &&
                std::abs(l->geometry().center().y() - links->geometry().center().y()) < links->height() / 2)
                text += l->text();
        return text;
    };
    auto lesen = [&](const QLineEdit* name, const QLineEdit* x, const QLineEdit* y) {
        return std::tuple(zwischen(name, x->x()), zwischen(x, y->x()), zwischen(y, y->geometry().right() + 10));
    };
    const auto soll = std::tuple(QStringLiteral("("), QStringLiteral("|"), QStringLiteral(")"));
    for (const int k : {1, 5, 10}) {
        const auto& p = Punkt->Zeile(k);
        const auto& c = Kreis->Zeile(k);
        EXPECT_EQ(lesen(p.Name, p.X, p.Y), soll) << k;
        EXPECT_EQ(lesen(c.Name, c.X, c.Y), soll) << k;
    }
}

TEST_F(WerkzeugfensterAlleinTest, EveryControlHasANameNoOtherControlOfItsWindowHas)
{
    // The caption table finds a control by its name: a name taken twice
    // leaves the second control without its caption, a control without one
    // cannot be found. So in the trace windows, down to their arrows.
    const std::vector<TWerkzeugfenster*> alle = Alle();
    std::vector<const QWidget*> fenster(alle.begin(), alle.end());
    const TTraceParam spur;
    const TAssistentFenster assistent;
    fenster.insert(fenster.end(), {&spur, &assistent});
    for (const QWidget* w : fenster) {
        std::map<QString, int> namen;
        for (const QObject* o : w->findChildren<QObject*>()) {
            const bool bedienbar = qobject_cast<const QAbstractButton*>(o) || qobject_cast<const QLineEdit*>(o) ||
                                   qobject_cast<const QComboBox*>(o) || qobject_cast<const QSlider*>(o) ||
                                   qobject_cast<const QGroupBox*>(o) || qobject_cast<const TSpinButton*>(o);
            // (The circles' fill choices are captioned through their group.)
            const bool innen = o->parent() && (qobject_cast<const QComboBox*>(o->parent()) ||
                                               qobject_cast<const QScrollArea*>(o->parent()->parent()) ||
                                               o->parent()->objectName().startsWith(QLatin1String("RadioGroup")));
            if (bedienbar && !innen) {
                EXPECT_FALSE(o->objectName().isEmpty())
                    << w->objectName().toStdString() << " " << o->metaObject()->className();
            }
            if (o->isWidgetType() && !o->objectName().isEmpty() && !o->objectName().startsWith(QLatin1String("qt_")))
                ++namen[o->objectName()];
        }
        for (const auto& [name, anzahl] : namen)
            EXPECT_EQ(anzahl, 1) << w->objectName().toStdString() << " " << name.toStdString();
    }
}

TEST_F(WerkzeugfensterTest, EveryControlLiesInsideItsBoxAndNoFieldOrButtonCoversAnotherInBothLanguages)
{
    auto pruefen = [](QWidget* fenster) {
        fenster->show();
        SCOPED_TRACE(fenster->objectName().toStdString());
        auto steuerelement = [fenster](const QWidget* w) {
            return w->isVisibleTo(fenster) && (qobject_cast<const QLabel*>(w) || qobject_cast<const QLineEdit*>(w) ||
                                               qobject_cast<const QAbstractButton*>(w) ||
                                               qobject_cast<const QComboBox*>(w) || qobject_cast<const QSlider*>(w) ||
                                               qobject_cast<const QGroupBox*>(w));
        };
        QList<QWidget*> behaelterListe = fenster->findChildren<QWidget*>();
        behaelterListe.prepend(fenster);
        for (QWidget* behaelter : behaelterListe) {
            if (behaelter != fenster && !qobject_cast<QGroupBox*>(behaelter) && behaelter != KreiseDlg->ScrollBox1->widget())
                continue;
            std::vector<const QWidget*> kinder;
            for (const QWidget* w : behaelter->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (steuerelement(w))
                    kinder.push_back(w);
            // Texts take the room their font gives them: a label or a check
            // box may reach under its neighbour.
            auto festeGroesse = [](const QWidget* w) {
                return !qobject_cast<const QLabel*>(w) && !qobject_cast<const QCheckBox*>(w);
            };
            // The window's own controls keep off its edges, a box's off its
            // frame and below its title.
            QRect innen = behaelter == fenster ? fenster->rect().adjusted(2, 2, -2, -2) : behaelter->rect();
            if (auto* box = qobject_cast<QGroupBox*>(behaelter))
                innen = BoxInneres(box);
            for (std::size_t i = 0; i < kinder.size(); ++i) {
                EXPECT_TRUE(innen.contains(kinder[i]->geometry()))
                    << kinder[i]->objectName().toStdString() << " in " << behaelter->objectName().toStdString();
                for (std::size_t j = i + 1; j < kinder.size(); ++j)
                    if (festeGroesse(kinder[i]) && festeGroesse(kinder[j])) {
                        EXPECT_FALSE(kinder[i]->geometry().intersects(kinder[j]->geometry()))
                            << kinder[i]->objectName().toStdString() << " / " << kinder[j]->objectName().toStdString();
                    }
            }
        }
    };
    // A family in the overview shows its t fields.
    Funktionen[2]->SetTerm("f(x,t) = t*x");
    Funktionen[2]->SetKind(ArtFunktionenschar);
    const std::initializer_list<QWidget*> fenster = {PunkteDlg, KreiseDlg, BeschriftungDlg, SenkrechteDlg, FlaechenDlg,
                                                     Uebersicht_Dlg};
    for (QWidget* w : fenster)
        pruefen(w);
    ASSERT_TRUE(LoadLanguage(SpracheEnglisch));
    FormOeffne->beschriften();
    for (QWidget* w : fenster)
        pruefen(w);
}

TEST_F(WerkzeugfensterAlleinTest, TheMarkerButtonsShowTheMarkersInTheirOrder)
{
    auto bild = [](const QIcon& i) { return i.pixmap(15, 15).toImage(); };
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(bild(Punkt->Zeile(10).Stil[static_cast<std::size_t>(s - 1)]->icon()), bild(MarkerGlyphe(s))) << s;
        if (s <= 3) {
            EXPECT_EQ(bild(Kreis->Zeile(1).Stil[static_cast<std::size_t>(s - 1)]->icon()), bild(MarkerGlyphe(s))) << s;
        }
    }
}

TEST(MarkerGlyphe, CrossCircleDiscAndSquareDrawnSmooth)
{
    auto bild = [](int stil) { return MarkerGlyphe(stil).pixmap(15, 15).toImage(); };
    auto dunkel = [](QColor c) { return c.alpha() > 128 && c.lightness() < 100; };
    const QImage kreuz = bild(1), kreis = bild(2), scheibe = bild(3), quadrat = bild(4);
    // The cross: its centre and its arms' ends, nothing between the arms.
    EXPECT_TRUE(dunkel(kreuz.pixelColor(7, 7)) && dunkel(kreuz.pixelColor(4, 4)) && dunkel(kreuz.pixelColor(10, 4)));
    EXPECT_EQ(kreuz.pixelColor(7, 3).alpha(), 0);
    // The circle is white inside, the disc black; both have a dark rim.
    EXPECT_EQ(kreis.pixelColor(7, 7), QColor(Qt::white));
    EXPECT_TRUE(dunkel(kreis.pixelColor(7, 3)) && dunkel(scheibe.pixelColor(7, 7)) && dunkel(scheibe.pixelColor(7, 3)));
    // The square fills its corners, which the disc leaves empty.
    EXPECT_TRUE(dunkel(quadrat.pixelColor(5, 5)) && dunkel(quadrat.pixelColor(10, 10)));
    EXPECT_EQ(scheibe.pixelColor(4, 4).alpha() < quadrat.pixelColor(4, 4).alpha(), true);
    // Smooth: the slanted edges are partly covered.
    int halb = 0;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x)
            halb += kreuz.pixelColor(x, y).alpha() > 0 && kreuz.pixelColor(x, y).alpha() < 200;
    EXPECT_GT(halb, 4);
}

TEST_F(WerkzeugfensterTest, NothingTypedIntoTheFieldsStopsTheRedraw)
{
    // Two curves that bound an area, one with strokes; dashed segments;
    // circles with every fill; every field of the first rows fed the same
    // absurd text, every other one beside a sound value.
    Funktionen[2]->SetTerm("f(x) = x");
    Waehlen(FlaechenDlg->Zeile(1).KurveB, 1);
    FlaechenDlg->Zeile(2).Linien->setChecked(true);
    Waehlen(FlaechenDlg->Zeile(2).KurveB, 9);
    for (int k = 1; k <= 6; ++k)
        KreiseDlg->Zeile(k).FuellWahl->button(k - 1)->click();
    for (int k = 1; k <= 4; ++k)
        Waehlen(SenkrechteDlg->Zeile(k).Stil, 4 + k);
    for (const char* t : {"1e308", "1e-320", "nan", "inf", "0x10", "-", "", "2147483648", "1e30000", "ä€"}) {
        const QString text = QString::fromUtf8(t), minus = QStringLiteral("-") + text, eins = QStringLiteral("1");
        for (int k = 1; k <= 4; ++k) {
            const QString mal = k % 2 ? text : eins;
            for (QLineEdit* e : {PunkteDlg->Zeile(k).X, SenkrechteDlg->Zeile(k).YBis, FlaechenDlg->Zeile(k).XBis,
                                 KreiseDlg->Zeile(k).RadiusX, KreiseDlg->Zeile(k).Name})
                e->setText(text);
            for (QLineEdit* e : {PunkteDlg->Zeile(k).Y, SenkrechteDlg->Zeile(k).X, KreiseDlg->Zeile(k).X})
                e->setText(mal);
            for (QLineEdit* e : {SenkrechteDlg->Zeile(k).YVon, FlaechenDlg->Zeile(k).XVon, KreiseDlg->Zeile(k).Y,
                                 KreiseDlg->Zeile(k).RadiusY})
                e->setText(minus);
        }
    }
    EXPECT_EQ(std::pair(Punkte[11].Name, Kreise[4].RadiusY), std::pair(std::string("ä€"), std::string("-ä€")));
    // Bounds far apart: walked only where the view is.
    FlaechenDlg->Zeile(1).XBis->setText(QStringLiteral("1e300"));
    SenkrechteDlg->Zeile(1).X->setText(QStringLiteral("0"));
    SenkrechteDlg->Zeile(1).YBis->setText(QStringLiteral("1e300"));
    EXPECT_EQ(Flaechen[1].XTo, "1e300");
}

// A caption before a field or a list stands on its line: their middles lie
// at most a pixel apart.
TEST_F(WerkzeugfensterAlleinTest, ACaptionStandsOnTheLineOfTheFieldItNames)
{
    for (const TWerkzeugfenster* w : Alle()) {
        int paare = 0;
        for (const QLabel* l : w->findChildren<QLabel*>()) {
            for (const QWidget* feld : l->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if ((!qobject_cast<const QLineEdit*>(feld) && !qobject_cast<const QComboBox*>(feld)) ||
                    feld->x() < l->geometry().right() - 2 || feld->x() > l->geometry().right() + 30 ||
                    std::abs(feld->geometry().center().y() - l->geometry().center().y()) > 8)
                    continue;
                ++paare;
                EXPECT_LE(std::abs(l->geometry().center().y() - feld->geometry().center().y()), 1)
                    << w->objectName().toStdString() << " " << l->text().toStdString() << " "
                    << feld->objectName().toStdString();
            }
        }
        EXPECT_GT(paare, 0) << w->objectName().toStdString();
    }
}

// Every button and list of the tool windows that says what it does carries
// its hint in both languages: the windows' own for the points' row buttons
// and the name positions, the language table's for the rest.
TEST_F(WerkzeugfensterTest, EveryHintedButtonAndListHasItsHintInBothLanguages)
{
    using Hinweise = std::vector<std::pair<const QWidget*, QString>>;
    auto hinweise = [](bool deutsch) {
        auto t = [deutsch](const char* de, const char* en) { return QString::fromUtf8(deutsch ? de : en); };
        const std::array<QString, 4> lagen = {QStringLiteral("links"), QStringLiteral("hoch"), QStringLiteral("tief"),
                                              QStringLiteral("rechts")};
        Hinweise h;
        for (int k = 1; k <= 10; ++k) {
            const TPunkteDlg::TZeile& p = PunkteDlg->Zeile(k);
            const TKreiseDlg::TZeile& c = KreiseDlg->Zeile(k);
            for (std::size_t i = 0; i < 4; ++i) {
                h.emplace_back(p.NamePos[i], lagen[i]);
                h.emplace_back(c.NamePos[i], lagen[i]);
            }
            h.emplace_back(p.Schrift, QStringLiteral("Schriftart"));
            h.emplace_back(p.Reset, QStringLiteral("Reset"));
            h.emplace_back(c.Linienstil, t("Strichstärke", "Line style"));
        }
        h.emplace_back(PunkteDlg->SpeedButton100, QStringLiteral("Reset"));
        for (int k = 1; k <= 9; ++k) {
            h.emplace_back(BeschriftungDlg->Zeile(k).Schrift, t("Schrift", "Font"));
            h.emplace_back(BeschriftungDlg->Zeile(k).Reset, QStringLiteral("Reset"));
            const TUebersicht_Dlg::TZeile& u = Uebersicht_Dlg->Zeile(k);
            h.emplace_back(u.Stil, t("Strichstärke", "Line style"));
            h.emplace_back(u.Farbe, t("Farbe", "Colour"));
            h.emplace_back(u.Zusatzfarbe, t("Zusatzfarbe", "Second colour"));
        }
        h.emplace_back(BeschriftungDlg->SpeedButton6, QStringLiteral("Reset"));
        h.emplace_back(BeschriftungDlg->SpeedButton7, QStringLiteral("Reset"));
        for (int k = 1; k <= 4; ++k) {
            h.emplace_back(SenkrechteDlg->Zeile(k).Stil, t("Strichstärke", "Line style"));
            h.emplace_back(Uebersicht_Dlg->Farboptionen[static_cast<std::size_t>(k - 1)],
                           QString::number(k) + t(". Farboption", ". Colour option"));
        }
        h.emplace_back(TraceParam->Edit, QStringLiteral("Scharparameter der Kurvenschar für die Trace-Funktion"));
        return h;
    };
    auto pruefen = [&](bool deutsch) {
        for (const auto& [w, hinweis] : hinweise(deutsch))
            EXPECT_EQ(w->toolTip(), hinweis) << w->window()->objectName().toStdString() << " "
                                             << w->objectName().toStdString();
    };
    pruefen(true);
    ASSERT_TRUE(LoadLanguage(SpracheEnglisch));
    FormOeffne->beschriften();
    pruefen(false);
}

// Inside a whole-document change, a table that another window changed
// refreshes its tool window once, at the end, and no other tool window.
TEST_F(WerkzeugfensterTest, AChangedTableRefreshesOnlyItsWindowOnceAfterAWholeDocumentChange)
{
    const std::array<const TWerkzeugfenster*, 6> fenster = {PunkteDlg,   KreiseDlg,   BeschriftungDlg,
                                                           SenkrechteDlg, FlaechenDlg, Uebersicht_Dlg};
    auto auffrischungen = [&] {
        std::array<int, 6> n{};
        for (std::size_t i = 0; i < fenster.size(); ++i)
            n[i] = fenster[i]->Auffrischungen();
        return n;
    };
    const std::array<int, 6> vorher = auffrischungen();
    {
        TAenderungsklammer klammer;
        emit Melder().TabelleGeaendert(TObjekttabelle::Senkrechte, nullptr);
        emit Melder().TabelleGeaendert(TObjekttabelle::Senkrechte, nullptr);
        EXPECT_EQ(auffrischungen(), vorher);
    }
    std::array<int, 6> soll = vorher;
    ++soll[3];
    EXPECT_EQ(auffrischungen(), soll);
}

// The unit and trace windows wait a little more translucent than the tool windows,
// the assistant more still.
TEST_F(WerkzeugfensterTest, TheUnitWindowsStartAtAlpha230AndTheAssistantAt170)
{
    for (const QWidget* w : std::initializer_list<const QWidget*>{EinheitXDlg, EinheitYDlg, TraceParam})
        EXPECT_EQ(qRound(w->windowOpacity() * 255), 230) << w->objectName().toStdString();
    EXPECT_EQ(qRound(AssistentFenster->windowOpacity() * 255), 170);
}

// A style list makes its popup list only when it first opens, and then
// once: its samples' delegate stays the same however often it opens.
TEST_F(WerkzeugfensterTest, AStyleListMakesItsPopupListWhenFirstOpened)
{
    QWidget fenster;
    auto* liste = new TStilListe(&fenster, 16);
    liste->addItems({QStringLiteral("1."), QStringLiteral("2.")});
    fenster.show();
    EXPECT_TRUE(liste->findChildren<QAbstractItemView*>().isEmpty());
    liste->showPopup();
    liste->hidePopup();
    const QAbstractItemDelegate* delegat = liste->itemDelegate();
    EXPECT_EQ(delegat->sizeHint(QStyleOptionViewItem(), liste->model()->index(0, 0)).height(), 16);
    liste->showPopup();
    liste->hidePopup();
    EXPECT_EQ(liste->itemDelegate(), delegat);
}

// Each style list offers its styles, the open list as samples in rows 14
// pixels high, each row the sample of its own style.
TEST_F(WerkzeugfensterTest, EveryStyleListOffersItsStylesAsSamplesInRowsOf14Pixels)
{
    SenkrechteDlg->show();
    KreiseDlg->show();
    Uebersicht_Dlg->show();
    const std::tuple<TStilListe*, int> listen[] = {
        {SenkrechteDlg->Zeile(4).Stil, 9}, {KreiseDlg->Zeile(10).Linienstil, 4}, {Uebersicht_Dlg->Zeile(9).Stil, 11}};
    for (const auto& [liste, anzahl] : listen) {
        SCOPED_TRACE(liste->objectName().toStdString());
        ASSERT_EQ(liste->count(), anzahl);
        liste->showPopup();
        QAbstractItemView* sicht = liste->view();
        const QImage bild = sicht->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const int i : {0, anzahl - 1}) {
            const QRect zeile = sicht->visualRect(sicht->model()->index(i, 0));
            EXPECT_EQ(zeile.height(), 14) << i;
            EXPECT_EQ(bild.copy(zeile), liste->ItemBild(i, zeile.size()).convertToFormat(QImage::Format_RGB32)) << i;
        }
        EXPECT_NE(liste->ItemBild(0, QSize(60, 14)), liste->ItemBild(anzahl - 1, QSize(60, 14)));
        liste->hidePopup();
    }
}
