// One fuzz input as two texts: the first byte says where the rest is cut in two.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

inline std::pair<std::string, std::string> TwoTexts(const std::uint8_t *data, std::size_t size) {
  const std::size_t split = data[0] * (size - 1) / 255;
  return {std::string(reinterpret_cast<const char *>(data + 1), split),
          std::string(reinterpret_cast<const char *>(data + 1 + split), size - 1 - split)};
}
