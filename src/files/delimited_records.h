#pragma once

#include <string>
#include <string_view>
#include <vector>

// One record of a CSV-like text and the line it begins on.
struct DelimitedRecord {
    int line = 0;
    std::vector<std::string> fields;
};

struct DelimitedRecords {
    std::vector<DelimitedRecord> records;
    // The line of a quoted field that the text never closes, or 0.
    int unclosedQuoteLine = 0;
};

// Splits text into records by RFC 4180: a field in double quotes may hold the separator, line
// breaks and "" for one quote. Records end at LF or CR LF. Lines are counted from firstLine.
DelimitedRecords SplitDelimited(std::string_view text, char separator, int firstLine = 1);

// The separator of the first non-empty record: the tab, else ';', else ','. Separators inside
// quotes do not count, so a quoted "a;b" does not make a comma file a semicolon file.
char GuessSeparator(std::string_view text);

// Why a text whose quoted field opens on `line` and never closes cannot be read.
std::string UnclosedQuoteProblem(int line);
