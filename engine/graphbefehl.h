#pragma once
// The canvas calls of a function graph as the sampling makes them.

#include <cstdint>
#include <vector>

// One canvas call of a graph.
struct TGraphBefehl {
    enum TArt : std::uint8_t {
        MoveTo,       // A, B
        LineTo,       // A, B; dashed and dotted styles take their dash step first
        TinteMoveTo,  // pen := the member's colour, then MoveTo A, B (joined discs)
        Schwarz,      // pen := black
        Ellipse,      // A, B, C, D
    };
    TArt Art = MoveTo;
    std::int32_t A = 0, B = 0, C = 0, D = 0;
    friend bool operator==(const TGraphBefehl&, const TGraphBefehl&) = default;
};
using TMitgliedBefehle = std::vector<TGraphBefehl>;
