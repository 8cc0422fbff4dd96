#pragma once
// Term compiler and evaluator (module FUNK).
// Placeholder layout; the term engine owns and completes this header.

#include <array>
#include <cstdint>
#include <string>

struct TKnoten;

struct TFunktionsKopf {
    std::string Name;                       // function name, at most 6 characters
    std::string Text;                       // blank-free equation, "$" after success
    TKnoten* Root = nullptr;                // root of the expression tree
    std::array<std::string, 6> Parameters;  // parameter names, at most 3 characters
    std::uint8_t Count = 0;                 // number of parameters, 1..6
};
