#include "platform/startzeit.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <dlfcn.h>
#include <thread>
#include <cstdio>
#include <ctime>
#include <utility>

namespace {

class TErstesBild : public QObject {
public:
    explicit TErstesBild(std::function<bool(QObject*)> flaeche) : QObject(qApp), FFlaeche(std::move(flaeche)) {}

    bool eventFilter(QObject* ziel, QEvent* ereignis) override
    {
        if (ereignis->type() != QEvent::Paint || !FFlaeche(ziel))
            return false;
        // The paint and the copy to the window happen after this filter; a
        // zero timer runs once both are done.
        QPointer<QWidget> w = qobject_cast<QWidget*>(ziel);
        QTimer::singleShot(0, qApp, [w] {
            if (!w)
                return;
            const auto ns =
                std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
                    .count();
            timespec cpu{};
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
            std::printf("erstes-bild %lld %d %d %lld\n", static_cast<long long>(ns), w->window()->width(),
                        w->window()->height(), static_cast<long long>(cpu.tv_sec) * 1000000000LL + cpu.tv_nsec);
            std::fflush(stdout);
        });
        qApp->removeEventFilter(this);
        deleteLater();
        return false;
    }

private:
    std::function<bool(QObject*)> FFlaeche;
};

}  // namespace

void ErstesBildMelden(std::function<bool(QObject*)> flaeche)
{
    qApp->installEventFilter(new TErstesBild(std::move(flaeche)));
}

namespace {

std::thread GSchriftVorlauf;

}  // namespace

void SchriftVorlaufStarten()
{
    if (GSchriftVorlauf.joinable())
        return;
    // Qt's font database loaded it with the program; nothing is loaded here.
    void* fontconfig = dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (!fontconfig)
        return;
    // A second FcInit, Qt's, finds the configuration made here.
    const auto fcInit = reinterpret_cast<int (*)()>(dlsym(fontconfig, "FcInit"));
    if (fcInit)
        GSchriftVorlauf = std::thread(fcInit);
}

void SchriftVorlaufAbwarten()
{
    if (GSchriftVorlauf.joinable())
        GSchriftVorlauf.join();
}
