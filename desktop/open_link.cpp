// SPDX-License-Identifier: MIT
#include "desktop/open_link.h"

#include <QDesktopServices>
#include <QUrl>
#include <utility>

namespace mAPI {
namespace {

void OpenWithDesktop(const QString& address, const QString&) {
    // TolerantMode keeps blanks and other unescaped characters as the caller wrote them;
    // QUrl encodes them only where the receiving program needs it.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

LinkOpener& CurrentOpener() {
    static LinkOpener opener = OpenWithDesktop;
    return opener;
}

} // namespace

void OpenLink(const QString& address, const QString& ownerWindow) {
    CurrentOpener()(address, ownerWindow);
}

LinkOpener SetLinkOpener(LinkOpener opener) {
    return std::exchange(CurrentOpener(), std::move(opener));
}

} // namespace mAPI
