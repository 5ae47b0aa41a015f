// One fuzz input as two texts: the first byte says where the rest is cut in two.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

inline std::pair<std::string, std::string> TwoTexts(const std::uint8_t *data, std::size_t size) {
  const std::size_t split = data[0] * (size - 1) / 255;
  return {std::string(reinterpret_cast<const char *>(data + 1), split),
          std::string(reinterpret_cast<const char *>(data + 1 + split), size - 1 - split)};
}

// Runs a check that describes a fault of a pair, or gives nothing, on the pair one input makes;
// a fault is printed and ends the run as libFuzzer's finding.
template <typename Check>
int CheckTwoTexts(const std::uint8_t *data, std::size_t size, Check check) {
  if (size == 0)
    return 0;
  const auto [first, second] = TwoTexts(data, size);
  const std::string fault = check(first, second);
  if (!fault.empty()) {
    std::fprintf(stderr, "%s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
