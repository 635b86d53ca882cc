// SPDX-License-Identifier: MIT
#include "single_output.h"

#include "csv_output.h"
#include "fields.h"
#include "json_output.h"

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

std::string AsCsv(const Captions& captions) {
    std::string out;
    AppendCsvResultHeader(out);
    out += kCsvRecordEnd;
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        if (field > 0)
            out += ',';
        AppendCsvField(out, captions[field]);
    }
    out += kCsvRecordEnd;
    return out;
}

std::string AsJson(const Captions& captions) {
    std::string out = "{";
    AppendJsonResults(out, &captions);
    out += "}\n";
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
    switch (format) {
    case Format::Text:
        return AsText(captions);
    case Format::Csv:
        return AsCsv(captions);
    case Format::Json:
        return AsJson(captions);
    }
    return {};
}

} // namespace cli
