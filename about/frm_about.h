// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace about {

// The About window: product name, version, the product's web site and a link that starts a
// bug-report e-mail. Made afresh for each showing; OK, Enter and Esc close it.
class frmAbout final : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* owner);

private:
    void createTexts();
    void createLinks();
    void followStandInTexts();
    void load();
    void makeRoomForTitle();
};

} // namespace about
