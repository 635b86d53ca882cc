// SPDX-License-Identifier: MIT
#include "widgets/typing_pause_news.h"

#include "widgets/announcement.h"

#include <QAccessible>
#include <QLineEdit>

namespace widgets {

TypingPauseNews::TypingPauseNews(QWidget& window, std::function<QString()> words)
    : QObject(&window), window_(window), words_(std::move(words)) {
    pause_.setSingleShot(true);
    pause_.setInterval(kPause);
    connect(&pause_, &QTimer::timeout, this, [this] {
        const QString words = words_();
        if (!typedInto_ || !typedInto_->hasFocus() || words == lastTold_)
            return;
        Announce(window_, words);
        lastTold_ = words;
    });
}

void TypingPauseNews::watch(QLineEdit& box) {
    connect(&box, &QLineEdit::textEdited, this, [this, &box] {
        // Others see the figures change as they type.
        if (!QAccessible::isActive())
            return;
        typedInto_ = &box;
        pause_.start();
    });
}

} // namespace widgets
