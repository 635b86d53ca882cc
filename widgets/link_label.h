// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace widgets {

// A caption that opens something: underlined in link blue, with the hand pointer over it.
// A click (press and release on the label) activates it, and so do Enter and Space while
// it has the keyboard focus. One action of the user's opens it once: the second click of a
// double click and the repeats of a key held down do nothing. Screen readers see a link that
// can be pressed.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    void activate() { emit activated(); }

signals:
    void activated();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace widgets
