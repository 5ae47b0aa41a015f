// The label option both programs take, as diff does: -L NAME, -LNAME, --label NAME or
// --label=NAME, given twice (the new file's, then the old one's), names the files in place of
// their paths (git difftool and other callers pass temporary files).
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class TLabelTaken { NotLabel, Taken, MissingValue };

// Whether argv[i] is the label option; when it is, its value joins labels and i moves past a
// value given as the next argument.
inline TLabelTaken TakeLabel(int argc, char **argv, int &i, std::vector<std::string> &labels) {
  const std::string_view arg = argv[i];
  std::string_view value;
  if (arg == "-L" || arg == "--label") {
    if (i + 1 >= argc)
      return TLabelTaken::MissingValue;
    value = argv[++i];
  } else if (arg.starts_with("--label=")) {
    value = arg.substr(8);
  } else if (arg.starts_with("-L")) {
    value = arg.substr(2);
  } else {
    return TLabelTaken::NotLabel;
  }
  labels.emplace_back(value);
  return TLabelTaken::Taken;
}
