#include "SizeToText.h"

std::string SizeToText(std::int32_t value, char pad) {
  static constexpr const char *units[] = {"K", "M", "G"};
  std::string unit = " ";
  for (const char *next : units) {
    if (value <= 1024)
      break;
    value /= 1024;
    unit = next;
  }
  return pad + std::to_string(value) + unit;
}
