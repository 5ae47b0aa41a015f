#include "BlockSearch.h"

#include <algorithm>

namespace {

// Runs this long are remembered; shorter ones are cheaper to grow again than to look up.
constexpr std::size_t kRememberFrom = 4096;
constexpr std::size_t kRememberedRuns = 16;
// A level builds the gram set of its second range after this many misses of short blocks.
constexpr int kMissesBeforeGramSet = 1;
// Building the index hashes every byte of the second text. A step of a scan usually jumps to a
// part of the text not in the cache and costs about as much as hashing a hundred bytes or more.
// The index is built once the scans have cost a fraction of what building it does: it then
// serves every level after, and a comparison whose scans cost that much has many more to come.
constexpr std::size_t kBytesPerScanStep = 512;
// The finer passes of a level that found no block end at this width: the anchor index answers
// blocks this long, so even a pass over a large range costs little.
constexpr std::size_t kFinestWidth = 256;
static_assert(kFinestWidth >= TAnchorIndex::kMinBlock);
// What a miss proven by the index costs, in bytes of text hashed: a few lookups that leave the
// cache, and a comparison up to the first difference.
constexpr std::size_t kBytesPerIndexedMiss = 1024;
// Lookups the index could not answer before the second index is built: each costs a scan of
// its range, the second index one more pass over the text.
constexpr int kUnansweredBeforeSecondIndex = 8;

// i × 90 / n rounded to the nearest integer, halves away from zero.
std::int32_t ScanPercent(std::size_t i, std::size_t n) {
  return static_cast<std::int32_t>((i * 180 + n) / (2 * n));
}

} // namespace

std::size_t BlockWidth(std::size_t lengthA) {
  return lengthA <= 200 ? 1 : lengthA / 200;
}

TBlockSearch::TBlockSearch(std::string_view first, std::string_view second, bool shortcuts)
    : FFirst(first), FSecond(second), FShortcuts(shortcuts) {}

TMatch TBlockSearch::FindBestMatch(std::string_view a, std::string_view b,
                                   const std::function<void(std::int32_t)> &onStep) {
  std::size_t width = BlockWidth(a.size());
  TMatch best = ScanBlocks(a, b, width, onStep);
  // Edits spread evenly through a large range can put a change into every block of the first
  // width, so that none occurs in b although nearly all of the text is shared. Narrower blocks
  // then fit between the changes; they stop at the narrowest width the anchor index answers,
  // which keeps each pass cheap. These passes report no progress, only idle calls.
  const auto idle = [this](std::int32_t) {
    if (OnIdle)
      OnIdle();
  };
  while (best.L == 0 && width > kFinestWidth) {
    width = std::max(kFinestWidth, width / 2);
    best = ScanBlocks(a, b, width, idle);
  }
  return best;
}

TMatch TBlockSearch::ScanBlocks(std::string_view a, std::string_view b, std::size_t width,
                                const std::function<void(std::int32_t)> &onStep) {
  const std::size_t blocks = a.size() / width;
  // Once a short block has missed, the next ones are first checked against the grams of b: a
  // block with a gram b lacks is not there, and its scan is spared.
  const bool mayRuleOut = FShortcuts && width >= TGramSet::kGram && width < TAnchorIndex::kMinBlock;
  const TGramSet *grams = nullptr;
  int misses = 0;
  TMatch best;
  std::size_t i = 0;
  while (i < blocks) {
    const std::string_view block = a.substr(i * width, width);
    if (mayRuleOut && !grams && misses == kMissesBeforeGramSet)
      grams = &GramsCovering(b);
    const std::size_t q =
        grams && !grams->MayContain(block) ? std::string_view::npos : Locate(block, b);
    misses += q == std::string_view::npos;
    if (q != std::string_view::npos) {
      const TMatch hit = Grow(a, b, {i * width, q, width});
      if (hit.L > best.L)
        best = hit;
      // Resume at the last block that ends inside the run just found.
      i = std::max(i + 1, (hit.P + hit.L - width) / width);
    } else {
      ++i;
    }
    if (onStep)
      onStep(ScanPercent(i, blocks));
  }
  return best;
}

TMatch TBlockSearch::PlaceAmongRepeats(std::string_view a, std::string_view b, TMatch m) {
  // q·|a| against P·|b| in 128 bits: both products pass 2^64 only for texts no one has, but the
  // comparison must be exact.
  using Wide = unsigned __int128;
  const Wide target = Wide{m.P} * b.size();
  const auto distance = [&](std::size_t q) {
    const Wide here = Wide{q} * a.size();
    return here > target ? here - target : target - here;
  };
  if (Wide{m.Q} * a.size() >= target)
    return m; // every other occurrence lies further right, so further off
  // Most runs occur once: one search after m.Q, through the index where there is one, says so.
  const std::string_view run = a.substr(m.P, m.L);
  const std::size_t next = SearchFrom(run, b, m.Q + 1);
  if (next == std::string_view::npos)
    return m;
  // The nearest occurrences at or before the ideal place and at or after it.
  const auto floorPlace = static_cast<std::size_t>(target / a.size());
  const std::size_t ceilPlace = floorPlace + (Wide{floorPlace} * a.size() < target);
  std::size_t before = m.Q;
  if (next <= floorPlace)
    before = next + FindRightmost(b.substr(next, std::min(b.size(), floorPlace + m.L) - next), run);
  const std::size_t after = next >= ceilPlace ? next : SearchFrom(run, b, ceilPlace);
  const std::size_t best =
      after != std::string_view::npos && distance(after) < distance(before) ? after : before;
  if (best == m.Q)
    return m;
  return ExtendMatch(a, b, {m.P, best, m.L});
}

// The leftmost occurrence of block in b at from or after; npos if none.
std::size_t TBlockSearch::SearchFrom(std::string_view block, std::string_view b, std::size_t from) {
  if (from + block.size() > b.size())
    return std::string_view::npos;
  const std::size_t q = Search(block, b.substr(from));
  return q == std::string_view::npos ? q : from + q;
}

// The gram set of b, or of a range around it that a level above built: a gram missing there
// is missing in b too, and the levels below a range lie inside it.
const TGramSet &TBlockSearch::GramsCovering(std::string_view b) {
  const bool covered = FGrams && b.data() >= FGramsRange.data() &&
                       b.data() + b.size() <= FGramsRange.data() + FGramsRange.size();
  if (!covered) {
    FGrams.emplace(b);
    FGramsRange = b;
  }
  return *FGrams;
}

// The leftmost occurrence of block in b. A remembered run that holds the block already gives
// one occurrence, so only the text before it needs searching.
std::size_t TBlockSearch::Locate(std::string_view block, std::string_view b) {
  if (ProvenAbsent(block))
    return std::string_view::npos;
  const std::size_t known = KnownPlace(block, b);
  if (known == std::string_view::npos)
    return Search(block, b);
  const std::size_t earlier = Search(block, b.substr(0, known + block.size() - 1));
  return earlier != std::string_view::npos ? earlier : known;
}

std::size_t TBlockSearch::Search(std::string_view block, std::string_view range) {
  const bool indexable = FShortcuts && block.size() >= TAnchorIndex::kMinBlock;
  if (indexable && FIndex) {
    const std::size_t from = range.data() - FSecond.data();
    if (const auto q = FIndex->FindLeftmost(block, from, range.size())) {
      if (*q == std::string_view::npos)
        CountIndexedMiss();
      return *q;
    }
    // About one block of 256 bytes in 450 holds no anchor, and the finer passes look up
    // thousands of them: the second index answers most of those instead of a scan.
    if (!FSecondIndex && FIndex->Usable() && ++FUnanswered == kUnansweredBeforeSecondIndex)
      FSecondIndex.emplace(FSecond, OnIdle, 1);
    if (FSecondIndex) {
      if (const auto q = FSecondIndex->FindLeftmost(block, from, range.size()))
        return *q;
    }
  }
  const std::size_t q = FindLeftmost(range, block, &FScanSteps);
  if (indexable && !FIndex && FScanSteps * kBytesPerScanStep >= FSecond.size())
    FIndex.emplace(FSecond, OnIdle);
  return q;
}

// Listing the missing windows hashes the whole first text: worth it once the index has proven
// about as many misses as that costs, as levels that find little in large ranges do.
void TBlockSearch::CountIndexedMiss() {
  if (!FMissing && ++FIndexedMisses * kBytesPerIndexedMiss >= FFirst.size())
    FMissing = FIndex->Missing(FFirst, OnIdle);
}

// Whether the block holds a window of the first text that the second text lacks altogether.
// Most misses of the finer passes are proven this way, without a lookup or a comparison.
bool TBlockSearch::ProvenAbsent(std::string_view block) const {
  if (!FMissing || block.size() < TAnchorIndex::kWindow || block.data() < FFirst.data() ||
      block.data() + block.size() > FFirst.data() + FFirst.size())
    return false;
  const auto start = static_cast<std::size_t>(block.data() - FFirst.data());
  const auto window =
      std::lower_bound(FMissing->begin(), FMissing->end(), start + TAnchorIndex::kWindow - 1);
  return window != FMissing->end() && *window < start + block.size();
}

// Where a remembered run puts the block inside b, the leftmost such place; npos if none does.
std::size_t TBlockSearch::KnownPlace(std::string_view block, std::string_view b) const {
  std::size_t place = std::string_view::npos;
  for (const TKnownRun &run : FRuns) {
    if (block.data() < run.A || block.data() + block.size() > run.A + run.L)
      continue;
    const char *at = run.B + (block.data() - run.A);
    if (at >= b.data() && at + block.size() <= b.data() + b.size())
      place = std::min(place, static_cast<std::size_t>(at - b.data()));
  }
  return place;
}

// Grows a hit into a run. A remembered run on the same diagonal through the hit was grown as
// far as a range around this one agreed, so cut to this range's ends it is the same run.
TMatch TBlockSearch::Grow(std::string_view a, std::string_view b, TMatch hit) {
  const char *hitA = a.data() + hit.P, *hitB = b.data() + hit.Q;
  for (const TKnownRun &run : FRuns) {
    if (hitA - run.A != hitB - run.B || hitA < run.A || hitA + hit.L > run.A + run.L)
      continue;
    const std::ptrdiff_t from = std::max({std::ptrdiff_t{0}, a.data() - run.A, b.data() - run.B});
    const std::ptrdiff_t to = std::min({static_cast<std::ptrdiff_t>(run.L),
                                        a.data() + a.size() - run.A, b.data() + b.size() - run.B});
    return {static_cast<std::size_t>(run.A + from - a.data()),
            static_cast<std::size_t>(run.B + from - b.data()), static_cast<std::size_t>(to - from)};
  }
  const TMatch grown = ExtendMatch(a, b, hit);
  if (FShortcuts && grown.L >= kRememberFrom) {
    if (FRuns.size() == kRememberedRuns)
      FRuns.erase(FRuns.begin());
    FRuns.push_back({a.data() + grown.P, b.data() + grown.Q, grown.L});
  }
  return grown;
}
