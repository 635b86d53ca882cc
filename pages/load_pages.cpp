// SPDX-License-Identifier: MIT
#include "load_pages.h"

#include "click_through.h"
#include "page_address.h"

namespace pages {

void LoadPages(const Panes& panes, QWidget* mainWindow, calc::MessageService& messages) {
    new ClickThrough({panes.gold, panes.videos, panes.seo, panes.marlo}, mainWindow, messages);
    panes.help->navigate(PageAddress(kHelpSuffix));
    panes.gold->navigate(PageAddress(kGoldSuffix));
    panes.videos->navigate(PageAddress(kVideosSuffix));
    panes.seo->navigate(PageAddress(kSeoSuffix));
    panes.marlo->navigate(PageAddress(kMarloSuffix));
}

} // namespace pages
