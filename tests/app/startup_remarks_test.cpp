// SPDX-License-Identifier: MIT
#include "startup_remarks.h"

#include <QTest>

class StartupRemarksTest : public QObject {
    Q_OBJECT

private slots:
    // Qt's remarks as Qt 6.4 makes them, and what the user reads instead: one line in the
    // program's words, nothing, or Qt's own message where the program has nothing to add.
    void qtRemarksInTheProgramsWords_data() {
        QTest::addColumn<QByteArray>("category");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<QString>("line");
        const auto row = [](const char* name, const char* category, const char* message,
                            bool replaced, const char* line) {
            QTest::newRow(name) << QByteArray(category) << QString::fromLatin1(message) << replaced
                                << QString::fromLatin1(line);
        };
        row("no runtime folder named", "default",
            "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-ann'", true, "");
        row("runtime folder open to others", "default",
            "QStandardPaths: wrong permissions on runtime directory /run/user/7, 0755 instead "
            "of 0700",
            true,
            "VarnelCalc does not use the runtime folder /run/user/7 (XDG_RUNTIME_DIR): others may "
            "use it (mode 0755 instead of 0700).");
        row("runtime folder a file", "default",
            "QStandardPaths: runtime directory '/etc/passwd' is not a directory, but a regular "
            "file permissions 0644 owned by UID 0 GID 0",
            true,
            "VarnelCalc does not use the runtime folder /etc/passwd (XDG_RUNTIME_DIR): it is not "
            "a folder.");
        row("runtime folder of someone else", "default",
            "QStandardPaths: runtime directory '/run/user/7' is not owned by UID 8, but a "
            "directory permissions 0700 owned by UID 7 GID 7",
            true,
            "VarnelCalc does not use the runtime folder /run/user/7 (XDG_RUNTIME_DIR): it belongs "
            "to another user.");
        row("runtime folder not made", "default",
            "QStandardPaths: error creating runtime directory '/run/user/7' (Permission denied)",
            true,
            "VarnelCalc does not use the runtime folder /run/user/7 (XDG_RUNTIME_DIR): it cannot "
            "be made (Permission denied).");
        row("no Wayland support", "qt.qpa.plugin",
            "Could not find the Qt platform plugin \"wayland\" in \"\"", true,
            "VarnelCalc shows its window through the X display \":57\": Qt's Wayland support "
            "(qt6-wayland) is not installed.");
        row("another plugin missing", "qt.qpa.plugin",
            "Could not find the Qt platform plugin \"eglfs\" in \"\"", false, "");
        row("anything else", "default",
            "QWidget::setTabOrder: 'first' and 'second' must be in "
            "the same window",
            false, "");
    }

    void qtRemarksInTheProgramsWords() {
        QFETCH(QByteArray, category);
        QFETCH(QString, message);
        QFETCH(bool, replaced);
        QFETCH(QString, line);
        const QByteArray display = qgetenv("DISPLAY");
        qputenv("DISPLAY", ":57");
        const std::optional<QString> said =
            app::StartupRemarks::InProgramWords(category.constData(), message);
        qputenv("DISPLAY", display);
        QCOMPARE(said.has_value(), replaced);
        if (replaced)
            QCOMPARE(*said, line);
    }
};

QTEST_GUILESS_MAIN(StartupRemarksTest)
#include "startup_remarks_test.moc"
