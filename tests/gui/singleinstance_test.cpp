// The real program started twice: the second copy ends with exit code 0
// about two seconds later without reaching its windows; a copy started after
// the first was killed with SIGKILL starts normally; a planted lock file
// ends a copy at once with an error, not as a running copy.

#include "guitestenv.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <csignal>

#include <unistd.h>

namespace {

QString SettingsFilePath() { return guitest::Home() + QStringLiteral("/Documents/Orvandel/Varnesk/vrk.txt"); }

// The program, on the offscreen platform, in the test's home folder.
std::unique_ptr<QProcess> Launch(QProcess::ProcessChannelMode Channels = QProcess::ForwardedErrorChannel) {
  auto process = std::make_unique<QProcess>();
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  process->setProcessEnvironment(environment);
  process->setProcessChannelMode(Channels);
  process->start(QStringLiteral(VARNESK_EXE), QStringList());
  return process;
}

// The settings file is rewritten by every copy that gets as far as its
// settings window.
bool WaitForSettingsWrite(const QDateTime& After, int TimeoutMs) {
  return guitest::WaitFor([&] { return QFileInfo(SettingsFilePath()).lastModified() > After; }, TimeoutMs);
}

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void secondCopyBowsOut() {
    auto first = Launch();
    QVERIFY(first->waitForStarted());
    QVERIFY(WaitForSettingsWrite(QDateTime::fromSecsSinceEpoch(0), 30000));
    const QDateTime written = QFileInfo(SettingsFilePath()).lastModified();

    QElapsedTimer clock;
    clock.start();
    auto second = Launch();
    QVERIFY(second->waitForFinished(15000));
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QVERIFY2(elapsed >= 1900 && elapsed < 6000, qPrintable(QString::number(elapsed)));
    QCOMPARE(QFileInfo(SettingsFilePath()).lastModified(), written);
    QCOMPARE(first->state(), QProcess::Running);

    ::kill(static_cast<pid_t>(first->processId()), SIGKILL);
    QVERIFY(first->waitForFinished(10000));
    QTest::qWait(1100);  // file times may have one-second resolution

    auto third = Launch();
    QVERIFY(WaitForSettingsWrite(written, 30000));
    QCOMPARE(third->state(), QProcess::Running);
    third->terminate();
    QVERIFY(third->waitForFinished(15000));
  }

  void plantedLockLinkEndsAtOnceWithAnError() {
    const QString folder = guitest::Home() + QStringLiteral("/.local/state/Varnesk");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    const QString lock = folder + QStringLiteral("/Varnesk-%1.lock").arg(::geteuid());
    const QString target = guitest::Home() + QStringLiteral("/planted");
    QFile::remove(lock);  // left by the copies before
    QVERIFY(QFile::link(target, lock));

    QElapsedTimer clock;
    clock.start();
    auto copy = Launch(QProcess::SeparateChannels);
    QVERIFY(copy->waitForFinished(15000));
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
    QCOMPARE(copy->exitCode(), 1);
    QVERIFY2(elapsed < 1500, qPrintable(QString::number(elapsed)));  // no wait for a running copy, no beep
    const QString said = QString::fromLocal8Bit(copy->readAllStandardError());
    QVERIFY2(said.contains(QStringLiteral("Varnesk cannot use its lock file ") + lock +
                           QStringLiteral(": it is a symbolic link.")),
             qPrintable(said));
    QVERIFY(!QFileInfo::exists(target));
    QVERIFY(QFile::remove(lock));
  }
};

VARNESK_GUI_TEST_MAIN(SingleInstanceTest)
#include "singleinstance_test.moc"
