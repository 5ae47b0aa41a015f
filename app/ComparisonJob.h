// One comparison from the files' names to the pieces the viewer shows: both files read, what
// the automatic choices need to know about them, the engine's run, and under UTF-8 the pieces
// snapped to whole characters. It touches nothing but itself, so it can run on any thread; the
// window reads its phase and percent meanwhile and takes the results when it has returned.
#pragma once

#include "CharacterPieces.h"
#include "Encoding.h"
#include "FileText.h"
#include "VDiff.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

enum TJobPhase : int {
  jpWaiting = 0,
  jpReadingActual = 1,
  jpReadingObsolete = 2,
  jpComparing = 3,
  jpDone = 4,
};

struct TComparisonJob {
  // --- what it is given ---
  std::string ActualName, ObsoleteName; // the names' bytes; empty: that file is not named
  TVEncoding Encoding = TVEncoding::Auto;
  bool OemMode = false;
  std::int32_t FirstKind = 1, SecondKind = 2; // the style kinds the engine tags pieces with
  // Called on the job's thread as each phase begins; a test holds the job there.
  std::function<void(TJobPhase, const std::stop_token &)> OnPhase;

  // --- what the window reads while it runs ---
  std::atomic<int> Phase = jpWaiting;
  std::atomic<int> Percent = 0; // of the engine's run

  // --- what it hands back ---
  struct TLoadFailure {
    std::string Name;   // the file's name bytes
    TLoadStatus Status; // what failed, and the system's reason
    bool OutOfMemory = false;
  };
  std::vector<TLoadFailure> Failures; // in the order they happened; the run went on without
  std::unique_ptr<TVDiff> Diff = std::make_unique<TVDiff>();
  std::unique_ptr<TVCharacterPieces> Pieces; // under UTF-8 only
  std::int32_t ActualLength = 0, ObsoleteLength = 0;
  bool LoneLineFeed = false; // either file holds an LF without a CR before it
  bool DetectedUtf8 = false; // the automatic choice finds both files UTF-8
  bool Stopped = false;      // a stop request ended it: nothing else above means anything

  void Run(const std::stop_token &stop);

private:
  struct TLoaded {
    std::string Text;
    std::optional<TLoadFailure> Failure;
  };
  TLoaded Load(const std::string &name, const std::stop_token &stop);
  void Enter(TJobPhase phase, const std::stop_token &stop);
};
