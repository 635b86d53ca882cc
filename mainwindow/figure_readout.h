// SPDX-License-Identifier: MIT
#pragma once

#include "mainwindow/calculator_page.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace mainwindow {

// Keys that show the results in a tip under the box being edited, without the focus leaving
// the box: F1 (or the Help key) the earnings, Shift+F1 the actual numbers; elsewhere in the
// window the tip shows under the control with the focus. Screen readers speak a tip that F1
// brings up, so a blind user hears the new figures after an edit. The next key, a focus move
// or a few seconds put the tip away.
//
// While a screen reader listens, the earnings are also told without a key once the user
// stops typing in a box for a moment.
class FigureReadout final : public QObject {
    Q_OBJECT

public:
    using Column = std::vector<CalculatorPage::CaptionedFigure>;

    FigureReadout(QWidget& window, const std::vector<QLineEdit*>& boxes, Column earnings,
                  Column actualNumbers);

    // What the window shows in the column, one line each: its heading, then each caption
    // with its figure ("Earnings", "Daily: $2.00", "Weekly: $14.00", ...).
    static QString Words(const Column& column);

    // Forgets the typing that would have the earnings told: after Reset they are the figures'
    // defaults, which "Figures reset" has said already.
    void forgetTyping();

    // Whether a screen reader listens; Qt's accessibility bridge answers unless a test has
    // set its own answer. Returns the answer before.
    using ReaderCheck = bool (*)();
    static ReaderCheck SetReaderCheck(ReaderCheck check);

    // The tip, for tests.
    const QLabel& tip() const { return *tip_; }

    // How long typing must rest before the earnings are told.
    static constexpr std::chrono::milliseconds kTypingPause{1500};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showTip(const QWidget& control, const QString& words);
    void tellEarningsAfterPause(QLineEdit* box);

    QWidget& window_;
    Column earnings_;
    Column actualNumbers_;
    // A child of the window, not a tooltip window: Qt tells screen readers nothing when a
    // tooltip window appears.
    QLabel* tip_;
    QTimer expiry_;
    QTimer typingPause_;
    QPointer<QLineEdit> typedInto_;
    QString lastTold_; // the earnings last told after a pause; as the window opens, and after
                       // Reset, its defaults
};

} // namespace mainwindow
