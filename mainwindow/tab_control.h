// SPDX-License-Identifier: MIT
#pragma once

#include <QTabWidget>
#include <vector>

namespace mainwindow {

// The main window's tab control. Controls on its pages are placed in the coordinates of the
// whole control, tab strip included, as the window is designed: each page carries a sheet
// the size of the control, shifted up and left by where the page begins.
class TabControl final : public QTabWidget {
public:
    explicit TabControl(QWidget* parent);

    // Adds a tab and returns the sheet on which its controls are placed.
    QWidget* addSheet(const QString& caption);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeSheets();

    std::vector<QWidget*> sheets_;
};

} // namespace mainwindow
