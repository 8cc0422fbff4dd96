#pragma once
// A small pool of worker threads for work that splits into independent
// tasks, such as sampling the members of a family.
//
// The calling thread takes part: it runs tasks itself while it waits, and
// it hands each task's result on in the order of the tasks as soon as that
// task and all before it are done. It waits on the tasks' own flags, never
// in an event loop, so no timer or other handler of the calling thread runs
// meanwhile. Tasks share nothing through the pool but their index and the
// number of the thread that runs them (0 is the calling thread), which
// selects that thread's own scratch.
//
// Tasks are handed out by one atomic counter, and a finished task only sets
// its flag; the calling thread is woken only when it sleeps on that very
// task. A run is offered to as many workers as it has tasks for, each on a
// post of its own, and the offers a worker has not taken up by the end are
// withdrawn.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class TArbeiterPool {
public:
    // `threads` threads in all, the calling one included; 0 means one per
    // core this process may run on, and never more than that.
    explicit TArbeiterPool(unsigned threads = 0);
    ~TArbeiterPool();
    TArbeiterPool(const TArbeiterPool&) = delete;
    TArbeiterPool& operator=(const TArbeiterPool&) = delete;

    // The cores this process may run on, at least 1.
    static unsigned Kerne();
    // Threads in all, the calling one included.
    unsigned Anzahl() const { return static_cast<unsigned>(Arbeiter.size()) + 1; }

    using TAufgabe = std::function<void(std::size_t index, unsigned thread)>;
    using TFertig = std::function<void(std::size_t index)>;
    // Runs aufgabe(i, thread) for every i below n, and calls fertig(i) on
    // the calling thread for i = 0, 1, ... as soon as tasks 0..i are done.
    // Returns when all tasks have run and no worker touches them any more.
    // An exception of a task is thrown here once all tasks started have
    // ended, and no task is started after it; one of fertig ends the run at
    // once, after the workers have stopped. A run started from inside a run
    // of the same pool (from a task or from fertig) runs on its thread alone.
    //
    // `vorher`, when given, runs once on the calling thread before the
    // first fertig: once the workers have been offered the run, so that
    // they start on the tasks meanwhile (on a run of one thread, first).
    // It must share nothing with the tasks. An exception from it ends the
    // run as one from fertig does.
    void Ausfuehren(std::size_t n, const TAufgabe& aufgabe, const TFertig& fertig,
                    const std::function<void()>& vorher = {});
    // The offers made to workers so far, one per worker a run needs: none
    // for a run of one task, or one that runs on its thread alone.
    std::size_t Angebote() const { return FAngebote; }

private:
    struct TAuftrag;
    struct TPosten;
    void Arbeiten(unsigned nummer);
    void Allein(std::size_t n, const TAufgabe& aufgabe, const TFertig& fertig, unsigned thread);
    static void Abarbeiten(TAuftrag& a, unsigned thread);

    std::vector<std::unique_ptr<TPosten>> Posten;  // one per worker
    std::vector<std::thread> Arbeiter;
    std::mutex Lauf;  // one run at a time
    std::size_t FAngebote = 0;  // written under Lauf
    // Workers that have left the current run, and whether its caller waits
    // for them.
    std::atomic<std::uint32_t> Verlassen{0};
    std::atomic<std::uint32_t> AbschiedErwartet{0};
};
