#include "SameFiles.h"

#include "ComparedFile.h"
#include "Encoding.h"
#include "FileHandle.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kSlice = std::size_t{1} << 20;

TSettled Unreadable() {
  return UnreadableBecause(std::strerror(errno));
}

} // namespace

TSameFiles::TSameFiles(const TIgnoreChoices &ignore, std::atomic<std::uint64_t> *bytes)
    : FIgnore(ignore), FBytes(bytes) {}

TSettled TSameFiles::Compare(const std::string &newPath, const std::string &oldPath,
                             const std::stop_token &stop) {
  TSettled answer = SameBytes(newPath, oldPath, stop);
  if (answer.State == TFolderState::Different && FIgnore.Any()) {
    TSettled alike = FormsAlike(newPath, oldPath, stop); // with the sizes and times as opened
    answer.State = alike.State;
    answer.Reason = std::move(alike.Reason);
  }
  return answer;
}

// The sizes the two open files have now decide first; then their bytes, a slice at a time. A
// file that ends before its size was read has changed: it is not called identical.
TSettled TSameFiles::SameBytes(const std::string &newPath, const std::string &oldPath,
                               const std::stop_token &stop) {
  const FileHandle a(::open(newPath.c_str(), O_RDONLY | O_CLOEXEC)),
      b(::open(oldPath.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat sa {
  }, sb{};
  if (a.Fd() < 0 || b.Fd() < 0 || ::fstat(a.Fd(), &sa) != 0 || ::fstat(b.Fd(), &sb) != 0)
    return Unreadable();
  TSettled answer{TFolderState::Different,
                  {},
                  true,
                  static_cast<std::uint64_t>(sa.st_size),
                  static_cast<std::uint64_t>(sb.st_size),
                  sa.st_mtim.tv_sec,
                  sb.st_mtim.tv_sec};
  if (sa.st_size != sb.st_size)
    return answer;
  auto left = static_cast<std::uint64_t>(sa.st_size);
  if (left > kSlice) // worth the call only where more than one slice is read
    for (const FileHandle *file : {&a, &b})
      ::posix_fadvise(file->Fd(), 0, 0, POSIX_FADV_SEQUENTIAL);
  FNew.resize(kSlice);
  FOld.resize(kSlice);
  while (left > 0) {
    if (stop.stop_requested())
      return answer;
    const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(left, kSlice));
    const std::int64_t got = ReadUpTo(a.Fd(), FNew.data(), want),
                       other = ReadUpTo(b.Fd(), FOld.data(), want);
    if (got < 0 || other < 0)
      return Unreadable();
    if (FBytes)
      *FBytes += static_cast<std::uint64_t>(got + other);
    if (got != static_cast<std::int64_t>(want) || other != got ||
        std::memcmp(FNew.data(), FOld.data(), want) != 0)
      return answer;
    left -= want;
  }
  answer.State = TFolderState::Identical;
  return answer;
}

// Both files whole, as the file comparison reads them, the encoding found as it finds it.
TSettled TSameFiles::FormsAlike(const std::string &newPath, const std::string &oldPath,
                                const std::stop_token &stop) {
  const TComparedFile a(newPath, TReadMode::Copy, stop), b(oldPath, TReadMode::Copy, stop);
  for (const TComparedFile *file : {&a, &b})
    if (file->Failed())
      return UnreadableBecause(LoadErrorMessage(file->Name(), file->Status()));
  TFormOptions options;
  static_cast<TIgnoreChoices &>(options) = FIgnore;
  const TVEncoding encoding = DetectEncoding(a.Text(), b.Text(), stop);
  options.Utf8 = encoding == TVEncoding::Utf8;
  options.Page = CodePageOf(encoding);
  const bool alike =
      ReadAlike(a.Text(), b.Text(), SharedStart(a.Text(), b.Text(), stop), options, stop);
  TSettled answer;
  answer.State = alike ? TFolderState::Identical : TFolderState::Different;
  return answer;
}
