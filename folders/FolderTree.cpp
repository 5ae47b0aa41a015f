#include "FolderTree.h"

#include <algorithm>
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

void TFolderTree::Settled(std::uint32_t entry, TSettled settled) {
  TFolderEntry &e = FEntries[entry];
  --FCounts[static_cast<std::size_t>(e.State)];
  ++FCounts[static_cast<std::size_t>(settled.State)];
  e.State = settled.State;
  e.Reason = std::move(settled.Reason);
  if (settled.Opened) {
    e.New.Size = settled.NewSize, e.New.Modified = settled.NewModified, e.New.Stated = true;
    e.Old.Size = settled.OldSize, e.Old.Modified = settled.OldModified, e.Old.Stated = true;
  }
  if (Differs(e.State))
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

bool TFolderTree::IsDifferentFile(std::uint32_t entry) const {
  const TFolderEntry &e = FEntries[entry];
  return (e.State == TFolderState::Different) ||
         (e.State == TFolderState::OnlyNew && e.New.Kind == TEntryKind::File) ||
         (e.State == TFolderState::OnlyOld && e.Old.Kind == TEntryKind::File);
}

std::vector<std::uint32_t> TFolderTree::ShownOrder() const {
  std::vector<std::uint32_t> order, stack;
  order.reserve(FEntries.size());
  const auto push = [&](std::uint32_t parent) {
    const std::uint32_t first = FirstChild(parent);
    const auto count = static_cast<std::uint32_t>(Children(parent).size());
    for (std::uint32_t k = count; k-- > 0;)
      stack.push_back(first + k);
  };
  push(kNoEntry);
  while (!stack.empty()) {
    const std::uint32_t entry = stack.back();
    stack.pop_back();
    order.push_back(entry);
    push(entry);
  }
  return order;
}

std::uint32_t TFolderTree::StepToDifferentFile(std::uint32_t from, int direction) const {
  const std::vector<std::uint32_t> order = ShownOrder();
  const auto n = static_cast<std::ptrdiff_t>(order.size());
  const auto at = std::find(order.begin(), order.end(), from);
  std::ptrdiff_t k = at == order.end() ? (direction > 0 ? -1 : n) : at - order.begin();
  for (k += direction; k >= 0 && k < n; k += direction)
    if (IsDifferentFile(order[static_cast<std::size_t>(k)]))
      return order[static_cast<std::size_t>(k)];
  return kNoEntry;
}
