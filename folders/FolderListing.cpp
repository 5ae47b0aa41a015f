#include "FolderListing.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string SpecialKind(mode_t mode) {
  if (S_ISFIFO(mode))
    return "FIFO";
  if (S_ISSOCK(mode))
    return "socket";
  if (S_ISCHR(mode) || S_ISBLK(mode))
    return "device";
  return "special file";
}

// What a name in an open folder is: the link itself is looked at first, so that a link to a
// folder is never taken for one. A regular file the folder's own listing names as one is not
// looked at: opening it to compare it tells its size and time (type: the listing's d_type).
TEntrySide SideAt(int folder, const char *name, unsigned char type) {
  TEntrySide side;
  if (type == DT_REG) {
    side.Kind = TEntryKind::File;
    side.Stated = false;
    return side;
  }
  struct stat st {};
  if (::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
    side.Kind = TEntryKind::Unreadable;
    side.Special = std::strerror(errno);
    return side;
  }
  if (S_ISLNK(st.st_mode)) {
    struct stat target {};
    if (::fstatat(folder, name, &target, 0) != 0) {
      side.Kind = TEntryKind::Special;
      side.Special = "link to nothing";
      side.Modified = st.st_mtim.tv_sec;
      return side;
    }
    if (S_ISDIR(target.st_mode)) {
      side.Kind = TEntryKind::Special;
      side.Special = "link to a folder";
      side.Modified = st.st_mtim.tv_sec;
      return side;
    }
    st = target; // a link to a file stands for the file
  }
  side.Modified = st.st_mtim.tv_sec;
  if (S_ISREG(st.st_mode)) {
    side.Kind = TEntryKind::File;
    side.Size = static_cast<std::uint64_t>(st.st_size);
  } else if (S_ISDIR(st.st_mode)) {
    side.Kind = TEntryKind::Folder;
  } else {
    side.Kind = TEntryKind::Special;
    side.Special = SpecialKind(st.st_mode);
  }
  return side;
}

struct TCloseFolder {
  void operator()(DIR *folder) const { ::closedir(folder); }
};

} // namespace

TListing ListFolder(const std::string &path) {
  TListing listing;
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    listing.Error = std::strerror(errno);
    return listing;
  }
  const std::unique_ptr<DIR, TCloseFolder> folder(::fdopendir(fd));
  if (!folder) {
    listing.Error = std::strerror(errno);
    ::close(fd);
    return listing;
  }
  for (errno = 0; const dirent *item = ::readdir(folder.get()); errno = 0) {
    const std::string_view name = item->d_name;
    if (name == "." || name == "..")
      continue;
    listing.Names.push_back({std::string(name), SideAt(fd, item->d_name, item->d_type)});
  }
  if (errno != 0)
    listing.Error = std::strerror(errno);
  std::sort(listing.Names.begin(), listing.Names.end(),
            [](const TListedName &a, const TListedName &b) { return a.Name < b.Name; });
  return listing;
}

TEntrySide SideOf(const std::string &path) {
  return SideAt(AT_FDCWD, path.c_str(), DT_UNKNOWN);
}

bool IsFolder(const std::string &path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
