// SPDX-License-Identifier: MIT
#pragma once

#include "calc/message_service.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <functional>

namespace bind {

// The engine's message boxes as modal QMessageBoxes with one OK button, over their owner.
class MessageBoxService final : public calc::MessageService {
public:
    explicit MessageBoxService(QWidget* owner);

    void show(const std::string& text, calc::MessageIcon icon, const std::string& title) override;

    struct Message {
        QString text;
        QMessageBox::Icon icon;
        QString title;
    };

    // While a hook is set, each box goes to it instead of the screen and counts as answered
    // with OK when the hook returns: a test can then never hang on a modal box. Returns the
    // hook it replaces.
    using Hook = std::function<void(const Message&)>;
    static Hook SetHook(Hook hook);

    // Whether a box is open now. A modal box runs its own event loop, in which timers (an
    // arrow's auto-repeat, say) go on firing: code they run asks this before it acts again.
    static bool IsOpen();

private:
    QPointer<QWidget> owner_;
};

} // namespace bind
