// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

namespace mainwindow {

// The look of the main window's tab strip: the selected tab 25 pixels high, flat and with a
// bold caption, the others 22 pixels high and shaded, all framed in one grey-green border
// that also frames the page. No focus rectangle is drawn on the captions. Everything else
// is left to the application's style.
class TabStripStyle final : public QProxyStyle {
public:
    TabStripStyle() = default;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;

    static constexpr int kSelectedTabHeight = 25;
    static constexpr int kOtherTabHeight = 22;
};

} // namespace mainwindow
