#include "tools/einheit_dlg.h"

#include "engine/einheiten.h"
#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "engine/zustand.h"
#include "platform/felder.h"
#include "platform/fensterart.h"
#include "platform/fensterhilfen.h"
#include "platform/melder.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>

TEinheitXDlg* EinheitXDlg = nullptr;
TEinheitYDlg* EinheitYDlg = nullptr;

namespace {

constexpr int Breite = 250;
constexpr int Hoehe = 58;

}  // namespace

TKleineFelder KleineFelderAnlegen(QWidget* fenster, const QString& label, int editBreite, int okLinks)
{
    TKleineFelder f;
    f.Label1 = new QLabel(label, fenster);
    f.Label1->setObjectName(QStringLiteral("Label1"));
    f.Label1->setGeometry(8, 6, Breite - 16, 16);
    f.Edit = new QLineEdit(fenster);
    f.Edit->setObjectName(QStringLiteral("Edit"));
    f.Edit->setMaxLength(255);
    f.Edit->setGeometry(8, 26, editBreite, 23);
    f.OKBtn = new QPushButton(QStringLiteral("Schließen"), fenster);
    f.OKBtn->setObjectName(QStringLiteral("OKBtn"));
    f.OKBtn->setGeometry(okLinks, 25, 70, 25);
    // Moves over the window's own surface and its caption and field reach
    // the window, which clears the graph window's preview.
    fenster->setMouseTracking(true);
    f.Label1->setMouseTracking(true);  // (a line edit tracks the pointer anyway)
    return f;
}

TEinheitDlg::TEinheitDlg(const char* name, const QString& titel, const QString& label, const QString& hinweis,
                         QWidget* parent)
    : QWidget(parent)
{
    AlsWerkzeugfenster(this, name, titel);
    setFixedSize(Breite, Hoehe);
    const TKleineFelder f = KleineFelderAnlegen(this, label, 156, 172);
    Label1 = f.Label1;
    Edit = f.Edit;
    OKBtn = f.OKBtn;
    Edit->setToolTip(hinweis);
    Edit->installEventFilter(this);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(Edit, &QLineEdit::textChanged, this, [this] { EditChange(); });
    connect(&Melder(), &TMelder::TransparenzVerlangt, this, [this](int alpha) { SetWindowAlpha(this, alpha); });
    // A unit that another window set shows here; what is typed here stays
    // as typed.
    connect(&Melder(), &TMelder::AnsichtGeaendert, this, [this](QObject* absender) {
        if (absender != this)
            EinheitAnzeigen();
    });
}

void TEinheitDlg::FormCreate()
{
    Aktiv = true;
    SetWindowAlpha(this, 230);
}

void TEinheitDlg::OKBtnClick()
{
    close();
}

void TEinheitDlg::FormMouseMove()
{
    emit Melder().StatusanzeigeVerlangt();
}

void TEinheitDlg::EinheitZeigen(const QString& text)
{
    {
        const QSignalBlocker still(Edit);
        Edit->setText(text);
    }
    SetzeFeldfarbe(Edit, clWhite);
}

void TEinheitDlg::EinheitAnzeigen()
{
    const std::pair<double, int> inKraft = Einheit();
    if (inKraft == FGezeigt)
        return;
    FGezeigt = inKraft;
    EinheitZeigen(EinheitText());
}

void TEinheitDlg::ZeigenBei(const QPoint& ort)
{
    move(ort);
    // Only shown here: what the field's handler does with a typed unit
    // must not move the track bar.
    FGezeigt = Einheit();
    EinheitZeigen(EinheitText());
    show();
}

bool TEinheitDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && watched == Edit)
        FormMouseMove();
    return QWidget::eventFilter(watched, event);
}

void TEinheitDlg::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    FormMouseMove();
}

// ---------------------------------------------------------------------------
// x

TEinheitXDlg::TEinheitXDlg(QWidget* parent)
    : TEinheitDlg("EinheitXDlg", QStringLiteral("Einheit der x-Achse"), QStringLiteral("Einheit der x-Achse je 1 cm"),
                  QStringLiteral("positive und negative Werte, Pi, Pi/2, Pi/3"), parent)
{
    FormCreate();
}

void TEinheitXDlg::EditChange()
{
    SetzeFeldfarbe(Edit, clWhite);
    if (Aktiv) {
        if (const auto e = EinheitXAusText(Edit->text().toStdString(), Dezimaltrenner())) {
            // The track bars show the step; the unit stays as typed.
            Zustand.Ansicht.EinheitX = e->Einheit;
            Zustand.Ansicht.PositionX = e->Position;
            FGezeigt = Einheit();
        } else {
            SetzeFeldfarbe(Edit, FarbeUngueltig);
        }
    }
    // The graph window redraws and the value table refills, also when
    // nothing changed.
    emit Melder().AnsichtGeaendert(this);
}

std::pair<double, int> TEinheitXDlg::Einheit() const
{
    return {Zustand.Ansicht.EinheitX, Zustand.Ansicht.PositionX};
}

QString TEinheitXDlg::EinheitText() const
{
    return QString::fromStdString(EinheitXText(Zustand.Ansicht.PositionX, Zustand.Ansicht.EinheitX, Dezimaltrenner()));
}

// ---------------------------------------------------------------------------
// y

TEinheitYDlg::TEinheitYDlg(QWidget* parent)
    : TEinheitDlg("EinheitYDlg", QStringLiteral("Einheit der y-Achse"), QStringLiteral("Einheit der y-Achse je 1 cm"),
                  QStringLiteral("positive und negative Werte"), parent)
{
    FormCreate();
}

void TEinheitYDlg::EditChange()
{
    SetzeFeldfarbe(Edit, clWhite);
    if (Aktiv) {
        if (const auto e = EinheitYAusText(Edit->text().toStdString(), Dezimaltrenner())) {
            Zustand.Ansicht.EinheitY = e->Einheit;
            Zustand.Ansicht.PositionY = e->Position;
            FGezeigt = Einheit();
        } else {
            SetzeFeldfarbe(Edit, FarbeUngueltig);
        }
    }
    emit Melder().AnsichtGeaendert(this);
}

std::pair<double, int> TEinheitYDlg::Einheit() const
{
    return {Zustand.Ansicht.EinheitY, Zustand.Ansicht.PositionY};
}

QString TEinheitYDlg::EinheitText() const
{
    return QString::fromStdString(FloatToStr(Zustand.Ansicht.EinheitY, Dezimaltrenner()));
}
