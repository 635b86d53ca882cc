// SPDX-License-Identifier: MIT
// The real program under a screen reader's accessibility bridge, each key held for a second and
// a half as a person holds it, the display repeating it: one press is one act and one piece of
// news. What is heard is what the bridge sends on the accessibility bus; a link opened is a
// line from a stand-in for the desktop's opener.
#include "tests/support/x_client.h"

#include <QTest>
#include <QtDBus>

class HeldKeysTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") || !display_.ok() ||
            QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("needs an X display, a session bus and xdotool");
        // The session bus starts the accessibility bus when asked for it (at-spi2-core).
        QDBusReply<QString> address;
        QTRY_VERIFY_WITH_TIMEOUT(
            (address = a11y("org.a11y.Bus", QDBusConnection::sessionBus()).call("GetAddress"))
                .isValid(),
            5000);
        auto bus = QDBusConnection::connectToBus(address.value(), QStringLiteral("a11y"));
        // A listener makes the bridge hand every key to the readers first, as under Orca.
        for (const char* event : {"object:property-change:accessible-name", "window:activate"})
            QVERIFY(a11y("org.a11y.atspi.Registry", bus)
                        .call("RegisterEvent", QString::fromLatin1(event), QStringList(), QString())
                        .type() == QDBusMessage::ReplyMessage);
        for (const char* kind : {"Object", "Window"})
            bus.connect({}, {}, QStringLiteral("org.a11y.atspi.Event.") + QLatin1String(kind), {},
                        this, SLOT(heard(QDBusMessage)));

        QFile opener(home_.filePath(QStringLiteral("xdg-open")));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write("#!/bin/sh\necho \"opened $1\" >> \"$(dirname \"$0\")/opened\"\n");
        opener.setPermissions(opener.permissions() | QFileDevice::ExeOwner);
        QVERIFY(QDir(home_.path()).mkdir(QStringLiteral("tmp")));
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        environment.insert(QStringLiteral("TMPDIR"), home_.filePath(QStringLiteral("tmp")));
        environment.insert(QStringLiteral("PATH"), home_.path() + u':' + qgetenv("PATH"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        program_.setProcessEnvironment(environment);
    }

    void cleanup() {
        program_.terminate();
        program_.waitForFinished();
    }

    // From the Impressions box at a fresh start: the keys tapped, the last one held, or pressed
    // twice in one burst ("twice:"); the times one act is heard, by the start of what is heard.
    void oneActPerPress_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("times");
        QTest::addColumn<QString>("act");
        const QString reset = QStringLiteral("shift+Tab shift+Tab shift+Tab shift+Tab ");
        QTest::newRow("F1 in a box") << "F1" << 2 << "Earnings"; // the text and the name
        QTest::newRow("Ctrl+Shift+C") << "ctrl+shift+c" << 1 << "All figures copied";
        QTest::newRow("Return on the web link") << "shift+Tab Return" << 1 << "opened";
        QTest::newRow("Space on About...") << "shift+Tab shift+Tab shift+Tab space" << 1 << "About";
        QTest::newRow("Return on Reset") << reset + "Return" << 1 << "Figures reset";
        QTest::newRow("Space on Reset") << reset + "space" << 1 << "Figures reset";
        QTest::newRow("Return on a product link") << "alt+r Tab Return" << 1 << "opened";
        QTest::newRow("Space twice at once on Reset") << reset + "twice:space" << 2 << "Figures";
        QTest::newRow("Ctrl+Shift+C twice at once") << "twice:ctrl+shift+c" << 2 << "All figures";
    }

    void oneActPerPress() {
        QFETCH(QString, keys);
        QFETCH(int, times);
        QFETCH(QString, act);
        heard_.clear();
        program_.start(QStringLiteral(VARNELCALC_PATH), QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(display_.windowOf(program_.processId()) != XCB_WINDOW_NONE, 10000);
        // No window manager gives it the focus here.
        xdotool({"windowfocus", QString::number(display_.windowOf(program_.processId()))});
        QTRY_VERIFY_WITH_TIMEOUT(!heard_.filter(QStringLiteral("Varnel Interactive")).isEmpty(),
                                 10000);
        QTest::qWait(1000);
        QStringList tapped = keys.split(u' ');
        const QString held = tapped.takeLast();
        if (!tapped.isEmpty())
            xdotool(QStringList{"key", "--delay", "100"} + tapped);
        QTest::qWait(1000);
        heard_.clear();
        if (held.startsWith(QLatin1String("twice:"))) {
            const QString key = held.mid(6);
            xdotool({"key", "--delay", "0", key, key});
        } else {
            xdotool({"keydown", held});
            QTest::qWait(1500);
            xdotool({"keyup", held});
        }
        QTest::qWait(1500);
        QFile opened(home_.filePath(QStringLiteral("opened")));
        if (opened.open(QIODevice::ReadOnly))
            heard_ += QString::fromUtf8(opened.readAll()).split(u'\n');
        opened.remove();
        QCOMPARE(heard_.filter(QRegularExpression(u'^' + act)).size(), times);
    }

    // Without a reader the display marks the repeats itself, and a dialog's default button
    // takes even marked ones: the About window that a held Return opened stays open.
    void aWindowOpenedByAHeldKeyIgnoresIt() {
        auto environment = program_.processEnvironment();
        environment.remove(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"));
        program_.setProcessEnvironment(environment);
        program_.start(QStringLiteral(VARNELCALC_PATH), QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(display_.windowOf(program_.processId()) != XCB_WINDOW_NONE, 10000);
        xdotool({"windowfocus", QString::number(display_.windowOf(program_.processId()))});
        QTest::qWait(1000);
        xdotool({"key", "--delay", "100", "shift+Tab", "shift+Tab", "shift+Tab"});
        xdotool({"keydown", "Return"});
        QTest::qWait(1500);
        xdotool({"keyup", "Return"});
        QTest::qWait(1000);
        QProcess search;
        search.start(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--name", "^About"});
        QVERIFY(search.waitForFinished());
        QCOMPARE(search.readAllStandardOutput().count('\n'), 1);
    }

public slots:
    // A window's activation names it; a change of name sends the object, not its new name.
    void heard(const QDBusMessage& news) {
        if (news.member() == QLatin1String("Activate"))
            heard_ << news.arguments().value(3).value<QDBusVariant>().variant().toString();
        else if (news.member() == QLatin1String("PropertyChange"))
            heard_ << QDBusReply<QDBusVariant>(
                          QDBusInterface(news.service(), news.path(),
                                         QStringLiteral("org.freedesktop.DBus.Properties"),
                                         QDBusConnection(QStringLiteral("a11y")))
                              .call("Get", QStringLiteral("org.a11y.atspi.Accessible"),
                                    QStringLiteral("Name")))
                          .value()
                          .variant()
                          .toString();
    }

private:
    // The accessibility bus's service of that name: its path and interface are named alike.
    static QDBusInterface a11y(const char* service, const QDBusConnection& bus) {
        const QString name = QString::fromLatin1(service);
        return QDBusInterface(name, u'/' + QString(name).replace(u'.', u'/').toLower(), name, bus);
    }

    static void xdotool(const QStringList& arguments) {
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), arguments), 0);
    }

    XClient display_;
    QTemporaryDir home_;
    QProcess program_;
    QStringList heard_;
};

QTEST_GUILESS_MAIN(HeldKeysTest)
#include "held_keys_test.moc"
