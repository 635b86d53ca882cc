// SPDX-License-Identifier: MIT
// Random figures pasted into the main window and given to varnelcalc-cli: the window's nine
// captions and the program's, in all three formats, must be the same texts; a plan's figures
// are the window's too.
#include "calc/calculator.h"
#include "tests/cli/run_cli.h"
#include "tests/mainwindow/frm_main_fixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <random>

namespace {

// A figure that passes every check, in one of the forms a user would give it.
class FigureMaker {
public:
    explicit FigureMaker(unsigned seed) : random_(seed) {}

    QString impressions() {
        return chance(0.8) ? QString::number(between(1, 9999999))
                           : QStringLiteral("%1.%2").arg(between(1, 99999)).arg(between(0, 9));
    }
    QString ctr() {
        const int whole = chance(0.1) ? 100 : between(0, 30);
        if (chance(0.3))
            return QString::number(whole);
        return QStringLiteral("%1.%2").arg(whole).arg(whole == 100 ? 0 : between(0, 9));
    }
    QString clicks() {
        return chance(0.7) ? QString::number(between(0, 99999))
                           : QStringLiteral("%1.%2").arg(between(0, 999)).arg(between(0, 9));
    }
    QString ecpm() {
        return QStringLiteral("%1.%2").arg(between(0, 9999)).arg(between(0, 99), 2, 10, QChar('0'));
    }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

private:
    int between(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
    std::mt19937 random_;
};

// A dollar caption in cents: "$1,000.03" is 100003.
qint64 Cents(QString caption) {
    return caption.remove('$').remove(',').remove('.').toLongLong();
}

// The cells of one CSV record of captions (no line breaks inside).
QStringList CsvCells(const QString& record) {
    QStringList cells{QString()};
    bool quoted = false;
    for (const QChar c : record) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            cells << QString();
        else
            cells.last() += c;
    }
    return cells;
}

} // namespace

class CliMatchesWindowTest : public MainWindowFixture {
    Q_OBJECT

    // Selects the box's whole text and pastes over it, as one edit.
    void pasteInto(calc::Box which, const QString& text) {
        QLineEdit& edit = box(calc::BoxName(which));
        edit.selectAll();
        if (text.isEmpty())
            edit.del();
        else
            edit.insert(text);
    }

    QStringList windowCaptions() const {
        QStringList captions;
        for (const calc::Caption caption : calc::kAllCaptions)
            captions << text(calc::ResultOf(caption).labelName);
        return captions;
    }

    static QStringList Captions(const QStringList& arguments, const char* format) {
        std::vector<std::string> list{"--format", format};
        for (const QString& argument : arguments)
            list.push_back(argument.toStdString());
        const CliRun run = RunCli(list);
        if (run.code != 0)
            qFatal("the run failed: %s", run.err.c_str());
        const QString out = QString::fromStdString(run.out);
        QStringList captions;
        if (QLatin1String(format) == QLatin1String("text")) {
            for (const QString& line : out.split('\n', Qt::SkipEmptyParts))
                captions << line.mid(13); // the labels take 11 characters and two blanks
        } else if (QLatin1String(format) == QLatin1String("csv")) {
            captions = CsvCells(out.split(QStringLiteral("\r\n")).at(1));
        } else {
            const QJsonObject object = QJsonDocument::fromJson(out.toUtf8()).object();
            for (const calc::Result& result : calc::kResults) {
                const char* name = result.field;
                const QJsonObject field = object.value(QLatin1String(name)).toObject();
                const QString shown = field.value(QLatin1String("shown")).toString();
                QString plain = shown;
                plain.remove('$').remove(',').remove('%');
                // The number is the caption's own figure.
                if (field.value(QLatin1String("value")).toDouble() != plain.toDouble())
                    qFatal("%s: %s is not %g", name, qPrintable(shown),
                           field.value(QLatin1String("value")).toDouble());
                captions << shown;
            }
        }
        return captions;
    }

private slots:
    void sameCaptions_data() {
        QTest::addColumn<QStringList>("arguments");
        FigureMaker make(20261207);
        for (int row = 0; row < 60; ++row) {
            QStringList arguments;
            if (make.chance(0.85))
                arguments << "--impressions" << make.impressions();
            if (make.chance(0.5))
                arguments << "--ctr" << make.ctr();
            else if (make.chance(0.7))
                arguments << "--clicks" << make.clicks();
            if (make.chance(0.85))
                arguments << "--ecpm" << make.ecpm();
            QTest::addRow("%d: %s", row, qPrintable(arguments.join(' '))) << arguments;
        }
    }

    // The goal is reached in the window at the needed impressions and missed at one fewer;
    // each month of the growth shows the window's monthly earnings, and the total sums them.
    void planAsTheWindowShowsIt() {
        const CliRun goal = RunCli({"-g", "1000", "-r", "2.5", "-e", "2.5", "-f", "json"});
        const QJsonObject plan =
            QJsonDocument::fromJson(QByteArray::fromStdString(goal.out)).object();
        const qint64 needed = plan["plan"]["needed_impressions"].toObject()["value"].toInteger();
        pasteInto(calc::Box::CTR, "2");
        pasteInto(calc::Box::Dec, "5");
        pasteInto(calc::Box::ECPM, "2.5");
        const auto monthlyAt = [&](qint64 impressions) {
            pasteInto(calc::Box::Impressions, QString::number(impressions));
            return text("lblMonthlyEarnings");
        };
        QVERIFY(Cents(monthlyAt(needed)) >= 100000);
        QVERIFY(Cents(monthlyAt(needed - 1)) < 100000);

        const CliRun growth =
            RunCli({"-i", "10000", "-r", "2.5", "-e", "2.5", "-G", "5", "-m", "12", "-f", "json"});
        const QJsonArray months =
            QJsonDocument::fromJson(QByteArray::fromStdString(growth.out))["months"].toArray();
        QCOMPARE(months.size(), 12);
        qint64 sum = 0;
        for (const QJsonValue& each : months) {
            const QJsonObject month = each.toObject();
            const QString shown = month["monthly"].toObject()["shown"].toString();
            QCOMPARE(shown, monthlyAt(month["impressions"].toObject()["value"].toInteger()));
            sum += Cents(shown);
            QCOMPARE(Cents(month["total"].toObject()["shown"].toString()), sum);
        }
        QCOMPARE(messages->messages.size(), size_t(0));
    }

    void sameCaptions() {
        QFETCH(QStringList, arguments);
        for (qsizetype i = 0; i + 1 < arguments.size(); i += 2) {
            const QString& figure = arguments[i + 1];
            if (arguments[i] == QLatin1String("--impressions")) {
                pasteInto(calc::Box::Impressions, figure);
            } else if (arguments[i] == QLatin1String("--ctr")) {
                const qsizetype point = figure.indexOf('.');
                pasteInto(calc::Box::CTR, figure.left(point));
                if (point >= 0)
                    pasteInto(calc::Box::Dec, figure.mid(point + 1));
            } else if (arguments[i] == QLatin1String("--clicks")) {
                pasteInto(calc::Box::Clicks, figure);
            } else {
                pasteInto(calc::Box::ECPM, figure);
            }
        }
        QCOMPARE(messages->messages.size(), size_t(0));
        const QStringList shown = windowCaptions();
        QCOMPARE(Captions(arguments, "text"), shown);
        QCOMPARE(Captions(arguments, "csv"), shown);
        QCOMPARE(Captions(arguments, "json"), shown);
    }
};

QTEST_MAIN(CliMatchesWindowTest)
#include "cli_matches_window_test.moc"
