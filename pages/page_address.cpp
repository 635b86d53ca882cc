// SPDX-License-Identifier: MIT
#include "pages/page_address.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace pages {

QString ComposePageAddress(const QString& folder, const QString& programFileName, QChar separator,
                           const char* suffix) {
    return QStringLiteral("res://") + folder + separator +
           QFileInfo(programFileName).completeBaseName() + QLatin1String(suffix);
}

QString PageAddress(const char* suffix) {
    return ComposePageAddress(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()),
                              QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                              QDir::separator(), suffix);
}

} // namespace pages
