// TVMemo: searching the running text of the view, and copying the selection.
#include "CodePageText.h"
#include "FindDialog.h"
#include "TextSearch.h"
#include "VMemo.h"
#include "WaitCursor.h"

#include <QChar>
#include <QClipboard>
#include <QGuiApplication>

namespace {

std::string UpperIn(std::string_view text, TCodePage page) {
  std::string out(text);
  for (char &c : out)
    c = UpperIn(c, page);
  return out;
}

// UTF-8 text with every character case-folded where its folded form has as many bytes, so that
// an offset in the folded text is the same offset in the text.
std::string FoldUtf8(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size();) {
    const TVCharacter c = Utf8CharacterAt(out, i);
    const char32_t folded = QChar::toCaseFolded(static_cast<char32_t>(c.CodePoint));
    if (c.Valid && folded != c.CodePoint) {
      const QByteArray bytes = QString::fromUcs4(&folded, 1).toUtf8();
      if (bytes.size() == c.Bytes)
        std::copy(bytes.begin(), bytes.end(), out.begin() + static_cast<std::ptrdiff_t>(i));
    }
    i += c.Bytes;
  }
  return out;
}

// The text a search without "match case" runs over: upper case in a single-byte code page, or
// UTF-8 case folding.
std::string FoldCase(std::string_view text, bool utf8, TCodePage page) {
  return utf8 ? FoldUtf8(text) : UpperIn(text, page);
}

} // namespace

TCodePage TVMemo::SearchCodePage() const {
  // A DOS text is searched for in Windows-1251, as it always was.
  return FCodePage == TCodePage::Koi8r ? TCodePage::Koi8r : TCodePage::Windows1251;
}

void TVMemo::OpenFindDialog() {
  if (!FFindDialog) {
    FFindDialog = std::make_unique<TFindDialog>(); // no owner: a window of its own
    connect(FFindDialog.get(), &TFindDialog::Find, this, &TVMemo::FindDialogFind);
  }
  FFindDialog->SetCaseAndWordEnabled(CaretPane() != paneHexDigits);
  FFindDialog->show();
  FFindDialog->raise();
  FFindDialog->activateWindow();
}

bool TVMemo::FindDialogOpen() const {
  return FFindDialog && FFindDialog->isVisible();
}

void TVMemo::CloseFindDialog() {
  if (FindDialogOpen())
    FFindDialog->close();
}

void TVMemo::FindDialogFind() {
  FFindString = FFindDialog->FindText();
  FFindDialog->close();
  if (FFindString.isEmpty())
    ShowMessage(QStringLiteral("Строка поиска не может быть пустой"));
  else
    FindNext({});
}

void TVMemo::EnsureSearchText(TVSearchKind kind) {
  if (FSearchCache & kind)
    return;
  TWaitCursor wait;
  if (!(FSearchCache & skPlain)) {
    FSearchText.clear();
    const TVKindStringList &source = FModel.Source();
    for (int k = 0; k < source.Count(); ++k)
      if (FModel.KindVisible(source.GetKind(k)))
        FSearchText += source.Text(k);
    FSearchCache |= skPlain;
  }
  if (kind == skUpper)
    FSearchTextUpper = FoldCase(FSearchText, FModel.TextForm().Utf8, SearchCodePage());
  else if (kind == skHex)
    FSearchTextHex = HexPairs(FSearchText);
  FSearchCache |= kind;
}

void TVMemo::FindNext(const QString &extra) {
  if (WaitForLines([this, extra] { FindNext(extra); }))
    return;
  if (FFindString.isEmpty())
    return;
  const bool utf8 = FModel.TextForm().Utf8;
  const TCodePage page = SearchCodePage();
  const std::optional<std::string> typed =
      utf8 ? std::optional(FFindString.toStdString()) : Encode(FFindString, page);
  if (!typed) { // a character the code page lacks: no text holds it
    ShowNotFound(extra);
    return;
  }
  const std::string &findText = *typed;
  const auto Upper = [utf8, page](std::string_view text) { return FoldCase(text, utf8, page); };
  const bool down = !FFindDialog || FFindDialog->Down();
  const bool matchCase = FFindDialog && FFindDialog->MatchCase();
  const bool wholeWord = FFindDialog && FFindDialog->WholeWord();
  const TVPane pane = CaretPane();

  std::string_view text;
  std::string pattern;
  std::int64_t start = 0;
  if (pane == paneHexDigits) {
    EnsureSearchText(skHex);
    text = FSearchTextHex;
    pattern = Upper(findText); // the digits are upper case whatever the option says
    start = 2 * FModel.PositionToOffset(FCaretCol, FCaretLine, true);
  } else {
    EnsureSearchText(matchCase ? skPlain : skUpper);
    text = matchCase ? FSearchText : FSearchTextUpper;
    pattern = matchCase ? findText : Upper(findText);
    start = FModel.PositionToOffset(FCaretCol, FCaretLine, false);
  }
  const std::optional<std::size_t> hit =
      FindOccurrence({text, pattern, start, down, wholeWord && pane != paneHexDigits,
                      findText.size(), utf8, page});
  viewport()->update();

  if (!hit) {
    ShowNotFound(extra);
    return;
  }
  const auto p = static_cast<std::int64_t>(*hit), n = static_cast<std::int64_t>(pattern.size());
  const bool hex = pane == paneHexDigits;
  const TVPosition first = FModel.OffsetToPosition(hex ? p / 2 : p, hex);
  const TVPosition last = FModel.OffsetToPosition(hex ? (p + n) / 2 : p + n, hex);
  const TVPosition target = down ? last : first;
  MoveCaret(target.Col, target.Line, true);
  // After the move, whose Shift rule clears the hit; a selection left by a click would be
  // painted instead of it.
  FFound = TVTextRange{first, last, first, pane};
  FSelection.reset();
}

void TVMemo::ShowNotFound(const QString &extra) {
  FFound.reset();
  viewport()->update();
  ShowMessage(QStringLiteral("строка '") + FFindString + QStringLiteral("' ") + extra +
              QStringLiteral("не найдена"));
}

std::string TVMemo::GetSelectedText() const {
  if (!FSelection)
    return {};
  const TVTextRange &sel = *FSelection;
  std::string result;
  for (int i = std::max(0, sel.Start.Line); i <= sel.End.Line && i < LineCount(); ++i) {
    const auto [from, to] = *sel.ColumnsOn(i);
    if (to < from)
      continue;
    std::string text = FModel.GetLineText(i);
    if (sel.Pane == paneHexDigits)
      text = HexDigits(text);
    const auto size = static_cast<std::int64_t>(text.size());
    if (from < size)
      result.append(text, static_cast<std::size_t>(from),
                    static_cast<std::size_t>(std::min(to, size) - from));
    // A line that ended because it was full goes on in the next one: no break of the text's
    // own is there. The hex digits keep one line of the pane a line.
    if (sel.Pane == paneHexDigits || FModel.EndsWithLineEnd(i))
      result += FModel.LineEnd();
  }
  // The line end after the selection's last line is not part of it.
  const std::size_t end = FModel.LineEnd().size();
  for (std::size_t k = 0;
       k < end && !result.empty() && (result.back() == '\r' || result.back() == '\n'); ++k)
    result.pop_back();
  return result;
}

namespace {

// On the clipboard, and where the desktop has one (X11), in the selection a middle click pastes.
void CopyText(const QString &text) {
  QClipboard *clipboard = QGuiApplication::clipboard();
  clipboard->setText(text);
  if (clipboard->supportsSelection())
    clipboard->setText(text, QClipboard::Selection);
}

} // namespace

void TVMemo::CopyToClipboard() {
  if (WaitForLines([this] { CopyToClipboard(); }))
    return;
  if (!FSelection)
    return;
  const std::string text = GetSelectedText();
  if (!text.empty())
    CopyText(FModel.TextForm().Utf8
                 ? QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
             : FCodePage == TCodePage::Koi8r ? DecodeFaithfully(text, FCodePage)
                                             : DecodeWindows1251(text));
}
