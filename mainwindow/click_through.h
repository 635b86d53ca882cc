// SPDX-License-Identifier: MIT
#pragma once

#include "web_pane.h"

#include <QObject>
#include <QPointer>
#include <message_service.h>

namespace pages {

struct RecommendationPanes {
    WebPane* gold;
    WebPane* videos;
    WebPane* seo;
    WebPane* marlo;
};

// Turns clicks on a recommendation page's product links and image into the product's web
// address, opened outside the program on behalf of mainWindow; the pane itself never acts
// on a click in these pages. Attaches to each pane's page whenever the pane reports one
// complete. Lives as long as mainWindow, its parent.
class ClickThrough final : public QObject {
    Q_OBJECT

public:
    ClickThrough(const RecommendationPanes& panes, QWidget* mainWindow,
                 calc::MessageService& messages);
    ~ClickThrough() override;

private:
    struct Slot;
    static const Slot kGold;
    static const Slot kVideos;
    static const Slot kSeo;
    static const Slot kMarlo;

    void watch(WebPane* pane, const Slot& slot);
    void attach(WebPane& pane, const Slot& slot);
    bool click(const Slot& slot, const PageElement& clicked);

    QWidget* mainWindow_;
    calc::MessageService& messages_;

    // The pane whose page sends its clicks here; empty until the pane's first page is
    // complete, and again if the pane goes before this object.
    QPointer<WebPane> oDocGold;
    QPointer<WebPane> oDocVids;
    QPointer<WebPane> oDocSEO;
    QPointer<WebPane> oDocMarlo;
};

} // namespace pages
