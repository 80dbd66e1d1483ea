#pragma once

#include "files/worksheet.h"

#include <QMarginsF>

class QPagedPaintDevice;

// A worksheet's margins in millimetres, printed or written as a PDF.
inline constexpr QMarginsF WorksheetMargins(15, 15, 15, 15);

// Lays the worksheet out on the device's pages at its page size: a printer, its preview, or a
// PDF. The text stays text, so that it can be searched and read aloud.
void PaintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet);
