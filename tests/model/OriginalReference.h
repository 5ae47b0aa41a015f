// What turning the pieces of two compared forms back into the files' own bytes must give,
// checked on any pair by the property test and the fuzz target: a reference that walks the forms
// a compared byte at a time as the reader gives them.
#pragma once

#include "CharacterPieces.h"
#include "ComparedText.h"
#include "OriginalPieces.h"
#include "VDiff.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using TEntries = std::vector<std::pair<std::int32_t, std::string>>;

inline TEntries EntriesOf(const TVKindStringList &list) {
  TEntries entries;
  for (int k = 0; k < list.Count(); ++k)
    entries.emplace_back(list.GetKind(k), std::string(list.Text(k)));
  return entries;
}

// Each compared byte's original bytes, as the reader gives them: the bytes of a folded character
// all carry its span; what is dropped at the end joins the last byte.
inline std::vector<std::pair<std::size_t, std::size_t>> ReaderSpans(std::string_view text,
                                                                    const TFormOptions &o) {
  std::vector<std::pair<std::size_t, std::size_t>> spans;
  TFormReader reader(text, o);
  while (reader.Next())
    spans.emplace_back(reader.SpanStart(), reader.SpanEnd());
  if (!spans.empty())
    spans.back().second = text.size();
  return spans;
}

struct TReference {
  TEntries Shown;
  std::vector<TVOriginalSpan> Spans;
};

// The rule itself: a piece stands for its bytes' spans; in a shared one, each compared byte whose
// two spans differ is an ignored difference, and under UTF-8 a character of the compared form
// with any of its bytes ignored goes whole.
inline TReference Reference(const TVKindStringList &pieces, std::string_view first,
                            std::string_view second, const TFormOptions &o, bool showSecond) {
  const auto spans1 = ReaderSpans(first, o), spans2 = ReaderSpans(second, o);
  TReference ref;
  std::size_t in1 = 0, in2 = 0;
  const auto range = [](const auto &spans, std::size_t from, std::size_t length) {
    return std::pair(spans[from].first, spans[from + length - 1].second);
  };
  for (int k = 0; k < pieces.Count(); ++k) {
    const std::int32_t kind = pieces.GetKind(k);
    const std::size_t length = pieces.Text(k).size();
    using TRange = std::pair<std::size_t, std::size_t>;
    const auto [s1, e1] = kind != kindDeleted ? range(spans1, in1, length) : TRange();
    const auto [s2, e2] = kind != kindInserted ? range(spans2, in2, length) : TRange();
    ref.Spans.push_back({kind, e1 - s1, e2 - s2});
    if (kind != kindEqual) {
      const std::string_view text =
          kind == kindInserted ? first.substr(s1, e1 - s1) : second.substr(s2, e2 - s2);
      ref.Shown.emplace_back(kind, std::string(text));
    } else {
      // Which compared bytes differ, a character of the form going whole under UTF-8.
      const std::string_view form = pieces.Text(k);
      std::vector<bool> differs(length);
      for (std::size_t i = 0; i < length; ++i) {
        const auto [a1, b1] = spans1[in1 + i];
        const auto [a2, b2] = spans2[in2 + i];
        differs[i] = first.substr(a1, b1 - a1) != second.substr(a2, b2 - a2);
      }
      for (std::size_t i = 0, next = 0; i < length; i = next) {
        next = i + 1;
        while (o.Utf8 && next < length && (static_cast<unsigned char>(form[next]) & 0xC0) == 0x80)
          ++next;
        const bool any =
            std::find(differs.begin() + i, differs.begin() + next, true) != differs.begin() + next;
        std::fill(differs.begin() + i, differs.begin() + next, any);
      }
      const std::string_view shownText = showSecond ? second : first;
      const std::size_t from = showSecond ? s2 : s1, to = showSecond ? e2 : e1;
      std::vector<std::int32_t> kinds(to - from, kindEqual);
      for (std::size_t i = 0; i < length; ++i) {
        const auto [as, bs] = showSecond ? spans2[in2 + i] : spans1[in1 + i];
        for (std::size_t p = as; p < bs && differs[i]; ++p)
          kinds[p - from] = kindIgnored;
      }
      for (std::size_t p = 0; p < kinds.size(); ++p) {
        if (p == 0 || kinds[p] != kinds[p - 1])
          ref.Shown.emplace_back(kinds[p], "");
        ref.Shown.back().second += shownText[from + p];
      }
    }
    in1 += kind != kindDeleted ? length : 0;
    in2 += kind != kindInserted ? length : 0;
  }
  // A text with nothing left in its form stands at the end on its own.
  const std::string_view a = spans1.empty() ? first : "", b = spans2.empty() ? second : "";
  if (!a.empty() || !b.empty()) {
    ref.Spans.push_back({kindEqual, a.size(), b.size()});
    if (!(showSecond ? b : a).empty())
      ref.Shown.emplace_back(a == b ? kindEqual : kindIgnored, std::string(showSecond ? b : a));
  }
  return ref;
}

// The engine's pieces of the two forms, whole characters under UTF-8, turned back both ways:
// empty when they are the reference's and the spans add up to the files' sizes; else what failed.
inline std::string OriginalPiecesFault(const std::string &first, const std::string &second,
                                       const TFormOptions &o) {
  const TComparedText form1(first, o), form2(second, o);
  TVDiff engine;
  engine.RunOn(form1.Form(), form2.Form());
  const TVCharacterPieces whole(engine);
  const TVKindStringList &pieces = o.Utf8 ? static_cast<const TVKindStringList &>(whole) : engine;
  for (const bool showSecond : {false, true}) {
    const std::string side = showSecond ? "showing the second file: " : "showing the first file: ";
    const TVOriginalPieces shown(pieces, {first, &form1}, {second, &form2}, showSecond, o.Utf8);
    const TReference ref = Reference(pieces, first, second, o, showSecond);
    if (EntriesOf(shown) != ref.Shown)
      return side + "the pieces shown are not the reference's";
    if (shown.Spans() != ref.Spans)
      return side + "the spans are not the reference's";
    std::size_t bytes1 = 0, bytes2 = 0;
    for (const TVOriginalSpan &span : shown.Spans())
      bytes1 += span.FirstBytes, bytes2 += span.SecondBytes;
    if (bytes1 != first.size() || bytes2 != second.size())
      return side + "the spans do not add up to the files";
  }
  return {};
}
