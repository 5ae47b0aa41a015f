// One file of a comparison: its name, how reading it went, and its bytes, held for as long as
// the comparison lives.
#pragma once

#include "FileText.h"
#include "MappedFile.h"

#include <cstdint>
#include <memory>
#include <stop_token>
#include <string>
#include <string_view>

// How the bytes are held: a copy, for a window that keeps showing them while the file may change
// on disk; or the file mapped into memory, for a command that reads it once and soon, and which
// also reads a pipe or "-" (standard input) to its end, as commands do.
enum class TReadMode : std::uint8_t { Copy, Map };

class TComparedFile {
public:
  // A file that was not named: an empty text, and nothing to report.
  TComparedFile() = default;
  // Reads the named file. A failure leaves an empty text and says why in Status; so does a stop
  // request, with TLoadError::Stopped.
  TComparedFile(std::string name, TReadMode mode, const std::stop_token &stop);

  const std::string &Name() const { return FName; }
  bool Named() const { return !FName.empty(); }
  // How reading went; OutOfMemory when there was no room for the copy.
  const TLoadStatus &Status() const { return FStatus; }
  bool OutOfMemory() const { return FOutOfMemory; }
  // Reading failed in a way worth telling the user (a stop is not one).
  bool Failed() const {
    return FOutOfMemory || (!FStatus.Ok() && FStatus.Error != TLoadError::Stopped);
  }
  std::string_view Text() const { return FMapped ? FMapped->Text() : std::string_view(FCopy); }

  // Whether the file still holds what Text showed all along: a mapped file is looked at again,
  // a copy is the copy. The status says why when not.
  TLoadStatus ConfirmUnchanged() const;

private:
  std::string FName;
  TLoadStatus FStatus;
  bool FOutOfMemory = false;
  std::string FCopy;
  std::unique_ptr<TMappedFile> FMapped;
};
