// One entry of a comparison of two folders: a name found in either, what it is on each side and
// what the comparison made of it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

// What a name is in one folder.
enum class TEntryKind : std::uint8_t {
  Missing,    // not in this folder
  File,       // a regular file, or a link to one
  Folder,     // a folder itself; a link to a folder is never entered and is Special
  Special,    // a FIFO, a device, a socket, a link to a folder or to nothing: never opened
  Unreadable, // what it is could not be learned
};

enum class TFolderState : std::uint8_t {
  Pending,    // two files of one size, not compared yet
  Identical,  // the same bytes (or alike in all that the comparison looks past)
  Different,  // two files whose bytes differ
  OnlyNew,    // in the new folder only
  OnlyOld,    // in the old folder only
  Folder,     // a folder in both: whether anything below differs is its own flag
  NotRegular, // not two regular files: a special file, or a file against a folder
  Unreadable, // a file or a folder that could not be read; Reason says why
};
constexpr int kFolderStates = 8;

struct TEntrySide {
  TEntryKind Kind = TEntryKind::Missing;
  // Size and Modified are known: a file of a pair is listed without them, which opening it for
  // the comparison learns.
  bool Stated = true;
  std::uint64_t Size = 0;
  std::int64_t Modified = 0; // seconds since 1970
  // For Special: what it is ("FIFO", "link to nothing", ...); for Unreadable: the system's reason.
  std::string Special;
};

constexpr std::uint32_t kNoEntry = UINT32_MAX;

struct TFolderEntry {
  std::string Path; // from the two folders, '/' between names, the names' own bytes
  std::uint32_t Parent = kNoEntry;
  // A folder's entries once it is listed: they follow one another in the comparison's list.
  std::uint32_t FirstChild = kNoEntry, ChildCount = 0;
  TEntrySide New, Old;
  TFolderState State = TFolderState::Pending;
  bool DiffersBelow = false; // a folder with something below it that is not identical
  std::string Reason;        // why it could not be compared

  std::string_view Name() const {
    const std::size_t slash = Path.rfind('/');
    return slash == std::string::npos ? std::string_view(Path)
                                      : std::string_view(Path).substr(slash + 1);
  }
};

// What settling an entry found: its state, why it could not be compared, and, when a pair of
// files was opened, the sizes and times they had then.
struct TSettled {
  TFolderState State = TFolderState::Pending;
  std::string Reason;
  bool Opened = false;
  std::uint64_t NewSize = 0, OldSize = 0;
  std::int64_t NewModified = 0, OldModified = 0;
};

inline TSettled UnreadableBecause(std::string reason) {
  TSettled settled;
  settled.State = TFolderState::Unreadable;
  settled.Reason = std::move(reason);
  return settled;
}

// Whether an entry in this state counts as a difference of the two folders.
inline bool Differs(TFolderState state) {
  return state != TFolderState::Pending && state != TFolderState::Identical &&
         state != TFolderState::Folder;
}
