// SPDX-License-Identifier: MIT
#include "widgets/accessible_roles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace widgets {
namespace {

constexpr const char* kRoleProperty = "widgets.accessibleRole";

QAccessibleInterface* CreateAccessible(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    // Asked once for each class up the hierarchy: answer for the widget's own class only.
    if (!widget || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (const QVariant role = widget->property(kRoleProperty); role.isValid())
        return new QAccessibleWidget(widget, role.value<QAccessible::Role>());
    return nullptr;
}

void InstallFactory() {
    static const bool installed = (QAccessible::installFactory(CreateAccessible), true);
    Q_UNUSED(installed);
}

} // namespace

// Qt makes a widget's interface as soon as the widget raises its first accessibility event,
// screen reader or not, and keeps it for good: one made before the widget was told its role
// has to go.
void DropCachedInterface(QWidget& widget) {
    if (QAccessibleInterface* cached = QAccessible::queryAccessibleInterface(&widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));
}

void SetAccessibleRole(QWidget& widget, QAccessible::Role role) {
    InstallFactory();
    widget.setProperty(kRoleProperty, QVariant::fromValue(role));
    DropCachedInterface(widget);
}

} // namespace widgets
