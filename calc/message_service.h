// SPDX-License-Identifier: MIT
#pragma once

#include "calc/calc_error.h"

#include <string>

namespace calc {

enum class MessageIcon { Warning, Information };

inline constexpr const char* kApplicationTitle = "Varnel Interactive Calculator";

// The text of a trapped handler's error report: the report name, the error's description and
// its source, each followed by one blank.
inline std::string ErrorReportText(const char* reportName, const CalcError& error) {
    return std::string(reportName) + " " + error.description() + " " + error.source() + " ";
}

// Shows a modal box with one OK button and returns when the user has closed it.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual void show(const std::string& text, MessageIcon icon, const std::string& title) = 0;

    // A trapped handler's error report. A window shows it as a box like any other; a caller
    // without one can act on the error's kind instead of reading the text.
    virtual void showErrorReport(const char* reportName, const CalcError& error) {
        show(ErrorReportText(reportName, error), MessageIcon::Information, kApplicationTitle);
    }
};

} // namespace calc
