// SPDX-License-Identifier: MIT
#pragma once

#include "calc/message_service.h"
#include "pages/web_pane.h"

namespace mainwindow {

struct Panes {
    pages::WebPane* help;
    pages::WebPane* gold;
    pages::WebPane* videos;
    pages::WebPane* seo;
    pages::WebPane* marlo;
};

// Points the five panes at their built-in pages, in the order help, gold, videos, SEO,
// Marlo, and makes clicks in the four recommendation pages open the products' web
// addresses on behalf of mainWindow, which owns what this sets up. Returns at once: the
// pages arrive from the event loop. From the main window's load step:
//
//     LoadPages({ucHelpDisplay, ucVarnelGold, ucVarnelVideos, ucSEOZorvik, ucMarlo},
//                      this, messages);
void LoadPages(const Panes& panes, QWidget* mainWindow, calc::MessageService& messages);

} // namespace mainwindow
