// The 4-byte grams that both the scan and the gram set look at, and their hash.
#pragma once

#include <cstdint>
#include <cstring>

inline constexpr std::size_t kGramLength = 4;

// The gram starting at p, hashed multiplicatively to its top bits (1 to 32 of them).
inline std::uint32_t GramHash(const char *p, int bits) {
  std::uint32_t g;
  std::memcpy(&g, p, kGramLength);
  return (g * 2654435761u) >> (32 - bits);
}
