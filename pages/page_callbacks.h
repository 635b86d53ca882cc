// SPDX-License-Identifier: MIT
#pragma once

#include "pages/page_element.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace pages {

// Told which element a click landed on; returns false to cancel the pane's own action.
using ClickHandler = std::function<bool(const PageElement& clicked)>;

// The content at address (a page or a picture), or nothing when address names nothing.
using ResourceReader = std::function<std::optional<QByteArray>(const QString& address)>;

} // namespace pages
