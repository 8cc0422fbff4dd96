// The caption table and the language commands: every reference of the
// table, switching languages in every window, the composite captions.

#include "programm_fixture.h"

#include "graph/graphik.h"
#include "engine/texte.h"
#include "main/beschriftung_tabelle.h"
#include "main/druck_dlg.h"
#include "main/einheit_dlg.h"
#include "main/form1.h"
#include "main/formoeffne.h"
#include "main/hotkey_dlg.h"
#include "platform/sprache.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include <iostream>
#include <map>
#include <set>

namespace {

std::vector<std::string> Liste(int sprache)
{
    static const char* const namen[] = {":/languages/deutsch.txt", ":/languages/english.txt", ":/languages/dritte.txt"};
    QFile f(QString::fromLatin1(namen[sprache]));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    return ZeilenAusText(std::string_view(b.constData(), static_cast<std::size_t>(b.size())));
}

std::string Beschreibung(const TBeschriftungsZiel& z)
{
    std::string s = Fensterklasse(z.Fenster);
    s += '.';
    s += z.Name.isEmpty() ? std::string("(window caption)") : z.Name.toStdString();
    if (z.Eintrag >= 0)
        s += " item " + std::to_string(z.Eintrag);
    if (z.Art == TBeschriftungsArt::Hinweis)
        s += " (hint)";
    return s;
}

// The buttons of a radio group in their order.
QList<QAbstractButton*> Knoepfe(QObject* o)
{
    if (auto* g = o->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly))
        return g->buttons();
    QList<QAbstractButton*> k;
    for (QRadioButton* r : o->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly))
        k.append(r);
    return k;
}

// The text a control shows for the kind of the target: a page's tab, a
// list's item, a memo's line.
QString Gelesen(QObject* o, const TBeschriftungsZiel& z)
{
    if (z.Art == TBeschriftungsArt::Hinweis)
        return o->property("toolTip").toString();
    if (z.Art == TBeschriftungsArt::Eintrag) {
        if (auto* c = qobject_cast<QComboBox*>(o))
            return c->itemText(z.Eintrag);
        QString memo;
        if (auto* l = qobject_cast<QLabel*>(o))
            memo = l->text();
        else if (auto* p = qobject_cast<QPlainTextEdit*>(o))
            memo = p->toPlainText();
        else if (QAbstractButton* b = Knoepfe(o).value(z.Eintrag))
            return b->text();
        else
            return QStringLiteral("<none>");
        return memo.split(QLatin1Char('\n')).value(z.Eintrag, QStringLiteral("<none>"));
    }
    if (auto* w = qobject_cast<QWidget*>(o); w && w->isWindow() && z.Name.isEmpty())
        return w->windowTitle();
    if (auto* a = qobject_cast<QAction*>(o))
        return a->text();
    if (auto* w = qobject_cast<QWidget*>(o); w && w->parentWidget()) {
        if (auto* reiter = qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget()))
            return reiter->tabText(reiter->indexOf(w));
    }
    for (const char* p : {"title", "text"}) {
        const QVariant v = o->property(p);
        if (v.isValid())
            return v.toString();
    }
    return {};
}

}  // namespace

// Every row names a filled line in both lists that is not a translator's
// comment; every control that exists takes the text in its kind. Controls
// that do not exist yet are listed.
TEST_F(ProgrammTest, EveryCaptionTableReferenceResolves)
{
    Starten();
    const auto de = Liste(SpracheDeutsch);
    const auto en = Liste(SpracheEnglisch);
    ASSERT_EQ(de.size(), 580u);
    ASSERT_EQ(en.size(), 580u);

    std::vector<std::string> fehlend;
    for (const TBeschriftungsZiel& z : BeschriftungsZiele()) {
        SCOPED_TRACE(Beschreibung(z));
        ASSERT_GE(z.Zeile, 0);
        ASSERT_LT(z.Zeile, 580);
        for (const auto* liste : {&de, &en}) {
            const std::string& zeile = (*liste)[static_cast<std::size_t>(z.Zeile)];
            EXPECT_FALSE(zeile.empty()) << "line " << z.Zeile;
            EXPECT_NE(zeile.rfind("//", 0), 0u) << "line " << z.Zeile;
        }
        QWidget* fenster = Fenster(z.Fenster);
        ASSERT_NE(fenster, nullptr) << "every window exists from the start on";
        QObject* ziel = Steuerelement(fenster, z.Name);
        if (!ziel) {
            fehlend.push_back(Beschreibung(z));
            continue;
        }
        const QString text = z.Vor + Txt(z.Zeile) + z.Nach;
        EXPECT_TRUE(Beschriften(ziel, z.Art, z.Eintrag, text)) << "a control of another kind";
        EXPECT_EQ(Gelesen(ziel, z), text);
    }
    const TBeschriftungsErgebnis ergebnis = BeschriftungAnwenden();
    EXPECT_TRUE(ergebnis.Abgelehnt.empty());
    EXPECT_EQ(ergebnis.Fehlend.size(), fehlend.size());

    // Not a failure while the windows are being built: the list shows what
    // is still to come, window by window.
    std::map<std::string, int> jeFenster;
    for (const std::string& s : fehlend)
        ++jeFenster[s.substr(0, s.find('.'))];
    std::cout << "[ caption table ] " << fehlend.size() << " of " << BeschriftungsZiele().size()
              << " entries name a control that does not exist yet:\n";
    for (const auto& [fenster, anzahl] : jeFenster)
        std::cout << "    " << fenster << ": " << anzahl << '\n';
    for (const std::string& s : fehlend)
        std::cout << "    " << s << '\n';
}

// The rows and the composite pieces, as the table gives them.
TEST_F(ProgrammTest, CaptionTableRowsExpandInTheirOrder)
{
    const auto ziele = BeschriftungsZiele();
    auto finde = [&](TFensterNr f, const char* name, TBeschriftungsArt art, int eintrag = -1) {
        for (std::size_t i = 0; i < ziele.size(); ++i)
            if (ziele[i].Fenster == f && ziele[i].Name == QLatin1String(name) && ziele[i].Art == art &&
                ziele[i].Eintrag == eintrag)
                return i;
        return ziele.size();
    };
    using A = TBeschriftungsArt;
    // Window by window, main window first, a window's captions before its hints.
    EXPECT_EQ(ziele.front().Name, QStringLiteral("Datei1"));
    EXPECT_LT(finde(TFensterNr::Form1, "Interaktiv1", A::Text), finde(TFensterNr::Form1, "Suchen1", A::Hinweis));
    EXPECT_LT(finde(TFensterNr::Form1, "SpeedButton9", A::Hinweis), finde(TFensterNr::Graphik, "", A::Text));
    EXPECT_LT(finde(TFensterNr::Tipps, "Memo9", A::Eintrag, 1), finde(TFensterNr::About, "", A::Text));

    struct TFall {
        TFensterNr Fenster;
        const char* Name;
        A Art;
        int Eintrag;
        int Zeile;
        const char* Vor;
        const char* Nach;
    };
    const TFall faelle[] = {
        {TFensterNr::Form1, "ffnen1", A::Text, -1, 15, "", "..."},
        {TFensterNr::Form1, "ParabelSchar41", A::Text, -1, 31, "", " 4"},
        {TFensterNr::Form1, "GroupBox3", A::Text, -1, 54, " ", " "},
        {TFensterNr::Form1, "Autor1", A::Hinweis, -1, 519, "", ""},
        {TFensterNr::Form1, "SpeedButton8", A::Hinweis, -1, 176, "", "..."},
        {TFensterNr::Graphik, "SoundBox", A::Hinweis, -1, 128, "", "?"},
        {TFensterNr::Kreise, "GroupBox37", A::Text, -1, 376, " 10. ", " "},
        {TFensterNr::Kreise, "RadioGroup1", A::Text, -1, 385, " ", " "},
        {TFensterNr::Kreise, "RadioGroup1", A::Eintrag, 3, 389, "", " 1"},
        {TFensterNr::Kreise, "RadioGroup10", A::Eintrag, 4, 389, "", " 2"},
        {TFensterNr::Kreise, "RadioGroup10", A::Eintrag, 5, 390, "", ""},
        {TFensterNr::Flaechen, "Label29", A::Text, -1, 391, "8. ", ""},
        {TFensterNr::Flaechen, "ComboBox16", A::Eintrag, 9, 395, "", ""},
        {TFensterNr::Uebersicht, "SpeedButton20", A::Hinweis, -1, 372, "4. ", ""},
        {TFensterNr::Kopier8, "", A::Text, -1, 423, "", " ..."},
        {TFensterNr::Hotkey, "Label27", A::Text, -1, 15, "", "..."},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(std::string(Fensterklasse(f.Fenster)) + "." + f.Name);
        const std::size_t i = finde(f.Fenster, f.Name, f.Art, f.Eintrag);
        ASSERT_LT(i, ziele.size());
        EXPECT_EQ(ziele[i].Zeile, f.Zeile);
        EXPECT_EQ(ziele[i].Vor, QString::fromLatin1(f.Vor));
        EXPECT_EQ(ziele[i].Nach, QString::fromLatin1(f.Nach));
    }
    // Like rows of the overview get the same line, each once.
    std::set<QString> namen;
    for (const TBeschriftungsZiel& z : ziele)
        if (z.Fenster == TFensterNr::Uebersicht && z.Art == A::Text && z.Zeile == 142) {
            EXPECT_TRUE(namen.insert(z.Name).second) << z.Name.toStdString();
        }
    EXPECT_EQ(namen.size(), 9u);
}

// German, English, the third language and back: a sample of every window
// follows, numbers change their separator, and the third list keeps the
// previous language's lines from 525 on.
TEST_F(ProgrammTest, SwitchingLanguagesRecaptionsEveryWindow)
{
    Starten();
    // One text target of each window whose control exists, plus a hint.
    std::map<TFensterNr, TBeschriftungsZiel> proben;
    std::vector<TBeschriftungsZiel> hinweise;
    for (const TBeschriftungsZiel& z : BeschriftungsZiele()) {
        QObject* o = Steuerelement(Fenster(z.Fenster), z.Name);
        if (!o)
            continue;
        if (z.Art == TBeschriftungsArt::Text)
            proben.emplace(z.Fenster, z);
        else if (z.Art == TBeschriftungsArt::Hinweis && hinweise.size() < 4)
            hinweise.push_back(z);
    }
    ASSERT_GE(proben.size(), 20u);
    ASSERT_FALSE(hinweise.empty());

    const auto de = Liste(SpracheDeutsch);
    const auto en = Liste(SpracheEnglisch);
    // The third list is empty up to its end at 525; beyond, the lines of the
    // language before stay.
    auto Erwartet = [](const std::vector<std::string>& liste, int zeile, bool dritte) {
        if (dritte && zeile < 525)
            return QString();
        return QString::fromStdString(liste[static_cast<std::size_t>(zeile)]);
    };
    auto erwarte = [&](const std::vector<std::string>& liste, bool leer) {
        for (const auto& [f, z] : proben) {
            SCOPED_TRACE(Beschreibung(z));
            const QString zeile = Erwartet(liste, z.Zeile, leer);
            EXPECT_EQ(Gelesen(Steuerelement(Fenster(f), z.Name), z), z.Vor + zeile + z.Nach);
        }
        for (const auto& z : hinweise) {
            SCOPED_TRACE(Beschreibung(z));
            const QString zeile = Erwartet(liste, z.Zeile, leer);
            EXPECT_EQ(Gelesen(Steuerelement(Fenster(z.Fenster), z.Name), z), z.Vor + zeile + z.Nach);
        }
    };
    // Qt's own buttons follow the language commands too.
    auto ja = [] {
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text();
    };
    erwarte(de, false);
    EXPECT_EQ(ja(), QStringLiteral("&Ja"));
    EXPECT_EQ(Form1->GroupBox1->title(), QStringLiteral(" Funktionsgleichung "));

    Form1->english1->trigger();
    EXPECT_TRUE(Form1->english1->isChecked());
    EXPECT_FALSE(Form1->deutsch1->isChecked());
    erwarte(en, false);
    EXPECT_EQ(ja(), QStringLiteral("&Yes"));
    EXPECT_EQ(Form1->BKomma->text(), QStringLiteral("."));
    EXPECT_EQ(Form1->GroupBox1->title(), QStringLiteral(" Function "));
    EXPECT_EQ(Form1->GroupBox2->title(), QStringLiteral(" Options graph (1.) "));
    EXPECT_EQ(Form1->SFarbe->text(), QStringLiteral("Colour"));
    EXPECT_EQ(Form1->findChild<QAction*>(QStringLiteral("Hotkeys2"))->text(), QStringLiteral("Hotkeys"));
    EXPECT_TRUE(Meldung.Meldungen.empty()) << "English and German redraw instead of a message";

    Form1->franzsisch1->trigger();
    EXPECT_TRUE(Form1->franzsisch1->isChecked());
    EXPECT_FALSE(Form1->english1->isChecked());
    erwarte(en, true);
    for (int n = 525; n < 580; ++n)
        EXPECT_EQ(Texte[static_cast<std::size_t>(n)], en[static_cast<std::size_t>(n)]) << n;
    EXPECT_EQ(Texte[220], "");
    EXPECT_EQ(Dezimaltrenner(), ',');
    // The third list has no "saved" line: the words of the previous language.
    ASSERT_EQ(Meldung.Meldungen.size(), 1u);
    EXPECT_EQ(Meldung.Meldungen.back(), QStringLiteral("Settings saved!"));

    Form1->deutsch1->trigger();
    EXPECT_TRUE(Form1->deutsch1->isChecked());
    EXPECT_FALSE(Form1->franzsisch1->isChecked());
    erwarte(de, false);
    EXPECT_EQ(ja(), QStringLiteral("&Ja"));
    EXPECT_EQ(Form1->BKomma->text(), QStringLiteral(","));
    EXPECT_EQ(Meldung.Meldungen.size(), 1u);
}

// The range labels of the main window keep clear of the fields after them
// with the captions of either language.
TEST_F(ProgrammTest, RangeLabelsLeaveTheirFieldsFree)
{
    Starten();
    Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x"));  // the t row shows
    for (QAction* sprache : {Form1->english1, Form1->deutsch1}) {
        sprache->trigger();
        SCOPED_TRACE(sprache->objectName().toStdString());
        const std::pair<QLabel*, QWidget*> paare[] = {{Form1->Label4, Form1->Evonx},
                                                      {Form1->Label6, Form1->Ebisx},
                                                      {Form1->Label5, Form1->Evont},
                                                      {Form1->Label7, Form1->Ebist},
                                                      {Form1->Label8, Form1->Estept}};
        for (const auto& [label, feld] : paare) {
            SCOPED_TRACE(label->text().toStdString());
            EXPECT_LT(label->x() + label->sizeHint().width(), feld->x());
            EXPECT_LT(label->geometry().right(), feld->x());
        }
        EXPECT_LT(Form1->Ebisx->geometry().right(), Form1->SFarbe->x());
        EXPECT_LT(Form1->Estept->geometry().right(), Form1->GroupBox2->width());
    }
    EXPECT_EQ(Form1->Label6->text(), QStringLiteral("x bis"));
}

// The keypad picks its keyword by its caption: the German keywords under
// the German captions, the English ones under any other.
TEST_F(ProgrammTest, KeypadKeywordsFollowTheLanguage)
{
    Starten();
    struct TFall {
        const char* Taste;
        const char* Deutsch;
        const char* Englisch;
    };
    const TFall faelle[] = {
        {"BWurzel", "Wurzel", "squareroot"},
        {"BQuadrat", "Quadrat", "square"},
        {"BBetrag", "Betrag", "absolut"},
    };
    for (const int sprache : {SpracheDeutsch, SpracheEnglisch, SpracheDritte}) {
        if (sprache == SpracheDeutsch)
            Form1->deutsch1->trigger();
        else if (sprache == SpracheEnglisch)
            Form1->english1->trigger();
        else
            Form1->franzsisch1->trigger();
        for (const TFall& f : faelle) {
            SCOPED_TRACE(std::string(f.Taste) + " in language " + std::to_string(sprache));
            Form1->Edit1->setText(QStringLiteral("f(x) = "));
            Form1->Edit1->end(false);
            Form1->ClickButton(Form1->Taste(f.Taste));
            const QString wort = QString::fromLatin1(sprache == SpracheDeutsch ? f.Deutsch : f.Englisch);
            EXPECT_EQ(Form1->Edit1->text(), QStringLiteral("f(x) = ") + wort);
        }
    }
}

// Captions built from pieces and from the program's state.
TEST_F(ProgrammTest, CompositeCaptionsFollowLanguageUnitAndState)
{
    Starten();
    auto label = [](QWidget* w, const char* name) {
        auto* l = w->findChild<QLabel*>(QString::fromLatin1(name));
        return l ? l->text() : QStringLiteral("<missing>");
    };
    EXPECT_EQ(label(HotkeyDlg, "Label3"), QStringLiteral("(Strg+F1)"));
    EXPECT_EQ(label(HotkeyDlg, "Label17"), QStringLiteral("(Strg+D)"));
    EXPECT_EQ(label(HotkeyDlg, "Label14"), QStringLiteral("1. Funktionsgleichung"));
    EXPECT_EQ(label(HotkeyDlg, "Label18"), QStringLiteral("9. Funktionsgleichung"));
    EXPECT_EQ(label(HotkeyDlg, "Label27"), QStringLiteral("Öffnen..."));
    EXPECT_EQ(label(EinheitXDlg, "Label1"), QStringLiteral("Einheit der x-Achse je 1 cm"));
    EXPECT_EQ(Form1->ffnen1->text(), QStringLiteral("Öffnen..."));

    Form1->english1->trigger();
    EXPECT_EQ(label(HotkeyDlg, "Label3"), QStringLiteral("(Ctrl+F1)"));
    EXPECT_EQ(label(HotkeyDlg, "Label12"), QStringLiteral("(Ctrl+V)"));
    EXPECT_EQ(label(HotkeyDlg, "Label14"), QStringLiteral("1st Function"));
    EXPECT_EQ(label(HotkeyDlg, "Label18"), QStringLiteral("9th Function"));
    EXPECT_EQ(label(HotkeyDlg, "Label5"), QStringLiteral("(F5)"));
    // With no unit chosen yet, English ticks inch (and the layout follows).
    EXPECT_TRUE(Form1->Inch->isChecked());
    EXPECT_EQ(label(EinheitYDlg, "Label1"), QStringLiteral("Unit of the y-axis per 1/2 in"));
    EXPECT_EQ(Form1->ffnen1->text(), QStringLiteral("Open..."));
    // The editor's own texts win over the table's plain ones.
    EXPECT_EQ(DruckDlg->CB1->text(), QStringLiteral("with value table of f(x) = x^2"));

    // A family: the group names the family and the colour button is bare.
    Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x"));
    FormOeffne->beschriften();
    EXPECT_EQ(Form1->GroupBox1->title(), QStringLiteral(" Family of functions "));
    EXPECT_EQ(Form1->SFarbe->text(), QString());
    Form1->ComboBox1->setCurrentIndex(2);
    Form1->ComboBox1Change();
    FormOeffne->beschriften();
    EXPECT_EQ(Form1->GroupBox2->title(), QStringLiteral(" Options graph (3.) "));

    // German again with the unit now stored as chosen: cm stays unticked.
    Form1->Inch->trigger();
    Form1->deutsch1->trigger();
    EXPECT_TRUE(Form1->Inch->isChecked());
    EXPECT_EQ(label(EinheitXDlg, "Label1"), QStringLiteral("Einheit der x-Achse je 1/2 in"));
}
