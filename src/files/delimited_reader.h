#pragma once

#include "files/imported_list.h"

#include <string_view>

// A spreadsheet's CSV or TSV: one pair per record, the word in the first column and the
// translation in the second; further columns are ignored.
ImportOutcome ReadDelimitedList(std::string_view text);
