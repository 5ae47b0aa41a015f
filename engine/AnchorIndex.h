// An index of the places in a text where content alone marks an anchor, for finding the
// leftmost occurrence of long blocks without scanning the text for each of them.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

// A place is an anchor when the rolling hash of the 64 bytes ending there has its top bits
// clear: about one place in 32. Whether a place is an anchor depends only on those 64 bytes, so
// wherever a block occurs, the text has an anchor at each of the block's own anchors, with the
// same hash. The index lists the text's anchors by hash, in text order; the entries of one of
// the block's anchors are thus all the candidate places of the block, leftmost first.
class TAnchorIndex {
public:
  // Blocks shorter than this often hold no anchor and are left to a scan.
  static constexpr std::size_t kMinBlock = 256;
  // The bytes an anchor's hash depends on: it forgets a byte after 64 shifts.
  static constexpr std::size_t kWindow = 64;

  // onIdle, when set, is called after every megabyte of text hashed. The two variants hash with
  // unrelated tables, so a block that holds no anchor of one most likely holds some of the other.
  TAnchorIndex(std::string_view text, const std::function<void()> &onIdle, unsigned variant = 0);

  // False when the text repeats itself so much that the index was given up.
  bool Usable() const { return FComplete; }

  // The places (window ends, in order) of another text's anchors whose 64-byte windows occur
  // nowhere in this index's text. A block that holds one of these windows cannot occur in this
  // text: wherever it occurred, the window would occur too, as an anchor with the same key.
  std::vector<std::uint32_t> Missing(std::string_view text,
                                     const std::function<void()> &onIdle) const;

  // The leftmost occurrence of block in text.substr(from, length), relative to from, or npos.
  // No answer (std::nullopt) when the block has no anchor, or only ones that are everywhere in
  // the range, or the text repeats itself so much that the index was given up: a scan does
  // better there.
  std::optional<std::size_t> FindLeftmost(std::string_view block, std::size_t from,
                                          std::size_t length) const;

private:
  struct TEntry {
    std::uint32_t Place; // where the anchor's window ends, inclusive
    std::uint32_t Key;   // hash bits below the anchor bits: bucket and check
  };
  struct Candidates {
    const TEntry *First = nullptr;
    const TEntry *Last = nullptr;
    std::uint32_t Key = 0;
    std::size_t Offset = 0; // of the anchor in the block
  };

  std::uint32_t KeySlot(std::uint32_t key) const; // the key's bit in FKeySet
  Candidates Lookup(std::uint64_t hash, std::size_t offset, std::size_t low,
                    std::size_t high) const;
  // Hands the anchors of text to sink a megabyte of text at a time, calling onIdle after each,
  // until sink returns false; false then.
  template <typename Sink>
  bool ForEachStretch(std::string_view text, const std::function<void()> &onIdle,
                      Sink &&sink) const;

  std::string_view FText;
  const std::array<std::uint64_t, 256> *FGear;
  bool FComplete = true; // false: given up, every answer is left to a scan
  int FBucketBits = 0;
  std::vector<std::uint32_t> FBucketStart; // bucket k holds [FBucketStart[k], FBucketStart[k+1])
  std::vector<TEntry> FEntries;
  int FKeyBits = 0;
  std::vector<std::uint64_t> FKeySet; // bit k: some key has the top FKeyBits bits k
};
