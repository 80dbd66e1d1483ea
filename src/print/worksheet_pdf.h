#pragma once

#include "files/worksheet.h"

#include <string>

// Writes the worksheet as a PDF file, replacing `path` only once the whole file is ready; its
// title is the worksheet's title. Gives "" or what went wrong. Needs no display.
std::string WriteWorksheetPdf(const Worksheet& sheet, const std::string& path);
