#include "Exclusions.h"

#include <fnmatch.h>

std::vector<std::string> SplitPatterns(std::string_view list) {
  std::vector<std::string> patterns;
  for (std::size_t at = 0; at < list.size();) {
    const std::size_t from = list.find_first_not_of(" \t", at);
    if (from == std::string_view::npos)
      break;
    const std::size_t to = std::min(list.find_first_of(" \t", from), list.size());
    patterns.emplace_back(list.substr(from, to - from));
    at = to;
  }
  return patterns;
}

bool Excluded(const std::string &name, const std::vector<std::string> &patterns) {
  for (const std::string &pattern : patterns)
    if (::fnmatch(pattern.c_str(), name.c_str(), 0) == 0)
      return true;
  return false;
}
