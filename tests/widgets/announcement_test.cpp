// SPDX-License-Identifier: MIT
// Words told to screen readers go through one notification of the window's, shown with them.
#include "widgets/announcement.h"

#include <QAccessible>
#include <QTest>
#include <QWidget>

// Readers speak a notification when it is shown: each showing is news.
struct ShowCounter : QObject {
    bool eventFilter(QObject* watched, QEvent* event) override {
        shows += event->type() == QEvent::Show && watched->objectName() == "announcement";
        return false;
    }
    int shows = 0;
};

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
        ShowCounter counter;
        qApp->installEventFilter(&counter);
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
        QCOMPARE(counter.shows, announcements.size());
    }
};

QTEST_MAIN(AnnouncementTest)
#include "announcement_test.moc"
