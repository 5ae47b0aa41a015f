#include "FileNames.h"
#include "MainWindowFixture.h"

#include <unistd.h>

namespace {

TEST(FileNames, EveryByteStringComesBackTheSame) {
  const QByteArray names[] = {"plain.txt", "новый файл.txt",         "\xff\xfe.txt",
                              "a\xc3(b",   "\xed\xa0\x80 surrogate", "\xf4\x90\x80\x80 too high",
                              "\xe2\x82",  "\xc0\xaf overlong",      QByteArray("\x80", 1)};
  for (const QByteArray &name : names)
    EXPECT_EQ(EncodeFileName(DecodeFileName(name)), name) << name.toHex().toStdString();
  EXPECT_EQ(DecodeFileName("новый"), QString::fromUtf8("новый")) << "valid names read as text";
}

class FileNameWindow : public MainWindowFixture {};

TEST_F(FileNameWindow, ANameThatIsNotUtf8IsReadByItsBytes) {
  const QString name = Write("x", "text"); // a file to rename to bytes that are not UTF-8
  const QByteArray bytes = QFile::encodeName(dir.path()) + "/\xff\xfe name.txt";
  ASSERT_EQ(::rename(QFile::encodeName(name).constData(), bytes.constData()), 0);
  // The temporary folder is removed by names it cannot spell: this file goes by its bytes.
  struct Unlink {
    QByteArray path;
    ~Unlink() { ::unlink(path.constData()); }
  } unlink{bytes};
  written.clear();
  Start(DecodeFileName(bytes), DecodeFileName(bytes));
  EXPECT_TRUE(messages.isEmpty()) << messages.join(" ").toStdString();
  EXPECT_EQ(Panel(spStatus), "Файлы совершенно одинаковы.");
}

} // namespace
