#include "AnchorIndex.h"

#include "HugePages.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace {

constexpr int kAnchorBits = 5;
constexpr std::size_t kIdleEvery = std::size_t{1} << 20; // bytes hashed between idle calls
// Four times the usual density of anchors: beyond it the text repeats itself so much that the
// index is given up (and a scan is no worse than the index would be).
constexpr std::size_t kMostAnchorsPer = (std::size_t{1} << kAnchorBits) / 4;
// A block's anchors tried for the one with the fewest candidates.
constexpr int kProbes = 8;
// More candidates than this for the best anchor: verifying them could cost more than a scan.
constexpr std::size_t kMostCandidates = 256;

using TGear = std::array<std::uint64_t, 256>;

// A random 64-bit value per byte value (splitmix64), for the rolling "gear" hash
// h = (h << 1) + G[byte]: after 64 steps a byte's term has been shifted out.
constexpr TGear MakeGear(std::uint64_t state) {
  TGear gear{};
  for (std::uint64_t &g : gear) {
    std::uint64_t z = state += 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    g = z ^ (z >> 31);
  }
  return gear;
}

// Two unrelated tables: the places one of them marks have nothing to do with the other's.
constexpr TGear kGears[2] = {MakeGear(0x2545F4914F6CDD1Dull), MakeGear(0x9E6C63D0676A9A99ull)};

std::uint64_t Roll(const TGear &gear, std::uint64_t hash, char c) {
  return (hash << 1) + gear[static_cast<unsigned char>(c)];
}

bool IsAnchor(std::uint64_t hash) {
  return (hash >> (64 - kAnchorBits)) == 0;
}

// The 32 hash bits just below the anchor bits; they depend on nearly the whole window.
std::uint32_t KeyOf(std::uint64_t hash) {
  return static_cast<std::uint32_t>(hash >> (64 - kAnchorBits - 32));
}

} // namespace

TAnchorIndex::TAnchorIndex(std::string_view text, const std::function<void()> &onIdle,
                           unsigned variant)
    : FText(text), FGear(&kGears[variant % 2]) {
  std::vector<TEntry> found;
  found.reserve(text.size() >> kAnchorBits);
  AdviseHugePages(found.data(), found.capacity() * sizeof(TEntry));
  const bool whole = ForEachStretch(text, onIdle, [&](const TEntry *anchors, std::size_t count) {
    found.insert(found.end(), anchors, anchors + count);
    return found.size() <= text.size() / kMostAnchorsPer;
  });
  if (!whole) {
    FComplete = false; // a text that repeats itself: the index would be as large as it
    return;
  }

  // A counting sort into buckets by the key's top bits keeps text order inside each bucket.
  // About four entries a bucket keeps the counts in the cache.
  FBucketBits = 4;
  while ((std::size_t{4} << FBucketBits) < found.size() && FBucketBits < 24)
    ++FBucketBits;
  const int shift = 32 - FBucketBits;
  FBucketStart.assign((std::size_t{1} << FBucketBits) + 1, 0);
  for (const TEntry &e : found)
    ++FBucketStart[(e.Key >> shift) + 1];
  for (std::size_t k = 1; k < FBucketStart.size(); ++k)
    FBucketStart[k] += FBucketStart[k - 1];
  std::vector<std::uint32_t> next(FBucketStart.begin(), FBucketStart.end() - 1);
  FEntries.reserve(found.size());
  AdviseHugePages(FEntries.data(), FEntries.capacity() * sizeof(TEntry));
  FEntries.resize(found.size());
  for (const TEntry &e : found)
    FEntries[next[e.Key >> shift]++] = e;

  // A bit per key prefix, about one in eight set: a clear bit proves a key absent at once.
  FKeyBits = FBucketBits + 3;
  FKeySet.assign((std::size_t{1} << FKeyBits) / 64 + 1, 0);
  for (const TEntry &e : found) {
    const std::uint32_t slot = KeySlot(e.Key);
    FKeySet[slot / 64] |= std::uint64_t{1} << (slot % 64);
  }
}

std::uint32_t TAnchorIndex::KeySlot(std::uint32_t key) const {
  return key >> (32 - FKeyBits);
}

template <typename Sink>
bool TAnchorIndex::ForEachStretch(std::string_view text, const std::function<void()> &onIdle,
                                  Sink &&sink) const {
  // Anchors are written unconditionally and kept by advancing the count: no branch to
  // mispredict. The scratch holds one stretch of text's worth, so it is never overrun.
  const std::size_t stretch = std::min(text.size(), kIdleEvery);
  const auto scratch = std::make_unique_for_overwrite<TEntry[]>(stretch + 1);
  std::uint64_t hash = 0;
  for (std::size_t p = 0; p + 1 < std::min(kWindow, text.size()); ++p)
    hash = Roll(*FGear, hash, text[p]);
  for (std::size_t from = kWindow - 1; from < text.size(); from += stretch) {
    const std::size_t to = std::min(text.size(), from + stretch);
    std::size_t count = 0;
    for (std::size_t p = from; p < to; ++p) {
      hash = Roll(*FGear, hash, text[p]);
      scratch[count] = {static_cast<std::uint32_t>(p), KeyOf(hash)};
      count += IsAnchor(hash);
    }
    if (!sink(scratch.get(), count))
      return false;
    if (onIdle)
      onIdle();
  }
  return true;
}

std::vector<std::uint32_t> TAnchorIndex::Missing(std::string_view text,
                                                 const std::function<void()> &onIdle) const {
  std::vector<std::uint32_t> missing;
  if (!FComplete)
    return missing; // anchors of the text were not all listed: nothing is proven absent
  ForEachStretch(text, onIdle, [&](const TEntry *anchors, std::size_t count) {
    for (const TEntry *e = anchors; e != anchors + count; ++e) {
      const std::uint32_t slot = KeySlot(e->Key);
      if (!((FKeySet[slot / 64] >> (slot % 64)) & 1))
        missing.push_back(e->Place);
    }
    return true;
  });
  return missing;
}

TAnchorIndex::Candidates TAnchorIndex::Lookup(std::uint64_t hash, std::size_t offset,
                                              std::size_t low, std::size_t high) const {
  const std::uint32_t key = KeyOf(hash);
  const std::uint32_t bucket = key >> (32 - FBucketBits);
  const TEntry *first = FEntries.data() + FBucketStart[bucket];
  const TEntry *last = FEntries.data() + FBucketStart[bucket + 1];
  const auto before = [](const TEntry &e, std::size_t place) { return e.Place < place; };
  first = std::lower_bound(first, last, low + offset, before);
  last = std::lower_bound(first, last, high + offset + 1, before);
  return {first, last, key, offset};
}

std::optional<std::size_t> TAnchorIndex::FindLeftmost(std::string_view block, std::size_t from,
                                                      std::size_t length) const {
  const std::size_t w = block.size();
  if (!FComplete)
    return std::nullopt;
  if (w > length)
    return std::string_view::npos;
  // An occurrence at from + q, 0 <= q <= length - w, has each anchor of the block at
  // from + q + offset.
  const std::size_t low = from, high = from + length - w;
  std::optional<Candidates> best;
  int probes = 0;
  std::uint64_t hash = 0;
  for (std::size_t j = 0; j < w && probes < kProbes; ++j) {
    hash = Roll(*FGear, hash, block[j]);
    if (j + 1 < kWindow || !IsAnchor(hash))
      continue;
    ++probes;
    const Candidates c = Lookup(hash, j, low, high);
    if (!best || c.Last - c.First < best->Last - best->First)
      best = c;
    if (c.First == c.Last)
      return std::string_view::npos; // an anchor the range does not have
    if (c.Last - c.First == 1)
      break; // no anchor can do better than one candidate
  }
  if (!best || static_cast<std::size_t>(best->Last - best->First) > kMostCandidates)
    return std::nullopt;
  for (const TEntry *e = best->First; e != best->Last; ++e) {
    const std::size_t start = e->Place - best->Offset;
    if (e->Key == best->Key && std::memcmp(FText.data() + start, block.data(), w) == 0)
      return start - from;
  }
  return std::string_view::npos;
}
