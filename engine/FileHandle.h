// An open file descriptor that closes itself, and reading from one without the system's short
// and interrupted reads showing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unistd.h>
#include <utility>

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
  int Release() { return std::exchange(FFd, -1); }

private:
  int FFd;
};

// Reads up to size bytes into `into`, fewer only at the end of the file; returns how many, or -1
// with errno set.
std::int64_t ReadUpTo(int fd, char *into, std::size_t size);
