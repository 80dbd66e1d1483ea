#include "print/worksheet_pdf.h"

std::string WriteWorksheetPdf(const Worksheet&, const std::string&) {
    return "This glossatiles-cli was built without Qt and cannot write worksheets.";
}
