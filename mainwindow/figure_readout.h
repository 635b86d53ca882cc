// SPDX-License-Identifier: MIT
#pragma once

#include "calculator_page.h"

#include <QObject>
#include <QTimer>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

// Keys that show the results in a tip under the box being edited, without the focus leaving
// the box: F1 the earnings, Shift+F1 the actual numbers. Screen readers speak a tip that F1
// brings up, so a blind user hears the new figures after an edit. The next key, a focus move
// or a few seconds put the tip away.
class FigureReadout final : public QObject {
    Q_OBJECT

public:
    using Column = std::vector<CalculatorPage::CaptionedFigure>;

    FigureReadout(QWidget& window, const std::vector<QLineEdit*>& boxes, Column earnings,
                  Column actualNumbers);

    // What the window shows in the column, one line each: its heading, then each caption
    // with its figure ("Earnings", "Daily: $2.00", "Weekly: $14.00", ...).
    static QString Words(const Column& column);

    // The tip, for tests.
    const QLabel& tip() const { return *tip_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showTip(const QLineEdit& box, const QString& words);

    QWidget& window_;
    Column earnings_;
    Column actualNumbers_;
    // A child of the window, not a tooltip window: Qt tells screen readers nothing when a
    // tooltip window appears.
    QLabel* tip_;
    QTimer expiry_;
};
