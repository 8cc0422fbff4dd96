#pragma once
// The splash window: shown first, fades out on its own timer once the event
// loop runs, and destroys itself.

#include <QWidget>

class QLabel;
class QTimer;

class Tsplashscreen : public QWidget {
    Q_OBJECT
public:
    explicit Tsplashscreen(QWidget* parent = nullptr);
    ~Tsplashscreen() override;

    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;  // at Image2's place, shown for a moment
    QTimer* Timer1 = nullptr;  // 15 ms
    int Zaehler = 0;           // ticks so far

    void Timer1Timer();
    // The opacity of a tick after the first.
    static int Deckkraft(int zaehler) { return (253 - 2 * zaehler) % 256; }

private:
    void FormCreate();
};

extern Tsplashscreen* splashscreen;
