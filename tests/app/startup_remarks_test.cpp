// SPDX-License-Identifier: MIT
#include "app/startup_remarks.h"

#include <QTest>

namespace {

// The line about a runtime folder that the program leaves alone, for the reason given.
QString Unused(const char* folder, const char* reason) {
    return QStringLiteral("VarnelCalc does not use the runtime folder %1 (XDG_RUNTIME_DIR): %2.")
        .arg(QLatin1String(folder), QLatin1String(reason));
}

const QString kQtsOwn = QStringLiteral("(Qt's own message)");

} // namespace

class StartupRemarksTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("DISPLAY", ":57"); }

    // Qt's remarks as Qt 6.4 makes them, and what the user reads instead: one line in the
    // program's words, nothing, or Qt's own message where the program has nothing to add.
    void qtRemarksInTheProgramsWords_data() {
        QTest::addColumn<QByteArray>("category");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("line");
        const auto row = [](const char* name, const char* category, const char* message,
                            const QString& line) {
            QTest::newRow(name) << QByteArray(category) << QString::fromLatin1(message) << line;
        };
        row("no runtime folder named", "default",
            "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-ann'", "");
        row("runtime folder open to others", "default",
            "QStandardPaths: wrong permissions on runtime directory /run/user/7, 0755 instead "
            "of 0700",
            Unused("/run/user/7", "others may use it (mode 0755 instead of 0700)"));
        row("runtime folder a file", "default",
            "QStandardPaths: runtime directory '/etc/passwd' is not a directory, but a regular "
            "file permissions 0644 owned by UID 0 GID 0",
            Unused("/etc/passwd", "it is not a folder"));
        row("runtime folder of someone else", "default",
            "QStandardPaths: runtime directory '/run/user/7' is not owned by UID 8, but a "
            "directory permissions 0700 owned by UID 7 GID 7",
            Unused("/run/user/7", "it belongs to another user"));
        row("runtime folder not made", "default",
            "QStandardPaths: error creating runtime directory '/run/user/7' (Permission denied)",
            Unused("/run/user/7", "it cannot be made (Permission denied)"));
        row("no Wayland support", "qt.qpa.plugin",
            "Could not find the Qt platform plugin \"wayland\" in \"\"",
            "VarnelCalc shows its window through the X display \":57\": Qt's Wayland support "
            "(qt6-wayland) is not installed.");
        row("another plugin missing", "qt.qpa.plugin",
            "Could not find the Qt platform plugin \"eglfs\" in \"\"", kQtsOwn);
        row("anything else", "default",
            "QWidget::setTabOrder: 'first' and 'second' must be in the same window", kQtsOwn);
    }

    void qtRemarksInTheProgramsWords() {
        QFETCH(QByteArray, category);
        QFETCH(QString, message);
        QFETCH(QString, line);
        QCOMPARE(
            app::StartupRemarks::InProgramWords(category.constData(), message).value_or(kQtsOwn),
            line);
    }
};

QTEST_GUILESS_MAIN(StartupRemarksTest)
#include "startup_remarks_test.moc"
