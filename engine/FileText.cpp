#include "FileText.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileHandle {
public:
  explicit FileHandle(int fd) : FFd(fd) {}
  FileHandle(const FileHandle &) = delete;
  FileHandle &operator=(const FileHandle &) = delete;
  ~FileHandle() {
    if (FFd >= 0)
      ::close(FFd);
  }
  int Fd() const { return FFd; }

private:
  int FFd;
};

TFileText Failure(TLoadError error, std::string reason = {}) {
  TFileText result;
  result.Error = error;
  result.Reason = std::move(reason);
  return result;
}

TFileText Failure(TLoadError error, int errnum) {
  return Failure(error, std::strerror(errnum));
}

// Reads up to size bytes; returns how many it got, or -1 with errno set.
std::int64_t ReadAll(int fd, char *buffer, std::int64_t size) {
  std::int64_t done = 0;
  while (done < size) {
    const ssize_t n = ::read(fd, buffer + done, static_cast<std::size_t>(size - done));
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0)
      return -1;
    if (n == 0)
      break;
    done += n;
  }
  return done;
}

} // namespace

TFileText LoadFileText(const std::string &fileName) {
  // Non-blocking open, so that a pipe without a writer cannot hang us before we can refuse it.
  FileHandle file(::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.Fd() < 0)
    return Failure(TLoadError::OpenFailed, errno);
  struct stat info {};
  if (::fstat(file.Fd(), &info) != 0)
    return Failure(TLoadError::OpenFailed, errno);
  if (S_ISDIR(info.st_mode))
    return Failure(TLoadError::NotRegular, EISDIR);
  if (!S_ISREG(info.st_mode))
    return Failure(TLoadError::NotRegular, "not a regular file");
  if (info.st_size > kMaxFileSize)
    return Failure(TLoadError::TooLarge, "files of 2 GiB or more cannot be compared");
  ::fcntl(file.Fd(), F_SETFL, ::fcntl(file.Fd(), F_GETFL) & ~O_NONBLOCK);

  TFileText result;
  result.Text.resize(static_cast<std::size_t>(info.st_size));
  const std::int64_t got = ReadAll(file.Fd(), result.Text.data(), info.st_size);
  if (got < 0)
    return Failure(TLoadError::ReadFailed, errno);
  char extra;
  const std::int64_t more = ReadAll(file.Fd(), &extra, 1);
  if (more < 0)
    return Failure(TLoadError::ReadFailed, errno);
  if (got != info.st_size || more != 0)
    return Failure(TLoadError::Changed, "the file changed while it was read");
  return result;
}

std::string LoadErrorTitle(const std::string &fileName, const TFileText &result) {
  switch (result.Error) {
  case TLoadError::None:
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

std::string LoadErrorMessage(const std::string &fileName, const TFileText &result) {
  std::string message = LoadErrorTitle(fileName, result);
  if (!message.empty() && !result.Reason.empty())
    message += ": " + result.Reason;
  return message;
}
