// SPDX-License-Identifier: MIT
#pragma once

#include "calc/message_service.h"
#include "pages/panes.h"

class QWidget;

namespace mainwindow {

// Points the five panes at their built-in pages, names the recommendation panes for readers,
// and makes clicks in the four recommendation pages open the products' web addresses on
// behalf of mainWindow, which owns what this sets up. Returns at once: the pages arrive from
// the event loop. From the main window's load step:
//
//     LoadPages({ucHelpDisplay, ucVarnelGold, ucVarnelVideos, ucSEOZorvik, ucMarlo},
//                      this, messages);
void LoadPages(const pages::Panes& panes, QWidget* mainWindow, calc::MessageService& messages);

} // namespace mainwindow
