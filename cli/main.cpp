// dorix-diff: the comparison engine from a terminal.
#include "CompareStatus.h"
#include "FileText.h"
#include "MappedFile.h"
#include "Render.h"
#include "VDiff.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

enum class Format { Merged, Chunks, Stats };
enum class Colour { Auto, Always, Never };

constexpr int kSame = 0, kDiffer = 1, kTrouble = 2;

const char kUsage[] =
    "usage: dorix-diff [--chunks | --stats] [--color=auto|always|never] [--] FIRST SECOND\n"
    "  FIRST is the new version, SECOND the old one.\n"
    "  (default)  the merged text; new-only text {+marked+}, old-only text [-marked-]\n"
    "  --chunks   one line per piece: kind (0 both, 1 only FIRST, 2 only SECOND), TAB, length\n"
    "  --stats    EqualChars FirstChars SecondChars EqualChunks FirstChunks SecondChunks\n"
    "Exit status: 0 identical, 1 different, 2 trouble.\n";

struct Options {
  Format format = Format::Merged;
  Colour colour = Colour::Auto;
  std::vector<std::string> files;
};

bool ParseArguments(int argc, char **argv, Options &options) {
  bool optionsEnd = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (optionsEnd || arg.size() < 2 || arg[0] != '-')
      options.files.push_back(arg);
    else if (arg == "--")
      optionsEnd = true;
    else if (arg == "--chunks")
      options.format = Format::Chunks;
    else if (arg == "--stats")
      options.format = Format::Stats;
    else if (arg == "--color=auto" || arg == "--color")
      options.colour = Colour::Auto;
    else if (arg == "--color=always")
      options.colour = Colour::Always;
    else if (arg == "--color=never")
      options.colour = Colour::Never;
    else {
      std::cerr << "dorix-diff: unknown option " << arg << '\n';
      return false;
    }
  }
  if (options.files.size() != 2) {
    std::cerr << "dorix-diff: expected two files, got " << options.files.size() << '\n';
    return false;
  }
  return true;
}

// Names a file that could not be read, or changed while it was, on standard error.
int Trouble(const std::string &name, const TLoadStatus &file) {
  std::cerr << "dorix-diff: " << LoadErrorMessage(name, file) << '\n';
  return kTrouble;
}

int Compare(const Options &options) {
  // The files are mapped, not copied: the comparison is done and written before they close.
  TMappedFile first(options.files[0]);
  if (!first.Ok())
    return Trouble(options.files[0], first);
  TMappedFile second(options.files[1]);
  if (!second.Ok())
    return Trouble(options.files[1], second);
  const bool firstEmpty = first.Text().empty(), secondEmpty = second.Text().empty();

  TVDiff diff;
  diff.RunOn(first.Text(), second.Text());
  // The bytes decide, not the chunks: the engine can split identical texts (one byte, a lone
  // line break), but when it found nothing apart the texts are the same without a comparison.
  const bool same =
      (diff.FirstChars == 0 && diff.SecondChars == 0) || first.Text() == second.Text();
  const std::string_view outcome = StatusText(DecideOutcome(
      {true, true, firstEmpty, secondEmpty, diff.EqualChars, diff.FirstChars, diff.SecondChars}));

  switch (options.format) {
  case Format::Chunks:
    WriteChunks(std::cout, diff);
    break;
  case Format::Stats:
    WriteCounters(std::cout, diff);
    std::cout << outcome << '\n';
    break;
  case Format::Merged: {
    const bool colour = options.colour == Colour::Always ||
                        (options.colour == Colour::Auto && ::isatty(STDOUT_FILENO));
    WriteMerged(std::cout, diff, colour);
    std::cout.flush();
    std::cerr << outcome << '\n';
    break;
  }
  }
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "dorix-diff: cannot write the output\n";
    return kTrouble;
  }
  // What was written is only worth its exit status if neither file changed meanwhile.
  if (!first.ConfirmUnchanged())
    return Trouble(options.files[0], first);
  if (!second.ConfirmUnchanged())
    return Trouble(options.files[1], second);
  return same ? kSame : kDiffer;
}

} // namespace

int main(int argc, char **argv) {
  std::ios::sync_with_stdio(false);
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::cout << kUsage;
    return kSame;
  }
  Options options;
  if (!ParseArguments(argc, argv, options)) {
    std::cerr << kUsage;
    return kTrouble;
  }
  try {
    return Compare(options);
  } catch (const std::bad_alloc &) {
    std::cerr << "dorix-diff: out of memory\n";
    return kTrouble;
  }
}
