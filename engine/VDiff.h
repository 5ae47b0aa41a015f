// The block difference engine. It is itself the chunk list of its last comparison.
#pragma once

#include "VClasses.h"

#include <cstdint>
#include <stop_token>
#include <string>

class TVDiff : public TVKindStringList {
public:
  std::int32_t EqualChars = 0;
  std::int32_t FirstChars = 0;
  std::int32_t SecondChars = 0;
  std::int32_t EqualChunks = 0;
  std::int32_t FirstChunks = 0;
  std::int32_t SecondChunks = 0;
  std::int32_t MinMatch = 1; // runs of at most this length are not taken as shared
  // false: every block is looked up by a scan and every run grown afresh, never from what the
  // levels above learnt. The same result, slower; tests and benchmarks compare the two.
  bool Shortcuts = true;
  TVProgressEvent OnProgress;
  // Called once per examined block at every level of a run; it reports nothing, but lets the
  // owner keep its window responsive where the levels below the top are silent.
  std::function<void()> OnIdle;
  std::int32_t EqualKind = 0;
  std::int32_t FirstKind = 1;
  std::int32_t SecondKind = 2;

  TVDiff() = default;
  // Compares the two texts at once when both are non-empty.
  TVDiff(std::string first, std::string second);

  // Replaces the list with the comparison of the two texts. The list keeps both texts alive,
  // so its entries stay valid until the next Clear or Run. Memory exhaustion propagates as
  // std::bad_alloc with the list partly filled.
  //
  // A stop request is looked at between any two steps of the work, a few milliseconds apart
  // at most whatever the texts: the run then returns at once with an empty list, zero counters
  // and Stopped() true, and reports nothing more; the texts it took stay alive until the next
  // Clear or Run.
  void Run(std::string first, std::string second, std::stop_token stop = {});

  // The same on texts the caller keeps alive and unchanged until the next Clear or Run (files
  // mapped into memory, say): nothing is copied.
  void RunOn(std::string_view first, std::string_view second, std::stop_token stop = {});

  // The last run ended on a stop request.
  bool Stopped() const { return FStopped; }

  // Appends the entry and counts it under the first kind field it equals.
  int AddKind(std::string_view text, std::int32_t kind) override;

private:
  void Start();
  void ResetCounters();
  void Report(std::int32_t percent, TVProgressStage stage);
  void DiffGuarded(std::string_view a, std::string_view b, std::stop_token stop);
  void DiffRange(std::string_view a, std::string_view b, const std::stop_token &stop);

  bool FStopped = false;
};
