#include "VDiff.h"

#include "BlockSearch.h"

#include <vector>

TVDiff::TVDiff(std::string first, std::string second) {
  if (!first.empty() && !second.empty())
    Run(std::move(first), std::move(second));
}

void TVDiff::Run(std::string first, std::string second, std::stop_token stop) {
  Start();
  const std::string_view a = Adopt(std::move(first)), b = Adopt(std::move(second));
  DiffGuarded(a, b, std::move(stop));
}

void TVDiff::RunOn(std::string_view first, std::string_view second, std::stop_token stop) {
  Start();
  DiffGuarded(first, second, std::move(stop));
}

void TVDiff::Start() {
  Report(0, psStart);
  Clear();
  ResetCounters();
  MinMatch = 1;
  FStopped = false;
}

namespace {

// Unwinds a comparison from wherever a stop request was noticed, deep inside the search.
struct TStopUnwind {};

void CheckStop(const std::stop_token &stop) {
  if (stop.stop_requested())
    throw TStopUnwind{};
}

} // namespace

void TVDiff::DiffGuarded(std::string_view a, std::string_view b, std::stop_token stop) {
  try {
    DiffRange(a, b, stop);
  } catch (const TStopUnwind &) {
    // A partial list would read as a result. The texts stay until the next Clear or Run, as
    // after a whole run: whoever still reads them (views taken before the run) may go on.
    ClearEntries();
    ResetCounters();
    FStopped = true;
    return;
  }
  Report(100, psDone);
}

int TVDiff::AddKind(std::string_view text, std::int32_t kind) {
  const int index = TVKindStringList::AddKind(text, kind);
  const auto length = static_cast<std::int32_t>(text.size());
  if (kind == EqualKind) {
    EqualChars += length;
    ++EqualChunks;
  } else if (kind == FirstKind) {
    FirstChars += length;
    ++FirstChunks;
  } else if (kind == SecondKind) {
    SecondChars += length;
    ++SecondChunks;
  }
  return index;
}

void TVDiff::ResetCounters() {
  EqualChars = FirstChars = SecondChars = 0;
  EqualChunks = FirstChunks = SecondChunks = 0;
}

void TVDiff::Report(std::int32_t percent, TVProgressStage stage) {
  if (OnProgress)
    OnProgress(this, percent, stage);
}

namespace {

// Ranges longer than the threshold on both sides are searched; so is one where a side holds a
// single byte, as long as the first side holds a line break: a line's end can be kept shared
// when it is all that is left of the line in one of the texts.
bool WorthSearching(std::string_view a, std::string_view b, std::size_t threshold) {
  if (a.size() > threshold && b.size() > threshold)
    return true;
  return !a.empty() && !b.empty() && a.find_first_of("\r\n") != std::string_view::npos;
}

// A match no longer than the threshold is kept only when it is a single line break.
bool IsSharedLineEnd(std::string_view a, const TMatch &m) {
  return m.L == 1 && IsLineBreak(a[m.P]);
}

// One step of the comparison. Ranges are compared, pieces emitted and progress reported in the
// order a depth-first recursion would do it; the explicit stack keeps deep nesting off the call
// stack.
struct Task {
  enum Op : std::uint8_t { Compare, Emit, Progress } op;
  std::string_view a; // Compare: range of the first text; Emit: the piece
  std::string_view b; // Compare: range of the second text
  std::int32_t value; // Compare: 1 at the top level; Emit: kind; Progress: percent
};

} // namespace

void TVDiff::DiffRange(std::string_view first, std::string_view second,
                       const std::stop_token &stop) {
  std::vector<Task> stack{{Task::Compare, first, second, 1}};
  // A range with nothing to match is the second text's piece, then the first's; an empty one is
  // no piece at all (only a whole text can be empty: the ranges around a match never are).
  auto emitBoth = [this](std::string_view a, std::string_view b) {
    if (!b.empty())
      AddKind(b, SecondKind);
    if (!a.empty())
      AddKind(a, FirstKind);
  };
  const std::size_t threshold = static_cast<std::size_t>(MinMatch);
  TBlockSearch search(first, second, Shortcuts);
  // Every step of the search passes here: a block examined, a megabyte of text hashed.
  const auto idle = [this, &stop] {
    CheckStop(stop);
    if (OnIdle)
      OnIdle();
  };
  search.OnIdle = idle;

  while (!stack.empty()) {
    CheckStop(stop);
    const Task task = stack.back();
    stack.pop_back();
    if (task.op == Task::Emit) {
      AddKind(task.a, task.value);
      continue;
    }
    if (task.op == Task::Progress) {
      Report(task.value, psStep);
      continue;
    }

    const std::string_view a = task.a, b = task.b;
    const bool top = task.value != 0;
    if (!WorthSearching(a, b, threshold)) {
      emitBoth(a, b);
      continue;
    }
    std::function<void(std::int32_t)> onStep = [&idle](std::int32_t) { idle(); };
    if (top && OnProgress)
      onStep = [this, &stop](std::int32_t percent) {
        CheckStop(stop);
        Report(percent, psStep);
      };
    TMatch m = search.FindBestMatch(a, b, onStep);
    if (m.L > 0)
      m = search.PlaceAmongRepeats(a, b, m);
    m = SnapToLines(a, b, m);
    if (m.L <= threshold && !IsSharedLineEnd(a, m)) {
      emitBoth(a, b);
      if (top)
        Report(100, psStep);
      continue;
    }

    // Pushed in reverse: before the run, the run, after the run.
    if (top)
      stack.push_back({Task::Progress, {}, {}, 100});
    const std::string_view restA = a.substr(m.P + m.L), restB = b.substr(m.Q + m.L);
    if (!restA.empty() && !restB.empty()) {
      stack.push_back({Task::Compare, restA, restB, 0});
    } else {
      if (!restA.empty())
        stack.push_back({Task::Emit, restA, {}, FirstKind});
      if (!restB.empty())
        stack.push_back({Task::Emit, restB, {}, SecondKind});
    }
    if (top)
      stack.push_back({Task::Progress, {}, {}, 95});
    stack.push_back({Task::Emit, a.substr(m.P, m.L), {}, EqualKind});
    if (m.P > 0 && m.Q > 0) {
      stack.push_back({Task::Compare, a.substr(0, m.P), b.substr(0, m.Q), 0});
    } else {
      if (m.P > 0)
        stack.push_back({Task::Emit, a.substr(0, m.P), {}, FirstKind});
      if (m.Q > 0)
        stack.push_back({Task::Emit, b.substr(0, m.Q), {}, SecondKind});
    }
  }
}
