// Every caption can be read whole: in German and in English, in every
// window and in the states that show more controls, the text of each visible
// button, label, check box, group title, tab, menu title and dialog title
// fits the room its control gives it, and neither a window or group around
// it nor a control placed over it cuts it off. Lists and fields are seen
// whole the same way.

#include "programm_fixture.h"

#include "main/beschriftung_tabelle.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QFontDatabase>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <functional>
#include <sstream>

namespace {

// Where a caption is drawn inside its control: the room the control gives
// it and the size the text needs there, placed as the control aligns it.
struct TPlatz {
    QRect Raum;
    QSize Noetig;
    Qt::Alignment Ausrichtung = Qt::AlignCenter;
};

QSize Textgroesse(const QWidget* w, const QString& text)
{
    return w->fontMetrics().size(Qt::TextShowMnemonic, text);
}

std::vector<TPlatz> Plaetze(QWidget* w)
{
    QStyle* stil = w->style();
    if (auto* c = qobject_cast<QCheckBox*>(w); c && !c->text().isEmpty()) {
        QStyleOptionButton opt;
        opt.initFrom(c);
        opt.text = c->text();
        return {{stil->subElementRect(QStyle::SE_CheckBoxContents, &opt, c), Textgroesse(c, c->text()),
                 Qt::AlignLeft | Qt::AlignVCenter}};
    }
    if (auto* r = qobject_cast<QRadioButton*>(w); r && !r->text().isEmpty()) {
        QStyleOptionButton opt;
        opt.initFrom(r);
        opt.text = r->text();
        return {{stil->subElementRect(QStyle::SE_RadioButtonContents, &opt, r), Textgroesse(r, r->text()),
                 Qt::AlignLeft | Qt::AlignVCenter}};
    }
    if (auto* p = qobject_cast<QPushButton*>(w); p && !p->text().isEmpty()) {
        QStyleOptionButton opt;
        opt.initFrom(p);
        opt.text = p->text();
        if (p->isDefault() || p->autoDefault())
            opt.features |= QStyleOptionButton::AutoDefaultButton;
        QSize noetig = Textgroesse(p, p->text());
        if (!p->icon().isNull())
            noetig.rwidth() += p->iconSize().width() + 4;
        return {{stil->subElementRect(QStyle::SE_PushButtonContents, &opt, p), noetig}};
    }
    if (auto* t = qobject_cast<QToolButton*>(w);
        t && !t->text().isEmpty() && (t->icon().isNull() || t->toolButtonStyle() == Qt::ToolButtonTextOnly)) {
        QStyleOptionToolButton opt;
        opt.initFrom(t);
        opt.text = t->text();
        opt.subControls = QStyle::SC_ToolButton;
        const int rand = stil->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, t);
        const QRect knopf = stil->subControlRect(QStyle::CC_ToolButton, &opt, QStyle::SC_ToolButton, t);
        return {{knopf.adjusted(rand, rand, -rand, -rand), Textgroesse(t, t->text())}};
    }
    if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty()) {
        const QSize noetig = l->wordWrap() ? QSize(l->width(), l->heightForWidth(l->width())) : l->sizeHint();
        return {{l->rect(), noetig, l->alignment()}};
    }
    if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty()) {
        QStyleOptionGroupBox opt;
        opt.initFrom(g);
        opt.text = g->title();
        opt.lineWidth = 1;
        opt.textAlignment = g->alignment();
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (g->isFlat())
            opt.features |= QStyleOptionFrame::Flat;
        const QRect titel = stil->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
        return {{titel, titel.size()}};
    }
    // Lists and fields: the control itself must be seen whole.
    if (qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w))
        return {{w->rect(), w->size()}};
    if (auto* reiter = qobject_cast<QTabBar*>(w)) {
        std::vector<TPlatz> v;
        const int rand = stil->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, reiter) / 2;
        for (int i = 0; i < reiter->count(); ++i)
            v.push_back({reiter->tabRect(i), Textgroesse(reiter, reiter->tabText(i)) + QSize(2 * rand, 0)});
        return v;
    }
    if (auto* leiste = qobject_cast<QMenuBar*>(w)) {
        std::vector<TPlatz> v;
        for (QAction* a : leiste->actions())
            if (a->isVisible())
                v.push_back({leiste->actionGeometry(a), Textgroesse(leiste, a->text())});
        return v;
    }
    return {};
}

// The part of `w` that its window shows: its rectangle cut by every
// ancestor up to the window; a scrolled area shows all of its contents.
QRect Sichtbar(QWidget* w, QWidget* fenster)
{
    QRect r = w->rect();
    QPoint versatz;  // w's origin in the coordinates of the ancestor reached
    for (QWidget* a = w; a != fenster; a = a->parentWidget()) {
        QWidget* eltern = a->parentWidget();
        if (!eltern)
            break;
        versatz += a->pos();
        if (auto* bereich = qobject_cast<QAbstractScrollArea*>(eltern->parentWidget());
            bereich && bereich->viewport() == eltern)
            return r;
        r &= QRect(-versatz, eltern->size());
    }
    return r;
}

// Whether a control painted after `w` or after one of its ancestors (above
// them) covers part of `ort`, a rectangle in w's coordinates.
bool Verdeckt(const QWidget* w, const QWidget* fenster, QRect ort)
{
    for (const QWidget* a = w; a != fenster && a->parentWidget(); a = a->parentWidget()) {
        const QWidget* eltern = a->parentWidget();
        ort.translate(a->pos());
        const QObjectList& geschwister = eltern->children();
        for (qsizetype i = geschwister.indexOf(const_cast<QWidget*>(a)) + 1; i < geschwister.size(); ++i) {
            const auto* s = qobject_cast<const QWidget*>(geschwister[i]);
            if (s && !s->isWindow() && s->isVisibleTo(eltern) && s->geometry().intersects(ort))
                return true;
        }
    }
    return false;
}

std::string Name(const QWidget* w)
{
    std::string n = w->objectName().toStdString();
    return n.empty() ? w->metaObject()->className() : n;
}

// The captions of `fenster` that are cut, as "name 'text' needs WxH in
// [room]", one per line.
std::string Abgeschnitten(QWidget* fenster)
{
    std::ostringstream aus;
    const auto melde = [&aus](const QWidget* w, const QString& text, const QSize& noetig, const QRect& raum) {
        aus << "  " << Name(w) << " '" << text.toStdString() << "' needs " << noetig.width() << "x" << noetig.height()
            << " in " << raum.width() << "x" << raum.height() << "\n";
    };

    // The window manager's title bar: a bold 8-point title centred between
    // the window's icon and three buttons, whose room of about 60 pixels
    // stays free on both sides (as a common window manager draws it).
    QFont titelschrift = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titelschrift.setPointSize(8);
    titelschrift.setBold(true);
    constexpr int Knoepfe = 2 * 60;
    const int titel = QFontMetrics(titelschrift).horizontalAdvance(fenster->windowTitle()) + Knoepfe;
    if (titel > fenster->width())
        melde(fenster, fenster->windowTitle(), QSize(titel, 0), fenster->rect());

    const std::function<QString(QWidget*, int)> text = [](QWidget* w, int i) -> QString {
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            return b->text();
        if (auto* l = qobject_cast<QLabel*>(w))
            return l->text();
        if (auto* g = qobject_cast<QGroupBox*>(w))
            return g->title();
        if (auto* r = qobject_cast<QTabBar*>(w))
            return r->tabText(i);
        if (auto* m = qobject_cast<QMenuBar*>(w)) {
            QList<QAction*> sichtbar = m->actions();
            sichtbar.removeIf([](const QAction* a) { return !a->isVisible(); });
            return sichtbar.value(i) ? sichtbar.value(i)->text() : QString();
        }
        return {};
    };
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(fenster) || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QRect sichtbar = Sichtbar(w, fenster);
        int i = 0;
        for (const TPlatz& p : Plaetze(w)) {
            const QRect ort = QStyle::alignedRect(w->layoutDirection(), p.Ausrichtung, p.Noetig, p.Raum);
            if (p.Noetig.width() > p.Raum.width() || p.Noetig.height() > p.Raum.height() || !sichtbar.contains(ort) ||
                Verdeckt(w, fenster, ort))
                melde(w, text(w, i), p.Noetig, p.Raum & sichtbar);
            ++i;
        }
        if (auto* leiste = qobject_cast<QMenuBar*>(w))
            if (auto* mehr = leiste->findChild<QWidget*>(QStringLiteral("qt_menubar_ext_button")); mehr && mehr->isVisible())
                aus << "  " << Name(w) << " hides menus behind its extension button\n";
    }
    return aus.str();
}

// Every page of every tab widget in turn, then the first one again.
std::string AbgeschnittenAufAllenSeiten(QWidget* fenster)
{
    std::string befund = Abgeschnitten(fenster);
    for (QTabWidget* reiter : fenster->findChildren<QTabWidget*>()) {
        const int vorher = reiter->currentIndex();
        for (int i = 0; i < reiter->count(); ++i) {
            if (i == vorher)
                continue;
            reiter->setCurrentIndex(i);
            befund += Abgeschnitten(fenster);
        }
        reiter->setCurrentIndex(vorher);
    }
    return befund;
}

}  // namespace

TEST_F(GestartetTest, EveryCaptionCanBeReadWholeInBothLanguages)
{
    // The states that show more controls than the start: a family in the
    // editor, and the tangent and normal tools with their coordinate and
    // touching-point captions.
    const std::vector<std::pair<const char*, std::function<void()>>> zustaende = {
        {"start", [] {}},
        {"family", [] { Form1->Edit1->setText(QStringLiteral("f(x,t) = t*x^2")); }},
        {"tangent", [] { Graphik->TangenteButton->click(); }},
        {"normal", [] { Graphik->NormaleButton->click(); }},
        // Presentation mode on the smallest screen in a classroom: the
        // maximised window's client area on 1024 x 768 (the test screen is
        // smaller).
        {"presentation",
         [] {
             Form1->SpeedButton5Click();
             Graphik->PraesentationWechsel = true;
             Graphik->showNormal();
             Graphik->resize(1024, 730);
             Graphik->PraesentationWechsel = false;
         }},
    };
    std::string befund;
    for (QAction* sprache : {Form1->deutsch1, Form1->english1}) {
        sprache->trigger();
        for (const auto& [zustand, herstellen] : zustaende) {
            herstellen();
            for (int f = 0; f <= static_cast<int>(TFensterNr::About); ++f) {
                const auto nr = static_cast<TFensterNr>(f);
                QWidget* fenster = Fenster(nr);
                ASSERT_NE(fenster, nullptr) << Fensterklasse(nr);
                const bool sichtbar = fenster->isVisible();
                fenster->show();
                const std::string hier = AbgeschnittenAufAllenSeiten(fenster);
                if (!hier.empty())
                    befund += sprache->objectName().toStdString() + ", " + zustand + ", " + Fensterklasse(nr) + ":\n" +
                              hier;
                fenster->setVisible(sichtbar);
            }
        }
        Graphik->SpeedButton5Click();
        Graphik->UrsprungButton->click();
        Form1->Edit1->setText(QStringLiteral("f(x) = x^2"));
    }
    EXPECT_TRUE(befund.empty()) << befund;
}
