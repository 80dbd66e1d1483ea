#pragma once

#include "files/media_file.h"
#include "words/word_pair.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>

// Names for media files gathered in one folder: each file's own name made safe, and "-2", "-3"
// before its extension when the name is taken.
class MediaNames {
public:
    std::string Free(const std::string& wanted);

private:
    std::set<std::string> taken_;
};

// The folder beside an exported file that its pictures and sounds are copied into: for
// "/out/animals.kvtml", "/out/animals_media".
std::string MediaFolderFor(std::string_view outputPath);

// A file of the list's own media about to be written: where it goes, and the reference a
// side of the list names it by ("animals_media/cat.png").
struct ListMediaFile {
    std::string path;
    std::string reference;
};

// A new file named after `wanted` in MediaFolderFor(listPath), which is made: the name made
// safe, and "-2", "-3" before its extension while a file there has it. nullopt when the folder
// cannot be made.
std::optional<ListMediaFile> NewListMediaFile(std::string_view listPath, const std::string& wanted);

enum class MediaCopyProblem { NotUsable, NotCopied };

struct CopiedMedia {
    std::string reference;
    std::optional<MediaCopyProblem> problem;
};

// Copies a picture or a sound from anywhere into the list's own media, as the editor inserts
// one: only a usable file of `kind` (format, size, a regular file) is copied.
CopiedMedia CopyIntoListMedia(const std::string& source, MediaKind kind, std::string_view listPath);

// The pairs of the list at `listPath` as a file at `outputPath` should name their media: each
// usable picture and sound copied into MediaFolderFor(outputPath), and its reference made
// relative to the output's folder. A reference that cannot be used is left as it was. nullopt
// when a file cannot be copied.
std::optional<WordPairList> WithMediaCopied(const WordPairList& pairs, std::string_view listPath,
                                            const std::string& outputPath);
