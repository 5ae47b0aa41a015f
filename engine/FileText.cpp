#include "FileText.h"

#include "FileHandle.h"
#include "HugePages.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

void Fail(TLoadStatus &status, TLoadError error, std::string reason) {
  status.Error = error;
  status.Reason = std::move(reason);
}

void Fail(TLoadStatus &status, TLoadError error, int errnum) {
  Fail(status, error, std::strerror(errnum));
  status.ErrorNumber = errnum;
}

constexpr std::int64_t kReadSlice = std::int64_t{8} << 20; // bytes between looks at a stop request

// Reads up to size bytes onto the end of text, a slice at a time; returns how many it got, or
// -1 with errno set, or -2 on a stop request.
std::int64_t ReadAll(int fd, std::string &text, std::int64_t size, const std::stop_token &stop) {
  text.reserve(static_cast<std::size_t>(size));
  AdviseHugePages(text.data(), text.capacity());
  std::int64_t done = 0;
  while (done < size) {
    if (stop.stop_requested())
      return -2;
    const std::int64_t want = std::min(size - done, kReadSlice);
    text.resize(static_cast<std::size_t>(done + want));
    const std::int64_t n = ReadUpTo(fd, text.data() + done, static_cast<std::size_t>(want));
    text.resize(static_cast<std::size_t>(done + std::max<std::int64_t>(n, 0)));
    if (n < 0)
      return -1;
    done += n;
    if (n < want)
      break; // the end of the file
  }
  return done;
}

TFileStamp Stamp(const struct stat &info) {
  return {info.st_size, std::int64_t{info.st_mtim.tv_sec} * 1'000'000'000 + info.st_mtim.tv_nsec};
}

} // namespace

std::int64_t ReadUpTo(int fd, char *into, std::size_t size) {
  std::size_t got = 0;
  while (got < size) {
    const ssize_t n = ::read(fd, into + got, size - got);
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0)
      return -1;
    if (n == 0)
      break;
    got += static_cast<std::size_t>(n);
  }
  return static_cast<std::int64_t>(got);
}

int OpenComparedFile(const std::string &fileName, TFileStamp &stamp, TLoadStatus &status) {
  // Non-blocking open, so that a pipe without a writer cannot hang us before we can refuse it.
  FileHandle file(::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.Fd() < 0) {
    Fail(status, TLoadError::OpenFailed, errno);
    return -1;
  }
  struct stat info {};
  if (::fstat(file.Fd(), &info) != 0)
    Fail(status, TLoadError::OpenFailed, errno);
  else if (S_ISDIR(info.st_mode))
    Fail(status, TLoadError::NotRegular, EISDIR);
  else if (!S_ISREG(info.st_mode))
    Fail(status, TLoadError::NotRegular, "not a regular file");
  else if (info.st_size > kMaxFileSize)
    Fail(status, TLoadError::TooLarge, "files of 2 GiB or more cannot be compared");
  if (!status.Ok())
    return -1;
  ::fcntl(file.Fd(), F_SETFL, ::fcntl(file.Fd(), F_GETFL) & ~O_NONBLOCK);
  stamp = Stamp(info);
  return file.Release();
}

bool ConfirmWhole(int fd, const TFileStamp &stamp, TLoadStatus &status) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    Fail(status, TLoadError::ReadFailed, errno);
    return false;
  }
  char extra;
  ssize_t more;
  do
    more = ::pread(fd, &extra, 1, stamp.Size);
  while (more < 0 && errno == EINTR);
  if (more < 0)
    Fail(status, TLoadError::ReadFailed, errno);
  else if (const TFileStamp now = Stamp(info);
           more > 0 || now.Size != stamp.Size || now.ModifiedNs != stamp.ModifiedNs)
    Fail(status, TLoadError::Changed, kChangedWhileRead);
  return status.Ok();
}

bool ReadWhole(int fd, const TFileStamp &stamp, std::string &text, TLoadStatus &status,
               const std::stop_token &stop) {
  std::string bytes;
  const std::int64_t got = ReadAll(fd, bytes, stamp.Size, stop);
  if (got == -2)
    Fail(status, TLoadError::Stopped, std::string());
  else if (got < 0)
    Fail(status, TLoadError::ReadFailed, errno);
  else if (got != stamp.Size)
    Fail(status, TLoadError::Changed, kChangedWhileRead);
  if (!status.Ok() || !ConfirmWhole(fd, stamp, status))
    return false;
  text = std::move(bytes);
  return true;
}

TFileText LoadFileText(const std::string &fileName, std::stop_token stop) {
  TFileText result;
  TFileStamp stamp;
  const FileHandle file(OpenComparedFile(fileName, stamp, result));
  if (file.Fd() >= 0)
    ReadWhole(file.Fd(), stamp, result.Text, result, stop);
  return result;
}

TFileText LoadStream(const std::string &fileName, std::stop_token stop) {
  TFileText result;
  const bool standardInput = fileName == "-";
  // Opened without waiting for a writer: a named pipe nobody writes to reads as empty instead of
  // hanging; what is read then waits for the writer as any reader does.
  const FileHandle owned(
      standardInput ? -1 : ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  const int fd = standardInput ? STDIN_FILENO : owned.Fd();
  if (fd < 0) {
    Fail(result, TLoadError::OpenFailed, errno);
    return result;
  }
  if (!standardInput)
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::string &text = result.Text;
  for (std::int64_t n = kReadSlice; n == kReadSlice;) {
    if (stop.stop_requested())
      Fail(result, TLoadError::Stopped, std::string());
    else if (static_cast<std::int64_t>(text.size()) > kMaxFileSize)
      Fail(result, TLoadError::TooLarge, "files of 2 GiB or more cannot be compared");
    if (!result.Ok())
      break;
    const std::size_t before = text.size();
    text.resize(before + static_cast<std::size_t>(kReadSlice));
    n = ReadUpTo(fd, text.data() + before, static_cast<std::size_t>(kReadSlice));
    text.resize(before + static_cast<std::size_t>(std::max<std::int64_t>(n, 0)));
    if (n < 0)
      Fail(result, TLoadError::ReadFailed, errno);
  }
  if (!result.Ok())
    text.clear();
  return result;
}

std::string LoadErrorTitle(const std::string &fileName, const TLoadStatus &result) {
  switch (result.Error) {
  case TLoadError::None:
  case TLoadError::Stopped:
    return {};
  case TLoadError::OpenFailed:
    return "Cannot open file " + fileName;
  case TLoadError::NotRegular:
  case TLoadError::TooLarge:
  case TLoadError::ReadFailed:
  case TLoadError::Changed:
    break;
  }
  return "Cannot read file " + fileName;
}

std::string LoadErrorMessage(const std::string &fileName, const TLoadStatus &result) {
  std::string message = LoadErrorTitle(fileName, result);
  if (!message.empty() && !result.Reason.empty())
    message += ": " + result.Reason;
  return message;
}
