// SPDX-License-Identifier: MIT
// The running program names its desktop entry, and its windows carry the class the entry
// expects, so that taskbars show them with the entry's name and icon.
#include "app/desktop_identity.h"
#include "tests/support/x_client.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class DesktopIdentityTest : public QObject {
    Q_OBJECT

    QString entryPath() const {
        return QStringLiteral(PACKAGING_DIR "/") + QGuiApplication::desktopFileName() +
               QStringLiteral(".desktop");
    }

private slots:
    void initTestCase() { app::SetDesktopIdentity(); }

    void theEntryMatchesWhatTheProgramSays_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("window class") << "StartupWMClass" << QGuiApplication::applicationName();
        QTest::newRow("icon, named after the entry")
            << "Icon" << QGuiApplication::desktopFileName();
        QTest::newRow("program") << "Exec"
                                 << "VarnelCalc";
    }

    void theEntryMatchesWhatTheProgramSays() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QVERIFY2(QFile::exists(entryPath()), qPrintable(entryPath()));
        QSettings entry(entryPath(), QSettings::IniFormat);
        QCOMPARE(entry.value(QStringLiteral("Desktop Entry/") + key).toString(), value);
    }

    void theWindowsCarryTheClass_data() {
        QTest::addColumn<QString>("programName");
        QTest::newRow("as built") << "VarnelCalc";
        QTest::newRow("a renamed copy") << "VarnelCalc-1.0.85";
    }

    void theWindowsCarryTheClass() {
        QFETCH(QString, programName);
        XClient display;
        if (!display.ok())
            QSKIP("needs an X display (the test suite runs under xvfb-run)");
        QTemporaryDir folder;
        const QString program = folder.filePath(programName);
        QVERIFY(QFile::copy(QStringLiteral(VARNELCALC_PATH), program));

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // Runtime and temporary folders of its own: another copy running for this user, and
        // its lock, do not stop it.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
        environment.insert(QStringLiteral("TMPDIR"), folder.path());
        QProcess running;
        running.setProcessEnvironment(environment);
        running.start(program, {});
        QVERIFY(running.waitForStarted());
        xcb_window_t window = XCB_WINDOW_NONE;
        QTRY_VERIFY_WITH_TIMEOUT(
            (window = display.windowOf(static_cast<pid_t>(running.processId()))) != XCB_WINDOW_NONE,
            20000);
        const std::string windowClass = display.windowClass(window);
        display.requestClose(window);
        QVERIFY(running.waitForFinished(20000));
        QCOMPARE(QString::fromStdString(windowClass), QString::fromLatin1(app::kWindowClass));
    }
};

QTEST_MAIN(DesktopIdentityTest)
#include "desktop_identity_test.moc"
