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

} // namespace

TComparedFile::TComparedFile(std::string name, TReadMode mode, const std::stop_token &stop)
    : FName(std::move(name)) {
  if (!Named() || IsNullDevice(FName))
    return;
  if (mode == TReadMode::Map) {
    FMapped = std::make_unique<TMappedFile>(FName);
    FStatus = *FMapped;
    return;
  }
  try {
    TFileText file = LoadFileText(FName, stop);
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
