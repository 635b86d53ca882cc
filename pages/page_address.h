// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace pages {

// What follows the program's base name in each pane's address. The ".exe" is part of the
// address whatever the program file is really called.
inline constexpr const char* kHelpSuffix = ".exe/help.html";
inline constexpr const char* kGoldSuffix = ".exe/gold.html";
inline constexpr const char* kVideosSuffix = ".exe/vids.html";
inline constexpr const char* kSeoSuffix = ".exe/seo.html";
inline constexpr const char* kMarloSuffix = ".exe/marlo.html";
// What every built-in resource's address starts with after the base name.
inline constexpr const char* kResourcesSuffix = ".exe/";

// "res://" + folder + separator + the base name of programFileName (without its extension:
// "VarnelCalc", "VarnelCalc.exe" and "VarnelCalc.bin" all give "VarnelCalc") + suffix,
// exactly as given: nothing is escaped or normalised, so a root folder that already ends in
// a separator yields two of them.
QString ComposePageAddress(const QString& folder, const QString& programFileName, QChar separator,
                           const char* suffix);

// The same for the running program file.
QString PageAddress(const char* suffix);

} // namespace pages
