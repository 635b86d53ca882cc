// SPDX-License-Identifier: MIT
#include "app/startup_remarks.h"

#include <QRegularExpression>
#include <cstdio>

namespace app {
namespace {

QtMessageHandler previousHandler = nullptr;

void SayInProgramWords(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (const std::optional<QString> line =
            StartupRemarks::InProgramWords(context.category, message)) {
        if (!line->isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(*line));
        return;
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

QString UnusedRuntimeFolder(const QString& folder, const QString& why) {
    return QStringLiteral("VarnelCalc does not use the runtime folder %1 (XDG_RUNTIME_DIR): %2.")
        .arg(folder, why);
}

} // namespace

StartupRemarks::StartupRemarks() {
    previousHandler = qInstallMessageHandler(SayInProgramWords);
}

StartupRemarks::~StartupRemarks() {
    qInstallMessageHandler(previousHandler);
}

std::optional<QString> StartupRemarks::InProgramWords(const char* category,
                                                      const QString& message) {
    // Qt 6.4's texts.
    static const QRegularExpression openToOthers(QStringLiteral(
        "^QStandardPaths: wrong permissions on runtime directory (.+), (\\d+) instead of (\\d+)$"));
    static const QRegularExpression notAFolder(
        QStringLiteral("^QStandardPaths: runtime directory '(.+)' is not a directory"));
    static const QRegularExpression notOwned(
        QStringLiteral("^QStandardPaths: runtime directory '(.+)' is not owned by UID"));
    static const QRegularExpression notMade(
        QStringLiteral("^QStandardPaths: error creating runtime directory '(.+)' \\((.+)\\)$"));

    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return QString();
    if (const auto found = openToOthers.match(message); found.hasMatch())
        return UnusedRuntimeFolder(found.captured(1),
                                   QStringLiteral("others may use it (mode %1 instead of %2)")
                                       .arg(found.captured(2), found.captured(3)));
    if (const auto found = notAFolder.match(message); found.hasMatch())
        return UnusedRuntimeFolder(found.captured(1), QStringLiteral("it is not a folder"));
    if (const auto found = notOwned.match(message); found.hasMatch())
        return UnusedRuntimeFolder(found.captured(1), QStringLiteral("it belongs to another user"));
    if (const auto found = notMade.match(message); found.hasMatch())
        return UnusedRuntimeFolder(found.captured(1),
                                   QStringLiteral("it cannot be made (%1)").arg(found.captured(2)));
    if (qstrcmp(category, "qt.qpa.plugin") == 0 &&
        message.startsWith(QLatin1String("Could not find the Qt platform plugin \"wayland\"")))
        return QStringLiteral("VarnelCalc shows its window through the X display \"%1\": Qt's "
                              "Wayland support (qt6-wayland) is not installed.")
            .arg(qEnvironmentVariable("DISPLAY"));
    return std::nullopt;
}

} // namespace app
