// SPDX-License-Identifier: MIT
#include "pages/font_families.h"

#include "widgets/fonts.h"

#include <QFontDatabase>

namespace pages {

QStringList MapFontFamilies(const QString& cssFamilies) {
    QStringList families;
    for (QString family : cssFamilies.split(u',', Qt::SkipEmptyParts)) {
        family = family.trimmed();
        if (family.size() >= 2 && (family.front() == u'"' || family.front() == u'\'') &&
            family.back() == family.front())
            family = family.mid(1, family.size() - 2);
        if (family.isEmpty())
            continue;
        families.append(QFontDatabase::hasFamily(family) ? family : widgets::StandInFor(family));
    }
    return families;
}

} // namespace pages
