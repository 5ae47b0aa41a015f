#include "GitExternalDiff.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace {

bool AllOf(std::string_view text, std::string_view allowed) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [&](char c) {
    return allowed.find(c) != std::string_view::npos;
  });
}

// An object name (SHA-1 or SHA-256, possibly abbreviated) or "." for an absent side.
bool IsObjectName(std::string_view text) {
  return text == "." || (text.size() >= 4 && AllOf(text, "0123456789abcdef"));
}

// A file mode such as 100644 or 120000, or "." for an absent side.
bool IsMode(std::string_view text) {
  return text == "." || (text.size() == 6 && AllOf(text, "01234567"));
}

} // namespace

std::optional<TGitFilePair> GitExternalDiffPair(const std::vector<std::string> &names) {
  if ((names.size() != 7 && names.size() != 9) || !IsObjectName(names[2]) || !IsMode(names[3]) ||
      !IsObjectName(names[5]) || !IsMode(names[6]))
    return std::nullopt;
  const std::string &newPath = names.size() == 9 ? names[7] : names[0];
  return TGitFilePair{names[0], newPath, names[4], names[1]};
}

std::optional<std::string> GitUnmergedPath(const std::vector<std::string> &names) {
  if (names.size() != 1 || !std::getenv("GIT_DIFF_PATH_TOTAL"))
    return std::nullopt;
  return names[0];
}
