#include "files/kvtml_writer.h"

#include "files/utf8_text.h"
#include "words/side_line.h"

#include <pugixml.hpp>

#include <cctype>
#include <cstdio>

namespace {

// XML 1.0 has no place for control characters but the tab; old lists may hold them.
std::string XmlText(std::string_view bytes) {
    std::string text = AsUtf8(bytes);
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
            c = ' ';
        }
    }
    return text;
}

void AddTextChild(pugi::xml_node parent, const char* name, std::string_view text) {
    parent.append_child(name).text().set(XmlText(text).c_str());
}

void AddIdentifier(pugi::xml_node identifiers, const char* id, const LanguageLabel& language,
                   const char* fallbackName) {
    pugi::xml_node identifier = identifiers.append_child("identifier");
    identifier.append_attribute("id") = id;
    AddTextChild(identifier, "name", language.name.empty() ? fallbackName : language.name);
    AddTextChild(identifier, "locale", language.locale);
}

// A file as a URL: relative to the document where it is relative, with the bytes a URL may not
// hold escaped.
std::string FileUrl(std::string_view file) {
    constexpr std::string_view kept = "-._~/!$&'()*+,;=@";
    std::string url = file.starts_with('/') ? "file://" : "";
    for (const char c : file) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 || kept.find(c) != std::string_view::npos) {
            url += c;
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
            url += escaped;
        }
    }
    return url;
}

struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, std::size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
};

} // namespace

std::string KvtmlText(std::string_view description, const WordPairList& pairs,
                      const LanguageLabel& words, const LanguageLabel& translations) {
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    document.append_child(pugi::node_doctype)
        .set_value("kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\"");
    pugi::xml_node root = document.append_child("kvtml");
    root.append_attribute("version") = "2.0";

    pugi::xml_node information = root.append_child("information");
    AddTextChild(information, "generator", "Glossatiles");
    AddTextChild(information, "title", description);

    pugi::xml_node identifiers = root.append_child("identifiers");
    AddIdentifier(identifiers, "0", words, "Word");
    AddIdentifier(identifiers, "1", translations, "Translation");

    pugi::xml_node entries = root.append_child("entries");
    pugi::xml_node lessons = root.append_child("lessons");
    pugi::xml_node lesson = lessons.append_child("container");
    AddTextChild(lesson, "name", description.empty() ? std::string_view("Words") : description);
    AddTextChild(lesson, "inpractice", "true");
    int id = 0;
    for (const WordPair& pair : pairs) {
        const std::string entryId = std::to_string(id++);
        pugi::xml_node entry = entries.append_child("entry");
        entry.append_attribute("id") = entryId.c_str();
        for (const auto& [side, line] :
             {std::pair("0", &pair.TextA), std::pair("1", &pair.TextB)}) {
            pugi::xml_node translation = entry.append_child("translation");
            translation.append_attribute("id") = side;
            const SideParts parts = ParseSide(line->value_or(""));
            AddTextChild(translation, "text", parts.text);
            if (!parts.note.empty()) {
                AddTextChild(translation, "comment", parts.note);
            }
            if (!parts.image.empty()) {
                AddTextChild(translation, "image", FileUrl(parts.image));
            }
            if (!parts.sound.empty()) {
                AddTextChild(translation, "sound", FileUrl(parts.sound));
            }
        }
        lesson.append_child("entry").append_attribute("id") = entryId.c_str();
    }
    StringWriter writer;
    document.save(writer, "  ", pugi::format_default, pugi::encoding_utf8);
    return writer.text;
}
