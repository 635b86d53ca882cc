// SPDX-License-Identifier: MIT
#include "bind/spin_box_accessible.h"

#include "calc/spin_button.h"
#include "widgets/accessible_roles.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPointer>

namespace bind {
namespace {

constexpr const char* kArrowsProperty = "bind.spinArrows";
constexpr const char* kRangeProperty = "bind.spinRange";

const calc::SpinButton* RangeOf(const QObject& edit) {
    if (!edit.property(kArrowsProperty).value<QPointer<QObject>>())
        return nullptr;
    return static_cast<const calc::SpinButton*>(edit.property(kRangeProperty).value<const void*>());
}

class SpinBoxAccessible final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface,
                                public QAccessibleValueInterface {
public:
    explicit SpinBoxAccessible(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        switch (type) {
        case QAccessible::TextInterface:
            return static_cast<QAccessibleTextInterface*>(this);
        case QAccessible::EditableTextInterface:
            return static_cast<QAccessibleEditableTextInterface*>(this);
        case QAccessible::ValueInterface:
            return static_cast<QAccessibleValueInterface*>(this);
        default:
            return QAccessibleWidget::interface_cast(type);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !edit().isReadOnly();
        state.readOnly = edit().isReadOnly();
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return edit().text();
        return QAccessibleWidget::text(kind);
    }

    // Text
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && edit().hasSelectedText()) {
            *start = edit().selectionStart();
            *end = *start + int(edit().selectedText().size());
        }
    }
    int selectionCount() const override { return edit().hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0)
            edit().deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0)
            edit().setSelection(start, end - start);
    }
    int cursorPosition() const override { return edit().cursorPosition(); }
    void setCursorPosition(int position) override { edit().setCursorPosition(position); }
    QString text(int start, int end) const override {
        return edit().text().mid(start, end - start);
    }
    int characterCount() const override { return int(edit().text().size()); }
    QRect characterRect(int offset) const override {
        // Measured from the caret, the one place a line edit tells.
        const QString text = edit().text();
        const QRect caret = edit().inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QFontMetrics metrics = edit().fontMetrics();
        const int left = caret.x() - metrics.horizontalAdvance(text.left(edit().cursorPosition())) +
                         metrics.horizontalAdvance(text.left(offset));
        const int width = offset < text.size() ? metrics.horizontalAdvance(text.at(offset)) : 0;
        return QRect(edit().mapToGlobal(QPoint(left, caret.y())), QSize(width, caret.height()));
    }
    int offsetAtPoint(const QPoint& point) const override {
        return edit().cursorPositionAt(edit().mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override {
        edit().setCursorPosition(end);
        edit().setCursorPosition(start);
    }
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // Editable text
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        edit().setText(edit().text().replace(start, end - start, text));
    }

    // Value: the box's text as it stands, which may be empty or not a number at all; the
    // range is the arrows'.
    QVariant currentValue() const override { return edit().text(); }
    void setCurrentValue(const QVariant& value) override {
        edit().setText(QString::number(value.toLongLong()));
    }
    QVariant maximumValue() const override { return range() ? range()->maximum() : QVariant(); }
    QVariant minimumValue() const override { return range() ? range()->minimum() : QVariant(); }
    QVariant minimumStepSize() const override { return range() ? range()->step() : QVariant(); }

private:
    QLineEdit& edit() const { return *static_cast<QLineEdit*>(widget()); }
    const calc::SpinButton* range() const { return RangeOf(edit()); }
};

QAccessibleInterface* CreateAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("QLineEdit") && RangeOf(*object))
        return new SpinBoxAccessible(static_cast<QLineEdit*>(object));
    return nullptr;
}

} // namespace

void ExposeAsSpinBox(QLineEdit& edit, const QObject& arrows, const calc::SpinButton& range) {
    static const bool installed = (QAccessible::installFactory(CreateAccessible), true);
    Q_UNUSED(installed);
    edit.setProperty(kArrowsProperty,
                     QVariant::fromValue(QPointer<QObject>(const_cast<QObject*>(&arrows))));
    edit.setProperty(kRangeProperty, QVariant::fromValue(static_cast<const void*>(&range)));
    widgets::DropCachedInterface(edit);
}

void AnnounceStep(QLineEdit& edit) {
    QAccessibleValueChangeEvent event(&edit, edit.text().toDouble());
    QAccessible::updateAccessibility(&event);
}

} // namespace bind
