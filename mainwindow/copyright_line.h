// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace mainwindow {

// The copyright line under the tabs. It names the product's site where the site's link
// label lies over it: the line starts so that the name falls exactly under the link, and
// leaves that stretch blank, so only the link shows there. Its text, for screen readers and
// tests, is the whole sentence.
class CopyrightLine final : public QLabel {
public:
    CopyrightLine(const QString& site, int linkLeft, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString before_;
    QString site_;
    QString after_;
    int linkLeft_;
};

} // namespace mainwindow
