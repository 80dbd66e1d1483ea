#pragma once

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

// The pairs of the list at `listPath` as a file at `outputPath` should name their media: each
// usable picture and sound copied into MediaFolderFor(outputPath), and its reference made
// relative to the output's folder. A reference that cannot be used is left as it was. nullopt
// when a file cannot be copied.
std::optional<WordPairList> WithMediaCopied(const WordPairList& pairs, std::string_view listPath,
                                            const std::string& outputPath);
