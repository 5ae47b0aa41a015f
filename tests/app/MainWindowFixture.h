// A main window on files the test writes, with the settings store in a temporary folder and
// message boxes recorded instead of shown.
#pragma once

#include "StatusPanels.h"
#include "UnitDorix.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

// Runs act on the next modal dialog of type D as soon as it is shown.
template <typename D> void WhenModal(std::function<void(D &)> act) {
  auto *timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    if (auto *dialog = dynamic_cast<D *>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      act(*dialog);
    }
  });
  timer->start();
}

// How long a test waits for a run to end: generous, for the sanitizer builds on a loaded machine;
// a run that never ends still fails.
inline constexpr int kRunWaitMs = 60'000;

class MainWindowFixture : public testing::Test {
protected:
  QTemporaryDir dir;
  std::unique_ptr<TfrmDorix> w;
  QStringList messages;

  // Every compared file must come out of the window as it went in: same bytes, same time.
  struct Written {
    QString path;
    QByteArray bytes;
    QDateTime time;
  };
  std::vector<Written> written;

  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("config"));
  }

  void TearDown() override {
    w.reset();
    for (const Written &f : written) {
      QFile file(f.path);
      ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << f.path.toStdString();
      EXPECT_EQ(file.readAll(), f.bytes) << f.path.toStdString();
      EXPECT_EQ(QFileInfo(f.path).lastModified(), f.time) << f.path.toStdString();
    }
  }

  QString Write(const QString &name, const QByteArray &bytes) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    std::erase_if(written, [&](const Written &f) { return f.path == file.fileName(); });
    written.push_back({file.fileName(), bytes, QFileInfo(file.fileName()).lastModified()});
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
    ASSERT_TRUE(QTest::qWaitFor([this] { return w->Status() != csNotRun; }, kRunWaitMs));
    Settle();
  }

  // Waits until nothing runs and no command waits: a large pair is compared and laid out on
  // threads of their own.
  void Settle() {
    ASSERT_TRUE(QTest::qWaitFor([this] { return w->Idle(); }, kRunWaitMs));
  }

  // Text of more than a megabyte, which the window compares and lays out on threads of their own.
  static QByteArray Filler() {
    QByteArray text;
    for (int i = 0; i < 40'000; ++i)
      text += "line " + QByteArray::number(i) + " of the text both files share\r\n";
    return text;
  }

  // Holds a thread's work where a hook calls it, until commands given to the window's thread
  // have run there (or the work is told to stop). Only the first call holds; later ones pass.
  struct THold {
    std::shared_ptr<std::atomic<bool>> armed = std::make_shared<std::atomic<bool>>(true);
    std::shared_ptr<std::atomic<bool>> ran = std::make_shared<std::atomic<bool>>(false);

    void operator()(QObject *window, std::function<void()> commands,
                    const std::stop_token &stop) const {
      if (!armed->exchange(false))
        return;
      QMetaObject::invokeMethod(
          window,
          [commands, ran = ran] {
            commands();
            *ran = true;
          },
          Qt::QueuedConnection);
      while (!*ran && !stop.stop_requested())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  };

  // Runs commands on the window's thread while the next comparison is held in a phase.
  THold DuringPhase(TComparisonPhase phase, std::function<void()> commands) {
    const THold hold;
    w->OnWorkPhase = [this, hold, phase, commands](TComparisonPhase p,
                                                   const std::stop_token &stop) {
      if (p == phase)
        hold(w.get(), commands, stop);
    };
    return hold;
  }

  // Runs commands on the window's thread while the viewer's next background build is held.
  THold DuringLineBuild(std::function<void()> commands) {
    const THold hold;
    w->mm->OnBuildStart = [this, hold, commands](const std::stop_token &stop) {
      hold(w.get(), commands, stop);
    };
    return hold;
  }

  QString Panel(int i) const { return w->StatusBar1->Text(i); }

  // The counters of the comparison shown; all zero when none is.
  TVPieceCounts Counts() const {
    return w->Comparison() ? w->Comparison()->Counts() : TVPieceCounts{};
  }

  // dorix-diff run on the window's files with these options before them, as a script would.
  struct TCommandRun {
    int Status = -1;
    QByteArray Out;
  };
  TCommandRun RunCommand(QStringList options) const {
    QProcess process;
    options << w->ActualPFN() << w->ObsoletePFN();
    process.start(QStringLiteral(DORIX_DIFF_PATH), options);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput()};
  }

  QString StoredValue(const char *name) {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
    return store.value(name).toString();
  }
};
