// SPDX-License-Identifier: MIT
#pragma once

namespace pages {

class WebPane;

// Makes every WebPane readable by assistive technology: the pane is a document with the
// page's text, caret and selection, whose children are its headings, lists, list items,
// paragraphs, loose text, links and images (see PageNode). Links and images can be
// pressed, with the effect of a click. Safe to call more than once.
void InstallWebPaneAccessibility();

// Tells assistive technology that the focus is on the pane's focused link.
void ReportFocusedLink(WebPane& pane);

} // namespace pages
