// SPDX-License-Identifier: MIT
// The real program under a screen reader's accessibility bridge, each key held for a second and
// a half as a person holds it, the display repeating it: one press is one act and one piece of
// news. What is heard is what the bridge sends on the accessibility bus; a link opened is a
// line from a stand-in for the desktop's opener.
#include "x_client.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class HeldKeysTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") || !display_.ok() ||
            QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("needs an X display, a session bus and xdotool");
        // The session bus starts the accessibility bus when asked for it (at-spi2-core).
        QString address;
        QTRY_VERIFY_WITH_TIMEOUT(!(address = accessibilityBus()).isEmpty(), 5000);
        auto bus = QDBusConnection::connectToBus(address, QStringLiteral("a11y"));
        QVERIFY(bus.isConnected());
        // A listener makes the bridge hand every key to the readers first, as under Orca.
        QDBusInterface registry(QStringLiteral("org.a11y.atspi.Registry"),
                                QStringLiteral("/org/a11y/atspi/registry"),
                                QStringLiteral("org.a11y.atspi.Registry"), bus);
        for (const char* event : {"object:property-change:accessible-name", "window:activate"})
            QVERIFY(registry
                        .call(QStringLiteral("RegisterEvent"), QString::fromLatin1(event),
                              QStringList(), QString())
                        .type() == QDBusMessage::ReplyMessage);
        bus.connect({}, {}, QStringLiteral("org.a11y.atspi.Event.Object"),
                    QStringLiteral("PropertyChange"), this, SLOT(nameChanged(QDBusMessage)));
        bus.connect({}, {}, QStringLiteral("org.a11y.atspi.Event.Window"),
                    QStringLiteral("Activate"), this, SLOT(activated(QDBusMessage)));

        QFile opener(home_.filePath(QStringLiteral("xdg-open")));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write("#!/bin/sh\necho \"$1\" >> \"$(dirname \"$0\")/opened\"\n");
        opener.close();
        opener.setPermissions(opener.permissions() | QFileDevice::ExeOwner);
        QVERIFY(QDir(home_.path()).mkdir(QStringLiteral("tmp")));
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        environment.insert(QStringLiteral("TMPDIR"), home_.filePath(QStringLiteral("tmp")));
        environment.insert(QStringLiteral("PATH"), home_.path() + QLatin1Char(':') +
                                                       environment.value(QStringLiteral("PATH")));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        program_.setProcessEnvironment(environment);
    }

    // Each press from a fresh start, in the Impressions box.
    void init() {
        heard_.clear();
        program_.start(QStringLiteral(VARNELCALC_PATH), QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(display_.windowOf(program_.processId()) != XCB_WINDOW_NONE, 10000);
        // No window manager gives it the focus here.
        xdotool({QStringLiteral("windowfocus"),
                 QString::number(display_.windowOf(program_.processId()))});
        QTRY_VERIFY_WITH_TIMEOUT(!heard_.filter(QStringLiteral("Varnel Interactive")).isEmpty(),
                                 10000);
        QTest::qWait(1000);
    }

    void cleanup() {
        program_.terminate();
        program_.waitForFinished();
    }

    void oneActPerPress_data() {
        QTest::addColumn<QString>("toReach");
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("act"); // the start of what is heard, or "opened"
        QTest::addColumn<int>("heard");   // times, for one act
        QTest::newRow("Ctrl+Shift+C") << ""
                                      << "F1"
                                      << "Earnings" << 2; // the text and the name
        QTest::newRow("F1 in a box") << ""
                                     << "ctrl+shift+c"
                                     << "All figures copied" << 1;
        QTest::newRow("Return on the web link") << "shift+Tab"
                                                << "Return"
                                                << "opened" << 1;
        QTest::newRow("Space on About...") << "shift+Tab shift+Tab shift+Tab"
                                           << "space"
                                           << "About" << 1;
        QTest::newRow("Return on Reset") << "shift+Tab shift+Tab shift+Tab shift+Tab"
                                         << "Return"
                                         << "Figures reset" << 1;
        QTest::newRow("Space on Reset") << "shift+Tab shift+Tab shift+Tab shift+Tab"
                                        << "space"
                                        << "Figures reset" << 1;
        QTest::newRow("Return on a product link") << "alt+r Tab"
                                                  << "Return"
                                                  << "opened" << 1;
    }

    void oneActPerPress() {
        QFETCH(QString, toReach);
        QFETCH(QString, held);
        QFETCH(QString, act);
        QFETCH(int, heard);
        if (!toReach.isEmpty())
            xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"),
                                QStringLiteral("100")} +
                    toReach.split(QLatin1Char(' ')));
        QTest::qWait(1000);
        heard_.clear();
        QFile::remove(home_.filePath(QStringLiteral("opened")));
        xdotool({QStringLiteral("keydown"), held});
        QTest::qWait(1500);
        xdotool({QStringLiteral("keyup"), held});
        QTest::qWait(1500);
        if (act == QLatin1String("opened")) {
            QFile opened(home_.filePath(QStringLiteral("opened")));
            QVERIFY(opened.open(QIODevice::ReadOnly));
            QCOMPARE(opened.readAll().count('\n'), heard);
        } else {
            QCOMPARE(heard_.filter(QRegularExpression(u'^' + act)).size(), heard);
        }
    }

public slots:
    void nameChanged(const QDBusMessage& change) {
        if (change.arguments().value(0).toString() != QLatin1String("accessible-name"))
            return;
        // The bridge sends the object, not its new name.
        QDBusMessage ask = QDBusMessage::createMethodCall(
            change.service(), change.path(), QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        ask << QStringLiteral("org.a11y.atspi.Accessible") << QStringLiteral("Name");
        const QDBusReply<QDBusVariant> name =
            QDBusConnection(QStringLiteral("a11y")).call(ask, QDBus::Block, 2000);
        if (name.isValid())
            heard_ << name.value().variant().toString();
    }

    void activated(const QDBusMessage& activation) {
        heard_ << activation.arguments().value(3).value<QDBusVariant>().variant().toString();
    }

private:
    static QString accessibilityBus() {
        const QDBusReply<QString> address =
            QDBusInterface(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                           QStringLiteral("org.a11y.Bus"))
                .call(QStringLiteral("GetAddress"));
        return address.isValid() ? address.value() : QString();
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
