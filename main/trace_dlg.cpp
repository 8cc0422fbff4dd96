#include "main/trace_dlg.h"

#include "engine/tabellen.h"
#include "engine/zahlen.h"
#include "graph/graphik.h"
#include "main/form1.h"
#include "platform/farbe_qt.h"
#include "platform/fensterart.h"
#include "platform/fensterhilfen.h"
#include "platform/sprache.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

TTraceParam* TraceParam = nullptr;
TAssistentFenster* AssistentFenster = nullptr;

TTraceParam::TTraceParam(QWidget* parent) : TEinheitXDlg(parent, "TraceParam")
{
    setWindowTitle(QStringLiteral("Trace-Funktion"));
    Label1->setText(QStringLiteral("Scharparameter"));
    Edit->setText(QStringLiteral("1"));
}

void TTraceParam::SpinButton1UpClick()
{
    Schritt(1);
}

void TTraceParam::SpinButton1DownClick()
{
    Schritt(-1);
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

void TTraceParam::Schritt(int richtung)
{
    if (!Form1)
        return;
    const char trenner = Dezimaltrenner();
    const auto t = ParseNumber(Edit->text().toStdString(), trenner, true);
    const auto schritt = ParseNumber(Form1->Estept->text().toStdString(), trenner, true);
    if (!t || !schritt)
        return;
    Edit->setText(QString::fromStdString(FloatToStr(*t + richtung * *schritt, trenner)));
    // The preview is drawn anew for the new t where the pointer stands.
    if (Graphik) {
        Graphik->LetzteMausX = -3;
        Graphik->PaintBox1Paint();
    }
}

TAssistentFenster::TAssistentFenster(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AssistentFenster"));
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    resize(203, 89);
    setAutoFillBackground(true);
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
    Feld1->setFont(fett);
    Feld1->setGeometry(8, 6, 187, 15);
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
    if (Graphik) {
        Graphik->Klang("weg");
        Graphik->LetzteMausX = -3;
        Graphik->JaButtonClick(this);
    }
    hide();
}

void TAssistentFenster::NeinButtonClick()
{
    if (Graphik) {
        Graphik->LetzteMausX = -3;
        Graphik->NeinButtonClick(this);
        if (!Graphik->Animator->isActive())
            Graphik->Animator->start();
    }
    hide();
}
