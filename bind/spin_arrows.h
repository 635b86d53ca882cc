// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QKeyEvent;
class QLineEdit;
class QToolButton;

namespace calc {
class SpinButton;
}

namespace bind {

// The up and down arrows beside an input box, stepping the engine's spin button, which
// writes the new value into its box. An arrow held down repeats. Each arrow is a button of
// its own for screen readers, named after the figure: "Clicks up", "Clicks down".
//
// A step that raises a message box ends the repeat: the arrow comes up, and further
// repeats (the arrow's timer, or a key held down) do nothing until the user presses an arrow
// or the key anew. Nothing steps while a box is open. One press thus gives at most one box.
class SpinArrows final : public QWidget {
public:
    SpinArrows(calc::SpinButton& model, const QString& figure, QWidget* parent);

    QAbstractButton& upArrow() const;
    QAbstractButton& downArrow() const;

    const calc::SpinButton& model() const { return model_; }

    // The Up and Down keys in the line edit step as the arrows do, and screen readers know
    // the edit and the arrows as one spin box.
    void takeArrowKeysOf(QLineEdit& edit);

    // A new action of the user's (the wheel's notches): steps up for positive counts, down
    // for negative ones, and stops at a step that raises a message box.
    void stepBy(int steps);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Move = bool (calc::SpinButton::*)();
    // Steps unless repeats are halted; arrow is the one held down, if any.
    void step(Move move, QAbstractButton* arrow);
    bool filterKey(const QKeyEvent& key);

    calc::SpinButton& model_;
    QToolButton* up_;
    QToolButton* down_;
    QPointer<QLineEdit> edit_;
    bool repeatHalted_ = false;
};

} // namespace bind
