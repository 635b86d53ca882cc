// SPDX-License-Identifier: MIT
// What only the drawn chart shows: its texts never print over one another, at any size, down
// to below its least size hint.
#include "planwindow/earnings_chart.h"
#include "planwindow/month_table_model.h"

#include <QTest>

class EarningsChartTest : public QObject {
    Q_OBJECT

private slots:
    // Months rising to a goal of $1,000.00 in the last, which makes it the top of the scale.
    // At the least size hint and above, $0, the goal's tick, a month, the goal and "Goal
    // reached" all have room; below it, $0 and a month at the least.
    void textsStandApart_data() {
        QTest::addColumn<int>("months");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("least");
        for (const int months : {1, 7, 12, 24, 25, 60, 120}) {
            for (const auto& [size, least] : {std::pair{QSize(120, 60), 2},
                                              {QSize(200, 120), 5},
                                              {QSize(360, 160), 5},
                                              {QSize(900, 300), 5}})
                QTest::addRow("%d months, %dx%d", months, size.width(), size.height())
                    << months << size << least;
        }
    }

    void textsStandApart() {
        QFETCH(int, months);
        QFETCH(QSize, size);
        QFETCH(int, least);
        planwindow::MonthTableModel model;
        std::vector<planwindow::MonthTableModel::Row> rows;
        for (int month = 1; month <= months; ++month)
            rows.push_back({{QString::number(month)}, QString(), 1000.0 * month / months});
        model.setRows(rows, {}, std::nullopt);
        planwindow::EarningsChart chart(model, 0, planwindow::MonthTableModel::kAmountRole,
                                        planwindow::MonthTableModel::kAmountTextRole);
        chart.setGoal(1000);
        chart.setReachedMonth(months - 1);
        chart.resize(size);

        const QList<QRectF> texts = chart.labelRects();
        QCOMPARE_GE(texts.size(), least);
        for (qsizetype one = 0; one < texts.size(); ++one) {
            QVERIFY2(QRectF(chart.rect()).contains(texts[one]),
                     qPrintable(QDebug::toString(texts[one])));
            for (qsizetype other = one + 1; other < texts.size(); ++other)
                QVERIFY2(!texts[one].intersects(texts[other]),
                         qPrintable(QDebug::toString(texts[one]) + QDebug::toString(texts[other])));
        }
    }
};

QTEST_MAIN(EarningsChartTest)
#include "earnings_chart_test.moc"
