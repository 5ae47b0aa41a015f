// The one comparison of two files that the window and dorix-diff both run, from the names to
// the verdict: both files read, what the automatic choices need to know about them, the
// engine's pieces, the pieces shown (whole characters under UTF-8), one set of counters of those
// and the verdict. The programs only present what it returns, so they cannot disagree.
//
// A comparison never changes once made: threads may share it. Other choices over the same files
// make another comparison that shares the texts and the engine's pieces with the first.
#pragma once

#include "CharacterPieces.h"
#include "CompareStatus.h"
#include "ComparedFile.h"
#include "Encoding.h"
#include "VDiff.h"

#include <atomic>
#include <functional>
#include <memory>
#include <stop_token>
#include <string>
#include <vector>

// How far a comparison has got, for a window that shows it while the work runs on a thread.
enum TComparisonPhase : int {
  cpWaiting = 0,
  cpReadingActual = 1,
  cpReadingObsolete = 2,
  cpComparing = 3,
  cpDone = 4,
};

struct TComparisonProgress {
  std::atomic<int> Phase = cpWaiting;
  std::atomic<int> Percent = 0; // of the engine's run
  // Called on the comparison's thread as each phase begins; a test holds the work there.
  std::function<void(TComparisonPhase, const std::stop_token &)> OnPhase;
};

// What the user chose, beside the files, that decides the pieces.
struct TComparisonChoices {
  TVEncoding Encoding = TVEncoding::Auto;
  bool OemMode = false; // DOS (866) whatever the encoding says
  bool Readable = true; // the readable pass: changes slid to lines, crumbs folded
  bool operator==(const TComparisonChoices &) const = default;
};

// What the two texts are found to be, beside the engine's pieces.
struct TTextFacts {
  bool LoneLineFeed = false;   // either text holds an LF without a CR before it
  bool Utf8 = false;           // the automatic encoding reads them as UTF-8
  std::size_t SharedStart = 0; // bytes the texts begin with alike
  bool Identical = false;      // the same bytes
  // The files differ only in their line ends, spaces, or both (the first that holds); else
  // csNotRun. Letter case depends on the encoding in force, so it is looked at later.
  TCompareStatus FormOnly = csNotRun;
};

// The files to compare; an empty name is a file not named, compared as an empty text.
struct TComparisonFiles {
  std::string ActualName, ObsoleteName; // the names' bytes
  TReadMode Read = TReadMode::Copy;
};

class TComparison : public std::enable_shared_from_this<TComparison> {
public:
  // Reads both files and compares them. A file that cannot be read is compared as an empty text
  // and told in its Failed(). Null after a stop request, which is looked at every few
  // milliseconds. Memory exhaustion in the engine propagates as std::bad_alloc.
  static std::shared_ptr<const TComparison> Run(const TComparisonFiles &files,
                                                const TComparisonChoices &choices,
                                                const std::stop_token &stop = {},
                                                TComparisonProgress *progress = nullptr);

  // The same files under other choices: nothing is read or compared again, and what the
  // choices do not change is shared.
  std::shared_ptr<const TComparison> WithChoices(const TComparisonChoices &choices) const;

  const TComparedFile &Actual() const;
  const TComparedFile &Obsolete() const;
  const TTextFacts &Facts() const;
  const TComparisonChoices &Choices() const { return FChoices; }
  // What the text is read as: DOS in the OEM mode, else the choice, automatic by the facts.
  TVEncoding Encoding() const { return FEncoding; }

  // The pieces shown, in order: kinds 0 (in both), 1 (only in the actual file), 2 (only in the
  // obsolete one). Valid as long as this comparison.
  const TVKindStringList &Pieces() const { return FShown->Pieces(); }
  // The same, sharing this comparison's life: for a viewer that may outlive the caller's hold.
  std::shared_ptr<const TVKindStringList> SharedPieces() const;
  // The engine's pieces exactly as it gave them.
  const TVKindStringList &EnginePieces() const;
  const TVPieceCounts &Counts() const { return FCounts; }
  TCompareStatus Outcome() const { return FOutcome; }
  // Both texts hold the same bytes (the pieces alone cannot tell: the engine never matches a
  // single byte, so two identical one-byte texts come out as differing pieces).
  bool Identical() const;

private:
  struct TTexts;
  // before, when given, is a comparison of the same texts whose pieces serve if they fit.
  TComparison(std::shared_ptr<const TTexts> texts, const TComparisonChoices &choices,
              const TComparison *before);
  TCompareStatus DecideOutcome() const;

  // The pieces shown, made from the engine's by the passes in force; each pass views the one
  // before it, so all are kept.
  struct TShown {
    bool Utf8 = false, Readable = false; // what they were made for
    std::vector<std::shared_ptr<const TVKindStringList>> Passes;
    const TVKindStringList &Pieces() const { return *Passes.back(); }
  };
  static std::shared_ptr<const TShown> MakeShown(const TVKindStringList &engine, bool utf8,
                                                 bool readable);

  std::shared_ptr<const TTexts> FTexts; // the files, their facts and the engine's pieces
  TComparisonChoices FChoices;
  TVEncoding FEncoding = TVEncoding::Windows1251;
  std::shared_ptr<const TShown> FShown;
  TVPieceCounts FCounts;
  TCompareStatus FOutcome = csNotRun;
};
