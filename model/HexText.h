// The hex layout's arithmetic: sixteen bytes a line, each shown as two digits and a blank.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::int32_t kHexDigitColumns = 48; // 16 bytes, three cells each
inline constexpr std::int32_t kHexLastColumn = 47;
inline constexpr std::int32_t kHexBytesPerLine = 16;
inline constexpr std::int32_t kHexMaxLineLength = 66; // the widest line the layout reports

// Column of a byte's first hex digit, at most the last column; and back.
inline std::int32_t ByteToHexColumn(std::int64_t byte) {
  return byte >= 16 ? kHexLastColumn : static_cast<std::int32_t>(3 * byte);
}
inline std::int32_t HexColumnToByte(std::int32_t col) {
  return (col + 1) / 3;
}

// Each byte as two upper-case hex digits and a blank (the hex-digit column), or without the
// blank (the text a hex-digit search runs over).
std::string HexDigits(std::string_view text);
std::string HexPairs(std::string_view text);
