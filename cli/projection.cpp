// SPDX-License-Identifier: MIT
#include "projection.h"

#include "calculator.h"
#include "ctr_parts.h"
#include "input_check.h"

namespace cli {
namespace {

// Words for what the calculator ran into.
const char* WhatHappened(calc::ErrorKind kind) {
    switch (kind) {
    case calc::ErrorKind::Overflow:
        return "an overflow";
    case calc::ErrorKind::DivisionByZero:
        return "a division by zero";
    case calc::ErrorKind::TypeMismatch:
        break;
    }
    return "a type mismatch";
}

// Takes the place of the window's message boxes: the first message is kept, with the figure
// that was being written when it came.
class FirstMessage final : public calc::MessageService {
public:
    void show(const std::string& text, calc::MessageIcon, const std::string&) override {
        keep("the calculator warns \"" + text + "\"");
    }
    void showErrorReport(const char* reportName, const calc::CalcError& error) override {
        keep(std::string("the calculator reports ") + WhatHappened(error.kind()) + " in " +
             reportName);
    }
    void nowWriting(Figure figure, const std::string& text) {
        writing_ = figure;
        current_ = text;
    }
    const std::optional<Problem>& message() const { return message_; }

private:
    void keep(std::string reason) {
        if (!message_)
            message_ = Problem{ProblemKind::EngineMessage, writing_, current_, std::move(reason)};
    }

    Figure writing_ = Figure::Impressions;
    std::string current_;
    std::optional<Problem> message_;
};

} // namespace

Projection Project(const Figures& given) {
    // Read as a paste is: blanks take no room and are taken out.
    Figures figures = given;
    for (auto& text : figures.texts) {
        if (text && text->find(' ') != std::string::npos)
            text = calc::WithoutBlanks(std::move(*text));
    }
    if (auto problem = CheckFigures(figures)) {
        problem->text = *given[problem->figure];
        return *problem;
    }

    FirstMessage messages;
    const auto calculator = calc::Calculator::Headless(messages);
    const auto write = [&](Figure figure, calc::Box box, const std::string& text) {
        messages.nowWriting(figure, *figures[figure]);
        calculator->box(box).setText(text);
    };

    if (const auto& impressions = figures[Figure::Impressions])
        write(Figure::Impressions, calc::Box::Impressions, *impressions);
    if (const auto& ctr = figures[Figure::Ctr]) {
        const CtrParts parts = SplitCtr(*ctr);
        write(Figure::Ctr, calc::Box::CTR, parts.wholePercent);
        if (parts.tenths)
            write(Figure::Ctr, calc::Box::Dec, *parts.tenths);
    }
    if (const auto& clicks = figures[Figure::Clicks])
        write(Figure::Clicks, calc::Box::Clicks, *clicks);
    if (const auto& ecpm = figures[Figure::Ecpm])
        write(Figure::Ecpm, calc::Box::ECPM, *ecpm);

    if (messages.message())
        return *messages.message();
    Captions captions;
    for (const calc::Caption caption : calc::kAllCaptions)
        captions[static_cast<std::size_t>(caption)] = calculator->caption(caption);
    return captions;
}

} // namespace cli
