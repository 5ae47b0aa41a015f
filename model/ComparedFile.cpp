#include "ComparedFile.h"

#include <new>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// git names /dev/null for the missing side of an added or deleted file, and people pass it for
// "nothing": the null device reads as an empty file, though it is no regular file.
bool IsNullDevice(const std::string &name) {
  struct stat info {};
  return ::stat(name.c_str(), &info) == 0 && S_ISCHR(info.st_mode) && ::major(info.st_rdev) == 1 &&
         ::minor(info.st_rdev) == 3;
}

// What a command reads to its end: standard input and a pipe (a process substitution's among
// them). A device is no stream: /dev/zero would never end.
bool IsStream(const std::string &name) {
  struct stat info {};
  return name == "-" || (::stat(name.c_str(), &info) == 0 && S_ISFIFO(info.st_mode));
}

} // namespace

TComparedFile::TComparedFile(std::string name, TReadMode mode, const std::stop_token &stop)
    : FName(std::move(name)) {
  if (!Named() || IsNullDevice(FName))
    return;
  const bool stream = mode == TReadMode::Map && IsStream(FName);
  if (mode == TReadMode::Map && !stream) {
    FMapped = std::make_unique<TMappedFile>(FName);
    FStatus = *FMapped;
    return;
  }
  try {
    TFileText file = stream ? LoadStream(FName, stop) : LoadFileText(FName, stop);
    FStatus = file;
    FCopy = std::move(file.Text);
  } catch (const std::bad_alloc &) {
    FOutOfMemory = true; // the comparison goes on with an empty text
  }
}

TLoadStatus TComparedFile::ConfirmUnchanged() const {
  if (!FMapped || !FStatus.Ok())
    return FStatus;
  FMapped->ConfirmUnchanged();
  return *FMapped;
}
