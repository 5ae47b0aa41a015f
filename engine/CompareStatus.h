// The outcome of a comparison run and the status-bar text of each outcome.
#pragma once

#include <cstdint>
#include <string_view>

enum TCompareStatus : std::uint8_t {
  csNotRun = 0,
  csReadingActual = 1,
  csReadingObsolete = 2,
  csBothEmpty = 3,
  csActualEmpty = 4,
  csObsoleteEmpty = 5,
  csNoFiles = 6,
  csNoActual = 7,
  csNoObsolete = 8,
  csIdentical = 9,
  csSimilar = 10,
  csDissimilar = 11,
  csStopped = 12, // the user stopped the run: nothing is shown
  // The files differ only in their form:
  csOnlyLineEnds = 13,
  csOnlySpaces = 14,
  csOnlySpacesAndLineEnds = 15,
  csOnlyCase = 16,
  csOnlyIgnored = 17, // in what the comparison was asked to look past, more than one of it
};

// The Russian status text, UTF-8.
std::string_view StatusText(TCompareStatus status);

// What a finished run found, as far as its outcome needs it.
struct TCompareFacts {
  bool ActualNamed = false;
  bool ObsoleteNamed = false;
  bool ActualEmpty = true;
  bool ObsoleteEmpty = true;
  std::int32_t EqualChars = 0;
  std::int32_t FirstChars = 0;
  std::int32_t SecondChars = 0;
};

// The first rule that matches wins: missing names, then empty texts, then the engine's counts.
// Any shared text at all makes two differing files similar.
TCompareStatus DecideOutcome(const TCompareFacts &facts);
