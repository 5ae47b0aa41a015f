// Whether two files hold the same bytes, read in large slices side by side and given up at the
// first difference; or, where a comparison looks past line ends, spaces or letter case, whether
// they read alike.
#pragma once

#include "ComparedForm.h"
#include "FolderEntry.h"

#include <atomic>
#include <cstdint>
#include <stop_token>
#include <string>
#include <vector>

struct TSameAnswer {
  TFolderState State = TFolderState::Identical; // Identical, Different or Unreadable
  std::string Reason;
};

class TSameFiles {
public:
  // bytes: where the bytes read are counted as they are.
  explicit TSameFiles(const TIgnoreChoices &ignore, std::atomic<std::uint64_t> *bytes = nullptr);

  // The two files as they are when read: a file that grew or shrank since it was listed is
  // compared as read, never called identical for its listed size. After a stop the answer
  // means nothing.
  TSameAnswer Compare(const std::string &newPath, const std::string &oldPath,
                      const std::stop_token &stop);

private:
  TSameAnswer SameBytes(const std::string &newPath, const std::string &oldPath,
                        const std::stop_token &stop);
  TSameAnswer ReadAlike(const std::string &newPath, const std::string &oldPath,
                        const std::stop_token &stop);

  TIgnoreChoices FIgnore;
  std::atomic<std::uint64_t> *FBytes;
  std::vector<char> FNew, FOld; // one slice of each file, kept from pair to pair
};
