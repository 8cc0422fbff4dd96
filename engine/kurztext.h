#pragma once
// Short strings as documents store them: one length byte and 255 character
// bytes in code page 1252. In memory the program keeps UTF-8.
//
// The conversion is lossless in the direction file -> memory -> file: the
// five bytes that code page 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) map to U+0081, U+008D, ... and back, so any byte survives. Characters
// that code page 1252 cannot hold become "?", as does every byte of invalid
// UTF-8.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

constexpr std::size_t KurztextKapazitaet = 255;
constexpr std::size_t KurztextGroesse = 256;  // length byte + 255 characters

std::string Cp1252ToUtf8(std::string_view bytes);
std::string Utf8ToCp1252(std::string_view utf8);

// Cuts `utf8` to at most 255 characters (never inside a character), which is
// what a stored field can hold.
std::string AufKapazitaet(std::string_view utf8);

// Reads the field at `src` (256 bytes): the bytes after the length are
// ignored.
std::string LeseKurztext(const std::uint8_t* src);

// Writes `utf8` into the field at `dst` (256 bytes): cut to 255 characters,
// bytes after the text zeroed.
void SchreibeKurztext(std::uint8_t* dst, std::string_view utf8);
