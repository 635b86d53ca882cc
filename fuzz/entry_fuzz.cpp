// SPDX-License-Identifier: MIT
// Two routes, one truth: figures given whole are worked out by the quick route the batch takes
// and pasted into a calculator's boxes as the window takes them; any difference in a caption,
// or in what was refused and why, is a failure.
#include "calc/figure_entry.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

// Mostly what a figure is made of, so that most rows pass the checks and reach the arithmetic;
// now and then any byte at all.
char FigureCharacter(std::uint8_t byte) {
    constexpr const char kFigureCharacters[] = "0123456789012345678901234567890123456789..,, $%";
    if (byte >= 0xf0)
        return static_cast<char>(byte * 7);
    return kFigureCharacters[byte % (sizeof kFigureCharacters - 1)];
}

calc::TypedFigures FiguresFrom(const std::uint8_t* data, std::size_t size) {
    calc::TypedFigures figures;
    std::size_t pos = 0;
    const auto next = [&]() -> std::uint8_t {
        return pos < size ? data[pos++] : 0;
    };
    for (const calc::Figure figure : calc::kAllFigures) {
        const std::uint8_t choice = next();
        if (choice % 4 == 0)
            continue;
        std::string text;
        for (int length = choice / 4 % 10; length > 0; --length)
            text += FigureCharacter(next());
        figures[figure] = text;
    }
    return figures;
}

bool Same(const calc::EntryProblem& a, const calc::EntryProblem& b) {
    return a.fault == b.fault && a.figure == b.figure && a.warning == b.warning &&
           std::string(a.reportName) == b.reportName && a.error == b.error &&
           a.refusal.sentence == b.refusal.sentence;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const calc::TypedFigures figures = FiguresFrom(data, size);
    const calc::Entry quick = calc::EnterFigures(figures);
    const calc::Entry boxes = calc::EnterFiguresThroughBoxes(figures);
    Require(quick.index() == boxes.index());
    if (const auto* captions = std::get_if<calc::Captions>(&quick))
        Require(*captions == std::get<calc::Captions>(boxes));
    else
        Require(Same(std::get<calc::EntryProblem>(quick), std::get<calc::EntryProblem>(boxes)));
    return 0;
}
