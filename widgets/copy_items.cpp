// SPDX-License-Identifier: MIT
#include "widgets/copy_items.h"

#include "widgets/announcement.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace widgets {

void AddCopyItems(QMenu& menu, QWidget& window, const QWidget& source, PlainNumberOf number) {
    const QPointer<const QWidget> shown(&source);
    const QPointer<QWidget> teller(&window);
    const auto copy = [shown, teller](PlainNumberOf as) {
        if (!shown || !teller)
            return;
        // QLabel and QLineEdit both hold their text in this property.
        QString text = shown->property("text").toString();
        if (as)
            text = as(text);
        QGuiApplication::clipboard()->setText(text);
        Announce(*teller, QStringLiteral("Copied ") + text);
    };
    QObject::connect(menu.addAction(QStringLiteral("Copy")), &QAction::triggered, &menu,
                     [copy] { copy(nullptr); });
    QObject::connect(menu.addAction(QStringLiteral("Copy Number")), &QAction::triggered, &menu,
                     [copy, number] { copy(number); });
}

} // namespace widgets
