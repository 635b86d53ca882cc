// SPDX-License-Identifier: MIT
#include "calc/figure_entry.h"

#include "calc/click_tie.h"
#include "calc/conversions.h"
#include "calc/earnings.h"

namespace calc {
namespace {

// Takes the place of the window's message boxes: the first message is kept, with the figure
// that was going in when it came.
class FirstMessage final : public MessageService {
public:
    void show(const std::string& text, MessageIcon, const std::string&) override {
        keep({EntryFault::Warning, going_, text});
    }
    void showErrorReport(const char* reportName, const CalcError& error) override {
        keep({EntryFault::ErrorReport, going_, {}, reportName, error.kind()});
    }
    void nowEntering(Figure figure) { going_ = figure; }
    const std::optional<EntryProblem>& message() const { return message_; }

private:
    void keep(EntryProblem problem) {
        if (!message_)
            message_ = std::move(problem);
    }

    Figure going_ = Figure::Impressions;
    std::optional<EntryProblem> message_;
};

// Each given figure read by its form as the plain text a box holds for it, to the route that
// works out the captions, or the first figure that is no figure of its form.
template <typename Route> Entry Enter(const TypedFigures& typed, Route route) {
    TypedFigures plain;
    for (const FigureFacts& facts : kFigures) {
        const auto& text = typed[facts.figure];
        if (!text || IsBlank(*text))
            continue;
        auto read = ReadFigureText(*text, facts.form, typed.notation, facts.name);
        if (auto* refusal = std::get_if<FigureRefusal>(&read))
            return EntryProblem{.fault = EntryFault::Unread,
                                .figure = facts.figure,
                                .refusal = std::move(*refusal)};
        plain[facts.figure] = std::move(std::get<ReadFigure>(read).plain);
    }
    return route(plain);
}

// What the calculator's handlers work out when the figures are pasted in, one box after the
// other, without the boxes: the same rules in the same order. A box given the text it holds
// already raises no change; each caption then keeps a text the rules would give it anyway.
// Raises what the handlers would report.
Captions WorkedOut(const TypedFigures& figures) {
    Captions captions;
    const auto shown = [&captions](Caption caption) -> std::string& {
        return captions[static_cast<std::size_t>(caption)];
    };
    for (const Result& result : kResults)
        shown(result.caption) = result.startCaption;

    const double impressions =
        LeadingValue(figures[Figure::Impressions].value_or(StartText(Box::Impressions)));
    shown(Caption::ActualImpressions) = PlainNumberText(impressions);

    double clicks = 0;
    const auto& ctr = figures[Figure::CTR];
    const auto& typedClicks = figures[Figure::Clicks];
    // Clicks go in after the CTR and win over it, unless they leave their box as it was.
    if (typedClicks && (!ctr || *typedClicks != StartText(Box::Clicks))) {
        shown(Caption::ProjectedClicks) = ClicksAsShown(LeadingValue(*typedClicks));
        clicks = LeadingValue(shown(Caption::ProjectedClicks));
        shown(Caption::ProjectedCTR) =
            CaptionText(CtrOfClicks(clicks, impressions), Pattern::Percent);
    } else if (ctr) {
        const CtrParts parts = SplitCtr(*ctr);
        const double rate =
            CtrOfBoxes(parts.wholePercent, parts.tenths.value_or(StartText(Box::Dec)));
        shown(Caption::ProjectedCTR) = CaptionText(PlainNumberText(rate), Pattern::PercentOfText);
        clicks = ClicksAt(impressions, rate);
        shown(Caption::ProjectedClicks) = CaptionText(clicks, Pattern::Clicks);
    }

    const FixedPoint ecpm =
        figures[Figure::ECPM] ? ToFixedPoint(LeadingValue(*figures[Figure::ECPM])) : FixedPoint{};
    shown(Caption::ECPM) = CaptionText(ecpm, Pattern::ECPM);
    const auto amounts = EarningsFor(ecpm, impressions, clicks);
    if (!amounts)
        return captions;
    for (const Period period : kAllPeriods) {
        shown(EarningsCaption(period)) =
            CaptionText((*amounts)[static_cast<std::size_t>(period)], Pattern::Earnings);
    }
    const FixedPoint daily = (*amounts)[static_cast<std::size_t>(Period::Day)];
    shown(Caption::EPC) = CaptionText(PerClick(daily, clicks), Pattern::EPC);
    return captions;
}

} // namespace

CtrParts SplitCtr(std::string_view ctr) {
    const auto point = ctr.find('.');
    if (point == std::string_view::npos)
        return {ctr, std::nullopt};
    return {ctr.substr(0, point), ctr.substr(point + 1)};
}

Entry PasteFigures(const TypedFigures& figures) {
    FirstMessage messages;
    const auto calculator = Calculator::Headless(messages);
    const auto paste = [&](Figure figure, Box box, std::string_view text) {
        messages.nowEntering(figure);
        calculator->box(box).setText(std::string(text));
    };
    if (const auto& impressions = figures[Figure::Impressions])
        paste(Figure::Impressions, Box::Impressions, *impressions);
    if (const auto& ctr = figures[Figure::CTR]) {
        const CtrParts parts = SplitCtr(*ctr);
        paste(Figure::CTR, Box::CTR, parts.wholePercent);
        if (parts.tenths)
            paste(Figure::CTR, Box::Dec, *parts.tenths);
    }
    if (const auto& clicks = figures[Figure::Clicks])
        paste(Figure::Clicks, Box::Clicks, *clicks);
    if (const auto& ecpm = figures[Figure::ECPM])
        paste(Figure::ECPM, Box::ECPM, *ecpm);

    if (messages.message())
        return *messages.message();
    Captions captions;
    for (const Caption caption : kAllCaptions)
        captions[static_cast<std::size_t>(caption)] = calculator->caption(caption);
    return captions;
}

Entry EnterFigures(const TypedFigures& figures) {
    return Enter(figures, [](const TypedFigures& taken) -> Entry {
        try {
            return WorkedOut(taken);
        } catch (const CalcError&) {
            // The boxes say what went wrong, and in which handler.
            return PasteFigures(taken);
        }
    });
}

Entry EnterFiguresThroughBoxes(const TypedFigures& figures) {
    return Enter(figures, PasteFigures);
}

} // namespace calc
