// SPDX-License-Identifier: MIT
#include "click_through.h"

#include <open_link.h>
#include <product.h>

namespace pages {

struct ClickThrough::Slot {
    const char* id;   // carried by every link and the image of the slot's page
    const char* path; // follows the home address
    std::shared_ptr<PageDocument> ClickThrough::*oDoc;
    std::shared_ptr<PageWindow> ClickThrough::*oWin;
};

const ClickThrough::Slot ClickThrough::kGold{"idx_gold", "/recommends/varnel-gold.html",
                                             &ClickThrough::oDocGold, &ClickThrough::oWinGold};
const ClickThrough::Slot ClickThrough::kVideos{"idx_vid", "/recommends/varnel-videos.html",
                                               &ClickThrough::oDocVids, &ClickThrough::oWinVids};
const ClickThrough::Slot ClickThrough::kSeo{"idx_seo", "/recommends/seo-zorvik.html",
                                            &ClickThrough::oDocSEO, &ClickThrough::oWinSEO};
const ClickThrough::Slot ClickThrough::kMarlo{"idx_marlo", "/recommends/marlovesk.html",
                                              &ClickThrough::oDocMarlo, &ClickThrough::oWinMarlo};

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
    for (const std::shared_ptr<PageDocument>& oDoc : {oDocGold, oDocVids, oDocSEO, oDocMarlo}) {
        if (oDoc)
            oDoc->setOnClick({});
    }
}

void ClickThrough::watch(WebPane* pane, const Slot& slot) {
    connect(pane, &WebPane::documentComplete, this, [this, pane, &slot] { attach(*pane, slot); });
}

void ClickThrough::attach(const WebPane& pane, const Slot& slot) {
    std::shared_ptr<PageDocument> shown = pane.document();
    if (!shown)
        return;
    std::shared_ptr<PageDocument>& oDoc = this->*slot.oDoc;
    // Clicks come from the page now shown only.
    if (oDoc)
        oDoc->setOnClick({});
    oDoc = std::move(shown);
    oDoc->setOnClick([this, &slot] { return click(slot); });
    this->*slot.oWin = oDoc->parentWindow();
}

bool ClickThrough::click(const Slot& slot) {
    // Whatever is clicked, the pane does nothing of its own: "#" neither jumps nor scrolls.
    const PageEvent* event = (this->*slot.oWin)->event();
    if (!event)
        return false;
    const PageElement& element = event->srcElement;
    if (element.tagName != u"IMG" && element.tagName != u"A")
        return false;
    if (element.id == QLatin1String(slot.id)) {
        mAPI::OpenLink(QLatin1String(product::kHomeAddress) + QLatin1String(slot.path),
                       QString::number(mainWindow_->winId()));
    } else {
        messages_.show("ID " + element.id.toStdString() + " is not recognized.",
                       calc::MessageIcon::Information, "Unknown ID!");
    }
    return false;
}

} // namespace pages
