// SPDX-License-Identifier: MIT
// A second start's request to show the window, through the file beside the lock.
#include "app/show_requests.h"
#include "app/single_instance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <chrono>
#include <future>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace std::chrono_literals;

class ShowRequestsTest : public QObject {
    Q_OBJECT

private slots:
    // The running instance answers from its event loop, the asking one waits: two threads.
    // One request brings the window back once: minimised again, it stays so. A tidier of the
    // temporary folder may take what the instance keeps there, or put a new file in its place: the
    // instance makes it all again and still hears a second start.
    void aRequestBringsTheMinimisedWindowBack_data() {
        QTest::addColumn<QString>("taken");
        QStringList taken{"nothing", "the request file",
                          "the request file, a new one in its place"};
#ifndef Q_OS_WIN
        // Windows removes no file that a process holds open: there the lock stays.
        taken << "the lock"
              << "their folder";
#endif
        for (const QString& each : taken)
            QTest::newRow(qPrintable(each)) << each;
    }

    void aRequestBringsTheMinimisedWindowBack() {
        QFETCH(QString, taken);
        QTemporaryDir temporary;
        const QString folder = temporary.filePath(QStringLiteral("VarnelCalc-user"));
        QVERIFY(QDir().mkdir(folder));
        const QString lock = folder + QStringLiteral("/VarnelCalc.lock");
        app::SingleInstance instance(lock);
        QCOMPARE(instance.acquire(), app::SingleInstance::Start::Alone);
        const QString path = instance.callName();
        // Off the screen, so that a window system's late restore cannot undo the next minimise.
        QWidget window;
        window.setAttribute(Qt::WA_DontShowOnScreen);
        window.showMinimized();
        {
            app::ShowRequests requests(instance, window);
            QVERIFY(requests.isListening());
            if (taken.startsWith(QStringLiteral("the request file")))
                QVERIFY(QFile::remove(path));
            if (taken.endsWith(QStringLiteral("in its place")))
                QVERIFY(QFile(path).open(QIODevice::WriteOnly));
            if (taken == "the lock")
                QVERIFY(QFile::remove(lock));
            if (taken == "their folder")
                QVERIFY(QDir(folder).removeRecursively());
            QTRY_VERIFY(QFileInfo::exists(lock) && QFileInfo::exists(path));
            QCOMPARE(app::SingleInstance(lock).acquire(),
                     app::SingleInstance::Start::AlreadyRunning);
            auto asked =
                std::async(std::launch::async, [&] { return app::ShowRequests::Ask(path); });
            QTRY_VERIFY(asked.wait_for(0s) == std::future_status::ready);
            QVERIFY(asked.get());
            QVERIFY(!window.isMinimized());
            // Emptying the file is a change too, which must not bring the window back again.
            window.showMinimized();
            QTest::qWait(300);
            QVERIFY(window.isMinimized());
        }
        QVERIFY(!QFileInfo::exists(path));
    }

    // Whatever is at the request's place when nobody answers: the ask fails within its second
    // and never waits on it; a listener starting there makes its own file.
    void whatIsFoundAtTheRequestsPlace_data() {
        QTest::addColumn<QString>("found");
        for (const char* found : {"nothing", "a folder", "a file nobody empties", "a named pipe"})
            QTest::newRow(found) << found;
    }

    void whatIsFoundAtTheRequestsPlace() {
        QFETCH(QString, found);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("VarnelCalc.show"));
        if (found == "a folder")
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("VarnelCalc.show")));
        else if (found == "a file nobody empties")
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        else if (found == "a named pipe") {
#ifdef Q_OS_UNIX
            QCOMPARE(mkfifo(qPrintable(path), 0600), 0);
#else
            QSKIP("no named pipes in the file system here");
#endif
        }
        QElapsedTimer asking;
        asking.start();
        QVERIFY(!app::ShowRequests::Ask(path));
        // Far beyond the second it waits, so that only a hang fails on a busy machine.
        QVERIFY(asking.elapsed() < 10000);

        QWidget window;
        app::SingleInstance instance(folder.filePath(QStringLiteral("VarnelCalc.lock")));
        QCOMPARE(instance.acquire(), app::SingleInstance::Start::Alone);
        app::ShowRequests requests(instance, window);
        QCOMPARE(requests.isListening(), found != "a folder");
    }
};

QTEST_MAIN(ShowRequestsTest)
#include "show_requests_test.moc"
