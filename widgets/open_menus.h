// SPDX-License-Identifier: MIT
#pragma once

namespace widgets {

// Shows screen readers the program's open popup menus among its windows, where they look
// for a menu and its items. (Qt keeps popups out of that list, so a reader finds a menu
// item that takes the focus but no menu around it.) Safe to call more than once.
void ExposeOpenMenus();

} // namespace widgets
