#pragma once

#include "files/worksheet.h"

class QPagedPaintDevice;

// Lays the worksheet out on the device's pages at its page size: a printer, its preview, or a
// PDF. The text stays text, so that it can be searched and read aloud.
void PaintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet);
