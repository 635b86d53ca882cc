// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <istream>
#include <string>
#include <vector>

namespace cli {

struct CsvRecord {
    std::vector<std::string> fields;
    long line = 0;        // the line the record starts on, counted from 1
    char separator = ','; // ';' in a file whose first line holds ';' and no ','
};

struct CsvReadResult {
    bool ok = true;
    long line = 0;            // where reading stopped, when not ok
    std::string message;      // why
    bool inputFailed = false; // the input could not be read: message gives the system's reason
};

// Reads RFC 4180 CSV from the stream, or its ';'-separated form that spreadsheets save where
// the comma is the decimal point, and hands over one record at a time, so that memory
// stays the same however long the input. Fields keep their blanks; quotes are taken off.
// Lines end in LF, CR LF or CR; blank lines hold no record; a UTF-8 byte order mark at the
// start is skipped. Reading stops at a malformed record (a stray quote, an unclosed quoted
// field), a record longer than 1 MiB (its closing line end
// not counted), a NUL byte, UTF-16 input, a failure to read, or when onRecord returns false.
// Whenever no more input is ready, onPause is called before waiting for it, so that what was
// read can be answered at once; reading stops when it returns false.
CsvReadResult ReadCsv(std::istream& in, const std::function<bool(const CsvRecord&)>& onRecord,
                      const std::function<bool()>& onPause = {});

} // namespace cli
