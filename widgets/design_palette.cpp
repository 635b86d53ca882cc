// SPDX-License-Identifier: MIT
#include "widgets/design_palette.h"

#include <QApplication>
#include <iterator>

namespace widgets::design {
namespace {

struct RoleColours {
    QPalette::ColorRole role;
    QColor normal;   // active and inactive windows alike
    QColor disabled; // controls that cannot be used
};

// The colours of the light desktop the windows were drawn on.
constexpr RoleColours kRoles[] = {
    {QPalette::WindowText, QColor(0, 0, 0), QColor(190, 190, 190)},
    {QPalette::Button, QColor(239, 239, 239), QColor(239, 239, 239)},
    {QPalette::Light, QColor(255, 255, 255), QColor(255, 255, 255)},
    {QPalette::Midlight, QColor(202, 202, 202), QColor(202, 202, 202)},
    {QPalette::Dark, QColor(159, 159, 159), QColor(190, 190, 190)},
    {QPalette::Mid, QColor(184, 184, 184), QColor(184, 184, 184)},
    {QPalette::Text, QColor(0, 0, 0), QColor(190, 190, 190)},
    {QPalette::BrightText, QColor(255, 255, 255), QColor(255, 255, 255)},
    {QPalette::ButtonText, QColor(0, 0, 0), QColor(190, 190, 190)},
    {QPalette::Base, QColor(255, 255, 255), QColor(239, 239, 239)},
    {QPalette::Window, QColor(239, 239, 239), QColor(239, 239, 239)},
    {QPalette::Shadow, QColor(118, 118, 118), QColor(177, 177, 177)},
    {QPalette::Highlight, QColor(48, 140, 198), QColor(145, 145, 145)},
    {QPalette::HighlightedText, QColor(255, 255, 255), QColor(255, 255, 255)},
    {QPalette::Link, QColor(0, 0, 255), QColor(0, 0, 255)},
    {QPalette::LinkVisited, QColor(255, 0, 255), QColor(255, 0, 255)},
    {QPalette::AlternateBase, QColor(247, 247, 247), QColor(247, 247, 247)},
    {QPalette::ToolTipBase, QColor(255, 255, 220), QColor(255, 255, 220)},
    {QPalette::ToolTipText, QColor(0, 0, 0), QColor(0, 0, 0)},
    {QPalette::PlaceholderText, QColor(0, 0, 0, 128), QColor(0, 0, 0, 128)},
};
// Every role but NoRole.
static_assert(std::size(kRoles) == QPalette::NColorRoles - 1);

} // namespace

QPalette LightPalette() {
    QPalette palette;
    for (const RoleColours& each : kRoles) {
        palette.setColor(QPalette::Active, each.role, each.normal);
        palette.setColor(QPalette::Inactive, each.role, each.normal);
        palette.setColor(QPalette::Disabled, each.role, each.disabled);
    }
    return palette;
}

void UseDesignStyle() {
    QApplication::setStyle(QStringLiteral("Fusion"));
}

} // namespace widgets::design
