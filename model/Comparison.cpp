#include "Comparison.h"

#include "ComparedForm.h"
#include "LineModel.h"
#include "ReadablePieces.h"

#include <thread>

struct TComparison::TTexts {
  TComparedFile Actual, Obsolete;
  TTextFacts Facts;
  TVDiff Engine; // views of the two texts
};

namespace {

// Below this much text both texts are looked through at once: a thread would cost more.
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
  std::jthread lookThrough;
  if (actual.size() + obsolete.size() < kLookThroughInPlaceBytes)
    facts = FactsOf(actual, obsolete, stop);
  else
    lookThrough = std::jthread([&] { facts = FactsOf(actual, obsolete, stop); });
  if (progress)
    texts->Engine.OnProgress = [progress](const void *, std::int32_t percent,
                                          TVProgressStage stage) {
      if (stage == psStep)
        progress->Percent = percent;
    };
  texts->Engine.RunOn(actual, obsolete, stop);
  texts->Engine.OnProgress = nullptr;
  if (lookThrough.joinable())
    lookThrough.join();
  texts->Facts = facts;
  if (stop.stop_requested())
    return nullptr;

  std::shared_ptr<const TComparison> comparison(
      new TComparison(std::move(texts), choices, nullptr));
  Enter(progress, cpDone, stop);
  return comparison;
}

std::shared_ptr<const TComparison>
TComparison::WithChoices(const TComparisonChoices &choices) const {
  return std::shared_ptr<const TComparison>(new TComparison(FTexts, choices, this));
}

TComparison::TComparison(std::shared_ptr<const TTexts> texts, const TComparisonChoices &choices,
                         const TComparison *before)
    : FTexts(std::move(texts)), FChoices(choices),
      FEncoding(EncodingInForce(choices.Encoding, choices.OemMode, FTexts->Facts.Utf8)) {
  const bool utf8 = FEncoding == TVEncoding::Utf8;
  if (before && before->FShown->Utf8 == utf8 && before->FShown->Readable == choices.Readable) {
    FShown = before->FShown; // a single-byte code page only changes how the text is drawn
    FCounts = before->FCounts;
  } else {
    FShown = MakeShown(FTexts->Engine, utf8, choices.Readable);
    FCounts = CountPieces(Pieces());
  }
  FOutcome = DecideOutcome();
}

// The passes, in order: changes slid to lines on the engine's pieces, then under UTF-8 no
// character split, then the crumbs folded.
std::shared_ptr<const TComparison::TShown> TComparison::MakeShown(const TVKindStringList &engine,
                                                                  bool utf8, bool readable) {
  auto shown = std::make_shared<TShown>();
  shown->Utf8 = utf8;
  shown->Readable = readable;
  const auto last = [&]() -> const TVKindStringList & {
    return shown->Passes.empty() ? engine : shown->Pieces();
  };
  if (readable)
    shown->Passes.push_back(std::make_shared<const TVSlidPieces>(last()));
  if (utf8)
    shown->Passes.push_back(std::make_shared<const TVCharacterPieces>(last()));
  if (readable)
    shown->Passes.push_back(std::make_shared<const TVFoldedPieces>(last()));
  if (shown->Passes.empty()) // the engine's own pieces, which the texts hold
    shown->Passes.push_back(
        std::shared_ptr<const TVKindStringList>(std::shared_ptr<void>(), &engine));
  return shown;
}

TCompareStatus TComparison::DecideOutcome() const {
  // A file that could not be read is not an empty one, whatever the pieces say.
  if (Actual().Failed())
    return csReadingActual;
  if (Obsolete().Failed())
    return csReadingObsolete;
  const TCompareStatus outcome = ::DecideOutcome(
      {Actual().Named(), Obsolete().Named(), Actual().Text().empty(), Obsolete().Text().empty(),
       FCounts.EqualChars, FCounts.FirstChars, FCounts.SecondChars});
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
  return ReadAlike(Actual().Text(), Obsolete().Text(), Facts().SharedStart, letterCase) ? csOnlyCase
                                                                                        : outcome;
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

const TVKindStringList &TComparison::EnginePieces() const {
  return FTexts->Engine;
}

std::shared_ptr<const TVKindStringList> TComparison::SharedPieces() const {
  return {shared_from_this(), &Pieces()};
}

bool TComparison::Identical() const {
  return Facts().Identical;
}
