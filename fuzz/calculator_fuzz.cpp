// SPDX-License-Identifier: MIT
// Turns its input into a user's session with the calculator (typing, pasting, deleting,
// arrows, step choices, reset, leaving a box) and checks after every action that every
// caption keeps its form and every box holds only what the user or the calculator wrote.
#include "calc/calculator.h"
#include "calc/memory_input_box.h"
#include "tests/support/caption_forms.h"
#include "tests/support/recording_message_service.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

// Reads the fuzzer's bytes as a stream of small decisions.
class Script {
public:
    Script(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return pos_ >= size_; }
    std::uint8_t next() { return done() ? 0 : data_[pos_++]; }
    std::string_view text() {
        const std::size_t length = std::min<std::size_t>(next() % 12, size_ - pos_);
        const std::string_view result(reinterpret_cast<const char*>(data_ + pos_), length);
        pos_ += length;
        return result;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// A box holds what the user typed, cleaned of blanks, or a text the calculator writes
// itself; the only texts longer than what can be typed are the tenths refill and the
// top of the clicks arrows.
void CheckBoxes(const calc::Calculator& calculator) {
    for (const calc::Box which : calc::kAllBoxes) {
        const std::string text = calculator.box(which).text();
        Require(text.find(' ') == std::string::npos);
        Require(calc::CharacterCount(text) <= calc::TypingLimit(which) ||
                (which == calc::Box::Dec && text == "00") ||
                (which == calc::Box::Clicks && text == "100000"));
    }
    Require(!calculator.box(calc::Box::Impressions).text().starts_with('0'));
}

void CheckCaptions(const calc::Calculator& calculator) {
    for (const calc::Caption caption : calc::kAllCaptions)
        Require(caption_forms::HasCaptionForm(caption, calculator.caption(caption)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    calc::RecordingMessageService messages;
    auto calculator = calc::Calculator::Headless(messages);
    Script script(data, size);

    for (int action = 0; action < 64 && !script.done(); ++action) {
        const std::uint8_t choice = script.next();
        const calc::Box which = calc::kAllBoxes[(choice >> 4) % calc::kAllBoxes.size()];
        auto& box = static_cast<calc::MemoryInputBox&>(calculator->box(which));
        switch (choice % 9) {
        case 0:
            box.type(script.text());
            break;
        case 1:
            box.selectAll();
            box.paste(script.text());
            break;
        case 2:
            box.setSelection(script.next() % 8, script.next() % 8);
            box.erase();
            break;
        case 3:
            calculator->spinButton(which).up();
            break;
        case 4:
            calculator->spinButton(which).down();
            break;
        case 5:
            calculator->optIncrement_Click(static_cast<std::int16_t>(script.next() % 6) - 1);
            break;
        case 6:
            calculator->cmdReset_Click();
            break;
        case 7:
            calculator->GotFocus(which);
            break;
        case 8:
            calculator->Validate(which);
            Require(!box.text().empty());
            break;
        }
        CheckBoxes(*calculator);
        CheckCaptions(*calculator);
    }
    return 0;
}
