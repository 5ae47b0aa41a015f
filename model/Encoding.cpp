#include "Encoding.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr std::array<std::pair<TVEncoding, std::string_view>, 5> kNames = {{
    {TVEncoding::Auto, "auto"},
    {TVEncoding::Utf8, "utf-8"},
    {TVEncoding::Windows1251, "cp1251"},
    {TVEncoding::Dos866, "cp866"},
    {TVEncoding::Koi8r, "koi8-r"},
}};

constexpr std::size_t kStopEvery = std::size_t{1} << 20; // bytes between looks at a stop request

// Whether text is well-formed UTF-8. False also when a stop request comes first.
bool ScanUtf8(std::string_view text, const std::stop_token &stop) {
  const auto *p = reinterpret_cast<const unsigned char *>(text.data());
  std::size_t n = text.size();
  std::size_t nextLook = n;
  while (n > 0) {
    if (n <= nextLook) {
      if (stop.stop_requested())
        return false;
      nextLook = n > kStopEvery ? n - kStopEvery : 0;
    }
    // Eight ASCII bytes at a time: most source text is mostly ASCII.
    std::uint64_t word = 0;
    if (n >= 8 && (std::memcpy(&word, p, 8), (word & 0x8080808080808080ull) == 0)) {
      p += 8, n -= 8;
      continue;
    }
    const std::size_t length = WellFormedUtf8Length({reinterpret_cast<const char *>(p), n});
    if (length == 0)
      return false;
    p += length, n -= length;
  }
  return true;
}

} // namespace

std::string_view EncodingName(TVEncoding encoding) {
  for (const auto &[value, name] : kNames)
    if (value == encoding)
      return name;
  return kNames[0].second;
}

std::optional<TVEncoding> EncodingNamed(std::string_view name) {
  for (const auto &[value, known] : kNames)
    if (known == name)
      return value;
  return std::nullopt;
}

bool IsUtf8Continuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF)
    return 2;
  if (lead >= 0xE0 && lead <= 0xEF)
    return 3;
  if (lead >= 0xF0 && lead <= 0xF4)
    return 4;
  return 1;
}

std::size_t Utf8LeadingPart(std::string_view text) {
  std::size_t n = 0;
  while (n < 3 && n < text.size() && IsUtf8Continuation(static_cast<unsigned char>(text[n])))
    ++n;
  return n;
}

std::size_t Utf8TrailingPart(std::string_view text, std::size_t from) {
  const std::size_t size = text.size();
  for (std::size_t back = 1; back <= 4 && back <= size - from; ++back) {
    const auto b = static_cast<unsigned char>(text[size - back]);
    if (IsUtf8Continuation(b))
      continue;
    return Utf8SequenceLength(b) > back ? back : 0;
  }
  return 0;
}

std::size_t WellFormedUtf8Length(std::string_view text) {
  if (text.empty())
    return 0;
  const auto *p = reinterpret_cast<const unsigned char *>(text.data());
  const std::size_t n = text.size();
  const unsigned char b = p[0];
  if (b < 0x80)
    return 1;
  std::size_t length = Utf8SequenceLength(b);
  if (length == 1 || length > n)
    return 0;
  // The second byte's range rules out overlong forms, surrogates and code points past U+10FFFF.
  unsigned char low = 0x80, high = 0xBF;
  if (b == 0xE0)
    low = 0xA0;
  else if (b == 0xED)
    high = 0x9F;
  else if (b == 0xF0)
    low = 0x90;
  else if (b == 0xF4)
    high = 0x8F;
  if (p[1] < low || p[1] > high)
    return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (!IsUtf8Continuation(p[k]))
      return 0;
  return length;
}

std::size_t EncodeUtf8(char32_t c, std::array<char, 4> &out) {
  const auto byte = [](std::uint32_t v) { return static_cast<char>(v); };
  if (c < 0x80) {
    out[0] = byte(c);
    return 1;
  }
  if (c < 0x800) {
    out = {byte(0xC0 | (c >> 6)), byte(0x80 | (c & 0x3F))};
    return 2;
  }
  if (c < 0x10000) {
    out = {byte(0xE0 | (c >> 12)), byte(0x80 | ((c >> 6) & 0x3F)), byte(0x80 | (c & 0x3F))};
    return 3;
  }
  out = {byte(0xF0 | (c >> 18)), byte(0x80 | ((c >> 12) & 0x3F)), byte(0x80 | ((c >> 6) & 0x3F)),
         byte(0x80 | (c & 0x3F))};
  return 4;
}

bool StartsWithUtf8Bom(std::string_view text) {
  return text.starts_with("\xEF\xBB\xBF");
}

bool IsValidUtf8(std::string_view text) {
  return ScanUtf8(text, {});
}

TCodePage CodePageOf(TVEncoding encoding) {
  switch (encoding) {
  case TVEncoding::Dos866:
    return TCodePage::Dos866;
  case TVEncoding::Koi8r:
    return TCodePage::Koi8r;
  default:
    return TCodePage::Windows1251;
  }
}

TVEncoding DetectEncoding(std::string_view first, std::string_view second,
                          const std::stop_token &stop) {
  if (StartsWithUtf8Bom(first) || StartsWithUtf8Bom(second))
    return TVEncoding::Utf8;
  return ScanUtf8(first, stop) && ScanUtf8(second, stop) ? TVEncoding::Utf8
                                                         : TVEncoding::Windows1251;
}

TVEncoding EncodingInForce(TVEncoding chosen, bool oem, bool detectedUtf8) {
  if (oem)
    return TVEncoding::Dos866;
  if (chosen == TVEncoding::Auto)
    return detectedUtf8 ? TVEncoding::Utf8 : TVEncoding::Windows1251;
  return chosen;
}
