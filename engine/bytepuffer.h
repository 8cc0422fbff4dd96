#pragma once
// Little-endian field access for the file codecs. Every field is read and
// written at an explicit offset; no struct is ever copied to disk as is.

#include "engine/kurztext.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace bytes {

inline std::uint32_t LeseU32(const std::uint8_t* p, std::size_t off)
{
    p += off;
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline void SchreibeU32(std::uint8_t* p, std::size_t off, std::uint32_t v)
{
    p += off;
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

inline std::int32_t LeseI32(const std::uint8_t* p, std::size_t off)
{
    return static_cast<std::int32_t>(LeseU32(p, off));
}

inline void SchreibeI32(std::uint8_t* p, std::size_t off, std::int32_t v)
{
    SchreibeU32(p, off, static_cast<std::uint32_t>(v));
}

inline double LeseDouble(const std::uint8_t* p, std::size_t off)
{
    const std::uint64_t lo = LeseU32(p, off);
    const std::uint64_t hi = LeseU32(p, off + 4);
    return std::bit_cast<double>(lo | (hi << 32));
}

inline void SchreibeDouble(std::uint8_t* p, std::size_t off, double v)
{
    const auto u = std::bit_cast<std::uint64_t>(v);
    SchreibeU32(p, off, static_cast<std::uint32_t>(u));
    SchreibeU32(p, off + 4, static_cast<std::uint32_t>(u >> 32));
}

template <std::size_t N>
void LeseRoh(const std::uint8_t* p, std::size_t off, std::array<std::uint8_t, N>& a)
{
    std::memcpy(a.data(), p + off, N);
}

template <std::size_t N>
void SchreibeRoh(std::uint8_t* p, std::size_t off, const std::array<std::uint8_t, N>& a)
{
    std::memcpy(p + off, a.data(), N);
}

inline std::string LeseText(const std::uint8_t* p, std::size_t off) { return LeseKurztext(p + off); }
inline void SchreibeText(std::uint8_t* p, std::size_t off, const std::string& s) { SchreibeKurztext(p + off, s); }

// The two directions of one field list. A record's layout is written once,
// as a function template over the direction, so that reading and writing can
// never disagree on an offset.
struct Leser {
    const std::uint8_t* p;
    Leser an(std::size_t off) const { return {p + off}; }
    void Text(std::size_t off, std::string& s) const { s = LeseText(p, off); }
    void I32(std::size_t off, std::int32_t& v) const { v = LeseI32(p, off); }
    void U32(std::size_t off, std::uint32_t& v) const { v = LeseU32(p, off); }
    void Double(std::size_t off, double& v) const { v = LeseDouble(p, off); }
    void Byte(std::size_t off, std::uint8_t& v) const { v = p[off]; }
    template <std::size_t N>
    void Roh(std::size_t off, std::array<std::uint8_t, N>& a) const { LeseRoh(p, off, a); }
};

struct Schreiber {
    std::uint8_t* p;
    Schreiber an(std::size_t off) const { return {p + off}; }
    void Text(std::size_t off, const std::string& s) const { SchreibeText(p, off, s); }
    void I32(std::size_t off, std::int32_t v) const { SchreibeI32(p, off, v); }
    void U32(std::size_t off, std::uint32_t v) const { SchreibeU32(p, off, v); }
    void Double(std::size_t off, double v) const { SchreibeDouble(p, off, v); }
    void Byte(std::size_t off, std::uint8_t v) const { p[off] = v; }
    template <std::size_t N>
    void Roh(std::size_t off, const std::array<std::uint8_t, N>& a) const { SchreibeRoh(p, off, a); }
};

}  // namespace bytes
