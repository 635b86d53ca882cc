// SPDX-License-Identifier: MIT
#include "single_instance.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// Each test starts the real program with a runtime folder of its own, so that neither a
// calculator the developer has open nor another test gets in the way.
class Program {
public:
    explicit Program(const QString& runtimeFolder) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process_.setProcessEnvironment(environment);
    }
    ~Program() {
        process_.kill();
        process_.waitForFinished();
    }

    QProcess& start() {
        process_.start(QStringLiteral(VARNELCALC_PATH), {});
        return process_;
    }

private:
    QProcess process_;
};

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

    QString lockFile(const QTemporaryDir& folder) const {
        return folder.filePath(QStringLiteral("VarnelCalc.lock"));
    }

private slots:
    void aSecondHolderIsRefusedUntilTheFirstLetsGo() {
        QTemporaryDir folder;
        auto first = std::make_unique<mAPI::SingleInstance>(lockFile(folder));
        mAPI::SingleInstance second(lockFile(folder));
        QVERIFY(first->acquire());
        QVERIFY(!second.acquire());
        first.reset();
        QVERIFY(second.acquire());
    }

    void aSecondStartEndsAtOnceAndLeavesTheFirstRunning() {
        QTemporaryDir runtime;
        Program first(runtime.path());
        QProcess& running = first.start();
        QVERIFY(running.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockFile(runtime)), 10000);

        Program second(runtime.path());
        QProcess& refused = second.start();
        QVERIFY(refused.waitForFinished(10000));
        QCOMPARE(refused.exitStatus(), QProcess::NormalExit);
        QCOMPARE(refused.exitCode(), 0);
        QCOMPARE(running.state(), QProcess::Running);
    }

    void aKilledInstanceDoesNotBlockTheNextStart() {
        QTemporaryDir runtime;
        auto killed = std::make_unique<Program>(runtime.path());
        QVERIFY(killed->start().waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockFile(runtime)), 10000);
        killed.reset(); // SIGKILL: the lock file stays behind
        QVERIFY(QFile::exists(lockFile(runtime)));

        Program next(runtime.path());
        QProcess& started = next.start();
        QVERIFY(started.waitForStarted());
        QVERIFY(!started.waitForFinished(2000));
        QCOMPARE(started.state(), QProcess::Running);
    }

    void withoutADisplayItSaysSoAndFails() {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VARNELCALC_PATH), {});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(program.readAllStandardError().contains("DISPLAY nor WAYLAND_DISPLAY is set"));
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
