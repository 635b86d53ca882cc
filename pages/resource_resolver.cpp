// SPDX-License-Identifier: MIT
#include "pages/resource_resolver.h"

#include "pages/page_address.h"

#include <QDir>
#include <QFile>

namespace pages {

std::optional<QString> BuiltInResourcePath(const QString& address, const QString& pagesRoot) {
    if (!address.startsWith(pagesRoot))
        return std::nullopt;
    static const QStringList kBuiltInNames = QDir(QStringLiteral(":/pages")).entryList(QDir::Files);
    const QStringView name = QStringView(address).mid(pagesRoot.size());
    for (const QString& builtIn : kBuiltInNames) {
        if (name.compare(builtIn, Qt::CaseInsensitive) == 0)
            return QStringLiteral(":/pages/") + builtIn;
    }
    return std::nullopt;
}

std::optional<QByteArray> ReadBuiltIn(const QString& address) {
    const std::optional<QString> path = BuiltInResourcePath(address, PageAddress(kResourcesSuffix));
    if (!path)
        return std::nullopt;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QString ResolveRelative(const QString& pageAddress, const QString& name) {
    if (name.contains(u':') || name.startsWith(u'/') || name.startsWith(u'\\'))
        return name;
    return pageAddress.left(pageAddress.lastIndexOf(u'/') + 1) + name;
}

} // namespace pages
