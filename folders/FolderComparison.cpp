#include "FolderComparison.h"

#include "Exclusions.h"
#include "FolderListing.h"
#include "SameFiles.h"
#include "SideBySide.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <sys/stat.h>
#include <utility>

namespace {

constexpr std::size_t kBatch = 256; // pairs of files compared between two hand-outs

// An entry handed out and its path: a folder to list, or a pair of files to compare.
using TPlace = std::pair<std::uint32_t, std::string>;

std::string Joined(const std::string &folder, const std::string &path) {
  return path.empty() ? folder : folder + '/' + path;
}

// What a side is, in words, for an entry that cannot be compared.
std::string Described(const TEntrySide &side) {
  switch (side.Kind) {
  case TEntryKind::File:
    return "file";
  case TEntryKind::Folder:
    return "folder";
  default:
    return side.Special;
  }
}

// What can be told of a name from the listings alone.
void Judge(TFolderEntry &entry, bool readAll) {
  const TEntrySide &n = entry.New, &o = entry.Old;
  if (o.Kind == TEntryKind::Missing)
    entry.State = TFolderState::OnlyNew;
  else if (n.Kind == TEntryKind::Missing)
    entry.State = TFolderState::OnlyOld;
  else if (n.Kind == TEntryKind::Unreadable || o.Kind == TEntryKind::Unreadable) {
    entry.State = TFolderState::Unreadable;
    entry.Reason = n.Kind == TEntryKind::Unreadable ? n.Special : o.Special;
  } else if (n.Kind == TEntryKind::Folder && o.Kind == TEntryKind::Folder)
    entry.State = TFolderState::Folder;
  else if (n.Kind == TEntryKind::File && o.Kind == TEntryKind::File)
    entry.State = n.Stated && o.Stated && n.Size != o.Size && !readAll ? TFolderState::Different
                                                                       : TFolderState::Pending;
  else {
    entry.State = TFolderState::NotRegular;
    entry.Reason = "new: " + Described(n) + ", old: " + Described(o);
  }
}

class TWalker {
public:
  TWalker(const std::string &newFolder, const std::string &oldFolder, const TFolderChoices &choices,
          TFolderSink &sink, const std::stop_token &stop, TFolderProgress *progress)
      : FNewRoot(newFolder), FOldRoot(oldFolder), FChoices(choices), FSink(sink), FStop(stop),
        FProgress(progress) {}

  // Empty, or why the two folders themselves could not be listed.
  std::string Run() {
    std::vector<TPlace> folders{{kNoEntry, std::string()}};
    while (!folders.empty() && !FStop.stop_requested()) {
      const TPlace folder = std::move(folders.back());
      folders.pop_back();
      // Deeper folders after the whole of this one, the first of them first.
      std::vector<TPlace> below = List(folder.first, folder.second);
      std::move(below.rbegin(), below.rend(), std::back_inserter(folders));
    }
    if (!FRootError.empty())
      return FRootError;
    ComparePending();
    return FRootError;
  }

private:
  // The pairs of files, a batch at a time on both cores, each batch handed out in order once
  // both are done with it.
  void ComparePending() {
    std::atomic<std::uint64_t> *bytes = FProgress ? &FProgress->Bytes : nullptr;
    TSameFiles here(FChoices.Ignore, bytes), beside(FChoices.Ignore, bytes);
    std::vector<TSettled> answers;
    for (std::size_t from = 0; from < FPending.size() && !FStop.stop_requested(); from += kBatch) {
      const std::size_t to = std::min(FPending.size(), from + kBatch);
      answers.assign(to - from, {});
      std::atomic<std::size_t> next{from};
      const auto work = [&](TSameFiles &same) {
        for (std::size_t k; (k = next++) < to && !FStop.stop_requested();) {
          const std::string &path = FPending[k].second;
          answers[k - from] = same.Compare(Joined(FNewRoot, path), Joined(FOldRoot, path), FStop);
        }
      };
      SideBySide(
          to - from > 1, [&] { work(here); }, [&] { work(beside); });
      if (FStop.stop_requested())
        return;
      for (std::size_t k = from; k < to; ++k)
        FSink.Settled(FPending[k].first, std::move(answers[k - from]));
    }
  }

  // A file on one side only is never opened, but its size and time are shown.
  void StateOneSided(TFolderEntry &e) const {
    TEntrySide &side = e.State == TFolderState::OnlyNew ? e.New : e.Old;
    if (side.Stated)
      return;
    const TEntrySide stated =
        SideOf(Joined(e.State == TFolderState::OnlyNew ? FNewRoot : FOldRoot, e.Path));
    if (stated.Kind == side.Kind)
      side = stated;
  }

  // Lists one folder on both sides and hands its entries out; returns the folders among them
  // that are in both, to be listed in turn.
  std::vector<TPlace> List(std::uint32_t entry, const std::string &path) {
    const TListing n = ListFolder(Joined(FNewRoot, path)), o = ListFolder(Joined(FOldRoot, path));
    if (!n.Error.empty() || !o.Error.empty()) {
      if (entry == kNoEntry) // one of the two folders themselves
        FRootError = n.Error.empty() ? FOldRoot + ": " + o.Error : FNewRoot + ": " + n.Error;
      else
        FSink.Settled(entry, UnreadableBecause(n.Error.empty() ? o.Error : n.Error));
      return {};
    }
    std::vector<TFolderEntry> entries;
    std::vector<TPlace> below;
    std::size_t i = 0, j = 0;
    while (i < n.Names.size() || j < o.Names.size()) {
      const bool fromNew =
          j == o.Names.size() || (i < n.Names.size() && n.Names[i].Name <= o.Names[j].Name);
      const bool fromOld =
          i == n.Names.size() || (j < o.Names.size() && o.Names[j].Name <= n.Names[i].Name);
      const std::string &name = fromNew ? n.Names[i].Name : o.Names[j].Name;
      TFolderEntry e;
      e.Path = path.empty() ? name : path + '/' + name;
      if (fromNew)
        e.New = n.Names[i++].Side;
      if (fromOld)
        e.Old = o.Names[j++].Side;
      if (Excluded(name, FChoices.Exclude))
        continue;
      Judge(e, FChoices.Ignore.Any());
      if (e.State == TFolderState::OnlyNew || e.State == TFolderState::OnlyOld)
        StateOneSided(e);
      const auto index = FNext + static_cast<std::uint32_t>(entries.size());
      if (e.State == TFolderState::Pending)
        FPending.emplace_back(index, e.Path);
      else if (e.State == TFolderState::Folder)
        below.emplace_back(index, e.Path);
      entries.push_back(std::move(e));
    }
    FNext += static_cast<std::uint32_t>(entries.size());
    if (FProgress)
      FProgress->Entries += entries.size();
    FSink.Listed(entry, std::move(entries));
    return below;
  }

  const std::string &FNewRoot, &FOldRoot;
  const TFolderChoices &FChoices;
  TFolderSink &FSink;
  const std::stop_token &FStop;
  TFolderProgress *FProgress;
  std::uint32_t FNext = 0;      // the index the next entry handed out takes
  std::vector<TPlace> FPending; // pairs of files to compare
  std::string FRootError;
};

// Empty when the path is a folder (or a link to one); else why it is not.
std::string NotAFolder(const std::string &path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0)
    return path + ": " + std::strerror(errno);
  return S_ISDIR(st.st_mode) ? std::string() : path + ": not a folder";
}

} // namespace

std::string CompareFolders(const std::string &newFolder, const std::string &oldFolder,
                           const TFolderChoices &choices, TFolderSink &sink,
                           const std::stop_token &stop, TFolderProgress *progress) {
  for (const std::string *root : {&newFolder, &oldFolder})
    if (std::string error = NotAFolder(*root); !error.empty())
      return error;
  return TWalker(newFolder, oldFolder, choices, sink, stop, progress).Run();
}
