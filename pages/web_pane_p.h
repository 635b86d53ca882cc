// SPDX-License-Identifier: MIT
#pragma once

#include "page_document_p.h"
#include "web_pane.h"

#include <litehtml/litehtml.h>
#include <memory>

namespace pages {

// What a WebPane holds of litehtml's, kept out of its public header.
class WebPane::Private {
public:
    static Private& of(const WebPane& pane) { return *pane.d_; }

    std::shared_ptr<PageDocument> document; // nullptr until the first page is loaded
    litehtml::element::weak_ptr pressed;    // where the left button went down
};

// The page shown in pane; nullptr until the first one has been loaded.
inline std::shared_ptr<PageDocument> DocumentOf(const WebPane& pane) {
    return WebPane::Private::of(pane).document;
}

// Clicks element of the page shown in pane, as the mouse does: the page's click handler
// runs, then, unless it cancelled, the pane's own action (following a link).
void ClickElement(WebPane& pane, const litehtml::element::ptr& element);

} // namespace pages
