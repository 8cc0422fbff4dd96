#pragma once
// The trace parameter window (the family parameter t of the trace, tangent
// and normal tools) and the line and parabola assistant. Created at start;
// their commands come with the tools that use them.

#include "main/einheit_dlg.h"

#include <QWidget>

class TTraceParam : public TEinheitXDlg {
    Q_OBJECT
public:
    explicit TTraceParam(QWidget* parent = nullptr);
};

class TAssistentFenster : public QWidget {
    Q_OBJECT
public:
    explicit TAssistentFenster(QWidget* parent = nullptr);
};

extern TTraceParam* TraceParam;
extern TAssistentFenster* AssistentFenster;
