#include "files/anki_export.h"
#include "files/list_import.h"
#include "files/open_file.h"
#include "files/word_list_export.h"
#include "support/games.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

// Words that need quoting in one format or another, and an old list's Windows-1252 bytes.
const WordPairList Tricky{
    {"tab\there", "semi;colon"}, {"a, b", "say \"hi\""}, {"\xE9t\xE9", "\x80 5"}};

// Each format opens again with the same pairs; TSV and CSV quote what they must and write UTF-8,
// the native list keeps the bytes and the description. An import turns the tab into a blank, as
// it does every control character.
TEST(WordListExport, EachFormatOpensAgainWithTheSamePairs) {
    TempDir dir;
    GameState state = MakeGame(Tricky);
    state.FileDescription = "Tricky";
    RecordingHost host;
    const std::string utf8 = "tab here=semi;colon; a, b=say \"hi\"; été=€ 5";
    const struct {
        const char* name;
        const char* head;
        std::string digest;
    } formats[] = {
        {"words.txt", "Tricky\ntab\there\nsemi;colon\n", "Tricky | " + ListText(Tricky)},
        {"words.TSV", "\"tab\there\"\t\"semi;colon\"\r\n\"a, b\"\t\"say \"\"hi\"\"\"\r\n",
         "words.TSV | " + utf8},
        {"words.csv", "\"tab\there\",\"semi;colon\"\r\n\"a, b\",\"say \"\"hi\"\"\"\r\n",
         "words.csv | " + utf8},
        {"words.kvtml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", "Tricky | " + utf8},
        {"words.apkg", "PK\x03\x04", "Tricky | " + utf8},
    };
    for (const auto& [name, head, digest] : formats) {
        SCOPED_TRACE(name);
        const std::string path = (dir.path() / name).string();
        ASSERT_TRUE(ExportWordList(state, host, path));
        EXPECT_TRUE(ReadBytes(path).starts_with(head));
        GameState back;
        ASSERT_EQ(OpenFileAtPath(back, host, path), OpenResult::Dealt);
        EXPECT_EQ(back.FileDescription + " | " + ListText(back.WordList), digest);
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST(WordListExport, RefusesWithoutAListAFormatOrAFolderAndLeavesTheFileAlone) {
    TempDir dir;
    const std::string kept = dir.Write("kept.csv", "old");
    const struct {
        std::string path;
        bool listLoaded;
        std::string message;
    } cases[] = {
        {kept, false, "There is no word list loaded\nUse File > Open to open a list"},
        {(dir.path() / "words.doc").string(), true,
         "Can't export the word list to\n" + (dir.path() / "words.doc").string() +
             "\nThe file name must end in .txt, .tsv, .csv, .kvtml or .apkg."},
        {(dir.path() / "none/words.txt").string(), true,
         "Can't write the file\n" + (dir.path() / "none/words.txt").string() +
             " (No such file or directory)"},
    };
    for (const auto& c : cases) {
        const GameState state = c.listLoaded ? MakeGame(Tricky) : GameState();
        RecordingHost host;
        EXPECT_FALSE(ExportWordList(state, host, c.path));
        EXPECT_EQ(host.messages, std::vector{c.message});
        EXPECT_FALSE(std::filesystem::exists(c.path) && c.path != kept) << c.path;
    }
    EXPECT_EQ(ReadBytes(kept), "old");
}

// A pair keeps its note's GUID while its words fold to the same; a package without a
// description names its deck for the program.
TEST(WordListExport, AnAnkiNoteIsThePairsWhateverItsCaseOrBlanks) {
    EXPECT_EQ(AnkiNoteGuid("El  Perro ", "The dog"), AnkiNoteGuid("el perro", "the dog"));
    EXPECT_NE(AnkiNoteGuid("el perro", "the dog"), AnkiNoteGuid("the dog", "el perro"));
    EXPECT_NE(AnkiNoteGuid("el perro", "the dog"), AnkiNoteGuid("el perro", "the hound"));
    const std::optional<std::string> package = AnkiPackageBytes("", Tricky, "", 0);
    ASSERT_TRUE(package);
    const ImportOutcome outcome = ImportWordList(ImportFormat::AnkiPackage, "a.apkg", *package, {});
    ASSERT_TRUE(outcome.list);
    EXPECT_EQ(outcome.list->description, "Glossatiles");
}

} // namespace
