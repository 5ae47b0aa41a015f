// What a folder comparison on another thread hands out, kept until the thread that shows it
// takes it: the comparison never waits for the window, and the window takes a batch at a time.
#pragma once

#include "FolderSink.h"

#include <deque>
#include <functional>
#include <mutex>
#include <vector>

class TFolderFeed : public TFolderSink {
public:
  void Listed(std::uint32_t parent, std::vector<TFolderEntry> entries) override;
  void Settled(std::uint32_t entry, TSettled settled) override;

  // Hands what was handed out since the last time to another sink, in the order it came, until
  // enough answers true (asked after each piece); true when some is left for the next time.
  bool PassOn(
      TFolderSink &to, const std::function<bool()> &enough = [] { return false; });

private:
  struct TEvent {
    std::uint32_t Entry; // the parent of a listing, or the entry settled
    std::vector<TFolderEntry> Listed;
    TSettled Settled;
    bool Listing = false;
  };
  std::mutex FLock;
  std::vector<TEvent> FEvents; // handed out, under the lock
  std::deque<TEvent> FTaking;  // taken from them, for the thread that passes them on
};
