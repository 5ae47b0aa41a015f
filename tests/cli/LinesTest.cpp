// dorix-diff --lines and --html: the display lines of every layout, as the model builds them,
// and the page of the merged view.
#include "CliRun.h"
#include "LineModel.h"
#include "VDiff.h"

#include <random>

namespace {

using Lines = CliTest;

TEST_F(Lines, KindStartLengthAndZonesOfEachLine) {
  const std::string n = Write("new", "one\r\ntwo shared\r\nthree\r\n");
  const std::string o = Write("old", "one\r\ntwo old shared\r\n");
  auto r = Run({"--lines", n, o});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "0\t0\t3\t0:3\n"
                   "3\t5\t14\t3:3,2:4,3:7\n"
                   "1\t21\t5\t1:5\n"
                   "0\t28\t0\t\n");
  EXPECT_EQ(r.err, "");
  r = Run({"--lines", "--width=4", "--view=new", n, o});
  EXPECT_EQ(r.out, "0\t0\t3\t0:3\n"
                   "0\t5\t4\t0:3,0:1\n"
                   "0\t9\t4\t0:4\n"
                   "0\t13\t2\t0:2\n"
                   "1\t17\t4\t1:4\n"
                   "1\t21\t1\t1:1\n"
                   "0\t24\t0\t\n");
  r = Run({"--lines", "--hex", "--view=old", n, o});
  EXPECT_EQ(r.out, "3\t0\t16\t3:8,2:4,3:4\n"
                   "0\t16\t5\t0:5\n")
      << "the shared pieces the engine left side by side are one";
  EXPECT_EQ(Run({"--lines", Write("same1", "x"), Write("same2", "x")}).status, 0);
}

TEST_F(Lines, LineEndsFollowTheFilesUnlessChosen) {
  const std::string n = Write("n.py", "a\nb\nc\n"), o = Write("o.py", "a\nc\n");
  const std::string lf = "0\t0\t1\t0:1\n1\t2\t1\t1:1\n0\t4\t1\t0:1\n0\t6\t0\t\n";
  EXPECT_EQ(Run({"--lines", n, o}).out, lf) << "an LF alone: the LF rule";
  EXPECT_EQ(Run({"--lines", "--line-ends=lf", n, o}).out, lf);
  EXPECT_EQ(Run({"--lines", "--line-ends=cr", n, o}).out, "3\t0\t6\t3:2,1:2,3:2\n");
  const std::string crlf = Write("n.txt", "a\r\nb\r\n"), crlf2 = Write("o.txt", "a\r\n");
  EXPECT_EQ(Run({"--lines", crlf, crlf2}).out, Run({"--lines", "--line-ends=cr", crlf, crlf2}).out);
}

// Parses --lines output back into lines of the model's form.
std::vector<std::string> ModelLines(const TVLineModel &model) {
  std::vector<std::string> out;
  for (int i = 0; i < model.LineCount(); ++i) {
    const TVMemoLine &line = model.GetLine(i);
    std::string text = std::to_string(line.FKind) + '\t' + std::to_string(line.FStart) + '\t' +
                       std::to_string(line.FLength) + '\t';
    for (const TVMemoLineZone &zone : model.LineZones(i))
      text += std::to_string(zone.Kind) + ':' + std::to_string(zone.Length) + ',';
    if (text.back() == ',')
      text.pop_back();
    out.push_back(text);
  }
  return out;
}

std::vector<std::string> OutputLines(const std::string &out) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < out.size();) {
    const std::size_t end = out.find('\n', at);
    lines.push_back(out.substr(at, end - at));
    at = end + 1;
  }
  return lines;
}

TEST_F(Lines, EveryWidthLayoutViewAndLineEndIsTheModelsOwn) {
  std::mt19937 rng(7);
  const std::string alphabet = "aab\r\n\r\n \t";
  auto text = [&] {
    std::string s(rng() % 400, ' ');
    for (char &c : s)
      c = alphabet[rng() % alphabet.size()];
    return s;
  };
  for (int pair = 0; pair < 4; ++pair) {
    const std::string first = text(), second = text();
    const std::string n = Write("n" + std::to_string(pair), first);
    const std::string o = Write("o" + std::to_string(pair), second);
    TVDiff diff;
    diff.Run(first, second);
    const bool lone = HasLoneLineFeed(first) || HasLoneLineFeed(second);
    for (const int width : {0, 1, 7, 80})
      for (const bool hex : {false, true})
        for (const int view : {viewBoth, viewNew, viewOld})
          for (const std::string ends : {"auto", "cr", "lf"}) {
            // Byte cells and the engine's own pieces, as the model below has them.
            std::vector<std::string> args = {"--lines", "--exact", "--encoding=cp1251",
                                             "--line-ends=" + ends};
            if (width)
              args.push_back("--width=" + std::to_string(width));
            if (hex)
              args.push_back("--hex");
            args.push_back(std::string("--view=") + (view == viewBoth  ? "both"
                                                     : view == viewNew ? "new"
                                                                       : "old"));
            args.insert(args.end(), {n, o});
            TVLineModel model;
            model.SetSource(&diff);
            model.SetViewFilter(view);
            model.SetLfBreaks(ends == "lf" || (ends == "auto" && lone));
            model.BuildLines(hex ? kHexBytesPerLine : width ? width : kNoWrap, hex);
            const auto r = Run(args);
            EXPECT_EQ(r.status, first == second ? 0 : 1);
            EXPECT_EQ(OutputLines(r.out), ModelLines(model))
                << "pair " << pair << " width " << width << " hex " << hex << " view " << view
                << " line ends " << ends;
          }
  }
}

TEST_F(Lines, LayoutOptionsAreCheckedAndBelongToTheLineOutputs) {
  const std::string n = Write("n", "a"), o = Write("o", "b");
  for (const std::string bad :
       {"--width=0", "--width=-3", "--width=", "--width=12x", "--width=99999999999", "--view=mid",
        "--view=", "--line-ends=crlf", "--line-ends="}) {
    const auto r = Run({"--lines", bad, n, o});
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_EQ(r.out, "") << bad;
    EXPECT_NE(r.err.find("dorix-diff: --"), std::string::npos) << bad;
  }
  for (const std::string stray : {"--hex", "--width=5", "--view=new", "--line-ends=lf"}) {
    const auto r = Run({stray, n, o});
    EXPECT_EQ(r.status, 2) << stray;
    EXPECT_NE(r.err.find("работают только с --lines или --html"), std::string::npos) << stray;
  }
  const auto missing = Run({"--lines", n, (dir / "gone").string()});
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.out, "");
}

TEST_F(Lines, HtmlIsOnePageOfTheMergedView) {
  const std::string n = Write("new <1>.txt", "same\r\nnew line\r\nend\r\n");
  const std::string o = Write("old.txt", "same\r\nend\r\n");
  const auto r = Run({"--html", n, o});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out.rfind("<!DOCTYPE html>\n", 0), 0u);
  EXPECT_NE(r.out.find("new &lt;1&gt;.txt"), std::string::npos);
  EXPECT_NE(r.out.find("Файлы более-менее похожи."), std::string::npos);
  EXPECT_NE(r.out.find("<span class=\"g\">+</span><span class=\"k1\">new line</span>"),
            std::string::npos);
  EXPECT_EQ(r.out.substr(r.out.size() - 8), "</html>\n");
  auto count = [](const std::string &page) {
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = page.find("<div class=\"l ", at)) != std::string::npos; ++at)
      ++lines;
    return lines;
  };
  EXPECT_EQ(count(r.out), 4u);
  EXPECT_EQ(count(Run({"--html", "--width=3", n, o}).out), 7u) << "wrapped as the window does";
  EXPECT_EQ(count(Run({"--html", "--view=old", n, o}).out), 3u);
}

} // namespace
