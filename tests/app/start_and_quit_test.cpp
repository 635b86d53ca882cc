// SPDX-License-Identifier: MIT
// The real program started and closed the way a user does, on a real X display: it must
// say nothing on the console and end with success. Under the sanitizer build a leak left
// at shutdown shows on the console too, and fails the test.
#include "tests/support/x_client.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <unistd.h>

class StartAndQuitTest : public QObject {
    Q_OBJECT

private slots:
    // Where the session is set up badly, the program says so in one line of its own. The
    // session's end, the system's and Ctrl+C in a terminal end it as the close box does.
    void closingTheWindowEndsQuietly_data() {
        QTest::addColumn<bool>("inSession");
        QTest::addColumn<bool>("openRuntimeFolder");
        QTest::addColumn<int>("signal"); // 0: the close box
        QTest::addColumn<bool>("nohup"); // the signal is ignored from the start: the close box
        QTest::newRow("in a desktop session") << true << false << 0 << false;
        QTest::newRow("outside a session") << false << false << 0 << false;
        QTest::newRow("runtime folder open to others") << true << true << 0 << false;
        QTest::newRow("SIGTERM: shutdown") << true << false << SIGTERM << false;
        QTest::newRow("SIGHUP: logout") << true << false << SIGHUP << false;
        QTest::newRow("SIGINT: Ctrl+C") << true << false << SIGINT << false;
        QTest::newRow("SIGHUP under nohup: terminal closed") << true << false << SIGHUP << true;
    }

    void closingTheWindowEndsQuietly() {
        QFETCH(bool, inSession);
        QFETCH(bool, openRuntimeFolder);
        QFETCH(int, signal);
        QFETCH(bool, nohup);
        if (!display_.ok())
            QSKIP("needs an X display (the test suite runs under xvfb-run)");

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // A temporary folder of the test's own holds the program's lock, so that a calculator
        // the user has open does not keep this one from starting.
        environment.insert(QStringLiteral("TMPDIR"), temporary_.path());
        if (inSession) {
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), temporary_.path());
            QFile::setPermissions(temporary_.path(),
                                  openRuntimeFolder
                                      ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadOther | QFile::ExeOther
                                      : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        } else {
            environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        }
        QProcess program;
        program.setProcessEnvironment(environment);
        const QString path = QStringLiteral(VARNELCALC_PATH);
        program.start(nohup ? QStringLiteral("nohup") : path,
                      nohup ? QStringList{path} : QStringList());
        QVERIFY(program.waitForStarted());

        xcb_window_t window = XCB_WINDOW_NONE;
        QTRY_VERIFY_WITH_TIMEOUT((window = display_.windowOf(
                                      static_cast<pid_t>(program.processId()))) != XCB_WINDOW_NONE,
                                 20000);
        if (signal != 0)
            QCOMPARE(kill(pid_t(program.processId()), signal), 0);
        if (nohup)
            QVERIFY(!program.waitForFinished(1000));
        if (signal == 0 || nohup)
            display_.requestClose(window);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()),
                 openRuntimeFolder
                     ? QStringLiteral("VarnelCalc does not use the runtime folder %1 "
                                      "(XDG_RUNTIME_DIR): others may use it (mode 0705 instead "
                                      "of 0700).\n")
                           .arg(temporary_.path())
                     : QString());
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardOutput()), QString());
        // The lock and the request file are gone, their folder stays.
        QCOMPARE(QDir(temporary_.filePath(QStringLiteral("VarnelCalc-%1").arg(getuid())))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
    }

private:
    XClient display_;
    QTemporaryDir temporary_;
};

QTEST_GUILESS_MAIN(StartAndQuitTest)
#include "start_and_quit_test.moc"
