// SPDX-License-Identifier: MIT
// --help and --version: which arguments ask for them, and the real program answering them on
// stdout without a display.
#include "app/command_line.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void answer_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("startsWith"); // empty: no answer, the window starts
        QTest::newRow("none") << QStringList{} << QString();
        QTest::newRow("--version") << QStringList{"--version"} << "VarnelCalc 1.00; build: 85\n";
        QTest::newRow("-v") << QStringList{"-v"} << "VarnelCalc 1.00; build: 85\n";
        QTest::newRow("--help") << QStringList{"--help"} << "Usage: VarnelCalc";
        QTest::newRow("-h") << QStringList{"-h"} << "Usage: VarnelCalc";
        QTest::newRow("after an ignored one") << QStringList{"file.txt", "--help"} << "Usage:";
        QTest::newRow("the first of two") << QStringList{"--version", "--help"} << "VarnelCalc 1";
        QTest::newRow("other options ignored") << QStringList{"--versions", "-help", "-V"} << "";
        QTest::newRow("Qt's own options ignored") << QStringList{"-platform", "xcb"} << "";
    }

    void answer() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, startsWith);
        const std::optional<QString> answer = app::CommandLineAnswer(arguments);
        QCOMPARE(answer.has_value(), !startsWith.isEmpty());
        if (answer) {
            QVERIFY2(answer->startsWith(startsWith), qPrintable(*answer));
            QVERIFY(answer->endsWith('\n'));
        }
    }

    void programAnswersWithoutDisplay_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("stdoutFull"); // the answer cannot be written: exit code 1
        QTest::newRow("--version") << "--version" << false;
        QTest::newRow("--help") << "--help" << false;
        QTest::newRow("--version, stdout full") << "--version" << true;
    }

    void programAnswersWithoutDisplay() {
        QFETCH(QString, argument);
        QFETCH(bool, stdoutFull);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("TMPDIR"), temporary_.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        if (stdoutFull)
            program.setStandardOutputFile(QStringLiteral("/dev/full"));
        program.start(QStringLiteral(VARNELCALC_PATH), {argument});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), stdoutFull ? 1 : 0);
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), QString());
        if (!stdoutFull)
            QCOMPARE(QString::fromLocal8Bit(program.readAllStandardOutput()),
                     *app::CommandLineAnswer({argument}));
    }

private:
    QTemporaryDir temporary_;
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
