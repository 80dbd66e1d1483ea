#pragma once

#include "words/message.h"

#include <cstddef>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One record of a CSV-like text and the line it begins on.
struct DelimitedRecord {
    int line = 0;
    // The first fields only, as many as the reader keeps.
    std::vector<std::string> fields;
    // How many fields the record has, kept or not.
    std::size_t fieldCount = 0;
    // How many are left once its trailing empty fields are set aside.
    std::size_t filledCount = 0;
};

struct DelimitedRecords {
    std::vector<DelimitedRecord> records;
    // The line of a quoted field that the text never closes, or 0.
    int unclosedQuoteLine = 0;
};

// Called once per record, in order; false stops the scan.
using RecordVisitor = std::function<bool(const DelimitedRecord&)>;

// Splits text into records by RFC 4180: a field in double quotes may hold the separator, line
// breaks and "" for one quote; a quote elsewhere in a field is taken as it stands. Records end at
// LF or CR LF. Lines are counted from firstLine. Only the first keptFields fields of a record are
// kept, so a line of a million commas costs nothing. Gives the line of a quoted field that is
// never closed, or 0.
int ScanDelimited(std::string_view text, char separator, int firstLine, std::size_t keptFields,
                  const RecordVisitor& visit);

// Every record with every field.
DelimitedRecords SplitDelimited(std::string_view text, char separator, int firstLine = 1);

// What separates a table's fields, most likely first.
inline constexpr std::string_view TableSeparators = "\t;,";

// The first of the candidates that splits the first records of the text (up to `records` of
// them, blank lines passed over) alike: into one number of fields, at least two, once each
// record's trailing empty fields may be set aside, so that "a,b,c" and "d,e,f," agree but
// "a,b,c" and "d,e" do not. Quotes count only where the scanner honours them. Nothing when none
// does.
std::optional<char> ConsistentSeparator(std::string_view text,
                                        std::string_view candidates = TableSeparators,
                                        std::size_t records = 20);

// ConsistentSeparator's answer; else the first of them that splits the first record, else the tab.
char GuessSeparator(std::string_view text);

// Why a text whose quoted field opens on `line` and never closes cannot be read.
Message UnclosedQuoteProblem(int line);
