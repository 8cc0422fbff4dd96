#include "main/splash.h"

#include "engine/tabellen.h"
#include "graph/graphik.h"
#include "main/form1.h"
#include "platform/fensterhilfen.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>

Tsplashscreen* splashscreen = nullptr;

Tsplashscreen::Tsplashscreen(QWidget* parent) : QWidget(parent)
{
    splashscreen = this;
    setObjectName(QStringLiteral("splashscreen"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(348, 170);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, QColor(40, 40, 40));
    setPalette(pal);
    setAutoFillBackground(true);

    auto* titel = new QLabel(QStringLiteral("Tessaplun 8"), this);
    titel->setObjectName(QStringLiteral("Label1"));
    QFont gross(QStringLiteral("Tahoma"));
    gross.setPointSize(22);
    gross.setBold(true);
    titel->setFont(gross);
    titel->setGeometry(130, 30, 210, 44);
    auto* untertitel = new QLabel(QStringLiteral("Funktionen zeichnen"), this);
    untertitel->setObjectName(QStringLiteral("Label2"));
    untertitel->setGeometry(132, 78, 210, 20);
    auto* build = new QLabel(QStringLiteral("Version 8.0"), this);
    build->setObjectName(QStringLiteral("Label3"));
    QFont klein(QStringLiteral("Tahoma"));
    klein.setPointSize(8);
    build->setFont(klein);
    build->setGeometry(132, 140, 200, 16);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(14, 20, 105, 131);
    Image2->setPixmap(QPixmap(QStringLiteral(":/pictures/splash1.png")));
    Image3 = new QLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(14, 20, 105, 131);
    Image3->hide();  // its picture is decoded when it first shows

    Timer1 = new QTimer(this);
    Timer1->setInterval(15);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    FormCreate();
}

Tsplashscreen::~Tsplashscreen()
{
    if (splashscreen == this)
        splashscreen = nullptr;
}

void Tsplashscreen::FormCreate()
{
    Einstellungen.MitWertetabelle = 0;
    SetWindowAlpha(this, 250);
    Zaehler = 0;
    Timer1->start();
}

void Tsplashscreen::Timer1Timer()
{
    ++Zaehler;
    if (Zaehler == 1) {
        if (Graphik && Form1)
            Graphik->resize(Graphik->StartBreite, Form1->height() + FensterVersatz[5]);
    } else {
        SetWindowAlpha(this, Deckkraft(Zaehler));
        // The new opacity reaches the window system with the next paint;
        // a window that nothing repaints would stay at its last one.
        update();
    }
    if (Zaehler == 10) {
        if (Image3->pixmap().isNull())
            Image3->setPixmap(QPixmap(QStringLiteral(":/pictures/splash2.png")));
        Image3->show();
    }
    if (Zaehler == 20)
        Image3->hide();
    if (Zaehler > 120) {
        Timer1->stop();
        close();  // deletes the window
    }
}
