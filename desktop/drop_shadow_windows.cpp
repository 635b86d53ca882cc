// SPDX-License-Identifier: MIT
// Built on Windows only; on Linux the test suite checks that it still compiles.
#include "desktop/drop_shadow.h"

#include <windows.h>

namespace mAPI {

void AddDropShadow(std::uintptr_t window) {
    const auto handle = reinterpret_cast<HWND>(window);
    // A failure leaves the window without a shadow, which is all that can go wrong here.
    SetClassLongPtrW(handle, GCL_STYLE, GetClassLongPtrW(handle, GCL_STYLE) | CS_DROPSHADOW);
}

} // namespace mAPI
