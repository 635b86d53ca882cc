// SPDX-License-Identifier: MIT
#include "widgets/link_label.h"

#include "widgets/fonts.h"
#include "widgets/hand_cursor.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace widgets {
namespace {

class LinkLabelAccessible final : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return link().text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action == pressAction())
            link().activate();
    }

private:
    LinkLabel& link() const { return *static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* CreateAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()))
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    return nullptr;
}

constexpr QColor kLinkBlue(19, 56, 142);

} // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    static const bool accessibleFactoryInstalled =
        (QAccessible::installFactory(CreateAccessible), true);
    Q_UNUSED(accessibleFactoryInstalled);

    QFont font = DesignFont(kVerdana, 8.25);
    font.setUnderline(true);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, kLinkBlue);
    setPalette(palette);
    setCursor(HandCursor());
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked = pressed_ && event->button() == Qt::LeftButton &&
                         rect().contains(event->position().toPoint());
    pressed_ = false;
    if (clicked)
        activate();
    else
        QLabel::mouseReleaseEvent(event);
}

// The press that a double click ends with has come before this event: its release must not
// open the link a second time.
void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = false;
    event->accept();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // A repeat is taken all the same: passed on, Enter would press the dialog's button.
        if (!event->isAutoRepeat())
            activate();
        break;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect =
        style()->itemTextRect(fontMetrics(), contentsRect(), alignment(), isEnabled(), text());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

} // namespace widgets
