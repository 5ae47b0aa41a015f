// The help file is found beside the program in a build tree and under share/dorix once
// installed, whichever holds it.
#include "HelpFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void Touch(const QString &path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(HelpFile, BesideTheProgramFirstThenTheInstalledPlace) {
  QTemporaryDir root;
  const QString bin = root.filePath("usr/bin");
  QDir().mkpath(bin);
  const QString beside = bin + "/dorix.chm";
  const QString installed = root.filePath("usr/share/dorix/dorix.chm");

  // Neither: the message that it cannot be opened names the place beside the program.
  EXPECT_EQ(FindHelpFile(bin), beside);
  Touch(installed);
  EXPECT_EQ(FindHelpFile(bin), installed);
  Touch(beside);
  EXPECT_EQ(FindHelpFile(bin), beside);
}

} // namespace
