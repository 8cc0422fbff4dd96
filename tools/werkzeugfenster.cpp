#include "tools/werkzeugfenster.h"

#include "engine/kurztext.h"
#include "engine/tabellen.h"
#include "platform/canvas.h"
#include "platform/dialoge.h"
#include "platform/fensterart.h"
#include "platform/fensterhilfen.h"
#include "platform/melder.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSlider>
#include <QToolButton>

#include <utility>

namespace {

// Name positions as the buttons show them, left to right; the stored value
// is the column + 1.
constexpr std::array PositionsHinweise = {"links", "hoch", "tief", "rechts"};
constexpr std::array PositionsPfeile = {"\u2190", "\u2191", "\u2193", "\u2192"};

}  // namespace

TWerkzeugfenster::TWerkzeugfenster(const char* name, const QString& titel, int breite, int hoehe, QWidget* parent)
    : QWidget(parent)
{
    AlsWerkzeugfenster(this, name, titel);
    QFont schrift(QStringLiteral("Tahoma"));
    schrift.setPointSize(8);
    setFont(schrift);
    setFixedSize(breite, hoehe);
    // Pointer movement over the bare surface (not over the controls, which
    // do not track the pointer) reaches mouseMoveEvent.
    setMouseTracking(true);

    // Centred on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect r = screen->availableGeometry();
        move(r.x() + (r.width() - breite) / 2, r.y() + (r.height() - hoehe) / 2);
    }

    // The common controls along the bottom edge, right-aligned.
    const int y = hoehe - 33;
    OKBtn = new QPushButton(QStringLiteral("Schließen"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(breite - 92, y, 84, 25);
    OKBtn->setDefault(true);
    TrackBar2 = new QSlider(Qt::Horizontal, this);
    TrackBar2->setObjectName(QStringLiteral("TrackBar2"));
    TrackBar2->setRange(120, 255);
    TrackBar2->setValue(255);
    TrackBar2->setGeometry(breite - 92 - 8 - 130, y + 2, 130, 22);
    Label55 = NeuesLabel(this, QStringLiteral("Label55"), QStringLiteral("Transparenz"), TrackBar2->x() - 80, y + 6);
    {
        QPalette pal = Label55->palette();
        pal.setColor(QPalette::WindowText, Qt::gray);
        Label55->setPalette(pal);
    }

    connect(TrackBar2, &QSlider::valueChanged, this, [this] { TrackBar2Change(); });
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    // A drawing replaced as a whole: every tool window shows it, so that a
    // mouse tool never overwrites an object its window does not show.
    connect(&Melder(), &TMelder::DokumentErneuert, this, [this] {
        FAuffrischenOffen = false;
        AuffrischenGemeldet();
    });
    // What a whole-document change held back.
    connect(&Melder(), &TMelder::NachholenVerlangt, this, [this](TNachholen was) {
        if (was == TNachholen::Werkzeugfenster && std::exchange(FAuffrischenOffen, false))
            AuffrischenGemeldet();
    });
    // The main window's translucency switch.
    connect(&Melder(), &TMelder::TransparenzVerlangt, this, [this](int alpha) {
        SetWindowAlpha(this, alpha);
        TrackBar2->setValue(alpha);
    });
}

TWerkzeugfenster::~TWerkzeugfenster() = default;

void TWerkzeugfenster::Umschalten()
{
    if (isVisible()) {
        close();
        return;
    }
    show();  // refreshes it (FormShow)
    raise();
    activateWindow();
}

void TWerkzeugfenster::TrackBar2Change()
{
    SetWindowAlpha(this, TrackBar2->value());
}

void TWerkzeugfenster::OKBtnClick()
{
    close();
}

void TWerkzeugfenster::FormMouseMove()
{
    emit Melder().StatusanzeigeVerlangt();
}

void TWerkzeugfenster::FormShow()
{
    Auffrischen();
}

void TWerkzeugfenster::AuffrischenGemeldet()
{
    ++FAuffrischungen;
    Auffrischen();
}

void TWerkzeugfenster::TabelleBearbeiten(TObjekttabelle tabelle)
{
    FTabelle = tabelle;
    connect(&Melder(), &TMelder::TabelleGeaendert, this, [this](TObjekttabelle t, QObject* absender) {
        if (t != FTabelle || absender == this)
            return;
        // Inside a whole-document change the window shows its table once,
        // at the end.
        if (Melder().Zurueckhalten(TNachholen::Werkzeugfenster))
            FAuffrischenOffen = true;
        else
            AuffrischenGemeldet();
    });
}

void TWerkzeugfenster::Neuzeichnen()
{
    if (!FTabelle)
        return;
    ++FNeuzeichnungen;
    emit Melder().TabelleGeaendert(*FTabelle, this);
}

void TWerkzeugfenster::TextSpeichern(std::string& feld, const QLineEdit* e)
{
    feld = AufKapazitaet(e->text().toStdString());
    Neuzeichnen();
}

void TWerkzeugfenster::FarbeWaehlen(TColor& farbe)
{
    if (const auto gewaehlt = WaehleFarbe(farbe))
        farbe = *gewaehlt;
    Auffrischen();
    Neuzeichnen();
}

QLineEdit* TWerkzeugfenster::NeuesFeld(QWidget* parent, const QString& name, int x, int y, int breite, int hoehe)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(x, y, breite, hoehe);
    e->setMaxLength(255);  // what a record holds
    return e;
}

QLabel* TWerkzeugfenster::NeuesLabel(QWidget* parent, const QString& name, const QString& text, int x, int y)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QToolButton* TWerkzeugfenster::NeuerKnopf(QWidget* parent, const QString& name, const QString& text, int x, int y,
                                         int breite, int hoehe, bool umschaltbar)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setGeometry(x, y, breite, hoehe);
    b->setFocusPolicy(Qt::NoFocus);
    b->setCheckable(umschaltbar);
    b->setAutoRaise(umschaltbar);
    return b;
}

void TWerkzeugfenster::MarkerKnoepfeAnlegen(QWidget* parent, std::span<const char* const> namen, int x, int y,
                                            std::span<QToolButton*> knoepfe)
{
    for (std::size_t i = 0; i < knoepfe.size(); ++i) {
        QToolButton* b = NeuerKnopf(parent, QString::fromLatin1(namen[i]), QString(), x + 23 * static_cast<int>(i), y,
                                    23, 21, true);
        b->setIcon(MarkerGlyphe(static_cast<int>(i) + 1));
        knoepfe[i] = b;
    }
}

void TWerkzeugfenster::NamePositionsKnoepfe(QWidget* parent, std::span<const char* const, 4> namen, int x, int y,
                                           std::span<QToolButton*, 4> knoepfe)
{
    for (std::size_t i = 0; i < 4; ++i) {
        knoepfe[i] = NeuerKnopf(parent, QString::fromLatin1(namen[i]), QString::fromUtf8(PositionsPfeile[i]),
                                x + 18 * static_cast<int>(i), y, 18, 22, true);
        knoepfe[i]->setToolTip(QString::fromLatin1(PositionsHinweise[i]));
    }
}

void TWerkzeugfenster::EnterSchliesst(bool an)
{
    FEnterSchliesst = an;
    OKBtn->setDefault(an);
}

void TWerkzeugfenster::showEvent(QShowEvent* event)
{
    // A window the system merely shows again (after the desktop was
    // switched, say) was not opened by anyone.
    if (!event->spontaneous())
        FormShow();
}

void TWerkzeugfenster::keyPressEvent(QKeyEvent* event)
{
    // An edit leaves Enter to its window: the default button closes it.
    if (FEnterSchliesst && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        OKBtn->isEnabled()) {
        OKBtn->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TWerkzeugfenster::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    FormMouseMove();
}

void ExklusivDruecken(std::span<QToolButton* const> knoepfe, int index)
{
    if (index < 0 || index >= static_cast<int>(knoepfe.size()))
        return;
    for (std::size_t i = 0; i < knoepfe.size(); ++i)
        knoepfe[i]->setChecked(static_cast<int>(i) == index);
}

void ByteSetzen(std::uint8_t& feld, bool wahr)
{
    if ((feld != 0) != wahr)
        feld = wahr ? 1 : 0;
}

void SchriftZeigen(QWidget* w, const TSchrift& schrift)
{
    QFont f = w->font();
    f.setFamily(QString::fromStdString(schrift.Name));
    f.setBold((schrift.Style & fsBold) != 0);
    f.setItalic((schrift.Style & fsItalic) != 0);
    f.setUnderline((schrift.Style & fsUnderline) != 0);
    f.setStrikeOut((schrift.Style & fsStrikeOut) != 0);
    w->setFont(f);
}

TFont SchriftLesen(const TSchrift& schrift)
{
    TFont f;
    f.Name = QString::fromStdString(schrift.Name);
    f.Size = schrift.Size;
    f.Color = schrift.Color;
    f.Style = schrift.Style;
    return f;
}

void SchriftSpeichern(TSchrift& schrift, const TFont& font)
{
    schrift.Color = font.Color;
    schrift.Size = font.Size;
    schrift.Name = AufKapazitaet(font.Name.toStdString());
    schrift.Style = font.Style;
}

QIcon MarkerGlyphe(int stil)
{
    QPixmap bild(15, 15);
    bild.fill(Qt::transparent);
    {
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(Qt::black, 1.6));
        switch (stil) {
        case 1:
            p.drawLine(QPointF(3.5, 3.5), QPointF(11.5, 11.5));
            p.drawLine(QPointF(3.5, 11.5), QPointF(11.5, 3.5));
            break;
        case 2:
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(7.5, 7.5), 4.5, 4.5);
            break;
        case 3:
            p.setBrush(Qt::black);
            p.drawEllipse(QPointF(7.5, 7.5), 4.5, 4.5);
            break;
        default:
            p.setBrush(Qt::black);
            p.drawRect(QRectF(4.0, 4.0, 7.0, 7.0));
            break;
        }
    }
    return QIcon(bild);
}
