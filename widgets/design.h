// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRect>

class QFont;
class QLabel;
class QString;
class QWidget;

// Building controls the way the windows are designed: a name, a place, a font, colours.
namespace widgets::design {

// The default text colour of the light desktop the windows were designed on, for labels and
// option buttons designed with it inside a window whose text colour differs.
QColor DefaultTextColour();

void SetTextColour(QWidget& widget, QColor colour);

// Fills the widget's background with the colour instead of letting its parent show through.
void SetBackground(QWidget& widget, QColor colour);

// A label showing its caption as plain text.
QLabel* AddLabel(QWidget& parent, const char* name, const QString& caption, const QRect& geometry,
                 const QFont& font);

} // namespace widgets::design
