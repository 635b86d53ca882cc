// SPDX-License-Identifier: MIT
#include "mainwindow/load_pages.h"

#include "mainwindow/click_through.h"
#include "pages/page_address.h"
#include "pages/web_pane.h"

namespace mainwindow {

void LoadPages(const pages::Panes& panes, QWidget* mainWindow, calc::MessageService& messages) {
    new ClickThrough(panes, mainWindow, messages);
    for (const pages::PanePage& page : pages::kPanePages) {
        pages::WebPane* pane = panes.*page.pane;
        if (page.spokenName)
            pane->setAccessibleName(QLatin1String(page.spokenName));
        pane->navigate(pages::PageAddress(page.suffix));
    }
}

} // namespace mainwindow
