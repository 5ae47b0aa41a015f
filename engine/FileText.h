// Reading a compared file whole. Files are only ever read, never written.
#pragma once

#include <cstdint>
#include <stop_token>
#include <string>

enum class TLoadError : std::uint8_t {
  None,
  OpenFailed, // the file cannot be opened (missing, no permission, ...)
  NotRegular, // a directory, a pipe, a device: nothing with a size we can trust
  TooLarge,   // 2 GiB or more: the counts of a comparison are 32-bit
  ReadFailed, // the system failed the read
  Changed,    // the file shrank, grew or was written while it was read
  Stopped,    // a stop request came while the file was read: nothing to tell the user
};

struct TLoadStatus {
  TLoadError Error = TLoadError::None;
  std::string Reason;  // the system's words for the failure, if it gave any
  int ErrorNumber = 0; // the system's code for it (errno), 0 when the reason is our own

  bool Ok() const { return Error == TLoadError::None; }
};

struct TFileText : TLoadStatus {
  std::string Text; // the whole file when Error is None, else empty
};

// Largest file a comparison accepts, in bytes.
inline constexpr std::int64_t kMaxFileSize = 0x7FFFFFFF;

// A stop request is looked at between reads of a few megabytes.
TFileText LoadFileText(const std::string &fileName, std::stop_token stop = {});

// A pipe, a terminal or another stream read to its end, as a command reads its input: the name
// "-" is standard input. Nothing can tell whether it changed meanwhile.
TFileText LoadStream(const std::string &fileName, std::stop_token stop = {});

inline constexpr char kChangedWhileRead[] = "the file changed while it was read";

// What a file looked like when it was opened, to tell later whether it has changed since.
struct TFileStamp {
  std::int64_t Size = 0;
  std::int64_t ModifiedNs = 0; // time of the last write, nanoseconds since the epoch
};

// Opens a file for reading after the checks every reader shares: it must be a regular file
// below kMaxFileSize. Returns the descriptor (the caller closes it) and fills stamp, or returns
// -1 with status filled.
int OpenComparedFile(const std::string &fileName, TFileStamp &stamp, TLoadStatus &status);

// Reads the open file whole into text and confirms it did not change meanwhile; fills status
// and leaves text alone when that fails.
bool ReadWhole(int fd, const TFileStamp &stamp, std::string &text, TLoadStatus &status,
               const std::stop_token &stop = {});

// Whether the open file is still as stamped: same size, no write since, and nothing past the
// end (the size a regular file reports can lag behind its contents: files of /proc say 0).
// Fills status when not.
bool ConfirmWhole(int fd, const TFileStamp &stamp, TLoadStatus &status);

// What went wrong with which file, without the system's reason ("Cannot open file NAME").
std::string LoadErrorTitle(const std::string &fileName, const TLoadStatus &result);

// One line for the user that names the file and says what went wrong, with the reason.
std::string LoadErrorMessage(const std::string &fileName, const TLoadStatus &result);
