// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace app {

// The answer to --help or --version (or -h, -v), whichever comes first among the arguments,
// or nothing: then the window starts, and every other argument is ignored. Asked before Qt
// starts, so that both answer without a display.
std::optional<QString> CommandLineAnswer(const QStringList& arguments);

} // namespace app
