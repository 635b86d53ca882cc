// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

namespace pages {

// What the panes leave out on purpose (a style sheet they do not fetch, a picture or page
// that is not there). Quiet unless asked for: QT_LOGGING_RULES="varnelcalc.pages.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcPages)

} // namespace pages
