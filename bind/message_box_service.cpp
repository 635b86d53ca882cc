// SPDX-License-Identifier: MIT
#include "bind/message_box_service.h"

#include "desktop/title_room.h"

#include <utility>

namespace bind {
namespace {

MessageBoxService::Hook& CurrentHook() {
    static MessageBoxService::Hook hook;
    return hook;
}

QMessageBox::Icon ToQt(calc::MessageIcon icon) {
    switch (icon) {
    case calc::MessageIcon::Warning:
        return QMessageBox::Warning;
    case calc::MessageIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

int openBoxes = 0;

// Counts a box as open for as long as it lives.
class OpenBox {
public:
    OpenBox() { ++openBoxes; }
    ~OpenBox() { --openBoxes; }
    OpenBox(const OpenBox&) = delete;
    OpenBox& operator=(const OpenBox&) = delete;
};

} // namespace

MessageBoxService::MessageBoxService(QWidget* owner) : owner_(owner) {}

void MessageBoxService::show(const std::string& text, calc::MessageIcon icon,
                             const std::string& title) {
    const Message message{QString::fromStdString(text), ToQt(icon), QString::fromStdString(title)};
    const OpenBox open;
    if (const Hook& hook = CurrentHook()) {
        hook(message);
        return;
    }
    QMessageBox box(message.icon, message.title, message.text, QMessageBox::Ok, owner_);
    desktop::MakeRoomForTitle(box);
    box.exec();
}

bool MessageBoxService::IsOpen() {
    return openBoxes > 0;
}

MessageBoxService::Hook MessageBoxService::SetHook(Hook hook) {
    return std::exchange(CurrentHook(), std::move(hook));
}

} // namespace bind
