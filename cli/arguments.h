// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string>
#include <string_view>

// Arguments are bytes, read by the option parser as text. A byte that is no part of UTF-8 text
// goes in as a lone surrogate (U+DC80 to U+DCFF) and comes out as the same byte, so that a file
// named in another encoding still opens.
namespace cli {

QString ArgumentText(std::string_view bytes);

std::string ArgumentBytes(const QString& text);

} // namespace cli
