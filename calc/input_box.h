// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

namespace calc {

// A single-line text box as the calculator sees it. Texts are UTF-8; positions and
// lengths count characters.
//
// The text-write rule: setText raises the change handling at once, nested inside the
// write, and only when the new text differs from the old one. Every change handling
// writes its own box back, so the nesting ends only because of the second half.
// Implementations also raise the change handling for every edit the user makes.
class InputBox {
public:
    InputBox(std::string name, int typingLimit);
    virtual ~InputBox();
    InputBox(const InputBox&) = delete;
    InputBox& operator=(const InputBox&) = delete;

    const std::string& name() const { return name_; }

    // How many characters the user may type; texts written by code are stored whole.
    int typingLimit() const { return typingLimit_; }

    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;

    virtual int selectionStart() const = 0;
    virtual int selectionLength() const = 0;
    virtual void setSelection(int start, int length) = 0;

    void setChangeHandler(std::function<void()> handler) { changeHandler_ = std::move(handler); }

protected:
    void raiseChange();

private:
    std::string name_;
    int typingLimit_;
    std::function<void()> changeHandler_;
};

} // namespace calc
