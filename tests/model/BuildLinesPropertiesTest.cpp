// BuildLines against a reference written character by character, on random chunk lists with
// every kind, widths down to 1, both layouts and the three views.
#include "ModelFixture.h"

#include <random>

namespace {

struct RefLine {
  std::int64_t start = 0;
  std::int32_t kind = -1;
  std::vector<std::pair<std::int32_t, std::string>> zones;
  bool operator==(const RefLine &) const = default;
};

void PrintTo(const RefLine &l, std::ostream *os) {
  *os << "{start " << l.start << " kind " << l.kind << ":";
  for (const auto &[k, t] : l.zones)
    *os << " " << k << "[" << t.size() << "]";
  *os << "}";
}

std::vector<RefLine> Reference(const TVKindStringList &list, std::int32_t width, bool hex,
                               std::int32_t view, std::int32_t updated, bool lf) {
  lf = lf && !hex;
  bool crClosedEntry = false;
  std::vector<RefLine> lines(1);
  std::vector<std::int32_t> kinds(1, -1); // each line's kind before it was finished
  std::int32_t col = 0;
  std::int64_t pos = 0;
  auto mergeInto = [&](std::int32_t &acc, std::int32_t kind) {
    acc = acc == -1 ? kind : (acc != kind ? updated : acc);
  };
  auto finish = [&](std::size_t line) {
    RefLine &l = lines[line];
    l.kind = kinds[line] < 0 ? 0 : kinds[line];
    for (auto &z : l.zones)
      if (l.kind == updated && z.first == 0)
        z.first = updated;
  };
  for (int k = 0; k < list.Count(); ++k) {
    const std::int32_t kind = list.GetKind(k);
    if (!(kind == 0 || view == 0 || kind == view))
      continue;
    const std::string s(list.Text(k));
    std::size_t i = 0;
    if (crClosedEntry && !s.empty()) {
      if (s[0] == '\n') { // the LF of a split CR LF: it counts for the line its CR ended
        lines.back().start = ++pos, i = 1;
        if (kind != 0) {
          mergeInto(kinds[lines.size() - 2], kind);
          finish(lines.size() - 2);
        }
      }
      crClosedEntry = false;
    }
    std::size_t run = i;
    while (i < s.size()) {
      const bool isBreak = !hex && (s[i] == '\r' || (lf && s[i] == '\n'));
      if (col >= width || isBreak) {
        // A break only one file has counts wherever it is; a shared one inside its piece only.
        if (isBreak && col < width && (kind != 0 || (i > 0 && i + 1 < s.size())))
          mergeInto(kinds.back(), kind);
        if (i > run)
          lines.back().zones.emplace_back(kind, s.substr(run, i - run));
        if (!hex) {
          const bool cr = s[i] == '\r';
          if (cr)
            ++i, ++pos;
          crClosedEntry = lf && cr && i == s.size();
          if (i < s.size() && s[i] == '\n')
            ++i, ++pos;
        }
        finish(lines.size() - 1);
        lines.push_back({pos, -1, {}});
        kinds.push_back(-1);
        run = i;
        col = 0;
      } else {
        mergeInto(kinds.back(), kind);
        ++i, ++col, ++pos;
      }
    }
    if (i > run)
      lines.back().zones.emplace_back(kind, s.substr(run, i - run));
  }
  finish(lines.size() - 1);
  return lines;
}

std::vector<RefLine> LinesOf(const TVLineModel &model, int first = 0) {
  std::vector<RefLine> got;
  for (int i = first; i < model.LineCount(); ++i) {
    RefLine line{model.GetLine(i).FStart, model.GetLine(i).FKind, {}};
    std::int32_t length = 0;
    for (const auto &z : model.LineZones(i)) {
      line.zones.emplace_back(z.Kind, std::string(z.Text()));
      length += z.Length;
    }
    EXPECT_EQ(length, model.GetLine(i).FLength);
    got.push_back(line);
  }
  return got;
}

class BuildLinesProperties : public ModelFixture {
protected:
  std::mt19937 rng{42};

  void RandomList(const std::string &alphabet) {
    list.Clear();
    texts.clear();
    for (int k = static_cast<int>(rng() % 8); k > 0; --k) {
      std::string text(rng() % 12, ' ');
      for (char &c : text)
        c = alphabet[rng() % alphabet.size()];
      Add(static_cast<std::int32_t>(rng() % 3), text);
    }
  }
};

TEST_F(BuildLinesProperties, MatchesTheCharacterByCharacterReference) {
  for (int round = 0; round < 600; ++round) {
    RandomList("ab\r\n\r");
    const std::int32_t width =
        round % 3 == 0 ? INT32_MAX : static_cast<std::int32_t>(1 + rng() % 5);
    const bool hex = round % 4 == 1;
    const std::int32_t view = static_cast<std::int32_t>(rng() % 3);
    const bool lf = round % 2 == 0;
    model.SetLfBreaks(lf);
    Build(width, hex, view);
    ASSERT_EQ(LinesOf(model), Reference(list, width, hex, view, kUpdated, lf))
        << "round " << round << " width " << width << " hex " << hex << " view " << view << " lf "
        << lf;
  }
}

// A view lays out a few lines around its top at once and the rest afterwards: from any line
// start of the whole build, the few lines are those of the whole build, UTF-8 cells included.
TEST_F(BuildLinesProperties, SomeLinesFromAnyLineStartAreThoseOfTheWholeBuild) {
  for (int round = 0; round < 300; ++round) {
    RandomList(round % 2 ? "ab\r\n\r\t" : "a\xc3\xa9\r\n\xe4\xb8\x80");
    const std::int32_t width =
        round % 3 == 0 ? INT32_MAX : static_cast<std::int32_t>(1 + rng() % 5);
    const bool hex = round % 5 == 1;
    model.SetLfBreaks(round % 4 < 2);
    model.SetTextForm({round % 2 == 0, 4});
    Build(width, hex, static_cast<std::int32_t>(rng() % 3));
    const std::vector<RefLine> whole = LinesOf(model);

    model.FUpdatedKind = kUpdated;
    const std::unique_ptr<TVLineModel> copy = model.EmptyCopy();
    TVLineModel &some = *copy;
    for (std::size_t first = 0; first < whole.size(); ++first) {
      const int count = 1 + static_cast<int>(rng() % 4);
      some.Clear();
      some.BuildSomeLines(width, hex, whole[first].start, count);
      const std::size_t last = std::min(whole.size(), first + static_cast<std::size_t>(count));
      ASSERT_EQ(LinesOf(some), std::vector<RefLine>(whole.begin() + static_cast<long>(first),
                                                    whole.begin() + static_cast<long>(last)))
          << "round " << round << " from line " << first << " count " << count;
    }
  }
}

// Where a view's few lines begin: the start of the text line that holds an offset is where a
// line of the plain build starts, found by walking back, and a walk cut short says so.
TEST_F(BuildLinesProperties, TextLineStartIsTheStartOfThePlainLine) {
  for (int round = 0; round < 400; ++round) {
    RandomList("ab\r\n\r\n");
    model.SetLfBreaks(round % 2 == 0);
    Build(kNoWrap, false, static_cast<std::int32_t>(rng() % 3));
    const std::int64_t total = model.TextBytes();
    for (std::int64_t offset = 0; offset <= total; ++offset) {
      const int line = model.LineOfOffset(offset);
      const TVMemoLine &l = model.GetLine(line);
      const std::int64_t start = model.TextLineStart(offset, total);
      if (offset <= l.FStart + l.FLength) // not inside a line end
        ASSERT_EQ(start, l.FStart) << "round " << round << " offset " << offset;
      else
        ASSERT_EQ(start, model.GetLine(line + 1).FStart)
            << "round " << round << " offset " << offset;
      const std::int64_t near = model.TextLineStart(offset, 1);
      ASSERT_TRUE(near == offset || near == start) << "round " << round << " offset " << offset;
    }
  }
}

} // namespace
