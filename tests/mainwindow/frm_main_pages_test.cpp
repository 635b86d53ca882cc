// SPDX-License-Identifier: MIT
// The main window's web panes: loaded from the program's own pages at start, and a product
// clicked on the third tab opens its address through the main window.
#include "tests/mainwindow/frm_main_fixture.h"
#include "tests/pages/test_support.h"

class FrmMainPagesTest : public MainWindowFixture {
    Q_OBJECT

    pages::WebPane& pane(const char* name) const { return find<pages::WebPane>(name); }

private slots:
    void everyPaneShowsItsOwnPage_data() {
        QTest::addColumn<QString>("pane");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("page");
        QTest::newRow("help") << "ucHelpDisplay" << 1 << "/help.html";
        QTest::newRow("gold") << "ucVarnelGold" << 2 << "/gold.html";
        QTest::newRow("videos") << "ucVarnelVideos" << 2 << "/vids.html";
        QTest::newRow("seo") << "ucSEOZorvik" << 2 << "/seo.html";
        QTest::newRow("marlo") << "ucMarlo" << 2 << "/marlo.html";
    }

    void everyPaneShowsItsOwnPage() {
        QFETCH(QString, pane);
        QFETCH(int, tab);
        QFETCH(QString, page);
        pages::WebPane& shown = find<pages::WebPane>(pane.toLatin1().constData());
        QCOMPARE(tabs().currentIndex(), 0);
        QTest::qWait(20);
        QVERIFY(!shown.hasPage()); // nothing is laid out behind the calculator tab

        tabs().setCurrentIndex(tab);
        QTRY_VERIFY(shown.hasPage());
        const QString address = shown.address();
        QVERIFY2(address.startsWith("res://") && address.endsWith(".exe" + page),
                 qPrintable(address));
    }

    void aProductClickOpensItsAddressOnBehalfOfTheMainWindow() {
        tabs().setCurrentIndex(2);
        pages::WebPane& gold = pane("ucVarnelGold");
        QTRY_VERIFY(gold.hasPage());
        const auto images = pages_test::Elements(gold, "img");
        QVERIFY(!images.empty());
        pages_test::ClickElement(gold, images.front());
        QCOMPARE(openedLinks.size(), 1u);
        QCOMPARE(openedLinks[0].address,
                 "http://www.varnelcalc.example/recommends/varnel-gold.html");
        QCOMPARE(openedLinks[0].ownerWindow, QString::number(window->winId()));
        QVERIFY(messages->messages.empty());
    }
};

QTEST_MAIN(FrmMainPagesTest)
#include "frm_main_pages_test.moc"
