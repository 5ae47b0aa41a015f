#include "Comparison.h"

#include "ReadablePieces.h"
#include "SideBySide.h"
#include "VDiff.h"

#include <optional>

struct TComparison::TTexts {
  TComparedFile Actual, Obsolete;
  TTextFacts Facts;
};

struct TComparison::TEngineRun {
  TFormOptions Options; // nothing looked past: the engine compared the texts themselves
  std::optional<TComparedText> Actual, Obsolete; // the compared forms, when something is
  TVDiff Engine;                                 // views of what it compared
};

// The pieces shown, made from the engine's by the passes in force; each pass views the one before
// it, so all are kept. Where something is looked past, the last pass turned back into each file's
// bytes.
struct TComparison::TShown {
  const TEngineRun *Engine = nullptr;
  bool Utf8 = false, Readable = false; // what they were made for
  std::vector<std::shared_ptr<const TVKindStringList>> Passes;
  std::optional<TVOriginalPieces> New, Old;
  TVPieceCounts Counts;
};

// Moved text in the pieces shown, marked in a list for each view that the pieces' lists tell
// apart.
struct TComparison::TMoves {
  std::shared_ptr<const TShown> Shown; // what they were found in; the marks view its texts
  std::vector<TMovedPart> Parts;
  std::optional<TVMovedPieces> New, Old;
};

namespace {

// Below this much text both texts are looked through, or read into their compared forms, one
// after the other: a thread would cost more.
constexpr std::size_t kLookThroughInPlaceBytes = std::size_t{1} << 20;

// Of differing texts, whether they differ only in line ends, only in spaces, or in both.
TCompareStatus FormOnly(std::string_view actual, std::string_view obsolete, std::size_t shared,
                        const std::stop_token &stop) {
  TFormOptions both;
  both.LineEnds = both.SpaceChange = true;
  if (!ReadAlike(actual, obsolete, shared, both, stop))
    return csNotRun; // neither alone can then explain the difference either
  TFormOptions lineEnds, spaces;
  lineEnds.LineEnds = spaces.SpaceChange = true;
  if (ReadAlike(actual, obsolete, shared, lineEnds, stop))
    return csOnlyLineEnds;
  return ReadAlike(actual, obsolete, shared, spaces, stop) ? csOnlySpaces : csOnlySpacesAndLineEnds;
}

TTextFacts FactsOf(std::string_view actual, std::string_view obsolete,
                   const std::stop_token &stop) {
  TTextFacts facts;
  facts.SharedStart = SharedStart(actual, obsolete, stop);
  facts.Identical = actual.size() == obsolete.size() && facts.SharedStart == actual.size();
  // The same bytes twice are looked through once.
  const std::string_view other = facts.Identical ? std::string_view() : obsolete;
  facts.LoneLineFeed = HasLoneLineFeed(actual, stop) || HasLoneLineFeed(other, stop);
  facts.Utf8 = DetectEncoding(actual, other, stop) == TVEncoding::Utf8;
  if (!facts.Identical)
    facts.FormOnly = FormOnly(actual, obsolete, facts.SharedStart, stop);
  return facts;
}

// What the compared forms look past under the choices; letters need the encoding in force.
TFormOptions FormOptions(const TComparisonChoices &choices, TVEncoding encoding) {
  TFormOptions options;
  static_cast<TIgnoreChoices &>(options) = choices.Ignore;
  options.SpaceChange |= options.AllSpace; // the same form: one run of the engine serves both
  if (options.Case) {
    options.Utf8 = encoding == TVEncoding::Utf8;
    options.Page = CodePageOf(encoding);
  }
  return options;
}

// Letter case is told by the encoding, which the automatic choice takes from the texts.
bool FormNeedsFacts(const TComparisonChoices &choices) {
  return choices.Ignore.Case && choices.Encoding == TVEncoding::Auto && !choices.OemMode;
}

void Enter(TComparisonProgress *progress, TComparisonPhase phase, const std::stop_token &stop) {
  if (!progress)
    return;
  progress->Phase = phase;
  if (progress->OnPhase)
    progress->OnPhase(phase, stop);
}

} // namespace

std::shared_ptr<const TComparison> TComparison::Run(const TComparisonFiles &files,
                                                    const TComparisonChoices &choices,
                                                    const std::stop_token &stop,
                                                    TComparisonProgress *progress) {
  auto texts = std::make_shared<TTexts>();
  Enter(progress, cpReadingActual, stop);
  texts->Actual = TComparedFile(files.ActualName, files.Read, stop);
  Enter(progress, cpReadingObsolete, stop);
  texts->Obsolete = TComparedFile(files.ObsoleteName, files.Read, stop);
  if (stop.stop_requested())
    return nullptr;

  // The texts stay where they are from here on: the second core looks through them for what the
  // automatic choices need while this one compares them.
  Enter(progress, cpComparing, stop);
  const std::string_view actual = texts->Actual.Text(), obsolete = texts->Obsolete.Text();
  TTextFacts facts;
  std::shared_ptr<const TEngineRun> engine;
  const bool needsFacts = FormNeedsFacts(choices);
  SideBySide(
      actual.size() + obsolete.size() >= kLookThroughInPlaceBytes && !needsFacts,
      [&] { facts = FactsOf(actual, obsolete, stop); },
      [&] {
        // Only letter case makes the form depend on the encoding, and its facts are in by then.
        const TVEncoding encoding =
            EncodingInForce(choices.Encoding, choices.OemMode, needsFacts && facts.Utf8);
        engine = RunEngine(*texts, FormOptions(choices, encoding), stop, progress);
      });
  texts->Facts = facts;
  if (!engine || stop.stop_requested())
    return nullptr;

  std::shared_ptr<const TComparison> comparison(
      new TComparison(std::move(texts), choices, std::move(engine), nullptr, stop));
  if (choices.Moves && !comparison->FMoves)
    return nullptr; // stopped while looking for moved text
  Enter(progress, cpDone, stop);
  return comparison;
}

std::shared_ptr<const TComparison::TEngineRun>
TComparison::RunEngine(const TTexts &texts, const TFormOptions &options,
                       const std::stop_token &stop, TComparisonProgress *progress) {
  auto run = std::make_shared<TEngineRun>();
  run->Options = options;
  std::string_view actual = texts.Actual.Text(), obsolete = texts.Obsolete.Text();
  if (options.Any()) { // else nothing is copied: the engine views the texts
    SideBySide(
        actual.size() + obsolete.size() >= kLookThroughInPlaceBytes,
        [&] { run->Actual.emplace(actual, options, stop); },
        [&] { run->Obsolete.emplace(obsolete, options, stop); });
    actual = run->Actual->Form();
    obsolete = run->Obsolete->Form();
  }
  if (progress)
    run->Engine.OnProgress = [progress](const void *, std::int32_t percent, TVProgressStage stage) {
      if (stage == psStep)
        progress->Percent = percent;
    };
  run->Engine.RunOn(actual, obsolete, stop);
  run->Engine.OnProgress = nullptr;
  return stop.stop_requested() ? nullptr : run;
}

std::shared_ptr<const TComparison> TComparison::WithChoices(const TComparisonChoices &choices,
                                                            const std::stop_token &stop,
                                                            TComparisonProgress *progress) const {
  const TVEncoding encoding = EncodingInForce(choices.Encoding, choices.OemMode, Facts().Utf8);
  const TFormOptions options = FormOptions(choices, encoding);
  std::shared_ptr<const TEngineRun> engine = FEngine;
  if (engine->Options != options) {
    Enter(progress, cpComparing, stop);
    engine = RunEngine(*FTexts, options, stop, progress);
    if (!engine)
      return nullptr;
  }
  std::shared_ptr<const TComparison> comparison(
      new TComparison(FTexts, choices, std::move(engine), this, stop));
  return choices.Moves && !comparison->FMoves ? nullptr : comparison;
}

TComparison::TComparison(std::shared_ptr<const TTexts> texts, const TComparisonChoices &choices,
                         std::shared_ptr<const TEngineRun> engine, const TComparison *before,
                         const std::stop_token &stop)
    : FTexts(std::move(texts)), FChoices(choices),
      FEncoding(EncodingInForce(choices.Encoding, choices.OemMode, FTexts->Facts.Utf8)),
      FEngine(std::move(engine)) {
  const bool utf8 = FEncoding == TVEncoding::Utf8;
  const auto fits = [&](const TShown &shown) {
    return shown.Engine == FEngine.get() && shown.Utf8 == utf8 &&
           shown.Readable == choices.Readable;
  };
  // A single-byte code page only changes how the text is drawn.
  FShown = before && fits(*before->FShown) ? before->FShown : MakeShown(utf8, choices.Readable);
  if (choices.Moves)
    FMoves = before && before->FMoves && before->FMoves->Shown == FShown ? before->FMoves
                                                                         : FindMoves(stop);
  FOutcome = DecideOutcome();
}

// The passes, in order: changes slid to lines on the engine's pieces, then under UTF-8 no
// character split, then the crumbs folded; where something was looked past, the result in the
// bytes of each file.
std::shared_ptr<const TComparison::TShown> TComparison::MakeShown(bool utf8, bool readable) const {
  auto shown = std::make_shared<TShown>();
  shown->Engine = FEngine.get();
  shown->Utf8 = utf8;
  shown->Readable = readable;
  const auto last = [&]() -> const TVKindStringList & {
    return shown->Passes.empty() ? FEngine->Engine : *shown->Passes.back();
  };
  if (readable)
    shown->Passes.push_back(std::make_shared<const TVSlidPieces>(last()));
  if (utf8)
    shown->Passes.push_back(std::make_shared<const TVCharacterPieces>(last()));
  if (readable)
    shown->Passes.push_back(std::make_shared<const TVFoldedPieces>(last()));
  if (shown->Passes.empty()) // the engine's own pieces, which the run holds
    shown->Passes.push_back(
        std::shared_ptr<const TVKindStringList>(std::shared_ptr<void>(), &FEngine->Engine));
  if (!FEngine->Options.Any()) {
    shown->Counts = CountPieces(last());
    return shown;
  }
  const TVFormSide actual{Actual().Text(), &*FEngine->Actual},
      obsolete{Obsolete().Text(), &*FEngine->Obsolete};
  shown->New.emplace(last(), actual, obsolete, false, utf8);
  shown->Old.emplace(last(), actual, obsolete, true, utf8);
  shown->Counts = shown->New->Counts();
  return shown;
}

// Found in the pieces of both files' view, which hold every inserted and deleted piece; where
// the views' lists differ, each is marked. Null after a stop request.
std::shared_ptr<const TComparison::TMoves>
TComparison::FindMoves(const std::stop_token &stop) const {
  // Texts the engine found nothing shared in are inserted and deleted whole: comparing them again
  // would find nothing again.
  const bool nothingShared = FEngine->Engine.EqualChars == 0 && !FEngine->Options.Any();
  std::optional<std::vector<TMovedPart>> parts =
      nothingShared ? std::vector<TMovedPart>() : FindMovedParts(UnmarkedPieces(viewBoth), stop);
  if (!parts)
    return nullptr;
  auto moves = std::make_shared<TMoves>();
  moves->Shown = FShown;
  moves->Parts = std::move(*parts);
  const bool utf8 = FShown->Utf8;
  moves->New.emplace(UnmarkedPieces(viewNew), moves->Parts, utf8);
  if (FShown->Old)
    moves->Old.emplace(*FShown->Old, moves->Parts, utf8);
  return moves;
}

TCompareStatus TComparison::DecideOutcome() const {
  // A file that could not be read is not an empty one, whatever the pieces say.
  if (Actual().Failed())
    return csReadingActual;
  if (Obsolete().Failed())
    return csReadingObsolete;
  const TCompareStatus outcome = ::DecideOutcome(
      {Actual().Named(), Obsolete().Named(), Actual().Text().empty(), Obsolete().Text().empty(),
       Counts().EqualChars, Counts().FirstChars, Counts().SecondChars});
  const bool judged = outcome == csIdentical || outcome == csSimilar || outcome == csDissimilar;
  if (!judged || Identical())
    return outcome;
  // Files that differ only in their form are told so, whatever the pieces show.
  if (Facts().FormOnly != csNotRun)
    return Facts().FormOnly;
  TFormOptions letterCase;
  letterCase.Case = true;
  letterCase.Utf8 = FEncoding == TVEncoding::Utf8;
  letterCase.Page = CodePageOf(FEncoding);
  if (ReadAlike(Actual().Text(), Obsolete().Text(), Facts().SharedStart, letterCase))
    return csOnlyCase;
  // The pieces may say nothing differs only because everything that does was looked past.
  return outcome == csIdentical ? csOnlyIgnored : outcome;
}

const TComparedFile &TComparison::Actual() const {
  return FTexts->Actual;
}

const TComparedFile &TComparison::Obsolete() const {
  return FTexts->Obsolete;
}

const TTextFacts &TComparison::Facts() const {
  return FTexts->Facts;
}

const TVKindStringList &TComparison::Pieces(std::int32_t view) const {
  if (!FMoves)
    return UnmarkedPieces(view);
  return view == viewOld && FMoves->Old ? *FMoves->Old : *FMoves->New;
}

const TVKindStringList &TComparison::UnmarkedPieces(std::int32_t view) const {
  if (!FShown->New)
    return *FShown->Passes.back();
  if (view == viewOld)
    return *FShown->Old;
  return *FShown->New;
}

const std::vector<TMovedPart> &TComparison::Moves() const {
  static const std::vector<TMovedPart> none;
  return FMoves ? FMoves->Parts : none;
}

std::vector<TMovedSpot> TComparison::MovedSpots() const {
  return ::MovedSpots(Moves(), UnmarkedPieces(viewNew), UnmarkedPieces(viewOld));
}

int TComparison::OtherEnd(std::int32_t view, int entry) const {
  // A view of one file shows one end of moved text only.
  return FMoves && view == viewBoth ? FMoves->New->OtherEnd(entry) : -1;
}

std::shared_ptr<const TVKindStringList> TComparison::SharedPieces(std::int32_t view) const {
  return {shared_from_this(), &Pieces(view)};
}

const TVPieceCounts &TComparison::Counts() const {
  return FShown->Counts;
}

const std::vector<TVOriginalSpan> &TComparison::Spans() const {
  static const std::vector<TVOriginalSpan> none;
  return FShown->New ? FShown->New->Spans() : none;
}

bool TComparison::Identical() const {
  return Facts().Identical;
}

bool TComparison::Alike() const {
  if (!FEngine->Options.Any())
    return Identical();
  return FEngine->Actual->Form() == FEngine->Obsolete->Form();
}
