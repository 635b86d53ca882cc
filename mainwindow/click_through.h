// SPDX-License-Identifier: MIT
#pragma once

#include "web_pane.h"

#include <QObject>
#include <memory>
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
    void attach(const WebPane& pane, const Slot& slot);
    bool click(const Slot& slot);

    QWidget* mainWindow_;
    calc::MessageService& messages_;

    // The page shown in each recommendation pane, whose clicks come here, and its window,
    // from which the clicked element is read. Empty until the pane's first page is complete.
    std::shared_ptr<PageDocument> oDocGold;
    std::shared_ptr<PageDocument> oDocVids;
    std::shared_ptr<PageDocument> oDocSEO;
    std::shared_ptr<PageDocument> oDocMarlo;
    std::shared_ptr<PageWindow> oWinGold;
    std::shared_ptr<PageWindow> oWinVids;
    std::shared_ptr<PageWindow> oWinSEO;
    std::shared_ptr<PageWindow> oWinMarlo;
};

} // namespace pages
