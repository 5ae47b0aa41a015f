#include "EscapedName.h"

#include "Encoding.h"

std::string EscapedName(std::string_view name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(name.size());
  const auto hex = [&](unsigned char byte) {
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 15];
  };
  for (std::size_t i = 0; i < name.size();) {
    const auto byte = static_cast<unsigned char>(name[i]);
    if (byte >= 0x80) {
      const std::size_t length = WellFormedUtf8Length(name.substr(i));
      if (length == 0)
        hex(byte);
      else
        out += name.substr(i, length);
      i += length == 0 ? 1 : length;
      continue;
    }
    if (byte == '\\')
      out += "\\\\";
    else if (byte == '\n')
      out += "\\n";
    else if (byte == '\t')
      out += "\\t";
    else if (byte == '\r')
      out += "\\r";
    else if (byte < 0x20 || byte == 0x7F)
      hex(byte);
    else
      out += static_cast<char>(byte);
    ++i;
  }
  return out;
}
