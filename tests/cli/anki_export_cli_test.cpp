#include "cli_runner.h"
#include "files/anki_export.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// What a reader with nothing of ours (Python's zipfile and sqlite3) finds in the package.
std::string ReadByPython(const TempDir& dir, const std::string& package) {
    const std::string out = (dir.path() / "python.out").string();
    const int status = std::system(("python3 " + Quoted(GLOSSATILES_ANKI_READER) + " " +
                                    Quoted(package) + " >" + Quoted(out) + " 2>&1")
                                       .c_str());
    return (status == 0 ? "" : "failed: ") + ReadBytes(out);
}

// A pair written twice (once capitalised) and a word with markup characters; the second export,
// a day later, keeps each note's GUID, so that a flashcard program updates its cards.
TEST(AnkiExportCli, APackageThatAnotherReaderAndTheGameOpen) {
    TempDir dir;
    const std::string list =
        dir.Write("animals.txt", "Animals & more\nel perro\nthe dog\nEl Perro\nthe dog\n"
                                 "<b>gato\ncat\n");
    const std::string notes = "note: " + AnkiNoteGuid("el perro", "the dog") +
                              " ['el perro', 'the dog'] known type: True checksum: True\n"
                              "note: " +
                              AnkiNoteGuid("<b>gato", "cat") +
                              " ['&lt;b&gt;gato', 'cat'] known type: True checksum: True\n";
    const std::string expected = "files: collection.anki2 media\n"
                                 "media: {}\n"
                                 "integrity: ok\n"
                                 "schema: 11\n"
                                 "note type: Basic ['Front', 'Back'] ['{{Front}} / {{Back}}'] id "
                                 "matches: True\n"
                                 "deck: Default cards: 0 id matches: True\n"
                                 "deck: Animals & more cards: 2 id matches: True\n"
                                 "cards: 2\n" +
                                 notes;
    for (const char* launcher : {"", "faketime -f +1d"}) {
        SCOPED_TRACE(launcher);
        const std::string package = (dir.path() / "animals.apkg").string();
        const CliRun run = RunCli(dir, {"--seed", "1", "--export", package, list}, launcher);
        ASSERT_EQ(run.status, 0) << run.errors;
        EXPECT_EQ(ReadByPython(dir, package), expected);
        const CliRun opened = RunCli(dir, {"--seed", "1", package});
        EXPECT_EQ(Summary(opened, {"description", "pairs"}), "description=Animals & more pairs=2")
            << opened.errors;
    }
}

// The pictures and sounds travel inside the package, each once, and the game finds them there
// when it opens the package again.
TEST(AnkiExportCli, APackageCarriesThePicturesAndSoundsOfTheList) {
    TempDir dir;
    setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
    dir.Write("cat.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    dir.Write("perro.ogg", std::string("OggS\0\x02", 6));
    const std::string list =
        dir.Write("animals.txt", "Animals\n[image=cat.png] gato\ncat [sound=perro.ogg]\n"
                                 "[image=cat.png]\nkitten [note=young]\n"
                                 "perro [image=gone.png]\ndog\n");
    const std::string package = (dir.path() / "animals.apkg").string();
    const CliRun run = RunCli(dir, {"--export", package, list});
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::string read = ReadByPython(dir, package);
    EXPECT_NE(read.find("files: 0 1 collection.anki2 media\nmedia: {\"0\":\"cat.png\",\"1\":"
                        "\"perro.ogg\"}\n"),
              std::string::npos)
        << read;
    EXPECT_NE(read.find("['gato<img src=\"cat.png\">', 'cat[sound:perro.ogg]']"), std::string::npos)
        << read;
    EXPECT_NE(read.find("['<img src=\"cat.png\">', 'kitten']"), std::string::npos) << read;
    EXPECT_NE(read.find("['perro', 'dog']"), std::string::npos) << read;
    const CliRun opened = RunCli(dir, {package});
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(Summary(opened, {"pairs", "pictures", "sounds"}), "pairs=3 pictures=2 sounds=1")
        << opened.errors;
}

} // namespace
