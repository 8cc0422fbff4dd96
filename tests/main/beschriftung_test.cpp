// The caption table and the language commands.

#include "druck_fakes.h"

#include "engine/texte.h"
#include "main/info_dlg.h"
#include "main/beschriftung_tabelle.h"
#include "tools/einheit_dlg.h"
#include "main/formoeffne.h"
#include "main/hotkey_dlg.h"

#include <QButtonGroup>
#include <QLayout>
#include <QStyle>
#include <QStyleOptionButton>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <map>

namespace {

std::vector<std::string> Liste(int sprache)
{
    static const char* const namen[] = {":/languages/deutsch.txt", ":/languages/english.txt", ":/languages/dritte.txt"};
    QFile f(QString::fromLatin1(namen[sprache]));
    const QByteArray b = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    return ZeilenAusText(std::string_view(b.constData(), static_cast<std::size_t>(b.size())));
}

std::string Beschreibung(const TBeschriftungsZiel& z)
{
    return Fensterklasse(z.Fenster) + ("." + (z.Name.isEmpty() ? std::string("(window caption)") : z.Name.toStdString())) +
           (z.Eintrag >= 0 ? " item " + std::to_string(z.Eintrag) : "") + (z.Art == TBeschriftungsArt::Hinweis ? " (hint)" : "");
}

// The text a control shows for the kind of the target: a page's tab, a
// list's, radio group's or memo's item, a hint, a title.
QString Gelesen(QObject* o, const TBeschriftungsZiel& z)
{
    if (z.Art == TBeschriftungsArt::Hinweis) {
        // A menu item's hint shows in the status bar too.
        if (auto* a = qobject_cast<QAction*>(o); a && a->statusTip() != a->toolTip())
            return "<status tip: " + a->statusTip() + ">";
        return o->property("toolTip").toString();
    }
    if (z.Art == TBeschriftungsArt::Eintrag) {
        if (auto* c = qobject_cast<QComboBox*>(o))
            return c->itemText(z.Eintrag);
        QString memo = "<none>";
        if (auto* l = qobject_cast<QLabel*>(o))
            memo = l->text();
        else if (auto* p = qobject_cast<QPlainTextEdit*>(o))
            memo = p->toPlainText();
        else {
            QList<QAbstractButton*> knoepfe;  // a radio group's, in their order
            if (auto* g = o->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly))
                knoepfe = g->buttons();
            else
                for (QRadioButton* r : o->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly))
                    knoepfe.append(r);
            return knoepfe.value(z.Eintrag) ? knoepfe.value(z.Eintrag)->text() : memo;
        }
        return memo.split(QLatin1Char('\n')).value(z.Eintrag, "<none>");
    }
    if (auto* w = qobject_cast<QWidget*>(o); w && w->isWindow() && z.Name.isEmpty())
        return w->windowTitle();
    if (auto* a = qobject_cast<QAction*>(o))
        return a->text();
    if (auto* w = qobject_cast<QWidget*>(o); w && w->parentWidget())
        if (auto* reiter = qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget()))
            return reiter->tabText(reiter->indexOf(w));
    // A tool button may break its caption into two lines.
    if (auto* t = qobject_cast<QToolButton*>(o))
        return t->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
    for (const char* p : {"title", "text"})
        if (const QVariant v = o->property(p); v.isValid())
            return v.toString();
    return {};
}

}  // namespace

// Every row names a filled line in both lists that is not a translator's
// comment and a control that exists; each takes the text in its kind, and
// applying the table reports exactly the controls that do not exist.
TEST_F(GestartetTest, EveryCaptionTableReferenceResolves)
{
    const auto de = Liste(SpracheDeutsch);
    const auto en = Liste(SpracheEnglisch);
    ASSERT_EQ(std::tuple(de.size(), en.size()), std::tuple(581u, 581u));

    // The windows are named by their classes in what the table reports.
    for (int f = 0; f <= static_cast<int>(TFensterNr::About); ++f)
        EXPECT_STREQ(Fensterklasse(static_cast<TFensterNr>(f)), Fenster(static_cast<TFensterNr>(f))->metaObject()->className());

    std::size_t fehlend = 0;
    for (const TBeschriftungsZiel& z : BeschriftungsZiele()) {
        SCOPED_TRACE(Beschreibung(z));
        ASSERT_TRUE(z.Zeile >= 0 && z.Zeile < 580);
        for (const auto* liste : {&de, &en}) {
            const std::string& zeile = (*liste)[static_cast<std::size_t>(z.Zeile)];
            EXPECT_FALSE(zeile.empty() || zeile.rfind("//", 0) == 0) << "line " << z.Zeile;
        }
        ASSERT_NE(Fenster(z.Fenster), nullptr) << "every window exists from the start on";
        QObject* ziel = Steuerelement(Fenster(z.Fenster), z.Name);
        if (!ziel) {
            ++fehlend;
            continue;
        }
        const QString text = z.Vor + Txt(z.Zeile) + z.Nach;
        EXPECT_TRUE(Beschriften(ziel, z.Art, z.Eintrag, text)) << "a control of another kind";
        EXPECT_EQ(Gelesen(ziel, z), text);
    }
    const TBeschriftungsErgebnis ergebnis = BeschriftungAnwenden();
    EXPECT_TRUE(ergebnis.Abgelehnt.empty());
    EXPECT_EQ(ergebnis.Fehlend.size(), fehlend);
    // Every window builds every control the table names: a control that lost
    // its name would keep its caption in one language only.
    std::string fehlt;
    for (const auto& z : ergebnis.Fehlend)
        fehlt += " " + Beschreibung(z);
    EXPECT_EQ(fehlt, "");
    // One that did lose its name is reported.
    Form1->Label6->setObjectName("umbenannt");
    const TBeschriftungsErgebnis ohne = BeschriftungAnwenden();
    Form1->Label6->setObjectName("Label6");
    ASSERT_EQ(ohne.Fehlend.size(), 1u);
    EXPECT_EQ(ohne.Fehlend[0].Name, "Label6");
    // A control that shows no caption, and an item a list does not have,
    // refuse the text (a row naming them is reported as refused).
    const QString vorher = Form1->Edit1->text();
    EXPECT_FALSE(Beschriften(Form1->Edit1, TBeschriftungsArt::Text, -1, "x"));
    QObject keinSteuerelement;
    EXPECT_FALSE(Beschriften(&keinSteuerelement, TBeschriftungsArt::Text, -1, "x"));
    EXPECT_FALSE(Beschriften(nullptr, TBeschriftungsArt::Text, -1, "x"));
    EXPECT_EQ(Form1->Edit1->text(), vorher);
    const int n = Form1->ComboBox1->count();
    for (int eintrag : {-1, n})
        EXPECT_FALSE(Beschriften(Form1->ComboBox1, TBeschriftungsArt::Eintrag, eintrag, "x")) << eintrag;
    EXPECT_EQ(Form1->ComboBox1->count(), n);
}

// A caption too wide for its button is set up to two points smaller, only as
// much as it needs; a caption that fits gets the button's own font back.
// The name table of a window finds for every name what a search through
// the window finds: among names taken twice the shallower one, else the one
// in the earlier branch; in every window of the program as well.
TEST_F(GestartetTest, TheNameTableFindsWhatTheSearchFinds)
{
    QWidget wurzel;
    auto kind = [](QObject* eltern, const char* name) {
        auto* o = new QObject(eltern);
        o->setObjectName(QString::fromLatin1(name));
        return o;
    };
    QObject* a = kind(&wurzel, "a");
    QObject* tief = kind(kind(a, ""), "n");  // a -> (unnamed) -> n
    QObject* flach = kind(a, "n");            // a -> n, found before the deeper one
    kind(kind(&wurzel, "b"), "n");            // a later branch
    QObject* m1 = kind(kind(&wurzel, ""), "m");
    kind(kind(&wurzel, ""), "m");
    QObject* direkt = kind(&wurzel, "d");
    kind(kind(&wurzel, ""), "d");
    QObject* z1 = kind(&wurzel, "z");
    kind(&wurzel, "z");  // the same name twice among the direct children: the first
    const QHash<QString, QObject*> t = Namenstabelle(&wurzel);
    EXPECT_EQ(t.value("n"), flach);
    EXPECT_NE(t.value("n"), tief);
    EXPECT_EQ(t.value("m"), m1);
    EXPECT_EQ(t.value("d"), direkt);
    EXPECT_EQ(t.value("z"), z1);
    EXPECT_EQ(t.size(), 6);  // a, n, b, m, d, z; an object without a name has no entry
    for (auto it = t.cbegin(); it != t.cend(); ++it)
        EXPECT_EQ(it.value(), wurzel.findChild<QObject*>(it.key())) << it.key().toStdString();

    for (int f = 0; f <= static_cast<int>(TFensterNr::About); ++f) {
        QWidget* fenster = Fenster(static_cast<TFensterNr>(f));
        if (!fenster)
            continue;
        const QHash<QString, QObject*> namen = Namenstabelle(fenster);
        int benannt = 0;
        for (QObject* o : fenster->findChildren<QObject*>())
            if (!o->objectName().isEmpty()) {
                ++benannt;
                EXPECT_EQ(namen.value(o->objectName()), Steuerelement(fenster, o->objectName()))
                    << Fensterklasse(static_cast<TFensterNr>(f)) << "." << o->objectName().toStdString();
            }
        EXPECT_LE(namen.size(), benannt);
        EXPECT_GT(namen.size(), 0) << Fensterklasse(static_cast<TFensterNr>(f));
    }
}

TEST(Beschriftung, ATooWideCaptionIsSetUpToTwoPointsSmaller)
{
    QWidget eltern;
    auto* b = new QPushButton(&eltern);
    QFont f = b->font();
    f.setPointSizeF(12);
    b->setFont(f);
    b->resize(400, 30);
    QStyleOptionButton opt;
    opt.initFrom(b);
    const int rand = b->width() - b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b).width();
    const QString text = QStringLiteral("Wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww");
    auto breite = [&](double punkte) {
        QFont k = f;
        k.setPointSizeF(punkte);
        return QFontMetrics(k).size(Qt::TextShowMnemonic, text).width();
    };
    ASSERT_TRUE(breite(10) < breite(11) && breite(11) < breite(12));
    for (const double punkte : {12.0, 11.0, 10.0}) {
        b->resize(breite(punkte) + rand, 30);
        EXPECT_TRUE(Beschriften(b, TBeschriftungsArt::Text, -1, text));
        EXPECT_EQ(b->font().pointSizeF(), punkte);
    }
    // Narrower still: two points smaller is as far as it goes.
    b->resize(breite(9) + rand, 30);
    Beschriften(b, TBeschriftungsArt::Text, -1, text);
    EXPECT_EQ(b->font().pointSizeF(), 10.0);
    Beschriften(b, TBeschriftungsArt::Text, -1, QStringLiteral("W"));
    EXPECT_EQ(b->font().pointSizeF(), 12.0);

    // A small font never goes below three points.
    for (const auto& [vorher, nachher] : {std::pair(5.0, 3.0), std::pair(4.0, 3.0), std::pair(3.0, 3.0)}) {
        QWidget klein;
        auto* k = new QPushButton(&klein);
        QFont kf = k->font();
        kf.setPointSizeF(vorher);
        k->setFont(kf);
        k->resize(8, 30);
        Beschriften(k, TBeschriftungsArt::Text, -1, text);
        EXPECT_EQ(k->font().pointSizeF(), nachher) << vorher;
    }
}

// German, English, the third language and back: a sample of every window
// follows, numbers change their separator, and the third list keeps the
// previous language's lines from 525 on.
TEST_F(GestartetTest, SwitchingLanguagesRecaptionsEveryWindow)
{
    // One text target of each window whose control exists, and a few hints.
    std::map<TFensterNr, TBeschriftungsZiel> proben;
    std::vector<TBeschriftungsZiel> hinweise;
    for (const TBeschriftungsZiel& z : BeschriftungsZiele()) {
        if (!Steuerelement(Fenster(z.Fenster), z.Name))
            continue;
        if (z.Art == TBeschriftungsArt::Text)
            proben.emplace(z.Fenster, z);
        else if (z.Art == TBeschriftungsArt::Hinweis && hinweise.size() < 4)
            hinweise.push_back(z);
    }
    ASSERT_GE(proben.size(), 20u);
    for (const auto& [f, z] : proben)
        hinweise.push_back(z);
    const auto de = Liste(SpracheDeutsch);
    const auto en = Liste(SpracheEnglisch);
    // The third list is empty up to its end at 525; beyond, the lines of the
    // language before stay.
    auto erwarte = [&](const std::vector<std::string>& liste, bool dritte) {
        for (const auto& z : hinweise) {
            SCOPED_TRACE(Beschreibung(z));
            const QString zeile = dritte && z.Zeile < 525 ? QString() : QString::fromStdString(liste[std::size_t(z.Zeile)]);
            EXPECT_EQ(Gelesen(Steuerelement(Fenster(z.Fenster), z.Name), z), z.Vor + zeile + z.Nach);
        }
    };
    erwarte(de, false);

    Form1->english1->trigger();
    erwarte(en, false);
    EXPECT_EQ(JaKnopf(), "&Yes");
    EXPECT_EQ(Form1->BKomma->text(), ".");
    EXPECT_TRUE(Meldung.Meldungen.empty()) << "English and German redraw instead of a message";

    Form1->franzsisch1->trigger();
    erwarte(en, true);
    for (int n = 525; n < 580; ++n)
        EXPECT_EQ(Texte[static_cast<std::size_t>(n)], en[static_cast<std::size_t>(n)]) << n;
    EXPECT_EQ(Dezimaltrenner(), ',');
    // The third list has no "saved" line: the words of the previous language.
    EXPECT_EQ(Meldung.Meldungen, std::vector<QString>{"Settings saved!"});

    Form1->deutsch1->trigger();
    erwarte(de, false);
    EXPECT_EQ(JaKnopf(), "&Ja");
    EXPECT_EQ(Form1->BKomma->text(), ",");
    EXPECT_EQ(Meldung.Meldungen.size(), 1u);
}

// The range labels of the main window keep clear of the fields after them
// with the captions of either language.
TEST_F(GestartetTest, RangeLabelsLeaveTheirFieldsFree)
{
    Form1->Edit1->setText("f(x,t) = t*x");  // the t row shows
    for (QAction* sprache : {Form1->english1, Form1->deutsch1}) {
        sprache->trigger();
        const std::pair<QLabel*, QWidget*> paare[] = {{Form1->Label4, Form1->Evonx}, {Form1->Label6, Form1->Ebisx},
                                                      {Form1->Label5, Form1->Evont}, {Form1->Label7, Form1->Ebist},
                                                      {Form1->Label8, Form1->Estept}};
        for (const auto& [label, feld] : paare)
            EXPECT_LT(label->x() + label->sizeHint().width(), feld->x()) << label->text().toStdString();
    }
}

// The keypad picks its keyword by its caption: the German keywords under
// the German captions, the English ones under any other.
TEST_F(GestartetTest, KeypadKeywordsFollowTheLanguage)
{
    for (QAction* sprache : {Form1->deutsch1, Form1->english1, Form1->franzsisch1}) {
        sprache->trigger();
        Form1->Edit1->setText("f(x) = ");
        Form1->Edit1->end(false);
        Form1->ClickButton(Form1->Taste("BBetrag"));
        EXPECT_EQ(Form1->Edit1->text(), sprache == Form1->deutsch1 ? "f(x) = Betrag" : "f(x) = absolut")
            << sprache->objectName().toStdString();
    }
}

// Captions built from pieces and from the program's state: hot keys with the
// control key's name and ordinals, the unit dialogs by unit, the editor's
// groups by kind and number, the about window's link and the tips' memos.
TEST_F(DruckTest, CompositeCaptionsFollowLanguageUnitAndState)
{
    auto texte = [] {
        return QStringList{LabelText(HotkeyDlg, "Label3"), LabelText(HotkeyDlg, "Label14"),
                           LabelText(HotkeyDlg, "Label18"), LabelText(EinheitYDlg, "Label1")};
    };
    EXPECT_EQ(texte(), (QStringList{"(Strg+F1)", "1. Funktionsgleichung", "9. Funktionsgleichung",
                                    "Einheit der y-Achse je 1 cm"}));

    Form1->english1->trigger();
    // With no unit chosen yet, English ticks inch (and the layout follows).
    EXPECT_TRUE(Form1->Inch->isChecked());
    EXPECT_EQ(texte(), (QStringList{"(Ctrl+F1)", "1st Function", "9th Function", "Unit of the y-axis per 1/2 in"}));
    // A family: the group names the family and the colour button is bare.
    FunktionWaehlen(3);
    Form1->Edit1->setText("f(x,t) = t*x");
    FormOeffne->beschriften();
    EXPECT_EQ(std::tuple(Form1->GroupBox1->title(), Form1->GroupBox2->title(), Form1->SFarbe->text()),
              std::tuple(" Family of functions ", " Options graph (3.) ", QString()));
    // The about window's link shows the English address; the tips' memos
    // have their lines replaced, not added.
    EXPECT_EQ(AboutBox->Label5->text(), QStringLiteral("<a href=\"%1\">%1</a>").arg(Txt(517)));
    EXPECT_EQ(LabelText(TippsDlg, "Memo7"), Txt(493) + QLatin1Char('\n') + Txt(494) + QLatin1Char('\n') + Txt(495));

    // German again with the unit now stored as chosen: cm stays unticked. A
    // language without an address shows no link.
    Form1->Inch->trigger();
    Form1->deutsch1->trigger();
    EXPECT_TRUE(Form1->Inch->isChecked());
    EXPECT_EQ(LabelText(EinheitXDlg, "Label1"), "Einheit der x-Achse je 1/2 in");
    Form1->franzsisch1->trigger();
    EXPECT_EQ(AboutBox->Label5->text(), QString());
}

// A dialog is wide enough for its title bar to show its title: one never
// shown is fitted when it first shows, one shown before at once.
TEST_F(GestartetTest, ADialogGrowsToItsTitleWhenShownOrAtOnceOnceItWasShown)
{
    std::vector<QDialog*> dialoge;
    for (int f = 0; f <= static_cast<int>(TFensterNr::About); ++f)
        if (auto* d = qobject_cast<QDialog*>(Fenster(static_cast<TFensterNr>(f)));
            d && d->minimumWidth() != d->maximumWidth() && !d->isVisible())
            dialoge.push_back(d);
    ASSERT_FALSE(dialoge.empty());
    const QString lang = QString(60, QLatin1Char('W'));
    for (QDialog* d : dialoge) {
        SCOPED_TRACE(d->objectName().toStdString());
        const bool gezeigt = d->testAttribute(Qt::WA_WState_Polished);
        ASSERT_TRUE(Beschriften(d, TBeschriftungsArt::Text, -1, lang));
        if (!gezeigt) {
            EXPECT_LT(d->minimumWidth(), TitelleistenBreite(lang));
            d->show();
            d->hide();
        }
        EXPECT_GE(d->minimumWidth(), TitelleistenBreite(lang));
        ASSERT_TRUE(Beschriften(d, TBeschriftungsArt::Text, -1, lang + lang));
        EXPECT_GE(d->minimumWidth(), TitelleistenBreite(lang + lang));
    }
}

// A control placed by hand grows to its caption. One not polished yet (its
// window not shown) is measured only when Qt polishes it, which measuring
// would otherwise do at once; a polished one grows at once.
TEST_F(GestartetTest, AControlGrowsToItsCaptionWhenPolishedOrAtOnceOnceItWas)
{
    std::vector<QWidget*> frei;
    for (int f = 0; f <= static_cast<int>(TFensterNr::About); ++f) {
        QWidget* fenster = Fenster(static_cast<TFensterNr>(f));
        if (!fenster || fenster->isVisible())
            continue;
        for (QWidget* w : fenster->findChildren<QWidget*>()) {
            const QWidget* eltern = w->parentWidget();
            auto* l = qobject_cast<QLabel*>(w);
            if ((l && !l->wordWrap()) || qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
                if (!w->testAttribute(Qt::WA_WState_Polished) && !(eltern->layout() && eltern->layout()->indexOf(w) >= 0))
                    frei.push_back(w);
        }
    }
    ASSERT_FALSE(frei.empty());
    const QString lang = QString(40, QLatin1Char('W'));
    std::size_t aufgeschoben = 0;
    for (QWidget* w : frei) {
        SCOPED_TRACE((w->window()->objectName() + "." + w->objectName()).toStdString());
        const int vorher = w->width();
        ASSERT_TRUE(Beschriften(w, TBeschriftungsArt::Text, -1, lang));
        // (A tool window's row measures its own controls as their texts change.)
        if (!w->testAttribute(Qt::WA_WState_Polished)) {
            ++aufgeschoben;
            EXPECT_EQ(w->width(), vorher);
            w->window()->ensurePolished();
        }
        EXPECT_GE(w->width(), w->sizeHint().width());
        EXPECT_GT(w->width(), vorher);
        ASSERT_TRUE(Beschriften(w, TBeschriftungsArt::Text, -1, lang + lang));
        EXPECT_GE(w->width(), w->sizeHint().width());
    }
    EXPECT_GT(aufgeschoben, 0u);
}

// A row names its controls separated by blanks, in that order, or none (the
// window itself); a row of fill options gives each box its caption and then
// one target per option.
TEST(Beschriftung, EachRowGivesATargetPerNameInOrder)
{
    QStringList erwartet;
    for (const TBeschriftungsZeile& z : Beschriftungstabelle()) {
        QStringList namen = QString::fromLatin1(z.Namen).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (namen.isEmpty())
            namen.append(QString());
        for (const QString& name : namen)
            for (int i = 0; i < (z.Art == TBeschriftungsArt::Fuelloptionen ? 7 : 1); ++i)
                erwartet << name;
    }
    QStringList ziele;
    for (const TBeschriftungsZiel& z : BeschriftungsZiele())
        ziele << z.Name;
    EXPECT_EQ(ziele, erwartet);
    EXPECT_TRUE(ziele.contains("NormaleButton") && ziele.contains(QString()));
}
