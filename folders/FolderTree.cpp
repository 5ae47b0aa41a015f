#include "FolderTree.h"

#include <utility>

void TFolderTree::Listed(std::uint32_t parent, std::vector<TFolderEntry> entries) {
  const auto first = static_cast<std::uint32_t>(FEntries.size());
  const auto count = static_cast<std::uint32_t>(entries.size());
  if (parent == kNoEntry)
    FTopCount = count;
  else
    FEntries[parent].FirstChild = first, FEntries[parent].ChildCount = count;
  for (TFolderEntry &entry : entries) {
    entry.Parent = parent;
    ++FCounts[static_cast<std::size_t>(entry.State)];
    FEntries.push_back(std::move(entry));
    if (Differs(FEntries.back().State))
      MarkAbove(static_cast<std::uint32_t>(FEntries.size() - 1));
  }
}

void TFolderTree::Settled(std::uint32_t entry, TFolderState state, std::string reason) {
  TFolderEntry &e = FEntries[entry];
  --FCounts[static_cast<std::size_t>(e.State)];
  ++FCounts[static_cast<std::size_t>(state)];
  e.State = state;
  e.Reason = std::move(reason);
  if (Differs(state))
    MarkAbove(entry);
}

// Each folder above a difference has one below it; the walk up stops at the first that knew.
void TFolderTree::MarkAbove(std::uint32_t entry) {
  for (std::uint32_t up = FEntries[entry].Parent; up != kNoEntry && !FEntries[up].DiffersBelow;
       up = FEntries[up].Parent)
    FEntries[up].DiffersBelow = true;
}

std::span<const TFolderEntry> TFolderTree::Children(std::uint32_t parent) const {
  if (parent == kNoEntry)
    return std::span(FEntries).first(FTopCount);
  const TFolderEntry &p = FEntries[parent];
  if (p.FirstChild == kNoEntry)
    return {};
  return std::span(FEntries).subspan(p.FirstChild, p.ChildCount);
}

bool TFolderTree::AnyDifference() const {
  for (int s = 0; s < kFolderStates; ++s)
    if (FCounts[static_cast<std::size_t>(s)] > 0 && Differs(static_cast<TFolderState>(s)))
      return true;
  return false;
}
