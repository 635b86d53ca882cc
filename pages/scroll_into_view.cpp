// SPDX-License-Identifier: MIT
#include "pages/scroll_into_view_p.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

namespace pages {

void ScrollIntoView(QAbstractScrollArea& area, const QRect& onPage) {
    QScrollBar* horizontal = area.horizontalScrollBar();
    QScrollBar* vertical = area.verticalScrollBar();
    const QRect visible(QPoint(horizontal->value(), vertical->value()), area.viewport()->size());
    if (onPage.right() > visible.right())
        horizontal->setValue(horizontal->value() + onPage.right() - visible.right());
    if (onPage.left() < horizontal->value())
        horizontal->setValue(onPage.left());
    if (onPage.bottom() > visible.bottom())
        vertical->setValue(vertical->value() + onPage.bottom() - visible.bottom());
    if (onPage.top() < vertical->value())
        vertical->setValue(onPage.top());
}

} // namespace pages
