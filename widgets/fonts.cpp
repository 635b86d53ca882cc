// SPDX-License-Identifier: MIT
#include "fonts.h"

namespace widgets {

void RegisterFontSubstitutes() {
    QFont::insertSubstitution(kVerdana, QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(kArial, QStringLiteral("Liberation Sans"));
}

QFont DesignFont(const char* family, qreal points, QFont::Weight weight) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

} // namespace widgets
