// Time of one comparison (TVDiff::RunOn, both texts in memory) on generated pairs of 1, 10 and
// 50 MB, with the block search's shortcuts and without them.
#include "PairGenerator.h"
#include "VDiff.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Run(benchmark::State &state) {
  const auto shape = static_cast<PairShape>(state.range(0));
  const auto size = static_cast<std::size_t>(state.range(1)) << 20;
  const auto [first, second] = MakePair(shape, size);
  TVDiff diff;
  diff.Shortcuts = state.range(2) != 0;
  for (auto _ : state) {
    diff.RunOn(first, second);
    benchmark::DoNotOptimize(diff.Count());
  }
  state.SetLabel(std::string(ShapeName(shape)) + (diff.Shortcuts ? "" : " plain"));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(first.size() + second.size()));
  state.counters["chunks"] = diff.Count();
}

// Without the shortcuts an unrelated pair scans its second text once for every block of every
// finer pass: from 10 MB on that takes minutes, so only 1 MB is timed that way.
void Shapes(benchmark::internal::Benchmark *b) {
  for (int shape = 0; shape < 4; ++shape)
    for (int mb : {1, 10, 50})
      for (int shortcuts : {1, 0})
        if (shortcuts || mb == 1 || static_cast<PairShape>(shape) != PairShape::Unrelated)
          b->Args({shape, mb, shortcuts});
}

// Evenly spread edits at the size where they were found to defeat the first block width.
void EvenEdits(benchmark::internal::Benchmark *b) {
  for (PairShape shape : {PairShape::Every100, PairShape::Every300, PairShape::Every700})
    b->Args({static_cast<int>(shape), 14, 1});
}

BENCHMARK(BM_Run)->Apply(Shapes)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_Run)->Apply(EvenEdits)->Unit(benchmark::kMillisecond)->MinTime(0.5);

} // namespace

BENCHMARK_MAIN();
