// TVMemo: searching the running text of the view, and copying the selection.
#include "CaseFolding.h"
#include "CodePageText.h"
#include "Encoding.h"
#include "FindDialog.h"
#include "TextSearch.h"
#include "VMemo.h"
#include "WaitCursor.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

namespace {

constexpr std::size_t kStopEvery = std::size_t{1} << 20; // bytes between looks at a stop

bool Stopped(const std::stop_token &stop, std::size_t i) {
  return i % kStopEvery == 0 && stop.stop_requested();
}

std::string UpperIn(std::string_view text, TCodePage page, const std::stop_token &stop) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (Stopped(stop, i))
      return {};
    out[i] = UpperIn(out[i], page);
  }
  return out;
}

// UTF-8 text with every character case-folded where its folded form has as many bytes, so that
// an offset in the folded text is the same offset in the text.
std::string FoldUtf8(std::string_view text, const std::stop_token &stop) {
  std::string out(text);
  std::size_t nextLook = 0;
  for (std::size_t i = 0; i < out.size();) {
    if (i >= nextLook) {
      if (stop.stop_requested())
        return {};
      nextLook = i + kStopEvery;
    }
    const TVCharacter c = Utf8CharacterAt(out, i);
    const char32_t folded = FoldedCodePoint(c.CodePoint);
    std::array<char, 4> bytes{};
    if (c.Valid && folded != c.CodePoint && EncodeUtf8(folded, bytes) == c.Bytes)
      std::copy_n(bytes.begin(), c.Bytes, out.begin() + static_cast<std::ptrdiff_t>(i));
    i += c.Bytes;
  }
  return out;
}

// The text a search without "match case" runs over: upper case in a single-byte code page, or
// UTF-8 case folding.
std::string FoldCase(std::string_view text, bool utf8, TCodePage page,
                     const std::stop_token &stop = {}) {
  return utf8 ? FoldUtf8(text, stop) : UpperIn(text, page, stop);
}

std::string SlicedHexPairs(std::string_view text, const std::stop_token &stop) {
  std::string out;
  out.reserve(2 * text.size());
  for (std::size_t i = 0; i < text.size(); i += kStopEvery) {
    if (stop.stop_requested())
      return {};
    out += HexPairs(text.substr(i, kStopEvery));
  }
  return out;
}

// On the clipboard, and where the desktop has one (X11), in the selection a middle click pastes.
void CopyText(const QString &text) {
  QClipboard *clipboard = QGuiApplication::clipboard();
  clipboard->setText(text);
  if (clipboard->supportsSelection())
    clipboard->setText(text, QClipboard::Selection);
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
    ShowMessage(QCoreApplication::translate("Dorix", "Строка поиска не может быть пустой"));
  else
    FindNext({});
}

// Builds the text the search runs over, from the source and in the text form and code page it
// was given, not the ones the control has meanwhile.
bool TVMemo::EnsureSearchText(const TSearch &search, const std::stop_token &stop) {
  const TVSearchKind kind = search.Kind;
  const TSearchTextForm form{search.Request.Utf8, search.Request.CodePage};
  if ((FSearchCache & kind) && (kind != skUpper || FSearchUpperForm == form))
    return true;
  if (!(FSearchCache & skPlain)) {
    FSearchText.clear();
    const TVKindStringList &source = *search.Source;
    for (int k = 0; k < source.Count(); ++k) {
      if (stop.stop_requested())
        return false;
      if (FModel.KindVisible(source.GetKind(k)))
        FSearchText += source.Text(k);
    }
    FSearchCache |= skPlain;
  }
  if (kind == skUpper) {
    FSearchTextUpper = FoldCase(FSearchText, form.Utf8, form.Page, stop);
    FSearchUpperForm = form;
  } else if (kind == skHex) {
    FSearchTextHex = SlicedHexPairs(FSearchText, stop);
  }
  if (stop.stop_requested())
    return false;
  FSearchCache |= kind;
  return true;
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
  auto search = std::make_shared<TSearch>();
  search->Source = FModel.SharedSource();
  search->Extra = extra;
  search->Pane = CaretPane();
  const bool matchCase = FFindDialog && FFindDialog->MatchCase();
  const bool hex = search->Pane == paneHexDigits;
  search->Kind = hex ? skHex : matchCase ? skPlain : skUpper;
  // The hex digits are upper case whatever the option says.
  search->Pattern = hex || !matchCase ? FoldCase(*typed, utf8, page) : *typed;
  const std::int64_t caret = FModel.PositionToOffset(FCaretCol, FCaretLine, hex);
  search->Request = {{},
                     {},
                     hex ? 2 * caret : caret,
                     !FFindDialog || FFindDialog->Down(),
                     FFindDialog && FFindDialog->WholeWord() && !hex,
                     typed->size(),
                     utf8,
                     page};
  const auto find = [this, search](const std::stop_token &stop) {
    if (!EnsureSearchText(*search, stop))
      return;
    search->Request.Text = search->Kind == skHex     ? FSearchTextHex
                           : search->Kind == skPlain ? FSearchText
                                                     : FSearchTextUpper;
    search->Request.Pattern = search->Pattern;
    search->Request.Stop = stop;
    search->Hit = FindOccurrence(search->Request);
  };
  if (FModel.TextBytes() <= kWorkInPlaceBytes) {
    TWaitCursor wait;
    find({});
    ShowFound(*search);
    return;
  }
  StartTextWork(QCoreApplication::translate("Dorix", "Поиск.."), find,
                [this, search] { ShowFound(*search); });
}

void TVMemo::ShowFound(const TSearch &search) {
  viewport()->update();
  if (!search.Hit) {
    ShowNotFound(search.Extra);
    return;
  }
  const auto p = static_cast<std::int64_t>(*search.Hit);
  const auto n = static_cast<std::int64_t>(search.Pattern.size());
  const bool hex = search.Pane == paneHexDigits;
  const TVPosition first = FModel.OffsetToPosition(hex ? p / 2 : p, hex);
  const TVPosition last = FModel.OffsetToPosition(hex ? (p + n) / 2 : p + n, hex);
  const TVPosition target = search.Request.Down ? last : first;
  MoveCaret(target.Col, target.Line, true);
  // After the move, whose Shift rule clears the hit; a selection left by a click would be
  // painted instead of it.
  FFound = TVTextRange{first, last, first, search.Pane};
  FSelection.reset();
}

void TVMemo::StartTextWork(const QString &title, std::function<void(const std::stop_token &)> work,
                           std::function<void()> done) {
  FTextWorkTitle = title;
  FTextTask.Start([work](std::stop_token stop) { work(stop); },
                  [this, done](std::exception_ptr failure) {
                    if (OnTextWork) // the window is no longer busy, also during a message
                      OnTextWork();
                    if (!failure)
                      done();
                    else
                      ShowMessage(QCoreApplication::translate("Dorix", "Недостаточно памяти"));
                    RunWaitingCommands();
                  });
  if (OnTextWork)
    OnTextWork();
}

void TVMemo::StopTextWork() {
  if (!FTextTask.Running())
    return;
  FTextTask.Stop();
  FAfterBuild.clear();
  if (OnTextWork)
    OnTextWork();
}

void TVMemo::ShowNotFound(const QString &extra) {
  FFound.reset();
  viewport()->update();
  // extra is a word the message takes before its verb, "больше " when F3 found no further one.
  ShowMessage(extra.isEmpty()
                  ? QCoreApplication::translate("Dorix", "строка '%1' не найдена").arg(FFindString)
                  : QCoreApplication::translate("Dorix", "строка '%1' %2не найдена")
                        .arg(FFindString, extra));
}

std::string TVMemo::GetSelectedText(const std::stop_token &stop) const {
  return FSelection ? SelectedText(FModel, *FSelection, stop) : std::string();
}

std::string TVMemo::SelectedText(const TVLineModel &model, const TVTextRange &sel,
                                 const std::stop_token &stop) {
  // The text itself, line ends as the files have them, in the text and the character panes.
  if (sel.Pane != paneHexDigits)
    return model.TextBetween(model.PositionToOffset(sel.Start.Col, sel.Start.Line, false),
                             model.PositionToOffset(sel.End.Col, sel.End.Line, false), stop);
  // The digits: a row of the pane a line, with no line end after the last.
  std::string result;
  for (int i = std::max(0, sel.Start.Line); i <= sel.End.Line && i < model.LineCount(); ++i) {
    if (i % 4096 == 0 && stop.stop_requested())
      return {};
    const auto [from, to] = *sel.ColumnsOn(i);
    const std::string digits = HexDigits(model.GetLineText(i));
    const auto size = static_cast<std::int64_t>(digits.size());
    if (from < size)
      result.append(digits, static_cast<std::size_t>(from),
                    static_cast<std::size_t>(std::min(to, size) - from));
    if (i < sel.End.Line)
      result += model.LineEnd();
  }
  return result;
}

void TVMemo::CopyToClipboard() {
  if (WaitForLines([this] { CopyToClipboard(); }))
    return;
  if (!FSelection)
    return;
  // Roughly what the copy holds: the digits pane has two characters a byte.
  const bool hex = FSelection->Pane == paneHexDigits;
  const std::int64_t bytes =
      (FModel.PositionToOffset(FSelection->End.Col, FSelection->End.Line, hex) -
       FModel.PositionToOffset(FSelection->Start.Col, FSelection->Start.Line, hex)) *
      (hex ? 2 : 1);
  if (bytes > AskBeforeCopyingBytes && !(ConfirmLargeCopy && ConfirmLargeCopy(bytes)))
    return;
  // The copy reads what it was given: the selection and the encoding may change meanwhile.
  auto text = std::make_shared<QString>();
  const auto copy = [this, text, sel = *FSelection, utf8 = FModel.TextForm().Utf8,
                     page = FCodePage](const std::stop_token &stop) {
    const std::string bytes = SelectedText(FModel, sel, stop);
    *text = utf8 ? QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()))
            : page == TCodePage::Koi8r ? DecodeFaithfully(bytes, page)
                                       : DecodeWindows1251(bytes);
  };
  const auto done = [text] {
    if (!text->isEmpty())
      CopyText(*text);
  };
  if (bytes <= kWorkInPlaceBytes) {
    copy({});
    done();
    return;
  }
  StartTextWork(QCoreApplication::translate("Dorix", "Копирование.."), copy, done);
}
