#include "files/media_export.h"
#include "files/media_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

using namespace std::string_view_literals;
constexpr std::string_view PngHead = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"sv;

// A list folder of good, missing and hostile media, and a picture beside it, outside.
struct MediaFolder {
    TempDir dir;
    std::string list;
    std::string outside;

    MediaFolder() {
        fs::create_directories(dir.path() / "list/sub");
        list = dir.Write("list/animals.txt", "Animals\n");
        outside = dir.Write("outside.png", PngHead);
        dir.Write("list/red.png", PngHead);
        dir.Write("list/sub/blue.png", PngHead);
        dir.Write("list/hund.ogg", "OggS\0\x02"sv);
        dir.Write("list/fake.png", "just some text");
        dir.Write("list/pic.svg", "<svg xmlns='http://www.w3.org/2000/svg'/>");
        fs::resize_file(dir.Write("list/huge.png", PngHead), MaxMediaBytes + 1);
        fs::create_symlink("../outside.png", dir.path() / "list/link.png");
        mkfifo((dir.path() / "list/fifo.png").c_str(), 0600);
    }
};

TEST(MediaFile, OnlyKnownFilesInsideTheListsFolderAreUsed) {
    const MediaFolder folder;
    const std::string red = (folder.dir.path() / "list/red.png").string();
    const struct {
        std::string reference;
        MediaKind kind;
        bool usable;
    } cases[] = {
        {"red.png", MediaKind::Picture, true},
        {"sub/blue.png", MediaKind::Picture, true},
        {"sub/../red.png", MediaKind::Picture, true},
        {red, MediaKind::Picture, true},
        {"hund.ogg", MediaKind::Sound, true},
        {"red.png", MediaKind::Sound, false},
        {"../outside.png", MediaKind::Picture, false},
        {folder.outside, MediaKind::Picture, false},
        {"link.png", MediaKind::Picture, false},
        {"fifo.png", MediaKind::Picture, false},
        {"huge.png", MediaKind::Picture, false},
        {"fake.png", MediaKind::Picture, false},
        {"pic.svg", MediaKind::Picture, false},
        {"missing.png", MediaKind::Picture, false},
        {"sub", MediaKind::Picture, false},
        {"/dev/zero", MediaKind::Sound, false},
        {"/etc/passwd", MediaKind::Picture, false},
        {"", MediaKind::Picture, false},
    };
    for (const auto& c : cases) {
        const std::optional<std::string> path = UsableMediaPath(c.reference, c.kind, folder.list);
        EXPECT_EQ(path.has_value(), c.usable) << c.reference;
        if (path) {
            EXPECT_TRUE(fs::equivalent(*path, folder.dir.path() / "list" / c.reference) ||
                        *path == red)
                << c.reference;
        }
    }
    // Without a list there is no folder for a relative name.
    EXPECT_FALSE(UsableMediaPath("red.png", MediaKind::Picture, ""));
}

TEST(MediaFile, HostileReferencesAreCountedMissingAndNeverCopiedOnExport) {
    const MediaFolder folder;
    const WordPairList pairs = {
        {"[image=red.png] rot", "red [sound=hund.ogg]"},
        {"[image=../outside.png]", "outside"},
        {"[image=" + folder.outside + "]", "absolute"},
        {"[image=link.png]", "[sound=fifo.png]"},
        {"[image=huge.png] [note=big]", "[image=missing.png]"},
    };
    const MediaCounts counts = CountMedia(pairs, folder.list);
    EXPECT_EQ(counts.pictures, 1);
    EXPECT_EQ(counts.sounds, 1);
    EXPECT_EQ(counts.notes, 1);
    EXPECT_EQ(counts.missing, 6);

    const std::string output = (folder.dir.path() / "out/animals.csv").string();
    fs::create_directories(folder.dir.path() / "out");
    const std::optional<WordPairList> exported = WithMediaCopied(pairs, folder.list, output);
    ASSERT_TRUE(exported);
    EXPECT_EQ((*exported)[0].TextA, "rot [image=animals_media/red.png]");
    EXPECT_EQ((*exported)[1].TextA, "[image=../outside.png]");
    std::set<std::string> copied;
    for (const auto& entry : fs::recursive_directory_iterator(folder.dir.path() / "out")) {
        copied.insert(fs::relative(entry.path(), folder.dir.path() / "out").string());
    }
    EXPECT_EQ(copied, (std::set<std::string>{"animals_media", "animals_media/red.png",
                                             "animals_media/hund.ogg"}));
}

} // namespace

namespace {

// A file chosen in the editor lands in the list's own media folder, under a name no file there
// has yet; only a usable file of the asked kind is copied.
TEST(MediaFile, AnInsertedFileIsCopiedBesideTheListUnderANameOfItsOwn) {
    const MediaFolder folder;
    const fs::path media = folder.dir.path() / "list/animals_media";
    const auto source = [&folder](const char* name) {
        return (folder.dir.path() / "list" / name).string();
    };
    const struct {
        std::string source;
        MediaKind kind;
        std::string reference;
        std::optional<MediaCopyProblem> problem;
    } cases[] = {
        {source("red.png"), MediaKind::Picture, "animals_media/red.png", std::nullopt},
        {source("red.png"), MediaKind::Picture, "animals_media/red-2.png", std::nullopt},
        {source("sub/blue.png"), MediaKind::Picture, "animals_media/blue.png", std::nullopt},
        {folder.outside, MediaKind::Picture, "animals_media/outside.png", std::nullopt},
        {source("hund.ogg"), MediaKind::Sound, "animals_media/hund.ogg", std::nullopt},
        {source("hund.ogg"), MediaKind::Picture, "", MediaCopyProblem::NotUsable},
        {source("fake.png"), MediaKind::Picture, "", MediaCopyProblem::NotUsable},
        {source("huge.png"), MediaKind::Picture, "", MediaCopyProblem::NotUsable},
        {source("fifo.png"), MediaKind::Picture, "", MediaCopyProblem::NotUsable},
        {source("missing.png"), MediaKind::Picture, "", MediaCopyProblem::NotUsable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        const CopiedMedia copied = CopyIntoListMedia(c.source, c.kind, folder.list);
        EXPECT_EQ(copied.reference, c.reference);
        EXPECT_EQ(copied.problem, c.problem);
        if (!c.problem) {
            EXPECT_EQ(UsableMediaPath(copied.reference, c.kind, folder.list),
                      fs::canonical(folder.dir.path() / "list" / c.reference).string());
        }
    }
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(media)) {
        names.insert(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::set<std::string>(
                         {"red.png", "red-2.png", "blue.png", "outside.png", "hund.ogg"}));
    // A folder that cannot be made (a file has its name) copies nothing.
    const std::string blocked = folder.dir.Write("list/blocked_media", "");
    const CopiedMedia refused =
        CopyIntoListMedia(source("red.png"), MediaKind::Picture, source("blocked.txt"));
    EXPECT_EQ(refused.problem, MediaCopyProblem::NotCopied);
    EXPECT_EQ(fs::file_size(blocked), 0u);
}

} // namespace
