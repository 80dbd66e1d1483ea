#include "files/media_export.h"

#include "files/anki_media.h"
#include "files/media_file.h"
#include "words/side_line.h"

#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {

// Copies each file once, under a name of its own in the folder.
class MediaCopier {
public:
    MediaCopier(std::string_view listPath, const std::string& outputPath)
        : listPath_(listPath), folder_(MediaFolderFor(outputPath)),
          folderName_(fs::path(folder_).filename().string()) {}

    // The new reference, or the old one when the file cannot be used; nullopt when a copy
    // failed.
    std::optional<std::string> Copied(const std::string& reference, MediaKind kind) {
        if (reference.empty()) {
            return reference;
        }
        const std::optional<std::string> source = UsableMediaPath(reference, kind, listPath_);
        if (!source) {
            return reference;
        }
        if (const auto known = copied_.find(*source); known != copied_.end()) {
            return known->second;
        }
        const std::string name = names_.Free(fs::path(*source).filename().string());
        std::error_code error;
        fs::create_directories(folder_, error);
        const fs::path target = fs::path(folder_) / name;
        if (!fs::equivalent(*source, target, error)) {
            fs::copy_file(*source, target, fs::copy_options::overwrite_existing, error);
            if (error) {
                return std::nullopt;
            }
        }
        return copied_[*source] = folderName_ + "/" + name;
    }

private:
    std::string listPath_;
    std::string folder_;
    std::string folderName_;
    std::map<std::string, std::string> copied_;
    MediaNames names_;
};

} // namespace

namespace {

// `wanted` made safe, then numbered until `take` accepts it.
template <typename Take> std::string FreeName(const std::string& wanted, Take take) {
    const std::string safe = SafeMediaName(wanted).value_or("media");
    const fs::path path(safe);
    std::string name = safe;
    for (int n = 2; !take(name); ++n) {
        name = path.stem().string() + "-" + std::to_string(n) + path.extension().string();
    }
    return name;
}

} // namespace

std::string MediaNames::Free(const std::string& wanted) {
    return FreeName(wanted, [this](const std::string& name) { return taken_.insert(name).second; });
}

std::optional<ListMediaFile> NewListMediaFile(std::string_view listPath,
                                              const std::string& wanted) {
    const fs::path folder = MediaFolderFor(listPath);
    std::error_code error;
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder, error)) {
        return std::nullopt;
    }
    const std::string name = FreeName(wanted, [&folder](const std::string& candidate) {
        std::error_code unused;
        return !fs::exists(fs::symlink_status(folder / candidate, unused));
    });
    return ListMediaFile{(folder / name).string(), folder.filename().string() + "/" + name};
}

CopiedMedia CopyIntoListMedia(const std::string& source, MediaKind kind,
                              std::string_view listPath) {
    if (!IsMediaFileOfKind(source, kind)) {
        return {{}, MediaCopyProblem::NotUsable};
    }
    const std::optional<ListMediaFile> target =
        NewListMediaFile(listPath, fs::path(source).filename().string());
    std::error_code error;
    // Never over a file: a name taken since it was chosen fails the copy.
    if (!target || !fs::copy_file(source, target->path, fs::copy_options::none, error)) {
        return {{}, MediaCopyProblem::NotCopied};
    }
    return {target->reference, std::nullopt};
}

std::string MediaFolderFor(std::string_view outputPath) {
    const fs::path output(outputPath);
    return (output.parent_path() / (output.stem().string() + "_media")).string();
}

std::optional<WordPairList> WithMediaCopied(const WordPairList& pairs, std::string_view listPath,
                                            const std::string& outputPath) {
    MediaCopier copier(listPath, outputPath);
    WordPairList copied = pairs;
    for (WordPair& pair : copied) {
        for (std::optional<std::string>* line : {&pair.TextA, &pair.TextB}) {
            if (!*line || line->value().find('[') == std::string::npos) {
                continue;
            }
            SideParts parts = ParseSide(**line);
            const std::optional<std::string> image = copier.Copied(parts.image, MediaKind::Picture);
            const std::optional<std::string> sound = copier.Copied(parts.sound, MediaKind::Sound);
            if (!image || !sound) {
                return std::nullopt;
            }
            if (*image != parts.image || *sound != parts.sound) {
                parts.image = *image;
                parts.sound = *sound;
                **line = SideLine(parts);
            }
        }
    }
    return copied;
}
