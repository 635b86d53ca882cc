// SPDX-License-Identifier: MIT
#pragma once

#include "bind/message_box_service.h"

#include <QTest>
#include <QWidget>
#include <QWindow>
#include <vector>

// Clicks the widget through its window, as the mouse does, so that whatever watches the
// window's input sees the click before the widget does. (QTest::mouseClick on a widget
// hands the click to the widget directly.)
inline void ClickAsUser(QWidget& widget, QPoint position = {}) {
    if (position.isNull())
        position = widget.rect().center();
    QWidget& window = *widget.window();
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      widget.mapTo(&window, position));
}

// Answers every message box with OK at once and keeps what it showed, for as long as it
// lives. A test that opens a box unexpectedly thus fails on the record instead of hanging.
class MessageRecorder {
public:
    MessageRecorder()
        : previous_(bind::MessageBoxService::SetHook(
              [this](const bind::MessageBoxService::Message& message) {
                  messages.push_back(message);
              })) {}
    ~MessageRecorder() { bind::MessageBoxService::SetHook(previous_); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList texts() const {
        QStringList result;
        for (const auto& message : messages)
            result << message.text;
        return result;
    }

    std::vector<bind::MessageBoxService::Message> messages;

private:
    bind::MessageBoxService::Hook previous_;
};
