#include "files/file_bytes.h"
#include "files/list_import.h"
#include "files/word_list_export.h"
#include "support/games.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

// Words that need quoting in one format or another, and an old list's Windows-1252 bytes.
const WordPairList Tricky{
    {"tab\there", "semi;colon"}, {"a, b", "say \"hi\""}, {"\xE9t\xE9", "\x80 5"}};

TEST(WordListExport, TsvAndCsvQuoteWhatTheyMustAndReadBackAsTheSamePairs) {
    TempDir dir;
    GameState state = MakeGame(Tricky);
    RecordingHost host;
    const std::pair<const char*, const char*> formats[] = {
        {"words.TSV", "\"tab\there\"\t\"semi;colon\"\r\n\"a, b\"\t\"say \"\"hi\"\"\"\r\n"},
        {"words.csv", "\"tab\there\",\"semi;colon\"\r\n\"a, b\",\"say \"\"hi\"\"\"\r\n"},
    };
    for (const auto& [name, head] : formats) {
        SCOPED_TRACE(name);
        const std::string path = (dir.path() / name).string();
        ASSERT_TRUE(ExportWordList(state, host, path));
        const std::string bytes = ReadFileBytes(path).value_or("");
        EXPECT_TRUE(bytes.starts_with(head));
        const ImportOutcome back = ImportWordList(DetectImportFormat(path, bytes), path, bytes);
        ASSERT_TRUE(back.list);
        EXPECT_EQ(ListText(back.list->pairs), "tab\there=semi;colon; a, b=say \"hi\"; été=€ 5");
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
             "\nThe file name must end in .txt, .tsv or .csv."},
        {(dir.path() / "none/words.txt").string(), true,
         "Can't write the file\n" + (dir.path() / "none/words.txt").string()},
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

} // namespace
