// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

namespace widgets {

// A one-pixel horizontal line, drawn across the widget's width.
class LineShape final : public QWidget {
public:
    LineShape(QColor colour, Qt::PenStyle style, QWidget* parent);

    // Places the line from x1 to x2 (both drawn) at the height y of its parent.
    void setEnds(int x1, int x2, int y);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    Qt::PenStyle style_;
};

} // namespace widgets
