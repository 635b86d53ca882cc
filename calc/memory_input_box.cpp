// SPDX-License-Identifier: MIT
#include "calc/memory_input_box.h"

#include <algorithm>

namespace calc {
MemoryInputBox::MemoryInputBox(std::string name, int typingLimit, std::string startText)
    : InputBox(std::move(name), typingLimit), text_(std::move(startText)) {}

void MemoryInputBox::setText(const std::string& text) {
    if (text == text_)
        return;
    text_ = text;
    selectionStart_ = 0;
    selectionLength_ = 0;
    raiseChange();
}

void MemoryInputBox::setSelection(int start, int length) {
    const int size = CharacterCount(text_);
    selectionStart_ = std::clamp(start, 0, size);
    selectionLength_ = std::clamp(length, 0, size - selectionStart_);
}

void MemoryInputBox::type(std::string_view characters) {
    for (std::size_t i = 0; i < characters.size();) {
        std::size_t next = i + 1;
        while (next < characters.size() && IsContinuationByte(characters[next]))
            ++next;
        if (CharacterCount(text_) - selectionLength_ < typingLimit())
            replaceSelection(characters.substr(i, next - i));
        i = next;
    }
}

void MemoryInputBox::paste(std::string_view text) {
    const int room = typingLimit() - (CharacterCount(text_) - selectionLength_);
    if (CharacterCount(text) - static_cast<int>(std::ranges::count(text, ' ')) <= room)
        replaceSelection(text);
}

void MemoryInputBox::erase() {
    if (selectionLength_ == 0 && selectionStart_ > 0)
        setSelection(selectionStart_ - 1, 1);
    replaceSelection({});
}

// A user's edit: it raises the change even when the text ends up the same, as typing
// over a selected "0" with "0" does in a real text box.
void MemoryInputBox::replaceSelection(std::string_view replacement) {
    const std::size_t from = ByteOffset(text_, selectionStart_);
    const std::size_t to = ByteOffset(text_, selectionStart_ + selectionLength_);
    text_.replace(from, to - from, replacement);
    selectionStart_ += CharacterCount(replacement);
    selectionLength_ = 0;
    raiseChange();
}

} // namespace calc
