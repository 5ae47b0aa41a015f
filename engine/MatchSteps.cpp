#include "MatchSteps.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

using Word = std::uint64_t;
constexpr std::size_t kWord = sizeof(Word);
// Long runs are compared a chunk at a time with memcmp, which is several times faster than a
// word loop; the chunk that differs is then narrowed down word by word.
constexpr std::size_t kChunk = 512;

Word LoadWord(const char *p) {
  Word w;
  std::memcpy(&w, p, kWord);
  return w;
}

// Length of the common prefix of a and b, a word at a time.
std::size_t CommonForward(const char *a, const char *b, std::size_t limit) {
  std::size_t n = 0;
  while (n + kChunk <= limit && std::memcmp(a + n, b + n, kChunk) == 0)
    n += kChunk;
  while (n + kWord <= limit && LoadWord(a + n) == LoadWord(b + n))
    n += kWord;
  while (n < limit && a[n] == b[n])
    ++n;
  return n;
}

// Length of the common suffix of the texts that end just before a and b.
std::size_t CommonBackward(const char *a, const char *b, std::size_t limit) {
  std::size_t n = 0;
  while (n + kChunk <= limit && std::memcmp(a - n - kChunk, b - n - kChunk, kChunk) == 0)
    n += kChunk;
  while (n + kWord <= limit && LoadWord(a - n - kWord) == LoadWord(b - n - kWord))
    n += kWord;
  while (n < limit &&
         a[-1 - static_cast<std::ptrdiff_t>(n)] == b[-1 - static_cast<std::ptrdiff_t>(n)])
    ++n;
  return n;
}

} // namespace

std::size_t CommonPrefix(std::string_view a, std::string_view b) {
  return CommonForward(a.data(), b.data(), std::min(a.size(), b.size()));
}

TMatch ExtendMatch(std::string_view a, std::string_view b, TMatch m) {
  const std::size_t back = CommonBackward(a.data() + m.P, b.data() + m.Q, m.P < m.Q ? m.P : m.Q);
  m.P -= back;
  m.Q -= back;
  m.L += back;
  const std::size_t roomA = a.size() - m.P - m.L;
  const std::size_t roomB = b.size() - m.Q - m.L;
  m.L += CommonForward(a.data() + m.P + m.L, b.data() + m.Q + m.L, roomA < roomB ? roomA : roomB);
  return m;
}

TMatch SnapToLines(std::string_view a, std::string_view b, TMatch m) {
  std::size_t end = m.P + m.L; // one past the last line break of the run, once found
  while (end > m.P && !IsLineBreak(a[end - 1]))
    --end;
  if (end == m.P)
    return m; // a run inside one line stays whole

  const std::size_t head = end - m.P; // the run up to and including its last line break
  const bool startsOnLine =
      m.P == 0 || IsLineBreak(a[m.P - 1]) || m.Q == 0 || IsLineBreak(b[m.Q - 1]);
  std::size_t start = m.P;
  if (!startsOnLine) {
    // Drop the part of a line at the start: skip to just after the first run of breaks.
    while (start < end && !IsLineBreak(a[start]))
      ++start;
    while (start < end && IsLineBreak(a[start]))
      ++start;
  }
  if (start < end)
    return {start, m.Q + (start - m.P), end - start};

  // All the run's breaks form one block: keep the longer of the parts before and after it.
  const std::size_t rest = m.P + m.L - end;
  if (head < rest)
    return {end, m.Q + head, rest};
  return {m.P, m.Q, head};
}
