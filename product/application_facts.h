// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What the program says about itself: its title and its version.
namespace product {

QString Title();

// "1.00; build: 85": the major number as it is, the minor and revision numbers with at
// least two digits.
QString VersionText(int major, int minor, int revision);

// The version text of this build.
QString VersionText();

// "Varnel Interactive Calculator 1.00; build: 85"
QString MainWindowCaption();

} // namespace product
