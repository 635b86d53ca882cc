// SPDX-License-Identifier: MIT
#include "widgets/open_menus.h"

#include <QAccessibleObject>
#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QWindow>

namespace widgets {
namespace {

// The objects shown to readers as the application's children: its windows, as Qt lists
// them, and the menus open among them.
QObjectList Windows() {
    QObjectList windows;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (window->type() == Qt::Desktop)
            continue;
        QAccessibleInterface* root = window->accessibleRoot();
        QObject* object = root ? root->object() : nullptr;
        if (!object)
            continue;
        if (window->type() == Qt::Popup && !(qobject_cast<QMenu*>(object) && window->isVisible()))
            continue;
        windows.append(object);
    }
    return windows;
}

class ApplicationAccessible final : public QAccessibleObject {
public:
    explicit ApplicationAccessible(QObject* application) : QAccessibleObject(application) {}

    QWindow* window() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return nullptr; }
    int childCount() const override { return int(Windows().size()); }
    QAccessibleInterface* child(int index) const override {
        const QObjectList windows = Windows();
        return index >= 0 && index < windows.size()
                   ? QAccessible::queryAccessibleInterface(windows.at(index))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(Windows().indexOf(child->object())) : -1;
    }
    QAccessibleInterface* focusChild() const override {
        QWindow* window = QGuiApplication::focusWindow();
        return window ? window->accessibleRoot() : nullptr;
    }
    QString text(QAccessible::Text kind) const override {
        switch (kind) {
        case QAccessible::Name:
            return QGuiApplication::applicationName();
        case QAccessible::Description:
            return QGuiApplication::applicationVersion();
        default:
            return {};
        }
    }
    QAccessible::Role role() const override { return QAccessible::Application; }
    QAccessible::State state() const override { return {}; }
};

QAccessibleInterface* CreateAccessible(const QString& className, QObject* object) {
    if (object == QGuiApplication::instance() &&
        className == QLatin1String(object->metaObject()->className()))
        return new ApplicationAccessible(object);
    return nullptr;
}

} // namespace

void ExposeOpenMenus() {
    static const bool installed = [] {
        QAccessible::installFactory(CreateAccessible);
        // Readers may have asked for the application before: forget what Qt made then.
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(qApp))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace widgets
