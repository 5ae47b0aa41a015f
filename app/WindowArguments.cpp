#include "WindowArguments.h"

#include "LabelOption.h"

#include <string_view>

const char kWindowUsage[] =
    "usage: dorix [-L NEW-LABEL [-L OLD-LABEL]] [--] [NEW [OLD]]\n"
    "       dorix [--] NEW-FOLDER OLD-FOLDER\n"
    "  Compares the file NEW with the file OLD in a window; either may be chosen there\n"
    "  instead. Two folders are compared entry by entry. dorix-diff does the same in a\n"
    "  terminal.\n"
    "  -L, --label=NAME  given once or twice, names NEW, then OLD, in the window instead of\n"
    "                    their paths (git difftool passes temporary files)\n"
    "  -h, --help        this text\n"
    "  --version         the version\n";

TWindowArguments ParseWindowArguments(int argc, char **argv) {
  TWindowArguments args;
  bool optionsEnd = false;
  for (int i = 1; i < argc && args.Error.empty(); ++i) {
    const std::string_view arg = argv[i];
    const TLabelTaken label =
        optionsEnd ? TLabelTaken::NotLabel : TakeLabel(argc, argv, i, args.Labels);
    if (label == TLabelTaken::MissingValue)
      args.Error = std::string(arg) + " wants a name";
    else if (label == TLabelTaken::Taken)
      continue;
    else if (optionsEnd || arg.size() < 2 || arg[0] != '-')
      args.Files.emplace_back(arg);
    else if (arg == "--")
      optionsEnd = true;
    else if (arg == "--help" || arg == "-h")
      args.Help = true;
    else if (arg == "--version")
      args.Version = true;
    else
      args.Error = "unknown option " + std::string(arg);
  }
  if (!args.Error.empty())
    return args;
  if (args.Files.size() > 2)
    args.Error = "two files at most, not " + std::to_string(args.Files.size()) + ": " +
                 args.Files[2] + " and what follows would be left out";
  else if (args.Labels.size() > 2)
    args.Error = "-L names the two files: given " + std::to_string(args.Labels.size()) + " times";
  return args;
}
