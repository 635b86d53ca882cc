// SPDX-License-Identifier: MIT
// Copying the figures as a user does: right-click a figure and pick an item with the keys,
// or press Ctrl+Shift+C, then read the clipboard back.
#include "mainwindow/figure_copy.h"
#include "tests/mainwindow/frm_main_fixture.h"

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <algorithm>

namespace {

// Edits typed one after the other, each box clicked into and typed over.
using Edits = QList<QPair<QString, QString>>;

const Edits kWorkedExample = {
    {"txtPresentCTR", "2"}, {"txtDec", "5"}, {"txtPresentImpressions", "1000"}, {"txtECPM", "2"}};

// The separator is an item without text.
const QStringList kMenuItems = {"Copy", "Copy Number", "Copy All Figures", "", "Plan\u2026"};

} // namespace

class FigureCopyTest : public MainWindowFixture {
    Q_OBJECT

    // Digits are typed. Anything else is pasted over the box's text: a tab cannot be typed
    // (Tab moves on), and a typed character the box warns about stays selected, to be typed
    // over by the next one.
    void type(const Edits& edits) {
        for (const auto& [box, typed] : edits) {
            if (std::ranges::all_of(typed, [](QChar c) { return c.isDigit(); })) {
                typeInto(qPrintable(box), typed);
                continue;
            }
            typeInto(qPrintable(box), QString());
            QGuiApplication::clipboard()->setText(typed);
            QTest::keySequence(&this->box(qPrintable(box)), QKeySequence::Paste);
        }
    }

    // Right-clicks the figure and walks down the menu with the keys to the item.
    void copyFromMenu(const char* figure, const QString& item) {
        QGuiApplication::clipboard()->clear();
        QWidget& label = find(figure);
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, Qt::NoModifier,
                          label.mapTo(window.get(), QPoint(2, 2)));
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QStringList items;
        for (const QAction* action : menu->actions())
            items << action->text();
        QCOMPARE(items, kMenuItems);
        for (qsizetype down = 0; down <= kMenuItems.indexOf(item); ++down)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }

    static QString clipboardText() { return QGuiApplication::clipboard()->text(); }

    // The table the window should give: the boxes, then the nine figures as shown.
    static QString table(const QStringList& boxes, const QStringList& figures) {
        const QStringList boxNames = {"Impressions", "Clicks", "CTR", "CTR tenths", "eCPM"};
        const QStringList figureNames = {"Actual impressions", "Actual clicks",   "Actual CTR",
                                         "Actual eCPM",        "Daily earnings",  "Weekly earnings",
                                         "Monthly earnings",   "Yearly earnings", "Average EPC"};
        QString text = QStringLiteral("Figure\tShown\tNumber\n");
        for (int row = 0; row < boxNames.size(); ++row)
            text += boxNames[row] + '\t' + boxes[row] + '\t' + boxes[row] + '\n';
        for (int row = 0; row < figureNames.size(); ++row)
            text += figureNames[row] + '\t' + figures[row] + '\t' +
                    mainwindow::FigureCopy::PlainNumber(figures[row]) + '\n';
        return text;
    }

private slots:
    void plainNumber_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("number");
        QTest::newRow("grouped dollars") << "$1,095.00"
                                         << "1095.00";
        QTest::newRow("percent") << "2.00%"
                                 << "2.00";
        QTest::newRow("bare cents") << "$.15"
                                    << "0.15";
        QTest::newRow("negative bare cents") << "-$.50"
                                             << "-0.50";
        QTest::newRow("zero dollars") << "$0.00"
                                      << "0.00";
        QTest::newRow("zero percent") << "0.0%"
                                      << "0.0";
        QTest::newRow("clicks") << "25.0"
                                << "25.0";
        QTest::newRow("impressions") << "1000"
                                     << "1000";
        QTest::newRow("billions") << "$3,649,635,000.00"
                                  << "3649635000.00";
        QTest::newRow("over a hundred percent") << "300.00%"
                                                << "300.00";
    }

    void plainNumber() {
        QFETCH(QString, shown);
        QFETCH(QString, number);
        QCOMPARE(mainwindow::FigureCopy::PlainNumber(shown), number);
    }

    void menuItemsCopyTheFigure_data() {
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<QString>("figure");
        QTest::addColumn<QString>("shown");
        QTest::newRow("worked example, yearly") << kWorkedExample << "lblYearlyEarnings"
                                                << "$730.00";
        QTest::newRow("worked example, EPC") << kWorkedExample << "lblEPC"
                                             << "$.08";
        QTest::newRow("worked example, CTR") << kWorkedExample << "lblProjectedCTR"
                                             << "2.50%";
        QTest::newRow("worked example, clicks") << kWorkedExample << "lblProjectedClicks"
                                                << "25.0";
        QTest::newRow("start, daily") << Edits{} << "lblDailyEarnings"
                                      << "$0.00";
        QTest::newRow("start, CTR") << Edits{} << "lblProjectedCTR"
                                    << "0.0%";
        QTest::newRow("start, impressions") << Edits{} << "lblActualImpressions"
                                            << "100";
        QTest::newRow("half a dollar a click")
            << Edits{{"txtPresentCTR", "1"}, {"txtPresentImpressions", "1000"}, {"txtECPM", "5"}}
            << "lblEPC"
            << "$.50";
        QTest::newRow("three clicks an impression")
            << Edits{{"txtPresentClicks", "300"}} << "lblProjectedCTR"
            << "300.00%";
        QTest::newRow("billions a year") << Edits{{"txtPresentCTR", "2"},
                                                  {"txtPresentImpressions", "1000000"},
                                                  {"txtECPM", "9999"}}
                                         << "lblYearlyEarnings"
                                         << "$3,649,635,000.00";
        QTest::newRow("millions a month") << Edits{{"txtPresentCTR", "2"},
                                                   {"txtPresentImpressions", "1000000"},
                                                   {"txtECPM", "9999"}}
                                          << "lblMonthlyEarnings"
                                          << "$304,069,590.00";
    }

    void menuItemsCopyTheFigure() {
        QFETCH(Edits, edits);
        QFETCH(QString, figure);
        QFETCH(QString, shown);
        type(edits);
        QCOMPARE(text(qPrintable(figure)), shown);
        copyFromMenu(qPrintable(figure), QStringLiteral("Copy"));
        QCOMPARE(clipboardText(), shown);
        copyFromMenu(qPrintable(figure), QStringLiteral("Copy Number"));
        QCOMPARE(clipboardText(), mainwindow::FigureCopy::PlainNumber(shown));
        QVERIFY(messages->messages.empty());
    }

    void tableOfAllFigures_data() {
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("figures");
        QTest::addColumn<QString>("ecpmHtml"); // the eCPM box's cells in the HTML
        QTest::newRow("start") << Edits{} << QStringList{"100", "0", "0", "0", "0"}
                               << QStringList{"100",   "0",     "0.0%",  "$0.00", "$0.00",
                                              "$0.00", "$0.00", "$0.00", "$0.00"}
                               << "<td>0</td><td>0</td>";
        QTest::newRow("worked example")
            << kWorkedExample << QStringList{"1000", "0", "2", "5", "2"}
            << QStringList{"1000",   "25.0",   "2.50%",   "$2.00", "$2.00",
                           "$14.00", "$60.82", "$730.00", "$.08"}
            << "<td>2</td><td>2</td>";
        const auto eCpmOf = [](const char* shown) {
            return QStringList{"100",   "0",     "0.0%",  shown,  "$0.00",
                               "$0.00", "$0.00", "$0.00", "$0.00"};
        };
        QTest::newRow("a pasted tab stays in its cell") // the figure read is 12, blanks skipped
            << Edits{{"txtECPM", "1\t2"}} << QStringList{"100", "0", "0", "0", "1 2"}
            << eCpmOf("$12.00") << "<td>1 2</td><td>1 2</td>";
        QTest::newRow("markup in a box is text")
            << Edits{{"txtECPM", "1<&>"}} << QStringList{"100", "0", "0", "0", "1<&>"}
            << eCpmOf("$1.00") << "<td>1&lt;&amp;&gt;</td><td>1&lt;&amp;&gt;</td>";
        QTest::newRow("billions") << Edits{{"txtPresentCTR", "2"},
                                           {"txtPresentImpressions", "1000000"},
                                           {"txtECPM", "9999"}}
                                  << QStringList{"1000000", "0", "2", "0", "9999"}
                                  << QStringList{"1000000",         "20000.0",
                                                 "2.00%",           "$9,999.00",
                                                 "$9,999,000.00",   "$69,993,000.00",
                                                 "$304,069,590.00", "$3,649,635,000.00",
                                                 "$499.95"}
                                  << "<td>9999</td><td>9999</td>";
    }

    // The menu's third item and the key give the same table, as text and as HTML cells.
    void tableOfAllFigures() {
        QFETCH(Edits, edits);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, figures);
        QFETCH(QString, ecpmHtml);
        type(edits);
        const QString expected = table(boxes, figures);

        copyFromMenu("lblDailyEarnings", QStringLiteral("Copy All Figures"));
        QCOMPARE(clipboardText(), expected);

        QGuiApplication::clipboard()->clear();
        QTest::keyClick(focused(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(clipboardText(), expected);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data->hasHtml());
        const QString html = data->html();
        QCOMPARE(html.count(QStringLiteral("<tr>")), 15);
        QVERIFY(html.contains(QStringLiteral("<tr><th>Figure</th><th>Shown</th><th>Number</th>")));
        QVERIFY(
            html.contains(QStringLiteral("<tr><td>Yearly earnings</td><td>%1</td><td>%2</td>")
                              .arg(figures[7], mainwindow::FigureCopy::PlainNumber(figures[7]))));
        QVERIFY2(html.contains(QStringLiteral("<tr><td>eCPM</td>") + ecpmHtml + "</tr>"),
                 qPrintable(html));
    }

    void theKeyWorksOnEveryTab_data() {
        QTest::addColumn<Qt::Key>("tabKey");
        QTest::newRow("calculator") << Qt::Key_V;
        QTest::newRow("help") << Qt::Key_H;
        QTest::newRow("tools") << Qt::Key_R;
    }

    void theKeyWorksOnEveryTab() {
        QFETCH(Qt::Key, tabKey);
        QTest::keyClick(focused(), tabKey, Qt::AltModifier);
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(focused() ? focused() : window.get(), Qt::Key_C,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(
            clipboardText().startsWith(QStringLiteral("Figure\tShown\tNumber\nImpressions\t100")));
    }

    void ctrlCInABoxCopiesItsSelection() {
        typeInto("txtECPM", QStringLiteral("125"));
        box("txtECPM").setSelection(1, 2);
        QTest::keyClick(&box("txtECPM"), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboardText(), QStringLiteral("25"));
    }

    // What is copied is what the label shows when the item is chosen.
    void copyReadsTheCaptionWhenChosen() {
        QLabel& daily = find<QLabel>("lblDailyEarnings");
        mainwindow::FigureCopy* copy = window->findChild<mainwindow::FigureCopy*>();
        QVERIFY(copy);
        std::unique_ptr<QMenu> menu(copy->createContextMenu(daily, nullptr));
        daily.setText(QStringLiteral("$.50"));
        menu->actions().at(1)->trigger();
        QCOMPARE(clipboardText(), QStringLiteral("0.50"));
    }
};

QTEST_MAIN(FigureCopyTest)
#include "figure_copy_test.moc"
