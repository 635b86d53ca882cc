// SPDX-License-Identifier: MIT
#include "pages/page_log_p.h"

namespace pages {

Q_LOGGING_CATEGORY(lcPages, "varnelcalc.pages", QtWarningMsg)

} // namespace pages
