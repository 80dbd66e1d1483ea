#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// Reads a text file the way the game always has: a piece at a time, up to and including the
// next line feed, at most a given number of bytes. A CR before a LF is dropped. A read that
// meets the end of the file gives what it found (possibly nothing) and sets AtEnd().
class LineReader {
public:
    static constexpr std::size_t WordPiece = 998;
    static constexpr std::size_t WholeLines = 0;

    LineReader(std::FILE* file, std::size_t maxPiece);

    std::string ReadPiece();
    bool AtEnd() const { return atEnd_; }
    // Lines so far that were longer than a piece and so were read in several.
    int SplitLines() const { return splitLines_; }

private:
    int Get();
    int Peek();
    int RawAt(std::size_t offset);

    std::FILE* file_;
    std::size_t maxPiece_;
    bool atEnd_ = false;
    int splitLines_ = 0;
    bool inSplitLine_ = false;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

// Drops trailing LF, CR and blanks; leading blanks and tabs stay.
void TrimLine(std::string& line);

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Opens a regular file for reading; null for a missing, unreadable or non-regular file. A
// named pipe or a device is never opened, so the call cannot wait for a writer.
FileHandle OpenForReading(const std::string& path);
