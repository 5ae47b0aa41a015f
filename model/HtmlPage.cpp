#include "HtmlPage.h"

#include "Encoding.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>
#include <string_view>

namespace {

constexpr std::size_t kFlushAt = 1u << 16; // bytes gathered before they go to the stream

// The gutter's mark per line kind: a changed line is told apart without its colour too. A line
// holding moved text has a mark of its own.
constexpr std::string_view kMarks[4] = {" ", "+", "-", "~"};
constexpr std::string_view kMovedMark = "\u2195";

void AppendEscaped(std::string &out, std::string_view utf8) {
  for (const char c : utf8) {
    switch (c) {
    case '<':
      out += "&lt;";
      break;
    case '>':
      out += "&gt;";
      break;
    case '&':
      out += "&amp;";
      break;
    case '"':
      out += "&quot;";
      break;
    case '\'':
      out += "&#39;";
      break;
    default:
      out += c;
    }
  }
}

// Text given as UTF-8, escaped; a byte that starts no valid sequence becomes U+FFFD and control
// characters a blank, so that the page stays valid whatever the name was.
void AppendName(std::string &out, std::string_view s) {
  while (!s.empty()) {
    const std::size_t n = WellFormedUtf8Length(s);
    if (n == 0)
      out += "\uFFFD";
    else if (n == 1 && (static_cast<unsigned char>(s[0]) < 0x20 || s[0] == 0x7F))
      out += ' ';
    else
      AppendEscaped(out, s.substr(0, n));
    s.remove_prefix(n == 0 ? 1 : n);
  }
}

std::string Colour(std::uint32_t rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
  return text;
}

std::string LookCss(const THtmlLook &look) {
  std::string css = "background:" + Colour(look.Background) + ";color:" + Colour(look.Text);
  if (look.Bold)
    css += ";font-weight:bold";
  if (look.Italic)
    css += ";font-style:italic";
  if (look.Underline || look.StrikeOut) {
    css += ";text-decoration:";
    css += look.Underline && look.StrikeOut ? "underline line-through"
           : look.Underline                 ? "underline"
                                            : "line-through";
  }
  return css;
}

// A class for each kind of text the page holds.
void WriteLooks(std::string &out, const THtmlPage &page, const std::array<THtmlLook, 6> &looks) {
  for (std::size_t k = 0; k < kMovedLook; ++k)
    if (k != kindIgnored || page.LooksPast)
      out += ".k" + std::to_string(k) + "{" + LookCss(looks[k]) + "}\n";
  if (!page.Moved.empty()) // both ends of moved text look alike
    out += ".k5,.k6{" + LookCss(looks[kMovedLook]) + "}\n";
}

void WriteHead(std::string &out, const THtmlPage &page) {
  out += "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
  AppendName(out, page.FirstName);
  out += " ↔ ";
  AppendName(out, page.SecondName);
  out += "</title>\n<style>\n"
         "body{font-family:sans-serif;margin:1em}\n"
         "table{border-collapse:collapse;margin:.5em 0}\n"
         "th,td{border:1px solid #C0C0C0;padding:.1em .5em;text-align:left}\n"
         ".counters td{text-align:right}\n"
         ".text{font-family:monospace;line-height:1.25;tab-size:8}\n"
         ".l{white-space:pre;min-height:1.25em}\n"
         ".g{display:inline-block;width:2ch;background:#D4D0C8;color:#000000;"
         "text-align:center;margin-right:.5ch;user-select:none}\n"
         "a{color:inherit;text-decoration:none}\n";
  WriteLooks(out, page, page.Looks);
  // A reader whose desktop is dark gets the dark scheme's looks, and a page that is dark too.
  const THtmlLook &ground = page.DarkLooks[kindEqual];
  out += "@media (prefers-color-scheme:dark){\n:root{color-scheme:dark}\nbody{background:" +
         Colour(ground.Background) + ";color:" + Colour(ground.Text) +
         "}\nth,td{border-color:#606060}\n.g{background:#404040;color:" + Colour(ground.Text) +
         "}\n";
  WriteLooks(out, page, page.DarkLooks);
  out += "}\n</style>\n</head>\n<body>\n";
}

void WriteSummary(std::string &out, const THtmlPage &page) {
  out += "<table class=\"files\">\n<tr><th>Первый файл:</th><td>";
  AppendName(out, page.FirstName);
  out += "</td></tr>\n<tr><th>Второй файл:</th><td>";
  AppendName(out, page.SecondName);
  out += "</td></tr>\n</table>\n<p class=\"outcome\">";
  AppendName(out, page.Outcome);
  out += "</p>\n";
  out += "<table class=\"counters\">\n<tr><th></th><th>совпадает</th><th>добавлено</th>"
         "<th>удалено</th></tr>\n";
  const char *rows[2] = {"символов", "фрагментов"};
  for (int r = 0; r < 2; ++r) {
    out += "<tr><th>";
    out += rows[r];
    out += "</th>";
    for (int c = 0; c < 3; ++c)
      out += "<td>" + std::to_string(page.Counters[static_cast<std::size_t>(3 * r + c)]) + "</td>";
    out += "</tr>\n";
  }
  out += "</table>\n";
}

// A zone in its kind's look; a zone of moved text links to the other end, and the first zone of
// an end is what the other end links to.
class TZones {
public:
  explicit TZones(const std::vector<THtmlMovedEnd> &moved) : FMoved(moved) {
    std::sort(FMoved.begin(), FMoved.end(), [](const THtmlMovedEnd &a, const THtmlMovedEnd &b) {
      return std::less<>()(a.Text.data(), b.Text.data());
    });
  }

  void Write(std::string &out, const TVMemoLineZone &zone, const std::string &text) const {
    const THtmlMovedEnd *end = IsMovedKind(zone.Kind) ? EndOf(zone.Data) : nullptr;
    if (!end || end->Other < 0) {
      out += "<span class=\"k" + std::to_string(zone.Kind) + "\">" + text + "</span>";
      return;
    }
    out += "<a class=\"k" + std::to_string(zone.Kind) + "\"";
    if (zone.Data == end->Text.data())
      out += " id=\"m" + std::to_string(end->Entry) + "\"";
    out += " href=\"#m" + std::to_string(end->Other) + "\">" + text + "</a>";
  }

private:
  const THtmlMovedEnd *EndOf(const char *data) const {
    auto it = std::upper_bound(
        FMoved.begin(), FMoved.end(), data,
        [](const char *d, const THtmlMovedEnd &e) { return std::less<>()(d, e.Text.data()); });
    if (it == FMoved.begin())
      return nullptr;
    --it;
    return std::less<>()(data, it->Text.data() + it->Text.size()) ? &*it : nullptr;
  }

  std::vector<THtmlMovedEnd> FMoved; // by where their text lies
};

// Each byte's glyph as escaped UTF-8, made once per code page: the page's text is written a
// table look-up per byte.
class TEscapedGlyphs {
public:
  explicit TEscapedGlyphs(const TCodePageTable &table) {
    for (int b = 0; b < 256; ++b) {
      std::string utf8, escaped;
      AppendUtf8(utf8, std::string_view(reinterpret_cast<const char *>(&b), 1), table);
      AppendEscaped(escaped, utf8);
      FGlyphs[static_cast<std::size_t>(b)] = escaped;
    }
  }
  void Append(std::string &out, std::string_view bytes) const {
    for (const char c : bytes)
      out += FGlyphs[static_cast<unsigned char>(c)];
  }

private:
  std::array<std::string, 256> FGlyphs;
};

const TEscapedGlyphs &GlyphsOf(TCodePage page) {
  static const TEscapedGlyphs glyphs[] = {TEscapedGlyphs(DisplayTable(TCodePage::Windows1251)),
                                          TEscapedGlyphs(DisplayTable(TCodePage::Dos866)),
                                          TEscapedGlyphs(DisplayTable(TCodePage::Koi8r))};
  return glyphs[static_cast<int>(page)];
}

// The page's text as the viewer shows it: a glyph a byte in a single-byte code page; in UTF-8
// the characters themselves, a tab as a tab, a control character as its glyph and a byte that
// begins no character as the replacement mark.
class TPageText {
public:
  TPageText(const TEscapedGlyphs &glyphs, bool utf8) : FGlyphs(glyphs), FUtf8(utf8) {}

  // byBytes: the hex layout's character pane, a cell a byte: a UTF-8 character in its first
  // byte's cell and a dot in the others'.
  void Append(std::string &out, std::string_view bytes, bool byBytes = false) const {
    if (!FUtf8)
      return FGlyphs.Append(out, bytes);
    for (std::size_t i = 0; i < bytes.size();) {
      const TVCharacter c = Utf8CharacterAt(bytes, i);
      if (!c.Valid) {
        out += "\uFFFD";
      } else if (c.CodePoint == '\t' && !byBytes) {
        out += '\t';
      } else if (c.CodePoint < 0x80) {
        FGlyphs.Append(out, bytes.substr(i, 1)); // escaped, or a control character's glyph
      } else {
        out += bytes.substr(i, c.Bytes);
        for (int k = 1; byBytes && k < c.Bytes; ++k)
          out += "\u00B7";
      }
      i += c.Bytes;
    }
  }

private:
  const TEscapedGlyphs &FGlyphs;
  bool FUtf8;
};

void WriteLine(std::string &out, const TVLineModel &model, int i, const THtmlPage &page,
               const TPageText &text, const TZones &writer) {
  const TVMemoLine &line = model.GetLine(i);
  const auto lineKind = static_cast<std::size_t>(line.FKind) < std::size(kMarks) ? line.FKind : 0;
  const auto zones = model.LineZones(i);
  const bool moved = std::any_of(zones.begin(), zones.end(),
                                 [](const TVMemoLineZone &z) { return IsMovedKind(z.Kind); });
  out += "<div class=\"l k" + std::to_string(lineKind) + "\"><span class=\"g\">";
  out += moved ? kMovedMark : kMarks[lineKind];
  out += "</span>";
  std::string shown;
  for (const TVMemoLineZone &zone : zones) {
    shown.clear();
    if (page.Hex)
      shown = HexDigits(zone.Text());
    else
      text.Append(shown, zone.Text());
    writer.Write(out, zone, shown);
  }
  if (page.Hex) {
    // The characters start after the same 48 digit cells on every line, the last one too.
    out.append(static_cast<std::size_t>(3 * (kHexBytesPerLine - line.FLength)) + 1, ' ');
    for (const TVMemoLineZone &zone : zones) {
      shown.clear();
      text.Append(shown, zone.Text(), true);
      out += "<span class=\"k" + std::to_string(zone.Kind) + "\">" + shown + "</span>";
    }
  }
  out += "</div>\n";
}

} // namespace

void WriteHtml(std::ostream &out, const TVLineModel &model, const THtmlPage &page) {
  std::string buffer;
  buffer.reserve(kFlushAt * 2);
  WriteHead(buffer, page);
  WriteSummary(buffer, page);
  buffer += "<div class=\"text\">\n";
  const TPageText text(GlyphsOf(page.CodePage), page.Utf8);
  const TZones zones(page.Moved);
  for (int i = 0; i < model.LineCount() && out; ++i) {
    WriteLine(buffer, model, i, page, text, zones);
    if (buffer.size() >= kFlushAt) {
      out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
      buffer.clear();
    }
  }
  buffer += "</div>\n</body>\n</html>\n";
  out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
}

std::vector<THtmlMovedEnd> MovedEnds(const TVKindStringList &pieces,
                                     const std::function<int(int)> &otherEnd) {
  std::vector<THtmlMovedEnd> ends;
  for (int k = 0; k < pieces.Count(); ++k)
    if (IsMovedKind(pieces.GetKind(k)))
      ends.push_back({pieces.Text(k), k, otherEnd(k)});
  return ends;
}
