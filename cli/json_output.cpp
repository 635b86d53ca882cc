// SPDX-License-Identifier: MIT
#include "json_output.h"

#include "conversions.h"
#include "fields.h"

namespace cli {
namespace {

constexpr std::string_view kReplacementCharacter = "\xef\xbf\xbd";

// The length of the well-formed UTF-8 sequence at the start of text, or 0.
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xbf; // the range of the second byte
    if (lead < 0x80)
        return 1;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : 0x80;  // no overlong forms
        high = lead == 0xed ? 0x9f : 0xbf; // no surrogates
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xbf)
            return 0;
    }
    return length;
}

void AppendEscaped(std::string& out, char c) {
    constexpr char hex[] = "0123456789abcdef";
    switch (c) {
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        if (static_cast<unsigned char>(c) < 0x20) {
            out += "\\u00";
            out += hex[(c >> 4) & 0xf];
            out += hex[c & 0xf];
        } else {
            out += c;
        }
    }
}

} // namespace

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    while (!text.empty()) {
        const std::size_t length = Utf8SequenceLength(text);
        if (length == 0) {
            out += kReplacementCharacter;
            text.remove_prefix(1);
        } else if (length == 1) {
            AppendEscaped(out, text.front());
            text.remove_prefix(1);
        } else {
            out += text.substr(0, length);
            text.remove_prefix(length);
        }
    }
    out += '"';
}

void AppendJsonResults(std::string& out, const Captions* captions) {
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        if (field > 0)
            out += ',';
        AppendJsonString(out, FieldName(field));
        out += ':';
        if (!captions) {
            out += "null";
            continue;
        }
        out += "{\"shown\":";
        AppendJsonString(out, (*captions)[field]);
        out += ",\"value\":";
        out += calc::CaptionNumber((*captions)[field]);
        out += '}';
    }
}

} // namespace cli
