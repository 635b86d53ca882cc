// SPDX-License-Identifier: MIT
#pragma once

#include "calc/message_service.h"
#include "pages/web_pane.h"

#include <QObject>
#include <QPointer>

namespace mainwindow {

struct RecommendationPanes {
    pages::WebPane* gold;
    pages::WebPane* videos;
    pages::WebPane* seo;
    pages::WebPane* marlo;
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

    void watch(pages::WebPane* pane, const Slot& slot);
    void attach(pages::WebPane& pane, const Slot& slot);
    bool click(const Slot& slot, const pages::PageElement& clicked);

    QWidget* mainWindow_;
    calc::MessageService& messages_;

    // The pane whose page sends its clicks here; empty until the pane's first page is
    // complete, and again if the pane goes before this object.
    QPointer<pages::WebPane> oDocGold;
    QPointer<pages::WebPane> oDocVids;
    QPointer<pages::WebPane> oDocSEO;
    QPointer<pages::WebPane> oDocMarlo;
};

} // namespace mainwindow
