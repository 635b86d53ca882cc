// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include "product/application_facts.h"

namespace app {
namespace {

QString HelpText() {
    return QStringLiteral(
               "Usage: VarnelCalc [--help | --version]\n"
               "Opens the %1: daily, weekly, monthly and yearly ad earnings\n"
               "from impressions, CTR, clicks and eCPM, recalculated on every edit.\n"
               "\n"
               "  -h, --help     Shows this help and ends.\n"
               "  -v, --version  Shows the version and ends.\n"
               "\n"
               "Any other argument is ignored. varnelcalc-cli computes the same figures without a\n"
               "window.\n")
        .arg(product::Title());
}

} // namespace

std::optional<QString> CommandLineAnswer(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return HelpText();
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v"))
            return QStringLiteral("VarnelCalc %1\n").arg(product::VersionText());
    }
    return std::nullopt;
}

} // namespace app
