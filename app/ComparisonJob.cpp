#include "ComparisonJob.h"

#include "FileText.h"
#include "LineModel.h"

void TComparisonJob::Run(const std::stop_token &stop) {
  Enter(jpReadingActual, stop);
  std::string actual = Load(ActualName, stop);
  Enter(jpReadingObsolete, stop);
  std::string obsolete = Load(ObsoleteName, stop);

  Enter(jpComparing, stop);
  LoneLineFeed = HasLoneLineFeed(actual, stop) || HasLoneLineFeed(obsolete, stop);
  DetectedUtf8 = DetectEncoding(actual, obsolete, false, stop) == TVEncoding::Utf8;
  ActualLength = static_cast<std::int32_t>(actual.size());
  ObsoleteLength = static_cast<std::int32_t>(obsolete.size());
  Diff->EqualKind = 0;
  Diff->FirstKind = FirstKind;
  Diff->SecondKind = SecondKind;
  Diff->OnProgress = [this](const void *, std::int32_t percent, TVProgressStage stage) {
    if (stage == psStep)
      Percent = percent;
  };
  Diff->Run(std::move(actual), std::move(obsolete), stop);
  Diff->OnProgress = nullptr;
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

std::string TComparisonJob::Load(const std::string &name, const std::stop_token &stop) {
  if (name.empty())
    return {};
  TFileText file;
  try {
    file = LoadFileText(name, stop);
  } catch (const std::bad_alloc &) {
    Failures.push_back({name, {}, {}, true}); // the run goes on with an empty text
    return {};
  }
  if (!file.Ok() && file.Error != TLoadError::Stopped)
    Failures.push_back({name, LoadErrorTitle(name, file), file.Reason, false});
  return std::move(file.Text);
}
