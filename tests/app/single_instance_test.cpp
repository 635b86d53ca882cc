// SPDX-License-Identifier: MIT
#include "app/single_instance.h"
#include "tests/support/x_client.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(app::SingleInstance::Start)

namespace {

using Start = app::SingleInstance::Start;

// The user's lock folder inside a temporary folder.
QString UserFolder(const QString& temporaryFolder) {
    return temporaryFolder + QStringLiteral("/VarnelCalc-%1").arg(getuid());
}

// Each test starts the real program with a temporary folder of its own, so that neither a
// calculator the developer has open nor another test gets in the way.
class Program {
public:
    explicit Program(const QString& temporaryFolder,
                     const QString& platform = QStringLiteral("offscreen"),
                     const QString& startupId = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), temporaryFolder);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        if (!startupId.isEmpty())
            environment.insert(QStringLiteral("DESKTOP_STARTUP_ID"), startupId);
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

// What a launcher hears of the starts it made with startup notification: messages sent to
// the root window in pieces of 20 bytes, the last one of each ending in a zero byte.
class StartupMessages {
public:
    StartupMessages() : connection_(xcb_connect(nullptr, nullptr)) {
        const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(
            connection_, xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root,
            XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~StartupMessages() { xcb_disconnect(connection_); }

    // Every message heard so far, one a line.
    QByteArray heard() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            const auto* piece = reinterpret_cast<const xcb_client_message_event_t*>(event);
            const auto* bytes = reinterpret_cast<const char*>(piece->data.data8);
            const std::size_t length = strnlen(bytes, 20);
            if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE)
                heard_.append(bytes, qsizetype(length)).append(length < 20 ? "\n" : "");
            free(event);
        }
        return heard_;
    }

private:
    xcb_connection_t* connection_;
    QByteArray heard_;
};

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

    // Held for all the tests: the display resets as its last client goes, and refuses the
    // next one for a moment.
    XClient display;

    QString lockFile(const QTemporaryDir& folder) const {
        return folder.filePath(QStringLiteral("VarnelCalc.lock"));
    }
    QString userLockFile(const QTemporaryDir& temporary) const {
        return UserFolder(temporary.path()) + QStringLiteral("/VarnelCalc.lock");
    }

private slots:
    void aSecondHolderIsRefusedUntilTheFirstLetsGo() {
        QTemporaryDir folder;
        auto first = std::make_unique<app::SingleInstance>(lockFile(folder));
        app::SingleInstance second(lockFile(folder));
        QCOMPARE(first->acquire(), Start::Alone);
        QCOMPARE(second.acquire(), Start::AlreadyRunning);
        first.reset();
        QCOMPARE(second.acquire(), Start::Alone);
    }

    // Whatever is at the lock's place, only a live instance's lock keeps a start out.
    void whatIsFoundAtTheLocksPlace_data() {
        QTest::addColumn<QString>("found");
        QTest::addColumn<Start>("start");
        for (const char* found :
             {"empty file", "garbage", "unreadable file", "empty folder", "dangling link",
              "link to a file", "dead owner", "another program's process", "named pipe",
              "huge file without line breaks"})
            QTest::newRow(found) << found << Start::Alone;
        QTest::newRow("folder with files") << "folder with files" << Start::Unguarded;
    }

    void whatIsFoundAtTheLocksPlace() {
        QFETCH(QString, found);
        QFETCH(Start, start);
        QTemporaryDir folder;
        const QString path = lockFile(folder);
        const QString elsewhere = folder.filePath(QStringLiteral("elsewhere"));
        const auto write = [](const QString& file, const QByteArray& content) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(content);
        };
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        if (found == "empty file")
            write(path, {});
        else if (found == "garbage")
            write(path, "\x01\x02 not a lock\n");
        else if (found == "unreadable file") {
            write(path, "1\n");
            QFile::setPermissions(path, {});
        } else if (found == "empty folder")
            QVERIFY(QDir().mkdir(path));
        else if (found == "folder with files") {
            QVERIFY(QDir().mkdir(path));
            write(path + QStringLiteral("/file"), "x");
        } else if (found == "dangling link")
            QVERIFY(QFile::link(elsewhere, path));
        else if (found == "link to a file") {
            write(elsewhere, "keep me");
            QVERIFY(QFile::link(elsewhere, path));
        } else if (found == "dead owner")
            write(path, "2147483000\nVarnelCalc\n" + host + "\n");
        else if (found == "another program's process")
            write(path, "1\nVarnelCalc\n" + host + "\n");
        else if (found == "named pipe") // opened for reading, it waits for a writer
            QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else if (found == "huge file without line breaks") { // sparse: it takes no room
            QFile huge(path);
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.resize(qint64(16) << 30));
        }

        app::SingleInstance instance(path);
        QCOMPARE(instance.acquire(), start);
        if (start == Start::Unguarded)
            QVERIFY(instance.problem().contains(path));
        else
            QVERIFY(!QFileInfo(path).isSymLink());
        if (found == "link to a file") {
            QFile target(elsewhere);
            QVERIFY(target.open(QIODevice::ReadOnly));
            QCOMPARE(target.readAll(), QByteArray("keep me"));
        }
        QCOMPARE(QFile::exists(elsewhere), found == "link to a file");
    }

    // The default lock lives in a folder of the user's own, made private if it was not.
    void theUsersOwnLockFolder_data() {
        QTest::addColumn<QString>("found");
        QTest::addColumn<int>("mode"); // of the folder found
        QTest::addColumn<Start>("start");
        QTest::newRow("nothing yet") << "nothing" << 0 << Start::Alone;
        QTest::newRow("open to others") << "open folder" << 0777 << Start::Alone;
        QTest::newRow("others may look in") << "open folder" << 0705 << Start::Alone;
        QTest::newRow("a link in its place") << "link" << 0 << Start::Unguarded;
        QTest::newRow("no temporary folder") << "no temporary folder" << 0 << Start::Unguarded;
    }

    void theUsersOwnLockFolder() {
        QFETCH(QString, found);
        QFETCH(int, mode);
        QFETCH(Start, start);
        QTemporaryDir temporary;
        const QString folder = UserFolder(temporary.path());
        if (found == "open folder") {
            QVERIFY(QDir().mkdir(folder));
            QVERIFY(chmod(QFile::encodeName(folder).constData(), mode_t(mode)) == 0);
        } else if (found == "link") {
            QVERIFY(QFile::link(temporary.path(), folder));
        }
        const QByteArray previous = qgetenv("TMPDIR");
        qputenv("TMPDIR", found == "no temporary folder"
                              ? QFile::encodeName(temporary.filePath(QStringLiteral("gone")))
                              : QFile::encodeName(temporary.path()));
        app::SingleInstance instance;
        const Start result = instance.acquire();
        qputenv("TMPDIR", previous);
        QCOMPARE(result, start);
        if (start == Start::Alone) {
            QVERIFY(QFile::exists(folder + QStringLiteral("/VarnelCalc.lock")));
            QCOMPARE(QFileInfo(folder).permissions() & 0x0077, QFileDevice::Permissions());
        } else {
            QVERIFY(!instance.problem().isEmpty());
        }
    }

    // A running instance that does not answer, stopped here, is not taken for one that did.
    void aSecondStartEndsAtOnceAndLeavesTheFirstRunning_data() {
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<QByteArray>("said"); // on stderr, and then it ends with 1
        QTest::newRow("the first answers") << false << QByteArray();
        QTest::newRow("the first stopped") << true
                                           << QByteArray("VarnelCalc is open already, but its "
                                                         "window could not be brought forward.\n");
    }

    void aSecondStartEndsAtOnceAndLeavesTheFirstRunning() {
        QFETCH(bool, stopped);
        QFETCH(QByteArray, said);
        QTemporaryDir runtime;
        Program first(runtime.path());
        QProcess& running = first.start();
        QVERIFY(running.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(
            QFile::exists(UserFolder(runtime.path()) + QStringLiteral("/VarnelCalc.show")), 10000);
        if (stopped)
            QCOMPARE(kill(pid_t(running.processId()), SIGSTOP), 0);

        Program second(runtime.path());
        QProcess& refused = second.start();
        QVERIFY(refused.waitForFinished(10000));
        QCOMPARE(refused.exitStatus(), QProcess::NormalExit);
        QCOMPARE(refused.exitCode(), said.isEmpty() ? 0 : 1);
        QCOMPARE(refused.readAllStandardError(), said);
        QCOMPARE(running.state(), QProcess::Running);
    }

    // On a real X display, the test in the place of the window manager that gave the focus to
    // another program and minimised the window: the second start ends quietly, and the first
    // window is back on the screen with the keyboard focus. In the place of the launcher too,
    // which shows each start busy until it says it has started.
    void aSecondStartShowsTheFirstWindow_data() {
        QTest::addColumn<QString>("id"); // the second start's
        QTest::addColumn<QByteArray>("heard");
        QTest::newRow("quoted") << "second start_TIME2"
                                << QByteArray("remove: ID=\"second start_TIME2\"\n");
        QTest::newRow("its end a piece of its own")
            << "nine_TIME" << QByteArray("remove: ID=nine_TIME\n");
    }

    void aSecondStartShowsTheFirstWindow() {
        QFETCH(QString, id);
        QFETCH(QByteArray, heard);
        if (!display.ok())
            QSKIP("needs an X display (the test suite runs under xvfb-run)");
        StartupMessages launcher;
        QTemporaryDir runtime;
        Program first(runtime.path(), QStringLiteral("xcb"), QStringLiteral("first_TIME1"));
        QProcess& running = first.start();
        QVERIFY(running.waitForStarted());
        xcb_window_t window = XCB_WINDOW_NONE;
        QTRY_VERIFY_WITH_TIMEOUT(
            (window = display.windowOf(static_cast<pid_t>(running.processId()))) != XCB_WINDOW_NONE,
            20000);
        QTRY_VERIFY(launcher.heard().contains("remove: ID=first_TIME1\n"));
        display.takeFocus();
        display.minimise(window);
        QTRY_VERIFY(!display.isViewable(window));
        QVERIFY(display.focusedWindow() != window);

        Program second(runtime.path(), QStringLiteral("xcb"), id);
        QProcess& call = second.start();
        QVERIFY(call.waitForFinished(10000));
        QCOMPARE(call.exitStatus(), QProcess::NormalExit);
        QCOMPARE(call.exitCode(), 0);
        QCOMPARE(call.readAllStandardError(), QByteArray());
        QTRY_VERIFY(display.isViewable(window));
        QTRY_COMPARE(display.focusedWindow(), window);
        QTRY_VERIFY(launcher.heard().contains(heard));
        QCOMPARE(running.state(), QProcess::Running);
        QCOMPARE(running.readAllStandardError(), QByteArray());
    }

    // What a tidier of the temporary folder does to the lock folder while the program runs:
    // taken or moved away, it is back soon and a later start reaches the running instance; a
    // link put in its place is never followed, and the instance says so once and runs on.
    void whatATidierDoesToTheFolder_data() {
        QTest::addColumn<QString>("tidier");
        QTest::newRow("takes it every 10 ms for 2 s") << "remove";
        QTest::newRow("moves it away") << "move";
        QTest::newRow("puts a link in its place") << "link";
    }

    void whatATidierDoesToTheFolder() {
        QFETCH(QString, tidier);
        QTemporaryDir runtime;
        const QString folder = UserFolder(runtime.path());
        const QString elsewhere = runtime.filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkdir(elsewhere));
        Program first(runtime.path());
        QProcess& running = first.start();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder + QStringLiteral("/VarnelCalc.show")), 10000);
        for (int i = 0; tidier == "remove" && i < 200; ++i, QThread::msleep(10))
            QDir(folder).removeRecursively();
        if (tidier == "move")
            QVERIFY(QDir().rename(folder, runtime.filePath(QStringLiteral("archived"))));
        if (tidier == "link") { // held still: it makes the folder again before a link gets in
            QCOMPARE(kill(pid_t(running.processId()), SIGSTOP), 0);
            QVERIFY(QDir(folder).removeRecursively() && QFile::link(elsewhere, folder));
            QCOMPARE(kill(pid_t(running.processId()), SIGCONT), 0);
            QTest::qWait(3000); // beyond the instance's next look at its folder
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(userLockFile(runtime)) &&
                                         QFile::exists(folder + QStringLiteral("/VarnelCalc.show")),
                                     10000);
            Program second(runtime.path());
            QProcess& reached = second.start();
            QVERIFY(reached.waitForFinished(10000));
            QCOMPARE(reached.exitCode(), 0);
        }
        QCOMPARE(QDir(elsewhere).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        QCOMPARE(kill(pid_t(running.processId()), SIGTERM), 0);
        QVERIFY(running.waitForFinished(10000));
        // Nothing but the one line, where a link stands in the folder's place.
        const QString said = QString::fromLocal8Bit(running.readAllStandardError());
        QCOMPARE(said.count(QStringLiteral("VarnelCalc runs on, but cannot keep its one-instance "
                                           "lock: %1 is not a folder of this user's own.\n")
                                .arg(folder)),
                 tidier == "link" ? 1 : 0);
        QVERIFY(!said.contains(QStringLiteral("lock file")));
    }

    void aKilledInstanceDoesNotBlockTheNextStart() {
        QTemporaryDir runtime;
        auto killed = std::make_unique<Program>(runtime.path());
        QVERIFY(killed->start().waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(userLockFile(runtime)), 10000);
        killed.reset(); // SIGKILL: the lock file stays behind
        QVERIFY(QFile::exists(userLockFile(runtime)));

        Program next(runtime.path());
        QProcess& started = next.start();
        QVERIFY(started.waitForStarted());
        QVERIFY(!started.waitForFinished(2000));
        QCOMPARE(started.state(), QProcess::Running);
    }

    // Where no lock can be made, the program runs all the same and says why in one line.
    void withoutALockItStartsAndSaysWhy() {
        QTemporaryDir temporary;
        Program program(temporary.filePath(QStringLiteral("gone")));
        QProcess& started = program.start();
        QVERIFY(started.waitForStarted());
        QVERIFY(!started.waitForFinished(2000));
        const QStringList lines =
            QString::fromLocal8Bit(started.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines[0].startsWith("VarnelCalc starts without its one-instance check"));
    }

    void withoutADisplayItSaysSoAndFails_data() {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("message");
        QTest::newRow("none set") << ""
                                  << ""
                                  << ""
                                  << "VarnelCalc needs a graphical desktop to show its window, but "
                                     "neither DISPLAY nor WAYLAND_DISPLAY is set.";
        QTest::newRow("X display not there")
            << ":4242"
            << ""
            << ""
            << "VarnelCalc could not open the X display \":4242\" to show its window.";
        QTest::newRow("X chosen by name") << ":4242"
                                          << ""
                                          << "xcb"
                                          << "VarnelCalc could not open the X display \":4242\" "
                                             "to show its window.";
        QTest::newRow("a platform that is not there")
            << ":4242"
            << ""
            << "bogus"
            << "VarnelCalc could not start the display platform \"bogus\" named by "
               "QT_QPA_PLATFORM to show its window.";
        QTest::newRow("Wayland display not there")
            << ""
            << "wayland-4242"
            << ""
            << "VarnelCalc could not open the Wayland display \"wayland-4242\" to show its window.";
    }

    void withoutADisplayItSaysSoAndFails() {
        QFETCH(QString, display);
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, platform);
        QFETCH(QString, message);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const std::pair<const char*, QString> settings[] = {{"DISPLAY", display},
                                                            {"WAYLAND_DISPLAY", waylandDisplay},
                                                            {"QT_QPA_PLATFORM", platform}};
        for (const auto& [name, value] : settings) {
            environment.remove(QString::fromLatin1(name));
            if (!value.isEmpty())
                environment.insert(QString::fromLatin1(name), value);
        }
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VARNELCALC_PATH), {});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), message + u'\n');
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
