// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace pages {

// What every built-in resource's address starts with for a program file in folder: the
// program's base name with ".exe" and the "/" before the resource name, as the pages'
// addresses are composed. Whatever the file is called ("VarnelCalc", "VarnelCalc.exe",
// "VarnelCalc-1.0.85"), the root matches the addresses composed for it.
QString PagesRoot(const QString& folder, const QString& programFileName, QChar separator);

// The Qt resource holding what address names, when address is pagesRoot followed by one
// of the nine built-in names (any case). Anything else, including other folders, ".."
// and other schemes, names nothing.
std::optional<QString> BuiltInResourcePath(const QString& address, const QString& pagesRoot);

// The content of the built-in resource that address names for the running program.
std::optional<QByteArray> ReadBuiltIn(const QString& address);

// A name used inside a page, resolved against the page's own address. Our addresses hold
// native paths ("res://C:\Tools\VarnelCalc.exe/gold.html") that QUrl would misread as a
// host, so only a bare relative name is joined; anything absolute stays as written and
// is then judged by the resolver like any other address.
QString ResolveRelative(const QString& pageAddress, const QString& name);

} // namespace pages
