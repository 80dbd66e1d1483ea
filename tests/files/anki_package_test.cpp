#include "files/anki_media.h"
#include "files/anki_package.h"
#include "files/list_import.h"
#include "files/media_file.h"
#include "files/untrusted_database.h"
#include "support/anki_deck.h"
#include "support/games.h"
#include "support/temp_dir.h"
#include "words/cancel_flag.h"
#include "words/side_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

namespace {

const NoteType basic{1342697561419, {"Front", "Back"}};
const NoteType japanese{1400000000000, {"Expression", "Reading", "Meaning"}};

const AnkiDeck animals{11, {basic}, {{basic.id, {"cat", "chat"}}, {basic.id, {"dog", "chien"}}}};

// Writes a package, or the SQL that makes a collection hostile, where the fuzzer finds its
// seeds, when asked to.
void KeepAsSeed(const std::string& name, const std::string& bytes) {
    if (const char* folder = std::getenv("GLOSSATILES_FUZZ_SEEDS")) {
        std::ofstream(std::filesystem::path(folder) / name, std::ios::binary) << bytes;
    }
}

// "description | pairs | notes", or "fails: " and the problem.
std::string PackageDigest(const std::string& bytes, const ImportChoice& choice = {}) {
    const ImportOutcome outcome =
        ImportWordList(ImportFormat::AnkiPackage, "/decks/deck.apkg", bytes, choice);
    if (!outcome.list) {
        return "fails: " + EnglishText(outcome.problem);
    }
    std::string digest = outcome.list->description + " | " + ListText(outcome.list->pairs);
    // The package's folder in the store is named by a hash of its bytes.
    const std::string store = MediaStoreFolder() + "/";
    for (std::size_t at = digest.find(store); at != std::string::npos; at = digest.find(store)) {
        digest.replace(at, digest.find('/', at + store.size()) + 1 - at, "STORE/");
    }
    for (const Message& note : outcome.list->notes) {
        digest += " | " + EnglishText(note);
    }
    return digest;
}

// Packages copy their media into a store of the test's own, not the user's.
class OwnMediaStore {
public:
    OwnMediaStore() {
        if (const char* old = std::getenv("XDG_DATA_HOME")) {
            previous_ = old;
        }
        setenv("XDG_DATA_HOME", dir_.path().c_str(), 1);
    }
    ~OwnMediaStore() {
        previous_ ? setenv("XDG_DATA_HOME", previous_->c_str(), 1) : unsetenv("XDG_DATA_HOME");
    }
    OwnMediaStore(const OwnMediaStore&) = delete;
    OwnMediaStore& operator=(const OwnMediaStore&) = delete;

    // Every file under the data folder, by its name.
    std::set<std::string> FileNames() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_.path())) {
            if (entry.is_regular_file()) {
                names.insert(entry.path().filename().string());
            }
        }
        return names;
    }

private:
    TempDir dir_;
    std::optional<std::string> previous_;
};

const std::string Png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);

// Sets the uncompressed size that the local header and the central directory claim for the
// first entry, as a zip bomb would.
std::string WithClaimedSize(std::string zip, std::uint32_t size) {
    const auto put = [&](std::size_t at) {
        for (int i = 0; i < 4; ++i) {
            zip[at + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
        }
    };
    put(22);
    put(zip.find("PK\x01\x02") + 24);
    return zip;
}

TEST(AnkiPackage, EitherGenerationOpensWithTheFieldsPicked) {
    const OwnMediaStore store;
    const AnkiDeck kanji{
        18,
        {japanese},
        {{japanese.id, {"猫", "ねこ", "cat"}}, {japanese.id, {"犬", "いぬ", "dog"}}}};
    const AnkiDeck formatted{
        11,
        {basic},
        {{basic.id, {"<b>cat</b>[sound:cat.mp3]", "le&nbsp;chat<br>noir &amp;&#10;blanc"}},
         {basic.id, {"{{c1::Paris}} is in France", "x"}},
         {basic.id, {"dog", ""}}}};
    const AnkiDeck mixed{
        11, {basic, japanese}, {{basic.id, {"cat", "chat"}}, {japanese.id, {"猫", "ねこ", "cat"}}}};
    AnkiDeck colours{18, {basic}, {{basic.id, {"red", "rouge"}}}, "Languages::Colours"};
    AnkiDeck hugeCloze = animals;
    // libstdc++'s regex matcher recursed once per digit and overflowed the stack.
    hugeCloze.notes.push_back({basic.id, {"{{c" + std::string(50'000, '7') + "::x}}", "y"}});
    struct Case {
        const char* name;
        std::string bytes;
        ImportChoice choice;
        std::string digest;
    };
    const std::vector<Case> cases{
        {"schema 11", AnkiPackage(animals), {}, "deck.apkg | cat=chat; dog=chien"},
        {"schema 18 beside the stub", AnkiPackage(kanji, true), {}, "deck.apkg | 猫=ねこ; 犬=いぬ"},
        {"expression and meaning",
         AnkiPackage(kanji, true),
         {.columns = ColumnPair{0, 2}},
         "deck.apkg | 猫=cat; 犬=dog"},
        {"the deck names the list",
         AnkiPackage(colours, true),
         {},
         "Languages::Colours | red=rouge"},
        {"the deck names the list, as JSON",
         AnkiPackage({11, {basic}, {{basic.id, {"red", "rouge"}}}, "Colours"}),
         {},
         "Colours | red=rouge"},
        {"a cloze number of 50,000 digits",
         AnkiPackage(hugeCloze),
         {},
         "deck.apkg | cat=chat; dog=chien | 1 cloze note was left out, since they are not word "
         "pairs."},
        {"schema 11 beside the stub, as collection.anki21",
         ZipArchive(
             {{"collection.anki2", AnkiCollection({11, {basic}, {{basic.id, {"old", "stub"}}}})},
              {"collection.anki21", AnkiCollection(animals)}}),
         {},
         "deck.apkg | cat=chat; dog=chien"},
        {"html, sound, cloze left out, media noted",
         ZipArchive({{"collection.anki2", AnkiCollection(formatted)},
                     {"media", "{\"0\": \"cat.mp3\"}"},
                     {"0", "ID3"}}),
         {},
         "deck.apkg | cat [sound=STORE/cat.mp3]=le chat / noir & blanc | 1 cloze note was left "
         "out, since they are not word pairs."},
        {"two note types", AnkiPackage(mixed), {}, "deck.apkg | cat=chat; 猫=ねこ"},
        // Windows-1252 bytes where UTF-8 belongs: 0x81 has no character there.
        {"stray bytes",
         AnkiPackage({11, {basic}, {{basic.id, {"caf\xE9\x81", "x"}}}}),
         {},
         "deck.apkg | café=x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        KeepAsSeed(c.name + std::string(".apkg"), c.bytes);
        EXPECT_EQ(PackageDigest(c.bytes, c.choice), c.digest);
    }
    for (const auto& [name, deck] :
         {std::pair("kanji collection", &kanji), std::pair("formatted collection", &formatted),
          std::pair("mixed collection", &mixed)}) {
        KeepAsSeed(name + std::string(".anki2"), AnkiCollection(*deck));
    }
    const ImportPreview preview =
        PreviewImport(ImportFormat::AnkiPackage, "/decks/kanji.apkg", AnkiPackage(mixed));
    EXPECT_EQ(preview.head.columnNames,
              (std::vector<std::string>{"Front / Expression", "Back / Reading", "Meaning"}));
    EXPECT_FALSE(preview.head.certain);
    EXPECT_EQ(preview.head.description, "kanji.apkg");
    EXPECT_TRUE(
        PreviewImport(ImportFormat::AnkiPackage, "a.apkg", AnkiPackage(animals)).head.certain);
}

TEST(AnkiPackage, PictureFrontsOpenWithEveryCardAndTheirPicturesInTheStore) {
    const AnkiDeck legacy{
        11,
        {basic},
        {{basic.id, {"<img src=\"red.png\" />", "rojo"}}, {basic.id, {"blue", "azul"}}}};
    const AnkiDeck newest{
        18,
        {basic},
        {{basic.id, {"<img src=\"red%20square.png\">", "rojo"}}, {basic.id, {"blue", "azul"}}}};
    const struct {
        const char* name;
        std::string bytes;
        const char* shown;
    } cases[] = {
        {"legacy, a JSON map",
         ZipArchive({{"collection.anki2", AnkiCollection(legacy)},
                     {"media", R"({"0": "red.png"})"},
                     {"0", Png}}),
         "red"},
        {"anki21b, zstd media", NewestPackage(newest, {{"red square.png", Png.size(), Png}}),
         "red square"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        KeepAsSeed(c.name + std::string(".apkg"), c.bytes);
        const OwnMediaStore store;
        const ImportOutcome outcome =
            ImportWordList(ImportFormat::AnkiPackage, "/decks/deck.apkg", c.bytes);
        ASSERT_TRUE(outcome.list) << EnglishText(outcome.problem);
        const WordPairList& pairs = outcome.list->pairs;
        ASSERT_EQ(pairs.size(), 2u);
        EXPECT_EQ(ShownText(*pairs[0].TextA), c.shown);
        EXPECT_EQ(pairs[0].TextB, "rojo");
        EXPECT_EQ(pairs[1].TextA.value_or("") + "=" + pairs[1].TextB.value_or(""), "blue=azul");
        const std::optional<std::string> picture = UsableMediaPath(
            ParseSide(*pairs[0].TextA).image, MediaKind::Picture, "/decks/deck.apkg");
        ASSERT_TRUE(picture) << *pairs[0].TextA;
        EXPECT_TRUE(picture->starts_with(MediaStoreFolder() + "/"));
        EXPECT_EQ(ReadBytes(*picture), Png);
    }
}

TEST(AnkiPackage, HostileMediaAreRefusedAndTheirCardsKeepTheirWords) {
    const AnkiDeck deck{18,
                        {basic},
                        {{basic.id, {"<img src=\"red.png\">", "rojo"}},
                         {basic.id, {"<img src=\"lies.png\">", "lies"}},
                         {basic.id, {"<img src=\"bomb.png\">", "bomb"}},
                         {basic.id, {"<img src=\"../evil.png\">", "evil"}}}};
    const std::string zeros(MaxMediaBytes + 1, '\0');
    const std::string package = NewestPackage(deck, {{"red.png", Png.size(), Png},
                                                     {"lies.png", 999, Png},
                                                     {"bomb.png", zeros.size(), zeros},
                                                     {"../evil.png", Png.size(), Png}});
    KeepAsSeed("hostile media.apkg", package);
    const OwnMediaStore store;
    const ImportOutcome outcome =
        ImportWordList(ImportFormat::AnkiPackage, "/decks/deck.apkg", package);
    ASSERT_TRUE(outcome.list) << EnglishText(outcome.problem);
    const WordPairList& pairs = outcome.list->pairs;
    ASSERT_EQ(pairs.size(), 4u);
    EXPECT_EQ(ShownText(*pairs[1].TextA), "lies");
    EXPECT_EQ(store.FileNames(), (std::set<std::string>{"red.png"}));
    const MediaCounts counts = CountMedia(pairs, "/decks/deck.apkg");
    EXPECT_EQ(counts.pictures, 1);
    EXPECT_EQ(counts.missing, 3);
    ASSERT_FALSE(outcome.list->notes.empty());
    EXPECT_EQ(EnglishText(outcome.list->notes.back()),
              "3 media files of the package were refused (larger than 20 MB, of another size "
              "than it declares, damaged, or named outside its folder): lies.png, bomb.png, "
              "../evil.png");
}

TEST(AnkiPackage, EveryMediaNameStaysInsideTheStoreOrIsRefused) {
    const std::string longName = std::string(300, 'a') + ".png";
    const struct {
        std::string name;
        std::optional<std::string> safe;
    } cases[] = {
        {"../x.png", std::nullopt},
        {"/etc/passwd", std::nullopt},
        {"a/b.png", std::nullopt},
        {"a\\b.png", std::nullopt},
        {"..", std::nullopt},
        {"", std::nullopt},
        {"\xff.png", std::nullopt},
        {std::string("\0", 1), "_"},
        {std::string("n\0ul.png", 8), "n_ul.png"},
        {"e\xcc\x81t\xc3\xa9.png", "\xc3\xa9t\xc3\xa9.png"},
        {".hidden.png", "_hidden.png"},
        {"a:b[1]?.png", "a_b_1__.png"},
        {"CON", "CON"},
        {longName, std::string(196, 'a') + ".png"},
    };
    std::vector<PackageFile> files;
    std::set<std::string> kept;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SafeMediaName(c.name), c.safe);
        files.push_back({c.name, Png.size(), Png});
        if (c.safe) {
            kept.insert(*c.safe);
        }
    }
    const std::string package = NewestPackage({18, {basic}, {{basic.id, {"cat", "chat"}}}}, files);
    KeepAsSeed("hostile media names.apkg", package);
    const OwnMediaStore store;
    const ImportOutcome outcome =
        ImportWordList(ImportFormat::AnkiPackage, "/decks/deck.apkg", package);
    ASSERT_TRUE(outcome.list) << EnglishText(outcome.problem);
    EXPECT_EQ(store.FileNames(), kept);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(MediaStoreFolder())) {
        if (entry.is_regular_file()) {
            EXPECT_EQ(entry.path().parent_path().parent_path(), MediaStoreFolder());
        }
    }
    ASSERT_FALSE(outcome.list->notes.empty());
    EXPECT_TRUE(EnglishText(outcome.list->notes.back()).starts_with("7 media files"))
        << EnglishText(outcome.list->notes.back());
}

TEST(AnkiPackage, ADamagedOrForeignPackageIsRefusedWithTheReason) {
    const std::string package = AnkiPackage(animals);
    AnkiDeck newer = animals;
    newer.schema = 19;
    // Each of these once hung the reader, or would have taken all the memory it could get.
    AnkiDeck endless = animals;
    endless.hostileSql =
        "DROP TABLE notes; CREATE VIEW notes(id, guid, mid, mod, usn, tags, flds, sfld, csum, "
        "flags, data) AS WITH RECURSIVE forever(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM "
        "forever) SELECT n, '', 1342697561419, 0, 0, '', 'a', '', 0, 0, '' FROM forever WHERE "
        "n < 0";
    AnkiDeck generated = animals;
    generated.hostileSql =
        "ALTER TABLE notes RENAME TO stored; CREATE TABLE notes (id INTEGER PRIMARY KEY, mid "
        "INTEGER, text TEXT, flds TEXT GENERATED ALWAYS AS (text || text) VIRTUAL)";
    AnkiDeck hugeField = animals;
    hugeField.hostileSql = "UPDATE notes SET flds = printf('%.*c', 16777217, 'x') WHERE id = 1001";
    AnkiDeck tooMany = animals;
    tooMany.hostileSql = "WITH RECURSIVE n(i) AS (SELECT 2000 UNION ALL SELECT i + 1 FROM n "
                         "WHERE i < 251999) INSERT INTO notes SELECT i, 'g', 1342697561419, 0, 0, "
                         "'', 'a' || char(31) || 'b', '', 0, 0, '' FROM n";
    const std::string stubOnly = ZipArchive(
        {{"collection.anki2",
          AnkiCollection(
              {11, {basic}, {{basic.id, {"Please update to the latest Anki version.", ""}}}})}});
    const struct {
        const char* name;
        std::string bytes;
        std::string problem;
    } cases[] = {
        {"cut short", package.substr(0, package.size() / 2),
         "It is not a zip archive, or the archive is damaged."},
        {"a flipped byte in the collection",
         [&] {
             std::string damaged = package;
             damaged[60] = static_cast<char>(damaged[60] ^ 0x55);
             return damaged;
         }(),
         "The archive is damaged."},
        {"a zip bomb", WithClaimedSize(package, 0xFFFFFFF0u),
         "Its collection would unpack to more than 256 MB, far more than a deck holds; it is "
         "refused."},
        {"no collection", ZipArchive({{"media", "{}"}}), "It holds no Anki collection."},
        {"not SQLite", ZipArchive({{"collection.anki2", "cat\tchat\n"}}),
         "Its collection is not an SQLite database."},
        {"damaged zstd", ZipArchive({{"collection.anki21b", "\x28\xB5\x2F\xFD garbage"}}),
         "Its compressed collection is damaged."},
        {"a newer schema", AnkiPackage(newer),
         "It was made by a newer Anki (collection schema 19); this program reads schemas 11 to "
         "18."},
        {"only the stub", stubOnly,
         "It holds only a note asking for a newer Anki; its real collection is missing."},
        {"notes, a view over an endless recursive query", AnkiPackage(endless),
         "In its collection, notes is not a plain table with Anki's columns; it is refused."},
        {"a generated flds column", AnkiPackage(generated),
         "In its collection, notes is not a plain table with Anki's columns; it is refused."},
        {"a field of 16 MB and a byte", AnkiPackage(hugeField),
         "Its collection holds a text longer than 16 MB, far more than a note holds; it is "
         "refused."},
        {"more notes than a deck holds", AnkiPackage(tooMany),
         "It holds more than 250000 notes, more than this program reads; it is refused."},
        {"SQLite without Anki's tables",
         ZipArchive({{"collection.anki2", AnkiCollection(animals).substr(0, 4096)}}),
         "Its collection is not an Anki collection, or it is damaged."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        KeepAsSeed(c.name + std::string(".apkg"), c.bytes);
        EXPECT_EQ(PackageDigest(c.bytes), "fails: " + c.problem);
    }
    for (const auto& [name, deck] :
         {std::pair("endless view", &endless), std::pair("generated column", &generated),
          std::pair("huge field", &hugeField), std::pair("too many notes", &tooMany)}) {
        KeepAsSeed(std::string(name) + ".sql", deck->hostileSql);
    }
}

// A package is unpacked, decompressed and opened once: its previews and its reading use that.
TEST(FileOpening, APackageIsOpenedOnceForItsPreviewsAndItsReading) {
    std::string bytes = AnkiPackage(animals);
    ImportReading reading("deck.apkg", ImportFormat::AnkiPackage, bytes);
    reading.Prepare();
    std::fill(bytes.begin(), bytes.end(), 'x');
    EXPECT_EQ(reading.Preview({}).rows.size(), 2u);
    const ImportOutcome outcome = reading.Read({.columns = ColumnPair{1, 0}});
    ASSERT_TRUE(outcome.list) << EnglishText(outcome.problem);
    EXPECT_EQ(ListText(outcome.list->pairs), "chat=cat; chien=dog");
}

// What no honest query needs, a query that never ends, is stopped by the work limit, or by a
// cancel from the window's thread.
TEST(UntrustedDatabase, AnEndlessQueryStopsAtItsBudgetOrAtACancel) {
    const std::string image = AnkiCollection(animals);
    constexpr const char* endless = "WITH RECURSIVE forever(n) AS (SELECT 1 UNION ALL SELECT n + 1 "
                                    "FROM forever) SELECT n FROM forever WHERE n < 0";
    UntrustedDatabase limited(image, 10, nullptr);
    EXPECT_FALSE(limited.Run(endless).Next());
    ASSERT_TRUE(limited.StoppedByLimit());
    EXPECT_EQ(EnglishText(*limited.Problem()),
              "Reading its collection takes far more work than a collection of its size needs; "
              "it is refused.");

    // A database this large may work for seconds: the cancel comes first.
    AnkiDeck padded = animals;
    padded.hostileSql = "CREATE TABLE pad (b); INSERT INTO pad VALUES (zeroblob(16000000))";
    const std::string large = AnkiCollection(padded);
    CancelFlag cancel;
    UntrustedDatabase cancelled(large, 10, &cancel);
    std::thread window([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        cancel.Cancel();
    });
    UntrustedDatabase::Query query = cancelled.Run(
        "WITH RECURSIVE forever(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM forever) SELECT n "
        "FROM forever WHERE n < 0 OR n > 1e18");
    EXPECT_FALSE(query.Next());
    window.join();
    ASSERT_TRUE(cancelled.Problem());
    EXPECT_TRUE(IsCancelledReading(*cancelled.Problem()));
    // The row cap holds however the query is written.
    UntrustedDatabase capped(image, 10, nullptr);
    UntrustedDatabase::Query rows = capped.Run("SELECT 1 FROM notes, notes, notes, notes");
    int seen = 0;
    while (rows.Next()) {
        ++seen;
    }
    EXPECT_EQ(seen, 10);
    EXPECT_TRUE(capped.StoppedByLimit());
}

} // namespace
