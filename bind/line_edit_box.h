// SPDX-License-Identifier: MIT
#pragma once

#include "calc/input_box.h"

#include <QMetaObject>

class QLineEdit;

namespace bind {

// A line edit as the engine's input box. Its name is the line edit's objectName.
//
// The change handling runs on QLineEdit::textChanged, which keeps the engine's text-write
// rule: setText from code raises it at once, nested, and only when the text differs, while
// every edit the user makes raises it (typing "0" over a selected "0" included).
class LineEditBox final : public calc::InputBox {
public:
    LineEditBox(QLineEdit& edit, int typingLimit);
    ~LineEditBox() override;

    std::string text() const override;
    void setText(const std::string& text) override;

    // Without a selection the start is the caret position, as in a text box.
    int selectionStart() const override;
    int selectionLength() const override;
    void setSelection(int start, int length) override;

private:
    QLineEdit& edit_;
    QMetaObject::Connection textChanged_;
};

} // namespace bind
