#include "platform/fensterlage.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <optional>

// Every window is placed by its client area, at the frame's corner plus the
// frame's margins. Qt's own ways of placing a frame do not hold under X11:
// QWidget::move places a window that Qt has not yet created by its frame
// only while nothing changes its geometry before it is mapped (a main
// window's menu bar does), QWindow::setFramePosition leaves a window in
// place where Qt asked the window manager to keep the client area still,
// and both convert with the frame that Qt saw last, which for a window that
// has just left the maximised state is the borderless one.

namespace {

// The margins a window had when the window manager first framed it in its
// normal state (a maximised window has no borders at the sides).
constexpr const char* GeseheneBreiten = "tessaplunRahmenbreiten";
// The margins a window was placed with before it was ever framed: what it
// reckons with until then.
constexpr const char* AngenommeneBreiten = "tessaplunAngenommeneRahmenbreiten";
// Counts the placements of a window: a correction that was due before the
// latest placement is dropped.
constexpr const char* Platzierungen = "tessaplunPlatzierungen";

int NeuePlatzierung(QWidget* fenster)
{
    const int n = fenster->property(Platzierungen).toInt() + 1;
    fenster->setProperty(Platzierungen, n);
    return n;
}

bool Rahmenlos(const QWidget* fenster)
{
    const Qt::WindowType art = fenster->windowType();
    return (fenster->windowFlags() & Qt::FramelessWindowHint) || art == Qt::Popup || art == Qt::ToolTip ||
           art == Qt::SplashScreen || art == Qt::Desktop;
}

// The margins of the window's frame: those kept from the first time the
// window manager framed it in its normal state, kept now if that is the
// case, else nothing. Later looks would not be better: right after the
// window leaves the maximised state Qt still holds the borderless frame.
std::optional<QMargins> Gesehen(const QWidget* fenster)
{
    if (const QVariant v = fenster->property(GeseheneBreiten); v.isValid())
        return v.value<QMargins>();
    if (!fenster->isVisible() || fenster->windowState() != Qt::WindowNoState ||
        !fenster->testAttribute(Qt::WA_WState_Created))
        return std::nullopt;
    const QRect r = fenster->frameGeometry();
    const QRect g = fenster->geometry();
    if (r == g)
        return std::nullopt;
    const QMargins m(g.left() - r.left(), g.top() - r.top(), r.right() - g.right(), r.bottom() - g.bottom());
    const_cast<QWidget*>(fenster)->setProperty(GeseheneBreiten, QVariant::fromValue(m));
    return m;
}

void Setzen(QWidget* fenster, const QPoint& rahmen, const QMargins& m)
{
    // Setting the geometry fixes the size: first the one that showing the
    // window would give it.
    if (!fenster->testAttribute(Qt::WA_Resized))
        fenster->adjustSize();
    fenster->setGeometry(QRect(rahmen + QPoint(m.left(), m.top()), fenster->size()));
}

// Places a window once more when the window manager has framed it for the
// first time: until then its margins were a guess.
class TRahmenNachfuehrung : public QObject {
public:
    TRahmenNachfuehrung(QWidget* fenster, const QPoint& ziel, int platzierung)
        : QObject(fenster), Ziel(ziel), Platzierung(platzierung)
    {
        fenster->installEventFilter(this);
    }
    void Setze(const QPoint& ziel, int platzierung)
    {
        Ziel = ziel;
        Platzierung = platzierung;
        Versuche = 0;
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Paint:
        case QEvent::ActivationChange:
        case QEvent::WindowStateChange:
            break;
        default:
            return false;
        }
        auto* fenster = static_cast<QWidget*>(objekt);
        if (!fenster->isVisible())
            return false;
        // Without a window manager no frame ever comes: give up after a
        // while instead of looking at every event for good.
        if (++Versuche > 400 || fenster->windowState() != Qt::WindowNoState) {
            Beenden(fenster);
            return false;
        }
        const auto m = fenster->frameGeometry() != fenster->geometry() ? Gesehen(fenster) : std::nullopt;
        if (!m)
            return false;  // not framed yet
        Beenden(fenster);
        if (fenster->frameGeometry().topLeft() == Ziel)
            return false;
        // Not from inside the event that told: the answer to the move comes
        // as an event of its own.
        QPointer<QWidget> w(fenster);
        QMetaObject::invokeMethod(
            qApp,
            [w, ziel = Ziel, platzierung = Platzierung, m = *m] {
                if (w && w->property(Platzierungen).toInt() == platzierung && w->isVisible() &&
                    w->windowState() == Qt::WindowNoState)
                    Setzen(w, ziel, m);
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    void Beenden(QWidget* fenster)
    {
        fenster->removeEventFilter(this);
        deleteLater();
    }

    QPoint Ziel;
    int Platzierung;
    int Versuche = 0;
};

// The correction still due for a window (the class has no meta-object of
// its own, so findChild would take any child for one).
TRahmenNachfuehrung* Nachfuehrung(QWidget* fenster)
{
    for (QObject* kind : fenster->children())
        if (auto* n = dynamic_cast<TRahmenNachfuehrung*>(kind))
            return n;
    return nullptr;
}

void Mitte(QWidget* dialog);

// Centres a dialog when it next opens: only then it has its size, and it is
// not yet on the screen. One per dialog, armed for each opening.
class TBeimOeffnenMitte : public QObject {
public:
    explicit TBeimOeffnenMitte(QWidget* dialog) : QObject(dialog) { dialog->installEventFilter(this); }
    void Bereiten() { Bereit = true; }

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override
    {
        if (event->type() == QEvent::Show && Bereit && !event->spontaneous()) {
            Bereit = false;
            Mitte(static_cast<QWidget*>(objekt));
        }
        return false;
    }

private:
    bool Bereit = false;
};

}  // namespace

QRect AufBildschirm(const QRect& rahmen, const QRect& bereich)
{
    // Right and bottom first: a frame larger than the area keeps its
    // top-left corner on it.
    QRect r = rahmen;
    r.moveRight(std::min(r.right(), bereich.right()));
    r.moveBottom(std::min(r.bottom(), bereich.bottom()));
    r.moveLeft(std::max(r.left(), bereich.left()));
    r.moveTop(std::max(r.top(), bereich.top()));
    return r;
}

QMargins Rahmenbreiten(const QWidget* fenster)
{
    if (!fenster || Rahmenlos(fenster))
        return {};
    if (const auto eigene = Gesehen(fenster))
        return *eigene;
    if (const QVariant v = fenster->property(AngenommeneBreiten); v.isValid())
        return v.value<QMargins>();
    // A window manager frames windows of one kind alike; tool windows
    // often with a thinner frame than the others.
    auto naehe = [fenster](const QWidget* w) {
        if (w->windowType() == fenster->windowType())
            return 2;
        return (w->windowType() == Qt::Tool) == (fenster->windowType() == Qt::Tool) ? 1 : 0;
    };
    std::optional<std::pair<int, QMargins>> beste;  // nearness, margins
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w == fenster || Rahmenlos(w))
            continue;
        if (const auto m = Gesehen(w); m && (!beste || naehe(w) > beste->first))
            beste = std::pair(naehe(w), *m);
    }
    return beste ? beste->second : QMargins();
}

QRect Rahmen(const QWidget* fenster)
{
    if (!fenster)
        return {};
    if (fenster->isVisible() && fenster->windowState() != Qt::WindowNoState)
        return fenster->frameGeometry();
    return fenster->geometry().marginsAdded(Rahmenbreiten(fenster));
}

void RahmenVerschieben(QWidget* fenster, const QPoint& rahmen)
{
    if (!fenster)
        return;
    const int platzierung = NeuePlatzierung(fenster);
    const bool gesehen = Rahmenlos(fenster) || Gesehen(fenster).has_value();
    const QMargins m = Rahmenbreiten(fenster);
    if (!gesehen && !m.isNull())
        fenster->setProperty(AngenommeneBreiten, QVariant::fromValue(m));
    Setzen(fenster, rahmen, m);

    TRahmenNachfuehrung* offen = Nachfuehrung(fenster);
    if (gesehen) {
        if (offen) {
            fenster->removeEventFilter(offen);
            offen->deleteLater();
        }
    } else if (offen) {
        offen->Setze(rahmen, platzierung);
    } else {
        new TRahmenNachfuehrung(fenster, rahmen, platzierung);
    }
}

namespace {

void Mitte(QWidget* dialog)
{
    // The size that showing it gives it, before it is measured: placing it
    // would give it that size only then, and the centring that the new
    // size asks for from inside would be overridden by this one, made for
    // the old size.
    if (!dialog->testAttribute(Qt::WA_Resized))
        dialog->adjustSize();
    const QScreen* screen = dialog->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect bereich = screen->availableGeometry();
    const QSize groesse = dialog->size().grownBy(Rahmenbreiten(dialog));
    const QPoint ecke(bereich.x() + (bereich.width() - groesse.width()) / 2,
                      bereich.y() + (bereich.height() - groesse.height()) / 2);
    RahmenVerschieben(dialog, AufBildschirm(QRect(ecke, groesse), bereich).topLeft());
}

}  // namespace

int BreiteBisZumRand(const QWidget* fenster, int links)
{
    const QScreen* screen = fenster ? fenster->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QWIDGETSIZE_MAX;
    const QMargins m = Rahmenbreiten(fenster);
    return screen->availableGeometry().right() + 1 - links - m.left() - m.right();
}

void DialogPlatzieren(QWidget* dialog)
{
    // A dialog that is up stays where the user has it.
    if (!dialog || dialog->isVisible())
        return;
    TBeimOeffnenMitte* mitte = nullptr;
    for (QObject* kind : dialog->children())
        if (auto* m = dynamic_cast<TBeimOeffnenMitte*>(kind))
            mitte = m;
    if (!mitte)
        mitte = new TBeimOeffnenMitte(dialog);
    mitte->Bereiten();
}
