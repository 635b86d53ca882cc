// SPDX-License-Identifier: MIT
#include "font_families.h"

#include <QFont>
#include <QFontDatabase>
#include <fonts.h>

namespace pages {

QStringList MapFontFamilies(const QString& cssFamilies) {
    static const bool registered = (widgets::RegisterFontSubstitutes(), true);
    Q_UNUSED(registered);
    QStringList families;
    for (QString family : cssFamilies.split(u',', Qt::SkipEmptyParts)) {
        family = family.trimmed();
        if (family.size() >= 2 && (family.front() == u'"' || family.front() == u'\'') &&
            family.back() == family.front())
            family = family.mid(1, family.size() - 2);
        if (family.isEmpty())
            continue;
        // QFont::substitute gives the family itself when no stand-in is known for it.
        families.append(QFontDatabase::hasFamily(family) ? family : QFont::substitute(family));
    }
    return families;
}

} // namespace pages
