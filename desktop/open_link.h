// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

namespace mAPI {

// Hands the address to the desktop's default handler (browser, mail program) exactly as
// composed, and returns at once. Nothing is reported: if nothing can open it, the user
// sees whatever the desktop shows. ownerWindow is the caller's window id as decimal text.
void OpenLink(const QString& address, const QString& ownerWindow);

// Replaces what OpenLink hands addresses to, and returns the one it replaced. Tests use
// it to record addresses instead of starting a browser.
using LinkOpener = std::function<void(const QString& address, const QString& ownerWindow)>;
LinkOpener SetLinkOpener(LinkOpener opener);

} // namespace mAPI
