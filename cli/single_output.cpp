// SPDX-License-Identifier: MIT
#include "cli/single_output.h"

#include "cli/row_writer.h"

#include <QByteArray>

namespace cli {
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
    return RowWriter(output, {}).record(captions);
}

} // namespace cli
