#include "files/kvtml_reader.h"

#include "files/imported_list.h"

#include "files/html_field.h"
#include "files/utf8_text.h"
#include "files/xml_problem.h"
#include "words/side_line.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <utility>

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

// Text and CDATA below the node, in order: "a &amp; <![CDATA[b]]>" is "a & b". An element's
// first text is its value. The walker does not recurse, so deeply nested markup cannot exhaust
// the stack.
std::string InnerText(pugi::xml_node node) {
    struct Collector : pugi::xml_tree_walker {
        std::string text;
        bool for_each(pugi::xml_node& child) override {
            text += child.value();
            return true;
        }
    } collector;
    collector.text = node.value();
    node.traverse(collector);
    return collector.text;
}

// "file:cat.png", "file:///home/me/lists/cat.png" or a bare path, as a file; whether it may be
// opened is decided where it is used.
std::string FileOfUrl(std::string_view url) {
    std::string file = CleanImportedWord(url);
    if (file.starts_with("file://")) {
        file.erase(0, 7);
    } else if (file.starts_with("file:")) {
        file.erase(0, 5);
    }
    return ReferenceValue(PercentDecoded(file));
}

// The columns of a version 2 file are its identifiers; a version 1 file has two, <o> and <t>.
class KvtmlSource : public TableSource {
public:
    KvtmlSource(std::string_view text, std::shared_ptr<pugi::xml_document> document)
        : text_(text), document_(std::move(document)), root_(document_->document_element()) {
        version2_ = std::string_view(root_.attribute("version").value()).starts_with('2') ||
                    root_.child("entries");
        if (version2_) {
            for (pugi::xml_node identifier : root_.child("identifiers").children("identifier")) {
                ids_.emplace_back(identifier.attribute("id").value());
            }
            // Old files leave the identifiers out and number the translations 0 and 1.
            for (const char* id : {"0", "1"}) {
                if (std::find(ids_.begin(), ids_.end(), id) == ids_.end()) {
                    ids_.emplace_back(id);
                }
            }
            hasNotes_ = root_.select_node("entries/entry/translation/comment | "
                                          "entries/entry/translation/example");
        }
    }

    TableHead Head() const override {
        TableHead head;
        if (version2_) {
            head.description =
                CleanImportedWord(InnerText(root_.child("information").child("title")));
            for (const std::string& id : ids_) {
                const pugi::xml_node identifier =
                    root_.child("identifiers")
                        .find_child_by_attribute("identifier", "id", id.c_str());
                const std::string name = CleanImportedWord(InnerText(identifier.child("name")));
                std::string language = CleanImportedWord(InnerText(identifier.child("locale")));
                head.columnNames.push_back(name);
                // A side's locale, or where the author left it empty, the name of its column.
                head.columnLanguages.push_back(language.empty() ? name : language);
            }
            head.columns = {IdColumn("0"), IdColumn("1")};
            if (hasNotes_) {
                // The comments and examples of an entry's translations, as one column.
                head.columns.note = head.columnNames.size();
                head.columnNames.emplace_back("Note");
                head.columnLanguages.emplace_back();
            }
            head.certain = ids_.size() <= 2;
            // One lesson of every entry is what the game writes itself; more are the author's.
            std::size_t lessons = 0;
            for (pugi::xml_node lesson : root_.child("lessons").children("container")) {
                lessons += lesson.child("container") ? 2 : 1;
            }
            head.lessons = lessons > 1;
        } else {
            head.description = CleanImportedWord(root_.attribute("title").value());
            head.columnLanguages = {FirstLanguage("o"), FirstLanguage("t")};
        }
        return head;
    }

    std::optional<Message> ReadRows(std::size_t keptFields, const RowVisitor& visit) override {
        LineCounter lines(text_);
        const std::size_t columns = version2_ ? ids_.size() + (hasNotes_ ? 1 : 0) : 2;
        const pugi::xml_node parent = version2_ ? root_.child("entries") : root_;
        TableRow row;
        for (pugi::xml_node entry : parent.children(version2_ ? "entry" : "e")) {
            row.line = lines.LineOf(entry.offset_debug());
            row.fieldCount = columns;
            row.fields.clear();
            for (std::size_t column = 0; column < columns && column < keptFields; ++column) {
                row.fields.push_back(Field(entry, column));
            }
            if (!visit(row)) {
                break;
            }
        }
        return std::nullopt;
    }

private:
    std::size_t IdColumn(const char* id) const {
        return static_cast<std::size_t>(std::find(ids_.begin(), ids_.end(), id) - ids_.begin());
    }

    std::string FirstLanguage(const char* side) const {
        for (pugi::xml_node entry : root_.children("e")) {
            if (const char* language = entry.child(side).attribute("l").value(); *language) {
                return language;
            }
        }
        return {};
    }

    // Column `column` of an entry: a translation as a side's line, with its picture and sound,
    // or the entry's note.
    std::string Field(pugi::xml_node entry, std::size_t column) const {
        if (!version2_) {
            return CleanImportedWord(InnerText(entry.child(column == 0 ? "o" : "t")));
        }
        if (column == ids_.size()) {
            return EntryNote(entry);
        }
        const pugi::xml_node translation =
            entry.find_child_by_attribute("translation", "id", ids_[column].c_str());
        return SideLine({CleanImportedWord(InnerText(translation.child("text"))),
                         FileOfUrl(InnerText(translation.child("image"))),
                         FileOfUrl(InnerText(translation.child("sound"))),
                         {}});
    }

    std::string EntryNote(pugi::xml_node entry) const {
        std::string note;
        for (pugi::xml_node translation : entry.children("translation")) {
            for (const char* kind : {"comment", "example"}) {
                const std::string said = CleanImportedWord(InnerText(translation.child(kind)));
                if (!said.empty() && note.find(said) == std::string::npos) {
                    note += (note.empty() ? "" : "; ") + said;
                }
            }
        }
        return note;
    }

    std::string_view text_;
    std::shared_ptr<pugi::xml_document> document_;
    pugi::xml_node root_;
    bool version2_ = false;
    bool hasNotes_ = false;
    std::vector<std::string> ids_;
};

bool IsNameStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_' || c == ':' ||
           static_cast<unsigned char>(c) >= 0x80;
}

// What the parsed tree will hold, counted from above in one pass before parsing: every element
// and every run of text that is not an element's first (each a node of the tree), every
// attribute, and the entries.
struct XmlCounts {
    std::size_t nodes = 0;
    std::size_t attributes = 0;
    std::size_t entries = 0;
};

XmlCounts CountXml(std::string_view text) {
    XmlCounts counts;
    bool inTag = false;
    bool startTag = false;
    // The text since the last tag, and whether that tag opened an element.
    bool textRun = false;
    bool afterStart = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (inTag) {
            counts.attributes += c == '=';
            if (c == '>') {
                inTag = false;
                afterStart = startTag && text[at - 1] != '/';
            }
            continue;
        }
        if (c != '<') {
            textRun = textRun || (c != ' ' && c != '\t' && c != '\r' && c != '\n');
            continue;
        }
        counts.nodes += std::exchange(textRun, false) && !afterStart;
        afterStart = false;
        const std::string_view tag = text.substr(at + 1);
        if (tag.starts_with("![CDATA[") || tag.starts_with("!--")) {
            const bool cdata = tag[1] == '[';
            counts.nodes += cdata;
            const std::size_t end = text.find(cdata ? "]]>" : "-->", at);
            at = end == std::string_view::npos ? text.size() : end + 2;
            continue;
        }
        inTag = true;
        startTag = !tag.empty() && IsNameStart(tag[0]);
        if (startTag) {
            ++counts.nodes;
            const std::string_view name = tag.substr(0, tag.find_first_of(" \t\r\n/>"));
            counts.entries += name == "entry" || name == "e";
        }
    }
    return counts;
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

OpenedTable KvtmlTable(std::string_view text) {
    const XmlCounts counts = CountXml(text);
    if (counts.entries > MaxKvtmlEntries) {
        return {nullptr, Message(GT_TEXT("Message", "It holds more than %1 entries, more than "
                                                    "this program reads; it is refused."),
                                 {std::to_string(MaxKvtmlEntries)})};
    }
    // pugixml's node and attribute on a 64-bit machine: the tree of a real word list takes two
    // to six times its file, one of many tiny elements up to sixteen.
    constexpr std::size_t nodeBytes = 64;
    constexpr std::size_t attributeBytes = 40;
    constexpr std::size_t treePerFileByte = 8;
    constexpr std::size_t smallTree = std::size_t{1} << 20;
    const std::size_t tree = counts.nodes * nodeBytes + counts.attributes * attributeBytes;
    if (tree > treePerFileByte * text.size() + smallTree || tree > MaxKvtmlTreeBytes) {
        return {nullptr, GT_TEXT("Message", "Its XML holds far more elements than a word list of "
                                            "its size; it is refused.")};
    }
    auto document = std::make_shared<pugi::xml_document>();
    // No nodes for the declaration, the doctype, comments or processing instructions, nor for
    // an element's first text, which is kept as its value.
    constexpr unsigned flags = pugi::parse_minimal | pugi::parse_cdata | pugi::parse_escapes |
                               pugi::parse_eol | pugi::parse_embed_pcdata;
    const pugi::xml_parse_result parsed =
        document->load_buffer(text.data(), text.size(), flags, pugi::encoding_utf8);
    if (!parsed) {
        LineCounter lines(text);
        return {nullptr, NestedMessage(GT_TEXT("Message", "The XML is malformed on line %1: %2."),
                                       {std::to_string(lines.LineOf(parsed.offset))},
                                       {XmlParseProblem(parsed)})};
    }
    const pugi::xml_node root = document->document_element();
    if (std::strcmp(root.name(), "kvtml") != 0) {
        return {nullptr, GT_TEXT("Message", "The XML holds no kvtml word list.")};
    }
    return {std::make_unique<KvtmlSource>(text, std::move(document)), {}};
}
