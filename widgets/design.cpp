// SPDX-License-Identifier: MIT
#include "widgets/design.h"

#include "widgets/design_palette.h"

#include <QLabel>

namespace widgets::design {

QColor DefaultTextColour() {
    return LightPalette().color(QPalette::WindowText);
}

void SetTextColour(QWidget& widget, QColor colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

void SetBackground(QWidget& widget, QColor colour) {
    QPalette palette = widget.palette();
    // Buttons fill with the button colour, other widgets with the window colour.
    palette.setColor(widget.backgroundRole(), colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QLabel* AddLabel(QWidget& parent, const char* name, const QString& caption, const QRect& geometry,
                 const QFont& font) {
    auto* label = new QLabel(caption, &parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    return label;
}

} // namespace widgets::design
