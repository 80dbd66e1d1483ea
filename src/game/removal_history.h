#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One pair taken off the board, with what it takes to put it back: its cells, the word each
// tile showed, and the Removed Tiles texts shown before it went.
struct RemovedPair {
    std::int32_t pair = -1;
    std::int32_t firstCell = -1;
    std::int32_t firstSide = 0;
    std::int32_t secondCell = -1;
    std::int32_t secondSide = 0;
    std::string textABefore;
    std::string textBBefore;
};

// The removals of one game, newest last, and the ones undone since, ready to be made again.
class RemovalHistory {
public:
    // A new removal: what was undone before it can no longer be redone.
    void Record(RemovedPair removal);
    // The removal Undo takes back, or nullptr.
    const RemovedPair* LastRemoval() const;
    // The removal Redo makes again, or nullptr.
    const RemovedPair* NextRedo() const;
    // Move the last removal over to the redo side, and back. Callers check there is one.
    RemovedPair Undo();
    RemovedPair Redo();
    void Clear();

private:
    std::vector<RemovedPair> done_;
    std::vector<RemovedPair> undone_;
};
