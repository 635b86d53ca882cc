// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace calc {

enum class MessageIcon { Warning, Information };

// Shows a modal box with one OK button and returns when the user has closed it.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual void show(const std::string& text, MessageIcon icon, const std::string& title) = 0;
};

inline constexpr const char* kApplicationTitle = "Varnel Interactive Calculator";

} // namespace calc
