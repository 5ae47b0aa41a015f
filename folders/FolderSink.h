// What a comparison of two folders hands out as it goes, so that a big tree fills in while it
// runs: the entries of each folder as it is listed, then each pair of files as it is compared.
#pragma once

#include "FolderEntry.h"

#include <cstdint>
#include <vector>

class TFolderSink {
public:
  virtual ~TFolderSink() = default;
  // The entries of a folder (kNoEntry: of the two folders compared), in the byte order of their
  // names; their indices follow those handed out before.
  virtual void Listed(std::uint32_t parent, std::vector<TFolderEntry> entries) = 0;
  // An entry handed out before, now settled: a pair of files compared, or a folder that could
  // not be listed.
  virtual void Settled(std::uint32_t entry, TSettled settled) = 0;
};
