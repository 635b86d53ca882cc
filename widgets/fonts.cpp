// SPDX-License-Identifier: MIT
#include "widgets/fonts.h"

#include <QFontInfo>
#include <array>
#include <utility>

namespace widgets {
namespace {

// Metric-compatible or closest-looking stand-ins from the fonts the program depends on.
constexpr std::array<std::pair<const char*, const char*>, 7> kStandIns = {{
    {kVerdana, "DejaVu Sans"},
    {"Tahoma", "DejaVu Sans"},
    {kArial, "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"sans-serif", "DejaVu Sans"},
    {"serif", "DejaVu Serif"},
}};

} // namespace

void RegisterFontSubstitutes() {
    for (const auto& [family, standIn] : kStandIns)
        QFont::insertSubstitution(QLatin1String(family), QLatin1String(standIn));
}

QString StandInFor(const QString& family) {
    for (const auto& [named, standIn] : kStandIns) {
        if (family.compare(QLatin1String(named), Qt::CaseInsensitive) == 0)
            return QLatin1String(standIn);
    }
    return family;
}

bool IsStandIn(const QFont& font) {
    return QFontInfo(font).family().compare(font.family(), Qt::CaseInsensitive) != 0;
}

QFont DesignFont(const char* family, qreal points, QFont::Weight weight) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

} // namespace widgets
