#include "main/trace_dlg.h"

#include "platform/fensterart.h"

#include <QLabel>
#include <QLineEdit>

TTraceParam* TraceParam = nullptr;
TAssistentFenster* AssistentFenster = nullptr;

TTraceParam::TTraceParam(QWidget* parent) : TEinheitXDlg(parent, "TraceParam")
{
    setWindowTitle(QStringLiteral("Trace-Funktion"));
    Label1->setText(QStringLiteral("Scharparameter"));
    Edit->setText(QStringLiteral("1"));
}

TAssistentFenster::TAssistentFenster(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AssistentFenster"));
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    resize(203, 89);
}
