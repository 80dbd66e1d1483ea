#include "savegame/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// As many links as the kernel follows before it gives up with ELOOP.
constexpr int MaxLinkHops = 40;

// The file that a write through `path` really changes. A link whose file does not exist yet
// leads to that file's path, so that the link is kept.
std::optional<fs::path> FollowLinks(fs::path path) {
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) {
            return path;
        }
        const fs::path target = fs::read_symlink(path, error);
        if (error) {
            return std::nullopt;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}

// Setting the umask to learn it would change it for the other threads for a moment.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("Umask:")) {
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8) & 0777);
        }
    }
    // Without /proc the file is kept to its owner.
    return 077;
}

mode_t ModeForNewFile() {
    return 0666 & ~CurrentUmask();
}

bool WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The rename survives a power cut only once the folder itself is on disk.
void SyncFolder(const fs::path& folder) {
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        fsync(descriptor);
        close(descriptor);
    }
}

} // namespace

AtomicWrite WriteFileAtomically(const std::string& path,
                                const std::function<std::string()>& produce) {
    const auto failed = [](AtomicWriteResult result, int error) {
        return AtomicWrite{result, error};
    };
    const std::optional<fs::path> target = FollowLinks(path);
    if (!target) {
        return failed(AtomicWriteResult::CannotCreate, ELOOP);
    }
    if (!target->has_filename()) {
        return failed(AtomicWriteResult::CannotCreate, target->empty() ? ENOENT : EISDIR);
    }
    mode_t mode = 0;
    struct stat old {};
    if (stat(target->c_str(), &old) == 0) {
        // Writing in place would fail on these, so replacing them must not succeed either.
        if (!S_ISREG(old.st_mode)) {
            return failed(AtomicWriteResult::CannotCreate, S_ISDIR(old.st_mode) ? EISDIR : EINVAL);
        }
        if (access(target->c_str(), W_OK) != 0) {
            return failed(AtomicWriteResult::CannotCreate, errno);
        }
        mode = old.st_mode & 0777;
    } else {
        mode = ModeForNewFile();
    }

    const fs::path folder = target->has_parent_path() ? target->parent_path() : fs::path(".");
    std::string temporary = (folder / ".glossatiles-XXXXXX").string();
    const int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) {
        return failed(AtomicWriteResult::CannotCreate, errno);
    }
    // File systems without Unix modes refuse this; the file is good all the same.
    static_cast<void>(fchmod(descriptor, mode));
    std::string bytes;
    try {
        bytes = produce();
    } catch (...) {
        close(descriptor);
        unlink(temporary.c_str());
        throw;
    }
    int error = WriteAll(descriptor, bytes) && fsync(descriptor) == 0 ? 0 : errno;
    if (close(descriptor) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && std::rename(temporary.c_str(), target->c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        unlink(temporary.c_str());
        return failed(AtomicWriteResult::WriteFailed, error);
    }
    SyncFolder(folder);
    return {};
}

Message CantWriteFile(const std::string& path, const AtomicWrite& failed) {
    return {GT_TEXT("Message", "Can't write the file\n%1 (%2)"),
            {path, std::strerror(failed.error)}};
}
