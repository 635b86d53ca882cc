// SPDX-License-Identifier: MIT
#include "cli/csv_reader.h"

#include "cli/program.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <csv.h>
#include <memory>
#include <string_view>

namespace cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";
constexpr std::size_t kLongestRecord = 1 << 20;
constexpr const char* kNulByte = "a NUL byte: the input is not UTF-8 text";
constexpr const char* kTooLong = "a record longer than 1 MiB";

// Blanks are part of a field's text: nothing is trimmed.
int NoSpaces(unsigned char) {
    return 0;
}

// Feeds the parser one physical line at a time, so that each record knows its line.
class LineFeeder {
public:
    explicit LineFeeder(const std::function<bool(const CsvRecord&)>& onRecord)
        : onRecord_(onRecord) {
        csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
        csv_set_space_func(&parser_, NoSpaces);
    }
    ~LineFeeder() { csv_free(&parser_); }
    LineFeeder(const LineFeeder&) = delete;
    LineFeeder& operator=(const LineFeeder&) = delete;

    // False when reading has to stop. A line ends in LF, CR LF or CR; the LF of a CR LF cut
    // apart by the end of a chunk comes as a line of its own and counts for nothing.
    bool feed(std::string_view line) {
        const bool restOfLineEnd = afterCR_ && line == "\n";
        afterCR_ = line.ends_with('\r');
        if (!restOfLineEnd && !startLine(line))
            return false;
        const std::size_t parsed =
            csv_parse(&parser_, line.data(), line.size(), OnField, OnRecordEnd, this);
        return checked(parsed == line.size());
    }

    // False, with the reason, when a line cut by the end of a chunk grew too long.
    bool checkPartial(std::string_view partial) {
        if ((inRecord_ ? recordBytes_ : 0) + partial.size() > kLongestRecord)
            return stop(inRecord_ ? record_.line : lineNumber_ + 1, kTooLong);
        return true;
    }

    bool finish() { return checked(csv_fini(&parser_, OnField, OnRecordEnd, this) == 0); }

    const CsvReadResult& result() const { return result_; }

    // The line that the next one fed will be.
    long nextLine() const { return lineNumber_ + 1; }

private:
    bool startLine(std::string_view line) {
        ++lineNumber_;
        const bool blank = line == "\n" || line == "\r\n" || line == "\r" || line.empty();
        if (!inRecord_ && !blank) {
            if (record_.line == 0)
                chooseSeparator(line);
            inRecord_ = true;
            record_.line = lineNumber_;
            recordBytes_ = 0;
        }
        recordBytes_ += inRecord_ ? line.size() : 0;
        // The line end that closes the record is none of its text.
        const std::size_t end = line.ends_with("\r\n")                         ? 2
                                : line.ends_with('\n') || line.ends_with('\r') ? 1
                                                                               : 0;
        if (recordBytes_ - std::min(end, recordBytes_) > kLongestRecord)
            return stop(record_.line, kTooLong);
        return true;
    }

    void chooseSeparator(std::string_view firstLine) {
        if (firstLine.find(';') == std::string_view::npos ||
            firstLine.find(',') != std::string_view::npos)
            return;
        record_.separator = ';';
        csv_set_delim(&parser_, ';');
    }

    bool stop(long line, const char* message) {
        result_ = {false, line, message};
        stopped_ = true;
        return false;
    }

    bool checked(bool parsed) {
        if (stopped_)
            return false;
        if (!parsed) {
            result_ = {false, inRecord_ ? record_.line : lineNumber_,
                       std::string("malformed CSV: ") + csv_strerror(csv_error(&parser_))};
            stopped_ = true;
        }
        return !stopped_;
    }

    static void OnField(void* text, std::size_t length, void* self) {
        auto& feeder = *static_cast<LineFeeder*>(self);
        auto& fields = feeder.record_.fields;
        if (feeder.fieldCount_ < fields.size())
            fields[feeder.fieldCount_].assign(static_cast<const char*>(text), length);
        else
            fields.emplace_back(static_cast<const char*>(text), length);
        ++feeder.fieldCount_;
    }

    static void OnRecordEnd(int, void* self) {
        auto& feeder = *static_cast<LineFeeder*>(self);
        // The field strings are kept between records to spare allocations.
        feeder.record_.fields.resize(feeder.fieldCount_);
        feeder.fieldCount_ = 0;
        feeder.inRecord_ = false;
        if (!feeder.stopped_ && !feeder.onRecord_(feeder.record_))
            feeder.stopped_ = true;
    }

    const std::function<bool(const CsvRecord&)>& onRecord_;
    csv_parser parser_{};
    CsvRecord record_;
    std::size_t fieldCount_ = 0;
    long lineNumber_ = 0;
    std::size_t recordBytes_ = 0; // of the record being read, so far
    bool inRecord_ = false;
    bool afterCR_ = false;
    bool stopped_ = false;
    CsvReadResult result_;
};

} // namespace

CsvReadResult ReadCsv(std::istream& in, const std::function<bool(const CsvRecord&)>& onRecord,
                      const std::function<bool()>& onPause) {
    constexpr std::streamsize kChunk = 1 << 16;
    const auto buffer = std::make_unique<char[]>(kChunk);
    std::string partialLine; // a line cut by the end of a chunk
    LineFeeder feeder(onRecord);

    bool first = true;
    for (;;) {
        // What is ready is read without waiting for a whole chunk; when nothing is, the
        // records read so far are answered before the wait.
        std::streamsize ready = in.rdbuf()->in_avail();
        if (ready == 0) {
            if (onPause && !onPause())
                return feeder.result();
            errno = 0;
            if (in.peek() != EOF)
                ready = in.rdbuf()->in_avail();
        }
        if (ready > 0) {
            errno = 0;
            in.read(buffer.get(), std::min(ready, kChunk));
        }
        if (in.bad())
            return {false, 0, "cannot read the input" + SystemReason(), true};
        if (ready <= 0)
            break;
        std::string_view chunk(buffer.get(), static_cast<std::size_t>(in.gcount()));
        if (first && (chunk.starts_with("\xff\xfe") || chunk.starts_with("\xfe\xff")))
            return {false, 1, "the input is UTF-16 text; it must be UTF-8"};
        // Spreadsheets often start their UTF-8 files with a byte order mark; left in, it
        // would hide the name of the first column.
        if (first && chunk.starts_with(kByteOrderMark))
            chunk.remove_prefix(kByteOrderMark.size());
        first = false;
        while (!chunk.empty()) {
            // One pass finds the line's end or a byte no text holds.
            std::size_t end = static_cast<std::size_t>(
                std::ranges::find_if(chunk,
                                     [](char c) { return c == '\n' || c == '\r' || c == '\0'; }) -
                chunk.begin());
            if (end < chunk.size() && chunk[end] == '\0')
                return {false, feeder.nextLine(), kNulByte};
            if (end == chunk.size()) {
                partialLine += chunk;
                if (!feeder.checkPartial(partialLine))
                    return feeder.result();
                break;
            }
            if (chunk[end] == '\r' && end + 1 < chunk.size() && chunk[end + 1] == '\n')
                ++end;
            std::string_view line = chunk.substr(0, end + 1);
            chunk.remove_prefix(end + 1);
            if (!partialLine.empty()) {
                partialLine += line;
                line = partialLine;
            }
            const bool goOn = feeder.feed(line);
            partialLine.clear();
            if (!goOn)
                return feeder.result();
        }
    }
    if (!partialLine.empty() && !feeder.feed(partialLine))
        return feeder.result();
    feeder.finish();
    return feeder.result();
}

} // namespace cli
