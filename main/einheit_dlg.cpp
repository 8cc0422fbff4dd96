#include "main/einheit_dlg.h"

#include "engine/einheiten.h"
#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "main/wertetabelle_fenster.h"
#include "platform/felder.h"
#include "platform/fensterart.h"
#include "platform/fensterhilfen.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

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
    f.Label1->setMouseTracking(true);
    f.Edit->setMouseTracking(true);
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
    Label1->installEventFilter(this);
    Edit->installEventFilter(this);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(Edit, &QLineEdit::textChanged, this, [this] { EditChange(); });
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
    if (Graphik)
        Graphik->Statusanzeige();
}

void TEinheitDlg::EinheitZeigen(const QString& text)
{
    {
        const QSignalBlocker still(Edit);
        Edit->setText(text);
    }
    SetzeFeldfarbe(Edit, clWhite);
}

bool TEinheitDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && (watched == Label1 || watched == Edit))
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
    if (Aktiv && Graphik) {
        if (const auto e = EinheitXAusText(Edit->text().toStdString(), Dezimaltrenner())) {
            Graphik->EinheitX = e->Einheit;
            // The bar shows the step; its handler must not put the step's
            // unit in place of the typed one.
            Graphik->TrackBar2Aktiv = false;
            if (Form2 && Form2->TrackBar2)
                Form2->TrackBar2->setValue(e->Position);
            if (Graphik->TrackBar2)
                Graphik->TrackBar2->setValue(e->Position);
            Graphik->TrackBar2Aktiv = true;
        } else {
            SetzeFeldfarbe(Edit, FarbeUngueltig);
        }
    }
    if (Graphik)
        Graphik->GraphikResize();
    if (Form2)
        Form2->FillValueTable();
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
    if (Aktiv && Graphik) {
        if (const auto e = EinheitYAusText(Edit->text().toStdString(), Dezimaltrenner())) {
            Graphik->EinheitY = e->Einheit;
            Graphik->TrackBar1Aktiv = false;
            if (Graphik->TrackBar1)
                Graphik->TrackBar1->setValue(e->Position);
            Graphik->TrackBar1Aktiv = true;
        } else {
            SetzeFeldfarbe(Edit, FarbeUngueltig);
        }
    }
    // The value table's x values do not depend on the y unit.
    if (Graphik)
        Graphik->GraphikResize();
}
