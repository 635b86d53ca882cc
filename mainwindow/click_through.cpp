// SPDX-License-Identifier: MIT
#include "mainwindow/click_through.h"

#include "desktop/open_link.h"
#include "product/product.h"

#include <algorithm>

namespace mainwindow {

const std::array<ClickThrough::HeldPane, 4> ClickThrough::kHeldPanes = {{
    {&pages::Panes::gold, &ClickThrough::oDocGold},
    {&pages::Panes::videos, &ClickThrough::oDocVids},
    {&pages::Panes::seo, &ClickThrough::oDocSEO},
    {&pages::Panes::marlo, &ClickThrough::oDocMarlo},
}};

ClickThrough::ClickThrough(const pages::Panes& panes, QWidget* mainWindow,
                           calc::MessageService& messages)
    : QObject(mainWindow), mainWindow_(mainWindow), messages_(messages) {
    for (const pages::PanePage& page : pages::kPanePages) {
        if (const auto held = std::ranges::find(kHeldPanes, page.pane, &HeldPane::pane);
            held != kHeldPanes.end())
            watch(panes.*page.pane, page, held->oDoc);
    }
}

ClickThrough::~ClickThrough() {
    // A pane may outlive this object; its page must not call back into it.
    for (const HeldPane& held : kHeldPanes) {
        if (const QPointer<pages::WebPane>& oDoc = this->*held.oDoc)
            oDoc->setClickHandler({});
    }
}

void ClickThrough::watch(pages::WebPane* pane, const pages::PanePage& page, Holder oDoc) {
    connect(pane, &pages::WebPane::documentComplete, this,
            [this, pane, &page, oDoc] { attach(*pane, page, oDoc); });
}

// Clicks come from the page now shown only: the pane gives each new page a fresh start.
void ClickThrough::attach(pages::WebPane& pane, const pages::PanePage& page, Holder oDoc) {
    if (!pane.hasPage())
        return;
    this->*oDoc = &pane;
    pane.setClickHandler(
        [this, &page](const pages::PageElement& clicked) { return click(page, clicked); });
}

bool ClickThrough::click(const pages::PanePage& page, const pages::PageElement& clicked) {
    // Whatever is clicked, the pane does nothing of its own: "#" neither jumps nor scrolls.
    if (clicked.tagName != u"IMG" && clicked.tagName != u"A")
        return false;
    if (clicked.id == QLatin1String(page.linkId)) {
        mAPI::OpenLink(QLatin1String(product::kHomeAddress) + QLatin1String(page.productPath),
                       QString::number(mainWindow_->winId()));
    } else {
        messages_.show("ID " + clicked.id.toStdString() + " is not recognized.",
                       calc::MessageIcon::Information, "Unknown ID!");
    }
    return false;
}

} // namespace mainwindow
