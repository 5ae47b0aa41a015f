#include "SameFiles.h"

#include "ComparedFile.h"
#include "Encoding.h"
#include "FileHandle.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::size_t kSlice = std::size_t{1} << 20;

TSameAnswer Unreadable() {
  return {TFolderState::Unreadable, std::strerror(errno)};
}

} // namespace

TSameFiles::TSameFiles(const TIgnoreChoices &ignore, std::atomic<std::uint64_t> *bytes)
    : FIgnore(ignore), FBytes(bytes) {}

TSameAnswer TSameFiles::Compare(const std::string &newPath, const std::string &oldPath,
                                const std::stop_token &stop) {
  const TSameAnswer bytes = SameBytes(newPath, oldPath, stop);
  if (bytes.State != TFolderState::Different || !FIgnore.Any())
    return bytes;
  return ReadAlike(newPath, oldPath, stop);
}

TSameAnswer TSameFiles::SameBytes(const std::string &newPath, const std::string &oldPath,
                                  const std::stop_token &stop) {
  const FileHandle a(::open(newPath.c_str(), O_RDONLY | O_CLOEXEC)),
      b(::open(oldPath.c_str(), O_RDONLY | O_CLOEXEC));
  if (a.Fd() < 0 || b.Fd() < 0)
    return Unreadable();
  for (const FileHandle *file : {&a, &b})
    ::posix_fadvise(file->Fd(), 0, 0, POSIX_FADV_SEQUENTIAL);
  FNew.resize(kSlice);
  FOld.resize(kSlice);
  while (!stop.stop_requested()) {
    const std::int64_t got = ReadUpTo(a.Fd(), FNew.data(), kSlice),
                       other = ReadUpTo(b.Fd(), FOld.data(), kSlice);
    if (got < 0 || other < 0)
      return Unreadable();
    if (FBytes)
      *FBytes += static_cast<std::uint64_t>(got + other);
    if (got != other || std::memcmp(FNew.data(), FOld.data(), static_cast<std::size_t>(got)) != 0)
      return {TFolderState::Different, {}};
    if (got == 0)
      return {TFolderState::Identical, {}};
  }
  return {TFolderState::Different, {}};
}

// Both files whole, as the file comparison reads them, the encoding found as it finds it.
TSameAnswer TSameFiles::ReadAlike(const std::string &newPath, const std::string &oldPath,
                                  const std::stop_token &stop) {
  const TComparedFile a(newPath, TReadMode::Copy, stop), b(oldPath, TReadMode::Copy, stop);
  for (const TComparedFile *file : {&a, &b})
    if (file->Failed())
      return {TFolderState::Unreadable, LoadErrorMessage(file->Name(), file->Status())};
  TFormOptions options;
  static_cast<TIgnoreChoices &>(options) = FIgnore;
  const TVEncoding encoding = DetectEncoding(a.Text(), b.Text(), stop);
  options.Utf8 = encoding == TVEncoding::Utf8;
  options.Page = CodePageOf(encoding);
  const bool alike =
      ::ReadAlike(a.Text(), b.Text(), SharedStart(a.Text(), b.Text(), stop), options, stop);
  return {alike ? TFolderState::Identical : TFolderState::Different, {}};
}
