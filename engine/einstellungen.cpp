#include "engine/einstellungen.h"

#include "engine/bytepuffer.h"

#include <concepts>
#include <type_traits>

using namespace bytes;

namespace {

template <class Io, class R>
    requires std::same_as<std::remove_const_t<R>, TEinstellungen>
void Felder(const Io& io, R& e)
{
    io.Roh(0, e.Reserve0);
    io.Byte(3, e.MitWertetabelle);
    io.Byte(4, e.Startvorlage);
    io.Roh(5, e.Reserve5);
    io.Byte(7, e.Transparent);
    io.Roh(8, e.Reserve8);
    io.I32(28, e.Sprache);
    io.Roh(32, e.Reserve32);
    io.Double(64, e.Einheit);
    io.Roh(72, e.Reserve72);
    static_assert(8 + 20 == 28 && 32 + 32 == 64);
    static_assert(72 + 1024 == EinstellungenGroesse);
}

}  // namespace

std::array<std::uint8_t, EinstellungenGroesse> EncodeEinstellungen(const TEinstellungen& e)
{
    std::array<std::uint8_t, EinstellungenGroesse> a{};
    Felder(Schreiber{a.data()}, e);
    return a;
}

std::optional<TEinstellungen> DecodeEinstellungen(std::span<const std::uint8_t> daten)
{
    if (daten.size() != EinstellungenGroesse)
        return std::nullopt;
    TEinstellungen e;
    Felder(Leser{daten.data()}, e);
    return e;
}
