// The viewer's costs: building display lines (time and memory per MB of text) and painting one
// frame of 1280 by 900 pixels, offscreen, at every size.
#include "PairGenerator.h"
#include "VDiff.h"
#include "VMemo.h"

#include <QApplication>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

// One compared pair per size, kept for all benchmarks of that size.
TVDiff &Compared(std::size_t megabytes) {
  static std::map<std::size_t, std::unique_ptr<TVDiff>> cache;
  auto &diff = cache[megabytes];
  if (!diff) {
    auto [first, second] = MakePair(PairShape::Clustered, megabytes << 20);
    diff = std::make_unique<TVDiff>();
    diff->Run(std::move(first), std::move(second));
  }
  return *diff;
}

struct Viewer {
  QWidget window;
  TVMemo *memo = new TVMemo(&window);
  TVFont fonts[3];

  explicit Viewer(TVKindStringList &source) {
    QFont font("Courier New");
    font.setPixelSize(13);
    memo->setFont(font);
    const TColorValue backgrounds[3] = {0xC888FF, 0xFF8800, 0x00FF00};
    for (int k = 0; k < 3; ++k) {
      fonts[k].Font = font;
      memo->AddStyle(&fonts[k], backgrounds[k], nullptr);
    }
    memo->Model().FUpdatedKind = 3;
    memo->SetSource(&source);
    memo->SetAutoRelayout(false);
    window.resize(1280, 900);
    memo->setGeometry(0, 0, 1280, 900);
    window.show();
    QApplication::processEvents();
  }
  void Layout(bool wrap, bool hex) {
    memo->SetHexMode(hex);
    memo->SetWrapMode(wrap);
    memo->Relayout();
  }
};

void BM_BuildLines(benchmark::State &state) {
  TVDiff &diff = Compared(static_cast<std::size_t>(state.range(0)));
  TVLineModel model;
  model.SetSource(&diff);
  std::int64_t bytes = 0;
  for (int i = 0; i < diff.Count(); ++i)
    bytes += static_cast<std::int64_t>(diff.Text(i).size());
  for (auto _ : state) {
    model.Clear();
    model.BuildLines(kNoWrap, false);
  }
  state.SetBytesProcessed(state.iterations() * bytes);
  state.counters["lines"] = model.LineCount();
  state.counters["text_bytes_per_line"] = static_cast<double>(bytes) / model.LineCount();
  state.counters["storage_bytes_per_MB"] =
      static_cast<double>(model.LineStorageBytes()) / (static_cast<double>(bytes) / (1 << 20));
}
BENCHMARK(BM_BuildLines)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// Text of typical 40-byte lines (38 characters and CR LF), one chunk.
void BM_BuildLines40(benchmark::State &state) {
  static const std::string text = [] {
    std::string line(38, 'y');
    line += "\r\n";
    std::string t;
    for (std::size_t i = 0; i < (10u << 20) / 40; ++i)
      t += line;
    return t;
  }();
  TVKindStringList list;
  list.AddKind(text, 0);
  TVLineModel model;
  model.SetSource(&list);
  for (auto _ : state) {
    model.Clear();
    model.BuildLines(kNoWrap, false);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
  state.counters["storage_bytes_per_MB"] = static_cast<double>(model.LineStorageBytes()) /
                                           (static_cast<double>(text.size()) / (1 << 20));
}
BENCHMARK(BM_BuildLines40)->Unit(benchmark::kMillisecond);

// Args: size in MB, layout (0 plain, 1 wrap, 2 hex).
void BM_PaintFrame(benchmark::State &state) {
  TVDiff &diff = Compared(static_cast<std::size_t>(state.range(0)));
  Viewer v(diff);
  const auto layout = state.range(1);
  v.Layout(layout == 1, layout == 2);
  v.memo->ScrollView(-(v.memo->Model().LineCount() / 2)); // the middle of the file
  QPixmap frame(1280, 900);
  for (auto _ : state)
    v.memo->viewport()->render(&frame);
  static const char *names[] = {"plain", "wrap", "hex"};
  state.SetLabel(names[layout]);
}
BENCHMARK(BM_PaintFrame)->ArgsProduct({{1, 10, 100}, {0, 1, 2}})->Unit(benchmark::kMillisecond);

// A single line of 50 MB in the plain layout, scrolled to its middle.
void BM_PaintLongLine(benchmark::State &state) {
  static const std::string line(50u << 20, 'x');
  TVKindStringList list;
  list.AddKind(line, 0);
  Viewer v(list);
  v.Layout(false, false);
  v.memo->ScrollToColumn(25 << 20);
  QPixmap frame(1280, 900);
  for (auto _ : state)
    v.memo->viewport()->render(&frame);
}
BENCHMARK(BM_PaintLongLine)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
