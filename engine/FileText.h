// Reading a compared file whole. Files are only ever read, never written.
#pragma once

#include <cstdint>
#include <string>

enum class TLoadError : std::uint8_t {
  None,
  OpenFailed, // the file cannot be opened (missing, no permission, ...)
  NotRegular, // a directory, a pipe, a device: nothing with a size we can trust
  TooLarge,   // 2 GiB or more: the counts of a comparison are 32-bit
  ReadFailed, // the system failed the read
  Changed,    // the file shrank or grew while it was read
};

struct TFileText {
  std::string Text; // the whole file when Error is None, else empty
  TLoadError Error = TLoadError::None;
  std::string Reason; // the system's words for the failure, if it gave any

  bool Ok() const { return Error == TLoadError::None; }
};

// Largest file a comparison accepts, in bytes.
inline constexpr std::int64_t kMaxFileSize = 0x7FFFFFFF;

TFileText LoadFileText(const std::string &fileName);

// What went wrong with which file, without the system's reason ("Cannot open file NAME").
std::string LoadErrorTitle(const std::string &fileName, const TFileText &result);

// One line for the user that names the file and says what went wrong, with the reason.
std::string LoadErrorMessage(const std::string &fileName, const TFileText &result);
