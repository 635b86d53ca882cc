// SPDX-License-Identifier: MIT
#include "desktop/drop_shadow.h"

namespace mAPI {

// Window managers and compositors give windows their shadows themselves.
void AddDropShadow(std::uintptr_t) {}

} // namespace mAPI
