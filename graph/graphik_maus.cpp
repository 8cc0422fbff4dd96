// The drawing area's mouse and the keyboard pointer: the events of
// PaintBox1 in the order of their steps, label placing with the typing
// field BeschrEdit, the origin drag, and the keys that move the pointer
// one pixel at a time. What each mode does lives in the table of the modes
// (graphik_modi.cpp); the handlers here run its columns in order.

#include "graph/graphik_modi.h"

#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "platform/felder.h"
#include "tools/trace_dlg.h"
#include "platform/fensterart.h"
#include "platform/melder.h"
#include "platform/statusleiste.h"
#include "platform/zeiger.h"
#include "tools/beschriftung_dlg.h"
#include "tools/werkzeugfenster.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Modi;

namespace {

// A line edit keeps 2 pixels left and right of its text and 1 above and
// below, and the caret needs one more column: added to the measured text.
constexpr int EditRandBreite = 5;
constexpr int EditRandHoehe = 2;

bool InInt32(std::int64_t v)
{
    return v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

// ---------------------------------------------------------------------------
// Mouse

void TGraphik::PaintBox1MouseMove(QObject* /*Sender*/, Qt::MouseButtons Shift, int X, int Y)
{
    // The arrow keys reach FormKeyDown through the focus target (the label
    // mode keeps the focus in its text, the origin tool wherever it is).
    if (Modus != ModusBeschriftung && Modus != ModusUrsprung)
        CursorBar->setFocus();
    const TModusEintrag* e = ModusEintrag(Modus);
    if (e && e->VorschauFolgt) {
        MausX = X;
        MausY = Y;
        if (!Animator->isActive())
            Animator->start();
    }
    if (e && e->Bewegung)
        e->Bewegung(*this, Shift, X, Y);
    StatusErneuern = true;
}

void TGraphik::PaintBox1MouseDown(QObject* Sender, Qt::MouseButton Button, int X, int Y)
{
    if (Button == Qt::LeftButton) {
        const TModusEintrag* e = ModusEintrag(Modus);
        // The click adopts what a preview at its own pixel shows: the
        // pointer may not have moved since the tool was chosen, and the
        // last tick may lie a pixel or a step behind.
        if (e && e->VorschauFolgt)
            VorschauBerechnen(X, Y);
        if (e && e->KlickGueltig)
            VorschauGueltig = true;
        if (e && e->Fang && VorschauGueltig)
            Fangen(Sender, X, Y, *e);
        // The click that ends a construction first adopts the object of the
        // current step, then steps on.
        e = ModusEintrag(Modus);
        if (e && e->Schritt)
            e->Schritt(*this, Sender, X, Y);
    } else if (Button == Qt::RightButton) {
        if (const TModusEintrag* e = ModusEintrag(Modus); e && e->Rechts)
            e->Rechts(*this);
        PaintBoxClick_Rechts(Sender, X, Y);
    }
}

void TGraphik::PaintBox1MouseUp(QObject* /*Sender*/, Qt::MouseButton Button, int /*X*/, int /*Y*/)
{
    if (Button != Qt::LeftButton)
        return;
    if (const TModusEintrag* e = ModusEintrag(Modus); e && e->Loslassen)
        e->Loslassen(*this);
}

// The capturing click: the flash at the snapped point, then the object.
// One guarded block: a coordinate text that does not convert, or any
// failure of the construction, ends it silently.
void TGraphik::Fangen(QObject* Sender, int X, int Y, const TModusEintrag& e)
{
    try {
        const char trenner = Dezimaltrenner();
        const auto x = ParseNumber(XText.toStdString(), trenner);
        if (!x)
            return;
        const double px = (*x / EinheitX - XMin) * BildBreite / (static_cast<double>(XMax) - XMin);
        const auto y = ParseNumber(YText.toStdString(), trenner);
        if (!y)
            return;
        const double py = (*y / EinheitY - YMax) * BildHoehe / (static_cast<double>(YMin) - YMax);
        BlitzStarten(RoundToInt32(px), RoundToInt32(py));
        if (e.Modus != ModusTangente || VorschauGueltig)
            (this->*e.Fang)(Sender, X, Y);
    } catch (...) {
    }
}

// Origin tool: the pointer's coordinates, and with the left button held the
// view follows in whole view units as the pointer crosses the rounding
// boundaries (the start is renewed on every move).
void TGraphik::UrsprungBewegung(Qt::MouseButtons Shift, int X, int Y)
{
    const char trenner = Dezimaltrenner();
    XText = QString::fromStdString(FormatFixed(PixelToWorldX(X) * EinheitX, 10, 2, trenner));
    YText = QString::fromStdString(FormatFixed(PixelToWorldY(Y) * EinheitY, 10, 2, trenner));
    KoordText = QStringLiteral("P(") + XText + QLatin1Char('|') + YText + QLatin1Char(')');
    StatusBar1->Panels[0].Text = KoordText;
    StatusBar1->Panels[0].Width = std::max(QFontMetrics(font()).horizontalAdvance(KoordText) + 9, 90);
    StatusBar1->update();

    if (!(Shift & Qt::LeftButton))
        return;
    // A view pushed beyond the integer range stays where it is.
    const std::int64_t dx = RoundToInt64(PixelToWorldX(X)) - RoundToInt64(PixelToWorldX(ZiehStartX));
    const std::int64_t xMin = static_cast<std::int64_t>(XMin) - dx;
    const std::int64_t xMax = xMin + (static_cast<std::int64_t>(XMax) - XMin);
    if (InInt32(xMin) && InInt32(xMax)) {
        XMin = static_cast<std::int32_t>(xMin);
        XMax = static_cast<std::int32_t>(xMax);
    }
    ZiehStartX = X;
    const std::int64_t dy = RoundToInt64(PixelToWorldY(Y)) - RoundToInt64(PixelToWorldY(ZiehStartY));
    const std::int64_t yMin = static_cast<std::int64_t>(YMin) - dy;
    const std::int64_t yMax = yMin + (static_cast<std::int64_t>(YMax) - YMin);
    if (InInt32(yMin) && InInt32(yMax)) {
        YMin = static_cast<std::int32_t>(yMin);
        YMax = static_cast<std::int32_t>(yMax);
    }
    ZiehStartY = Y;
    GraphikResize();
}

// ---------------------------------------------------------------------------
// Labels

namespace {
// The label field's top-left corner from the pointer.
constexpr QPoint BeschrEditAbstand(22, -20);
}  // namespace

// Label tool: the typing field rides beside the pointer in the label's size
// at the picture's zoom, and shows only where the label fits.
void TGraphik::BeschrEditFolgt(int X, int Y)
{
    if (!EffektLaeuft) {
        BeschrEdit->move(PaintBox1->pos() + QPoint(X, Y) + BeschrEditAbstand);
    } else {
        // Out of sight while the flash or typewriter plays.
        BeschrEdit->move(-1000, 1000);
    }
    const double cmProPixel = std::fabs(PixelToWorldX(1) - PixelToWorldX(2));
    const double groesse = std::fabs(Tag(BeschrEdit) * std::fabs(0.0264 / cmProPixel)) / Massstab;
    QFont f = BeschrEdit->font();
    f.setPointSize(std::clamp(RoundToInt32(groesse), 1, 1000));
    BeschrEdit->setFont(f);

    if (X < PaintBox1->width() - BeschrEdit->width() - 22 && 20 < Y &&
        Y < PaintBox1->height() - BeschrEdit->height() + 20) {
        BeschrEdit->show();
        BeschrEdit->raise();
        BeschrEdit->setFocus();
        BeschrEdit->end(false);
    } else {
        BeschrEdit->hide();
    }
    const QFontMetrics fm(BeschrEdit->font());
    BeschrEdit->resize(fm.horizontalAdvance(BeschrEdit->text()) + 5 + EditRandBreite, fm.height() + EditRandHoehe);
}

void TGraphik::BeschrEditChange()
{
    // A label being moved takes its text with it: the labels window shows
    // what is typed here in the row of the label that rides, if one does.
    emit Melder().ReiterGeaendert(BeschrEdit->text());
    const QFontMetrics fm(BeschrEdit->font());
    BeschrEdit->resize(fm.horizontalAdvance(BeschrEdit->text()) + 9 + EditRandBreite, BeschrEdit->height());
}

void TGraphik::BeschriftungAufnehmen(int k, QObject* Knopf)
{
    if (k < 1 || k > 9)
        return;
    // The switch to label mode empties the typing field; the label rides in
    // it afterwards.
    Modus = ModusBeschriftung;
    if (BeschriftButton)
        BeschriftButton->setChecked(true);
    TracebuttonClick(Knopf);
    BeschrEdit->setText(QString::fromStdString(Beschriftungen[k].Text));
    ReiterSchrift(k);
}

void TGraphik::ReiterText(const QString& Text)
{
    TextSetzen(BeschrEdit, Text);
}

void TGraphik::ReiterSchrift(int k)
{
    if (k < 1 || k > 9)
        return;
    const TSchrift& s = Beschriftungen[k].Font;
    SetzeSchriftfarbe(BeschrEdit, s.Color);
    SetTag(BeschrEdit, s.Size);
    SchriftZeigen(BeschrEdit, s);
}

// A left click in label mode puts the typed text down where the field is.
void TGraphik::BeschriftungPlatzieren(int X, int Y)
{
    if (BeschrEdit->text().isEmpty())
        return;
    // While an effect plays the field is parked out of sight; the label
    // then goes where the field would ride beside the pointer, not to the
    // parking place far outside the view.
    const QPoint feld =
        EffektLaeuft ? QPoint(X, Y) + BeschrEditAbstand : BeschrEdit->pos() - PaintBox1->pos();
    TyperStarten(X, Y);

    // The field's place in cm from the view's top-left corner.
    const double x = (static_cast<double>(XMax) - XMin) * feld.x() / PaintBox1->width();
    const double y = 0.01 + (static_cast<double>(YMax) - YMin) * feld.y() / PaintBox1->height();
    const std::string text = BeschrEdit->text().toStdString();

    if (VerschiebeNr >= 1 && VerschiebeNr <= 9) {
        // The label picked up in the labels window lands here.
        TBeschriftung& b = Beschriftungen[VerschiebeNr];
        b.Text = text;
        b.X = x;
        b.Y = y;
        VerschiebeNr = 0;
        // The labels window shows it in its place, its move button up.
        emit Melder().TabelleGeaendert(TObjekttabelle::Beschriftungen, this);
        BeschrEditZuruecksetzen();
        return;
    }
    // The first free label of 1..8, else label 9 is overwritten (and
    // stands only once at the end of the history).
    int k = 9;
    for (int i = 1; i <= 8; ++i) {
        if (Beschriftungen[i].Text.empty()) {
            k = i;
            break;
        }
    }
    const char ziffer = static_cast<char>('0' + k);
    if (k != 9 || BeschrHistorie.empty() || BeschrHistorie.back() != '9')
        BeschrHistorie += ziffer;
    TBeschriftung& b = Beschriftungen[k];
    b.Text = text;
    b.X = x;
    b.Y = y;
    BeschrEdit->clear();
    emit Melder().TabelleGeaendert(TObjekttabelle::Beschriftungen, this);
}

// A right click in label mode takes back the newest label placed by mouse.
void TGraphik::BeschriftungZuruecknehmen()
{
    if (BeschrHistorie.empty())
        return;
    Klang("weg");
    // The label back to its defaults, as its row's reset in the labels
    // window does; one that rides loses its text as well and rides on.
    const int k = BeschrHistorie.back() - '0';
    if (k >= 1 && k <= 9) {
        BeschriftungVorbelegen(k);
        if (VerschiebeNr == k)
            ReiterText(QString());
        emit Melder().TabelleGeaendert(TObjekttabelle::Beschriftungen, this);
    }
    BeschrHistorie.pop_back();
    GraphikResize();
}

// ---------------------------------------------------------------------------
// Keyboard pointer

void TGraphik::FormKeyDown(int Key)
{
    const QPoint p = ZeigerPosition();
    const QPoint lo = PaintBox1->mapToGlobal(QPoint(0, 0));
    const int L = lo.x();
    const int T = lo.y();
    const int R = L + PaintBox1->width();
    const int B = T + PaintBox1->height();
    if (!(L <= p.x() && p.x() < R && T <= p.y() && p.y() < B))
        return;

    // The focus target takes the next keys (the label keeps its text).
    auto fokus = [this] {
        if (Modus != ModusBeschriftung)
            CursorBar->setFocus();
    };
    const bool spur = TraceParam && TraceParam->isVisible();
    switch (Key) {
    case Qt::Key_Left:
        if (p.x() > L)
            ZeigerSetzen(QPoint(p.x() - 1, p.y()));
        fokus();
        break;
    case Qt::Key_Right:
        if (p.x() < R - 1)
            ZeigerSetzen(QPoint(p.x() + 1, p.y()));
        fokus();
        break;
    case Qt::Key_Up:
        if (spur)
            TraceParam->ParameterSchritt(1);
        else if (p.y() > T)
            ZeigerSetzen(QPoint(p.x(), p.y() - 1));
        fokus();
        break;
    case Qt::Key_Down:
        if (spur)
            TraceParam->ParameterSchritt(-1);
        else if (p.y() < B - 1)
            ZeigerSetzen(QPoint(p.x(), p.y() + 1));
        fokus();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Delete:
        // A click of the left (Enter) or right (Delete) button where the
        // pointer is; the origin tool has no click of its own.
        if (Modus != ModusUrsprung) {
            fokus();
            const QPoint q = p - lo;
            PaintBox1MouseDown(PaintBox1, Key == Qt::Key_Delete ? Qt::RightButton : Qt::LeftButton, q.x(), q.y());
            PaintBox1Paint();
            PaintBox1MouseMove(PaintBox1, Qt::NoButton, q.x(), q.y());
        }
        break;
    default:
        break;
    }
}

// Key preview: every key pressed in this window reaches FormKeyDown first,
// once (at its first receiver, the focused control), and then goes on to
// that control as usual.
bool TGraphik::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* w = qobject_cast<QWidget*>(watched);
        QWidget* fokus = focusWidget();
        if (w && w->window() == this && (w == fokus || (!fokus && w == this))) {
            const int taste = static_cast<QKeyEvent*>(event)->key();
            Sicher([&] { FormKeyDown(taste); });
        }
    }
    return QWidget::eventFilter(watched, event);
}
