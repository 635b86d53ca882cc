// SPDX-License-Identifier: MIT
#pragma once

#include "calc/calculator.h"

#include <QObject>
#include <QString>
#include <array>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace widgets {
class FittingLabel;
class FocusGuard;
class QuietText;
} // namespace widgets

namespace mainwindow {

// The calculator tab: the boxes, arrows, step choice, figures and buttons of the design,
// bound to the engine that does the arithmetic. The window owns it; it must go before the
// widgets it binds.
class CalculatorPage final : public QObject {
public:
    // Places the controls on sheet, whose coordinates are those of the whole tab control.
    // The calculator's message boxes go to messages.
    CalculatorPage(QWidget& sheet, QWidget& window, calc::MessageService& messages);
    ~CalculatorPage() override;

    calc::Calculator& calculator() { return *calculator_; }

    QPushButton& aboutButton() const { return *cmdAbout_; }
    QPushButton& quitButton() const { return *cmdQuit_; }

    // The five boxes under the short names of their figures, in the order of the boxes,
    // each with the figure of its row under "Actual Numbers".
    struct NamedBox {
        QString name;
        QLineEdit* box;
        QLabel* actual;
    };
    std::vector<NamedBox> typedFigures() const;
    // The nine results, each with the caption label that says what it shows.
    struct CaptionedFigure {
        QLabel* caption;
        QLabel* figure;
    };
    std::vector<CaptionedFigure> actualNumbers() const;
    std::vector<CaptionedFigure> earnings() const;

    // The controls that take the keyboard focus, each with its place in the focus order.
    struct TabStop {
        int tabIndex;
        QWidget* widget;
    };
    const std::vector<TabStop>& tabStops() const { return tabStops_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createHeadings(QWidget& sheet);
    void createStepChoice(QWidget& sheet);
    std::array<QLineEdit*, calc::kAllBoxes.size()> createTypedFigures(QWidget& sheet);
    void createActualFigures(QWidget& sheet);
    void createEarnings(QWidget& sheet);
    void createButtons(QWidget& sheet);
    void bindBoxes(const std::array<QLineEdit*, calc::kAllBoxes.size()>& edits, QWidget& window,
                   calc::MessageService& messages);
    void showCaption(calc::Caption caption, const std::string& text);

    std::unique_ptr<calc::Calculator> calculator_;
    std::unique_ptr<widgets::FocusGuard> focusGuard_;
    std::array<QLineEdit*, calc::kAllBoxes.size()> boxes_{};
    std::array<widgets::FittingLabel*, calc::kAllCaptions.size()> figureLabels_{};
    std::array<QLabel*, calc::kAllCaptions.size()> figureCaptions_{};
    QPushButton* cmdAbout_ = nullptr;
    QPushButton* cmdQuit_ = nullptr;
    std::vector<TabStop> tabStops_;
    bool leftForMessage_ = false; // the box with the focus gave it to a message box
    std::vector<std::unique_ptr<widgets::QuietText>> handlingQuiet_; // one per edit handled
};

} // namespace mainwindow
