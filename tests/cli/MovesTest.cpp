// dorix-diff and moved text: the parts it lists, the marks in the merged text, the kinds of the
// display lines and the HTML page's links, and the forms that count moved text as changed.
#include "CliRun.h"

#include <regex>

namespace {

std::string Paragraph(const std::string &name) {
  return "The " + name + " paragraph tells its own story in a sentence or two,\n" +
         "and ends here with the word " + name + ".\n\n";
}

// Four paragraphs, and the same with the second moved to the end: the new text first.
std::pair<std::string, std::string> SecondMovedToTheEnd() {
  const std::string a = Paragraph("first"), b = Paragraph("second"), c = Paragraph("third"),
                    d = Paragraph("fourth");
  return {a + c + d + b, a + b + c + d};
}

TEST_F(CliTest, MovesListsEachPartByItsPlaceInBothFiles) {
  const auto [moved, old] = SecondMovedToTheEnd();
  const std::string first = Write("new", moved), second = Write("old", old);
  const auto run = Run({"--moves", first, second});
  EXPECT_EQ(run.status, 1);
  std::istringstream lines(run.out);
  std::size_t here = 0, away = 0, length = 0, total = 0;
  while (lines >> here >> away >> length) {
    EXPECT_EQ(moved.substr(here, length), old.substr(away, length));
    total += length;
  }
  EXPECT_GE(total, Paragraph("second").size() - 8) << run.out;
  EXPECT_EQ(Run({"--moves", "--old-first", first, second}).out.empty(), run.out.empty());
  EXPECT_EQ(Run({"--moves", first, first}).out, "") << "identical files";
}

TEST_F(CliTest, TheMergedTextMarksBothEndsOfMovedText) {
  const auto [moved, old] = SecondMovedToTheEnd();
  const std::string first = Write("new", moved), second = Write("old", old);
  const std::string merged = Run({first, second}).out;
  EXPECT_NE(merged.find("[~The second paragraph"), std::string::npos) << merged;
  EXPECT_NE(merged.find("{~The second paragraph"), std::string::npos) << merged;
  const std::string plain = Run({"--no-moves", first, second}).out;
  EXPECT_EQ(plain.find('~'), std::string::npos) << plain;
  EXPECT_NE(plain.find("[-The second paragraph"), std::string::npos) << plain;
  // Taking the marks away gives the same text either way.
  EXPECT_EQ(std::regex_replace(merged, std::regex(R"(\[~|~\]|\{~|~\})"), ""),
            std::regex_replace(plain, std::regex(R"(\[-|-\]|\{\+|\+\})"), ""));
  EXPECT_NE(Run({"--color=always", first, second}).out.find("48;2;255;208;64m"), std::string::npos)
      << "moved text has a colour of its own";
}

TEST_F(CliTest, MovedTextKeepsTheCountersAndTakesKindsOfItsOwnInTheLines) {
  const auto [moved, old] = SecondMovedToTheEnd();
  const std::string first = Write("new", moved), second = Write("old", old);
  EXPECT_EQ(Run({"--chunks", first, second}).out,
            Run({"--chunks", "--no-moves", first, second}).out);
  EXPECT_EQ(Run({"--stats", first, second}).out, Run({"--stats", "--no-moves", first, second}).out);
  const std::string lines = Run({"--lines", first, second}).out;
  EXPECT_TRUE(std::regex_search(lines, std::regex("(^|\n)2\t[0-9]+\t[0-9]+\t5:"))) << lines;
  EXPECT_TRUE(std::regex_search(lines, std::regex("(^|\n)1\t[0-9]+\t[0-9]+\t6:"))) << lines;
  // The lines themselves, their kinds, starts and lengths, are what the pieces make them.
  const std::regex zones("\t[^\t\n]*\n");
  EXPECT_EQ(std::regex_replace(lines, zones, "\n"),
            std::regex_replace(Run({"--lines", "--no-moves", first, second}).out, zones, "\n"));
}

TEST_F(CliTest, TheHtmlPageLinksEachEndOfMovedTextToTheOther) {
  const auto [moved, old] = SecondMovedToTheEnd();
  const std::string page = Run({"--html", Write("new", moved), Write("old", old)}).out;
  EXPECT_NE(page.find(".k5,.k6{"), std::string::npos);
  const std::regex link(R"re(<a class="k([56])" id="m([0-9]+)" href="#m([0-9]+)">)re");
  int links = 0;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), link); it != std::sregex_iterator();
       ++it, ++links) {
    const std::string target = (*it)[3];
    EXPECT_NE(page.find("id=\"m" + target + "\""), std::string::npos) << "the other end is there";
    EXPECT_NE(page.find("href=\"#m" + std::string((*it)[2]) + "\""), std::string::npos)
        << "and links back";
  }
  EXPECT_GE(links, 2);
  const std::string newView =
      Run({"--html", "--view=new", Write("new", moved), Write("old", old)}).out;
  EXPECT_EQ(newView.find("<a "), std::string::npos) << "one end shown: nothing to link to";
  EXPECT_NE(newView.find("class=\"k6\""), std::string::npos);
}

} // namespace
