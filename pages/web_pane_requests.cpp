// SPDX-License-Identifier: MIT
// How a pane is asked for a page and when it loads it, whichever renderer lays it out.
#include "page_log_p.h"
#include "web_pane.h"

#include <QFile>
#include <QShowEvent>
#include <utility>

namespace pages {
namespace {

QByteArray NotFoundPage() {
    QFile page(QStringLiteral(":/pane/not-found.html"));
    page.open(QIODevice::ReadOnly);
    return page.readAll();
}

} // namespace

void WebPane::setResourceReader(ResourceReader reader) {
    read_ = std::move(reader);
}

void WebPane::navigate(const QString& address) {
    request({address, std::nullopt});
}

void WebPane::setHtml(const QByteArray& html, const QString& address) {
    request({address, html});
}

// A pane on a tab nobody has opened yet waits until it is shown: the window then opens
// without first laying out pages no one sees.
void WebPane::request(Request request) {
    const bool queued = requested_.has_value() && isVisible();
    requested_ = std::move(request);
    if (!queued && isVisible())
        QMetaObject::invokeMethod(this, &WebPane::loadRequested, Qt::QueuedConnection);
}

void WebPane::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    if (requested_ && !event->spontaneous())
        QMetaObject::invokeMethod(this, &WebPane::loadRequested, Qt::QueuedConnection);
}

void WebPane::loadRequested() {
    if (!requested_)
        return; // loaded already by an earlier call
    const Request request = *std::exchange(requested_, std::nullopt);
    std::optional<QByteArray> html = request.html ? request.html : read_(request.address);
    if (!html) {
        qCInfo(lcPages, "nothing to show at %ls: showing the not-found page",
               qUtf16Printable(request.address));
        html = NotFoundPage();
    }
    showPage(request.address, *html);
    emit documentComplete(this, request.address);
}

} // namespace pages
