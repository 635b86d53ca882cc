// SPDX-License-Identifier: MIT
#include "mainwindow/click_through.h"

#include "desktop/open_link.h"
#include "product/product.h"

namespace mainwindow {

struct ClickThrough::Slot {
    const char* id;   // carried by every link and the image of the slot's page
    const char* path; // follows the home address
    QPointer<pages::WebPane> ClickThrough::*oDoc;
};

const ClickThrough::Slot ClickThrough::kGold{"idx_gold", "/recommends/varnel-gold.html",
                                             &ClickThrough::oDocGold};
const ClickThrough::Slot ClickThrough::kVideos{"idx_vid", "/recommends/varnel-videos.html",
                                               &ClickThrough::oDocVids};
const ClickThrough::Slot ClickThrough::kSeo{"idx_seo", "/recommends/seo-zorvik.html",
                                            &ClickThrough::oDocSEO};
const ClickThrough::Slot ClickThrough::kMarlo{"idx_marlo", "/recommends/marlovesk.html",
                                              &ClickThrough::oDocMarlo};

ClickThrough::ClickThrough(const RecommendationPanes& panes, QWidget* mainWindow,
                           calc::MessageService& messages)
    : QObject(mainWindow), mainWindow_(mainWindow), messages_(messages) {
    watch(panes.gold, kGold);
    watch(panes.videos, kVideos);
    watch(panes.seo, kSeo);
    watch(panes.marlo, kMarlo);
}

ClickThrough::~ClickThrough() {
    // A pane may outlive this object; its page must not call back into it.
    for (const QPointer<pages::WebPane>& oDoc : {oDocGold, oDocVids, oDocSEO, oDocMarlo}) {
        if (oDoc)
            oDoc->setClickHandler({});
    }
}

void ClickThrough::watch(pages::WebPane* pane, const Slot& slot) {
    connect(pane, &pages::WebPane::documentComplete, this,
            [this, pane, &slot] { attach(*pane, slot); });
}

// Clicks come from the page now shown only: the pane gives each new page a fresh start.
void ClickThrough::attach(pages::WebPane& pane, const Slot& slot) {
    if (!pane.hasPage())
        return;
    this->*slot.oDoc = &pane;
    pane.setClickHandler(
        [this, &slot](const pages::PageElement& clicked) { return click(slot, clicked); });
}

bool ClickThrough::click(const Slot& slot, const pages::PageElement& clicked) {
    // Whatever is clicked, the pane does nothing of its own: "#" neither jumps nor scrolls.
    if (clicked.tagName != u"IMG" && clicked.tagName != u"A")
        return false;
    if (clicked.id == QLatin1String(slot.id)) {
        mAPI::OpenLink(QLatin1String(product::kHomeAddress) + QLatin1String(slot.path),
                       QString::number(mainWindow_->winId()));
    } else {
        messages_.show("ID " + clicked.id.toStdString() + " is not recognized.",
                       calc::MessageIcon::Information, "Unknown ID!");
    }
    return false;
}

} // namespace mainwindow
