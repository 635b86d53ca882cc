// SPDX-License-Identifier: MIT
// Random texts into random boxes: whatever a user types or pastes, every caption keeps
// its form and nothing crashes, hangs or recurses without end.
#include "calculator_fixture.h"
#include "caption_forms.h"

#include <random>

namespace {

std::string RandomText(std::mt19937& random) {
    static const std::vector<std::string> pieces = {"0",
                                                    "1",
                                                    "2",
                                                    "5",
                                                    "9",
                                                    "00",
                                                    "100",
                                                    "999999",
                                                    ".",
                                                    ".5",
                                                    " ",
                                                    "\t",
                                                    "\n",
                                                    "-",
                                                    "+",
                                                    "e",
                                                    "E",
                                                    "d",
                                                    "e308",
                                                    "e-400",
                                                    "1e9",
                                                    ",",
                                                    "$",
                                                    "%",
                                                    "a",
                                                    "Z",
                                                    "\xc3\xa9",
                                                    "\xc2\xa0",
                                                    "\xe2\x82\xac",
                                                    "12345678901234567890"};
    std::uniform_int_distribution<std::size_t> count(0, 6);
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
    std::string text;
    for (std::size_t n = count(random); n > 0; --n)
        text += pieces[piece(random)];
    return text;
}

TEST_F(CalculatorTest, RandomInputKeepsEveryCaptionInItsForm) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> action(0, 9);
    std::uniform_int_distribution<std::size_t> anyBox(0, calc::kAllBoxes.size() - 1);

    for (int step = 0; step < 3000; ++step) {
        const Box which = calc::kAllBoxes[anyBox(random)];
        const std::string text = RandomText(random);
        switch (action(random)) {
        case 0:
        case 1:
        case 2:
            box(which).type(text);
            break;
        case 3:
        case 4:
            box(which).selectAll();
            box(which).paste(text);
            break;
        case 5:
            box(which).erase();
            break;
        case 6:
            (step % 2 ? calculator->spinButton(which).up() : calculator->spinButton(which).down());
            break;
        case 7:
            calculator->optIncrement_Click(static_cast<std::int16_t>(step % 5));
            break;
        case 8:
            calculator->Validate(which);
            break;
        case 9:
            calculator->cmdReset_Click();
            break;
        }
        for (const calc::Caption caption : calc::kAllCaptions) {
            ASSERT_TRUE(caption_forms::HasCaptionForm(caption, calculator->caption(caption)))
                << "step " << step << ": " << calc::CaptionName(caption) << " = \""
                << calculator->caption(caption) << '"';
        }
    }
}

} // namespace
