#include "CodePages.h"

#include <cstdint>

namespace {

// 0x01 to 0x1F as the classic glyphs; 0x7F is the house ⌂.
constexpr char16_t kControlGlyphs[32] = {
    0x0000, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022, 0x25D8, 0x25CB, 0x25D9,
    0x2642, 0x2640, 0x266A, 0x266B, 0x263C, 0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7,
    0x25AC, 0x21A8, 0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC};

constexpr char16_t kWindows1251High[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98 (0x98 unassigned)
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};

constexpr char16_t kDos866Graphics[48] = {
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, // B0
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, // C8
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, // D0
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580, // D8
};

constexpr char16_t kDos866Tail[16] = {0x0401, 0x0451, 0x0404, 0x0454, 0x0407, 0x0457,
                                      0x040E, 0x045E, 0x00B0, 0x2219, 0x00B7, 0x221A,
                                      0x2116, 0x00A4, 0x25A0, 0x00A0};

// KOI8-R's upper half as Python's koi8_r codec gives it (generated once, 0x80 to 0xFF).
constexpr char16_t kKoi8rHigh[128] = {
    0x2500, 0x2502, 0x250C, 0x2510, 0x2514, 0x2518, 0x251C, 0x2524, // 80
    0x252C, 0x2534, 0x253C, 0x2580, 0x2584, 0x2588, 0x258C, 0x2590, // 88
    0x2591, 0x2592, 0x2593, 0x2320, 0x25A0, 0x2219, 0x221A, 0x2248, // 90
    0x2264, 0x2265, 0x00A0, 0x2321, 0x00B0, 0x00B2, 0x00B7, 0x00F7, // 98
    0x2550, 0x2551, 0x2552, 0x0451, 0x2553, 0x2554, 0x2555, 0x2556, // A0
    0x2557, 0x2558, 0x2559, 0x255A, 0x255B, 0x255C, 0x255D, 0x255E, // A8
    0x255F, 0x2560, 0x2561, 0x0401, 0x2562, 0x2563, 0x2564, 0x2565, // B0
    0x2566, 0x2567, 0x2568, 0x2569, 0x256A, 0x256B, 0x256C, 0x00A9, // B8
    0x044E, 0x0430, 0x0431, 0x0446, 0x0434, 0x0435, 0x0444, 0x0433, // C0
    0x0445, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, // C8
    0x043F, 0x044F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0436, 0x0432, // D0
    0x044C, 0x044B, 0x0437, 0x0448, 0x044D, 0x0449, 0x0447, 0x044A, // D8
    0x042E, 0x0410, 0x0411, 0x0426, 0x0414, 0x0415, 0x0424, 0x0413, // E0
    0x0425, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, // E8
    0x041F, 0x042F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0416, 0x0412, // F0
    0x042C, 0x042B, 0x0417, 0x0428, 0x042D, 0x0429, 0x0427, 0x042A, // F8
};

// The part the code pages share: ASCII with glyphs for the control codes.
TCodePageTable AsciiWithGlyphs() {
  TCodePageTable t{};
  for (int c = 0; c < 128; ++c)
    t[c] = c < 32 ? kControlGlyphs[c] : static_cast<char16_t>(c);
  t[0x7F] = 0x2302;
  return t;
}

TCodePageTable MakeWindows1251() {
  TCodePageTable t = AsciiWithGlyphs();
  for (int c = 0x80; c < 0xC0; ++c)
    t[c] = kWindows1251High[c - 0x80];
  for (int c = 0xC0; c < 0x100; ++c)
    t[c] = static_cast<char16_t>(0x0410 + (c - 0xC0)); // А … я in order
  return t;
}

TCodePageTable MakeDos866() {
  TCodePageTable t = AsciiWithGlyphs();
  for (int c = 0x80; c < 0xB0; ++c)
    t[c] = static_cast<char16_t>(0x0410 + (c - 0x80)); // А … Я, а … п
  for (int c = 0xB0; c < 0xE0; ++c)
    t[c] = kDos866Graphics[c - 0xB0];
  for (int c = 0xE0; c < 0xF0; ++c)
    t[c] = static_cast<char16_t>(0x0440 + (c - 0xE0)); // р … я
  for (int c = 0xF0; c < 0x100; ++c)
    t[c] = kDos866Tail[c - 0xF0];
  return t;
}

TCodePageTable MakeKoi8r() {
  TCodePageTable t = AsciiWithGlyphs();
  for (int c = 0x80; c < 0x100; ++c)
    t[c] = kKoi8rHigh[c - 0x80];
  return t;
}

// A byte's glyph for drawing: one visible cell per byte.
TCodePageTable ForDisplay(TCodePageTable t) {
  for (char16_t &u : t) {
    if (u == 0x0000 || u == 0x0098)
      u = u' ';
    else if (u == 0x00AD) // the soft hyphen is drawn as the hyphen it stands for
      u = u'-';
  }
  return t;
}

unsigned char Byte(char c) {
  return static_cast<unsigned char>(c);
}

// Upper case of the code points the two code pages hold: Latin and Cyrillic letters. Every
// other character of the tables is caseless or has its upper case outside them.
char16_t UpperCodePoint(char16_t u) {
  if ((u >= u'a' && u <= u'z') || (u >= 0x0430 && u <= 0x044F))
    return static_cast<char16_t>(u - 32);
  if (u >= 0x0450 && u <= 0x045F)
    return static_cast<char16_t>(u - 80);
  if (u >= 0x0460 && u <= 0x04FF && (u & 1))
    return static_cast<char16_t>(u - 1); // the extended letters come in upper-lower pairs
  return u;
}

// Letters and digits among the code points the tables hold: ASCII, the micro sign, Cyrillic.
bool IsLetterOrDigit(char16_t u) {
  return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') ||
         u == 0x00B5 || (u >= 0x0400 && u <= 0x04FF);
}

// Upper case of every byte of a code page, found by decoding, upper-casing and encoding back.
std::array<char, 256> MakeUpper(TCodePage page) {
  const TCodePageTable &table = CodePageTable(page);
  std::array<char, 256> upper{};
  for (int c = 0; c < 256; ++c) {
    upper[c] = static_cast<char>(c);
    const char16_t up = UpperCodePoint(table[c]);
    if (up == table[c])
      continue;
    for (int d = 0; d < 256; ++d)
      if (table[d] == up)
        upper[c] = static_cast<char>(d);
  }
  return upper;
}

// Lower case of every byte: the letter whose upper case it is.
std::array<char, 256> MakeLower(const std::array<char, 256> &upper) {
  std::array<char, 256> lower{};
  for (int c = 0; c < 256; ++c)
    lower[c] = static_cast<char>(c);
  for (int c = 0; c < 256; ++c)
    if (upper[c] != static_cast<char>(c))
      lower[Byte(upper[c])] = static_cast<char>(c);
  return lower;
}

std::array<bool, 256> MakeAlphaNumeric(TCodePage page) {
  std::array<bool, 256> a{};
  const TCodePageTable &table = CodePageTable(page);
  for (int b = 0; b < 256; ++b)
    a[b] = b >= 0x20 && b != 0x7F && IsLetterOrDigit(table[b]);
  return a;
}

// The byte of every UTF-16 unit a code page holds, or -1; control bytes stand for themselves.
std::array<std::int16_t, 0x10000> MakeEncoding(TCodePage page) {
  std::array<std::int16_t, 0x10000> b{};
  b.fill(-1);
  const TCodePageTable &table = CodePageTable(page);
  for (int c = 0; c < 256; ++c)
    b[c < 0x20 || c == 0x7F ? c : table[c]] = static_cast<std::int16_t>(c);
  return b;
}

constexpr int kPages = 3;

} // namespace

const TCodePageTable &CodePageTable(TCodePage page) {
  static const TCodePageTable tables[kPages] = {MakeWindows1251(), MakeDos866(), MakeKoi8r()};
  return tables[static_cast<int>(page)];
}

const TCodePageTable &DisplayTable(TCodePage page) {
  static const TCodePageTable tables[kPages] = {ForDisplay(CodePageTable(TCodePage::Windows1251)),
                                                ForDisplay(CodePageTable(TCodePage::Dos866)),
                                                ForDisplay(CodePageTable(TCodePage::Koi8r))};
  return tables[static_cast<int>(page)];
}

const TCodePageTable &FaithfulTable(TCodePage page) {
  auto faithful = [](TCodePage p) {
    TCodePageTable t = CodePageTable(p);
    for (int c = 0; c < 32; ++c)
      t[c] = static_cast<char16_t>(c);
    t[0x7F] = 0x7F;
    return t;
  };
  static const TCodePageTable tables[kPages] = {
      faithful(TCodePage::Windows1251), faithful(TCodePage::Dos866), faithful(TCodePage::Koi8r)};
  return tables[static_cast<int>(page)];
}

void AppendUtf8(std::string &out, std::string_view bytes, const TCodePageTable &table) {
  for (char c : bytes) {
    const char16_t u = table[Byte(c)]; // the tables hold no surrogates
    if (u < 0x80) {
      out += static_cast<char>(u);
    } else if (u < 0x800) {
      out += static_cast<char>(0xC0 | (u >> 6));
      out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (u >> 12));
      out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
}

std::optional<std::string> Encode(std::u16string_view text, TCodePage page) {
  static const std::array<std::int16_t, 0x10000> bytes[kPages] = {
      MakeEncoding(TCodePage::Windows1251), MakeEncoding(TCodePage::Dos866),
      MakeEncoding(TCodePage::Koi8r)};
  const auto &of = bytes[static_cast<int>(page)];
  std::string out;
  out.reserve(text.size());
  for (const char16_t c : text) {
    if (of[c] < 0)
      return std::nullopt;
    out += static_cast<char>(of[c]);
  }
  return out;
}

namespace {

const std::array<char, 256> &UpperTable(TCodePage page) {
  static const std::array<char, 256> upper[kPages] = {
      MakeUpper(TCodePage::Windows1251), MakeUpper(TCodePage::Dos866), MakeUpper(TCodePage::Koi8r)};
  return upper[static_cast<int>(page)];
}

} // namespace

char UpperIn(char c, TCodePage page) {
  return UpperTable(page)[Byte(c)];
}

char LowerIn(char c, TCodePage page) {
  static const std::array<char, 256> lower[kPages] = {MakeLower(UpperTable(TCodePage::Windows1251)),
                                                      MakeLower(UpperTable(TCodePage::Dos866)),
                                                      MakeLower(UpperTable(TCodePage::Koi8r))};
  return lower[static_cast<int>(page)][Byte(c)];
}

bool IsAlphaNumericIn(char c, TCodePage page) {
  static const std::array<bool, 256> alnum[kPages] = {MakeAlphaNumeric(TCodePage::Windows1251),
                                                      MakeAlphaNumeric(TCodePage::Dos866),
                                                      MakeAlphaNumeric(TCodePage::Koi8r)};
  return alnum[static_cast<int>(page)][Byte(c)];
}
