// The small helpers every window relies on: field colours and texts, tool
// windows and their tags, translucency, the status bar's panels, the
// settings folder and its files, export files, the pointer and the
// hourglass, and the language lines.
#include "engine/einstellungen.h"
#include "engine/tabellen.h"
#include "platform/einstellungsordner.h"
#include "platform/felder.h"
#include "platform/fensterart.h"
#include "platform/fensterhilfen.h"
#include "platform/sprache.h"
#include "platform/startzeit.h"
#include "platform/statusleiste.h"
#include "platform/tabellendatei.h"
#include "platform/zeiger.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpacerItem>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <ctime>

void SpracheTestRessourcenLaden();  // registers the program's resources

namespace {

// Field colours: the background a field shows (Base for edits, Button for
// buttons), the text colour of every kind of text; an editable combo box's
// own edit follows.
TEST(Felder, ColoursReachEveryPartOfTheField)
{
    QComboBox combo;
    combo.setEditable(true);
    SetzeFeldfarbe(&combo, FarbeUngueltig);
    EXPECT_EQ(combo.lineEdit()->palette().color(QPalette::Base), QColor(255, 230, 200));
    SetzeSchriftfarbe(&combo, clRed);
    const QPalette p = combo.palette();
    EXPECT_EQ(std::tuple(p.color(QPalette::Base), p.color(QPalette::Button)),
              std::tuple(QColor(255, 230, 200), QColor(255, 230, 200)));
    EXPECT_EQ(std::tuple(p.color(QPalette::Text), p.color(QPalette::ButtonText), p.color(QPalette::WindowText)),
              std::tuple(QColor(Qt::red), QColor(Qt::red), QColor(Qt::red)));
    const QPalette e = combo.lineEdit()->palette();
    EXPECT_EQ(std::tuple(e.color(QPalette::Base), e.color(QPalette::Text)), std::tuple(QColor(255, 230, 200), QColor(Qt::red)));
    EXPECT_EQ(std::tuple(Feldfarbe(&combo), Schriftfarbe(&combo)), std::tuple(FarbeUngueltig, clRed));
    // Changed again: each colour reaches the edit that has both of its own now.
    SetzeFeldfarbe(&combo, FarbeGueltig);
    EXPECT_EQ(std::tuple(Feldfarbe(combo.lineEdit()), Schriftfarbe(combo.lineEdit())), std::tuple(FarbeGueltig, clRed));
    SetzeSchriftfarbe(&combo, clBlue);
    EXPECT_EQ(std::tuple(Feldfarbe(combo.lineEdit()), Schriftfarbe(combo.lineEdit())), std::tuple(FarbeGueltig, clBlue));

    QLineEdit feld;
    SetzeFeldfarbe(&feld, FarbeGueltig);
    SetzeSchriftfarbe(&feld, clBlue);
    EXPECT_EQ(std::tuple(Feldfarbe(&feld), Schriftfarbe(&feld)), std::tuple(FarbeGueltig, clBlue));
    // No field: nothing happens, and it reads as black.
    SetzeFeldfarbe(nullptr, clRed);
    SetzeSchriftfarbe(nullptr, clRed);
    EXPECT_EQ(std::tuple(Feldfarbe(nullptr), Schriftfarbe(nullptr)), std::tuple(TColor{0}, TColor{0}));
}

// Setting the text a field already shows leaves the caret and the undo
// history of the user typing there alone.
TEST(Felder, TheSameTextIsNotSetAgain)
{
    QLineEdit feld;
    feld.setText(QStringLiteral("1,5"));
    feld.setCursorPosition(1);
    int geaendert = 0;
    QObject::connect(&feld, &QLineEdit::textChanged, [&] { ++geaendert; });
    TextSetzen(&feld, QStringLiteral("1,5"));
    EXPECT_EQ(std::tuple(feld.cursorPosition(), geaendert), std::tuple(1, 0));
    TextSetzen(&feld, QStringLiteral("2"));
    EXPECT_EQ(std::tuple(feld.text(), geaendert), std::tuple(QStringLiteral("2"), 1));
    TextSetzen(nullptr, QStringLiteral("x"));
}

TEST(Felder, TheOkRowHasTheDefaultButtonAtTheRight)
{
    QWidget fenster;
    auto* spalte = new QVBoxLayout(&fenster);
    QPushButton* ok = OKZeileAnfuegen(&fenster, spalte);
    EXPECT_EQ(ok->objectName(), QStringLiteral("OKBtn"));
    EXPECT_EQ(ok->parentWidget(), &fenster);
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->text(), QString());  // the caption table names it
    ASSERT_EQ(spalte->count(), 1);
    auto* zeile = qobject_cast<QHBoxLayout*>(spalte->itemAt(0)->layout());
    ASSERT_NE(zeile, nullptr);
    ASSERT_EQ(zeile->count(), 2);
    EXPECT_NE(zeile->itemAt(0)->spacerItem(), nullptr);
    EXPECT_EQ(std::pair(zeile->stretch(0), zeile->stretch(1)), std::pair(1, 0));
    EXPECT_EQ(zeile->itemAt(1)->widget(), ok);
}

TEST(Werkzeugfenster, StaysOnTopWithOnlyACloseBoxAndAnOpacityTrackBar)
{
    QWidget w;
    QSlider* regler = WerkzeugfensterAnlegen(&w, "Form7", QStringLiteral("Punkte"), 300, 200);
    EXPECT_EQ(std::tuple(w.objectName(), w.windowTitle(), w.size()),
              std::tuple(QStringLiteral("Form7"), QStringLiteral("Punkte"), QSize(300, 200)));
    const Qt::WindowFlags f = w.windowFlags();
    EXPECT_EQ(f & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE((f & Qt::WindowStaysOnTopHint) && (f & Qt::WindowCloseButtonHint) && (f & Qt::CustomizeWindowHint));
    EXPECT_FALSE((f & Qt::WindowMinimizeButtonHint) || (f & Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(std::tuple(regler->objectName(), regler->minimum(), regler->maximum(), regler->value(), regler->parentWidget()),
              std::tuple(QStringLiteral("TrackBar2"), 120, 255, 255, &w));
    EXPECT_EQ(regler->orientation(), Qt::Horizontal);
    EXPECT_DOUBLE_EQ(w.windowOpacity(), 1.0);
    // The track bar at the bottom, below a stretch.
    auto* box = qobject_cast<QVBoxLayout*>(w.layout());
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->itemAt(1)->widget(), regler);
}

// A menu opened for a field: the field has the focus while the menu is
// open and again once it closes, its caret at the end, once.
TEST(Werkzeugfenster, AMenuOpenedForAFieldLeavesItTheFocus)
{
    QWidget w;
    auto* feld = new QLineEdit(QStringLiteral("Wolke"), &w);
    auto* knopf = new QPushButton(&w);
    auto* box = new QVBoxLayout(&w);
    box->addWidget(feld);
    box->addWidget(knopf);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    knopf->setFocus();
    feld->setCursorPosition(1);
    QMenu menu;
    menu.addAction(QStringLiteral("eins"));
    MenueAufklappen(&menu, w.mapToGlobal(QPoint(0, 0)), feld);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(w.focusWidget(), feld);
    knopf->setFocus();
    menu.hide();
    EXPECT_EQ(std::pair(w.focusWidget(), feld->cursorPosition()), std::pair(static_cast<QWidget*>(feld), 5));
    feld->setCursorPosition(1);
    menu.show();
    menu.hide();
    EXPECT_EQ(feld->cursorPosition(), 1);
    MenueAufklappen(nullptr, QPoint(), feld);
}

TEST(Werkzeugfenster, TagsAndTranslucency)
{
    QWidget w;
    EXPECT_EQ(Tag(&w), 0);
    SetTag(&w, 1);
    EXPECT_EQ(Tag(&w), 1);
    SetTag(&w, -3);
    EXPECT_EQ(Tag(&w), -3);
    SetTag(nullptr, 5);
    EXPECT_EQ(Tag(nullptr), 0);

    // 0..255 with the ends held.
    for (const auto& [alpha, deckend] : {std::pair{240, 240 / 255.0}, {120, 120 / 255.0}, {300, 1.0}, {-5, 0.0}, {255, 1.0}}) {
        SetWindowAlpha(&w, alpha);
        EXPECT_NEAR(w.windowOpacity(), deckend, 0.002) << alpha;
    }
    SetWindowAlpha(nullptr, 100);
}

// Panels side by side from the left at their widths; a panel without
// width has no rectangle, and no panel lies outside the bar's count.
TEST(Statusleiste, PanelsSideBySideDrawnByTheirOwnerAndClicksReported)
{
    TStatusBar bar;
    bar.resize(400, 20);
    bar.Panels[0].Width = 30;
    bar.Panels[1].Width = 0;
    bar.Panels[2].Width = 50;
    bar.Panels[3].Width = -7;  // as none
    bar.Panels[10].Width = 20;
    EXPECT_EQ(bar.PanelRect(0), QRect(0, 0, 30, 20));
    EXPECT_TRUE(bar.PanelRect(1).isEmpty());
    EXPECT_EQ(bar.PanelRect(2), QRect(30, 0, 50, 20));
    EXPECT_EQ(bar.PanelRect(4).left(), 80);
    EXPECT_EQ(bar.PanelRect(10), QRect(80, 0, 20, 20));
    EXPECT_TRUE(bar.PanelRect(-1).isNull() && bar.PanelRect(TStatusBar::PanelCount).isNull());
    EXPECT_GT(bar.sizeHint().height(), bar.fontMetrics().height());
    EXPECT_EQ(bar.cursor().shape(), Qt::PointingHandCursor);  // its panels are clicked

    // Each paint asks for the texts first, then has every panel with a
    // width drawn, clipped to it.
    std::vector<std::pair<int, QRect>> gezeichnet;
    int gefragt = 0;
    bar.OnUpdatePanels = [&](TStatusBar& b) {
        ++gefragt;
        b.Panels[2].Text = QStringLiteral("x = 2");
    };
    bar.OnDrawPanel = [&](TStatusBar& b, QPainter& p, int i, const QRect& r) {
        gezeichnet.emplace_back(i, r);
        EXPECT_EQ(p.clipBoundingRect().toAlignedRect(), r);
        if (i == 2) {
            EXPECT_EQ(b.Panels[2].Text, QStringLiteral("x = 2"));
        }
        p.fillRect(QRect(0, 0, 400, 20), Qt::red);  // clipped
        p.translate(500, 0);                         // undone for the next panel
    };
    QImage bild(400, 20, QImage::Format_RGB32);
    bild.fill(Qt::white);
    bar.render(&bild);
    EXPECT_EQ(gefragt, 1);
    ASSERT_EQ(gezeichnet.size(), 3u);
    EXPECT_EQ(std::tuple(gezeichnet[0].first, gezeichnet[1].first, gezeichnet[2].first), std::tuple(0, 2, 10));
    EXPECT_EQ(std::tuple(bild.pixel(10, 10), bild.pixel(50, 10), bild.pixel(85, 10)), std::tuple(qRgb(255, 0, 0), qRgb(255, 0, 0), qRgb(255, 0, 0)));
    EXPECT_NE(bild.pixel(150, 10), qRgb(255, 0, 0));
    // A separator in the palette's mid tone down each panel's last column,
    // two pixels short of either edge.
    const QRgb mitte = bar.palette().color(QPalette::Mid).rgb();
    EXPECT_EQ(std::tuple(bild.pixel(29, 1), bild.pixel(29, 2), bild.pixel(29, 17), bild.pixel(29, 18), bild.pixel(79, 10)),
              std::tuple(qRgb(255, 0, 0), mitte, mitte, qRgb(255, 0, 0), mitte));

    // The bar paints its own background over the window that holds it.
    {
        QWidget halter;
        QPalette pal = halter.palette();
        pal.setColor(QPalette::Window, Qt::blue);
        halter.setPalette(pal);
        halter.setAutoFillBackground(true);
        halter.resize(400, 40);
        pal.setColor(QPalette::Window, Qt::green);
        bar.setPalette(pal);
        bar.setParent(&halter);
        bar.move(0, 20);
        bar.show();
        QImage ganz(400, 40, QImage::Format_RGB32);
        halter.render(&ganz);
        EXPECT_EQ(std::pair(ganz.pixel(150, 10), ganz.pixel(150, 30)), std::pair(qRgb(0, 0, 255), qRgb(0, 255, 0)));
        bar.setParent(nullptr);
        bar.setPalette(QPalette());
    }

    // Without an owner the panels draw their texts themselves.
    bar.OnDrawPanel = nullptr;
    bar.OnUpdatePanels = nullptr;
    bar.Panels[2].Text = QStringLiteral("WWWW");
    bar.setAutoFillBackground(false);
    QImage text(400, 20, QImage::Format_RGB32);
    text.fill(Qt::white);
    bar.render(&text);
    int tinte = 0;
    for (int x = 31; x < 79; ++x)
        for (int y = 0; y < 20; ++y)
            tinte += qGray(text.pixel(x, y)) < qGray(text.pixel(200, 10)) - 40;
    EXPECT_GT(tinte, 10);

    // A press is reported and goes on to the window that holds the bar.
    struct Fenster : QWidget {
        int Gedrueckt = 0;
        void mousePressEvent(QMouseEvent*) override { ++Gedrueckt; }
    } fenster;
    bar.setParent(&fenster);
    std::vector<std::pair<Qt::MouseButton, QPoint>> klicks;
    bar.OnMouseDown = [&](TStatusBar&, Qt::MouseButton b, QPoint p) { klicks.emplace_back(b, p); };
    QTest::mousePress(&bar, Qt::RightButton, {}, QPoint(35, 7));
    ASSERT_EQ(klicks.size(), 1u);
    EXPECT_EQ(klicks[0], std::pair(Qt::RightButton, QPoint(35, 7)));
    EXPECT_EQ(fenster.Gedrueckt, 1);
    bar.setParent(nullptr);
}

// The last panel carries a note that must stay in view: when the panels
// before it run past the bar's end it stands at that end, over them.
TEST(Statusleiste, TheLastPanelStaysInViewAtTheEnd)
{
    TStatusBar bar;
    bar.resize(100, 20);
    for (int i = 0; i < TStatusBar::PanelCount - 1; ++i)
        bar.Panels[static_cast<std::size_t>(i)].Width = 0;
    bar.Panels[0].Width = 40;
    bar.Panels[1].Width = 50;
    bar.Panels[TStatusBar::PanelCount - 1].Width = 10;  // 100 in all: fits
    EXPECT_EQ(bar.PanelRect(TStatusBar::PanelCount - 1), QRect(90, 0, 10, 20));
    EXPECT_EQ(std::tuple(bar.PanelAt(0), bar.PanelAt(39), bar.PanelAt(40), bar.PanelAt(95), bar.PanelAt(100)),
              std::tuple(0, 0, 1, TStatusBar::PanelCount - 1, -1));

    bar.Panels[TStatusBar::PanelCount - 1].Width = 30;  // 120: the note moves over panel 1
    EXPECT_EQ(bar.PanelRect(TStatusBar::PanelCount - 1), QRect(70, 0, 30, 20));
    EXPECT_EQ(bar.PanelRect(1), QRect(40, 0, 30, 20));
    EXPECT_EQ(bar.PanelRect(0), QRect(0, 0, 40, 20));
    EXPECT_EQ(std::tuple(bar.PanelAt(69), bar.PanelAt(70), bar.PanelAt(99)), std::tuple(1, TStatusBar::PanelCount - 1, TStatusBar::PanelCount - 1));
    // Panels without a width, or with less than none, take no room before
    // the note: one pixel more than the panels and the note need, and one
    // less.
    bar.Panels[TStatusBar::PanelCount - 1].Width = 10;
    bar.Panels[2].Width = -7;
    bar.resize(101, 20);
    EXPECT_EQ(bar.PanelRect(TStatusBar::PanelCount - 1), QRect(90, 0, 10, 20));
    bar.resize(99, 20);
    EXPECT_EQ(bar.PanelRect(TStatusBar::PanelCount - 1), QRect(89, 0, 10, 20));
    bar.resize(100, 20);
    // A note wider than the bar starts at its left end.
    bar.Panels[TStatusBar::PanelCount - 1].Width = 150;
    EXPECT_EQ(bar.PanelRect(TStatusBar::PanelCount - 1), QRect(0, 0, 150, 20));
    EXPECT_TRUE(bar.PanelRect(0).isEmpty());
    // No note: the panels as they are, past the end too.
    bar.Panels[TStatusBar::PanelCount - 1].Width = 0;
    bar.Panels[1].Width = 80;
    EXPECT_EQ(bar.PanelRect(1), QRect(40, 0, 80, 20));
}

// A window is made as high as its wrapped texts need at its width.
TEST(Werkzeugfenster, HeightFollowsTheWrappedTexts)
{
    QWidget w;
    auto* spalte = new QVBoxLayout(&w);
    auto* text = new QLabel(QString(40, QLatin1Char('x')).replace(QLatin1Char('x'), QStringLiteral("Wort ")), &w);
    text->setWordWrap(true);
    spalte->addWidget(text);
    w.resize(120, 10);
    HoeheNachTexten(&w);
    EXPECT_EQ(w.width(), 120);
    EXPECT_EQ(w.height(), spalte->totalHeightForWidth(120));
    EXPECT_GT(w.height(), 4 * text->fontMetrics().height());
    w.resize(600, 10);
    HoeheNachTexten(&w);
    EXPECT_LT(w.height(), spalte->totalHeightForWidth(120));
    EXPECT_GE(w.height(), spalte->totalMinimumSize().height());
    // Without a layout, or without a window, nothing happens.
    QWidget leer;
    leer.resize(50, 7);
    HoeheNachTexten(&leer);
    HoeheNachTexten(nullptr);
    EXPECT_EQ(leer.size(), QSize(50, 7));
}

// The settings folder is made on the first write; a file is written whole
// or the old one stays.
TEST(Einstellungsordner, FilesAreWrittenWholeIntoAFolderMadeOnDemand)
{
    QTemporaryDir konfig;
    ASSERT_TRUE(konfig.isValid());
    setenv("XDG_CONFIG_HOME", konfig.path().toLocal8Bit().constData(), 1);
    const QString ordner = QDir(konfig.path()).filePath(QStringLiteral("tessaplun"));
    EXPECT_EQ(std::tuple(Einstellungsdatei(), Startvorlage()),
              std::tuple(ordner + QStringLiteral("/tessaplun2.set"), ordner + QStringLiteral("/tessaplun1.set")));
    EXPECT_FALSE(QFileInfo(ordner).exists());

    TEinstellungen e;
    e.Sprache = 1;
    EXPECT_EQ(EinstellungenSpeichern(e), TSchreibErgebnis::Geschrieben);
    QFile f(Einstellungsdatei());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const auto erwartet = EncodeEinstellungen(e);
    EXPECT_EQ(f.readAll(), QByteArray(reinterpret_cast<const char*>(erwartet.data()), static_cast<int>(erwartet.size())));
    f.close();

    const std::uint8_t drei[] = {1, 2, 3};
    EXPECT_EQ(SchreibeInEinstellungsordner(Startvorlage(), drei), TSchreibErgebnis::Geschrieben);
    EXPECT_EQ(QFileInfo(Startvorlage()).size(), 3);
    // A path where no file can be: an error, nothing changed.
    EXPECT_EQ(SchreibeInEinstellungsordner(ordner + QStringLiteral("/fehlt/x.set"), drei), TSchreibErgebnis::Fehler);
    EXPECT_EQ(SchreibeInEinstellungsordner(QString(), drei), TSchreibErgebnis::KeinOrdner);
    // A file where the folder should be: no folder.
    QTemporaryDir zweite;
    QFile sperre(QDir(zweite.path()).filePath(QStringLiteral("tessaplun")));
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
    sperre.close();
    setenv("XDG_CONFIG_HOME", zweite.path().toLocal8Bit().constData(), 1);
    EXPECT_FALSE(EinstellungsordnerAnlegen());
    EXPECT_EQ(EinstellungenSpeichern(e), TSchreibErgebnis::KeinOrdner);
    unsetenv("XDG_CONFIG_HOME");
}

// Export files: a new file of its own in the temporary folder, written
// whole or not at all.
TEST(Exportdateien, ANewFileOfItsOwnWrittenWhole)
{
    const QString a = ExportPfad(QStringLiteral("Wertetabelle"), QStringLiteral("csv"));
    const QString b = ExportPfad(QStringLiteral("Wertetabelle"), QStringLiteral("csv"));
    ASSERT_FALSE(a.isEmpty() || b.isEmpty());
    EXPECT_NE(a, b);
    const QFileInfo info(a);
    EXPECT_TRUE(info.exists());
    EXPECT_EQ(info.size(), 0);
    EXPECT_EQ(info.absolutePath(), QFileInfo(QStandardPaths::writableLocation(QStandardPaths::TempLocation)).absoluteFilePath());
    EXPECT_TRUE(info.fileName().startsWith(QStringLiteral("tessaplun-Wertetabelle-")));
    EXPECT_TRUE(info.fileName().endsWith(QStringLiteral(".csv")));

    EXPECT_TRUE(DateiSchreiben(a, QByteArray("x;y\n1;2\n")));
    QFile f(a);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("x;y\n1;2\n"));
    EXPECT_FALSE(DateiSchreiben(a + QStringLiteral(".fehlt/x"), QByteArray("x")));
    QFile::remove(a);
    QFile::remove(b);
}

struct EigenerZeiger : TZeiger {
    QPoint Ort{5, 6};
    QPoint Position() const override { return Ort; }
    void Setze(QPoint p) override { Ort = p; }
};

TEST(Zeiger, TheSystemPointerOrTheInstalledOneAndTheHourglass)
{
    EigenerZeiger eigen;
    SetZeiger(&eigen);
    ZeigerSetzen(QPoint(40, 50));
    EXPECT_EQ(std::tuple(ZeigerPosition(), eigen.Ort), std::tuple(QPoint(40, 50), QPoint(40, 50)));
    SetZeiger(nullptr);
    ZeigerSetzen(QPoint(17, 23));
    EXPECT_EQ(std::tuple(QCursor::pos(), ZeigerPosition(), eigen.Ort), std::tuple(QPoint(17, 23), QPoint(17, 23), QPoint(40, 50)));

    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    {
        TSanduhr sanduhr;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Under a pause (two nested) an hourglass shows nothing, also one that
    // ends after the pause; after it they show again, and a hourglass made
    // before the pause gives its cursor back inside it.
    {
        std::optional<TSanduhr> vorher(std::in_place);
        std::optional<TOhneSanduhr> pause(std::in_place);
        std::optional<TSanduhr> spaeter;
        {
            TOhneSanduhr innen;
            TSanduhr s1;
            spaeter.emplace();
            ASSERT_NE(QApplication::overrideCursor(), nullptr);  // the one from before
        }
        TSanduhr s2;
        vorher.reset();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        pause.reset();
        spaeter.reset();  // made under the pause: gives back nothing
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        TSanduhr s3;
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Sprache, LinesOfTheLanguageInForceAndNothingOutsideTheTable)
{
    AllesNullen();
    Texte[0] = "erste";
    Texte[AnzahlTexte - 1] = "letzte Zeile";
    Texte[5] = "Grün";
    EXPECT_EQ(std::tuple(Txt(0), Txt(AnzahlTexte - 1), Txt(5)),
              std::tuple(QStringLiteral("erste"), QStringLiteral("letzte Zeile"), QString::fromUtf8("Grün")));
    EXPECT_TRUE(Txt(-1).isEmpty() && Txt(AnzahlTexte).isEmpty());
    AllesNullen();
}

// Qt's standard texts follow the language: German loads its translation
// once, any other language removes it; asking again for the language in
// force changes nothing.
TEST(Sprache, StandardDialogTextsSwitchOnlyWhenTheLanguageChanges)
{
    const auto ja = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
    int wechsel = 0;
    struct Zaehler : QObject {
        int* N;
        explicit Zaehler(int* n) : N(n) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::LanguageChange)
                ++*N;
            return false;
        }
    } zaehler(&wechsel);
    qApp->installEventFilter(&zaehler);
    ASSERT_TRUE(LoadStandardDialogLanguage(SpracheEnglisch));
    QCoreApplication::processEvents();
    wechsel = 0;
    ASSERT_TRUE(LoadStandardDialogLanguage(SpracheDeutsch));
    EXPECT_EQ(ja(), QStringLiteral("&Ja"));
    QCoreApplication::processEvents();
    const int nachDeutsch = wechsel;
    EXPECT_GT(nachDeutsch, 0);
    EXPECT_TRUE(LoadStandardDialogLanguage(SpracheDeutsch));
    QCoreApplication::processEvents();
    EXPECT_EQ(wechsel, nachDeutsch);
    EXPECT_EQ(ja(), QStringLiteral("&Ja"));
    EXPECT_TRUE(LoadStandardDialogLanguage(SpracheDritte));
    EXPECT_EQ(ja(), QStringLiteral("&Yes"));
    QCoreApplication::processEvents();
    EXPECT_GT(wechsel, nachDeutsch);
    const int nachDritter = wechsel;
    EXPECT_TRUE(LoadStandardDialogLanguage(SpracheEnglisch));
    QCoreApplication::processEvents();
    EXPECT_EQ(wechsel, nachDritter);
    qApp->removeEventFilter(&zaehler);
}

// The start measured from outside: the first paint of the chosen widget,
// after it has been handed on, gives one line with the time and the size
// of the window it lies in; paints of other widgets and later ones none.
// The font configuration's head start may be asked for twice and waited
// for twice (the second start finds one running or done); text measured
// afterwards is measured as before.
TEST(Startzeit, TheFontHeadStartRunsOnceAndIsWaitedForOnce)
{
    const int vorher = QFontMetrics(QFont(QStringLiteral("Sans Serif"), 11)).horizontalAdvance(QStringLiteral("f(x) = x^2"));
    SchriftVorlaufStarten();
    SchriftVorlaufStarten();
    SchriftVorlaufAbwarten();
    SchriftVorlaufAbwarten();
    SchriftVorlaufStarten();
    SchriftVorlaufAbwarten();
    EXPECT_EQ(QFontMetrics(QFont(QStringLiteral("Sans Serif"), 11)).horizontalAdvance(QStringLiteral("f(x) = x^2")), vorher);
}

TEST(Startzeit, TheFirstPaintOfTheChosenWidgetGivesOneLine)
{
    const auto jetzt = [] {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    };
    QWidget fenster;
    fenster.resize(230, 140);
    auto* flaeche = new QWidget(&fenster);
    flaeche->setGeometry(60, 0, 100, 100);
    flaeche->hide();
    // The application's first window made objects of the application's
    // own; they are there before the count.
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    const auto kinder = qApp->children().size();
    ErstesBildMelden([flaeche](QObject* o) { return o == flaeche; });
    const long long vorher = jetzt();
    testing::internal::CaptureStdout();
    fenster.repaint();
    QCoreApplication::processEvents();
    const std::string ohne = testing::internal::GetCapturedStdout();
    EXPECT_EQ(ohne, "");
    testing::internal::CaptureStdout();
    flaeche->show();
    flaeche->repaint();
    flaeche->repaint();
    QCoreApplication::processEvents();
    flaeche->repaint();
    QCoreApplication::processEvents();
    const std::string aus = testing::internal::GetCapturedStdout();
    long long ns = 0, cpu = 0;
    int w = 0, h = 0, gelesen = 0;
    ASSERT_EQ(std::sscanf(aus.c_str(), "erstes-bild %lld %d %d %lld\n%n", &ns, &w, &h, &cpu, &gelesen), 4) << aus;
    EXPECT_EQ(static_cast<std::size_t>(gelesen), aus.size()) << aus;
    EXPECT_EQ(std::pair(w, h), std::pair(230, 140));
    EXPECT_TRUE(ns >= vorher && ns <= jetzt()) << ns;
    // The watcher has gone with its report.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(qApp->children().size(), kinder);
    // The process's processor time so far: more than nothing, no more than now.
    timespec nachher{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &nachher);
    EXPECT_GT(cpu, 0);
    EXPECT_LE(cpu, nachher.tv_sec * 1000000000LL + nachher.tv_nsec);

    // A widget gone before the paint was handed on reports nothing.
    auto* kurz = new QWidget(&fenster);
    kurz->show();
    ErstesBildMelden([kurz](QObject* o) { return o == kurz; });
    testing::internal::CaptureStdout();
    kurz->repaint();
    delete kurz;
    QCoreApplication::processEvents();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

}  // namespace
