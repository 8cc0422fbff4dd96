#include "tools/trace_dlg.h"

#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "engine/zustand.h"
#include "platform/farbe_qt.h"
#include "platform/felder.h"
#include "platform/fensterart.h"
#include "platform/fensterhilfen.h"
#include "platform/melder.h"
#include "platform/sprache.h"
#include "tools/einheit_dlg.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

TTraceParam* TraceParam = nullptr;
TAssistentFenster* AssistentFenster = nullptr;

// ---------------------------------------------------------------------------
// The spin button

TSpinButton::TSpinButton(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    auto pfeil = [this, spalte](const char* name, Qt::ArrowType richtung) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setArrowType(richtung);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        spalte->addWidget(b);
        return b;
    };
    Hoch = pfeil("Hoch", Qt::UpArrow);
    Runter = pfeil("Runter", Qt::DownArrow);
}

// ---------------------------------------------------------------------------
// The trace parameter window

TTraceParam::TTraceParam(QWidget* parent) : QWidget(parent)
{
    AlsWerkzeugfenster(this, "TraceParam", QStringLiteral("Trace-Funktion"));
    setFixedSize(250, 58);
    const TKleineFelder f = KleineFelderAnlegen(this, QStringLiteral("Scharparameter"), 136, 172);
    Label1 = f.Label1;
    Edit = f.Edit;
    OKBtn = f.OKBtn;
    Edit->setText(QStringLiteral("1"));
    Edit->setToolTip(QStringLiteral("Scharparameter der Kurvenschar für die Trace-Funktion"));
    // No tab stop: the keyboard stays with the graph window's pointer.
    Edit->setFocusPolicy(Qt::ClickFocus);
    SpinButton1 = new TSpinButton(this);
    SpinButton1->setObjectName(QStringLiteral("SpinButton1"));
    SpinButton1->setGeometry(148, 25, 17, 25);
    Edit->installEventFilter(this);

    connect(Edit, &QLineEdit::textChanged, this, [this] { EditChange(); });
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(SpinButton1->Hoch, &QToolButton::clicked, this, [this] { SpinButton1UpClick(); });
    connect(SpinButton1->Runter, &QToolButton::clicked, this, [this] { SpinButton1DownClick(); });
    connect(&Melder(), &TMelder::TransparenzVerlangt, this, [this](int alpha) { SetWindowAlpha(this, alpha); });
    FormCreate();
}

void TTraceParam::FormCreate()
{
    SetWindowAlpha(this, 230);
}

void TTraceParam::EditChange()
{
    // (Nothing colours the field: it stays white.)
    emit Melder().ScharparameterGeaendert();
}

void TTraceParam::OKBtnClick()
{
    close();
}

void TTraceParam::FormMouseMove()
{
    emit Melder().StatusanzeigeVerlangt();
}

bool TTraceParam::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && watched == Edit)
        FormMouseMove();
    return QWidget::eventFilter(watched, event);
}

void TTraceParam::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    FormMouseMove();
}

void TTraceParam::SpinButton1UpClick()
{
    ParameterSchritt(1);
}

void TTraceParam::SpinButton1DownClick()
{
    ParameterSchritt(-1);
}

QString TTraceParam::ParameterText() const
{
    return Edit->text();
}

void TTraceParam::ParameterSetzen(const QString& text)
{
    Edit->setText(text);
}

double TTraceParam::VorschauParameter(bool& Ersetzt)
{
    Ersetzt = false;
    if (const auto t = ParseNumber(Edit->text().toStdString(), Dezimaltrenner(), true))
        return *t;
    // Half a number ("-", "0,") is what typing passes through.
    if (!Edit->hasFocus()) {
        Edit->setText(QStringLiteral("0"));
        Ersetzt = true;
    }
    return 0.0;
}

void TTraceParam::ParameterSchritt(int richtung)
{
    const char trenner = Dezimaltrenner();
    const auto t = ParseNumber(Edit->text().toStdString(), trenner, true);
    // The step as the editor shows it.
    const auto schritt = ParseNumber(Zustand.Editor[TEditorFeld::TSchritt].Text, trenner, true);
    if (!t || !schritt)
        return;
    const double neu = *t + richtung * *schritt;
    if (!std::isfinite(neu))
        return;
    // The field's change handler redraws the graph and refills the table.
    Edit->setText(QString::fromStdString(FloatToStr(neu, trenner)));
    // The preview anew for the new t where the pointer stands (also after a
    // step of 0).
    emit Melder().VorschauErneuernVerlangt();
    SpinButton1->setFocus();
}

// ---------------------------------------------------------------------------
// The assistant

TAssistentFenster::TAssistentFenster(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AssistentFenster"));
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(203, 89);
    // The shape that fills the window: dark red under white text (a window
    // paints its background itself).
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(RGB(175, 16, 16)));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);

    QFont schrift(QStringLiteral("Tahoma"));
    schrift.setPointSize(8);
    setFont(schrift);
    Feld1 = new QLabel(this);
    Feld1->setObjectName(QStringLiteral("Feld1"));
    QFont fett = schrift;
    fett.setBold(true);
    fett.setPixelSize(13);
    Feld1->setFont(fett);
    Feld1->setGeometry(8, 6, 187, 16);
    Feld2 = new QLabel(this);
    Feld2->setObjectName(QStringLiteral("Feld2"));
    Feld2->setWordWrap(true);
    Feld2->setGeometry(8, 22, 187, 32);
    JaButton = new QPushButton(this);
    JaButton->setObjectName(QStringLiteral("JaButton"));
    JaButton->setGeometry(30, 60, 60, 22);
    NeinButton = new QPushButton(this);
    NeinButton->setObjectName(QStringLiteral("NeinButton"));
    NeinButton->setGeometry(112, 60, 60, 22);
    connect(JaButton, &QPushButton::clicked, this, [this] { JaButtonClick(); });
    connect(NeinButton, &QPushButton::clicked, this, [this] { NeinButtonClick(); });
    FormCreate();
}

void TAssistentFenster::FormCreate()
{
    SetWindowAlpha(this, 170);
}

void TAssistentFenster::showEvent(QShowEvent* event)
{
    // The texts of the language in force.
    Feld1->setText(Txt(547));
    Feld2->setText(Txt(540));
    JaButton->setText(Txt(334));
    NeinButton->setText(Txt(335));
    QWidget::showEvent(event);
}

void TAssistentFenster::JaButtonClick()
{
    emit Melder().AssistentAntwortVerlangt(true, this);
    hide();
}

void TAssistentFenster::NeinButtonClick()
{
    emit Melder().AssistentAntwortVerlangt(false, this);
    hide();
}
