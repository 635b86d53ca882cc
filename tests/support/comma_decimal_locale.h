// SPDX-License-Identifier: MIT
#pragma once

#include <clocale>
#include <locale>
#include <stdexcept>
#include <string>

// Puts the process under a locale that writes decimals with a comma, as a German or French
// user's regional settings do, for as long as it lives; then back to the classic locale.
class CommaDecimalLocale {
public:
    CommaDecimalLocale() {
        // Names as Linux and as the Windows C runtime spell them.
        for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE.utf8", "fr_FR.utf8",
                                 "German_Germany.1252", "French_France.1252"}) {
            if (const char* chosen = std::setlocale(LC_ALL, name)) {
                name_ = chosen;
                break;
            }
        }
        if (name_.empty())
            return;
        try {
            std::locale::global(std::locale(name_));
        } catch (const std::runtime_error&) {
            // MinGW's standard library has no named C++ locales: there only the C runtime's
            // locale follows the user's settings, and it is set above.
        }
    }
    ~CommaDecimalLocale() {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
    }
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

    // Empty when no such locale is installed.
    const std::string& name() const { return name_; }

private:
    std::string name_;
};
