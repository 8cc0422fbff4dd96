#include "engine/einstellungen.h"

#include "engine/bytepuffer.h"

using namespace bytes;

std::array<std::uint8_t, EinstellungenGroesse> EncodeEinstellungen(const TEinstellungen& e)
{
    std::array<std::uint8_t, EinstellungenGroesse> a{};
    std::uint8_t* p = a.data();
    SchreibeRoh(p, 0, e.Reserve0);
    p[3] = e.MitWertetabelle;
    p[4] = e.Startvorlage;
    SchreibeRoh(p, 5, e.Reserve5);
    p[7] = e.Transparent;
    SchreibeRoh(p, 8, e.Reserve8);
    SchreibeI32(p, 28, e.Sprache);
    SchreibeRoh(p, 32, e.Reserve32);
    SchreibeDouble(p, 64, e.Einheit);
    SchreibeRoh(p, 72, e.Reserve72);
    static_assert(8 + 20 == 28 && 32 + 32 == 64);
    static_assert(72 + 1024 == EinstellungenGroesse);
    return a;
}

std::optional<TEinstellungen> DecodeEinstellungen(std::span<const std::uint8_t> daten)
{
    if (daten.size() != EinstellungenGroesse)
        return std::nullopt;
    const std::uint8_t* p = daten.data();
    TEinstellungen e;
    LeseRoh(p, 0, e.Reserve0);
    e.MitWertetabelle = p[3];
    e.Startvorlage = p[4];
    LeseRoh(p, 5, e.Reserve5);
    e.Transparent = p[7];
    LeseRoh(p, 8, e.Reserve8);
    e.Sprache = LeseI32(p, 28);
    LeseRoh(p, 32, e.Reserve32);
    e.Einheit = LeseDouble(p, 64);
    LeseRoh(p, 72, e.Reserve72);
    return e;
}
