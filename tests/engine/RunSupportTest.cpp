#include "CompareStatus.h"
#include "FileText.h"
#include "MappedFile.h"
#include "SizeToText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(SizeToText, UnitsAbove1024) {
  EXPECT_EQ(SizeToText(0, ' '), " 0 ");
  EXPECT_EQ(SizeToText(512, ' '), " 512 ");
  EXPECT_EQ(SizeToText(1024, ' '), " 1024 ");
  EXPECT_EQ(SizeToText(1025, ' '), " 1K");
  EXPECT_EQ(SizeToText(5000, ' '), " 4K");
  EXPECT_EQ(SizeToText(1048576, ' '), " 1024K");
  EXPECT_EQ(SizeToText(1048577, ' '), " 1024K");
  EXPECT_EQ(SizeToText(1025 * 1024, ' '), " 1M");
  EXPECT_EQ(SizeToText(2'000'000'000, '#'), "#1G");
}

TCompareFacts Facts(bool actualNamed, bool obsoleteNamed, bool actualEmpty, bool obsoleteEmpty,
                    std::int32_t equal = 0, std::int32_t first = 0, std::int32_t second = 0) {
  return {actualNamed, obsoleteNamed, actualEmpty, obsoleteEmpty, equal, first, second};
}

TEST(DecideOutcome, FirstMatchingRuleWins) {
  EXPECT_EQ(DecideOutcome(Facts(false, false, true, true)), csNoFiles);
  EXPECT_EQ(DecideOutcome(Facts(false, true, true, false, 0, 0, 5)), csNoActual);
  EXPECT_EQ(DecideOutcome(Facts(true, false, false, true, 0, 5, 0)), csNoObsolete);
  EXPECT_EQ(DecideOutcome(Facts(true, true, true, true)), csBothEmpty);
  EXPECT_EQ(DecideOutcome(Facts(true, true, true, false, 0, 0, 3)), csActualEmpty);
  EXPECT_EQ(DecideOutcome(Facts(true, true, false, true, 0, 3, 0)), csObsoleteEmpty);
  EXPECT_EQ(DecideOutcome(Facts(true, true, false, false, 0, 1, 1)), csDissimilar);
  EXPECT_EQ(DecideOutcome(Facts(true, true, false, false, 8, 0, 0)), csIdentical);
  EXPECT_EQ(DecideOutcome(Facts(true, true, false, false, 1, 0, 1)), csSimilar);
}

TEST(StatusText, EveryOutcomeHasItsText) {
  EXPECT_EQ(StatusText(csNotRun), "Сравнение еще не проводилось.");
  EXPECT_EQ(StatusText(csReadingObsolete), "Ошибка чтения устаревшего.");
  EXPECT_EQ(StatusText(csNoFiles), "Оба файла не заданы.");
  EXPECT_EQ(StatusText(csSimilar), "Файлы более-менее похожи.");
  EXPECT_EQ(StatusText(csDissimilar), "Файлы абсолютно не похожи.");
  EXPECT_EQ(StatusText(csStopped), "Сравнение прервано.");
  EXPECT_EQ(StatusText(csOnlySpacesAndLineEnds),
            "Файлы отличаются только пробелами и концами строк.");
  EXPECT_EQ(StatusText(csOnlyIgnored), "Файлы отличаются только тем, что сравнение не учитывает.");
  EXPECT_EQ(StatusText(static_cast<TCompareStatus>(18)), "");
}

class LoadFileTextTest : public testing::Test {
protected:
  std::filesystem::path dir;
  void SetUp() override {
    char name[] = "/tmp/dorix-load-XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    dir = name;
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string Write(const std::string &name, const std::string &bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    return (dir / name).string();
  }
};

TEST_F(LoadFileTextTest, ReadsEveryByte) {
  std::string bytes;
  for (int c = 0; c < 256; ++c)
    bytes += static_cast<char>(c);
  const auto result = LoadFileText(Write("all bytes.bin", bytes));
  ASSERT_TRUE(result.Ok());
  EXPECT_EQ(result.Text, bytes);
  EXPECT_TRUE(LoadFileText(Write("empty", "")).Ok());
}

TEST_F(LoadFileTextTest, AStopRequestEndsTheReadWithNothingToTell) {
  std::stop_source stop;
  stop.request_stop();
  const auto stopped = LoadFileText(Write("some", "text"), stop.get_token());
  EXPECT_EQ(stopped.Error, TLoadError::Stopped);
  EXPECT_TRUE(stopped.Text.empty());
  EXPECT_EQ(LoadErrorTitle("some", stopped), "") << "nothing to tell the user";
}

TEST_F(LoadFileTextTest, MissingFileNamesTheFile) {
  const std::string name = (dir / "missing.txt").string();
  const auto result = LoadFileText(name);
  EXPECT_EQ(result.Error, TLoadError::OpenFailed);
  EXPECT_TRUE(result.Text.empty());
  EXPECT_EQ(LoadErrorMessage(name, result),
            "Cannot open file " + name + ": No such file or directory");
}

TEST_F(LoadFileTextTest, RefusesWhatIsNotARegularFile) {
  EXPECT_EQ(LoadFileText(dir.string()).Error, TLoadError::NotRegular);
  const std::string fifo = (dir / "fifo").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(LoadFileText(fifo).Error, TLoadError::NotRegular); // must not wait for a writer
  EXPECT_EQ(LoadFileText("/dev/zero").Error, TLoadError::NotRegular);
}

TEST_F(LoadFileTextTest, RefusesTwoGibibytesAndMore) {
  const std::string name = (dir / "sparse.bin").string();
  { std::ofstream(name, std::ios::binary); }
  ASSERT_EQ(::truncate(name.c_str(), std::int64_t{1} << 31), 0); // sparse: costs no disk
  const auto result = LoadFileText(name);
  EXPECT_EQ(result.Error, TLoadError::TooLarge);
  EXPECT_NE(LoadErrorMessage(name, result).find(name), std::string::npos);
}

TEST_F(LoadFileTextTest, AFileWhoseSizeSaysNothingIsRefused) {
  // Files of /proc report a size of 0 and still have content.
  EXPECT_EQ(LoadFileText("/proc/self/status").Error, TLoadError::Changed);
  EXPECT_EQ(TMappedFile("/proc/self/status").Error, TLoadError::Changed);
}

TEST_F(LoadFileTextTest, MappedFileShowsEveryByteAndRefusesWhatLoadRefuses) {
  std::string bytes;
  for (int c = 0; c < 256; ++c)
    bytes += static_cast<char>(c);
  TMappedFile file(Write("all bytes.bin", bytes));
  ASSERT_TRUE(file.Ok());
  EXPECT_EQ(file.Text(), bytes);
  EXPECT_TRUE(file.ConfirmUnchanged());
  TMappedFile empty(Write("empty", ""));
  EXPECT_TRUE(empty.Ok() && empty.Text().empty() && empty.ConfirmUnchanged());
  TMappedFile missing((dir / "missing").string());
  EXPECT_EQ(missing.Error, TLoadError::OpenFailed);
  EXPECT_FALSE(missing.ConfirmUnchanged());
  EXPECT_EQ(TMappedFile(dir.string()).Error, TLoadError::NotRegular);
}

TEST_F(LoadFileTextTest, AMappedFileCutShortReadsAsZerosAndIsReported) {
  const std::string page(static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)), 'x');
  const std::string name = Write("cut.txt", page + page + page);
  TMappedFile file(name);
  ASSERT_TRUE(file.Ok());
  ASSERT_EQ(::truncate(name.c_str(), static_cast<off_t>(page.size())), 0);
  // Reading past the new end would end the process with SIGBUS if it were not guarded.
  const std::string_view text = file.Text();
  EXPECT_EQ(text[0], 'x');
  EXPECT_EQ(text[text.size() - 1], '\0');
  EXPECT_FALSE(file.ConfirmUnchanged());
  EXPECT_EQ(file.Error, TLoadError::Changed);
  EXPECT_EQ(LoadErrorMessage(name, file),
            "Cannot read file " + name + ": the file changed while it was read");
}

TEST_F(LoadFileTextTest, AMappedFileWrittenMeanwhileIsReported) {
  const std::string name = Write("grown.txt", "first words\n");
  TMappedFile grown(name);
  std::ofstream(name, std::ios::app) << "more\n";
  EXPECT_FALSE(grown.ConfirmUnchanged());

  const std::string same = Write("same size.txt", "first words\n");
  TMappedFile rewritten(same);
  struct timespec old[2] = {{0, UTIME_OMIT}, {1'000'000, 0}}; // a write moves the time
  ASSERT_EQ(::utimensat(AT_FDCWD, same.c_str(), old, 0), 0);
  EXPECT_FALSE(rewritten.ConfirmUnchanged());
}

} // namespace
