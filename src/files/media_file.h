#pragma once

#include "words/message.h"
#include "words/word_pair.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class MediaKind { Picture, Sound };

// The largest picture or sound the program opens.
inline constexpr std::uintmax_t MaxMediaBytes = std::uintmax_t{20} << 20;

// Where the media of imported packages are kept: DataFolder()/media, "" without a data folder.
std::string MediaStoreFolder();

// What the first bytes of a file are: a picture (PNG, JPEG, GIF, WebP) or a sound (Ogg, MP3,
// WAV, FLAC); nullopt for anything else, SVG too, since it is a program rather than pixels.
std::optional<MediaKind> MediaKindOf(std::string_view head);

// The file a side's reference names, when the program may open it: relative to the folder of
// the list at `listPath`, or absolute, and then, with every link and ".." resolved, inside
// that folder or inside the media store. nullopt for any other place and for a file that is
// not there.
std::optional<std::string> AllowedMediaPath(std::string_view reference, std::string_view listPath);

// Whether the file at `path`, wherever it is, is a regular file (no device, no FIFO) of at
// most MaxMediaBytes whose first bytes are of a known format of that kind.
bool IsMediaFileOfKind(const std::string& path, MediaKind kind);

// The file when it is also usable as `kind`: a regular file (no device, no FIFO) of at most
// MaxMediaBytes whose first bytes are of a known format of that kind.
std::optional<std::string> UsableMediaPath(std::string_view reference, MediaKind kind,
                                           std::string_view listPath);

// What a list carries besides its words, as the summary and the notes count it.
struct MediaCounts {
    // Sides with a usable picture, sides with a usable sound, pairs with a note.
    int pictures = 0;
    int sounds = 0;
    int notes = 0;
    // References that could not be used.
    int missing = 0;
};

MediaCounts CountMedia(const WordPairList& pairs, std::string_view listPath);

// "3 media files could not be used; they were looked for in /home/me/lists."
Message MissingMediaNote(int missing, std::string_view listPath);
