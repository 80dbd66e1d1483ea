#pragma once

#include "words/word_pair.h"

#include <optional>
#include <string>
#include <string_view>

// The folder beside an exported file that its pictures and sounds are copied into: for
// "/out/animals.kvtml", "/out/animals_media".
std::string MediaFolderFor(std::string_view outputPath);

// The pairs of the list at `listPath` as a file at `outputPath` should name their media: each
// usable picture and sound copied into MediaFolderFor(outputPath), and its reference made
// relative to the output's folder. A reference that cannot be used is left as it was. nullopt
// when a file cannot be copied.
std::optional<WordPairList> WithMediaCopied(const WordPairList& pairs, std::string_view listPath,
                                            const std::string& outputPath);
