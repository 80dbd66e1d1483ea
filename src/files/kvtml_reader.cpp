#include "files/kvtml_reader.h"

#include "files/utf8_text.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstring>

namespace {

// Line numbers of offsets that only grow, counted as the reader walks on.
class LineCounter {
public:
    explicit LineCounter(std::string_view text) : text_(text) {}

    int LineOf(std::ptrdiff_t offset) {
        const std::size_t to =
            std::min(static_cast<std::size_t>(std::max<std::ptrdiff_t>(offset, 0)), text_.size());
        if (to > counted_) {
            line_ +=
                static_cast<int>(std::count(text_.begin() + counted_, text_.begin() + to, '\n'));
            counted_ = to;
        }
        return line_;
    }

private:
    std::string_view text_;
    std::size_t counted_ = 0;
    int line_ = 1;
};

// Text and CDATA below the node, in order: "a &amp; <![CDATA[b]]>" is "a & b".
// The walker does not recurse, so deeply nested markup cannot exhaust the stack.
std::string InnerText(pugi::xml_node node) {
    struct Collector : pugi::xml_tree_walker {
        std::string text;
        bool for_each(pugi::xml_node& child) override {
            if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
                text += child.value();
            }
            return true;
        }
    } collector;
    node.traverse(collector);
    return collector.text;
}

std::string TranslationText(pugi::xml_node entry, const char* id) {
    return CleanImportedWord(
        InnerText(entry.find_child_by_attribute("translation", "id", id).child("text")));
}

void ReadVersion2(pugi::xml_node root, LineCounter& lines, ImportedList& list) {
    list.description = CleanImportedWord(InnerText(root.child("information").child("title")));
    // A side's locale, or where the author left it empty, the name of its column.
    for (pugi::xml_node identifier : root.child("identifiers").children("identifier")) {
        const std::string_view id = identifier.attribute("id").value();
        if (id == "0" || id == "1") {
            std::string language = CleanImportedWord(InnerText(identifier.child("locale")));
            if (language.empty()) {
                language = CleanImportedWord(InnerText(identifier.child("name")));
            }
            (id == "0" ? list.languages.TextA : list.languages.TextB) = std::move(language);
        }
    }
    for (pugi::xml_node entry : root.child("entries").children("entry")) {
        AddImportedRow(list, lines.LineOf(entry.offset_debug()), TranslationText(entry, "0"),
                       TranslationText(entry, "1"));
    }
}

void ReadVersion1(pugi::xml_node root, LineCounter& lines, ImportedList& list) {
    list.description = CleanImportedWord(root.attribute("title").value());
    for (pugi::xml_node entry : root.children("e")) {
        const pugi::xml_node word = entry.child("o");
        const pugi::xml_node translation = entry.child("t");
        for (auto [language, node] : {std::pair(&list.languages.TextA, word),
                                      std::pair(&list.languages.TextB, translation)}) {
            if (language->empty()) {
                *language = node.attribute("l").value();
            }
        }
        AddImportedRow(list, lines.LineOf(entry.offset_debug()), CleanImportedWord(InnerText(word)),
                       CleanImportedWord(InnerText(translation)));
    }
}

} // namespace

bool LooksLikeKvtml(std::string_view text) {
    text = WithoutByteOrderMark(text);
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    // The root comes after the declaration, a doctype and perhaps a comment.
    constexpr std::size_t prologue = 4096;
    return first != std::string_view::npos && text[first] == '<' &&
           text.substr(0, prologue).find("<kvtml") != std::string_view::npos;
}

ImportOutcome ReadKvtml(std::string_view text) {
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    LineCounter lines(text);
    if (!parsed) {
        return ImportFailure("The XML is malformed on line " +
                             std::to_string(lines.LineOf(parsed.offset)) + ": " +
                             parsed.description() + ".");
    }
    const pugi::xml_node root = document.document_element();
    if (std::strcmp(root.name(), "kvtml") != 0) {
        return ImportFailure("The XML holds no kvtml word list.");
    }
    ImportedList list;
    const std::string_view version = root.attribute("version").value();
    if (version.starts_with('2') || root.child("entries")) {
        ReadVersion2(root, lines, list);
    } else {
        ReadVersion1(root, lines, list);
    }
    return {std::move(list), {}};
}
