#include "FolderReport.h"

#include "EscapedName.h"

#include <algorithm>
#include <vector>

std::string FolderLine(const TFolderEntry &entry) {
  const std::string path = EscapedName(entry.Path);
  switch (entry.State) {
  case TFolderState::Different:
    return "M\t" + path;
  case TFolderState::OnlyNew:
    return "A\t" + path;
  case TFolderState::OnlyOld:
    return "D\t" + path;
  case TFolderState::NotRegular:
  case TFolderState::Unreadable:
    return "!\t" + path + '\t' + EscapedName(entry.Reason);
  default:
    return {};
  }
}

void WriteFolderLines(std::ostream &out, const TFolderTree &tree) {
  std::vector<const TFolderEntry *> differing;
  for (const TFolderEntry &entry : tree.Entries())
    if (Differs(entry.State))
      differing.push_back(&entry);
  std::sort(differing.begin(), differing.end(),
            [](const TFolderEntry *a, const TFolderEntry *b) { return a->Path < b->Path; });
  for (const TFolderEntry *entry : differing)
    out << FolderLine(*entry) << '\n';
}

void WriteFolderCounts(std::ostream &out, const TFolderTree &tree) {
  const auto count = [&](TFolderState state) { return tree.Count(state); };
  out << "identical " << count(TFolderState::Identical) << '\n'
      << "different " << count(TFolderState::Different) << '\n'
      << "only in new " << count(TFolderState::OnlyNew) << '\n'
      << "only in old " << count(TFolderState::OnlyOld) << '\n'
      << "not compared " << count(TFolderState::NotRegular) + count(TFolderState::Unreadable)
      << '\n'
      << "folders " << count(TFolderState::Folder) << '\n';
}
