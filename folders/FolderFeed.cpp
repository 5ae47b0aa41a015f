#include "FolderFeed.h"

#include <algorithm>
#include <iterator>
#include <utility>

void TFolderFeed::Listed(std::uint32_t parent, std::vector<TFolderEntry> entries) {
  const std::lock_guard lock(FLock);
  FEvents.push_back({parent, std::move(entries), {}, true});
}

void TFolderFeed::Settled(std::uint32_t entry, TSettled settled) {
  const std::lock_guard lock(FLock);
  FEvents.push_back({entry, {}, std::move(settled), false});
}

bool TFolderFeed::PassOn(TFolderSink &to, const std::function<bool()> &enough) {
  {
    const std::lock_guard lock(FLock);
    std::move(FEvents.begin(), FEvents.end(), std::back_inserter(FTaking));
    FEvents.clear();
  }
  while (!FTaking.empty()) {
    TEvent e = std::move(FTaking.front());
    FTaking.pop_front();
    if (e.Listing)
      to.Listed(e.Entry, std::move(e.Listed));
    else
      to.Settled(e.Entry, std::move(e.Settled));
    if (enough())
      return !FTaking.empty();
  }
  return false;
}
