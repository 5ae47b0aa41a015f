// The window's command line: dorix [-L NEW-LABEL [-L OLD-LABEL]] [--] [NEW [OLD]], --help and
// --version. Anything else is refused with a reason, so that a third file or a mistyped option is
// never dropped without a word.
#pragma once

#include <string>
#include <vector>

extern const char kWindowUsage[];

struct TWindowArguments {
  std::vector<std::string> Files;  // at most two, the new one first
  std::vector<std::string> Labels; // at most two, naming them in the same order
  bool Help = false, Version = false;
  std::string Error; // empty when the arguments are sound
};

TWindowArguments ParseWindowArguments(int argc, char **argv);
