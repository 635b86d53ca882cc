// SPDX-License-Identifier: MIT
#include "planwindow/plan_view.h"

#include <string>

namespace planwindow {
namespace {

using planning::PlanResult;
using planning::ResultBlock;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The first letter in the case a sentence needs there; "eCPM" stays as it is written.
QString WithFirst(QString words, bool upper) {
    if (!words.startsWith(QLatin1String("eCPM")))
        words[0] = upper ? words[0].toUpper() : words[0].toLower();
    return words;
}

// "Today's impressions a day" under "Today" reads "Impressions a day", and "Today's net
// earnings a month" under "How you are paid" "Net earnings a month"; "Net daily" stays.
QString WithoutBlock(const QString& heading) {
    for (const QLatin1String block : {QLatin1String("Today's "), QLatin1String("Needed ")}) {
        if (heading.startsWith(block))
            return WithFirst(heading.mid(block.size()), true);
    }
    return heading;
}

// The amounts before the share, where a share below the whole makes the goal net: the needed
// earnings, and each result the table has a net_ one of ("today_earnings", "page_rpm").
bool Gross(const ResultSlot& slot) {
    if (!slot.result)
        return true;
    const std::string net = std::string("net_") + planning::FactsOf(*slot.result).field;
    return std::ranges::find(planning::kPlanResults, net, &planning::PlanResultFacts::field) !=
           planning::kPlanResults.end();
}

QString TipOf(const ResultSlot& slot, calc::Period per) {
    const QString period = QString::fromLatin1(planning::PerPeriod(per));
    if (!slot.result)
        return QStringLiteral("What the needed figures earn %1, as the calculator shows it.")
            .arg(period);
    switch (*slot.result) {
    case PlanResult::TodayImpressions:
        return QStringLiteral("Today's impressions a day: as typed, or page views × ads per page "
                              "× fill rate.");
    case PlanResult::TodayEarnings:
        return QStringLiteral("What today's traffic earns %1 at the CTR and the eCPM, as the "
                              "calculator shows it. A month is 30.41 days, a year 365: twelve "
                              "months add up to a little less than a year.")
            .arg(period);
    case PlanResult::NeededImpressions:
        return QStringLiteral("The least impressions a day whose earnings reach the goal.");
    case PlanResult::NeededPageViews:
        return QStringLiteral("The least page views a day that show the needed impressions.");
    case PlanResult::NeededClicks:
        return QStringLiteral("The clicks a day the needed impressions bring at the CTR.");
    case PlanResult::NeededEcpm:
        return QStringLiteral("The least eCPM, in whole cents, at which today's impressions reach "
                              "the goal.");
    case PlanResult::NeededCpc:
        return QStringLiteral("The least CPC, in whole cents, at which today's impressions reach "
                              "the goal at the CTR.");
    case PlanResult::EcpmFromCpc:
        return QStringLiteral("What the CPC earns per thousand impressions: the CPC times the "
                              "clicks the CTR makes of them.");
    case PlanResult::NetTodayEarnings:
        return QStringLiteral("Your share of what today's traffic earns %1.").arg(period);
    case PlanResult::NetDaily:
    case PlanResult::NetWeekly:
    case PlanResult::NetMonthly:
    case PlanResult::NetYearly:
        return QStringLiteral("Your share of the earnings at the plan's figures; the goal is net.");
    default:
        return {};
    }
}

} // namespace

QString BlockHeading(ResultBlock block) {
    switch (block) {
    case ResultBlock::Today:
        return QStringLiteral("Today");
    case ResultBlock::Needed:
        return QStringLiteral("Needed for the goal");
    default:
        return QStringLiteral("How you are paid");
    }
}

PlanView MakePlanView(const planning::PlanTexts& texts) {
    PlanView view;
    view.per = texts.per;
    view.monthShape.per = texts.per;
    const QString period = QString::fromLatin1(planning::PerPeriod(texts.per));
    for (std::size_t i = 0; i < kResultCount; ++i) {
        const ResultSlot& slot = kResultSlots[i];
        ShownResult& result = view.results[i];
        result.spoken = slot.result ? Text(planning::ResultHeading(*slot.result, texts.per))
                                    : QStringLiteral("Needed earnings ") + period;
        result.label = WithoutBlock(result.spoken);
        result.tip = TipOf(slot, texts.per);
    }
    view.chartTitle = QStringLiteral("Earnings %1, month by month").arg(period);

    const planning::PlanAnswer answer = planning::MakePlan(texts);
    if (const auto* refusal = std::get_if<planning::PlanRefusal>(&answer)) {
        view.refusal = Text(refusal->sentence);
        view.emptyChart = view.refusal;
        return view;
    }
    const planning::Plan& plan = std::get<planning::Plan>(answer);
    // Below a whole share the plan has net amounts, and the others are said to be gross.
    const bool net = plan[PlanResult::NetMonthly].has_value();
    for (std::size_t i = 0; i < kResultCount; ++i) {
        const ResultSlot& slot = kResultSlots[i];
        ShownResult& result = view.results[i];
        if (slot.result)
            result.shown = Text(plan[*slot.result].value_or(std::string()));
        else if (plan.goal)
            result.shown = Text(plan.figures[std::size_t(calc::EarningsCaption(plan.per))]);
        if (net && Gross(slot)) {
            result.label += QStringLiteral(" (gross)");
            result.spoken += QStringLiteral(" (gross)");
        }
    }
    // The bars are held against the goal: net, as it is, below a whole share.
    if (net)
        view.chartTitle = QStringLiteral("Net earnings %1, month by month").arg(period);
    view.gap = Text(plan.gap);
    view.reached = Text(plan.reached);
    for (const planning::PlanMonth& month : plan.months) {
        QStringList cells;
        for (const planning::MonthColumn column : planning::MonthColumns(plan.monthShape))
            cells << Text(month[column]);
        view.months.push_back({cells, Text(month[planning::MonthColumn::PeriodEarnings]),
                               month.forPeriod.toDouble()});
    }
    if (plan.months.empty())
        view.emptyChart = QStringLiteral("Type a growth (% a month) to see your earnings month by "
                                         "month.");
    if (plan.goal)
        view.goalLine = plan.goal->toDouble();
    if (plan.reachedMonth)
        view.reachedRow = *plan.reachedMonth - 1;
    view.monthShape = plan.monthShape;
    return view;
}

QString ResultWords(const PlanView& view) {
    if (!view.refusal.isEmpty())
        return view.refusal;
    QStringList lines;
    for (const ResultBlock block : kShownBlocks) {
        QStringList shown;
        for (std::size_t i = 0; i < kResultCount; ++i) {
            if (kResultSlots[i].block == block && !view.results[i].shown.isEmpty())
                shown << WithFirst(view.results[i].label, false) + QLatin1Char(' ') +
                             view.results[i].shown;
        }
        if (!shown.isEmpty())
            lines << (block == ResultBlock::Needed ? QStringLiteral("Needed")
                                                   : BlockHeading(block)) +
                         QStringLiteral(": ") + shown.join(QStringLiteral(", ")) + QLatin1Char('.');
    }
    for (const QString& sentence : {view.gap, view.reached}) {
        if (!sentence.isEmpty())
            lines << sentence + QLatin1Char('.');
    }
    return lines.join(QLatin1Char(' '));
}

} // namespace planwindow
