// SPDX-License-Identifier: MIT
#include "cli/single_output.h"

#include "cli/row_writer.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>

namespace cli {
namespace {

std::string AsText(const calc::Captions& captions) {
    std::size_t labelWidth = 0;
    for (const calc::Result& result : calc::kResults)
        labelWidth = std::max(labelWidth, std::strlen(result.heading));
    std::string out;
    for (std::size_t field = 0; field < calc::kResults.size(); ++field) {
        const std::string_view label = calc::kResults[field].heading;
        out += label;
        out.append(labelWidth - label.size() + 2, ' ');
        out += captions[field];
        out += '\n';
    }
    return out;
}

} // namespace

std::optional<Format> FormatNamed(std::string_view name) {
    const QByteArray lower = QByteArray(name.data(), static_cast<qsizetype>(name.size())).toLower();
    if (lower == "text")
        return Format::Text;
    if (lower == "csv")
        return Format::Csv;
    if (lower == "tsv")
        return Format::Tsv;
    if (lower == "json")
        return Format::Json;
    return std::nullopt;
}

std::string RenderCaptions(const calc::Captions& captions, const Output& output) {
    if (output.format == Format::Text)
        return AsText(captions);
    // One row of a batch without input columns.
    const RowWriter writer(output, {});
    std::string out;
    writer.appendHeader(out);
    writer.appendRow(out, {}, &captions);
    return out;
}

} // namespace cli
