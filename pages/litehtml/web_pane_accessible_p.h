// SPDX-License-Identifier: MIT
#pragma once

class QAbstractScrollArea;
class QAccessibleInterface;
class QWidget;

namespace pages {

class LitehtmlRenderer;

// What assistive technology reads of pane, whose page renderer lays out: the pane is a
// document with the page's text, caret and selection, whose children are its headings,
// lists, list items, paragraphs, loose text, links and images (see PageNode). Links and
// images can be pressed, with the effect of a click.
QAccessibleInterface* MakeWebPaneAccessible(QAbstractScrollArea& pane, LitehtmlRenderer& renderer);

// Tells assistive technology that the focus is on the focused link of pane, whose
// interface MakeWebPaneAccessible made.
void ReportFocusedLink(QWidget& pane);

} // namespace pages
