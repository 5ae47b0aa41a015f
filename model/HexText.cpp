#include "HexText.h"

namespace {

std::string Hex(std::string_view text, bool blankAfterEach) {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size() * (blankAfterEach ? 3 : 2));
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    out += digits[b >> 4];
    out += digits[b & 15];
    if (blankAfterEach)
      out += ' ';
  }
  return out;
}

} // namespace

std::string HexDigits(std::string_view text) {
  return Hex(text, true);
}

std::string HexPairs(std::string_view text) {
  return Hex(text, false);
}
