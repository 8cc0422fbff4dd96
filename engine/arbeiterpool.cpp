#include "engine/arbeiterpool.h"

#include <algorithm>

struct TArbeiterPool::TAuftrag {
    std::size_t N = 0;
    const TAufgabe* Aufgabe = nullptr;
    std::atomic<std::size_t> Naechste{0};  // the next task not yet taken
    std::unique_ptr<std::atomic<bool>[]> Fertig;
    std::atomic<bool> HatFehler{false};
    // Guarded by the pool's lock:
    unsigned Beteiligt = 0;  // workers inside this run
    std::exception_ptr Fehler;
    std::mutex* Sperre = nullptr;
    std::condition_variable* Erledigt = nullptr;
};

unsigned TArbeiterPool::Kerne()
{
    return std::max(1u, std::thread::hardware_concurrency());
}

TArbeiterPool::TArbeiterPool(unsigned threads)
{
    const unsigned n = threads == 0 ? Kerne() : threads;
    Arbeiter.reserve(n - 1);
    for (unsigned i = 1; i < n; ++i)
        Arbeiter.emplace_back([this, i] { Arbeiten(i); });
}

TArbeiterPool::~TArbeiterPool()
{
    {
        std::lock_guard<std::mutex> l(Sperre);
        Ende = true;
    }
    Neu.notify_all();
    for (std::thread& t : Arbeiter)
        t.join();
}

// Takes tasks until none is left; marks each done and wakes the caller.
void TArbeiterPool::Abarbeiten(TAuftrag& a, unsigned thread)
{
    for (;;) {
        const std::size_t i = a.Naechste.fetch_add(1, std::memory_order_relaxed);
        if (i >= a.N)
            return;
        try {
            (*a.Aufgabe)(i, thread);
        } catch (...) {
            std::lock_guard<std::mutex> l(*a.Sperre);
            if (!a.Fehler)
                a.Fehler = std::current_exception();
            a.HatFehler.store(true, std::memory_order_release);
        }
        a.Fertig[i].store(true, std::memory_order_release);
        // Under the lock, so the caller cannot miss the wake-up between its
        // test and its wait.
        { std::lock_guard<std::mutex> l(*a.Sperre); }
        a.Erledigt->notify_all();
    }
}

void TArbeiterPool::Arbeiten(unsigned nummer)
{
    std::size_t gesehen = 0;
    std::unique_lock<std::mutex> l(Sperre);
    for (;;) {
        Neu.wait(l, [&] { return Ende || (Aktuell && Runde != gesehen); });
        if (Ende)
            return;
        gesehen = Runde;
        TAuftrag& a = *Aktuell;
        ++a.Beteiligt;
        l.unlock();
        Abarbeiten(a, nummer);
        l.lock();
        --a.Beteiligt;
        Erledigt.notify_all();
    }
}

void TArbeiterPool::Ausfuehren(std::size_t n, const TAufgabe& aufgabe, const TFertig& fertig)
{
    if (n == 0)
        return;
    TAuftrag a;
    a.N = n;
    a.Aufgabe = &aufgabe;
    a.Fertig.reset(new std::atomic<bool>[n]);
    for (std::size_t i = 0; i < n; ++i)
        a.Fertig[i].store(false, std::memory_order_relaxed);
    a.Sperre = &Sperre;
    a.Erledigt = &Erledigt;
    if (!Arbeiter.empty() && n > 1) {
        {
            std::lock_guard<std::mutex> l(Sperre);
            Aktuell = &a;
            ++Runde;
        }
        Neu.notify_all();
    }

    // Ends the run: no task is started any more, and no worker is left
    // inside it when this returns.
    auto schliessen = [&] {
        a.Naechste.store(n, std::memory_order_relaxed);
        std::unique_lock<std::mutex> l(Sperre);
        Aktuell = nullptr;
        Erledigt.wait(l, [&] { return a.Beteiligt == 0; });
    };
    try {
        for (std::size_t i = 0; i < n; ++i) {
            while (!a.Fertig[i].load(std::memory_order_acquire)) {
                // Help while the task needed next is still running elsewhere.
                const std::size_t k = a.Naechste.fetch_add(1, std::memory_order_relaxed);
                if (k < n) {
                    try {
                        aufgabe(k, 0);
                    } catch (...) {
                        std::lock_guard<std::mutex> l(Sperre);
                        if (!a.Fehler)
                            a.Fehler = std::current_exception();
                        a.HatFehler.store(true, std::memory_order_release);
                    }
                    a.Fertig[k].store(true, std::memory_order_release);
                    continue;
                }
                std::unique_lock<std::mutex> l(Sperre);
                Erledigt.wait(l, [&] { return a.Fertig[i].load(std::memory_order_acquire); });
            }
            if (a.HatFehler.load(std::memory_order_acquire))
                break;
            fertig(i);
        }
    } catch (...) {
        schliessen();
        throw;
    }
    schliessen();
    if (a.Fehler)
        std::rethrow_exception(a.Fehler);
}
