// SPDX-License-Identifier: MIT
#pragma once

#include <QClipboard>
#include <QObject>
#include <QStringView>

class QLineEdit;

namespace widgets {

// Keeps what the user types or pastes into a line edit within a number of characters, as a
// text box with a typing limit does: a keystroke that would pass the limit is refused with a
// beep and a note under the box that says the limit, and so is a paste that does not fit whole.
// Texts the program writes with setText are stored whole, which is why this is not
// QLineEdit::maxLength: that cuts setText as well.
class TypingLimit final : public QObject {
public:
    // Watches the line edit for as long as both live; the line edit owns it.
    TypingLimit(QLineEdit& edit, int limit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Characters that still fit once the selection is replaced; negative when a text written
    // by the program is already longer than the limit.
    int room() const;

    // Returns false when the edit may insert the text itself.
    bool limitInsertion(QStringView typed);
    // Returns true when the paste is refused.
    bool paste(QClipboard::Mode mode);
    void showLimit();
    void showContextMenu(const QPoint& globalPosition);

    QLineEdit& edit_;
    const int limit_;
    bool limitAtRelease_ = false;
};

} // namespace widgets
