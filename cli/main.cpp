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
#include "LoadMessages.h"
#include "Render.h"
#include "StopSignals.h"
#include "Texts.h"
#include "Usage.h"

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

// A message on standard error, after the command's name.
void Complain(std::string_view message) {
  std::cerr << "dorix-diff: " << message << '\n';
}

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
  Complain(Arg(Tr(QT_TRANSLATE_NOOP("Dorix", "%1 принимает %2, %3 или %4, а не %5")),
               {choice.option.substr(0, choice.option.size() - 1), choice.names[0], choice.names[1],
                choice.names[2], value}));
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
      Complain(Arg(Tr(QT_TRANSLATE_NOOP("Dorix", "--width принимает целое число от 1, а не %1")),
                   {a.substr(8)}));
      return false;
    }
  } else if (a.starts_with(kView.option)) {
    if (!ParseChoice(a, kView, layout.view))
      return false;
  } else if (a.starts_with(kLineEnds.option)) {
    if (!ParseChoice(a, kLineEnds, layout.lineEnds))
      return false;
  } else {
    Complain(Arg(Tr(QT_TRANSLATE_NOOP("Dorix", "неизвестный ключ %1")), {arg}));
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
      Complain(Arg(Tr(QT_TRANSLATE_NOOP("Dorix", "%1 требует имя")), {arg}));
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
        Complain(Arg(
            Tr(QT_TRANSLATE_NOOP(
                "Dorix", "--encoding принимает auto, utf-8, cp1251, cp866 или koi8-r, а не %1")),
            {std::string_view(arg).substr(11)}));
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
    Complain(Tr(QT_TRANSLATE_NOOP(
        "Dorix", "--width, --hex, --view и --line-ends работают только с --lines или --html")));
    return false;
  }
  options.unmerged = GitUnmergedPath(options.files);
  if (options.unmerged)
    return true;
  options.git = GitExternalDiffPair(options.files);
  if (options.git) {
    if (options.format != Format::Merged) {
      Complain(Tr(QT_TRANSLATE_NOOP(
          "Dorix", "как внешний diff для git выводится только объединённый текст")));
      return false;
    }
    options.files = {options.git->NewFile, options.git->OldFile};
  }
  if (options.files.size() != 2) {
    Complain(Arg(Tr(QT_TRANSLATE_NOOP("Dorix", "нужны два файла, а дано %1")),
                 {std::to_string(options.files.size())}));
    return false;
  }
  if (options.labels.size() > 2) {
    Complain(Arg(Tr(QT_TRANSLATE_NOOP("Dorix", "-L называет два файла, а дано %1 раз")),
                 {std::to_string(options.labels.size())}));
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
  std::string message = Arg(Tr(LoadFailureTitleText(status)), {file.Name()});
  const char *reason = LoadFailureReasonText(status);
  if (reason || !status.Reason.empty())
    message += ": " + std::string(reason ? Tr(reason) : status.Reason);
  Complain(message);
  return kTrouble;
}

int OutputFailed() {
  Complain(Tr(QT_TRANSLATE_NOOP("Dorix", "не удаётся записать вывод")));
  return kTrouble;
}

int Stopped() {
  Complain(StoppedWords());
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
    Complain(error);
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
    return OutputFailed();
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
    Complain(
        Arg(Tr(QT_TRANSLATE_NOOP("Dorix", "%1 - папка, а %2 - нет: дайте два файла или две папки")),
            {options.files[newFolder ? 0 : 1], options.files[newFolder ? 1 : 0]}));
    return false;
  }
  if (!folders && options.folderOption) {
    Complain(Tr(QT_TRANSLATE_NOOP("Dorix",
                                  "-q, --exclude и --no-exclude работают только с двумя папками")));
    return false;
  }
  if (folders && options.format != Format::Merged && options.format != Format::Stats) {
    Complain(Tr(QT_TRANSLATE_NOOP("Dorix", "с двумя папками вывод меняет только --stats")));
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
  const std::string_view outcome = Tr(StatusText(comparison->Outcome()));
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
        std::cout << Tr(kBinaryFilesDiffer) << '\n';
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
    return OutputFailed();
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
    std::cout << Usage();
    return kSame;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << kVersion;
    return kSame;
  }
  Options options;
  if (!ParseArguments(argc, argv, options)) {
    std::cerr << Usage();
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
    Complain(Tr(QT_TRANSLATE_NOOP("Dorix", "недостаточно памяти")));
    return kTrouble;
  }
}
