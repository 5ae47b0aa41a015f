// Two folders compared, against a plain reference on random trees, and the edges: links, special
// files, exclusions, files that change while they are compared, a stop, and the look past form.
#include "../TempFilesTest.h"

#include "Exclusions.h"
#include "FolderComparison.h"
#include "FolderTree.h"

#include <fnmatch.h>
#include <map>
#include <random>
#include <set>
#include <sys/stat.h>

namespace {

using TStates = std::map<std::string, TFolderState>;

TStates StatesOf(const TFolderTree &tree) {
  TStates states;
  for (const TFolderEntry &e : tree.Entries())
    states[e.Path] = e.State;
  return states;
}

// The rule with nothing clever: every name of either folder, what it is on each side, and files
// read whole.
void Reference(const fs::path &a, const fs::path &b, const std::string &rel,
               const std::vector<std::string> &exclude, TStates &out) {
  std::vector<std::string> names;
  for (const fs::path &root : {a, b})
    if (fs::is_directory(root / rel))
      for (const auto &item : fs::directory_iterator(root / rel))
        names.push_back(item.path().filename().string());
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  enum { missing, file, folder, special };
  const auto kind = [](const fs::path &p) {
    std::error_code loop; // a link to itself leads nowhere
    const fs::file_status link = fs::symlink_status(p), target = fs::status(p, loop);
    if (!fs::exists(link))
      return missing;
    if (fs::is_symlink(link))
      return fs::is_regular_file(target) ? file : special;
    return fs::is_regular_file(link) ? file : fs::is_directory(link) ? folder : special;
  };
  for (const std::string &name : names) {
    if (std::any_of(exclude.begin(), exclude.end(), [&](const std::string &g) {
          return ::fnmatch(g.c_str(), name.c_str(), 0) == 0;
        }))
      continue;
    const std::string path = rel.empty() ? name : rel + "/" + name;
    const int ka = kind(a / path), kb = kind(b / path);
    TFolderState &state = out[path];
    if (kb == missing)
      state = TFolderState::OnlyNew;
    else if (ka == missing)
      state = TFolderState::OnlyOld;
    else if (ka == folder && kb == folder) {
      state = TFolderState::Folder;
      Reference(a, b, path, exclude, out);
    } else if (ka == file && kb == file)
      state =
          Slurp(a / path) == Slurp(b / path) ? TFolderState::Identical : TFolderState::Different;
    else
      state = TFolderState::NotRegular;
  }
}

class Folders : public TempFilesTest {
protected:
  fs::path New() const { return dir / "new"; }
  fs::path Old() const { return dir / "old"; }

  void Put(const fs::path &root, const std::string &path, const std::string &bytes) {
    fs::create_directories((root / path).parent_path());
    Write(fs::relative(root / path, dir).string(), bytes);
  }

  TFolderTree Compare(const TFolderChoices &choices = {}) {
    TFolderTree tree;
    EXPECT_EQ(CompareFolders(New(), Old(), choices, tree), "");
    return tree;
  }
};

// Random trees from a few names and contents, so that names meet across the two sides, files of
// one size differ, folders meet files and links lead to files, folders and nothing.
TEST_F(Folders, RandomTreesAsTheReference) {
  std::mt19937 random(27);
  const std::vector<std::string> names = {"a", "b", "c.txt", "d.pyc", "ё"},
                                 contents = {"", "abc", "abd", "abd", "abcd", "\r\n"};
  std::uniform_int_distribution<std::size_t> name(0, names.size() - 1),
      content(0, contents.size() - 1), what(0, 9);
  std::set<TFolderState> seen;
  int sameSizeDiffering = 0;
  for (int round = 0; round < 30; ++round) {
    fs::remove_all(New()), fs::remove_all(Old());
    fs::create_directories(New()), fs::create_directories(Old());
    std::function<void(const fs::path &, const std::string &, int)> grow =
        [&](const fs::path &root, const std::string &rel, int depth) {
          for (int k = 0; k < 6; ++k) {
            const fs::path path = root / rel / names[name(random)];
            if (fs::exists(fs::symlink_status(path)))
              continue;
            const std::size_t w = what(random);
            if (w < 5)
              std::ofstream(path, std::ios::binary) << contents[content(random)];
            else if (w < 8 && depth < 3) {
              fs::create_directory(path);
              grow(root, fs::relative(path, root).string(), depth + 1);
            } else if (w == 8)
              fs::create_symlink(names[name(random)], path);
          }
        };
    grow(New(), "", 0);
    grow(Old(), "", 0);
    TStates expected;
    const std::vector<std::string> exclude = {"*.pyc"};
    Reference(New(), Old(), "", exclude, expected);
    TFolderChoices choices;
    choices.Exclude = exclude;
    ASSERT_EQ(StatesOf(Compare(choices)), expected) << "round " << round;
    for (const auto &[path, state] : expected) {
      seen.insert(state);
      sameSizeDiffering += state == TFolderState::Different &&
                           fs::file_size(New() / path) == fs::file_size(Old() / path);
    }
  }
  EXPECT_EQ(seen.size(), 6u) << "every state but Pending and Unreadable came up";
  EXPECT_GT(sameSizeDiffering, 0) << "files that differ only in their bytes came up";
}

TEST_F(Folders, LinksFollowedToFilesOnlyAndSpecialFilesNeverOpened) {
  Put(New(), "target.txt", "same");
  Put(Old(), "linked.txt", "same");
  fs::create_symlink("target.txt", New() / "linked.txt");
  fs::create_directories(New() / "real");
  fs::create_directories(Old() / "real");
  fs::create_symlink("..", New() / "real" / "up"); // a loop, were it entered
  fs::create_symlink("..", Old() / "real" / "up");
  fs::create_symlink("nowhere", New() / "dangling");
  Put(Old(), "dangling", "x");
  // Opening a FIFO for reading waits for a writer: the test would hang if it were opened.
  ASSERT_EQ(::mkfifo((New() / "pipe").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo((Old() / "pipe").c_str(), 0600), 0);
  const TFolderTree tree = Compare();
  const TStates states = StatesOf(tree);
  EXPECT_EQ(states.at("linked.txt"), TFolderState::Identical) << "the link stands for its file";
  EXPECT_EQ(states.at("real/up"), TFolderState::NotRegular) << "a link to a folder is not entered";
  EXPECT_EQ(states.count("real/up/real"), 0u);
  EXPECT_EQ(states.at("dangling"), TFolderState::NotRegular);
  EXPECT_EQ(states.at("pipe"), TFolderState::NotRegular);
  const auto dangling = std::find_if(tree.Entries().begin(), tree.Entries().end(),
                                     [](const TFolderEntry &e) { return e.Path == "dangling"; });
  EXPECT_EQ(dangling->Reason, "new: link to nothing, old: file");
}

TEST_F(Folders, AnExcludedFolderIsNotWalkedAndNamesGoInByteOrder) {
  Put(New(), ".git/objects/x", "1");
  Put(New(), "B", "same");
  Put(Old(), "B", "same");
  Put(New(), "a", "1");
  Put(New(), "\xD1\x8F", "1");
  TFolderChoices choices;
  choices.Exclude = SplitPatterns(kDefaultExclusions);
  const TFolderTree tree = Compare(choices);
  std::vector<std::string> paths;
  for (const TFolderEntry &e : tree.Entries())
    paths.push_back(e.Path);
  EXPECT_EQ(paths, (std::vector<std::string>{"B", "a", "\xD1\x8F"}));
  EXPECT_EQ(SplitPatterns("  *.o \t.git  "), (std::vector<std::string>{"*.o", ".git"}));
}

// A file written to between the listing and the comparison: compared as read, so a grown file
// is never identical for the size it was listed with.
class GrowOnListing : public TFolderTree {
public:
  explicit GrowOnListing(fs::path file) : FFile(std::move(file)) {}
  void Listed(std::uint32_t parent, std::vector<TFolderEntry> entries) override {
    TFolderTree::Listed(parent, std::move(entries));
    std::ofstream(FFile, std::ios::app) << "more";
  }

private:
  fs::path FFile;
};

TEST_F(Folders, AFileThatGrowsWhileComparedIsNotIdentical) {
  fs::create_directories(New()), fs::create_directories(Old());
  std::ofstream(New() / "log") << "same";
  Put(Old(), "log", "same");
  GrowOnListing tree(New() / "log");
  ASSERT_EQ(CompareFolders(New(), Old(), {}, tree), "");
  EXPECT_EQ(tree[0].State, TFolderState::Different);
}

class StopOnListing : public TFolderTree {
public:
  std::stop_source Stop;
  void Listed(std::uint32_t parent, std::vector<TFolderEntry> entries) override {
    TFolderTree::Listed(parent, std::move(entries));
    Stop.request_stop();
  }
};

TEST_F(Folders, AStopEndsTheWalkAndTheComparing) {
  Put(New(), "f", "same"), Put(Old(), "f", "same");
  Put(New(), "sub/g", "x"), Put(Old(), "sub/g", "x");
  StopOnListing tree;
  ASSERT_EQ(CompareFolders(New(), Old(), {}, tree, tree.Stop.get_token()), "");
  EXPECT_EQ(tree.Entries().size(), 2u) << "the folder below is not listed";
  EXPECT_EQ(tree[0].State, TFolderState::Pending) << "nor the pair compared";
}

TEST_F(Folders, FilesAlikeInAllButWhatIsLookedPastAreIdentical) {
  Put(New(), "crlf", "one\r\ntwo\r\n");
  Put(Old(), "crlf", "one\ntwo\n");
  Put(New(), "case", "Word");
  Put(Old(), "case", "word");
  TFolderChoices choices;
  choices.Ignore.LineEnds = true;
  const TStates states = StatesOf(Compare(choices));
  EXPECT_EQ(states.at("crlf"), TFolderState::Identical) << "sizes differ, yet they read alike";
  EXPECT_EQ(states.at("case"), TFolderState::Different);
  EXPECT_EQ(StatesOf(Compare()).at("crlf"), TFolderState::Different);
}

TEST_F(Folders, WhatIsNotTwoFoldersIsRefused) {
  Put(New(), "f", "x");
  fs::create_directories(Old());
  TFolderTree tree;
  EXPECT_NE(CompareFolders((New() / "f").string(), Old(), {}, tree), "");
  EXPECT_NE(CompareFolders(New(), (dir / "none").string(), {}, tree), "");
  EXPECT_TRUE(tree.Entries().empty());
}

} // namespace
