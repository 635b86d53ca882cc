// SPDX-License-Identifier: MIT
#include "font_families.h"

#include <QFontDatabase>
#include <array>
#include <utility>

namespace pages {
namespace {

// Metric-compatible or closest-looking stand-ins from the fonts the program depends on.
constexpr std::array<std::pair<const char*, const char*>, 7> kStandIns = {{
    {"verdana", "DejaVu Sans"},
    {"tahoma", "DejaVu Sans"},
    {"arial", "Liberation Sans"},
    {"times new roman", "Liberation Serif"},
    {"courier new", "Liberation Mono"},
    {"sans-serif", "DejaVu Sans"},
    {"serif", "DejaVu Serif"},
}};

QString StandIn(const QString& family) {
    if (QFontDatabase::hasFamily(family))
        return family;
    for (const auto& [name, standIn] : kStandIns) {
        if (family.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return QLatin1String(standIn);
    }
    return family;
}

} // namespace

QStringList MapFontFamilies(const QString& cssFamilies) {
    QStringList families;
    for (QString family : cssFamilies.split(u',', Qt::SkipEmptyParts)) {
        family = family.trimmed();
        if (family.size() >= 2 && (family.front() == u'"' || family.front() == u'\'') &&
            family.back() == family.front())
            family = family.mid(1, family.size() - 2);
        if (!family.isEmpty())
            families.append(StandIn(family));
    }
    return families;
}

} // namespace pages
