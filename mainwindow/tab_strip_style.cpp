// SPDX-License-Identifier: MIT
#include "mainwindow/tab_strip_style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStyleOptionTab>

namespace mainwindow {

namespace {

constexpr QColor kBorder(145, 156, 155);
constexpr QColor kSelectedBackground(251, 253, 251);
constexpr QColor kShadingTop(255, 255, 255);
constexpr QColor kShadingBottom(240, 240, 234);
constexpr QColor kDisabledText(160, 160, 160);
constexpr int kCaptionPadding = 10;

QFont CaptionFont(const QStyleOptionTab& tab, const QWidget* widget) {
    QFont font = widget ? widget->font() : QFont();
    font.setBold(tab.state & QStyle::State_Selected);
    return font;
}

// Unselected tabs stand lower: their tops are kSelectedTabHeight - kOtherTabHeight down.
QRect ShapeRect(const QStyleOptionTab& tab) {
    QRect shape = tab.rect;
    if (!(tab.state & QStyle::State_Selected))
        shape.setTop(shape.bottom() - TabStripStyle::kOtherTabHeight + 1);
    return shape;
}

void DrawShape(const QStyleOptionTab& tab, QPainter& painter) {
    const QRect shape = ShapeRect(tab);
    const bool selected = tab.state & QStyle::State_Selected;
    if (!(tab.state & QStyle::State_Enabled)) {
        painter.fillRect(shape, tab.palette.button());
    } else if (selected) {
        painter.fillRect(shape, kSelectedBackground);
    } else {
        QLinearGradient shading(shape.topLeft(), shape.bottomLeft());
        shading.setColorAt(0, kShadingTop);
        shading.setColorAt(1, kShadingBottom);
        painter.fillRect(shape, shading);
    }
    painter.save();
    painter.setPen(kBorder);
    painter.drawLine(shape.topLeft(), shape.topRight());
    painter.drawLine(shape.topLeft(), shape.bottomLeft());
    painter.drawLine(shape.topRight(), shape.bottomRight());
    // The selected tab opens into its page; the others stand on the page's top border.
    if (!selected)
        painter.drawLine(shape.bottomLeft(), shape.bottomRight());
    painter.restore();
}

void DrawCaption(const QStyleOptionTab& tab, QPainter& painter, const QWidget* widget) {
    painter.save();
    painter.setFont(CaptionFont(tab, widget));
    painter.setPen(tab.state & QStyle::State_Enabled ? tab.palette.windowText().color()
                                                     : kDisabledText);
    painter.drawText(ShapeRect(tab), Qt::AlignCenter | Qt::TextShowMnemonic, tab.text);
    painter.restore();
}

} // namespace

void TabStripStyle::drawControl(ControlElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (tab && element == CE_TabBarTabShape)
        DrawShape(*tab, *painter);
    else if (tab && element == CE_TabBarTabLabel)
        DrawCaption(*tab, *painter, widget);
    else
        QProxyStyle::drawControl(element, option, painter, widget);
}

void TabStripStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameTabWidget) {
        painter->save();
        painter->setPen(kBorder);
        painter->setBrush(Qt::white);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QSize TabStripStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                      const QSize& size, const QWidget* widget) const {
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (type != CT_TabBarTab || !tab)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    // Measured in bold so that a tab keeps its width when it is selected.
    QFont bold = CaptionFont(*tab, widget);
    bold.setBold(true);
    const int captionWidth =
        QFontMetrics(bold).size(Qt::TextShowMnemonic | Qt::TextSingleLine, tab->text).width();
    return {captionWidth + 2 * kCaptionPadding, kSelectedTabHeight};
}

int TabStripStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                               const QWidget* widget) const {
    switch (metric) {
    case PM_TabBarTabOverlap:
    case PM_TabBarTabShiftHorizontal:
    case PM_TabBarTabShiftVertical:
        return 0;
    case PM_TabBarBaseOverlap:
    case PM_DefaultFrameWidth:
        return 1;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

} // namespace mainwindow
