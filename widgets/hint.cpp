// SPDX-License-Identifier: MIT
#include "widgets/hint.h"

#include "widgets/accessible_roles.h"
#include "widgets/quiet_news.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <algorithm>

namespace widgets {
namespace {

const QString kHintName = QStringLiteral("hint");

bool IsModifier(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

// A real tooltip is a window of its own, above the others, where it takes the clicks meant for
// the controls under it; this one is a child of the window, see-through for the mouse.
class HintLabel final : public QLabel {
public:
    explicit HintLabel(QWidget& window) : QLabel(&window) {
        setObjectName(kHintName);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setMargin(2);
        setForegroundRole(QPalette::ToolTipText);
        setBackgroundRole(QPalette::ToolTipBase);
        setAutoFillBackground(true);
        SetAccessibleRole(*this, QAccessible::ToolTip);
        // A reader would read the focused box again each time the note goes away.
        HideQuietly(*this);
        QLabel::hide();
        expiry_.setSingleShot(true);
        connect(&expiry_, &QTimer::timeout, this, &QWidget::hide);
    }

    void showUnder(const QWidget& control, const QString& text, std::chrono::milliseconds shown) {
        setText(text);
        adjustSize();
        const QWidget& window = *parentWidget();
        const QPoint below = control.mapTo(&window, QPoint(0, control.height()));
        move(std::max(0, std::min(below.x(), window.width() - width())),
             std::max(0, std::min(below.y(), window.height() - height())));
        raise();
        show();
        qApp->installEventFilter(this);
        expiry_.start(shown);
    }

protected:
    void hideEvent(QHideEvent* event) override {
        qApp->removeEventFilter(this);
        expiry_.stop();
        QLabel::hideEvent(event);
    }

    // Filtered only while the note is shown. A key goes to the widget with the focus first and
    // then, unused, to its parents: the key whose release showed the note is met no more.
    bool eventFilter(QObject* receiver, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::WindowDeactivate:
            hide();
            break;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (receiver == QApplication::focusWidget() &&
                !IsModifier(static_cast<const QKeyEvent&>(*event).key()))
                hide();
            break;
        default:
            break;
        }
        return false;
    }

private:
    QTimer expiry_;
};

} // namespace

void ShowHint(QWidget& control, const QString& text, std::chrono::milliseconds shown) {
    QWidget& window = *control.window();
    auto* hint = window.findChild<HintLabel*>(kHintName, Qt::FindDirectChildrenOnly);
    if (!hint)
        hint = new HintLabel(window);
    hint->showUnder(control, text, shown);
}

QWidget* HintOf(const QWidget& window) {
    return window.findChild<HintLabel*>(kHintName, Qt::FindDirectChildrenOnly);
}

} // namespace widgets
