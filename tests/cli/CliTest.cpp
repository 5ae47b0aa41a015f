// dorix-diff run as a separate process, the way scripts use it.
#include "CliRun.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

namespace {

TEST_F(CliTest, ChunksFormatIsKindTabLength) {
  const auto r = Run({"--chunks", Write("new", "The cat sat."), Write("old", "The dog sat.")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "0\t4\n2\t3\n1\t3\n0\t5\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(CliTest, StatsAreSixCountersAndTheOutcome) {
  const auto r = Run({"--stats", Write("new", "abcdef"), Write("old", "xbcdy")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "3 3 2 1 2 2\nФайлы более-менее похожи.\n");
}

TEST_F(CliTest, MergedTextMarksBothSidesWithoutColour) {
  const auto r = Run({"--color=never", Write("new", "The cat sat."), Write("old", "The dog sat.")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "The [-dog-]{+cat+} sat.");
  EXPECT_EQ(r.err, "Файлы более-менее похожи.\n");
}

TEST_F(CliTest, ColourUsesTheStyleBackgroundsAndStopsAtLineBreaks) {
  const auto r =
      Run({"--color=always", Write("new", "a\r\nNEW\r\nz\r\n"), Write("old", "a\r\nz\r\n")});
  EXPECT_EQ(r.out, "a\r\n\x1b[38;2;0;0;0;48;2;255;136;200mNEW\x1b[0m\r\nz\r\n");
  const auto auto_ = Run({Write("n2", "ab"), Write("o2", "cd")}); // not a terminal: no colour
  EXPECT_EQ(auto_.out, "[-cd-]{+ab+}");
}

TEST_F(CliTest, IdenticalBytesExitZeroEvenWhenTheEngineSplitsThem) {
  const auto r = Run({"--stats", Write("new", "ab\r\nc"), Write("old", "ab\r\nc")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "4 1 1 1 1 1\nФайлы более-менее похожи.\n");
  EXPECT_EQ(Run({"--stats", Write("n1", "x"), Write("o1", "x")}).out,
            "0 1 1 0 1 1\nФайлы абсолютно не похожи.\n");
}

// The verdict tells files that differ only in their form, and the exit status still says they
// differ; the readable pass and --exact give the same verdict.
TEST_F(CliTest, FilesThatDifferOnlyInTheirFormAreToldSo) {
  const std::string lf = Write("lf", "one\ntwo\n"), crlf = Write("crlf", "one\r\ntwo\r\n");
  for (const std::string exact : {"--color=never", "--exact"}) {
    const auto r = Run({exact, crlf, lf});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Файлы отличаются только концами строк.\n");
  }
  EXPECT_EQ(Run({"--stats", Write("upper", "ONE\nTWO\n"), lf}).out,
            "2 6 6 2 2 2\nФайлы отличаются только регистром букв.\n");
  EXPECT_EQ(Run({Write("spaced", "one  \ntwo\t\n"), lf}).err,
            "Файлы отличаются только пробелами.\n");
}

TEST_F(CliTest, EmptyFilesNameTheOutcomeAndMakeNoPiece) {
  EXPECT_EQ(Run({"--stats", Write("e1", ""), Write("e2", "")}).out,
            "0 0 0 0 0 0\nОба файла пусты.\n");
  EXPECT_EQ(Run({"--chunks", Write("e2", ""), Write("e3", "")}).out, "");
  EXPECT_EQ(Run({"--stats", Write("e3", ""), Write("f", "abc")}).out,
            "0 0 3 0 0 1\nАктуальный пуст.\n");
  EXPECT_EQ(Run({"--chunks", Write("e3", ""), Write("f", "abc")}).out, "2\t3\n")
      << "no piece of length 0 for the empty file";
}

TEST_F(CliTest, TroubleExitsTwoWithOneLineNamingTheFile) {
  const std::string good = Write("good", "text");
  const std::string missing = (dir / "no such file").string();
  auto r = Run({missing, good});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "dorix-diff: Не удаётся открыть файл " + missing + ": Нет такого файла или каталога\n");

  r = Run({good, dir.string()});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "dorix-diff: " + dir.string() + " - папка, а " + good +
                       " - нет: дайте два файла или две папки\n")
      << "a folder goes with a folder only";
}

TEST_F(CliTest, UsageErrorsExitTwo) {
  EXPECT_EQ(Run({}).status, 2);
  EXPECT_EQ(Run({Write("only", "x")}).status, 2);
  const auto r = Run({"--bogus", Write("a", "x"), Write("b", "y")});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("неизвестный ключ --bogus"), std::string::npos);
}

TEST_F(CliTest, DoubleDashEndsOptions) {
  const std::string dashed = Write("--chunks", "same");
  const auto r = Run({"--stats", "--", dashed, Write("other", "same")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "4 0 0 1 0 0\nФайлы совершенно одинаковы.\n");
}

// A device is refused; a pipe is read to its end, as diff reads it, and one that nobody writes
// to is empty rather than waited for.
TEST_F(CliTest, ADeviceIsRefusedAndAPipeIsReadWithoutWaiting) {
  const std::string good = Write("good", "text");
  const auto device = Run({good, "/dev/zero"});
  EXPECT_EQ(device.status, 2);
  EXPECT_EQ(device.err, "dorix-diff: Не удаётся прочитать файл /dev/zero: это не обычный файл\n");
  const std::string fifo = (dir / "fifo").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const auto pipe = Run({"--stats", good, fifo});
  EXPECT_EQ(pipe.status, 1) << pipe.err;
  EXPECT_EQ(pipe.out, Run({"--stats", good, "/dev/null"}).out);
}

TEST_F(CliTest, AFailedReadIsReported) {
  const auto r = Run({Write("good", "text"), "/proc/self/mem"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "dorix-diff: Не удаётся прочитать файл /proc/self/mem: Ошибка ввода/вывода\n");
  // A file whose size says nothing of its contents reads as one that changed under us.
  const auto grown = Run({"/proc/self/status", Write("other", "text")});
  EXPECT_EQ(grown.status, 2);
  EXPECT_NE(grown.err.find("файл изменился, пока его читали"), std::string::npos);
}

TEST_F(CliTest, TwoGibibytesAreRefusedByName) {
  const std::string big = (dir / "sparse big.bin").string();
  { std::ofstream(big, std::ios::binary); }
  ASSERT_EQ(::truncate(big.c_str(), std::int64_t{1} << 31), 0);
  const auto r = Run({big, Write("small", "x")});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "dorix-diff: Не удаётся прочитать файл " + big + ": файлы от 2 ГиБ сравнить нельзя\n");
}

TEST_F(CliTest, NamesThatAreNotUtf8) {
  const auto r = Run({"--stats", Write("\xff\xfe name.txt", "same"), Write("-dash", "same")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "4 0 0 1 0 0\nФайлы совершенно одинаковы.\n");
}

TEST_F(CliTest, AnyContentIsCompared) {
  std::string all;
  for (int c = 0; c < 256; ++c)
    all += static_cast<char>(c);
  const std::string millionEmpty(2'000'000, '\n');
  const std::pair<std::string, std::string> rows[] = {
      {std::string("a\0b\0c", 5), std::string("a\0b\0d", 5)},
      {all, all + all},
      {"x", "y"},
      {"one\rtwo\rthree\r", "one\rTWO\rthree\r"},
      {"one\ntwo\nthree\n", "one\nTWO\nthree\n"},
      {millionEmpty, millionEmpty},
  };
  int i = 0;
  for (const auto &[first, second] : rows) {
    ++i;
    const std::string number = std::to_string(i);
    const auto r = Run({"--stats", Write(std::string("f").append(number), first),
                        Write(std::string("s").append(number), second)});
    EXPECT_EQ(r.status, first == second ? 0 : 1) << "row " << i;
    std::istringstream counts(r.out);
    long equal = -1, onlyFirst = -1, onlySecond = -1;
    counts >> equal >> onlyFirst >> onlySecond;
    EXPECT_EQ(equal + onlyFirst, static_cast<long>(first.size())) << "row " << i;
    EXPECT_EQ(equal + onlySecond, static_cast<long>(second.size())) << "row " << i;
  }
}

TEST_F(CliTest, ASingleFiftyMegabyteLine) {
  std::string line(50u << 20, 'q');
  const std::string first = Write("first", line);
  line[line.size() / 2] = 'Q';
  const auto r = Run({"--stats", first, Write("second", line)});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out.substr(0, r.out.find(' ')), std::to_string((50u << 20) - 1));
}

#if !defined(__SANITIZE_ADDRESS__)
// A stop signal that comes while the command works ends it with status 2 and no output, in
// every format: the signal reaches it before it starts and waits until it is listening.
TEST_F(CliTest, InterruptOrTerminateStopsTheRunWithNothingWritten) {
  const std::string a = Write("a", "shared\r\nnew\r\nshared\r\n");
  const std::string b = Write("b", "shared\r\nold\r\nshared\r\n");
  for (const int signal : {SIGINT, SIGTERM})
    for (const char *format : {"--chunks", "--stats", "--lines", "--html", "--color=never"}) {
      const Outcome o = Run({format, a, b}, 0, signal);
      EXPECT_EQ(o.status, 2) << format << " " << signal;
      EXPECT_EQ(o.out, "") << format << " " << signal;
      EXPECT_EQ(o.err, "dorix-diff: остановлено\n") << format << " " << signal;
    }
  EXPECT_EQ(Run({"--stats", a, b}).status, 1) << "and without a signal it runs to the end";
}

// Once the output is being written a stop signal ends the command at once: what reached standard
// output is a beginning of the whole output, and the status says it is not all.
TEST_F(CliTest, AStopSignalWhileWritingEndsWithWhatWasFlushed) {
  std::string text;
  for (int i = 0; i < 20'000; ++i)
    text += "line " + std::to_string(i) + (i % 10 ? "\r\n" : " changed\r\n");
  const std::string a = Write("a", text), b = Write("b", std::string(text).replace(5, 1, "X"));
  const std::string whole = Run({"--lines", a, b}).out;
  ASSERT_GT(whole.size(), 256u << 10);

  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(pipeEnds[1], STDOUT_FILENO);
    ::close(pipeEnds[0]);
    ::execl(DORIX_DIFF_PATH, DORIX_DIFF_PATH, "--lines", a.c_str(), b.c_str(), nullptr);
    ::_exit(127);
  }
  ::close(pipeEnds[1]);
  // The pipe fills and nobody reads: the command waits in the middle of its output.
  int queued = 0, raw = 0;
  while (::ioctl(pipeEnds[0], FIONREAD, &queued) == 0 &&
         queued < ::fcntl(pipeEnds[0], F_GETPIPE_SZ)) {
    ASSERT_EQ(::waitpid(pid, &raw, WNOHANG), 0) << "the command ended before its output did";
    ::usleep(1000);
  }
  ::kill(pid, SIGTERM);
  std::string out(static_cast<std::size_t>(queued), '\0');
  ASSERT_EQ(::read(pipeEnds[0], out.data(), out.size()), queued);
  ::waitpid(pid, &raw, 0);
  ::close(pipeEnds[0]);
  EXPECT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), 2);
  EXPECT_LT(out.size(), whole.size());
  EXPECT_EQ(out, whole.substr(0, out.size()));
}

TEST_F(CliTest, RunningOutOfMemoryExitsTwoWithAMessage) {
  const std::string text(64u << 20, 'm');
  const auto r = Run({"--stats", Write("a", text), Write("b", text)}, 96u << 20);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "dorix-diff: недостаточно памяти\n");
}
#endif

} // namespace
