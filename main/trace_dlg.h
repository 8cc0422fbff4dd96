#pragma once
// The trace parameter window (the family parameter t of the trace, tangent
// and normal tools) and the line and parabola assistant. Created at start;
// so far they carry what the graph window's tools need.

#include "main/einheit_dlg.h"

#include <QWidget>

class QLabel;
class QPushButton;

class TTraceParam : public TEinheitXDlg {
    Q_OBJECT
public:
    explicit TTraceParam(QWidget* parent = nullptr);

    // t plus or minus the main window's t step; the graph window's Up and
    // Down keys call them while the window is shown. A t or a step that is
    // not a number changes nothing.
    void SpinButton1UpClick();
    void SpinButton1DownClick();

    // t as the construction preview reads it: the number in Edit (either
    // separator). A text that is not a number counts as 0 and is replaced by
    // "0" (Ersetzt then true), except while the user is typing into the
    // field: it keeps its text and its focus.
    double VorschauParameter(bool& Ersetzt);

private:
    void Schritt(int richtung);
};

// Asks whether the graphs drawn so far are to be cleared before a line or a
// parabola is constructed.
class TAssistentFenster : public QWidget {
    Q_OBJECT
public:
    explicit TAssistentFenster(QWidget* parent = nullptr);

    QLabel* Feld1 = nullptr;  // title
    QLabel* Feld2 = nullptr;  // the question
    QPushButton* JaButton = nullptr;
    QPushButton* NeinButton = nullptr;

    void JaButtonClick();
    void NeinButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
};

extern TTraceParam* TraceParam;
extern TAssistentFenster* AssistentFenster;
