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
// the typing left as they were, or that were told already, are no news.
class TypingPauseNews final : public QObject {
public:
    static constexpr std::chrono::milliseconds kPause{1500};

    TypingPauseNews(QWidget& window, std::function<QString()> words);

    void watch(QLineEdit& box);

    // The words were told another way, as they changed: a pause does not tell them again.
    void told(const QString& words) { lastTold_ = words; }

private:
    QWidget& window_;
    std::function<QString()> words_;
    QTimer pause_;
    QPointer<QLineEdit> typedInto_;
    QString lastTold_;
};

} // namespace widgets
