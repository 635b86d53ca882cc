// SPDX-License-Identifier: MIT
// The five built-in pages as the tests know them, shared by the suites of both renderers.
#pragma once

#include "pages/page_address.h"

namespace pages_test {

struct PageFacts {
    const char* row;
    const char* suffix;
    const char* title;
};

inline constexpr PageFacts kPageFacts[] = {
    {"help", pages::kHelpSuffix, "Quick Help"},
    {"gold", pages::kGoldSuffix, "Recommended Tools"},
    {"videos", pages::kVideosSuffix, "Recommended Tools"},
    {"seo", pages::kSeoSuffix, "Recommended Tools"},
    {"marlo", pages::kMarloSuffix, "Recommended Tools"},
};

} // namespace pages_test
