#include "app/board/list_media.h"

#include "files/media_file.h"

MediaFinder ListMediaFinder() {
    return [](std::string_view reference, MediaKind kind, std::string_view listPath) {
        return UsableMediaPath(reference, kind, listPath).value_or(std::string());
    };
}
