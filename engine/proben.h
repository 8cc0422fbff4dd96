#pragma once
// Sampling the function graphs apart from drawing them: each member of a
// family (a single function being a family of one) is turned into the list
// of canvas calls that draw it, on a pool of worker threads, and the screen
// picture keeps each function's lists for the next redraw, together with
// everything they depend on.
//
// A member is sampled exactly as the drawing walks it: t as the family walk
// gives it, x from the same start in the same steps to the same end, each
// value evaluated and mapped as before; only the canvas calls wait, and the
// user-interface thread makes them in the drawing order. Colours are not
// part of a list: the drawing applies them.

#include "engine/graphbefehl.h"
#include "engine/runden.h"
#include "engine/zahlen.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TArbeiterPool;
class TFunktion;

// The plot mapping of view positions to device units: the one formula for
// the drawing and the sampling threads.
struct TPlotAbbildung {
    std::int32_t XMin = 0;
    std::int32_t YMax = 0;
    double ScaleX = 1.0;
    double ScaleY = 1.0;
    double OffX = 0.0;
    double OffY = 0.0;

    std::int32_t Xdev(long double x) const
    {
        const long double v = (x - XMin + OffX) * ScaleX;
        if (const auto r = TryRoundToInt32(v))
            return *r;
        return RoundToInt32(v);  // saturates
    }
    // Nothing when the position is outside the integer range.
    std::optional<std::int32_t> Ydev(long double y) const { return TryRoundToInt32((YMax - y + OffY) * ScaleY); }
};


// Everything one member's list depends on, besides its t.
struct TProbenAuftrag {
    TFunktion* Funktion = nullptr;
    bool Scheiben = false;
    int Stil = 0;  // disc mode: 9 or 10
    TPlotAbbildung Abbildung;
    double EinheitX = 1.0;
    double EinheitY = 1.0;
    // Line mode: the x walk in view units and the jump bound in device units.
    double XStart = 0, XEnde = 0, Dx = 1;
    double SprungGrenze = 0;
    bool NonSmooth = false;
    // Disc mode: the whole x values.
    std::int64_t Von = 0, Bis = 0, Schritt = 1;
};

// Samples one member with parameter t on one thread. `thread` selects that
// thread's scratch (0..threads-1 of the pool the list is made on). Only a
// function whose ColumnsCompiled() holds may be sampled on several threads
// at once; any other is sampled on the drawing's thread alone, with 0.
void MitgliedAbtasten(const TProbenAuftrag& auftrag, double t, unsigned thread, TMitgliedBefehle& befehle);

// The pool that samples the graphs: one thread per core present, one when
// there is one. Tests and benchmarks may set another size (0: by the cores).
TArbeiterPool& ProbenPool();
void ProbenPoolGroesse(unsigned threads);
// The values the sampling has evaluated on the pool's threads since the
// pool was made; read while no sampling runs.
std::uint64_t ProbenAuswertungen();
// Of a family whose term splits (SplitTerm), each thread evaluates the
// inner part once at every sample of the walk for all members, and each
// member only the rest, which ProbenAuswertungen counts. The values of
// inner parts evaluated so far.
std::uint64_t ProbenInnenAuswertungen();
// The x positions of line samples (function x and device column) worked
// out on the pool's threads since the pool was made. Each thread keeps the
// last walk it worked out, up to this many samples (a picture 32,768 device
// units wide), for the next member that has the same; a longer one is
// worked out again for each member.
std::uint64_t ProbenXPositionen();
inline constexpr std::size_t ProbenLaengsterGang = std::size_t{1} << 15;

// The lists of one function and what they depend on.
struct TProbenEintrag {
    std::string Term;
    std::vector<std::uint64_t> Schluessel;  // bit patterns of the numbers, then the t values
    std::vector<TMitgliedBefehle> Mitglieder;
    std::size_t Bytes() const;
};

// The screen picture's lists, one entry per function slot 1..9. A redraw
// that finds a function's entry with the same term and key draws from it
// instead of sampling again. The memory it holds is bounded: an entry that
// does not fit beside the others pushes out the ones not drawn in the same
// picture, and an entry larger than the whole bound is not kept.
class TProbenSpeicher {
public:
    static constexpr std::size_t StandardBytes = std::size_t{96} << 20;
    explicit TProbenSpeicher(std::size_t maxBytes = StandardBytes) : MaxBytes(maxBytes) {}
    const std::size_t MaxBytes;

    const TProbenEintrag* Finden(std::size_t slot, const std::string& term, const std::vector<std::uint64_t>& schluessel) const;
    // Keeps the entry for the slot; `gezeichnet` tells which slots the same
    // picture draws from, which are not pushed out.
    void Ablegen(std::size_t slot, TProbenEintrag&& eintrag, const std::array<bool, 10>& gezeichnet);
    void Entfernen(std::size_t slot);
    void Leeren();
    std::size_t Bytes() const;

    // Functions sampled anew in the last picture that used the store.
    int NeuAbgetastet = 0;

private:
    std::array<std::unique_ptr<TProbenEintrag>, 10> Eintraege;
};
