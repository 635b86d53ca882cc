// SPDX-License-Identifier: MIT
#include "bind/line_edit_box.h"

#include "widgets/code_points.h"
#include "widgets/typing_limit.h"

#include <QLineEdit>

namespace bind {

LineEditBox::LineEditBox(QLineEdit& edit, int typingLimit)
    : calc::InputBox(edit.objectName().toStdString(), typingLimit), edit_(edit) {
    new widgets::TypingLimit(edit, typingLimit);
    textChanged_ = QObject::connect(&edit, &QLineEdit::textChanged, [this] { raiseChange(); });
}

// The line edit outlives the box while the window is torn down.
LineEditBox::~LineEditBox() {
    QObject::disconnect(textChanged_);
}

std::string LineEditBox::text() const {
    return edit_.text().toStdString();
}

void LineEditBox::setText(const std::string& text) {
    edit_.setText(QString::fromStdString(text));
}

int LineEditBox::selectionStart() const {
    const QString text = edit_.text();
    const int start = edit_.hasSelectedText() ? edit_.selectionStart() : edit_.cursorPosition();
    return widgets::code_points::Count(QStringView(text).left(start));
}

int LineEditBox::selectionLength() const {
    return widgets::code_points::Count(edit_.selectedText());
}

void LineEditBox::setSelection(int start, int length) {
    const QString text = edit_.text();
    const qsizetype from = widgets::code_points::Utf16Offset(text, start);
    const qsizetype to = widgets::code_points::Utf16Offset(text, start + length);
    edit_.setSelection(static_cast<int>(from), static_cast<int>(to - from));
}

} // namespace bind
