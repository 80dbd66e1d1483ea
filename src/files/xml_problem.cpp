#include "files/xml_problem.h"

Message XmlParseProblem(const pugi::xml_parse_result& parsed) {
    switch (parsed.status) {
    case pugi::status_out_of_memory:
        return GT_TEXT("Message", "Could not allocate memory");
    case pugi::status_internal_error:
        return GT_TEXT("Message", "Internal error occurred");
    case pugi::status_unrecognized_tag:
        return GT_TEXT("Message", "Could not determine tag type");
    case pugi::status_bad_pi:
        return GT_TEXT("Message", "Error parsing document declaration/processing instruction");
    case pugi::status_bad_comment:
        return GT_TEXT("Message", "Error parsing comment");
    case pugi::status_bad_cdata:
        return GT_TEXT("Message", "Error parsing CDATA section");
    case pugi::status_bad_doctype:
        return GT_TEXT("Message", "Error parsing document type declaration");
    case pugi::status_bad_pcdata:
        return GT_TEXT("Message", "Error parsing PCDATA section");
    case pugi::status_bad_start_element:
        return GT_TEXT("Message", "Error parsing start element tag");
    case pugi::status_bad_attribute:
        return GT_TEXT("Message", "Error parsing element attribute");
    case pugi::status_bad_end_element:
        return GT_TEXT("Message", "Error parsing end element tag");
    case pugi::status_end_element_mismatch:
        return GT_TEXT("Message", "Start-end tags mismatch");
    case pugi::status_no_document_element:
        return GT_TEXT("Message", "No document element found");
    default:
        // Not met when parsing text from memory; pugixml's own words, untranslated.
        return {"%1", {parsed.description()}};
    }
}
