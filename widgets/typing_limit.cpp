// SPDX-License-Identifier: MIT
#include "widgets/typing_limit.h"

#include "desktop/beep.h"
#include "widgets/code_points.h"
#include "widgets/hint.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <algorithm>
#include <utility>

namespace widgets {
namespace {

// The keystrokes QLineEdit turns into text: the same rule as its own. Ctrl and Ctrl+Shift
// combinations are shortcuts, but Ctrl+Alt (AltGr on Windows) types its text.
bool InsertsText(const QKeyEvent& key) {
    const QString text = key.text();
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    if (first.category() == QChar::Other_Format)
        return true;
    const auto modifiers = key.modifiers();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    return first.isPrint() || first.category() == QChar::Other_PrivateUse ||
           (first.isHighSurrogate() && text.size() > 1 && text[1].isLowSurrogate());
}

// A single-line box takes a pasted text up to its first line break (CR LF, CR or LF).
QStringView FirstLine(QStringView text) {
    const auto end =
        std::find_if(text.begin(), text.end(), [](QChar c) { return c == u'\n' || c == u'\r'; });
    return text.first(end - text.begin());
}

// Qt 6.4 names none of the standard menu's actions; the paste action is the one that
// shows the paste shortcut after its caption.
QAction* PasteActionOf(const QMenu& menu) {
    const QString shortcut = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* action : menu.actions()) {
        if (action->text().endsWith(QLatin1Char('\t') + shortcut))
            return action;
    }
    return nullptr;
}

} // namespace

TypingLimit::TypingLimit(QLineEdit& edit, int limit) : QObject(&edit), edit_(edit), limit_(limit) {
    // A dropped text would need its own cutting; a text box takes none.
    edit.setAcceptDrops(false);
    edit.installEventFilter(this);
}

int TypingLimit::room() const {
    return limit_ - code_points::Count(edit_.text()) + code_points::Count(edit_.selectedText());
}

bool TypingLimit::limitInsertion(QStringView typed) {
    const int room = this->room();
    if (code_points::Count(typed) <= room)
        return false;
    desktop::Beep();
    if (room > 0)
        edit_.insert(code_points::Left(typed, room).toString());
    return true;
}

// A paste goes in whole or not at all: cut to the room left, "12345678" would become
// another figure. Blanks take no room, since the box removes them.
bool TypingLimit::paste(QClipboard::Mode mode) {
    const QString clipboard = QGuiApplication::clipboard()->text(mode);
    const QStringView line = FirstLine(clipboard);
    if (line.isEmpty())
        return false;
    if (code_points::Count(line) - line.count(u' ') > room()) {
        desktop::Beep();
        return true;
    }
    edit_.insert(line.toString());
    return false;
}

// Many machines play no beep; the note says why the box took nothing.
void TypingLimit::showLimit() {
    ShowHint(edit_, QStringLiteral("This box takes up to %1 characters.").arg(limit_),
             std::chrono::seconds(3));
}

void TypingLimit::showContextMenu(const QPoint& globalPosition) {
    QMenu* menu = edit_.createStandardContextMenu();
    if (QAction* pasteAction = PasteActionOf(*menu)) {
        pasteAction->disconnect(&edit_);
        connect(pasteAction, &QAction::triggered, this, [this] {
            if (paste(QClipboard::Clipboard))
                showLimit();
        });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPosition);
}

bool TypingLimit::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.matches(QKeySequence::Paste)) {
            limitAtRelease_ = paste(QClipboard::Clipboard);
            return true;
        }
        limitAtRelease_ = InsertsText(key) && limitInsertion(key.text());
        return limitAtRelease_;
    }
    case QEvent::KeyRelease:
        // The note goes at the next key's press or release: shown at the refused key's release,
        // it stays.
        if (std::exchange(limitAtRelease_, false))
            showLimit();
        return false;
    case QEvent::InputMethod: {
        auto& input = static_cast<QInputMethodEvent&>(*event);
        const QString committed = input.commitString();
        if (code_points::Count(committed) > room()) {
            desktop::Beep();
            showLimit();
            input.setCommitString(code_points::Left(committed, std::max(room(), 0)).toString(),
                                  input.replacementStart(), input.replacementLength());
        }
        return false;
    }
    case QEvent::MouseButtonRelease: {
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (mouse.button() != Qt::MiddleButton ||
            !QGuiApplication::clipboard()->supportsSelection())
            return false;
        edit_.deselect();
        if (paste(QClipboard::Selection))
            showLimit();
        return true;
    }
    case QEvent::ContextMenu:
        showContextMenu(static_cast<const QContextMenuEvent&>(*event).globalPos());
        return true;
    default:
        return false;
    }
}

} // namespace widgets
