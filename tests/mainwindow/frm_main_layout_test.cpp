// SPDX-License-Identifier: MIT
// The main window as designed: places, fonts, colours, tabs, focus order and what screen
// readers are told.
#include "tests/mainwindow/frm_main_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QRadioButton>
#include <QTabBar>
#include <set>

class FrmMainLayoutTest : public MainWindowFixture {
    Q_OBJECT

private slots:
    void theWindow() {
        QCOMPARE(window->objectName(), QStringLiteral("frmMain"));
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("Varnel Interactive Calculator 1.00; build: 85"));
        QCOMPARE(window->size(), QSize(656, 510));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        // A picture for each size a window's icon is shown at, none scaled up from another.
        QCOMPARE(window->windowIcon().availableSizes(),
                 (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
        QCOMPARE(window->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(window->palette().color(QPalette::WindowText), QColor(64, 64, 64));
    }

    void placesAsDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<bool>("sizesToText");
        const struct {
            const char* name;
            const char* container;
            QRect place;
            bool sizesToText;
        } rows[] = {
            {"picHeader", "frmMain", {0, 0, 656, 121}, false},
            {"ucTabMain", "frmMain", {8, 128, 641, 353}, false},
            {"lblWebLink", "frmMain", {248, 488, 161, 17}, false},
            {"lblCopyRight", "frmMain", {8, 488, 641, 17}, false},
            {"Label6", "ucTabMain", {152, 56, 115, 16}, false},
            {"Label5", "ucTabMain", {312, 56, 121, 16}, false},
            {"Label9", "ucTabMain", {511, 56, 0, 0}, true},
            {"Label13", "ucTabMain", {16, 88, 0, 0}, true},
            {"Label7", "ucTabMain", {16, 104, 0, 0}, true},
            {"Label15", "ucTabMain", {16, 180, 0, 0}, true},
            {"Label11", "ucTabMain", {16, 216, 0, 0}, true},
            {"Label2", "ucTabMain", {16, 256, 0, 0}, true},
            {"fmContainer1", "ucTabMain", {128, 72, 161, 225}, false},
            {"fmContainer2", "ucTabMain", {296, 72, 161, 225}, false},
            {"fraEarnings", "ucTabMain", {464, 72, 163, 225}, false},
            {"cmdReset", "ucTabMain", {16, 304, 80, 23}, false},
            {"cmdAbout", "ucTabMain", {466, 304, 80, 23}, false},
            {"cmdQuit", "ucTabMain", {547, 304, 80, 23}, false},
            {"updImpressions", "fmContainer1", {24, 16, 17, 27}, false},
            {"txtPresentImpressions", "fmContainer1", {40, 16, 95, 27}, false},
            {"updClicks", "fmContainer1", {24, 104, 17, 27}, false},
            {"txtPresentClicks", "fmContainer1", {40, 104, 95, 27}, false},
            {"updCTR", "fmContainer1", {24, 144, 17, 27}, false},
            {"txtPresentCTR", "fmContainer1", {40, 144, 37, 27}, false},
            {"Label10", "fmContainer1", {80, 144, 0, 0}, true},
            {"updDec", "fmContainer1", {88, 144, 17, 27}, false},
            {"txtDec", "fmContainer1", {104, 144, 30, 27}, false},
            {"updECPM", "fmContainer1", {24, 184, 17, 27}, false},
            {"txtECPM", "fmContainer1", {40, 184, 95, 27}, false},
            {"lblActualImpressions", "fmContainer2", {16, 16, 0, 0}, true},
            {"lblProjectedClicks", "fmContainer2", {16, 104, 0, 0}, true},
            {"lblProjectedCTR", "fmContainer2", {16, 144, 0, 0}, true},
            {"lblECPM", "fmContainer2", {16, 184, 0, 0}, true},
            {"Lable8", "fraEarnings", {7, 13, 0, 0}, true},
            {"lblDailyEarnings", "fraEarnings", {13, 31, 0, 0}, true},
            {"Label1", "fraEarnings", {7, 56, 0, 0}, true},
            {"lblWeeklyEarnings", "fraEarnings", {13, 73, 0, 0}, true},
            {"Label3", "fraEarnings", {7, 99, 0, 0}, true},
            {"lblMonthlyEarnings", "fraEarnings", {13, 115, 0, 0}, true},
            {"Label8", "fraEarnings", {7, 140, 0, 0}, true},
            {"lblYearlyEarnings", "fraEarnings", {13, 156, 0, 0}, true},
            {"Label4", "fraEarnings", {7, 179, 0, 0}, true},
            {"lblEPC", "fraEarnings", {13, 197, 0, 0}, true},
            {"ucHelpDisplay", "ucTabMain", {16, 40, 609, 305}, false},
            {"ucVarnelGold", "ucTabMain", {16, 32, 609, 113}, false},
            {"ucVarnelVideos", "ucTabMain", {16, 152, 193, 193}, false},
            {"ucSEOZorvik", "ucTabMain", {224, 152, 193, 193}, false},
            {"ucMarlo", "ucTabMain", {432, 152, 193, 193}, false},
        };
        for (const auto& row : rows)
            QTest::newRow(row.name) << row.name << row.container << row.place << row.sizesToText;
    }

    // Places are relative to the container, which for a tab's controls is the whole tab
    // control, its strip included.
    void placesAsDesigned() {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, place);
        QFETCH(bool, sizesToText);
        QWidget& widget = find(qPrintable(name));
        QWidget* parent =
            container == QLatin1String("frmMain") ? window.get() : &find(qPrintable(container));
        QCOMPARE(widget.mapTo(parent, QPoint(0, 0)), place.topLeft());
        if (sizesToText)
            QCOMPARE(widget.size(), widget.sizeHint());
        else
            QCOMPARE(widget.size(), place.size());
    }

    void stepOptions() {
        const QRect places[] = {
            {16, 120, 43, 20}, {16, 144, 42, 20}, {64, 122, 47, 15}, {64, 144, 48, 20}};
        const QString captions[] = {"100", "250", "500", "1000"};
        const auto options = window->findChildren<QRadioButton*>(QStringLiteral("optIncrement"));
        QCOMPARE(options.size(), 4);
        for (QRadioButton* option : options) {
            const int index = option->property("index").toInt();
            QCOMPARE(QRect(option->mapTo(&tabs(), QPoint(0, 0)), option->size()), places[index]);
            QCOMPARE(option->text(), captions[index]);
            QCOMPARE(option->isChecked(), index == 0);
        }
    }

    void fonts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underlined");
        QTest::newRow("window") << "frmMain"
                                << "Verdana" << 8.25 << false << false;
        QTest::newRow("box") << "txtPresentImpressions"
                             << "Verdana" << 9.75 << true << false;
        QTest::newRow("heading") << "Label6"
                                 << "Verdana" << 9.75 << true << false;
        QTest::newRow("step label") << "Label7"
                                    << "Verdana" << 8.25 << false << false;
        QTest::newRow("decimal point") << "Label10"
                                       << "Arial" << 15.75 << true << false;
        QTest::newRow("figure") << "lblEPC"
                                << "Verdana" << 9.75 << true << false;
        QTest::newRow("button") << "cmdQuit"
                                << "Verdana" << 9.75 << true << false;
        QTest::newRow("link") << "lblWebLink"
                              << "Verdana" << 8.25 << false << true;
        QTest::newRow("copyright") << "lblCopyRight"
                                   << "Verdana" << 8.25 << false << false;
    }

    void fonts() {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QFETCH(bool, underlined);
        const QFont font =
            name == QLatin1String("frmMain") ? window->font() : find(qPrintable(name)).font();
        QCOMPARE(font.family(), family);
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(font.underline(), underlined);
    }

    // The copyright line leaves the stretch under the site's name blank and writes its text on
    // both sides of it: ink where each part belongs and nowhere else.
    void whatTheCopyrightLineDraws_data() {
        QTest::addColumn<QString>("part");
        QTest::addColumn<bool>("inked");
        QTest::newRow("text before the link") << "before" << true;
        QTest::newRow("nothing under the link") << "under" << false;
        QTest::newRow("text after the link") << "after" << true;
    }

    void whatTheCopyrightLineDraws() {
        QFETCH(QString, part);
        QFETCH(bool, inked);
        QWidget& line = find("lblCopyRight");
        const auto& link = find<QLabel>("lblWebLink");
        const int siteLeft = link.x() - line.x();
        const int siteRight = siteLeft + link.fontMetrics().horizontalAdvance(link.text()) - 1;
        const auto [left, right] = part == QLatin1String("before") ? std::pair(0, siteLeft - 1)
                                   : part == QLatin1String("under")
                                       ? std::pair(siteLeft, siteRight)
                                       : std::pair(siteRight + 1, line.width() - 1);
        const QImage drawn = line.grab().toImage();
        const int ratio = qRound(line.devicePixelRatioF());
        bool ink = false;
        for (int x = left * ratio; x <= right * ratio && !ink; ++x) {
            for (int y = 0; y < drawn.height() && !ink; ++y)
                ink = qGray(drawn.pixel(x, y)) < 128;
        }
        QCOMPARE(ink, inked);
    }

    void textColours_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("heading") << "Label6" << QColor(0, 0, 0);
        QTest::newRow("actual figure") << "lblProjectedCTR" << QColor(192, 0, 0);
        QTest::newRow("earnings figure") << "lblMonthlyEarnings" << QColor(0, 128, 0);
        QTest::newRow("earnings caption")
            << "Label3" << QApplication::palette().color(QPalette::WindowText);
        QTest::newRow("link") << "lblWebLink" << QColor(19, 56, 142);
        QTest::newRow("copyright") << "lblCopyRight" << QColor(0, 0, 0);
    }

    void textColours() {
        QFETCH(QString, name);
        QFETCH(QColor, colour);
        QCOMPARE(find(qPrintable(name)).palette().color(QPalette::WindowText), colour);
    }

    void startTexts() {
        const QStringList boxes = {"txtPresentImpressions", "txtPresentClicks", "txtPresentCTR",
                                   "txtDec", "txtECPM"};
        const QStringList starts = {"100", "0", "0", "0", "0"};
        for (int i = 0; i < boxes.size(); ++i)
            QCOMPARE(box(qPrintable(boxes[i])).text(), starts[i]);
        QCOMPARE(text("lblActualImpressions"), QStringLiteral("100"));
        QCOMPARE(text("lblProjectedClicks"), QStringLiteral("0"));
        QCOMPARE(text("lblProjectedCTR"), QStringLiteral("0.0%"));
        for (const char* dollars : {"lblECPM", "lblDailyEarnings", "lblWeeklyEarnings",
                                    "lblMonthlyEarnings", "lblYearlyEarnings", "lblEPC"})
            QCOMPARE(text(dollars), QStringLiteral("$0.00"));
        QCOMPARE(focused(), &box("txtPresentImpressions"));
        QCOMPARE(box("txtPresentImpressions").selectedText(), QStringLiteral("100"));
    }

    void tabsShowOnlyTheirOwnControls_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("visiblePanes");
        QTest::addColumn<bool>("calculatorVisible");
        QTest::newRow("calculator") << 0 << QStringList{} << true;
        QTest::newRow("help") << 1 << QStringList{"ucHelpDisplay"} << false;
        QTest::newRow("recommended tools")
            << 2 << QStringList{"ucVarnelGold", "ucVarnelVideos", "ucSEOZorvik", "ucMarlo"}
            << false;
    }

    void tabsShowOnlyTheirOwnControls() {
        QFETCH(int, tab);
        QFETCH(QStringList, visiblePanes);
        QFETCH(bool, calculatorVisible);
        tabs().setCurrentIndex(tab);
        for (const char* pane :
             {"ucHelpDisplay", "ucVarnelGold", "ucVarnelVideos", "ucSEOZorvik", "ucMarlo"})
            QCOMPARE(find(pane).isVisible(), visiblePanes.contains(QString::fromLatin1(pane)));
        QCOMPARE(box("txtECPM").isVisible(), calculatorVisible);
        QCOMPARE(find("cmdQuit").isVisible(), calculatorVisible);
    }

    void tabCaptions() {
        QCOMPARE(tabs().currentIndex(), 0);
        QCOMPARE(tabs().count(), 3);
        QCOMPARE(tabs().tabText(0), QStringLiteral("&Varnel Calculator"));
        QCOMPARE(tabs().tabText(1), QStringLiteral("Quick &Help"));
        QCOMPARE(tabs().tabText(2), QStringLiteral("&Recommended Tools"));
    }

    // The selected tab stands 25 pixels high, the others 22: their top three rows are empty.
    void theSelectedTabStandsTaller() {
        QTabBar& strip = *tabs().tabBar();
        const QImage image = strip.grab().toImage();
        const QColor border(145, 156, 155);
        const int selectedX = strip.tabRect(0).center().x();
        const int otherX = strip.tabRect(1).center().x();
        QCOMPARE(image.pixelColor(selectedX, 0), border);
        QVERIFY(image.pixelColor(otherX, 2) != border);
        QCOMPARE(image.pixelColor(otherX, 3), border);
        QCOMPARE(strip.height(), 25);
    }

    void rowHeadingsNameTheirBoxes_data() {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("spokenName");
        QTest::newRow("impressions") << "Label13"
                                     << "txtPresentImpressions"
                                     << "Impressions:";
        QTest::newRow("clicks") << "Label15"
                                << "txtPresentClicks"
                                << "Clicks:";
        QTest::newRow("CTR") << "Label11"
                             << "txtPresentCTR"
                             << "CTR (%):";
        QTest::newRow("eCPM") << "Label2"
                              << "txtECPM"
                              << "eCPM ($):";
        QTest::newRow("tenths") << ""
                                << "txtDec"
                                << "CTR tenths:";
    }

    void rowHeadingsNameTheirBoxes() {
        QFETCH(QString, heading);
        QFETCH(QString, boxName);
        QFETCH(QString, spokenName);
        QLineEdit& edit = box(qPrintable(boxName));
        if (!heading.isEmpty())
            QCOMPARE(find<QLabel>(qPrintable(heading)).buddy(), &edit);
        QCOMPARE(QAccessible::queryAccessibleInterface(&edit)->text(QAccessible::Name), spokenName);
    }

    void figuresAreDescribed_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("1") << "lblActualImpressions"
                           << "Actual impressions";
        QTest::newRow("2") << "lblProjectedClicks"
                           << "Actual clicks";
        QTest::newRow("3") << "lblProjectedCTR"
                           << "Actual CTR";
        QTest::newRow("4") << "lblECPM"
                           << "Actual eCPM";
        QTest::newRow("5") << "lblDailyEarnings"
                           << "Daily earnings";
        QTest::newRow("6") << "lblWeeklyEarnings"
                           << "Weekly earnings";
        QTest::newRow("7") << "lblMonthlyEarnings"
                           << "Monthly earnings";
        QTest::newRow("8") << "lblYearlyEarnings"
                           << "Yearly earnings";
        QTest::newRow("9") << "lblEPC"
                           << "Average EPC";
    }

    // A screen reader reads a label's name instead of its caption: the figure must stay
    // in what it reads, with the description telling what the figure is.
    void figuresAreDescribed() {
        QFETCH(QString, name);
        QFETCH(QString, description);
        QLabel& label = find<QLabel>(qPrintable(name));
        QCOMPARE(label.accessibleDescription(), description);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&label);
        QVERIFY(accessible->text(QAccessible::Name).endsWith(u' ' + label.text()));
        QCOMPARE(accessible->text(QAccessible::Description), description);
    }

    void buttonCaptionsAndAltKeysAreUnique() {
        QStringList captions;
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (!button->text().isEmpty())
                captions << button->text();
        }
        for (int tab = 0; tab < tabs().count(); ++tab)
            captions << tabs().tabText(tab);
        QCOMPARE(captions.size(), 10);
        std::set<QString> plain;
        std::set<QChar> keys;
        for (const QString& caption : captions) {
            QVERIFY2(plain.insert(QString(caption).remove(QLatin1Char('&'))).second,
                     qPrintable(caption));
            if (const auto amp = caption.indexOf(QLatin1Char('&')); amp >= 0)
                QVERIFY2(keys.insert(caption.at(amp + 1).toLower()).second, qPrintable(caption));
        }
    }

    // The keyboard alone reaches every control in the designed order: the five boxes, the
    // chosen step, the three buttons and the web link, then round again.
    void tabWalksTheDesignedOrder() {
        const QStringList order = {
            "txtPresentClicks", "txtPresentCTR", "txtDec",  "txtECPM",    "optIncrement",
            "cmdReset",         "cmdAbout",      "cmdQuit", "lblWebLink", "txtPresentImpressions"};
        for (const QString& expected : order) {
            QTest::keyClick(focused(), Qt::Key_Tab);
            QCOMPARE(focused()->objectName(), expected);
        }
        QVERIFY(messages->messages.empty());
    }
};

QTEST_MAIN(FrmMainLayoutTest)
#include "frm_main_layout_test.moc"
