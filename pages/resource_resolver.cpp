// SPDX-License-Identifier: MIT
#include "resource_resolver.h"

#include "page_address.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>

namespace pages {
namespace {

// The nine built-in resources, as stored under ":/pages/".
constexpr std::array kBuiltInNames = {
    "help.html",      "gold.html",         "vids.html",      "seo.html",      "marlo.html",
    "varnelgold.jpg", "varnel-videos.jpg", "seo-zorvik.jpg", "marlovesk.jpg",
};

} // namespace

QString PagesRoot(const QString& folder, const QString& programFileName, QChar separator) {
    return ComposePageAddress(folder, QFileInfo(programFileName).completeBaseName(), separator,
                              ".exe/");
}

std::optional<QString> BuiltInResourcePath(const QString& address, const QString& pagesRoot) {
    if (!address.startsWith(pagesRoot))
        return std::nullopt;
    const QStringView name = QStringView(address).mid(pagesRoot.size());
    for (const char* builtIn : kBuiltInNames) {
        if (name.compare(QLatin1String(builtIn), Qt::CaseInsensitive) == 0)
            return QStringLiteral(":/pages/") + QLatin1String(builtIn);
    }
    return std::nullopt;
}

std::optional<QByteArray> ReadBuiltIn(const QString& address) {
    const QString root =
        PagesRoot(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()),
                  QFileInfo(QCoreApplication::applicationFilePath()).fileName(), QDir::separator());
    const std::optional<QString> path = BuiltInResourcePath(address, root);
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
