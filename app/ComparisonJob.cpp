#include "ComparisonJob.h"

#include "FileText.h"
#include "LineModel.h"

#include <thread>

namespace {

// What the automatic choices need to know about the files.
struct TTextFacts {
  bool LoneLineFeed = false;
  bool Utf8 = false;
};

TTextFacts FactsOf(std::string_view actual, std::string_view obsolete,
                   const std::stop_token &stop) {
  return {HasLoneLineFeed(actual, stop) || HasLoneLineFeed(obsolete, stop),
          DetectEncoding(actual, obsolete, false, stop) == TVEncoding::Utf8};
}

} // namespace

void TComparisonJob::Run(const std::stop_token &stop) {
  Enter(jpReadingActual, stop);
  TLoaded actual = Load(ActualName, stop);
  Enter(jpReadingObsolete, stop);
  TLoaded obsolete = Load(ObsoleteName, stop);
  for (const TLoaded *loaded : {&actual, &obsolete})
    if (loaded->Failure)
      Failures.push_back(*loaded->Failure);

  // The second core looks through both texts for what the automatic choices need while this
  // one compares them.
  Enter(jpComparing, stop);
  ActualLength = static_cast<std::int32_t>(actual.Text.size());
  ObsoleteLength = static_cast<std::int32_t>(obsolete.Text.size());
  // Views of the texts stay valid when the engine takes them (a move keeps a string's buffer),
  // and after a stop too: the engine keeps its texts until it is cleared.
  // Small texts are looked through at once: a thread would cost more, and the move of a very
  // short string does not keep its buffer.
  const std::string_view actualView = actual.Text, obsoleteView = obsolete.Text;
  TTextFacts facts;
  std::jthread lookThrough;
  if (actualView.size() + obsoleteView.size() < (1u << 20))
    facts = FactsOf(actualView, obsoleteView, stop);
  else
    lookThrough = std::jthread([&] { facts = FactsOf(actualView, obsoleteView, stop); });
  Diff->EqualKind = 0;
  Diff->FirstKind = FirstKind;
  Diff->SecondKind = SecondKind;
  Diff->OnProgress = [this](const void *, std::int32_t percent, TVProgressStage stage) {
    if (stage == psStep)
      Percent = percent;
  };
  Diff->Run(std::move(actual.Text), std::move(obsolete.Text), stop);
  Diff->OnProgress = nullptr;
  if (lookThrough.joinable())
    lookThrough.join();
  LoneLineFeed = facts.LoneLineFeed;
  DetectedUtf8 = facts.Utf8;
  Stopped = stop.stop_requested();
  if (!Stopped && EncodingInForce(Encoding, OemMode, DetectedUtf8) == TVEncoding::Utf8)
    Pieces = std::make_unique<TVCharacterPieces>(*Diff);
  Phase = jpDone;
}

void TComparisonJob::Enter(TJobPhase phase, const std::stop_token &stop) {
  Phase = phase;
  if (OnPhase)
    OnPhase(phase, stop);
}

TComparisonJob::TLoaded TComparisonJob::Load(const std::string &name, const std::stop_token &stop) {
  if (name.empty())
    return {};
  TFileText file;
  try {
    file = LoadFileText(name, stop);
  } catch (const std::bad_alloc &) {
    return {{}, TLoadFailure{name, {}, true}}; // the run goes on with an empty text
  }
  if (!file.Ok() && file.Error != TLoadError::Stopped)
    return {{}, TLoadFailure{name, file, false}};
  return {std::move(file.Text), std::nullopt};
}
