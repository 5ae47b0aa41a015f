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

class TSameFiles {
public:
  // bytes: where the bytes read are counted as they are.
  explicit TSameFiles(const TIgnoreChoices &ignore, std::atomic<std::uint64_t> *bytes = nullptr);

  // The two files as they are when opened (Identical, Different or Unreadable, with their sizes
  // and times): a file that grew or shrank since it was listed is compared as it is then, and
  // one that ends before its size is read is not called identical. After a stop the answer
  // means nothing.
  TSettled Compare(const std::string &newPath, const std::string &oldPath,
                   const std::stop_token &stop);

private:
  TSettled SameBytes(const std::string &newPath, const std::string &oldPath,
                     const std::stop_token &stop);
  TSettled FormsAlike(const std::string &newPath, const std::string &oldPath,
                      const std::stop_token &stop);

  TIgnoreChoices FIgnore;
  std::atomic<std::uint64_t> *FBytes;
  std::vector<char> FNew, FOld; // one slice of each file, kept from pair to pair
};
