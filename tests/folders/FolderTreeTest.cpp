// The entries of a folder comparison as they come in: folders above a difference know of it,
// the counts follow every settlement, and names show on one line.
#include "FolderTree.h"
#include "EscapedName.h"

#include <gtest/gtest.h>

namespace {

TFolderEntry Entry(std::string path, TFolderState state) {
  TFolderEntry e;
  e.Path = std::move(path);
  e.State = state;
  return e;
}

TEST(FolderTree, AFolderKnowsOfADifferenceBelowItAsItComes) {
  TFolderTree tree;
  tree.Listed(kNoEntry, {Entry("a", TFolderState::Folder), Entry("z", TFolderState::Identical)});
  tree.Listed(0, {Entry("a/b", TFolderState::Folder)});
  tree.Listed(2, {Entry("a/b/f", TFolderState::Pending), Entry("a/b/g", TFolderState::Pending)});
  EXPECT_EQ(tree.Children(kNoEntry).size(), 2u);
  EXPECT_EQ(tree.Children(2).front().Path, "a/b/f");
  EXPECT_FALSE(tree[0].DiffersBelow);
  EXPECT_FALSE(tree.AnyDifference()) << "pending pairs are no difference yet";
  EXPECT_EQ(tree.Count(TFolderState::Pending), 2);
  TSettled same;
  same.State = TFolderState::Identical;
  tree.Settled(3, same);
  EXPECT_FALSE(tree[2].DiffersBelow);
  TSettled other;
  other.State = TFolderState::Different;
  other.Opened = true, other.NewSize = 7, other.OldSize = 9;
  tree.Settled(4, other);
  EXPECT_TRUE(tree[2].DiffersBelow);
  EXPECT_TRUE(tree[0].DiffersBelow) << "every folder up to the top";
  EXPECT_EQ(tree.Count(TFolderState::Pending), 0);
  EXPECT_EQ(tree.Count(TFolderState::Different), 1);
  EXPECT_EQ(tree.Count(TFolderState::Identical), 2);
  EXPECT_TRUE(tree.AnyDifference());
  EXPECT_EQ(tree[4].Name(), "g");
  EXPECT_EQ(tree[4].New.Size, 7u) << "the sizes found on opening the pair";
  EXPECT_TRUE(tree[4].Old.Stated);
}

// The files that differ in the order the tree shows them: a folder's entries right after it,
// wherever the comparison put them in its list.
TEST(FolderTree, StepsGoThroughTheFilesThatDifferInTheOrderShown) {
  TFolderTree tree;
  TFolderEntry gone = Entry("c", TFolderState::OnlyOld);
  gone.Old.Kind = TEntryKind::File;
  TFolderEntry added = Entry("a/x", TFolderState::OnlyNew);
  added.New.Kind = TEntryKind::Folder; // a folder on one side is no file to open
  tree.Listed(kNoEntry, {Entry("a", TFolderState::Folder), Entry("b", TFolderState::Different),
                         std::move(gone)});
  tree.Listed(0, {std::move(added), Entry("a/y", TFolderState::Different),
                  Entry("a/z", TFolderState::Identical)});
  std::vector<std::string> forward, back;
  for (std::uint32_t e = tree.StepToDifferentFile(kNoEntry, 1); e != kNoEntry;
       e = tree.StepToDifferentFile(e, 1))
    forward.push_back(tree[e].Path);
  for (std::uint32_t e = tree.StepToDifferentFile(kNoEntry, -1); e != kNoEntry;
       e = tree.StepToDifferentFile(e, -1))
    back.push_back(tree[e].Path);
  EXPECT_EQ(forward, (std::vector<std::string>{"a/y", "b", "c"}));
  EXPECT_EQ(back, (std::vector<std::string>{"c", "b", "a/y"}));
  EXPECT_EQ(tree.StepToDifferentFile(5, 1), 1u) << "from an identical file, the next that differs";
}

TEST(EscapedName, NamesShowOnOneLine) {
  EXPECT_EQ(EscapedName("plain name.txt"), "plain name.txt");
  EXPECT_EQ(EscapedName("\xD0\xB8\xD0\xBC\xD1\x8F"), "\xD0\xB8\xD0\xBC\xD1\x8F") << "UTF-8 stays";
  EXPECT_EQ(EscapedName("a\nb\tc\\d"), "a\\nb\\tc\\\\d");
  EXPECT_EQ(EscapedName("bad\xFF\xD0"), "bad\\xFF\\xD0") << "bytes that are not UTF-8";
  EXPECT_EQ(EscapedName(std::string("\x01z\x7F", 3)), "\\x01z\\x7F");
}

} // namespace
