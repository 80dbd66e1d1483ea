#include "files/kvtml_writer.h"
#include "files/language_names.h"
#include "files/list_export.h"
#include "files/list_import.h"
#include "support/games.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <fstream>
#include <set>
#include <sstream>

namespace {

std::string ReadExample(const std::string& name) {
    std::ifstream in(std::string(GLOSSATILES_EXAMPLES) + "/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every element path of the document, "kvtml/entries/entry/translation/text" and so on.
std::set<std::string> ElementPaths(const std::string& xml) {
    pugi::xml_document document;
    EXPECT_TRUE(document.load_string(xml.c_str()));
    std::set<std::string> paths;
    struct Walker : pugi::xml_tree_walker {
        std::set<std::string>* paths;
        bool for_each(pugi::xml_node& node) override {
            if (node.type() == pugi::node_element) {
                paths->insert(node.path().substr(1));
            }
            return true;
        }
    } walker;
    walker.paths = &paths;
    document.traverse(walker);
    return paths;
}

TEST(KvtmlExport, ReadsBackAsTheSamePairsTitleAndLanguages) {
    const WordPairList pairs{
        {"l'été", "summer"}, {"<b> & \"q\"", "]]> tag"}, {"\xE9t\xE9", "ctl\x01x"}};
    const std::string text =
        KvtmlText("Seasons & more", pairs, LabelLanguage("fr"), LabelLanguage("English"));
    const ImportOutcome back = ImportWordList(ImportFormat::Kvtml, "list.kvtml", text);
    ASSERT_TRUE(back.list) << EnglishText(back.problem);
    EXPECT_EQ(back.list->description, "Seasons & more");
    EXPECT_EQ(ListText(back.list->pairs), "l'été=summer; <b> & \"q\"=]]> tag; été=ctl x");
    EXPECT_EQ(back.list->languages.TextA, "fr");
    EXPECT_EQ(back.list->languages.TextB, "en");
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(text.c_str()));
    EXPECT_STREQ(document.child("kvtml").attribute("version").value(), "2.0");
    const pugi::xml_node identifier = document.select_node("//identifier[@id='0']").node();
    EXPECT_STREQ(identifier.child_value("name"), "French");
    EXPECT_STREQ(identifier.child_value("locale"), "fr");
    // One lesson names every entry, in order.
    EXPECT_EQ(document.select_nodes("/kvtml/lessons/container").size(), 1u);
    const pugi::xpath_node_set members = document.select_nodes("/kvtml/lessons/container/entry");
    ASSERT_EQ(members.size(), pairs.size());
    EXPECT_STREQ(members[2].node().attribute("id").value(), "2");
}

// A file written from the example has the example's elements, where kvtml's readers look.
TEST(KvtmlExport, LaysOutTheExampleAsTheExampleDoes) {
    const std::string example = ReadExample("italian-numbers.kvtml");
    const ImportOutcome read = ImportWordList(ImportFormat::Kvtml, "list.kvtml", example);
    ASSERT_TRUE(read.list);
    const std::string written = ExportedListText(ExportFormat::Kvtml, read.list->description,
                                                 read.list->pairs, read.list->languages);
    std::set<std::string> expected = ElementPaths(example);
    expected.erase("kvtml/information/comment");
    EXPECT_EQ(ElementPaths(written), expected);
    EXPECT_TRUE(written.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE kvtml"));
    const ImportOutcome again = ImportWordList(ImportFormat::Kvtml, "list.kvtml", written);
    ASSERT_TRUE(again.list);
    EXPECT_EQ(ListText(again.list->pairs), ListText(read.list->pairs));
    EXPECT_EQ(again.list->languages.TextA, "it");
}

TEST(KvtmlExport, LabelsLanguagesByCodeOrName) {
    const struct {
        const char* named;
        const char* name;
        const char* locale;
    } cases[] = {
        {"fr", "French", "fr"},
        {"de-DE", "German", "de-DE"},
        {"pt_BR", "Portuguese", "pt_BR"},
        {" spanish ", "Spanish", "es"},
        {"xx", "xx", "xx"},
        {"Vocabulary", "Vocabulary", ""},
        {"Front side", "Front side", ""},
        {"", "", ""},
        {"de-", "de-", ""},
    };
    for (const auto& c : cases) {
        const LanguageLabel label = LabelLanguage(c.named);
        EXPECT_EQ(label.name + "|" + label.locale, std::string(c.name) + "|" + c.locale) << c.named;
    }
    // Unnamed sides are labelled by their script where it tells.
    const std::string text =
        ExportedListText(ExportFormat::Kvtml, "", {{"собака", "dog"}}, ListLanguages{});
    EXPECT_NE(text.find("<name>Russian</name>"), std::string::npos);
    EXPECT_NE(text.find("<name>Translation</name>"), std::string::npos);
}

} // namespace
