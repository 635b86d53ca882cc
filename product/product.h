// SPDX-License-Identifier: MIT
#pragma once

// Where the product lives on the web. Every outside address of the program is made
// from these.
namespace product {

// The line under the name in the window's header picture.
inline constexpr const char* kTagline = "Impressions, click-through rate, clicks and eCPM: see "
                                        "what a day, a week, a month and a year can earn.";
inline constexpr const char* kHomeAddress = "http://www.varnelcalc.example";
inline constexpr const char* kSiteName = "www.varnelcalc.example";
inline constexpr const char* kSupportEmail = "support@varnelcalc.example";
inline constexpr const char* kBugReportSubject = "Varnel Interactive Calculator Bug Report";

} // namespace product
