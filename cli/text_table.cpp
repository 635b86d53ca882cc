// SPDX-License-Identifier: MIT
#include "cli/text_table.h"

#include <algorithm>
#include <ranges>
#include <vector>

namespace cli {
namespace {

// The characters of UTF-8 text: the bytes that start one.
std::size_t Width(std::string_view text) {
    return static_cast<std::size_t>(
        std::ranges::count_if(text, [](char c) { return (c & 0xc0) != 0x80; }));
}

std::vector<std::vector<std::string_view>> Records(std::string_view tsv) {
    std::vector<std::vector<std::string_view>> records;
    for (const auto line : std::views::split(tsv, '\n')) {
        if (line.empty())
            continue;
        auto& fields = records.emplace_back();
        for (const auto field : std::views::split(line, '\t'))
            fields.emplace_back(field.begin(), field.end());
    }
    return records;
}

} // namespace

std::string AlignedTable(std::string_view tsv, std::size_t leftColumns) {
    const auto records = Records(tsv);
    std::vector<std::size_t> widths;
    for (const auto& fields : records) {
        widths.resize(std::max(widths.size(), fields.size()));
        for (std::size_t i = 0; i < fields.size(); ++i)
            widths[i] = std::max(widths[i], Width(fields[i]));
    }
    std::string out;
    for (const auto& fields : records) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::size_t padding = widths[i] - Width(fields[i]);
            if (i > 0)
                out += "  ";
            if (i >= leftColumns)
                out.append(padding, ' ');
            out += fields[i];
            if (i < leftColumns && i + 1 < fields.size())
                out.append(padding, ' ');
        }
        // A row without results would end in the padding of its empty fields.
        while (out.ends_with(' '))
            out.pop_back();
        out += '\n';
    }
    return out;
}

} // namespace cli
