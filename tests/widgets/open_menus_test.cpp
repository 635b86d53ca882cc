// SPDX-License-Identifier: MIT
// Readers find the open menus among the application's windows, and only those.
#include "widgets/open_menus.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QTest>

class OpenMenusTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { widgets::ExposeOpenMenus(); }

    void onlyOpenMenusAreChildren_data() {
        QTest::addColumn<bool>("hiddenAgain");
        QTest::newRow("open") << false;
        QTest::newRow("hidden, not deleted") << true;
    }

    void onlyOpenMenusAreChildren() {
        QFETCH(bool, hiddenAgain);
        QWidget window;
        window.show();
        QMenu menu(&window);
        menu.addAction(QStringLiteral("Copy"));
        menu.popup({});
        if (hiddenAgain)
            menu.hide();
        QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
        QObjectList children;
        for (int i = 0; i < application->childCount(); ++i)
            children << application->child(i)->object();
        QCOMPARE(children, hiddenAgain ? QObjectList({&window}) : QObjectList({&window, &menu}));
    }
};

QTEST_MAIN(OpenMenusTest)
#include "open_menus_test.moc"
