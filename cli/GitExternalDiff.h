// dorix-diff as git's external diff program (GIT_EXTERNAL_DIFF): git passes seven arguments,
// PATH OLD-FILE OLD-HEX OLD-MODE NEW-FILE NEW-HEX NEW-MODE, with /dev/null, "." and "." for the
// side of a file that is added or deleted, and two more for a renamed or copied file: its new
// path and git's description of the move.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct TGitFilePair {
  std::string OldPath; // as git names it in the tree
  std::string NewPath; // the same unless renamed or copied
  std::string NewFile; // what is compared: the new version first
  std::string OldFile;
};

// The pair when the names given have the shape git passes; nothing otherwise.
std::optional<TGitFilePair> GitExternalDiffPair(const std::vector<std::string> &names);

// For a path with a merge conflict git passes the path alone; it is one of git's when git runs
// the program as its external diff (GIT_DIFF_PATH_TOTAL is set then).
std::optional<std::string> GitUnmergedPath(const std::vector<std::string> &names);
