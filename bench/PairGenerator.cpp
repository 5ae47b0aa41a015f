#include "PairGenerator.h"

#include <algorithm>
#include <array>
#include <random>
#include <vector>

namespace {

constexpr std::array<std::string_view, 12> kWords = {"index",  "count",  "buffer", "result",
                                                     "value",  "offset", "length", "status",
                                                     "handle", "record", "total",  "cursor"};
constexpr std::array<std::string_view, 6> kComments = {
    // Windows-1251: "проверка границ", "обработка ошибки", "итоговая сумма",
    // "чтение записи", "новая версия", "старый формат"
    "\xef\xf0\xee\xe2\xe5\xf0\xea\xe0 \xe3\xf0\xe0\xed\xe8\xf6",
    "\xee\xe1\xf0\xe0\xe1\xee\xf2\xea\xe0 \xee\xf8\xe8\xe1\xea\xe8",
    "\xe8\xf2\xee\xe3\xee\xe2\xe0\xff \xf1\xf3\xec\xec\xe0",
    "\xf7\xf2\xe5\xed\xe8\xe5 \xe7\xe0\xef\xe8\xf1\xe8",
    "\xed\xee\xe2\xe0\xff \xe2\xe5\xf0\xf1\xe8\xff",
    "\xf1\xf2\xe0\xf0\xfb\xe9 \xf4\xee\xf0\xec\xe0\xf2"};

class LineMaker {
public:
  explicit LineMaker(unsigned seed) : FRng(seed) {}

  std::string Line() {
    const unsigned pick = FRng() % 16;
    const std::string indent(2 * (FRng() % 4), ' ');
    const auto w = [&] { return std::string(kWords[FRng() % kWords.size()]); };
    const std::string n = std::to_string(FRng() % 10000);
    if (pick == 0)
      return indent + "}";
    if (pick == 1)
      return "";
    if (pick < 4)
      return indent + "// " + std::string(kComments[FRng() % kComments.size()]) + " " + n;
    if (pick < 8)
      return indent + w() + " = " + w() + "_" + n + " + " + w() + ";";
    if (pick < 11)
      return indent + "if (" + w() + " > " + n + ") {";
    return indent + w() + "(" + w() + ", " + n + ", \"" + w() + "\");";
  }

  std::vector<std::string> Lines(std::size_t bytes) {
    std::vector<std::string> lines;
    std::size_t total = 0;
    while (total < bytes) {
      lines.push_back(Line());
      total += lines.back().size() + 2;
    }
    return lines;
  }

  std::mt19937 &Rng() { return FRng; }

private:
  std::mt19937 FRng;
};

std::string Join(const std::vector<std::string> &lines) {
  std::string text;
  for (const auto &l : lines)
    text.append(l).append("\r\n");
  return text;
}

void Clustered(LineMaker &maker, std::vector<std::string> &lines) {
  const std::size_t at = lines.size() * 2 / 5;
  for (std::size_t i = at; i < at + 100 && i < lines.size(); ++i)
    lines[i] = maker.Line();
  const std::size_t near = std::min(lines.size(), at + 300);
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(near), {maker.Line(), maker.Line()});
  if (near + 50 < lines.size())
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(near + 40));
  if (at > 20)
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at - 20));
}

void Scattered(LineMaker &maker, std::vector<std::string> &lines) {
  const std::size_t step = std::max<std::size_t>(1, lines.size() / 200);
  for (std::size_t i = step / 2; i < lines.size(); i += step)
    lines[i] = maker.Line();
}

// Lines of random words, about 48 bytes each with the LF; one character in the middle of every
// k-th line differs in the first text.
std::pair<std::string, std::string> EvenlyEdited(std::size_t k, std::size_t size) {
  std::mt19937 rng(3);
  std::string first, second;
  for (std::size_t n = 0; second.size() < size; ++n) {
    std::string line;
    while (line.size() < 42) {
      for (unsigned letters = 2 + rng() % 7; letters > 0; --letters)
        line += static_cast<char>('a' + rng() % 26);
      line += ' ';
    }
    line.back() = '\n';
    second += line;
    if (n % k == k / 2)
      line[line.size() / 2] = '#';
    first += line;
  }
  return {first, second};
}

// By PairShape, in its order.
constexpr std::array<std::string_view, 7> kShapeNames = {
    "identical", "clustered", "scattered", "unrelated", "every100", "every300", "every700"};

} // namespace

std::string_view ShapeName(PairShape shape) {
  return kShapeNames[static_cast<std::size_t>(shape)];
}

bool ShapeFromName(std::string_view name, PairShape &shape) {
  const auto *found = std::find(kShapeNames.begin(), kShapeNames.end(), name);
  if (found == kShapeNames.end())
    return false;
  shape = static_cast<PairShape>(found - kShapeNames.begin());
  return true;
}

std::pair<std::string, std::string> MakePair(PairShape shape, std::size_t size) {
  if (shape == PairShape::Every100)
    return EvenlyEdited(100, size);
  if (shape == PairShape::Every300)
    return EvenlyEdited(300, size);
  if (shape == PairShape::Every700)
    return EvenlyEdited(700, size);
  LineMaker maker(1);
  std::vector<std::string> oldLines = maker.Lines(size);
  if (shape == PairShape::Unrelated) {
    LineMaker other(2);
    return {Join(other.Lines(size)), Join(oldLines)};
  }
  std::vector<std::string> newLines = oldLines;
  if (shape == PairShape::Clustered)
    Clustered(maker, newLines);
  else if (shape == PairShape::Scattered)
    Scattered(maker, newLines);
  return {Join(newLines), Join(oldLines)};
}
