// dorix-diff told to look past line ends, spaces and letter case, in every output form.
#include "CliRun.h"

namespace {

// Every line of a source text with its LF made CR LF.
std::string WithCrLf(const std::string &text) {
  std::string out;
  for (const char c : text)
    out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

std::string SourceText() {
  std::string text;
  for (int k = 0; text.size() < 100'000; ++k)
    text += "  int v" + std::to_string(k) + " = f(" + std::to_string(k) + ");\n";
  return text;
}

TEST_F(CliTest, ACrLfCopyIsOnePieceWithItsLengthInEachFile) {
  const std::string lf = SourceText(), crlf = WithCrLf(lf);
  const std::string first = Write("crlf", crlf), second = Write("lf", lf);
  for (const std::string option : {"--ignore-line-ends", "--strip-trailing-cr"}) {
    const auto chunks = Run({"--chunks", option, first, second});
    EXPECT_EQ(chunks.status, 0) << "alike but for what was looked past";
    EXPECT_EQ(chunks.out,
              "0\t" + std::to_string(crlf.size()) + "\t" + std::to_string(lf.size()) + "\n");
  }
  const auto stats = Run({"--stats", "--ignore-line-ends", first, second});
  EXPECT_EQ(stats.out,
            std::to_string(crlf.size()) + " 0 0 1 0 0\nФайлы отличаются только концами строк.\n")
      << "the equal text counts the first file's bytes, and the files are not called identical";
  const auto merged = Run({"--ignore-line-ends", first, second});
  EXPECT_EQ(merged.out, crlf) << "the text once, as the first file has it";
  EXPECT_EQ(Run({"--ignore-line-ends", "--old-first", first, second}).out, lf);
  EXPECT_EQ(Run({"--chunks", first, second}).status, 1) << "without the option they differ";
}

TEST_F(CliTest, ShortOptionsAndTheirLongNamesGoTogether) {
  const std::string a = Write("a", "if (x)  {\n\treturn  X;\n}\n"),
                    b = Write("b", "if (x) {   \n    return x;\n}\n");
  EXPECT_EQ(Run({"-b", a, b}).status, 1) << "the tab against spaces and the letter remain";
  EXPECT_EQ(Run({"-w", a, b}).status, 1);
  EXPECT_EQ(Run({"-wi", a, b}).status, 0);
  EXPECT_EQ(Run({"-w", "-i", a, b}).status, 0);
  EXPECT_EQ(Run({"--ignore-all-space", "--ignore-case", a, b}).status, 0);
  EXPECT_EQ(Run({"-bi", a, b}).status, 0) << "a tab and four spaces are both one space";
  EXPECT_EQ(Run({"-x", a, b}).status, 2) << "an unknown letter";
  const auto spans = Run({"--chunks", "--ignore-space-change", a, b});
  std::size_t first = 0, second = 0;
  std::istringstream lines(spans.out);
  for (std::size_t kind, x, y; lines >> kind >> x >> y;)
    first += x, second += y;
  EXPECT_EQ(first, 24u);
  EXPECT_EQ(second, 28u) << "the lengths of each file add up to its size";
}

TEST_F(CliTest, IgnoredDifferencesAreZonesOfKindFourInEveryLayout) {
  const std::string a = Write("a", "Name = VALUE\nnext\n"), b = Write("b", "name = value\nnext\n");
  EXPECT_EQ(Run({"--lines", "-i", a, b}).out, "0\t0\t12\t4:1,0:6,4:5\n0\t13\t4\t0:4\n0\t18\t0\t\n");
  EXPECT_EQ(Run({"--lines", "--hex", "-i", a, b}).out, "0\t0\t16\t4:1,0:6,4:5,0:4\n0\t16\t2\t0:2\n")
      << "the hex layout shows the bytes; the option still decides the pieces";
  const auto html = Run({"--html", "-i", a, b});
  EXPECT_NE(html.out.find(".k4{background:#FFFFFF;color:#808080}"), std::string::npos);
  EXPECT_NE(html.out.find("<span class=\"k4\">VALUE</span>"), std::string::npos);
  EXPECT_EQ(Run({"--html", a, b}).out.find(".k4"), std::string::npos)
      << "the page without the option is as it was";
  const auto colour = Run({"--color=always", "-i", a, b});
  EXPECT_EQ(colour.out.substr(0, 24), "\x1b[38;2;128;128;128mN\x1b[0m")
      << "grey, as the viewer draws it";
}

TEST_F(CliTest, TheLineEndRuleStillHoldsWhenLineEndsAreLookedPast) {
  // The first file has CR LF line ends, the second LF alone: the LF rule breaks both.
  const std::string a = Write("a", "one\r\ntwo\r\n"), b = Write("b", "one\ntwo\nthree\n");
  const auto lines = Run({"--lines", "--ignore-line-ends", a, b});
  EXPECT_EQ(lines.out, "0\t0\t3\t0:3\n0\t5\t3\t0:3\n2\t10\t5\t2:5\n0\t16\t0\t\n");
  EXPECT_EQ(Run({"--lines", "--ignore-line-ends", "--line-ends=cr", a, b}).out,
            "0\t0\t3\t0:3\n0\t5\t3\t0:3\n2\t10\t6\t2:6\n")
      << "under the CR rule the old file's LF alone ends no line";
}

} // namespace
