// SPDX-License-Identifier: MIT
#include "resources/images.h"

#include <QFileInfo>
#include <QImageReader>

namespace images {

QPixmap Load(const char* path) {
    const QString file = QString::fromLatin1(path);
    QImageReader reader(file, QFileInfo(file).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : kWindowIconSizes)
        icon.addPixmap(Load(qPrintable(QStringLiteral(":/icons/%1.png").arg(size))));
    return icon;
}

} // namespace images
