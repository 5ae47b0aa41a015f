// Saving the current view as an HTML page: the lines as they are laid out now, in the colours
// and the code page the user chose, through a save dialog. The page is streamed into a file that
// replaces the old one only once it is complete.
#include "UnitDorix.h"

#include "FileNames.h"
#include "HtmlPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <ostream>
#include <streambuf>

namespace {

// A std::ostream's buffer that writes into a Qt device; a failed write sets the stream's bad bit.
class TDeviceBuffer : public std::streambuf {
public:
  explicit TDeviceBuffer(QIODevice &device) : FDevice(device) {}

protected:
  std::streamsize xsputn(const char *data, std::streamsize size) override {
    return FDevice.write(data, size) == size ? size : 0;
  }
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof()))
      return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    return FDevice.write(&ch, 1) == 1 ? c : traits_type::eof();
  }

private:
  QIODevice &FDevice;
};

THtmlLook Look(const TVTextStyle &style, const QPalette &palette) {
  const auto rgb = [&](TColorValue value) { return ToQColor(value, palette).rgb() & 0xFFFFFFu; };
  return {rgb(style.FontColor),
          rgb(style.BkgColor),
          (style.FontStyle & fsBold) != 0,
          (style.FontStyle & fsItalic) != 0,
          (style.FontStyle & fsUnderline) != 0,
          (style.FontStyle & fsStrikeOut) != 0};
}

// The looks of a scheme by kind, in the page's order.
std::array<THtmlLook, 6> Looks(const TStyleSet &styles, const QPalette &palette) {
  return {Look(styles.Equal, palette),   Look(styles.Inserted, palette),
          Look(styles.Deleted, palette), Look(styles.Updated, palette),
          Look(styles.Ignored, palette), Look(styles.Moved, palette)};
}

// Where the dialog starts: beside the new file, named after it.
QString SuggestedPageName(const QString &actual) {
  if (actual.isEmpty())
    return QStringLiteral("dorix.html");
  const QFileInfo info(actual);
  return info.dir().filePath(info.fileName() + QStringLiteral(".html"));
}

bool SameFile(const QString &a, const QString &b) {
  const QString canonical = QFileInfo(a).canonicalFilePath();
  return !b.isEmpty() && !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

} // namespace

THtmlPage TfrmDorix::HtmlPageOfView() const {
  THtmlPage page;
  const TRunInputs shown = FUsed.value_or(FRequested);
  // A caption other than the file's path is the label it was given.
  const auto name = [](const QString &path, const QString &caption) {
    return caption == path ? EncodeFileName(path).toStdString() : caption.toStdString();
  };
  page.FirstName = name(shown.ActualPFN, GetActualCaption());
  page.SecondName = name(shown.ObsoletePFN, GetObsoleteCaption());
  page.Outcome = StatusText(FStatus);
  const TVPieceCounts c = FComparison ? FComparison->Counts() : TVPieceCounts{};
  page.Counters = {c.EqualChars,  c.FirstChars,  c.SecondChars,
                   c.EqualChunks, c.FirstChunks, c.SecondChunks};
  const QPalette pal = mm->palette();
  page.Looks = Looks(FSettings.Light, pal);
  page.DarkLooks = Looks(FSettings.Dark, pal);
  page.LooksPast = FComparison && FComparison->Choices().Ignore.Any();
  // The page is made from the lines the viewer shows, of this comparison's pieces of the view.
  if (FComparison && mm->Model().SharedSource().get() == &FComparison->Pieces(FRunUsed.View)) {
    const std::int32_t view = FRunUsed.View;
    page.Moved = MovedEnds(mm->Model().Source(),
                           [this, view](int entry) { return FComparison->OtherEnd(view, entry); });
  }
  page.CodePage = mm->CodePage();
  page.Utf8 = mm->Model().TextForm().Utf8;
  page.Hex = mm->HexMode();
  return page;
}

void TfrmDorix::mmFileSaveHtmlClick() {
  if (Busy())
    return; // the lines are being made: there is no view to save yet
  const std::optional<QString> name =
      Platform.SaveFile(this, QCoreApplication::translate("Dorix", "Сохранить как HTML"),
                        SuggestedPageName(FUsed.value_or(FRequested).ActualPFN));
  if (!name || Busy())
    return;
  if (SameFile(*name, FRequested.ActualPFN) || SameFile(*name, FRequested.ObsoletePFN)) {
    ShowMessage(QCoreApplication::translate(
                    "Dorix", "Сравниваемый файл не может быть заменён страницей HTML."),
                *name);
    return;
  }
  QSaveFile file(*name);
  bool written = file.open(QIODevice::WriteOnly);
  if (written) {
    TDeviceBuffer buffer(file);
    std::ostream out(&buffer);
    WriteHtml(out, mm->Model(), HtmlPageOfView());
    written = out.good() && file.commit();
  }
  if (!written)
    ShowMessage(QCoreApplication::translate("Dorix", "Не удалось сохранить ") + *name,
                file.errorString());
}
