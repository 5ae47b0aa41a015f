#include "MappedFile.h"

#include "MappingGuard.h"

#include <sys/mman.h>
#include <unistd.h>

TMappedFile::TMappedFile(const std::string &fileName) {
  FFd = OpenComparedFile(fileName, FStamp, *this);
  if (FFd < 0 || !ConfirmWhole(FFd, FStamp, *this) || FStamp.Size == 0)
    return; // nothing to map: mmap refuses an empty range
  const auto size = static_cast<std::size_t>(FStamp.Size);
  void *data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, FFd, 0);
  if (data == MAP_FAILED) {
    // Some file systems cannot map files; a copy does as well, only slower.
    ReadWhole(FFd, FStamp, FCopy, *this);
    FData = FCopy.data();
    FSize = FCopy.size();
    return;
  }
  FData = static_cast<const char *>(data);
  FSize = size;
  FMapped = true;
  FGuard = GuardMapping(FData, FSize);
}

TMappedFile::~TMappedFile() {
  UnguardMapping(FGuard);
  if (FMapped)
    ::munmap(const_cast<char *>(FData), FSize);
  if (FFd >= 0)
    ::close(FFd);
}

bool TMappedFile::ConfirmUnchanged() {
  if (!Ok() || FFd < 0)
    return Ok();
  if (MappingDamaged(FGuard)) {
    Error = TLoadError::Changed;
    Reason = kChangedWhileRead;
    return false;
  }
  return ConfirmWhole(FFd, FStamp, *this);
}
