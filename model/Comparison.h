// The one comparison of two files that the window and dorix-diff both run, from the names to
// the verdict: both files read, what the automatic choices need to know about them, the
// engine's pieces, the pieces shown (whole characters under UTF-8), one set of counters of those
// and the verdict. The programs only present what it returns, so they cannot disagree.
//
// A comparison may look past line ends, spaces and letter case: the engine then compares the
// texts' compared forms, and every piece shows the original bytes it stands for.
//
// A comparison never changes once made: threads may share it. Other choices over the same files
// make another comparison that shares the texts, and the engine's pieces where they fit, with the
// first.
#pragma once

#include "CharacterPieces.h"
#include "CompareStatus.h"
#include "ComparedFile.h"
#include "ComparedForm.h"
#include "Encoding.h"
#include "LineModel.h"
#include "MovedText.h"
#include "OriginalPieces.h"

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
  bool OemMode = false;  // DOS (866) whatever the encoding says
  bool Readable = true;  // the readable pass: changes slid to lines, crumbs folded
  TIgnoreChoices Ignore; // what the comparison looks past
  bool Moves = true;     // moved text found and marked
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

  // The same files under other choices: nothing is read again, the engine runs again only for
  // another compared form, and what the choices do not change is shared. Null after a stop
  // request.
  std::shared_ptr<const TComparison> WithChoices(const TComparisonChoices &choices,
                                                 const std::stop_token &stop = {},
                                                 TComparisonProgress *progress = nullptr) const;

  const TComparedFile &Actual() const;
  const TComparedFile &Obsolete() const;
  const TTextFacts &Facts() const;
  const TComparisonChoices &Choices() const { return FChoices; }
  // What the text is read as: DOS in the OEM mode, else the choice, automatic by the facts.
  TVEncoding Encoding() const { return FEncoding; }

  // The pieces shown in a view, in order: kinds 0 (in both), 1 (only in the actual file), 2
  // (only in the obsolete one). Where something is looked past, the shared text is the actual
  // file's in the views of both files and of the new one, the obsolete file's in the view of the
  // old one, with runs of kind 4 where the two files' bytes differ. Where moved text is found,
  // it is marked inside them: kind 6 (moved here) and 5 (moved away). Valid as long as this
  // comparison.
  const TVKindStringList &Pieces(std::int32_t view = viewBoth) const;
  // The same, sharing this comparison's life: for a viewer that may outlive the caller's hold.
  std::shared_ptr<const TVKindStringList> SharedPieces(std::int32_t view = viewBoth) const;
  // The pieces shown without moved text marked, which the counters count.
  const TVKindStringList &UnmarkedPieces(std::int32_t view = viewBoth) const;
  // Moved text, when the choices look for it: its parts in order, their places in the files,
  // and the entry of Pieces(view) at the other end of a marked one (-1 for none, and in the
  // view of one file, which shows one end only).
  const std::vector<TMovedPart> &Moves() const;
  std::vector<TMovedSpot> MovedSpots() const;
  int OtherEnd(std::int32_t view, int entry) const;
  // Where something is looked past, every piece with its length in each file, the lengths of a
  // file adding up to its size; else empty.
  const std::vector<TVOriginalSpan> &Spans() const;
  // Equal text counts the actual file's bytes.
  const TVPieceCounts &Counts() const;
  TCompareStatus Outcome() const { return FOutcome; }
  // Both texts hold the same bytes (the pieces alone cannot tell: the engine never matches a
  // single byte, so two identical one-byte texts come out as differing pieces).
  bool Identical() const;
  // The texts read alike in their compared forms: identical when nothing is looked past.
  bool Alike() const;

private:
  struct TTexts;     // the files and their facts
  struct TEngineRun; // the engine's pieces of the texts or of their compared forms
  struct TShown;     // the pieces shown, made from the engine's
  struct TMoves;     // moved text found in the pieces shown

  // before, when given, is a comparison of the same texts whose shown pieces serve if they fit.
  TComparison(std::shared_ptr<const TTexts> texts, const TComparisonChoices &choices,
              std::shared_ptr<const TEngineRun> engine, const TComparison *before,
              const std::stop_token &stop);
  static std::shared_ptr<const TEngineRun> RunEngine(const TTexts &texts,
                                                     const TFormOptions &options,
                                                     const std::stop_token &stop,
                                                     TComparisonProgress *progress);
  std::shared_ptr<const TShown> MakeShown(bool utf8, bool readable) const;
  std::shared_ptr<const TMoves> FindMoves(const std::stop_token &stop) const;
  TCompareStatus DecideOutcome() const;

  std::shared_ptr<const TTexts> FTexts;
  TComparisonChoices FChoices;
  TVEncoding FEncoding = TVEncoding::Windows1251;
  std::shared_ptr<const TEngineRun> FEngine;
  std::shared_ptr<const TShown> FShown;
  std::shared_ptr<const TMoves> FMoves; // null when not looked for (or stopped)
  TCompareStatus FOutcome = csNotRun;
};
