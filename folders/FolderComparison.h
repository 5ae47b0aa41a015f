// A comparison of two folders: both are walked, every name found in either becomes an entry,
// and pairs of files of one size are compared byte for byte. Toolkit-free; it runs on whatever
// thread calls it, hands its entries to a sink as it goes and looks at a stop request between
// any two entries and every slice of a file read.
#pragma once

#include "ComparedForm.h"
#include "FolderSink.h"

#include <atomic>
#include <cstdint>
#include <stop_token>
#include <string>
#include <vector>

struct TFolderChoices {
  std::vector<std::string> Exclude; // glob patterns matched against each name
  TIgnoreChoices Ignore;            // files that read alike in all but these are identical
};

// How far a run has gone, read from another thread while it runs.
struct TFolderProgress {
  std::atomic<std::uint64_t> Entries{0}; // names listed
  std::atomic<std::uint64_t> Bytes{0};   // bytes of files read
};

// The new folder against the old one: the entries of each folder are listed first, in full, the
// pairs of files compared after. Files of different sizes differ without being read (where a
// comparison looks past nothing), a file on one side only is never read, nothing is written.
// Empty when both are folders; else what is wrong with them, and nothing is listed.
std::string CompareFolders(const std::string &newFolder, const std::string &oldFolder,
                           const TFolderChoices &choices, TFolderSink &sink,
                           const std::stop_token &stop = {}, TFolderProgress *progress = nullptr);
