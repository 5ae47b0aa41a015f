// git difftool set up as the README and the manual page say, opening the real window: the file
// in the working tree must be the new version and git's copy of the committed one the old.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

namespace {

class GitDifftool : public testing::Test {
protected:
  QTemporaryDir dir;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();

  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    // A home and a settings folder of the test's own: no configuration of the machine's user
    // takes part, and the window's recent pairs can be read back.
    env.insert("HOME", dir.path());
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    env.insert("GIT_CONFIG_NOSYSTEM", "1");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("PATH", QFileInfo(DORIX_PATH).path() + ":" + env.value("PATH"));
  }

  void Git(const QStringList &arguments) {
    QProcess git;
    git.setProcessEnvironment(env);
    git.setWorkingDirectory(dir.path());
    git.start("git",
              QStringList{"-c", "user.name=T", "-c", "user.email=t@example.org"} + arguments);
    ASSERT_TRUE(git.waitForFinished(20'000));
    ASSERT_EQ(git.exitCode(), 0) << arguments.join(' ').toStdString() << ": "
                                 << git.readAllStandardError().toStdString();
  }

  void Put(const QString &name, const QByteArray &bytes) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QStringList RecentPairs() {
    QSettings store(dir.filePath("config/Morvane/Dorix.conf"), QSettings::IniFormat);
    return store.value("RecentPairs").toStringList();
  }
};

TEST_F(GitDifftool, TheWindowGetsTheWorkingTreeFileAsTheNewVersion) {
  Git({"init", "-q", "."});
  Put("changed.txt", "one\ntwo\n");
  Git({"add", "changed.txt"});
  Git({"commit", "-q", "-m", "first"});
  Put("changed.txt", "one\nTWO\n");
  Git({"config", "difftool.dorix.cmd", "dorix \"$REMOTE\" \"$LOCAL\""});

  QProcess difftool;
  difftool.setProcessEnvironment(env);
  difftool.setWorkingDirectory(dir.path());
  // A process group of its own, so that the window git started can be closed with it.
  difftool.setChildProcessModifier([] { ::setsid(); });
  difftool.start("git", {"difftool", "-y", "--tool=dorix"});
  ASSERT_TRUE(difftool.waitForStarted());
  const bool compared = QTest::qWaitFor([this] { return RecentPairs().size() == 2; }, 30'000);
  ::kill(-static_cast<pid_t>(difftool.processId()), SIGTERM);
  difftool.waitForFinished(10'000);
  ASSERT_TRUE(compared) << difftool.readAllStandardError().toStdString();

  const QStringList pair = RecentPairs();
  EXPECT_EQ(pair[0], QDir(dir.path()).canonicalPath() + "/changed.txt")
      << "the new version is the working tree's file";
  // git's copy of the committed file, named after it in a folder of its own
  EXPECT_TRUE(pair[1].endsWith("changed.txt")) << pair[1].toStdString();
  EXPECT_NE(QFileInfo(pair[1]).path(), QFileInfo(pair[0]).path());
}

} // namespace
