// SPDX-License-Identifier: MIT
#include "widgets/announcement.h"

#include "widgets/accessible_roles.h"

#include <QString>
#include <QWidget>

namespace widgets {
namespace {

const QString kNoticeName = QStringLiteral("announcement");

// An empty, see-through speck in the window's corner: readers only speak what is shown.
QWidget& NoticeOf(QWidget& window) {
    if (auto* notice = window.findChild<QWidget*>(kNoticeName, Qt::FindDirectChildrenOnly))
        return *notice;
    auto* notice = new QWidget(&window);
    notice->setObjectName(kNoticeName);
    notice->setGeometry(0, 0, 1, 1);
    notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    notice->setFocusPolicy(Qt::NoFocus);
    SetAccessibleRole(*notice, QAccessible::Notification);
    return *notice;
}

} // namespace

void Announce(QWidget& window, const QString& words) {
    QWidget& notice = NoticeOf(window);
    // Hidden first: news shown again, even in the same words, is spoken again.
    notice.hide();
    notice.setAccessibleName(words);
    notice.raise();
    notice.show();
}

} // namespace widgets
