#include "FolderFeed.h"

#include <utility>

void TFolderFeed::Listed(std::uint32_t parent, std::vector<TFolderEntry> entries) {
  const std::lock_guard lock(FLock);
  FEvents.push_back({parent, std::move(entries), TFolderState::Pending, {}, true});
}

void TFolderFeed::Settled(std::uint32_t entry, TFolderState state, std::string reason) {
  const std::lock_guard lock(FLock);
  FEvents.push_back({entry, {}, state, std::move(reason), false});
}

void TFolderFeed::PassOn(TFolderSink &to) {
  std::vector<TEvent> events;
  {
    const std::lock_guard lock(FLock);
    events.swap(FEvents);
  }
  for (TEvent &e : events) {
    if (e.Listing)
      to.Listed(e.Entry, std::move(e.Listed));
    else
      to.Settled(e.Entry, e.State, std::move(e.Reason));
  }
}
