// SPDX-License-Identifier: MIT
#include "drop_shadow.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace mAPI {

void AddDropShadow(WId window) {
#ifdef Q_OS_WIN
    const auto handle = reinterpret_cast<HWND>(window);
    // Failures leave the window without a shadow, which is all that can go wrong here.
    SetClassLongPtrW(handle, GCL_STYLE, GetClassLongPtrW(handle, GCL_STYLE) | CS_DROPSHADOW);
#else
    Q_UNUSED(window);
#endif
}

} // namespace mAPI
