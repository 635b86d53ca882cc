// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

// Box texts are UTF-8, while positions and lengths in a box count characters.
namespace calc {

inline bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

inline int CharacterCount(std::string_view text) {
    int count = 0;
    for (const char c : text)
        count += IsContinuationByte(c) ? 0 : 1;
    return count;
}

// Byte offset of the character at `position`; the text's size when it has fewer.
inline std::size_t ByteOffset(std::string_view text, int position) {
    std::size_t offset = 0;
    for (int seen = 0; offset < text.size(); ++offset) {
        if (!IsContinuationByte(text[offset]) && seen++ == position)
            break;
    }
    return offset;
}

} // namespace calc
