// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QLabel>

namespace widgets {

// A figure's label inside a frame: it sizes to its caption and grows to the right, but never
// past the frame's inner edge. A caption too wide for the room left is drawn in a smaller
// size of the same font, the largest that fits; below kSmallestPoints it is drawn at that
// size and ends in "…". The label's text, tooltip and accessible name keep the whole caption.
class FittingLabel final : public QLabel {
public:
    // The font is the one the caption is drawn in whenever it fits.
    FittingLabel(const QFont& font, QWidget* frame);

    void showCaption(const QString& caption);

    // What the figure is, in its tooltip whatever the caption; below the whole caption when the
    // caption is drawn smaller.
    void setHelpTip(const QString& help);

    static constexpr qreal kSmallestPoints = 6;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int room() const;
    void setPointSize(qreal points);

    void showToolTip();

    QFont font_;
    QString help_;
    bool shrunk_ = false; // the caption is drawn smaller than designed
    // What is drawn instead of the caption when even the smallest size is too wide.
    QString elided_;
};

} // namespace widgets
