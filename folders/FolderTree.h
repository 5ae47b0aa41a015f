// The entries of a comparison of two folders as they come in, with what follows from them: which
// folders have something below them that differs, and how many entries are in each state.
#pragma once

#include "FolderSink.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

class TFolderTree : public TFolderSink {
public:
  void Listed(std::uint32_t parent, std::vector<TFolderEntry> entries) override;
  void Settled(std::uint32_t entry, TSettled settled) override;

  const std::vector<TFolderEntry> &Entries() const { return FEntries; }
  const TFolderEntry &operator[](std::uint32_t index) const { return FEntries[index]; }
  // The entries of a folder once listed; kNoEntry: those of the two folders themselves.
  std::span<const TFolderEntry> Children(std::uint32_t parent) const;
  std::uint32_t FirstChild(std::uint32_t parent) const {
    return parent == kNoEntry ? 0 : FEntries[parent].FirstChild;
  }
  // How many entries are in each state (a folder with differences below counts as a folder).
  int Count(TFolderState state) const { return FCounts[static_cast<std::size_t>(state)]; }
  // Whether anything in the two folders differs.
  bool AnyDifference() const;
  // The next (direction 1) or the one before (-1) of the files that differ (two that differ, or
  // one on one side only) from `from`, in the order a tree shows its entries: each folder's
  // entries below it. From kNoEntry, the first or the last; kNoEntry when there is none.
  std::uint32_t StepToDifferentFile(std::uint32_t from, int direction) const;
  // Whether an entry is such a file.
  bool IsDifferentFile(std::uint32_t entry) const;

private:
  void MarkAbove(std::uint32_t entry);
  // Every entry listed, each folder's entries right after it.
  std::vector<std::uint32_t> ShownOrder() const;

  std::vector<TFolderEntry> FEntries;
  std::uint32_t FTopCount = 0;
  std::array<int, kFolderStates> FCounts{};
};
