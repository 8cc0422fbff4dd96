#pragma once
// Test doubles for the graph window's drawing tests: a function object whose
// values come from a lambda, and a scope that installs functions 1..9 and
// puts the shared table back afterwards.

#include "engine/funktion.h"
#include "engine/tabellen.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

class TFakeFunktion : public TFunktion {
public:
    using TWert = std::function<std::optional<long double>(long double x, long double t)>;

    explicit TFakeFunktion(TWert wert = nullptr, const std::string& kind = " Funktion ") : Wert(std::move(wert))
    {
        Compiled = static_cast<bool>(Wert);
        Kind = kind;
        Color = clRed;
        Color2 = clBlue;
    }

    void Evaluate(const long double p[6]) override
    {
        ++Aufrufe;
        TWerte.insert(p[1]);
        const auto v = Wert ? Wert(p[0], p[1]) : std::nullopt;
        ValueValid = v.has_value();
        Value = v.value_or(0);
        JumpHit = Sprung ? Sprung(p[0]) : false;
    }

    void SetNonSmooth(bool v) { NonSmooth = v; }

    TWert Wert;
    std::function<bool(long double x)> Sprung;  // jump flag per sample
    long Aufrufe = 0;
    std::set<long double> TWerte;  // every t evaluated
};

// Installs up to nine functions for one test; the others are empty.
class TFunktionenScope {
public:
    TFunktionenScope() : Alt(Funktionen), AltNr(FunktionNr), AltErlaubt(ZeichnenErlaubt)
    {
        for (std::size_t k = 0; k < Funktionen.size(); ++k) {
            Leer[k] = std::make_unique<TFakeFunktion>();
            Funktionen[k] = Leer[k].get();
        }
        FunktionNr = 1;
        ZeichnenErlaubt = true;
    }
    ~TFunktionenScope()
    {
        Funktionen = Alt;
        FunktionNr = AltNr;
        ZeichnenErlaubt = AltErlaubt;
    }
    TFunktionenScope(const TFunktionenScope&) = delete;
    TFunktionenScope& operator=(const TFunktionenScope&) = delete;

    // Makes f function k (1..9); returns it.
    template <typename F>
    F& Setze(int k, std::unique_ptr<F> f)
    {
        F& r = *f;
        Eigene[static_cast<std::size_t>(k)] = std::move(f);
        Funktionen[static_cast<std::size_t>(k)] = &r;
        if (k == FunktionNr)
            Funktionen[0] = &r;
        return r;
    }

private:
    std::array<TFunktion*, 14> Alt;
    std::int32_t AltNr;
    bool AltErlaubt;
    std::array<std::unique_ptr<TFakeFunktion>, 14> Leer;
    std::array<std::unique_ptr<TFunktion>, 14> Eigene;
};
