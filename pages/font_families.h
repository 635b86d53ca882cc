// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace pages {

// Turns a CSS font-family list ("Verdana, 'Arial', sans-serif") into Qt family names in
// the same order, each replaced by the installed look-alike when the named one is missing,
// so that pages written for Verdana and Arial keep their proportions.
QStringList MapFontFamilies(const QString& cssFamilies);

} // namespace pages
