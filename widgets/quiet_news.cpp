// SPDX-License-Identifier: MIT
#include "widgets/quiet_news.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

namespace widgets {
namespace {

constexpr const char* kQuietText = "widgets.quietText";
constexpr const char* kUntilFocused = "widgets.quietUntilFocused";
constexpr const char* kHideQuietly = "widgets.hideQuietly";
constexpr const char* kWhileUnfocused = "widgets.quietWhileUnfocused";

QAccessible::UpdateHandler previousHandler = nullptr;

bool IsTextNews(QAccessible::Event type) {
    switch (type) {
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
        return true;
    default:
        return false;
    }
}

} // namespace

bool KeptFromReaders(const QAccessibleEvent& event) {
    QObject* object = event.object();
    if (!object)
        return false;
    // A menu that pops up over its window takes the keys but leaves the window active; a
    // reader told the window became active again would leave the menu and read the window.
    if (QWidget* popup = QApplication::activePopupWidget();
        popup && object != popup && event.type() == QAccessible::StateChanged &&
        static_cast<const QAccessibleStateChangeEvent&>(event).changedStates().active)
        return true;
    if (event.type() == QAccessible::Focus)
        object->setProperty(kUntilFocused, QVariant());
    if (IsTextNews(event.type()) &&
        (object->property(kQuietText).toInt() > 0 || object->property(kUntilFocused).toBool()))
        return true;
    if ((event.type() == QAccessible::TextSelectionChanged ||
         event.type() == QAccessible::TextCaretMoved) &&
        object->property(kWhileUnfocused).toBool() && object->isWidgetType() &&
        !static_cast<const QWidget*>(object)->hasFocus())
        return true;
    return event.type() == QAccessible::ObjectHide && object->property(kHideQuietly).toBool();
}

namespace {

void Filter(QAccessibleEvent* event);

void Forward(QAccessibleEvent* event) {
    if (previousHandler) {
        previousHandler(event);
        return;
    }
    // Qt hands news to the platform's readers only while no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&Filter);
}

void Filter(QAccessibleEvent* event) {
    if (!KeptFromReaders(*event))
        Forward(event);
}

void InstallFilter() {
    static const bool installed =
        (previousHandler = QAccessible::installUpdateHandler(&Filter), true);
    Q_UNUSED(installed);
}

} // namespace

void QuietUntilFocused(QObject& object) {
    InstallFilter();
    object.setProperty(kUntilFocused, true);
}

QuietText::QuietText(QObject& object) : object_(object) {
    InstallFilter();
    object_.setProperty(kQuietText, object_.property(kQuietText).toInt() + 1);
}

QuietText::~QuietText() {
    object_.setProperty(kQuietText, object_.property(kQuietText).toInt() - 1);
}

void QuietWhileUnfocused(QWidget& widget) {
    InstallFilter();
    widget.setProperty(kWhileUnfocused, true);
}

void HideQuietly(QWidget& widget) {
    InstallFilter();
    widget.setProperty(kHideQuietly, true);
}

} // namespace widgets
