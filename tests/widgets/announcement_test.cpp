// SPDX-License-Identifier: MIT
// Words told to screen readers go through one notification of the window's, shown with them.
#include "announcement.h"

#include <QAccessible>
#include <QTest>
#include <QWidget>

class AnnouncementTest : public QObject {
    Q_OBJECT

private slots:
    void eachAnnouncementIsShownAsANotification_data() {
        QTest::addColumn<QStringList>("announcements");
        QTest::newRow("one") << QStringList{"Figures reset"};
        QTest::newRow("two") << QStringList{"All figures copied", "Copied $3.10"};
        QTest::newRow("the same twice") << QStringList{"Figures reset", "Figures reset"};
    }

    void eachAnnouncementIsShownAsANotification() {
        QFETCH(QStringList, announcements);
        QWidget window;
        window.resize(200, 100);
        window.show();
        for (const QString& words : announcements) {
            widgets::Announce(window, words);
            const auto notices = window.findChildren<QWidget*>(QStringLiteral("announcement"));
            QCOMPARE(notices.size(), 1);
            QWidget* notice = notices.front();
            QVERIFY(notice->isVisible());
            QVERIFY(notice->testAttribute(Qt::WA_TransparentForMouseEvents));
            QCOMPARE(notice->focusPolicy(), Qt::NoFocus);
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(notice);
            QCOMPARE(spoken->role(), QAccessible::Notification);
            QCOMPARE(spoken->text(QAccessible::Name), words);
        }
    }
};

QTEST_MAIN(AnnouncementTest)
#include "announcement_test.moc"
