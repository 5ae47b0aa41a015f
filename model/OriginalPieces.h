// The pieces of a comparison of two texts' compared forms, turned back into the original bytes
// they stand for. A shared piece has two originals, one per file, which may differ in what the
// forms look past: it shows the bytes of one file, as runs of the same bytes (kind 0) and runs
// where the two files' bytes differ (kind 4, an ignored difference), never cutting a UTF-8
// character. A piece only one file has shows that file's bytes. A text whose form is empty (all
// of it looked past) stands in a shared piece of its own at the end, beside nothing of the other.
#pragma once

#include "CharacterPieces.h"
#include "ComparedText.h"
#include "LineModel.h"
#include "VClasses.h"

#include <cstdint>
#include <string_view>
#include <vector>

// One piece of the compared forms with the length of its original bytes in each file (0 where
// the piece is not in that file).
struct TVOriginalSpan {
  std::int32_t Kind = 0;
  std::size_t FirstBytes = 0, SecondBytes = 0;
  bool operator==(const TVOriginalSpan &) const = default;
};

// One text and its compared form.
struct TVFormSide {
  std::string_view Text;
  const TComparedText *Form = nullptr;
};

class TVOriginalPieces : public TVKindStringList {
public:
  // pieces: of the compared forms, kinds 0, 1 and 2 as the engine gives them. Shared pieces
  // show the second file's bytes when showSecond, else the first's. Views the texts.
  TVOriginalPieces(const TVKindStringList &pieces, const TVFormSide &first,
                   const TVFormSide &second, bool showSecond, bool utf8);

  const std::vector<TVOriginalSpan> &Spans() const { return FSpans; }
  // The counters of the pieces, equal ones by the bytes shown; ignored ones are the bytes shown
  // in runs of kind 4.
  TVPieceCounts Counts() const;

private:
  void AddShared(std::size_t firstFrom, std::size_t secondFrom, std::size_t length);
  void AddOneToOne(std::string_view a, std::string_view b);
  void AddRun(std::string_view a, std::string_view b, std::int32_t kind);
  void FlushRun();
  void AddShown(std::string_view text, std::int32_t kind);
  void AddLeftOver();

  // A text with its form, looked up along the way the pieces go.
  struct TSide {
    explicit TSide(const TVFormSide &side);
    // The original bytes of compared bytes [from, from + length).
    std::string_view OriginalOf(std::size_t from, std::size_t length);

    std::string_view Text;
    const TComparedText *Form;
    TComparedText::TWalk Walk;
  };

  TSide FFirst, FSecond;
  bool FShowSecond = false, FUtf8 = false;
  // A run of shared text being collected, as it is in each file.
  struct TRun {
    const char *First = nullptr, *Second = nullptr;
    std::size_t FirstBytes = 0, SecondBytes = 0;
    std::int32_t Kind = -1;
  } FRun;
  std::vector<TVOriginalSpan> FSpans;
  std::int32_t FIgnoredBytes = 0;
};
