// SPDX-License-Identifier: MIT
#include "product/application_facts.h"

#include "calc/message_service.h"
#include "product/version.h"

namespace product {
namespace {

QString AtLeastTwoDigits(int number) {
    return QStringLiteral("%1").arg(number, 2, 10, QChar('0'));
}

} // namespace

QString Title() {
    return QString::fromUtf8(calc::kApplicationTitle);
}

QString VersionText(int major, int minor, int revision) {
    return QStringLiteral("%1.%2; build: %3")
        .arg(major)
        .arg(AtLeastTwoDigits(minor), AtLeastTwoDigits(revision));
}

QString VersionText() {
    return VersionText(version::kMajor, version::kMinor, version::kRevision);
}

QString MainWindowCaption() {
    return Title() + ' ' + VersionText();
}

} // namespace product
