#include "engine/arbeiterpool.h"

#include <algorithm>
#include <exception>

#if defined(__linux__)
#include <sched.h>
#endif

namespace {

// The pool whose run the current thread is inside, and its number there.
thread_local const TArbeiterPool* tLaufendIn = nullptr;
thread_local unsigned tNummer = 0;

constexpr std::size_t kNiemand = ~std::size_t{0};

}  // namespace

struct TArbeiterPool::TAuftrag {
    std::size_t N = 0;
    const TAufgabe* Aufgabe = nullptr;
    std::atomic<std::size_t> Naechste{0};  // the next task not yet taken
    std::unique_ptr<std::atomic<std::uint32_t>[]> Fertig;
    std::atomic<std::size_t> Wartet{kNiemand};  // the task the caller sleeps on
    std::atomic<bool> HatFehler{false};
    std::mutex FehlerSperre;  // only for a task that throws
    std::exception_ptr Fehler;
};

// A worker's post: free, a run offered to it, or taken by it. The caller
// offers a run to as many workers as it has tasks for and withdraws the
// offers not yet taken when the run ends, so that it never waits for a
// worker that has not woken up yet.
struct alignas(64) TArbeiterPool::TPosten {
    static constexpr std::uint32_t kFrei = 0, kAngeboten = 1, kGenommen = 2, kEnde = 3;
    std::atomic<std::uint32_t> Zustand{kFrei};
    TAuftrag* Auftrag = nullptr;  // written before the offer
};

unsigned TArbeiterPool::Kerne()
{
#if defined(__linux__)
    cpu_set_t erlaubt;
    if (sched_getaffinity(0, sizeof erlaubt, &erlaubt) == 0) {
        const int n = CPU_COUNT(&erlaubt);
        if (n > 0)
            return std::min(static_cast<unsigned>(n), std::max(1u, std::thread::hardware_concurrency()));
    }
#endif
    return std::max(1u, std::thread::hardware_concurrency());
}

TArbeiterPool::TArbeiterPool(unsigned threads)
{
    const unsigned n = threads == 0 ? Kerne() : std::min(threads, Kerne());
    for (unsigned i = 1; i < n; ++i)
        Posten.push_back(std::make_unique<TPosten>());
    for (unsigned i = 1; i < n; ++i)
        Arbeiter.emplace_back([this, i] { Arbeiten(i); });
}

TArbeiterPool::~TArbeiterPool()
{
    for (const auto& p : Posten) {
        p->Zustand.store(TPosten::kEnde, std::memory_order_release);
        p->Zustand.notify_one();
    }
    for (std::thread& t : Arbeiter)
        t.join();
}

// Takes tasks until none is left and marks each done; wakes the caller
// only when it sleeps on that task.
void TArbeiterPool::Abarbeiten(TAuftrag& a, unsigned thread)
{
    for (;;) {
        const std::size_t i = a.Naechste.fetch_add(1, std::memory_order_relaxed);
        if (i >= a.N)
            return;
        try {
            (*a.Aufgabe)(i, thread);
        } catch (...) {
            std::lock_guard<std::mutex> l(a.FehlerSperre);
            if (!a.Fehler)
                a.Fehler = std::current_exception();
            a.HatFehler.store(true, std::memory_order_release);
            a.Naechste.store(a.N, std::memory_order_relaxed);  // none started after it
        }
        // Sequentially consistent with the caller's "I sleep on i" and its
        // look at the flag: one of the two sees the other.
        a.Fertig[i].store(1, std::memory_order_seq_cst);
        if (a.Wartet.load(std::memory_order_seq_cst) == i)
            a.Fertig[i].notify_one();
    }
}

void TArbeiterPool::Arbeiten(unsigned nummer)
{
    TPosten& p = *Posten[nummer - 1];
    tLaufendIn = this;
    tNummer = nummer;
    for (;;) {
        std::uint32_t z = p.Zustand.load(std::memory_order_acquire);
        while (z == TPosten::kFrei) {
            p.Zustand.wait(TPosten::kFrei, std::memory_order_acquire);
            z = p.Zustand.load(std::memory_order_acquire);
        }
        if (z == TPosten::kEnde)
            return;
        if (!p.Zustand.compare_exchange_strong(z, TPosten::kGenommen, std::memory_order_acq_rel))
            continue;  // withdrawn meanwhile
        Abarbeiten(*p.Auftrag, nummer);
        p.Zustand.store(TPosten::kFrei, std::memory_order_relaxed);
        // The last touch of the run: the caller may end it from here on.
        Verlassen.fetch_add(1, std::memory_order_seq_cst);
        if (AbschiedErwartet.load(std::memory_order_seq_cst))
            Verlassen.notify_one();
    }
}

// A run on one thread: the same order, results and exceptions.
void TArbeiterPool::Allein(std::size_t n, const TAufgabe& aufgabe, const TFertig& fertig, unsigned thread)
{
    for (std::size_t i = 0; i < n; ++i) {
        aufgabe(i, thread);
        fertig(i);
    }
}

void TArbeiterPool::Ausfuehren(std::size_t n, const TAufgabe& aufgabe, const TFertig& fertig,
                               const std::function<void()>& vorher)
{
    if (n == 0) {
        if (vorher)
            vorher();
        return;
    }
    if (tLaufendIn == this) {  // a run inside a run
        if (vorher)
            vorher();
        Allein(n, aufgabe, fertig, tNummer);
        return;
    }
    const unsigned helfer = static_cast<unsigned>(std::min<std::size_t>(n - 1, Arbeiter.size()));
    if (helfer == 0) {
        tLaufendIn = this;
        try {
            if (vorher)
                vorher();
            Allein(n, aufgabe, fertig, 0);
        } catch (...) {
            tLaufendIn = nullptr;
            throw;
        }
        tLaufendIn = nullptr;
        return;
    }

    std::lock_guard<std::mutex> lauf(Lauf);
    TAuftrag a;
    a.N = n;
    a.Aufgabe = &aufgabe;
    a.Fertig.reset(new std::atomic<std::uint32_t>[n]);
    for (std::size_t i = 0; i < n; ++i)
        a.Fertig[i].store(0, std::memory_order_relaxed);
    Verlassen.store(0, std::memory_order_relaxed);
    AbschiedErwartet.store(0, std::memory_order_relaxed);
    FAngebote += helfer;
    for (unsigned j = 0; j < helfer; ++j) {
        Posten[j]->Auftrag = &a;
        Posten[j]->Zustand.store(TPosten::kAngeboten, std::memory_order_release);
        Posten[j]->Zustand.notify_one();
    }
    tLaufendIn = this;
    tNummer = 0;

    // Ends the run: no task is started any more, the offers not taken are
    // withdrawn, and no worker is left inside it when this returns.
    auto schliessen = [&] {
        a.Naechste.store(n, std::memory_order_relaxed);
        std::uint32_t genommen = 0;
        for (unsigned j = 0; j < helfer; ++j) {
            std::uint32_t z = TPosten::kAngeboten;
            if (!Posten[j]->Zustand.compare_exchange_strong(z, TPosten::kFrei, std::memory_order_acq_rel))
                ++genommen;
        }
        AbschiedErwartet.store(1, std::memory_order_seq_cst);
        for (;;) {
            const std::uint32_t v = Verlassen.load(std::memory_order_seq_cst);
            if (v == genommen)
                break;
            Verlassen.wait(v, std::memory_order_seq_cst);
        }
        tLaufendIn = nullptr;
    };
    try {
        if (vorher)
            vorher();
        for (std::size_t i = 0; i < n; ++i) {
            while (!a.Fertig[i].load(std::memory_order_acquire)) {
                // Help while the task needed next is still running elsewhere.
                const std::size_t k = a.Naechste.fetch_add(1, std::memory_order_relaxed);
                if (k < n) {
                    try {
                        aufgabe(k, 0);
                    } catch (...) {
                        std::lock_guard<std::mutex> l(a.FehlerSperre);
                        if (!a.Fehler)
                            a.Fehler = std::current_exception();
                        a.HatFehler.store(true, std::memory_order_release);
                        a.Naechste.store(n, std::memory_order_relaxed);
                    }
                    a.Fertig[k].store(1, std::memory_order_release);
                    continue;
                }
                a.Wartet.store(i, std::memory_order_seq_cst);
                if (!a.Fertig[i].load(std::memory_order_seq_cst))
                    a.Fertig[i].wait(0, std::memory_order_acquire);
                a.Wartet.store(kNiemand, std::memory_order_relaxed);
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
