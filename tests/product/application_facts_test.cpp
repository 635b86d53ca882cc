// SPDX-License-Identifier: MIT
#include "product/application_facts.h"

#include <QTest>

class ApplicationFactsTest : public QObject {
    Q_OBJECT

private slots:
    void versionText_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("text");
        QTest::newRow("this build") << 1 << 0 << 85 << "1.00; build: 85";
        QTest::newRow("one-digit minor and revision") << 2 << 5 << 7 << "2.05; build: 07";
        QTest::newRow("three-digit revision") << 1 << 0 << 123 << "1.00; build: 123";
        QTest::newRow("two-digit major is never padded") << 10 << 0 << 85 << "10.00; build: 85";
        QTest::newRow("two-digit minor") << 1 << 12 << 123 << "1.12; build: 123";
    }

    void versionText() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, text);
        QCOMPARE(product::VersionText(major, minor, revision), text);
    }

    void versionComesFromTheProject() {
        QCOMPARE(product::VersionText(), QStringLiteral("1.00; build: 85"));
        QCOMPARE(product::MainWindowCaption(),
                 QStringLiteral("Varnel Interactive Calculator 1.00; build: 85"));
    }
};

QTEST_GUILESS_MAIN(ApplicationFactsTest)
#include "application_facts_test.moc"
