#include "words/data_folder.h"

#include <cstdlib>
#include <filesystem>

std::string DataFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::filesystem::path folder;
    // The base-directory rules ignore a relative XDG_DATA_HOME.
    if (dataHome && dataHome[0] == '/') {
        folder = dataHome;
    } else if (const char* home = std::getenv("HOME"); home && home[0] != '\0') {
        folder = std::filesystem::path(home) / ".local/share";
    } else {
        return {};
    }
    return (folder / "glossatiles").string();
}
