#pragma once
// The settings file: the options record TEinstellungen written whole
// (1096 bytes). Reserved bytes are kept as read and written back unchanged.

#include "engine/tabellen.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

constexpr std::size_t EinstellungenGroesse = 1096;

std::array<std::uint8_t, EinstellungenGroesse> EncodeEinstellungen(const TEinstellungen& e);

// A file of any other size than 1096 bytes is not a settings record.
std::optional<TEinstellungen> DecodeEinstellungen(std::span<const std::uint8_t> daten);
