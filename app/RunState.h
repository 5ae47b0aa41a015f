// The one state of the main window's comparison run: where the window is in its life and in a
// run, and what the commands that came while it was busy want once the run has ended.
#pragma once

#include <cstdint>

enum class TRunPhase : std::uint8_t {
  Creating,  // the window is being built: commands only set what they request
  Shown,     // shown; the start-up comparison is posted by the first paint
  Idle,      // nothing runs
  Comparing, // the files are read and compared, or their pieces made for other choices
  Laying,    // the viewer builds the lines of the run
  Closed,    // the window has closed: nothing follows a run
};

// What a command asks of the end of the run under way.
enum TRunWish : std::uint8_t {
  rwCompare = 1,    // compare again: the command changed what it requests
  rwReadAfresh = 2, // ... and the files are to be read again, whatever the inputs say
  rwJump = 4,       // jump to the first difference if the files are similar
};

class TRunState {
public:
  TRunPhase Phase() const { return FPhase; }
  bool Creating() const { return FPhase == TRunPhase::Creating; }
  bool Running() const { return FPhase == TRunPhase::Comparing || FPhase == TRunPhase::Laying; }
  bool Closed() const { return FPhase == TRunPhase::Closed; }

  void Show() { Move(TRunPhase::Creating, TRunPhase::Shown); }
  // True once, at the first paint after the window was shown: the start-up comparison is due.
  bool StartupDue() { return Move(TRunPhase::Shown, TRunPhase::Idle); }
  void Begin() { Move(TRunPhase::Idle, TRunPhase::Comparing); }
  void AwaitLines() { Move(TRunPhase::Comparing, TRunPhase::Laying); }
  // The run has ended, whatever happened; a closed window stays closed.
  void End() {
    if (Running())
      FPhase = TRunPhase::Idle;
  }
  void Close() {
    FPhase = TRunPhase::Closed;
    FWishes = 0;
  }

  void Want(TRunWish wish) { FWishes |= wish; }
  bool Wants(TRunWish wish) const { return (FWishes & wish) != 0; }
  // Whether the wish was made, forgetting it.
  bool Take(TRunWish wish) {
    const bool made = Wants(wish);
    FWishes &= static_cast<std::uint8_t>(~wish);
    return made;
  }
  void ForgetWishes() { FWishes = 0; }

private:
  bool Move(TRunPhase from, TRunPhase to) {
    if (FPhase != from)
      return false;
    FPhase = to;
    return true;
  }

  TRunPhase FPhase = TRunPhase::Creating;
  std::uint8_t FWishes = 0;
};
