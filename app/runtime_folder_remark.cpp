// SPDX-License-Identifier: MIT
#include "runtime_folder_remark.h"

#include <QString>

namespace app {
namespace {

QtMessageHandler previousHandler = nullptr;

void DropRuntimeFolderRemark(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

RuntimeFolderRemarkFilter::RuntimeFolderRemarkFilter() {
    previousHandler = qInstallMessageHandler(DropRuntimeFolderRemark);
}

RuntimeFolderRemarkFilter::~RuntimeFolderRemarkFilter() {
    qInstallMessageHandler(previousHandler);
}

} // namespace app
