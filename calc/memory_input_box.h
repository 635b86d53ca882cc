// SPDX-License-Identifier: MIT
#pragma once

#include "calc/input_box.h"
#include "calc/utf8.h"

#include <string_view>

namespace calc {

// An input box held in memory, for running the calculator without a window. Besides the
// writes from code it can replay what a user does at the keyboard.
class MemoryInputBox final : public InputBox {
public:
    MemoryInputBox(std::string name, int typingLimit, std::string startText);

    std::string text() const override { return text_; }
    void setText(const std::string& text) override;

    int selectionStart() const override { return selectionStart_; }
    int selectionLength() const override { return selectionLength_; }
    void setSelection(int start, int length) override;

    // Each character replaces the selection, as a keystroke does; a keystroke that would
    // pass the typing limit is refused. Every accepted keystroke raises the change.
    void type(std::string_view characters);

    // Replaces the selection with the text when it fits the typing limit whole, blanks not
    // counted (the box removes them); otherwise nothing changes.
    void paste(std::string_view text);

    // Backspace: removes the selection, or the character before the caret.
    void erase();

    void selectAll() { setSelection(0, CharacterCount(text_)); }

private:
    void replaceSelection(std::string_view replacement);

    std::string text_;
    int selectionStart_ = 0;
    int selectionLength_ = 0;
};

} // namespace calc
