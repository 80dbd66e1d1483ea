#pragma once

#include "files/worksheet.h"

#include "words/message.h"

#include <optional>
#include <string>

// Writes the worksheet as a PDF file, replacing `path` only once the whole file is ready; its
// title is the worksheet's title. Gives what went wrong, if anything. Needs no display.
std::optional<Message> WriteWorksheetPdf(const Worksheet& sheet, const std::string& path);
