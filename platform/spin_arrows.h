// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QLineEdit;
class QToolButton;

namespace calc {
class SpinButton;
}

namespace mAPI {

// The up and down arrows beside an input box, stepping the engine's spin button, which
// writes the new value into its box. An arrow held down repeats. Each arrow is a button of
// its own for screen readers, named after the figure: "Clicks up", "Clicks down".
class SpinArrows final : public QWidget {
public:
    SpinArrows(calc::SpinButton& model, const QString& figure, QWidget* parent);

    QAbstractButton& upArrow() const;
    QAbstractButton& downArrow() const;

    const calc::SpinButton& model() const { return model_; }

    // The Up and Down keys in the line edit step as the arrows do, and screen readers know
    // the edit and the arrows as one spin box.
    void takeArrowKeysOf(QLineEdit& edit);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int direction);

    calc::SpinButton& model_;
    QPointer<QLineEdit> edit_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace mAPI
