// A main window on files the test writes, with the settings store in a temporary folder and
// message boxes recorded instead of shown.
#pragma once

#include "StatusPanels.h"
#include "UnitDorix.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

class MainWindowFixture : public testing::Test {
protected:
  QTemporaryDir dir;
  std::unique_ptr<TfrmDorix> w;
  QStringList messages;

  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("config"));
  }

  QString Write(const QString &name, const QByteArray &bytes) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
  }

  // Creates the window as the program's entry does and waits for the start-up comparison.
  void Start(const QString &first = {}, const QString &second = {}) {
    w = std::make_unique<TfrmDorix>();
    w->ShowMessage = [this](const QString &text, const QString &) { messages << text; };
    w->ChangeActualPFN(first);
    w->SetActualCaption(w->ActualPFN());
    w->ChangeObsoletePFN(second);
    w->SetObsoleteCaption(w->ObsoletePFN());
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    ASSERT_TRUE(QTest::qWaitFor([this] { return w->Status() != csNotRun; }));
  }

  QString Panel(int i) const { return w->StatusBar1->Text(i); }

  QString StoredValue(const char *name) {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
    return store.value(name).toString();
  }
};
