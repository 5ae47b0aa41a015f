// Names a folder comparison leaves out: glob patterns matched against each name alone, as a
// shell matches them. A folder left out is not walked.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// What is left out unless told otherwise: version control, caches and build leftovers.
inline constexpr std::string_view kDefaultExclusions =
    ".git .hg .svn CVS __pycache__ *.pyc *.o *~ .DS_Store";

// The patterns of a list written with spaces between them.
std::vector<std::string> SplitPatterns(std::string_view list);

// Whether a name matches any of the patterns.
bool Excluded(const std::string &name, const std::vector<std::string> &patterns);
