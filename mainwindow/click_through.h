// SPDX-License-Identifier: MIT
#pragma once

#include "calc/message_service.h"
#include "pages/panes.h"
#include "pages/web_pane.h"

#include <QObject>
#include <QPointer>
#include <array>

namespace mainwindow {

// Turns clicks on a recommendation page's product links and image into the product's web
// address, opened outside the program on behalf of mainWindow; the pane itself never acts
// on a click in these pages. Attaches to each pane's page whenever the pane reports one
// complete. Lives as long as mainWindow, its parent.
class ClickThrough final : public QObject {
    Q_OBJECT

public:
    ClickThrough(const pages::Panes& panes, QWidget* mainWindow, calc::MessageService& messages);
    ~ClickThrough() override;

private:
    // Which member holds the pane whose page sends the clicks of each product.
    using Holder = QPointer<pages::WebPane> ClickThrough::*;
    struct HeldPane {
        pages::WebPane* pages::Panes::*pane;
        Holder oDoc;
    };
    static const std::array<HeldPane, 4> kHeldPanes;

    void watch(pages::WebPane* pane, const pages::PanePage& page, Holder oDoc);
    void attach(pages::WebPane& pane, const pages::PanePage& page, Holder oDoc);
    bool click(const pages::PanePage& page, const pages::PageElement& clicked);

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
