// SPDX-License-Identifier: MIT
#include "calc/figure_entry.h"

#include "calc/click_tie.h"
#include "calc/conversions.h"
#include "calc/earnings.h"
#include "calc/worked_figures.h"

#include <algorithm>

namespace calc {
namespace {

// The handler that reports an error while the figure goes in.
const char* ChangeHandlerOf(Figure figure) {
    constexpr std::array kHandlers = {"txtPresentImpressions_Change", "txtPresentCTR_Change",
                                      "txtPresentClicks_Change", "txtECPM_Change"};
    return kHandlers[static_cast<std::size_t>(figure)];
}

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

// The figures as numbers, read in the order they are pasted into the boxes, one box after the
// other: the impressions, the CTR (or the clicks), then the eCPM. A box given the text it holds
// already raises no change; each caption then keeps a text the rules would give it anyway.
// An overflow is answered as the handler of the figure going in when it came reports it.
Entry WorkedOut(const TypedFigures& figures) {
    Figure going = Figure::Impressions;
    try {
        Traffic traffic;
        traffic.impressions =
            LeadingValue(figures[Figure::Impressions].value_or(StartText(Box::Impressions)));

        const auto& ctr = figures[Figure::CTR];
        const auto& typedClicks = figures[Figure::Clicks];
        // Clicks go in after the CTR and win over it, unless they leave their box as it was.
        if (typedClicks && (!ctr || *typedClicks != StartText(Box::Clicks))) {
            going = Figure::Clicks;
            traffic.clicks = LeadingValue(*typedClicks);
            traffic.from = ClicksFrom::Typed;
        } else if (ctr) {
            going = Figure::CTR;
            const CtrParts parts = SplitCtr(*ctr);
            traffic.ctr =
                CtrOfBoxes(parts.wholePercent, parts.tenths.value_or(StartText(Box::Dec)));
        }

        // The traffic is worked out, and may overflow, before the eCPM goes in: at an eCPM of 0,
        // which earns nothing.
        FixedPoint ecpm;
        if (const auto& typedEcpm = figures[Figure::ECPM]) {
            try {
                ecpm = ToFixedPoint(LeadingValue(*typedEcpm));
            } catch (const CalcError&) {
                WorkedFigures(traffic, ecpm).raiseTrafficOverflow();
                going = Figure::ECPM;
                throw;
            }
        }
        const WorkedFigures worked(traffic, ecpm);
        worked.raiseTrafficOverflow();
        going = Figure::ECPM;
        return worked.captions();
    } catch (const CalcError& error) {
        return EntryProblem{
            EntryFault::ErrorReport, going, {}, ChangeHandlerOf(going), error.kind()};
    }
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
    return Enter(figures, WorkedOut);
}

Entry EnterFiguresThroughBoxes(const TypedFigures& figures) {
    return Enter(figures, PasteFigures);
}

} // namespace calc
