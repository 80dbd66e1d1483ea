#include "words/line_reader.h"

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {
constexpr std::size_t BufferSize = 1 << 16;
}

LineReader::LineReader(std::FILE* file, std::size_t maxPiece)
    : file_(file), maxPiece_(maxPiece), buffer_(BufferSize) {}

int LineReader::RawAt(std::size_t offset) {
    if (begin_ + offset >= end_) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
        // A failed read (EIO, a directory) counts as the end of the file.
        end_ += std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
        if (offset >= end_) {
            return EOF;
        }
    }
    return static_cast<unsigned char>(buffer_[begin_ + offset]);
}

int LineReader::Peek() {
    const int c = RawAt(0);
    return c == '\r' && RawAt(1) == '\n' ? '\n' : c;
}

int LineReader::Get() {
    const int c = Peek();
    if (c != EOF) {
        begin_ += (RawAt(0) == '\r' && c == '\n') ? 2 : 1;
    }
    return c;
}

std::string LineReader::ReadPiece() {
    std::string piece;
    while (maxPiece_ == WholeLines || piece.size() < maxPiece_) {
        const int c = Get();
        if (c == EOF) {
            atEnd_ = true;
            inSplitLine_ = false;
            return piece;
        }
        piece.push_back(static_cast<char>(c));
        if (c == '\n') {
            inSplitLine_ = false;
            return piece;
        }
    }
    // The line end of a line that exactly fills a piece belongs to it, not to an empty line
    // of its own that would end a word list early.
    const int next = Peek();
    if (next == '\n') {
        piece.push_back(static_cast<char>(Get()));
        inSplitLine_ = false;
    } else if (next != EOF && !std::exchange(inSplitLine_, true)) {
        ++splitLines_;
    }
    return piece;
}

void TrimLine(std::string& line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' ')) {
        line.pop_back();
    }
}

FileHandle OpenForReading(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return nullptr;
    }
    // The file may have been swapped for a pipe since: without O_NONBLOCK, open would wait.
    const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return nullptr;
    }
    if (fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(descriptor);
        return nullptr;
    }
    fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    FileHandle file(fdopen(descriptor, "rb"));
    if (!file) {
        close(descriptor);
    }
    return file;
}
