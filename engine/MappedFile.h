// A compared file mapped into memory instead of copied: for a caller that reads it once and
// soon (the terminal command), where the copy would cost more than the comparison.
#pragma once

#include "FileText.h"

#include <cstdint>
#include <string>
#include <string_view>

class TMappedFile : public TLoadStatus {
public:
  // Maps the file read-only, after the same checks LoadFileText makes. On failure the status
  // says why and Text is empty.
  explicit TMappedFile(const std::string &fileName);
  // No file at all, read as an empty text: the side git names /dev/null for a file that is
  // added or deleted.
  TMappedFile() = default;
  TMappedFile(const TMappedFile &) = delete;
  TMappedFile &operator=(const TMappedFile &) = delete;
  ~TMappedFile();

  // The file's bytes, valid while this object lives. A part of the file cut off after it was
  // mapped reads as zeros.
  std::string_view Text() const { return {FData, FSize}; }

  // Whether the file still holds what Text showed all along. When it does not, the status says
  // so and whatever was made of Text should be thrown away.
  bool ConfirmUnchanged();

private:
  int FFd = -1;
  TFileStamp FStamp;
  const char *FData = "";
  std::size_t FSize = 0;
  bool FMapped = false;
  int FGuard = -1;
  std::string FCopy; // the bytes, where the file system cannot map the file
};
