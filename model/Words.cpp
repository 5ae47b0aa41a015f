#include "Words.h"

#include "Cells.h"
#include "Encoding.h"

namespace {

// A letter or digit outside ASCII, as far as words go: everything but the punctuation, symbol
// and space blocks of the first plane.
bool IsWordCodePoint(std::uint32_t cp) {
  if (cp < 0x80)
    return (cp >= '0' && cp <= '9') || ((cp | 0x20) >= 'a' && (cp | 0x20) <= 'z');
  const bool punctuation = cp < 0xC0 || cp == 0xD7 || cp == 0xF7 ||
                           (cp >= 0x2000 && cp <= 0x2BFF) || (cp >= 0x3000 && cp <= 0x303F) ||
                           (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF0F) ||
                           cp == 0xFFFD;
  return !punctuation;
}

// Where the UTF-8 character that holds byte p begins, going back over at most three
// continuation bytes; p when it begins none.
std::size_t Utf8CharacterHolding(std::string_view text, std::size_t p) {
  std::size_t start = p;
  while (start > 0 && p - start < 3 && IsUtf8Continuation(static_cast<unsigned char>(text[start])))
    --start;
  const TVCharacter c = Utf8CharacterAt(text, start);
  return c.Valid && start + c.Bytes > p ? start : p;
}

// Where the UTF-8 character that ends just before p begins; p - 1 when no character ends there.
std::size_t Utf8CharacterStartBefore(std::string_view text, std::size_t p) {
  const std::size_t start = Utf8CharacterHolding(text, p - 1);
  return start + Utf8CharacterAt(text, start).Bytes == p ? start : p - 1;
}

std::size_t CharacterBytes(std::string_view text, std::size_t p, const TVWordRule &rule) {
  return rule.Utf8 ? Utf8CharacterAt(text, p).Bytes : 1;
}

} // namespace

bool WordCharacterAt(std::string_view text, std::size_t p, const TVWordRule &rule) {
  if (!rule.Utf8)
    return IsAlphaNumericIn(text[p], rule.CodePage);
  const TVCharacter c = Utf8CharacterAt(text, p);
  return c.Valid && IsWordCodePoint(c.CodePoint);
}

bool WordCharacterBefore(std::string_view text, std::size_t p, const TVWordRule &rule) {
  if (!rule.Utf8)
    return IsAlphaNumericIn(text[p - 1], rule.CodePage);
  const std::size_t start = Utf8CharacterStartBefore(text, p);
  return start + Utf8CharacterAt(text, start).Bytes == p && WordCharacterAt(text, start, rule);
}

TVByteSpan WordAround(std::string_view text, std::size_t p, const TVWordRule &rule) {
  if (p >= text.size())
    return {text.size(), text.size()};
  if (rule.Utf8)
    p = Utf8CharacterHolding(text, p);
  if (!WordCharacterAt(text, p, rule))
    return {p, p + CharacterBytes(text, p, rule)};
  TVByteSpan span{p, p};
  while (span.End < text.size() && WordCharacterAt(text, span.End, rule))
    span.End += CharacterBytes(text, span.End, rule);
  while (span.Start > 0 && WordCharacterBefore(text, span.Start, rule))
    span.Start = rule.Utf8 ? Utf8CharacterStartBefore(text, span.Start) : span.Start - 1;
  return span;
}
