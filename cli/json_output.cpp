// SPDX-License-Identifier: MIT
#include "cli/json_output.h"

#include "calc/conversions.h"
#include "calc/figure_reading.h"
#include "cli/csv_output.h"

#include <QByteArray>
#include <QString>
#include <algorithm>

namespace cli {
namespace {

bool IsAscii(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

void AppendJsonString(std::string& out, std::string_view text) {
    // Most cells are ASCII, which needs no decoding; otherwise Qt's decoder puts U+FFFD in
    // place of every byte that does not belong to a well-formed sequence.
    const QByteArray valid =
        IsAscii(text)
            ? QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size()))
            : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUtf8();
    out += '"';
    for (const char c : valid)
        calc::AppendEscaped(out, c);
    out += '"';
}

void AppendJsonResults(std::string& out, const calc::Captions* captions, bool gross) {
    for (std::size_t field = 0; field < calc::kResults.size(); ++field) {
        if (field > 0)
            out += ',';
        const std::string name = ResultField(static_cast<calc::Caption>(field), gross);
        if (captions) {
            AppendJsonFigure(out, name, (*captions)[field]);
            continue;
        }
        AppendJsonString(out, name);
        out += ":null";
    }
}

void AppendJsonFigure(std::string& out, std::string_view name, std::string_view caption) {
    AppendJsonString(out, name);
    out += ":{\"shown\":";
    AppendJsonString(out, caption);
    out += ",\"value\":";
    out += calc::CaptionNumber(caption);
    out += '}';
}

} // namespace cli
