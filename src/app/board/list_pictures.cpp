#include "app/board/list_pictures.h"

#include "files/media_file.h"

PictureFinder ListPictureFinder() {
    return [](std::string_view reference, std::string_view listPath) {
        return UsableMediaPath(reference, MediaKind::Picture, listPath).value_or(std::string());
    };
}
