// SPDX-License-Identifier: MIT
#include "mainwindow/load_pages.h"

#include "mainwindow/click_through.h"
#include "pages/page_address.h"

namespace mainwindow {

void LoadPages(const Panes& panes, QWidget* mainWindow, calc::MessageService& messages) {
    new ClickThrough({panes.gold, panes.videos, panes.seo, panes.marlo}, mainWindow, messages);
    // The four recommendation pages share one title; a reader tells their panes apart by the
    // product each one shows. The help pane goes by its page's title.
    panes.gold->setAccessibleName(QStringLiteral("Varnel Gold"));
    panes.videos->setAccessibleName(QStringLiteral("Varnel Videos"));
    panes.seo->setAccessibleName(QStringLiteral("SEO Zorvik"));
    panes.marlo->setAccessibleName(QStringLiteral("Marlo Vesk"));
    panes.help->navigate(pages::PageAddress(pages::kHelpSuffix));
    panes.gold->navigate(pages::PageAddress(pages::kGoldSuffix));
    panes.videos->navigate(pages::PageAddress(pages::kVideosSuffix));
    panes.seo->navigate(pages::PageAddress(pages::kSeoSuffix));
    panes.marlo->navigate(pages::PageAddress(pages::kMarloSuffix));
}

} // namespace mainwindow
