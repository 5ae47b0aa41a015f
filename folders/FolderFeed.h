// What a folder comparison on another thread hands out, kept until the thread that shows it
// takes it: the comparison never waits for the window, and the window takes a batch at a time.
#pragma once

#include "FolderSink.h"

#include <mutex>
#include <vector>

class TFolderFeed : public TFolderSink {
public:
  void Listed(std::uint32_t parent, std::vector<TFolderEntry> entries) override;
  void Settled(std::uint32_t entry, TFolderState state, std::string reason) override;

  // Hands everything handed out since the last time to another sink, in the order it came.
  void PassOn(TFolderSink &to);

private:
  struct TEvent {
    std::uint32_t Entry; // the parent of a listing, or the entry settled
    std::vector<TFolderEntry> Listed;
    TFolderState State = TFolderState::Pending;
    std::string Reason;
    bool Listing = false;
  };
  std::mutex FLock;
  std::vector<TEvent> FEvents;
};
