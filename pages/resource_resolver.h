// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace pages {

// The Qt resource holding what address names, when address is pagesRoot (see
// kResourcesSuffix) followed by the name of a file under ":/pages" (any case). Anything else,
// including other folders, ".." and other schemes, names nothing.
std::optional<QString> BuiltInResourcePath(const QString& address, const QString& pagesRoot);

// The content of the built-in resource that address names for the running program.
std::optional<QByteArray> ReadBuiltIn(const QString& address);

// A name used inside a page, resolved against the page's own address. Our addresses hold
// native paths ("res://C:\Tools\VarnelCalc.exe/gold.html") that QUrl would misread as a
// host, so only a bare relative name is joined; anything absolute stays as written and
// is then judged by the resolver like any other address.
QString ResolveRelative(const QString& pageAddress, const QString& name);

} // namespace pages
