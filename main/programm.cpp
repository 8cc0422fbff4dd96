#include "main/programm.h"

#include <QApplication>
#include <QMainWindow>

int ProgramMain(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaplun 8"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tessaplun 8"));
    window.resize(411, 546);
    window.show();
    return app.exec();
}
