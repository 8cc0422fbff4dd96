#pragma once
// A small pool of worker threads for work that splits into independent
// tasks, such as sampling the members of a family.
//
// The calling thread takes part: it runs tasks itself while it waits, and
// it hands each task's result on in the order of the tasks as soon as that
// task and all before it are done. It waits on a condition variable, never
// in an event loop, so no timer or other handler of the calling thread runs
// meanwhile. Tasks share nothing through the pool but their index and the
// number of the thread that runs them (0 is the calling thread), which
// selects that thread's own scratch.

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class TArbeiterPool {
public:
    // `threads` threads in all, the calling one included; 0 means one per
    // core present.
    explicit TArbeiterPool(unsigned threads = 0);
    ~TArbeiterPool();
    TArbeiterPool(const TArbeiterPool&) = delete;
    TArbeiterPool& operator=(const TArbeiterPool&) = delete;

    // The cores present, at least 1.
    static unsigned Kerne();
    // Threads in all, the calling one included.
    unsigned Anzahl() const { return static_cast<unsigned>(Arbeiter.size()) + 1; }

    using TAufgabe = std::function<void(std::size_t index, unsigned thread)>;
    using TFertig = std::function<void(std::size_t index)>;
    // Runs aufgabe(i, thread) for every i below n, and calls fertig(i) on
    // the calling thread for i = 0, 1, ... as soon as tasks 0..i are done.
    // Returns when all tasks have run and no worker touches them any more.
    // An exception of a task is thrown here once all tasks have ended; one
    // of fertig ends the run at once, after the workers have stopped.
    void Ausfuehren(std::size_t n, const TAufgabe& aufgabe, const TFertig& fertig);

private:
    struct TAuftrag;
    void Arbeiten(unsigned nummer);
    static void Abarbeiten(TAuftrag& a, unsigned thread);

    std::vector<std::thread> Arbeiter;
    std::mutex Sperre;
    std::condition_variable Neu;    // a new run, or the end
    std::condition_variable Erledigt;  // a task or a worker's part of a run ended
    TAuftrag* Aktuell = nullptr;
    std::size_t Runde = 0;
    bool Ende = false;
};
