// SPDX-License-Identifier: MIT
#include "desktop/title_room.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace desktop {
namespace {

// Icon, minimise, maximise and close buttons with the gaps between them, measured in lines
// of the title font: window managers size their buttons to it.
constexpr int kButtonsInLines = 6;

} // namespace

int TitleBarWidth(const QString& title) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + kButtonsInLines * metrics.height();
}

void MakeRoomForTitle(QMessageBox& box) {
    // Qt gives a message box the width its layout needs at least, so a spacer across the
    // whole layout widens it.
    auto* layout = qobject_cast<QGridLayout*>(box.layout());
    if (!layout)
        return;
    const QMargins margins = layout->contentsMargins();
    const int width = TitleBarWidth(box.windowTitle()) - margins.left() - margins.right();
    layout->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                    layout->rowCount(), 0, 1, layout->columnCount());
}

} // namespace desktop
