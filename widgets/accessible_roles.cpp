// SPDX-License-Identifier: MIT
#include "accessible_roles.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>

namespace widgets {
namespace {

constexpr const char* kRoleProperty = "widgets.accessibleRole";
constexpr const char* kCaptionProperty = "widgets.labelledBy";

QWidget* CaptionOf(const QWidget& label) {
    return label.property(kCaptionProperty).value<QPointer<QWidget>>();
}

// A label read as its text (or its name, when one is set), with a description and the
// caption it is labelled by.
class LabelledLabelAccessible final : public QAccessibleWidget {
public:
    explicit LabelledLabelAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto result = QAccessibleWidget::relations(match);
        if (QWidget* caption = CaptionOf(*widget()); caption && (match & QAccessible::Label)) {
            if (QAccessibleInterface* captionInterface =
                    QAccessible::queryAccessibleInterface(caption))
                result.append({captionInterface, QAccessible::Label});
        }
        return result;
    }
};

QAccessibleInterface* CreateAccessible(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    // Asked once for each class up the hierarchy: answer for the widget's own class only.
    if (!widget || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto* label = qobject_cast<QLabel*>(widget); label && CaptionOf(*label))
        return new LabelledLabelAccessible(label);
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

void SetLabelledBy(QLabel& label, QWidget& caption) {
    InstallFactory();
    label.setProperty(kCaptionProperty, QVariant::fromValue(QPointer<QWidget>(&caption)));
    DropCachedInterface(label);
}

} // namespace widgets
