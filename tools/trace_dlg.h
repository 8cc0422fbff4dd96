#pragma once
// Two small windows over the graph window during mouse constructions: the
// trace parameter window, which holds the family parameter t that the
// trace, tangent and normal tools use for a family and steps it with a spin
// button, and the line and parabola assistant, which asks whether the
// graphs drawn so far are to be cleared first.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// Two arrows one above the other that step a value up or down.
class TSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit TSpinButton(QWidget* parent = nullptr);
    QToolButton* Hoch = nullptr;
    QToolButton* Runter = nullptr;
};

class TTraceParam : public QWidget {
    Q_OBJECT
public:
    explicit TTraceParam(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;      // "Scharparameter"
    QLineEdit* Edit = nullptr;     // t, "1" at start
    QPushButton* OKBtn = nullptr;  // "Schließen"
    TSpinButton* SpinButton1 = nullptr;

    void FormCreate();
    // t whitened, the graph redrawn and the value table refilled.
    void EditChange();
    void OKBtnClick();
    // The pointer over the window clears the graph window's preview.
    void FormMouseMove();

    // t plus or minus the editor's t step, and the preview drawn anew for
    // the new t where the pointer stands; the graph window's Up and Down
    // keys step the same way while the window is shown. A t or a step that
    // is not a number changes nothing.
    void SpinButton1UpClick();
    void SpinButton1DownClick();

    // t as typed; set from outside (the graph window starts it at the
    // family's t from), the field's handler runs.
    QString ParameterText() const;
    void ParameterSetzen(const QString& text);
    // One step of the spin button: t plus or minus the editor's t step.
    void ParameterSchritt(int richtung);

    // t as the construction preview reads it: the number in Edit (either
    // separator). A text that is not a number counts as 0 and is replaced by
    // "0" (Ersetzt then true), except while the user is typing into the
    // field: it keeps its text and its focus.
    double VorschauParameter(bool& Ersetzt);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
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

    void FormCreate();
    // The graph window takes the answer (Yes: functions 1..9 cleared, and
    // with them what the line, parabola, tangent and normal tools could take
    // back; No: the graphs kept; both go on to the tool's first step); then
    // the window closes.
    void JaButtonClick();
    void NeinButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
};

extern TTraceParam* TraceParam;
extern TAssistentFenster* AssistentFenster;
