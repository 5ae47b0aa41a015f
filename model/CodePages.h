// The 8-bit code pages the viewer shows text in (Windows-1251, DOS 866, KOI8-R), as tables to
// UTF-16, and the Windows-1251 letter services that search needs. Control codes map to the classic
// glyph characters (☺ ☻ ♥ … ⌂) so that a control byte shows as a symbol in its cell.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

enum class TCodePage { Windows1251, Dos866, Koi8r };

using TCodePageTable = std::array<char16_t, 256>;

const TCodePageTable &CodePageTable(TCodePage page);

// For drawing: the few bytes that have no visible glyph (NUL, the unassigned 0x98 of
// Windows-1251, the soft hyphen) become a blank or a hyphen, so that every byte keeps exactly
// one cell.
const TCodePageTable &DisplayTable(TCodePage page);

// A code page as it is meant, control bytes as themselves (for the clipboard).
const TCodePageTable &FaithfulTable(TCodePage page);

// Appends bytes decoded with a table as UTF-8.
void AppendUtf8(std::string &out, std::string_view bytes, const TCodePageTable &table);

// Encodes text typed by the user in a code page; nothing when the code page lacks one of its
// characters (such a text cannot occur in the files).
std::optional<std::string> Encode(std::u16string_view text, TCodePage page);

// Upper-casing of one byte; bytes whose upper case is not in the code page stay.
char UpperIn(char c, TCodePage page);
// Lower-casing of one byte, the other way round.
char LowerIn(char c, TCodePage page);

// True for a letter or digit of the code page.
bool IsAlphaNumericIn(char c, TCodePage page);

inline std::optional<std::string> EncodeWindows1251(std::u16string_view text) {
  return Encode(text, TCodePage::Windows1251);
}
inline char UpperWindows1251(char c) {
  return UpperIn(c, TCodePage::Windows1251);
}
inline bool IsAlphaNumericWindows1251(char c) {
  return IsAlphaNumericIn(c, TCodePage::Windows1251);
}
