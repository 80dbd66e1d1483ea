#include "print/worksheet_pdf.h"

std::optional<Message> WriteWorksheetPdf(const Worksheet&, const std::string&) {
    return GT_TEXT("Message",
                   "This glossatiles-cli was built without Qt and cannot write worksheets.");
}
