#include "OriginalPieces.h"

#include "Encoding.h"
#include "LineModel.h"
#include "MatchSteps.h"

#include <algorithm>
#include <cstring>

TVOriginalPieces::TSide::TSide(const TVFormSide &side)
    : Text(side.Text), Form(side.Form), Walk(*side.Form) {}

std::string_view TVOriginalPieces::TSide::OriginalOf(std::size_t from, std::size_t length) {
  const std::size_t start = Walk.Original(from), end = Walk.Original(from + length);
  return Text.substr(start, end - start);
}

TVOriginalPieces::TVOriginalPieces(const TVKindStringList &pieces, const TVFormSide &first,
                                   const TVFormSide &second, bool showSecond, bool utf8)
    : FFirst(first), FSecond(second), FShowSecond(showSecond), FUtf8(utf8) {
  std::size_t inFirst = 0, inSecond = 0; // the next compared byte of each form
  for (int k = 0; k < pieces.Count(); ++k) {
    const std::int32_t kind = pieces.GetKind(k);
    const std::size_t length = pieces.Text(k).size();
    TVOriginalSpan span{kind, 0, 0};
    if (kind != kindDeleted)
      span.FirstBytes = FFirst.OriginalOf(inFirst, length).size();
    if (kind != kindInserted)
      span.SecondBytes = FSecond.OriginalOf(inSecond, length).size();
    FSpans.push_back(span);
    if (kind == kindEqual)
      AddShared(inFirst, inSecond, length);
    else if (kind == kindInserted)
      AddShown(FFirst.OriginalOf(inFirst, length), kind);
    else
      AddShown(FSecond.OriginalOf(inSecond, length), kind);
    inFirst += kind != kindDeleted ? length : 0;
    inSecond += kind != kindInserted ? length : 0;
  }
  AddLeftOver();
}

void TVOriginalPieces::AddLeftOver() {
  const auto leftOver = [](const TSide &side) {
    return side.Form->Form().empty() ? side.Text : std::string_view();
  };
  const std::string_view a = leftOver(FFirst), b = leftOver(FSecond);
  if (a.empty() && b.empty())
    return;
  FSpans.push_back({kindEqual, a.size(), b.size()});
  AddShown(FShowSecond ? b : a, a == b ? kindEqual : kindIgnored);
}

void TVOriginalPieces::AddShown(std::string_view text, std::int32_t kind) {
  if (text.empty())
    return; // the bytes are all in the other file
  AddKind(text, kind);
  FIgnoredBytes += kind == kindIgnored ? static_cast<std::int32_t>(text.size()) : 0;
}

TVPieceCounts TVOriginalPieces::Counts() const {
  TVPieceCounts c;
  for (const TVOriginalSpan &span : FSpans) {
    const auto first = static_cast<std::int32_t>(span.FirstBytes),
               second = static_cast<std::int32_t>(span.SecondBytes);
    if (span.Kind == kindEqual)
      c.EqualChars += FShowSecond ? second : first, ++c.EqualChunks;
    else if (span.Kind == kindInserted)
      c.FirstChars += first, ++c.FirstChunks;
    else
      c.SecondChars += second, ++c.SecondChunks;
  }
  c.IgnoredChars = FIgnoredBytes;
  return c;
}

// A shared piece as runs of the same bytes and runs of ignored differences, cut only between
// whole characters. Between the places where either form's mapping moves, compared bytes stand
// one to one in both texts, so long stretches are compared at memcmp speed; the last character
// before such a place may stand for more (a CR LF, a run of blanks, a folded letter) and is
// compared whole.
void TVOriginalPieces::AddShared(std::size_t firstFrom, std::size_t secondFrom,
                                 std::size_t length) {
  const std::string_view a = FFirst.OriginalOf(firstFrom, length),
                         b = FSecond.OriginalOf(secondFrom, length);
  if (a == b) {
    AddShown(FShowSecond ? b : a, kindEqual);
    return;
  }
  const std::string_view form = FFirst.Form->Form().substr(firstFrom, length);
  const auto continues = [&](std::size_t at) {
    return FUtf8 && at < length && IsUtf8Continuation(static_cast<unsigned char>(form[at]));
  };
  for (std::size_t k = 0; k < length;) {
    std::size_t end = std::min({FFirst.Walk.NextMove(firstFrom + k) - firstFrom,
                                FSecond.Walk.NextMove(secondFrom + k) - secondFrom, length});
    std::size_t last = end - 1;
    while (last > k && continues(last))
      --last;
    while (continues(end))
      ++end;
    AddOneToOne(FFirst.OriginalOf(firstFrom + k, last - k),
                FSecond.OriginalOf(secondFrom + k, last - k));
    const std::string_view lastA = FFirst.OriginalOf(firstFrom + last, end - last),
                           lastB = FSecond.OriginalOf(secondFrom + last, end - last);
    AddRun(lastA, lastB, lastA == lastB ? kindEqual : kindIgnored);
    k = end;
  }
  FlushRun();
}

// Bytes that stand one to one: they differ only inside letters that fold alike, each of which
// goes whole with its difference.
void TVOriginalPieces::AddOneToOne(std::string_view a, std::string_view b) {
  const auto continuation = [&](std::size_t at) {
    return FUtf8 && at < a.size() && IsUtf8Continuation(static_cast<unsigned char>(a[at]));
  };
  for (std::size_t j = 0; j < a.size();) {
    const std::size_t differ = j + CommonPrefix(a.substr(j), b.substr(j));
    if (differ == a.size()) {
      AddRun(a.substr(j), b.substr(j), kindEqual);
      return;
    }
    std::size_t from = differ, to = differ + 1;
    while (from > j && continuation(from))
      --from;
    while (continuation(to))
      ++to;
    AddRun(a.substr(j, from - j), b.substr(j, from - j), kindEqual);
    AddRun(a.substr(from, to - from), b.substr(from, to - from), kindIgnored);
    j = to;
  }
}

void TVOriginalPieces::AddRun(std::string_view a, std::string_view b, std::int32_t kind) {
  if (a.empty() && b.empty())
    return;
  if (FRun.Kind != kind) {
    FlushRun();
    FRun = {a.data(), b.data(), 0, 0, kind};
  }
  FRun.FirstBytes += a.size(), FRun.SecondBytes += b.size();
}

void TVOriginalPieces::FlushRun() {
  if (FRun.Kind >= 0)
    AddShown(FShowSecond ? std::string_view(FRun.Second, FRun.SecondBytes)
                         : std::string_view(FRun.First, FRun.FirstBytes),
             FRun.Kind);
  FRun = {};
}
