// SPDX-License-Identifier: MIT
#include "single_output.h"

#include "fields.h"
#include "row_writer.h"

#include <algorithm>
#include <cstring>

namespace cli {
namespace {

std::string AsText(const Captions& captions) {
    std::size_t labelWidth = 0;
    for (std::size_t field = 0; field < kFieldCount; ++field)
        labelWidth = std::max(labelWidth, std::strlen(FieldLabel(field)));
    std::string out;
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        const std::string_view label = FieldLabel(field);
        out += label;
        out.append(labelWidth - label.size() + 2, ' ');
        out += captions[field];
        out += '\n';
    }
    return out;
}

} // namespace

std::optional<Format> FormatNamed(std::string_view name) {
    if (name == "text")
        return Format::Text;
    if (name == "csv")
        return Format::Csv;
    if (name == "json")
        return Format::Json;
    return std::nullopt;
}

std::string RenderCaptions(const Captions& captions, Format format) {
    if (format == Format::Text)
        return AsText(captions);
    // One row of a batch without input columns.
    const RowWriter writer(format, {});
    std::string out;
    writer.appendHeader(out);
    writer.appendRow(out, {}, &captions);
    return out;
}

} // namespace cli
