// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

// 64-bit FNV-1a over a run of texts, each fed with its terminating zero so that "1" "23"
// and "12" "3" differ: one number that stands for everything a long run showed.
class TextDigest {
public:
    void add(const std::string& text) {
        for (const char c : text)
            mix(static_cast<unsigned char>(c));
        mix(0);
    }
    std::uint64_t value() const { return value_; }

private:
    void mix(unsigned char byte) {
        value_ ^= byte;
        value_ *= 0x100000001b3;
    }
    std::uint64_t value_ = 0xcbf29ce484222325;
};
