// dorix-diff: the comparison engine from a terminal.
#include "Comparison.h"
#include "Exclusions.h"
#include "FolderComparison.h"
#include "FolderListing.h"
#include "FolderReport.h"
#include "GitExternalDiff.h"
#include "HtmlPage.h"
#include "LabelOption.h"
#include "LineModel.h"
#include "Render.h"
#include "StopSignals.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

enum class Format { Merged, Chunks, Stats, Lines, Html, Moves };
enum class Colour { Auto, Always, Never };

constexpr int kSame = 0, kDiffer = 1, kTrouble = 2;

const char kUsage[] =
    "usage: dorix-diff [--chunks | --stats | --moves] [--color=auto|always|never]\n"
    "                  [--encoding=E] [--exact] [--no-moves] [--old-first] [-a] [IGNORE...]\n"
    "                  [-L FIRST-LABEL [-L SECOND-LABEL]] [--] FIRST SECOND\n"
    "       dorix-diff --lines | --html [--width=N] [--hex] [--view=both|new|old]\n"
    "                  [--line-ends=auto|cr|lf] [IGNORE...] [--] FIRST SECOND\n"
    "       dorix-diff [--stats] [-q] [--exclude=GLOB...] [--no-exclude] [--old-first]\n"
    "                  [IGNORE...] [--] NEW-FOLDER OLD-FOLDER\n"
    "       dorix-diff PATH OLD-FILE OLD-HEX OLD-MODE NEW-FILE NEW-HEX NEW-MODE\n"
    "  FIRST is the new version, SECOND the old one; --old-first turns that round.\n"
    "  -L, --label=NAME  given once or twice, names FIRST, then SECOND, in the merged text's\n"
    "             header (--- SECOND, +++ FIRST) and the HTML page instead of their paths\n"
    "  Given the seven arguments of git's external diff (GIT_EXTERNAL_DIFF), the merged text\n"
    "  of NEW-FILE against OLD-FILE under a header naming PATH, with the verdict, on standard\n"
    "  output; the exit status is then 0 whether or not the files differ.\n"
    "  (default)  the merged text; new-only text {+marked+}, old-only text [-marked-], text\n"
    "             moved here {~marked~}, text moved away [~marked~]. Coloured on a terminal\n"
    "             unless NO_COLOR is set or TERM is dumb, control bytes then shown as ^X. Of\n"
    "             files with a NUL byte in their first 8 KB only that they differ is said;\n"
    "             -a, --text writes them as text all the same.\n"
    "  --chunks   one line per piece: kind (0 both, 1 only FIRST, 2 only SECOND), TAB, length;\n"
    "             with IGNORE, the length in FIRST, TAB, the length in SECOND\n"
    "  --stats    EqualChars FirstChars SecondChars EqualChunks FirstChunks SecondChunks\n"
    "  --lines    one line per display line: KIND TAB START TAB LENGTH TAB ZONES, where KIND is\n"
    "             0 equal, 1 inserted, 2 deleted, 3 updated and ZONES is KIND:LENGTH,...\n"
    "             (4: shared text whose bytes differ only in what IGNORE looks past; 5: deleted\n"
    "             text moved away, 6: inserted text moved here)\n"
    "  --moves    one line per part of moved text: its offset in FIRST, TAB, its offset in\n"
    "             SECOND, TAB, its length (offsets in bytes from 0)\n"
    "  --html     the merged view as a standalone HTML page\n"
    "  --width=N  wrap display lines at N characters (default: no wrapping)\n"
    "  --hex      the hex layout: 16 bytes a line, line breaks as ordinary bytes\n"
    "  --view     both files (default), or the new or the old one with the shared text\n"
    "  --line-ends  cr: CR and CR LF end lines; lf: an LF alone too; auto (default): lf when\n"
    "             either file holds an LF without a CR before it\n"
    "  --exact    the pieces exactly as the engine found them, without the readable pass that\n"
    "             slides a change to whole lines and folds the crumbs between changes\n"
    "  --encoding auto (default), utf-8, cp1251, cp866 or koi8-r. Under UTF-8 no piece\n"
    "             splits a character. Automatic: UTF-8 when either file starts with its\n"
    "             byte order mark or both are valid UTF-8, else cp1251.\n"
    "  --no-moves text moved from one place to another is not looked for; --chunks and\n"
    "             --stats count moved text as inserted and deleted either way\n"
    "Two folders: one line per entry that is not identical, sorted by path: M TAB PATH\n"
    "  different, A TAB PATH only in the new folder, D TAB PATH only in the old one (a folder\n"
    "  on one side only is one line), ! TAB PATH TAB REASON what cannot be compared (a file\n"
    "  against a folder, a special file, what cannot be read). Files of one size are compared\n"
    "  byte for byte; links to files are followed, links to folders are not entered.\n"
    "  --stats    the number of entries in each state instead\n"
    "  -q         stop at the first difference and write only its line\n"
    "  --exclude=GLOB  leave out names matching GLOB, besides the default ones:\n"
    "             .git .hg .svn CVS __pycache__ *.pyc *.o *~ .DS_Store\n"
    "  --no-exclude    leave out none of the default ones\n"
    "IGNORE: what the comparison looks past; shared text shows FIRST's bytes (SECOND's in\n"
    "  --view=old), and where the two differ it is marked as ignored.\n"
    "  --ignore-line-ends, --strip-trailing-cr  CR LF and a CR alone read as LF\n"
    "  -b, --ignore-space-change  a run of spaces and tabs reads as one space, none at a line end\n"
    "  -w, --ignore-all-space     spaces and tabs are not read at all\n"
    "  -i, --ignore-case          letters read as their lower case\n"
    "  With two folders, files alike in all but what IGNORE looks past are identical.\n"
    "Exit status: 0 identical (or alike in all but what IGNORE looks past), 1 different,\n"
    "  2 trouble (a file or folder that cannot be read, too) or stopped (SIGINT, SIGTERM).\n";

const char kVersion[] = "dorix-diff " DORIX_VERSION "\n";

// How the display lines of --lines and --html are laid out.
struct LineLayout {
  std::optional<std::int32_t> width; // none: no wrapping
  bool hex = false;
  std::int32_t view = viewBoth;
  TVLineEnds lineEnds = leAuto;
  bool given = false; // one of the options was on the command line
};

struct Options {
  Format format = Format::Merged;
  Colour colour = Colour::Auto;
  LineLayout layout;
  TVEncoding encoding = TVEncoding::Auto;
  bool oldFirst = false; // the files were given the old one first
  bool readable = true;  // the readable pass; --exact: the engine's pieces
  bool moves = true;     // moved text looked for; --no-moves
  bool text = false;     // -a: a binary pair's merged text all the same
  TIgnoreChoices ignore;
  std::vector<std::string> files;      // the new version first
  std::vector<std::string> labels;     // -L: the names to show for them, in the same order
  std::optional<TGitFilePair> git;     // run by git as its external diff
  std::optional<std::string> unmerged; // ... for a path with a merge conflict
  // Two folders: stop at the first difference; the names left out besides the defaults.
  bool quick = false, defaultExclusions = true;
  std::vector<std::string> exclude;
  bool folderOption = false; // one of them was on the command line
};

// A whole positive number that fits a display line's width.
std::optional<std::int32_t> ParseWidth(std::string_view text) {
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1)
    return std::nullopt;
  return value;
}

// An option that takes one of three names, e.g. --view=new: its value, or false with the reason
// on standard error.
template <typename T> struct TChoice {
  std::string_view option; // with its "="
  std::string_view names[3];
  T values[3];
};

template <typename T> bool ParseChoice(std::string_view arg, const TChoice<T> &choice, T &target) {
  const std::string_view value = arg.substr(choice.option.size());
  for (int k = 0; k < 3; ++k)
    if (value == choice.names[k]) {
      target = choice.values[k];
      return true;
    }
  std::cerr << "dorix-diff: " << choice.option.substr(0, choice.option.size() - 1) << " wants "
            << choice.names[0] << ", " << choice.names[1] << " or " << choice.names[2] << ", not "
            << value << '\n';
  return false;
}

const TChoice<std::int32_t> kView{"--view=", {"both", "new", "old"}, {viewBoth, viewNew, viewOld}};
const TChoice<TVLineEnds> kLineEnds{"--line-ends=", {"auto", "cr", "lf"}, {leAuto, leCR, leLF}};

// The options of the display lines; false for one that is not among them.
bool ParseLayoutOption(const std::string &arg, LineLayout &layout) {
  const std::string_view a = arg;
  if (a == "--hex") {
    layout.hex = true;
  } else if (a.starts_with("--width=")) {
    layout.width = ParseWidth(a.substr(8));
    if (!layout.width) {
      std::cerr << "dorix-diff: --width wants a whole number from 1 up, not " << a.substr(8)
                << '\n';
      return false;
    }
  } else if (a.starts_with(kView.option)) {
    if (!ParseChoice(a, kView, layout.view))
      return false;
  } else if (a.starts_with(kLineEnds.option)) {
    if (!ParseChoice(a, kLineEnds, layout.lineEnds))
      return false;
  } else {
    std::cerr << "dorix-diff: unknown option " << arg << '\n';
    return false;
  }
  layout.given = true;
  return true;
}

// An option of what the comparison looks past, long or short (short ones may go together, as
// in -bw); false for one that is not.
bool ParseIgnoreOption(std::string_view arg, TIgnoreChoices &ignore) {
  if (arg == "--ignore-line-ends" || arg == "--strip-trailing-cr")
    return ignore.LineEnds = true;
  if (arg == "--ignore-space-change")
    return ignore.SpaceChange = true;
  if (arg == "--ignore-all-space")
    return ignore.AllSpace = true;
  if (arg == "--ignore-case")
    return ignore.Case = true;
  if (arg.starts_with("--") || arg.find_first_not_of("bwi", 1) != std::string_view::npos)
    return false;
  for (const char letter : arg.substr(1))
    (letter == 'b' ? ignore.SpaceChange : letter == 'w' ? ignore.AllSpace : ignore.Case) = true;
  return true;
}

bool ParseArguments(int argc, char **argv, Options &options) {
  bool optionsEnd = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const TLabelTaken label =
        optionsEnd ? TLabelTaken::NotLabel : TakeLabel(argc, argv, i, options.labels);
    if (label == TLabelTaken::MissingValue) {
      std::cerr << "dorix-diff: " << arg << " wants a name\n";
      return false;
    }
    if (label == TLabelTaken::Taken)
      continue;
    if (optionsEnd || arg.size() < 2 || arg[0] != '-')
      options.files.push_back(arg);
    else if (arg == "--")
      optionsEnd = true;
    else if (arg == "--old-first")
      options.oldFirst = true;
    else if (arg == "--exact")
      options.readable = false;
    else if (arg == "--no-moves")
      options.moves = false;
    else if (arg == "-a" || arg == "--text")
      options.text = true;
    else if (arg == "-q" || arg == "--no-exclude" || arg.starts_with("--exclude=")) {
      options.quick = options.quick || arg == "-q";
      options.defaultExclusions = options.defaultExclusions && arg != "--no-exclude";
      if (arg.starts_with("--exclude="))
        options.exclude.push_back(arg.substr(10));
      options.folderOption = true;
    } else if (arg == "--chunks")
      options.format = Format::Chunks;
    else if (arg == "--stats")
      options.format = Format::Stats;
    else if (arg == "--lines")
      options.format = Format::Lines;
    else if (arg == "--html")
      options.format = Format::Html;
    else if (arg == "--moves")
      options.format = Format::Moves;
    else if (arg == "--color=auto" || arg == "--color")
      options.colour = Colour::Auto;
    else if (arg == "--color=always")
      options.colour = Colour::Always;
    else if (arg == "--color=never")
      options.colour = Colour::Never;
    else if (arg.starts_with("--encoding=")) {
      const auto encoding = EncodingNamed(std::string_view(arg).substr(11));
      if (!encoding) {
        std::cerr << "dorix-diff: --encoding wants auto, utf-8, cp1251, cp866 or koi8-r, not "
                  << arg.substr(11) << '\n';
        return false;
      }
      options.encoding = *encoding;
    } else if (ParseIgnoreOption(arg, options.ignore))
      continue;
    else if (!ParseLayoutOption(arg, options.layout))
      return false;
  }
  const bool lines = options.format == Format::Lines || options.format == Format::Html;
  if (options.layout.given && !lines) {
    std::cerr << "dorix-diff: --width, --hex, --view and --line-ends go with --lines or --html\n";
    return false;
  }
  options.unmerged = GitUnmergedPath(options.files);
  if (options.unmerged)
    return true;
  options.git = GitExternalDiffPair(options.files);
  if (options.git) {
    if (options.format != Format::Merged) {
      std::cerr << "dorix-diff: as git's external diff only the merged text is written\n";
      return false;
    }
    options.files = {options.git->NewFile, options.git->OldFile};
  }
  if (options.files.size() != 2) {
    std::cerr << "dorix-diff: expected two files, got " << options.files.size() << '\n';
    return false;
  }
  if (options.labels.size() > 2) {
    std::cerr << "dorix-diff: -L names the two files: given " << options.labels.size()
              << " times\n";
    return false;
  }
  if (options.oldFirst)
    std::swap(options.files[0], options.files[1]);
  return true;
}

// The display lines the window would show for this layout.
TVLineModel BuildLines(const TVKindStringList &pieces, const LineLayout &layout, bool loneLineFeed,
                       bool utf8, const std::stop_token &stop) {
  TVLineModel model;
  model.SetSource(&pieces);
  model.SetTextForm({utf8, 8});
  model.SetViewFilter(layout.view);
  model.SetLfBreaks(LfBreaksFor(layout.lineEnds, loneLineFeed));
  model.BuildLines(layout.hex ? kHexBytesPerLine : layout.width.value_or(kNoWrap), layout.hex,
                   stop);
  return model;
}

// What names file k (0 the new one): its label, else its path. Labels name the files in the
// order given, before --old-first turns them round.
std::string FileName(const Options &options, std::size_t k) {
  const std::size_t given = options.oldFirst ? 1 - k : k;
  return given < options.labels.size() ? options.labels[given] : options.files[k];
}

THtmlPage HtmlPage(const Options &options, const TComparison &comparison) {
  THtmlPage page;
  page.FirstName = FileName(options, 0);
  page.SecondName = FileName(options, 1);
  page.Outcome = StatusText(comparison.Outcome());
  const TVPieceCounts &c = comparison.Counts();
  page.Counters = {c.EqualChars,  c.FirstChars,  c.SecondChars,
                   c.EqualChunks, c.FirstChunks, c.SecondChunks};
  page.Hex = options.layout.hex;
  page.LooksPast = options.ignore.Any();
  page.Utf8 = comparison.Encoding() == TVEncoding::Utf8;
  page.CodePage = CodePageOf(comparison.Encoding());
  const std::int32_t view = options.layout.view;
  page.Moved = MovedEnds(comparison.Pieces(view),
                         [&](int entry) { return comparison.OtherEnd(view, entry); });
  return page;
}

std::string_view Environment(const char *name) {
  const char *value = std::getenv(name);
  return value ? value : "";
}

// Colour on a terminal, and on the pager git starts for its own output; never where NO_COLOR is
// set or the terminal is a dumb one, unless asked for outright.
bool UseColour(Colour colour) {
  if (colour != Colour::Auto)
    return colour == Colour::Always;
  if (!Environment("NO_COLOR").empty() || Environment("TERM") == "dumb")
    return false;
  return ::isatty(STDOUT_FILENO) || Environment("GIT_PAGER_IN_USE") == "true";
}

TMergedLook MergedLook(const Options &options) {
  return {UseColour(options.colour), ::isatty(STDOUT_FILENO) == 1};
}

// Names a file that could not be read, or changed while it was, on standard error.
int Trouble(const TComparedFile &file, const TLoadStatus &status) {
  std::cerr << "dorix-diff: " << LoadErrorMessage(file.Name(), status) << '\n';
  return kTrouble;
}

int Stopped() {
  std::cerr << "dorix-diff: stopped\n";
  return kTrouble;
}

// A folder comparison's entries; with -q, the walk stops at the first difference.
class TFolderOutcome : public TFolderTree {
public:
  explicit TFolderOutcome(bool quick, const std::stop_token &signals)
      : FQuick(quick), FSignals(signals, [this] { FStop.request_stop(); }) {}

  void Listed(std::uint32_t parent, std::vector<TFolderEntry> entries) override {
    TFolderTree::Listed(parent, std::move(entries));
    StopAtADifference();
  }
  void Settled(std::uint32_t entry, TSettled settled) override {
    TFolderTree::Settled(entry, std::move(settled));
    StopAtADifference();
  }
  std::stop_token Token() const { return FStop.get_token(); }

private:
  void StopAtADifference() {
    if (FQuick && AnyDifference())
      FStop.request_stop();
  }

  bool FQuick;
  std::stop_source FStop;
  std::stop_callback<std::function<void()>> FSignals;
};

int CompareFolderPair(const Options &options, TStopSignals &signals) {
  TFolderChoices choices;
  if (options.defaultExclusions)
    choices.Exclude = SplitPatterns(kDefaultExclusions);
  choices.Exclude.insert(choices.Exclude.end(), options.exclude.begin(), options.exclude.end());
  choices.Ignore = options.ignore;
  TFolderOutcome outcome(options.quick, signals.Token());
  const std::string error =
      CompareFolders(options.files[0], options.files[1], choices, outcome, outcome.Token());
  if (!error.empty()) {
    std::cerr << "dorix-diff: " << error << '\n';
    return kTrouble;
  }
  if (signals.Token().stop_requested())
    return Stopped();
  signals.OutputBegins();
  if (options.quick) {
    for (const TFolderEntry &entry : outcome.Entries())
      if (Differs(entry.State)) {
        std::cout << FolderLine(entry) << '\n';
        break;
      }
  } else if (options.format == Format::Stats)
    WriteFolderCounts(std::cout, outcome);
  else
    WriteFolderLines(std::cout, outcome);
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "dorix-diff: cannot write the output\n";
    return kTrouble;
  }
  if (outcome.Count(TFolderState::Unreadable) > 0)
    return kTrouble;
  return outcome.AnyDifference() ? kDiffer : kSame;
}

// Two folders, two files, or the refusal of one of each; false with the reason on standard
// error for options that do not go with what was given.
bool Dispatch(const Options &options, bool &folders) {
  const bool newFolder = IsFolder(options.files[0]), oldFolder = IsFolder(options.files[1]);
  folders = newFolder && oldFolder;
  if (newFolder != oldFolder) {
    std::cerr << "dorix-diff: " << options.files[newFolder ? 0 : 1] << " is a folder and "
              << options.files[newFolder ? 1 : 0] << " is not: give two files or two folders\n";
    return false;
  }
  if (!folders && options.folderOption) {
    std::cerr << "dorix-diff: -q, --exclude and --no-exclude go with two folders\n";
    return false;
  }
  if (folders && options.format != Format::Merged && options.format != Format::Stats) {
    std::cerr << "dorix-diff: with two folders only --stats changes what is written\n";
    return false;
  }
  return true;
}

int Compare(const Options &options, TStopSignals &signals) {
  const std::stop_token stop = signals.Token();
  // The files are mapped, not copied: the comparison is done and written before they close.
  // The counters and pieces count moved text as inserted and deleted: not looked for there.
  const bool moves =
      options.moves && options.format != Format::Chunks && options.format != Format::Stats;
  const std::shared_ptr<const TComparison> comparison =
      TComparison::Run({options.files[0], options.files[1], TReadMode::Map},
                       {options.encoding, false, options.readable, options.ignore, moves}, stop);
  if (!comparison)
    return Stopped();
  const TComparedFile *const files[] = {&comparison->Actual(), &comparison->Obsolete()};
  for (const TComparedFile *file : files)
    if (file->Failed())
      return Trouble(*file, file->Status());

  const TVKindStringList &pieces = comparison->Pieces();
  // A binary pair's bytes would only garble the terminal: the merged text says they differ, or
  // nothing when they do not.
  const bool binary = !options.text && (LooksBinary(comparison->Actual().Text()) ||
                                        LooksBinary(comparison->Obsolete().Text()));
  const std::string_view outcome = StatusText(comparison->Outcome());
  std::optional<TVLineModel> model;
  if (options.format == Format::Lines || options.format == Format::Html)
    model.emplace(BuildLines(comparison->Pieces(options.layout.view), options.layout,
                             comparison->Facts().LoneLineFeed,
                             comparison->Encoding() == TVEncoding::Utf8, stop));
  if (stop.stop_requested())
    return Stopped();
  signals.OutputBegins();

  switch (options.format) {
  case Format::Lines:
    WriteLines(std::cout, *model);
    break;
  case Format::Html:
    WriteHtml(std::cout, *model, HtmlPage(options, *comparison));
    break;
  case Format::Chunks:
    if (options.ignore.Any())
      WriteSpans(std::cout, comparison->Spans());
    else
      WriteChunks(std::cout, comparison->UnmarkedPieces());
    break;
  case Format::Moves:
    WriteMoves(std::cout, comparison->MovedSpots());
    break;
  case Format::Stats:
    WriteCounters(std::cout, comparison->Counts());
    std::cout << outcome << '\n';
    break;
  case Format::Merged:
    if (options.git)
      WriteGitDiff(std::cout, *options.git, pieces, MergedLook(options), outcome,
                   binary && !comparison->Identical());
    else if (binary) {
      if (!comparison->Identical())
        std::cout << kBinaryFilesDiffer << '\n';
    } else {
      if (!options.labels.empty())
        std::cout << "--- " << FileName(options, 1) << "\n+++ " << FileName(options, 0) << '\n';
      WriteMerged(std::cout, pieces, MergedLook(options));
      std::cout.flush();
      std::cerr << outcome << '\n';
    }
    break;
  }
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "dorix-diff: cannot write the output\n";
    return kTrouble;
  }
  if (stop.stop_requested()) // it came as the output began: the output is whole, but asked off
    return Stopped();
  // What was written is only worth its exit status if neither file changed meanwhile.
  for (const TComparedFile *file : files)
    if (const TLoadStatus now = file->ConfirmUnchanged(); !now.Ok())
      return Trouble(*file, now);
  // Git stops at the first path whose external diff fails, so a difference is no failure there.
  return comparison->Alike() || options.git ? kSame : kDiffer;
}

} // namespace

int main(int argc, char **argv) {
  std::ios::sync_with_stdio(false);
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::cout << kUsage;
    return kSame;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << kVersion;
    return kSame;
  }
  Options options;
  if (!ParseArguments(argc, argv, options)) {
    std::cerr << kUsage;
    return kTrouble;
  }
  if (options.unmerged) { // nothing to compare: git's own words for it
    std::cout << "* Unmerged path " << *options.unmerged << '\n';
    return kSame;
  }
  bool folders = false;
  if (!options.git && !Dispatch(options, folders))
    return kTrouble;
  TStopSignals signals;
  try {
    return folders ? CompareFolderPair(options, signals) : Compare(options, signals);
  } catch (const std::bad_alloc &) {
    std::cerr << "dorix-diff: out of memory\n";
    return kTrouble;
  }
}
