// The worker pool and the sampling of members on it. These tests run once
// more under ThreadSanitizer in CI (an engine-only build).
#include "engine/arbeiterpool.h"
#include "engine/funktion.h"
#include "engine/proben.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

// The bound of the store: an entry that does not fit pushes out those not
// drawn in the same picture, and one larger than the bound is not kept.
TEST(ProbenSpeicher, KeepsWithinItsBound)
{
    const auto eintrag = [](const char* term, std::size_t befehle) {
        TProbenEintrag e;
        e.Term = term;
        e.Schluessel = {1, 2};
        e.Mitglieder.resize(1);
        e.Mitglieder[0].resize(befehle);
        return e;
    };
    const std::size_t einer = eintrag("a", 1000).Bytes();
    TProbenSpeicher s(3 * einer);
    std::array<bool, 10> gezeichnet{};
    gezeichnet[1] = gezeichnet[2] = true;
    s.Ablegen(1, eintrag("a", 1000), gezeichnet);
    s.Ablegen(2, eintrag("b", 1000), gezeichnet);
    s.Ablegen(3, eintrag("c", 1000), {});
    EXPECT_EQ(s.Bytes(), 3 * einer);
    s.Ablegen(4, eintrag("d", 1000), gezeichnet);  // pushes out 3, not 1 or 2
    EXPECT_NE(s.Finden(1, "a", {1, 2}), nullptr);
    EXPECT_NE(s.Finden(2, "b", {1, 2}), nullptr);
    EXPECT_EQ(s.Finden(3, "c", {1, 2}), nullptr);
    EXPECT_NE(s.Finden(4, "d", {1, 2}), nullptr);
    EXPECT_EQ(s.Finden(4, "d", {1, 3}), nullptr);
    EXPECT_EQ(s.Finden(4, "e", {1, 2}), nullptr);
    s.Ablegen(5, eintrag("e", 4000), {});  // larger than the bound
    EXPECT_EQ(s.Finden(5, "e", {1, 2}), nullptr);
    EXPECT_LE(s.Bytes(), s.MaxBytes);
    // Beside the two drawn ones an entry of twice the size finds no room
    // even with every other one pushed out: it is not kept, they stay.
    s.Ablegen(4, eintrag("d", 1000), gezeichnet);
    s.Ablegen(6, eintrag("f", 2000), gezeichnet);
    EXPECT_EQ(s.Finden(6, "f", {1, 2}), nullptr);
    EXPECT_EQ(s.Finden(4, "d", {1, 2}), nullptr);
    EXPECT_NE(s.Finden(1, "a", {1, 2}), nullptr);
    EXPECT_NE(s.Finden(2, "b", {1, 2}), nullptr);
}

// Entries by slot: an entry exactly at the bound is kept, one past the
// last slot is not; removing takes one slot's entry, emptying all.
TEST(ProbenSpeicher, SlotsAreRemovedOneByOneOrAllTogether)
{
    const auto eintrag = [](const char* term) {
        TProbenEintrag e;
        e.Term = term;
        e.Schluessel = {7};
        e.Mitglieder.resize(1);
        e.Mitglieder[0].resize(10);
        return e;
    };
    const std::size_t einer = eintrag("a").Bytes();
    TProbenSpeicher s(einer);
    const std::array<bool, 10> keiner{};
    s.Ablegen(0, eintrag("a"), keiner);
    EXPECT_NE(s.Finden(0, "a", {7}), nullptr);
    EXPECT_EQ(s.Bytes(), einer);

    TProbenSpeicher gross(100 * einer);
    for (std::size_t slot : {0u, 3u, 9u})
        gross.Ablegen(slot, eintrag("b"), keiner);
    gross.Ablegen(10, eintrag("b"), keiner);
    EXPECT_EQ(gross.Bytes(), 3 * einer);
    EXPECT_EQ(gross.Finden(10, "b", {7}), nullptr);
    gross.Entfernen(3);
    gross.Entfernen(10);
    EXPECT_EQ(std::tuple(gross.Finden(0, "b", {7}) != nullptr, gross.Finden(3, "b", {7}) != nullptr,
                         gross.Finden(9, "b", {7}) != nullptr),
              std::tuple(true, false, true));
    gross.Leeren();
    EXPECT_EQ(gross.Bytes(), 0u);
    EXPECT_EQ(gross.Finden(9, "b", {7}), nullptr);
}

// The pool: every task runs once, results come in order on the calling
// thread, and an exception of a task arrives there after all have ended.
TEST(ArbeiterPool, EveryTaskOnceInOrderAndExceptionsAtTheCaller)
{
    for (const unsigned wunsch : {1u, 2u, 5u}) {
        TArbeiterPool pool(wunsch);
        const unsigned threads = std::min(wunsch, TArbeiterPool::Kerne());  // never more than the cores
        EXPECT_EQ(pool.Anzahl(), threads);
        for (int runde = 0; runde < 3; ++runde) {
            std::vector<int> ergebnis(200, -1);
            std::vector<std::atomic<int>> laeufe(200);
            std::vector<std::size_t> folge;
            pool.Ausfuehren(
                200,
                [&](std::size_t i, unsigned thread) {
                    EXPECT_LT(thread, threads);
                    ++laeufe[i];
                    ergebnis[i] = static_cast<int>(i * i);
                },
                [&](std::size_t i) {
                    EXPECT_EQ(ergebnis[i], static_cast<int>(i * i));
                    folge.push_back(i);
                });
            ASSERT_EQ(folge.size(), 200u);
            for (std::size_t i = 0; i < 200; ++i) {
                EXPECT_EQ(folge[i], i);
                EXPECT_EQ(laeufe[i].load(), 1);
            }
        }
        // A throwing task: the results before it are handed on, none after
        // it, and every task started has ended when the exception arrives.
        // The other tasks take a while, so that one still running would be
        // seen.
        std::atomic<int> laufend{0};
        std::vector<std::size_t> folge;
        EXPECT_THROW(pool.Ausfuehren(
                         50,
                         [&](std::size_t i, unsigned) {
                             ++laufend;
                             if (i == 7) {
                                 --laufend;
                                 throw std::runtime_error("task");
                             }
                             volatile unsigned arbeit = 0;
                             for (int k = 0; k < 20000; ++k)
                                 arbeit = arbeit + static_cast<unsigned>(k);
                             --laufend;
                         },
                         [&](std::size_t i) { folge.push_back(i); }),
                     std::runtime_error);
        EXPECT_EQ(laufend.load(), 0);
        EXPECT_LE(folge.size(), 7u);
        for (std::size_t i = 0; i < folge.size(); ++i)
            EXPECT_EQ(folge[i], i);
        EXPECT_THROW(pool.Ausfuehren(
                         50, [](std::size_t, unsigned) {},
                         [](std::size_t i) {
                             if (i == 3)
                                 throw std::runtime_error("drawing");
                         }),
                     std::runtime_error);
        pool.Ausfuehren(3, [](std::size_t, unsigned) {}, [](std::size_t) {});  // still usable
    }
}

// A run takes no more threads than it has tasks (the caller is one of
// them), and a run started inside a run of the same pool (from a task or
// from the results) runs on the thread that starts it, with that thread's
// number, offering nothing to the workers.
TEST(ArbeiterPool, ThreadsForTheTasksAndRunsInsideRuns)
{
    TArbeiterPool pool(4);
    ASSERT_EQ(pool.Anzahl(), std::min(4u, TArbeiterPool::Kerne()));
    const std::size_t helfer = pool.Anzahl() - 1;
    for (const std::size_t n : {1u, 2u, 3u, 9u}) {
        const std::size_t vorher = pool.Angebote();
        std::atomic<unsigned> hoechste{0};
        pool.Ausfuehren(
            n,
            [&](std::size_t, unsigned thread) {
                unsigned h = hoechste.load();
                while (thread > h && !hoechste.compare_exchange_weak(h, thread)) {
                }
            },
            [](std::size_t) {});
        EXPECT_LT(hoechste.load(), n);
        EXPECT_EQ(pool.Angebote() - vorher, std::min(n - 1, helfer)) << n;
    }
    const std::size_t vorher = pool.Angebote();
    std::atomic<int> innen{0};
    pool.Ausfuehren(
        20,
        [&](std::size_t, unsigned thread) {
            pool.Ausfuehren(
                3,
                [&](std::size_t, unsigned innerer) {
                    EXPECT_EQ(innerer, thread);
                    ++innen;
                },
                [](std::size_t) {});
        },
        [&](std::size_t) {
            pool.Ausfuehren(
                2,
                [&](std::size_t, unsigned innerer) {
                    EXPECT_EQ(innerer, 0u);
                    ++innen;
                },
                [](std::size_t) {});
        });
    EXPECT_EQ(innen.load(), 20 * 3 + 20 * 2);
    EXPECT_EQ(pool.Angebote() - vorher, helfer);
}

// What the caller does before the results runs once, before the first of
// them, while the workers already take tasks: it waits (bounded, to fail
// rather than hang) until a worker has finished one. On one thread, inside
// a run and with no tasks it runs first; an exception from it ends the run
// at the caller, and the pool runs on.
TEST(ArbeiterPool, TheCallersOwnWorkRunsWhileTheWorkersTakeTasks)
{
    TArbeiterPool pool(4);
    ASSERT_GE(pool.Anzahl(), 2u);
    for (int runde = 0; runde < 10; ++runde) {
        std::atomic<int> vonHelfern{0};
        int vorher = 0, ergebnisse = 0;
        bool rechtzeitig = true;
        pool.Ausfuehren(
            8,
            [&](std::size_t, unsigned thread) {
                if (thread != 0)
                    ++vonHelfern;
            },
            [&](std::size_t) {
                EXPECT_EQ(vorher, 1);
                ++ergebnisse;
            },
            [&] {
                EXPECT_EQ(ergebnisse, 0);
                ++vorher;
                const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(20);
                while (vonHelfern.load() == 0 && rechtzeitig) {
                    rechtzeitig = std::chrono::steady_clock::now() < ende;
                    std::this_thread::yield();
                }
            });
        ASSERT_TRUE(rechtzeitig) << "round " << runde;
        EXPECT_EQ(vorher, 1);
        EXPECT_EQ(ergebnisse, 8);
    }
    TArbeiterPool allein(1);
    for (TArbeiterPool* p : {&allein, &pool}) {
        for (const std::size_t n : {0u, 1u, 3u}) {
            std::vector<int> folge;
            p->Ausfuehren(
                n, [&](std::size_t, unsigned) {}, [&](std::size_t i) { folge.push_back(static_cast<int>(i)); },
                [&] {
                    EXPECT_TRUE(folge.empty());
                    folge.push_back(-1);
                });
            ASSERT_EQ(folge.size(), n + 1) << n;
            EXPECT_EQ(folge.front(), -1);
        }
    }
    int innen = 0;
    pool.Ausfuehren(
        2,
        [&](std::size_t, unsigned) {},
        [&](std::size_t) {
            const int vor = innen;
            pool.Ausfuehren(
                2, [&](std::size_t, unsigned) { EXPECT_EQ(innen, vor + 1); }, [](std::size_t) {}, [&] { ++innen; });
        });
    EXPECT_EQ(innen, 2);
    std::atomic<int> gelaufen{0};
    EXPECT_THROW(pool.Ausfuehren(
                     6, [&](std::size_t, unsigned) { ++gelaufen; }, [](std::size_t) { ADD_FAILURE() << "no result after it"; },
                     [] { throw std::runtime_error("before"); }),
                 std::runtime_error);
    EXPECT_LE(gelaufen.load(), 6);
    int danach = 0;
    pool.Ausfuehren(
        5, [](std::size_t, unsigned) {}, [&](std::size_t) { ++danach; });
    EXPECT_EQ(danach, 5);
}

// A run with a task for every thread wakes every worker, and a run of two
// tasks one of them: each task waits until all have arrived. A worker left
// asleep would leave its task to the caller, which is busy waiting in its
// own, so the poll (bounded, to fail rather than hang) would run out.
TEST(ArbeiterPool, EveryWorkerTakesPart)
{
    TArbeiterPool pool(4);
    for (int runde = 0; runde < 20; ++runde) {
        const unsigned threads = runde % 2 ? pool.Anzahl() : 2;  // also a run with a single helper
        std::atomic<unsigned> angekommen{0};
        std::atomic<bool> alle{true};
        pool.Ausfuehren(
            threads,
            [&](std::size_t, unsigned) {
                ++angekommen;
                const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(20);
                while (angekommen.load() < threads) {
                    if (std::chrono::steady_clock::now() > ende) {
                        alle = false;
                        return;
                    }
                    std::this_thread::yield();
                }
            },
            [](std::size_t) {});
        ASSERT_TRUE(alle.load()) << "round " << runde;
    }
}

// Members of several functions, sampled on the pool at once (the same
// function on several threads), give the lists of sampling them one after
// the other on the calling thread.
TEST(Proben, OnThePoolAsOneAfterTheOther)
{
    const char* const terme[] = {"f(x,t) = t*x^2 - 3*x + 1", "f(x,t) = sign(x-t) + 1/(x-t)", "f(x,t) = sqrt(t - x^2)",
                                 "f(x,t) = floor(x*t)", "f(x,t) = t*sin(x)"};
    std::vector<TFunktion> funktionen(std::size(terme));
    std::vector<TProbenAuftrag> auftraege;
    for (std::size_t k = 0; k < funktionen.size(); ++k) {
        funktionen[k].SetTerm(terme[k]);
        ASSERT_TRUE(funktionen[k].GetCompiled());
        TProbenAuftrag a;
        a.Funktion = &funktionen[k];
        a.Abbildung = TPlotAbbildung{-5, 8, 30, 30, 0, 0};
        a.EinheitY = k == 2 ? 0.5 : 1.0;
        a.XStart = -5;
        a.XEnde = 6;
        a.Dx = 1.0 / 30;
        a.SprungGrenze = 300;
        a.NonSmooth = k == 3;
        a.Scheiben = k == 1;
        a.Stil = 10;
        a.Von = -5;
        a.Bis = 6;
        auftraege.push_back(a);
    }
    const std::size_t mitglieder = 40;
    const auto t = [](std::size_t m) { return -2 + 0.1 * static_cast<double>(m); };
    std::vector<TMitgliedBefehle> einzeln(auftraege.size() * mitglieder);
    ProbenPoolGroesse(1);
    for (std::size_t i = 0; i < einzeln.size(); ++i)
        MitgliedAbtasten(auftraege[i % auftraege.size()], t(i / auftraege.size()), 0, einzeln[i]);
    for (const unsigned threads : {2u, 4u, 8u}) {
        ProbenPoolGroesse(threads);
        std::vector<TMitgliedBefehle> parallel(einzeln.size());
        std::size_t gezeichnet = 0;
        ProbenPool().Ausfuehren(
            parallel.size(),
            [&](std::size_t i, unsigned thread) {
                MitgliedAbtasten(auftraege[i % auftraege.size()], t(i / auftraege.size()), thread, parallel[i]);
            },
            [&](std::size_t i) {
                EXPECT_TRUE(parallel[i] == einzeln[i]) << i << " on " << threads << " threads";
                ++gezeichnet;
            });
        EXPECT_EQ(gezeichnet, parallel.size());
    }
    ProbenPoolGroesse(0);
    EXPECT_FALSE(einzeln[0].empty());
}

// A function with its own evaluation, as tests and previews make them: it
// is asked one x at a time, and its calls are recorded.
struct Aufgezeichnet : TFunktion {
    std::vector<long double> Xe;
    void Evaluate(const long double p[6]) override
    {
        Xe.push_back(p[0]);
        TFunktion::Evaluate(p);
    }
};

// A member's line: the pen is placed at the first two samples (the second
// has no two before it to judge a jump by), then one line per sample of the
// walk up to and including the end; where the function is undefined the
// pen lifts and is placed again.
TEST(Proben, TheLineOfAMemberFollowsTheWalk)
{
    TFunktion f;
    f.SetTerm("f(x,t) = x + t");
    TProbenAuftrag a;
    a.Funktion = &f;
    a.Abbildung = TPlotAbbildung{0, 10, 10, 10, 0, 0};  // device = 10 view units, y down from 10
    std::tie(a.XStart, a.XEnde, a.Dx, a.SprungGrenze) = std::tuple(0.0, 2.0, 0.5, 300.0);
    using B = TGraphBefehl;
    const TMitgliedBefehle linie = {{B::MoveTo, 0, 90}, {B::MoveTo, 5, 85}, {B::LineTo, 10, 80}, {B::LineTo, 15, 75}, {B::LineTo, 20, 70}};
    TMitgliedBefehle befehle;
    MitgliedAbtasten(a, 1.0, 0, befehle);
    EXPECT_EQ(befehle, linie);
    // The same walk one x at a time.
    Aufgezeichnet g;
    g.SetTerm("f(x,t) = x + t");
    a.Funktion = &g;
    MitgliedAbtasten(a, 1.0, 0, befehle);
    EXPECT_EQ(befehle, linie);
    EXPECT_EQ(g.Xe, (std::vector<long double>{0, 0.5, 1, 1.5, 2}));

    // Undefined at 1: no line into it or out of it.
    TFunktion h;
    h.SetTerm("f(x) = x + 0/(x-1)");
    a.Funktion = &h;
    a.XEnde = 2.5;
    MitgliedAbtasten(a, 0.0, 0, befehle);
    EXPECT_EQ(befehle, (TMitgliedBefehle{{B::MoveTo, 0, 100}, {B::MoveTo, 5, 95}, {B::MoveTo, 15, 85}, {B::LineTo, 20, 80}, {B::LineTo, 25, 75}}));

    // A step of the view's height (the jump bound) is a jump, a step just
    // below it a line, as long as the curve before it was steep enough.
    TFunktion k;
    k.SetTerm("f(x) = 10*x + 12.5*sign(x - 1.2) + 12.5");
    a.Funktion = &k;
    std::tie(a.XStart, a.XEnde, a.Dx, a.SprungGrenze) = std::tuple(0.0, 2.0, 0.5, 300.0);
    MitgliedAbtasten(a, 0.0, 0, befehle);
    EXPECT_EQ(befehle, (TMitgliedBefehle{{B::MoveTo, 0, 100}, {B::MoveTo, 5, 50}, {B::LineTo, 10, 0}, {B::MoveTo, 15, -300}, {B::LineTo, 20, -350}}));
    a.SprungGrenze = 300.5;
    MitgliedAbtasten(a, 0.0, 0, befehle);
    EXPECT_EQ(befehle, (TMitgliedBefehle{{B::MoveTo, 0, 100}, {B::MoveTo, 5, 50}, {B::LineTo, 10, 0}, {B::LineTo, 15, -300}, {B::LineTo, 20, -350}}));
}

// Discs at the whole x values from Von to Bis, each with its black ring;
// joined discs start in the member's colour and draw the line to the next
// value, the last one none.
TEST(Proben, DiscsAtTheWholeValuesJoinedToTheNext)
{
    TFunktion f;
    f.SetTerm("f(x) = 2*x");
    TProbenAuftrag a;
    a.Funktion = &f;
    a.Scheiben = true;
    a.Abbildung = TPlotAbbildung{-2, 10, 100, 100, 0, 0};
    std::tie(a.Von, a.Bis, a.Schritt, a.Stil) = std::tuple(-1, 1, 1, 9);
    using B = TGraphBefehl;
    // Radius 0.08 units: 8 device units.
    const auto scheibe = [](int x, int y) { return B{B::Ellipse, x + 8, y + 8, x - 8, y - 8}; };
    TMitgliedBefehle befehle;
    MitgliedAbtasten(a, 0.0, 0, befehle);
    EXPECT_EQ(befehle, (TMitgliedBefehle{{B::Schwarz}, scheibe(100, 1200), {B::Schwarz}, scheibe(200, 1000), {B::Schwarz}, scheibe(300, 800)}));

    a.Stil = 10;
    const TMitgliedBefehle verbunden = {{B::TinteMoveTo, 100, 1200}, {B::LineTo, 200, 1000}, {B::Schwarz}, scheibe(100, 1200),
                                        {B::TinteMoveTo, 200, 1000}, {B::LineTo, 300, 800},  {B::Schwarz}, scheibe(200, 1000),
                                        {B::TinteMoveTo, 300, 800},  {B::Schwarz},           scheibe(300, 800)};
    MitgliedAbtasten(a, 0.0, 0, befehle);
    EXPECT_EQ(befehle, verbunden);
    // One x at a time: each value, then its neighbour.
    Aufgezeichnet g;
    g.SetTerm("f(x) = 2*x");
    a.Funktion = &g;
    MitgliedAbtasten(a, 0.0, 0, befehle);
    EXPECT_EQ(befehle, verbunden);
    EXPECT_EQ(g.Xe, (std::vector<long double>{-1, 0, 0, 1, 1, 2}));
    // Every second whole value; one x at a time still each value, then its
    // neighbour.
    a.Schritt = 2;
    g.Xe.clear();
    MitgliedAbtasten(a, 0.0, 0, befehle);
    EXPECT_EQ(g.Xe, (std::vector<long double>{-1, 0, 1, 2}));
    a.Stil = 9;
    a.Funktion = &f;
    MitgliedAbtasten(a, 0.0, 0, befehle);
    EXPECT_EQ(befehle, (TMitgliedBefehle{{B::Schwarz}, scheibe(100, 1200), {B::Schwarz}, scheibe(300, 800)}));
}

// Joined discs with a step of one read each value's neighbour from the
// next value instead of evaluating it again, across portions too: the
// calls are those of asking one x at a time (each value, then its
// neighbour), with one evaluation per whole x. With a larger step, or
// beyond the range where every whole number is a double, the neighbours
// are evaluated apart.
TEST(Proben, JoinedDiscsEvaluateEachWholeValueOnce)
{
    const char* const term = "f(x,t) = t/(x-3) + sign(x+250) + 0/(x+400) + sqrt(x+590)";
    TFunktion f;
    f.SetTerm(term);
    Aufgezeichnet g;
    g.SetTerm(term);
    TProbenAuftrag a;
    a.Scheiben = true;
    a.Stil = 10;
    a.Abbildung = TPlotAbbildung{-700, 10, 1, 40, 0, 0};
    const auto auswertungen = [&](TFunktion& h, std::int64_t von, std::int64_t bis, std::int64_t schritt, TMitgliedBefehle& befehle) {
        std::tie(a.Von, a.Bis, a.Schritt) = std::tuple(von, bis, schritt);
        a.Funktion = &h;
        const std::uint64_t vorher = ProbenAuswertungen();
        MitgliedAbtasten(a, 2.0, 0, befehle);
        return ProbenAuswertungen() - vorher;
    };
    ProbenPoolGroesse(1);
    TMitgliedBefehle spalten, einzeln;
    // Three portions of whole values, the last one short; then runs that
    // end one before a portion's end, at it and one after it.
    for (const std::int64_t bis : {-600, -89, -88, -87, 600}) {
        const std::int64_t werte = bis + 600 + 1;
        EXPECT_EQ(auswertungen(f, -600, bis, 1, spalten), static_cast<std::uint64_t>(werte)) << bis;
        auswertungen(g, -600, bis, 1, einzeln);
        EXPECT_EQ(spalten, einzeln) << bis;
    }
    EXPECT_GT(std::count(spalten.begin(), spalten.end(), TGraphBefehl{TGraphBefehl::Schwarz}), 0);
    // The long run draws its lines, and leaves them out into the undefined
    // values and out of them.
    auswertungen(f, -600, 600, 1, spalten);
    const auto linien = std::count_if(spalten.begin(), spalten.end(), [](const TGraphBefehl& b) { return b.Art == TGraphBefehl::LineTo; });
    EXPECT_GT(linien, 1000);
    EXPECT_LT(linien, 1200);

    // Every second value: the neighbours are no values of the walk.
    EXPECT_EQ(auswertungen(f, -600, 600, 2, spalten), 2u * 601u);
    auswertungen(g, -600, 600, 2, einzeln);
    EXPECT_EQ(spalten, einzeln);
    // Separate discs need no neighbour.
    a.Stil = 9;
    EXPECT_EQ(auswertungen(f, -600, 600, 1, spalten), 1201u);
    a.Stil = 10;

    // Up to 2^53 each whole value and its successor are exact doubles.
    TFunktion eins;
    eins.SetTerm("f(x,t) = t");
    constexpr std::int64_t grenze = std::int64_t{1} << 53;
    EXPECT_EQ(auswertungen(eins, grenze - 3, grenze - 1, 1, spalten), 3u);
    EXPECT_EQ(auswertungen(eins, -grenze, 2 - grenze, 1, spalten), 3u);
    EXPECT_EQ(auswertungen(eins, grenze - 2, grenze, 1, spalten), 6u);
    EXPECT_EQ(auswertungen(eins, -grenze - 1, 1 - grenze, 1, spalten), 6u);
    ProbenPoolGroesse(0);
}

// A thread works out a line's x walk once for the members that share it,
// and anew when anything the walk depends on changes; a member then gets
// the list a fresh thread makes.
TEST(Proben, TheWalkOfALineIsWorkedOutOncePerThread)
{
    TFunktion f;
    f.SetTerm("f(x,t) = t*x^2 - x");
    TProbenAuftrag a;
    a.Funktion = &f;
    a.Abbildung = TPlotAbbildung{-3, 10, 20, 20, 0, 0};
    std::tie(a.XStart, a.XEnde, a.Dx, a.SprungGrenze) = std::tuple(-3.0, 3.0, 0.05, 400.0);
    const auto positionen = [](const TProbenAuftrag& b, TMitgliedBefehle& liste) {
        const std::uint64_t vorher = ProbenXPositionen();
        MitgliedAbtasten(b, 0.5, 0, liste);
        return ProbenXPositionen() - vorher;
    };
    ProbenPoolGroesse(1);
    TMitgliedBefehle erste, liste, frisch;
    const std::uint64_t n = positionen(a, erste);
    EXPECT_GE(n, 121u);
    EXPECT_LE(n, 122u);
    EXPECT_EQ(positionen(a, liste), 0u);
    EXPECT_EQ(liste, erste);

    const std::function<void(TProbenAuftrag&)> aenderungen[] = {
        [](TProbenAuftrag& b) { b.XStart = -2.5; },        [](TProbenAuftrag& b) { b.XEnde = 2.0; },
        [](TProbenAuftrag& b) { b.Dx = 0.04; },            [](TProbenAuftrag& b) { b.EinheitX = 2.0; },
        [](TProbenAuftrag& b) { b.Abbildung.ScaleX = 25; }, [](TProbenAuftrag& b) { b.Abbildung.OffX = 0.5; },
        [](TProbenAuftrag& b) { b.Abbildung.XMin = -4; },
    };
    for (std::size_t i = 0; i < std::size(aenderungen); ++i) {
        TProbenAuftrag b = a;
        aenderungen[i](b);
        positionen(a, liste);
        EXPECT_GT(positionen(b, liste), 0u) << i;
        ProbenPoolGroesse(1);
        positionen(b, frisch);
        EXPECT_EQ(liste, frisch) << i;
        EXPECT_NE(liste, erste) << i;
    }
    // The y side is no part of the walk.
    TProbenAuftrag b = a;
    b.EinheitY = 2.0;
    b.Abbildung.ScaleY = 30;
    positionen(a, liste);
    EXPECT_EQ(positionen(b, liste), 0u);
    ProbenPoolGroesse(1);
    positionen(b, frisch);
    EXPECT_EQ(liste, frisch);
    ProbenPoolGroesse(0);
}

// The longest walk kept is worked out once for all members; one sample
// more, and it is worked out for each member, portion by portion, with the
// same samples.
TEST(Proben, AWalkLongerThanIsKeptIsWorkedOutForEachMember)
{
    TFunktion f;
    f.SetTerm("f(x,t) = x + t");
    TProbenAuftrag a;
    a.Funktion = &f;
    a.Abbildung = TPlotAbbildung{0, 10, 1, 1, 0, 0};  // column = x, row = 10 - y
    constexpr auto laengster = static_cast<std::int64_t>(ProbenLaengsterGang);
    ProbenPoolGroesse(1);
    for (const std::int64_t proben : {laengster, laengster + 1}) {
        // Samples at x = 0, 1, ...: the walk ends with the one at XEnde.
        std::tie(a.XStart, a.XEnde, a.Dx, a.SprungGrenze) = std::tuple(0.0, static_cast<double>(proben - 1), 1.0, 300.0);
        const std::uint64_t vorher = ProbenXPositionen();
        TMitgliedBefehle liste;
        for (const double t : {1.0, 2.0, 3.0}) {
            MitgliedAbtasten(a, t, 0, liste);
            ASSERT_EQ(liste.size(), static_cast<std::size_t>(proben));
            using B = TGraphBefehl;
            EXPECT_EQ(liste[0], (B{B::MoveTo, 0, 10 - static_cast<int>(t)}));
            EXPECT_EQ(liste[1].Art, B::MoveTo);
            EXPECT_EQ(liste.back(), (B{B::LineTo, static_cast<int>(proben - 1), static_cast<int>(11 - proben - t)}));
            EXPECT_EQ(std::count_if(liste.begin(), liste.end(), [](const B& b) { return b.Art == B::LineTo; }), proben - 2);
        }
        const std::uint64_t erwartet = proben == laengster ? laengster : laengster + 3 * (laengster + 1);
        EXPECT_EQ(ProbenXPositionen() - vorher, erwartet);
    }
    ProbenPoolGroesse(0);
}

// A family whose term splits at its part in x alone: each thread evaluates
// that part once per walk for all members, each member only the rest, and
// the lists are those of asking the whole term one x at a time, undefined
// values and jumps included. A new compilation, another split term or
// another walk evaluate the part anew; a walk longer than is kept samples
// the whole term.
TEST(Proben, AFamilyEvaluatesItsPartInXAloneOncePerThread)
{
    TProbenAuftrag a;
    a.Abbildung = TPlotAbbildung{-3, 4, 40, 40, 0, 0};
    std::tie(a.XStart, a.XEnde, a.Dx, a.SprungGrenze) = std::tuple(-3.0, 3.0, 1.0 / 40, 280.0);
    const auto zaehlen = [&](TFunktion& f, double t, TMitgliedBefehle& liste) {
        a.Funktion = &f;
        const std::uint64_t innen = ProbenInnenAuswertungen(), ganz = ProbenAuswertungen();
        MitgliedAbtasten(a, t, 0, liste);
        return std::pair(ProbenInnenAuswertungen() - innen, ProbenAuswertungen() - ganz);
    };
    ProbenPoolGroesse(1);
    TMitgliedBefehle liste, einzeln;
    for (const char* term : {"f(x,t) = t*(sign(x-1)*sqrt(x))", "f(x,t) = t + ln(x^2-1)", "f(x,t) = sin(3*x)^t",
                             "f(x,t) = t*sin(x)/x", "f(x,t) = x*t - ln(x+1)*2"}) {
        TFunktion f;
        f.SetTerm(term);
        ASSERT_NE(f.Split(), nullptr) << term;
        Aufgezeichnet g;
        g.SetTerm(term);
        std::uint64_t proben = 0;
        for (int m = 0; m < 12; ++m) {
            const double t = -2.5 + 0.5 * m;
            const auto [innen, ganz] = zaehlen(f, t, liste);
            if (m == 0)
                proben = ganz;
            EXPECT_EQ(innen, m == 0 ? proben : 0u) << term << " " << t;
            EXPECT_EQ(ganz, proben);
            zaehlen(g, t, einzeln);
            EXPECT_EQ(liste, einzeln) << term << " " << t;
        }
        EXPECT_GE(proben, 240u);
        EXPECT_LE(proben, 242u);
        // A function with its own evaluation is asked for every value.
        EXPECT_EQ(g.Xe.size(), 12u * proben) << term;
    }
    TFunktion f, h;
    f.SetTerm("f(x,t) = t*sin(x)");
    h.SetTerm("f(x,t) = t*cos(x)");
    const std::uint64_t proben = zaehlen(f, 1, liste).first;
    EXPECT_EQ(zaehlen(h, 1, liste).first, proben);
    EXPECT_EQ(zaehlen(f, 2, liste).first, proben);
    EXPECT_EQ(zaehlen(f, 3, liste).first, 0u);
    f.SetTerm("f(x,t) = t*sin(x)");
    EXPECT_EQ(zaehlen(f, 3, liste).first, proben);
    a.XEnde = 2.0;
    EXPECT_EQ(zaehlen(f, 3, liste).first, proben - 40);
    // A term without a split, and a walk longer than is kept.
    TFunktion k;
    k.SetTerm("f(x,t) = sin(x+t)");
    EXPECT_EQ(k.Split(), nullptr);
    EXPECT_EQ(zaehlen(k, 3, liste).first, 0u);
    a.Dx = 6.0 / static_cast<double>(ProbenLaengsterGang);
    a.XEnde = 3.0;
    const auto [innen, ganz] = zaehlen(f, 3, liste);
    EXPECT_EQ(innen, 0u);
    EXPECT_GT(ganz, ProbenLaengsterGang);
    Aufgezeichnet g;
    g.SetTerm("f(x,t) = t*sin(x)");
    zaehlen(g, 3, einzeln);
    EXPECT_EQ(liste, einzeln);
    ProbenPoolGroesse(0);
}

}  // namespace
