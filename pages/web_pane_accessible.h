// SPDX-License-Identifier: MIT
#pragma once

namespace pages {

// Makes every WebPane readable by assistive technology: the pane is a document whose
// children are the page's runs of text (static text), links (link) and images (graphic),
// named by their text or alternative text. Links and images can be pressed, with the
// effect of a click. Safe to call more than once.
void InstallWebPaneAccessibility();

} // namespace pages
