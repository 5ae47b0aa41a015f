// A text in its compared form, kept with the way back to the original bytes: where the form was
// asked to look past line ends, spaces or letter case, the engine compares the forms and every
// piece it finds stands for the original bytes of its span.
#pragma once

#include "ComparedForm.h"
#include "RawBuffer.h"

#include <cstddef>
#include <cstdint>
#include <stop_token>
#include <string_view>

class TComparedText {
public:
  // The form of text under the options; a stop request is looked at every megabyte and leaves
  // the form cut short.
  TComparedText(std::string_view text, const TFormOptions &options,
                const std::stop_token &stop = {});

  std::string_view Form() const { return {FForm.Data(), FFormSize}; }
  // Where the original bytes of the compared byte at `at` begin; the text's end at the form's end.
  // The original bytes of a run of compared bytes [from, to) are [Original(from), Original(to)):
  // the bytes dropped before a compared byte are its own, those after the last one the last's.
  // A run begins and ends on whole characters: inside a folded character the bytes stand one
  // to one in the character's own.
  std::size_t Original(std::size_t at) const {
    std::size_t from = 0;
    return Original(at, from);
  }
  // The first compared byte after `at` where the mapping moves (the form's end when none does):
  // up to it, compared byte `at` + k stands at Original(at) + k.
  std::size_t NextMove(std::size_t at) const {
    std::size_t from = 0;
    return NextMove(at, from);
  }

  // Lookups along the form, mostly forward, as turning pieces back into the original bytes
  // makes them: each starts from the anchor the last one found, so a walk over the whole form
  // costs little more than its anchors. A walk of its own per reader: the text stays unchanged.
  class TWalk {
  public:
    explicit TWalk(const TComparedText &text) : FText(&text) {}
    std::size_t Original(std::size_t at) { return FText->Original(at, FAnchor); }
    std::size_t NextMove(std::size_t at) { return FText->NextMove(at, FAnchor); }

  private:
    const TComparedText *FText;
    std::size_t FAnchor = 0;
  };

private:
  std::size_t Original(std::size_t at, std::size_t &anchor) const;
  std::size_t NextMove(std::size_t at, std::size_t &anchor) const;
  // The last anchor at or before compared byte `at`, looked for from anchor `from` on (or before
  // it, when `at` lies there).
  std::size_t AnchorOf(std::size_t at, std::size_t from) const;

  // Where the form's mapping to the original bytes changes: from the compared byte At on, byte
  // At + k stands at Original + k, up to the next anchor.
  struct TAnchor {
    std::uint32_t At, Original; // texts stay below 4 GiB
  };

  TRawBuffer<char> FForm;
  std::size_t FFormSize = 0;
  TRawBuffer<TAnchor> FAnchors;
  std::size_t FAnchorCount = 0;
  std::size_t FSize; // of the original text
};
