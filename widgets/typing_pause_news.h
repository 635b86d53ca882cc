// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>

class QLineEdit;
class QWidget;

namespace widgets {

// While a screen reader listens, tells it what the figures have become once the user rests
// from typing in a watched box for a moment, as a sighted user sees them change: words that
// the typing left as they were are no news.
class TypingPauseNews final : public QObject {
public:
    static constexpr std::chrono::milliseconds kPause{1500};

    TypingPauseNews(QWidget& window, std::function<QString()> words);

    void watch(QLineEdit& box);

private:
    QWidget& window_;
    std::function<QString()> words_;
    QTimer pause_;
    QPointer<QLineEdit> typedInto_;
    QString lastTold_;
};

} // namespace widgets
