// SPDX-License-Identifier: MIT
#pragma once

#include "pages/page_address.h"

#include <array>

namespace pages {

class WebPane;

// The main window's five panes, one for each built-in page.
struct Panes {
    WebPane* help;
    WebPane* gold;
    WebPane* videos;
    WebPane* seo;
    WebPane* marlo;
};

// What each pane shows, what a reader calls it and where its page's product leads.
struct PanePage {
    WebPane* Panes::*pane;
    const char* suffix;      // follows the program's base name in the page's address
    const char* spokenName;  // null: the pane goes by its page's title
    const char* linkId;      // carried by the product's links and picture; null: no product
    const char* productPath; // follows the product's home address
};

// In the order the pages are loaded. The four recommendation pages share one title; a reader
// tells their panes apart by the product each one shows.
inline constexpr std::array<PanePage, 5> kPanePages = {{
    {&Panes::help, kHelpSuffix, nullptr, nullptr, nullptr},
    {&Panes::gold, kGoldSuffix, "Varnel Gold", "idx_gold", "/recommends/varnel-gold.html"},
    {&Panes::videos, kVideosSuffix, "Varnel Videos", "idx_vid", "/recommends/varnel-videos.html"},
    {&Panes::seo, kSeoSuffix, "SEO Zorvik", "idx_seo", "/recommends/seo-zorvik.html"},
    {&Panes::marlo, kMarloSuffix, "Marlo Vesk", "idx_marlo", "/recommends/marlovesk.html"},
}};

} // namespace pages
