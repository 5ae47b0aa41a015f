// The HTML page read back with a small parser: the markup is balanced, text holds nothing
// unescaped, and every display line comes out in order with its kind, its mark and its zones.
#include "HtmlPage.h"
#include "ModelFixture.h"

#include <algorithm>
#include <map>
#include <sstream>

namespace {

struct PageZone {
  std::int32_t kind = -1;
  std::string text; // unescaped
  bool operator==(const PageZone &) const = default;
};

struct PageLine {
  std::int32_t kind = -1;
  std::string mark;
  std::vector<PageZone> zones;
};

struct ParsedPage {
  std::string error; // empty when the page parsed
  std::string title, css;
  std::vector<std::string> cells; // the text of every th and td, in order
  std::vector<PageLine> lines;
};

std::string Unescape(std::string_view text, std::string &error) {
  static const std::map<std::string, std::string> entities = {
      {"lt", "<"}, {"gt", ">"}, {"amp", "&"}, {"quot", "\""}, {"#39", "'"}};
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '>' ||
        (static_cast<unsigned char>(text[i]) < 0x20 && text[i] != '\n' && text[i] != '\t')) {
      error = "unescaped character in text: " + std::string(text.substr(i, 8));
      return out;
    }
    if (text[i] != '&') {
      out += text[i];
      continue;
    }
    const std::size_t end = text.find(';', i);
    const auto entity = end == std::string_view::npos
                            ? entities.end()
                            : entities.find(std::string(text.substr(i + 1, end - i - 1)));
    if (entity == entities.end()) {
      error = "a bare ampersand: " + std::string(text.substr(i, 8));
      return out;
    }
    out += entity->second;
    i = end;
  }
  return out;
}

std::int32_t KindOfClass(std::string_view cls) {
  const std::size_t k = cls.rfind('k');
  return k == std::string_view::npos ? -1 : std::stoi(std::string(cls.substr(k + 1)));
}

ParsedPage Failed(std::string error) {
  ParsedPage page;
  page.error = std::move(error);
  return page;
}

ParsedPage Parse(const std::string &html) {
  ParsedPage page;
  const std::string doctype = "<!DOCTYPE html>\n";
  if (html.rfind(doctype, 0) != 0)
    return Failed("no doctype");
  std::vector<std::string> open; // element names
  std::vector<std::string> classes;
  std::size_t i = doctype.size();
  while (i < html.size() && page.error.empty()) {
    if (html[i] != '<') {
      const std::size_t next = html.find('<', i);
      const std::string text = Unescape(html.substr(i, next - i), page.error);
      const std::string where = open.empty() ? "" : open.back();
      if (where == "title")
        page.title += text;
      else if (where == "style")
        page.css += html.substr(i, next - i);
      else if (where == "th" || where == "td")
        page.cells.back() += text;
      else if (where == "span" && classes.back() == "g")
        page.lines.back().mark += text;
      else if (where == "span")
        page.lines.back().zones.push_back({KindOfClass(classes.back()), text});
      i = next;
      continue;
    }
    const std::size_t end = html.find('>', i);
    if (end == std::string::npos)
      return Failed("a tag without its end");
    const std::string tag = html.substr(i + 1, end - i - 1);
    i = end + 1;
    if (tag[0] == '/') {
      if (open.empty() || open.back() != tag.substr(1))
        return Failed("</" + tag.substr(1) + "> closes " +
                      (open.empty() ? "nothing" : open.back()));
      open.pop_back();
      classes.pop_back();
      continue;
    }
    const std::string name = tag.substr(0, tag.find(' '));
    if (name == "meta")
      continue; // a void element
    std::string cls;
    if (const std::size_t c = tag.find("class=\""); c != std::string::npos)
      cls = tag.substr(c + 7, tag.find('"', c + 7) - c - 7);
    if (name == "th" || name == "td")
      page.cells.emplace_back();
    if (name == "div" && cls.rfind("l ", 0) == 0)
      page.lines.push_back({KindOfClass(cls), {}, {}});
    open.push_back(name);
    classes.push_back(cls);
  }
  if (page.error.empty() && !open.empty())
    page.error = "<" + open.back() + "> is never closed";
  return page;
}

class HtmlPageTest : public ModelFixture {
protected:
  THtmlPage page;

  ParsedPage Written() {
    std::ostringstream out;
    WriteHtml(out, model, page);
    EXPECT_TRUE(out.good());
    return Parse(out.str());
  }

  std::string Shown(std::string_view bytes) const {
    std::string utf8;
    AppendUtf8(utf8, bytes, DisplayTable(page.CodePage));
    return utf8;
  }

  // Every line of the model, in order, with its kind, its mark and its zones.
  void ExpectEveryLine(const ParsedPage &parsed) const {
    ASSERT_EQ(parsed.error, "");
    ASSERT_EQ(parsed.lines.size(), static_cast<std::size_t>(model.LineCount()));
    const char *marks[] = {" ", "+", "-", "~"};
    for (int i = 0; i < model.LineCount(); ++i) {
      const PageLine &got = parsed.lines[static_cast<std::size_t>(i)];
      EXPECT_EQ(got.kind, model.GetLine(i).FKind) << "line " << i;
      EXPECT_EQ(got.mark, marks[model.GetLine(i).FKind]) << "line " << i;
      std::vector<PageZone> expected;
      for (const TVMemoLineZone &zone : model.LineZones(i))
        expected.push_back({zone.Kind, Shown(zone.Text())});
      EXPECT_EQ(got.zones, expected) << "line " << i;
    }
  }
};

TEST_F(HtmlPageTest, EveryLineInOrderWithItsKindMarkAndZones) {
  Add(kEqual, "shared start\r\nab");
  Add(kInserted, "NEW");
  Add(kDeleted, "old");
  Add(kEqual, "cd\r\n");
  Add(kInserted, "only new\r\n");
  Add(kDeleted, "only old\r\n");
  Add(kEqual, "end");
  for (const std::int32_t width : {kNoWrap, 5, 1})
    for (const std::int32_t view : {viewBoth, viewNew, viewOld}) {
      SCOPED_TRACE("width " + std::to_string(width) + " view " + std::to_string(view));
      Build(width, false, view);
      ExpectEveryLine(Written());
    }
}

TEST_F(HtmlPageTest, MarkupCharactersQuotesAndControlBytesAreEscapedOrShownAsGlyphs) {
  Add(kEqual, "if (a < b && c > d) s = \"x\" + 'y';\r\n");
  Add(kInserted, std::string("\t\x01\x7F\0end", 7));
  Build(kNoWrap);
  page.FirstName = "<new> & \"quoted\".txt";
  page.SecondName = "bad \xFF\xFE name\x1B.txt";
  const ParsedPage parsed = Written();
  ExpectEveryLine(parsed);
  EXPECT_EQ(parsed.lines[1].zones[0].text, "\u25CB\u263A\u2302 end") << "as the window draws them";
  EXPECT_EQ(parsed.title, "<new> & \"quoted\".txt ↔ bad \uFFFD\uFFFD name .txt");
}

TEST_F(HtmlPageTest, NamesOutcomeAndTheSixCounters) {
  Add(kEqual, "x");
  Build(kNoWrap);
  page.FirstName = "new.txt";
  page.SecondName = "old.txt";
  page.Outcome = "Файлы более-менее похожи.";
  page.Counters = {10, 20, 30, 1, 2, 3};
  const ParsedPage parsed = Written();
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.cells,
            (std::vector<std::string>{"Первый файл:", "new.txt", "Второй файл:", "old.txt", "",
                                      "совпадает", "добавлено", "удалено", "символов", "10", "20",
                                      "30", "фрагментов", "1", "2", "3"}));
}

TEST_F(HtmlPageTest, TheLooksOfTheFourKindsAsTheUserSetThem) {
  Add(kEqual, "x");
  Build(kNoWrap);
  page.Looks[kInserted] = {0x112233, 0xFEDCBA, true, true, true, false};
  page.Looks[kDeleted] = {0x000000, 0x0088FF, false, false, false, true};
  page.Looks[kUpdated] = {0x00FF00, 0x000080, false, false, true, true};
  const std::string css = Written().css;
  EXPECT_NE(css.find(".k0{background:#FFFFFF;color:#000000}"), std::string::npos) << css;
  EXPECT_NE(css.find(".k1{background:#FEDCBA;color:#112233;font-weight:bold;font-style:italic;"
                     "text-decoration:underline}"),
            std::string::npos)
      << css;
  EXPECT_NE(css.find(".k2{background:#0088FF;color:#000000;text-decoration:line-through}"),
            std::string::npos)
      << css;
  EXPECT_NE(css.find(".k3{background:#000080;color:#00FF00;text-decoration:underline "
                     "line-through}"),
            std::string::npos)
      << css;
}

TEST_F(HtmlPageTest, ADarkDesktopGetsTheDarkLooks) {
  Add(kEqual, "x");
  Build(kNoWrap);
  page.DarkLooks[kInserted] = {0xABCDEF, 0x123456, true};
  const std::string css = Written().css;
  const std::size_t media = css.find("@media (prefers-color-scheme:dark){");
  ASSERT_NE(media, std::string::npos) << css;
  const std::string light = css.substr(0, media), dark = css.substr(media);
  EXPECT_NE(light.find(".k1{background:#FF88C8;color:#000000}"), std::string::npos) << light;
  EXPECT_NE(dark.find(".k1{background:#123456;color:#ABCDEF;font-weight:bold}"), std::string::npos)
      << dark;
  EXPECT_NE(dark.find(".k0{background:#242424;color:#DCDCDC}"), std::string::npos) << dark;
  EXPECT_NE(dark.find("body{background:#242424;color:#DCDCDC}"), std::string::npos)
      << "the page around the text is dark too: " << dark;
  EXPECT_EQ(dark.find(".k4{"), std::string::npos)
      << "no Ignored look where nothing was looked past";
  EXPECT_EQ(std::ranges::count(dark, '{'), std::ranges::count(dark, '}')) << dark;
}

TEST_F(HtmlPageTest, DosTextIsDecodedFromItsCodePage) {
  Add(kEqual, "\x8F\xE0\xA8\xA2\xA5\xE2 \xC4\xC4");
  Build(kNoWrap);
  page.CodePage = TCodePage::Dos866;
  const ParsedPage parsed = Written();
  ExpectEveryLine(parsed);
  EXPECT_EQ(parsed.lines[0].zones[0].text, "Привет ──");
}

TEST_F(HtmlPageTest, Utf8TextIsWrittenAsItsCharacters) {
  Add(kEqual, "Привет, <мир> — 中文\tx\x01\xFF");
  model.SetTextForm({true, 8});
  Build(kNoWrap);
  page.Utf8 = true;
  const ParsedPage parsed = Written();
  ASSERT_EQ(parsed.error, "");
  ASSERT_EQ(parsed.lines.size(), 1u);
  EXPECT_EQ(parsed.lines[0].zones[0].text, "Привет, <мир> — 中文\tx\u263A\uFFFD")
      << "a tab stays for the page's tab stops, a control its glyph, a stray byte the mark";
  EXPECT_NE(parsed.css.find("tab-size:8"), std::string::npos);

  list.Clear();
  Add(kEqual, "ab€");
  Build(kHexBytesPerLine, true);
  page.Hex = true;
  const ParsedPage hex = Written();
  ASSERT_EQ(hex.error, "");
  EXPECT_EQ(hex.lines[0].zones[1].text, "ab€\u00B7\u00B7") << "a cell a byte in the hex pane";
}

TEST_F(HtmlPageTest, HexLinesShowTheDigitsThenTheCharacters) {
  Add(kEqual, "0123456789abcdef<&");
  Add(kInserted, "\r\n");
  Build(kHexBytesPerLine, true);
  page.Hex = true;
  const ParsedPage parsed = Written();
  ASSERT_EQ(parsed.error, "");
  ASSERT_EQ(parsed.lines.size(), 2u);
  const auto &last = parsed.lines[1].zones;
  ASSERT_EQ(last.size(), 4u);
  EXPECT_EQ(last[0], (PageZone{kUpdated, "3C 26 "}));
  EXPECT_EQ(last[1], (PageZone{kInserted, "0D 0A "}));
  EXPECT_EQ(last[2], (PageZone{kUpdated, "<&"}));
  EXPECT_EQ(last[3], (PageZone{kInserted, "\u266A\u25D9"}));
}

} // namespace
