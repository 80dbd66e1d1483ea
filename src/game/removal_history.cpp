#include "game/removal_history.h"

#include <utility>

namespace {

RemovedPair MoveLast(std::vector<RemovedPair>& from, std::vector<RemovedPair>& to) {
    to.push_back(std::move(from.back()));
    from.pop_back();
    return to.back();
}

} // namespace

void RemovalHistory::Record(RemovedPair removal) {
    done_.push_back(std::move(removal));
    undone_.clear();
}

const RemovedPair* RemovalHistory::LastRemoval() const {
    return done_.empty() ? nullptr : &done_.back();
}

const RemovedPair* RemovalHistory::NextRedo() const {
    return undone_.empty() ? nullptr : &undone_.back();
}

RemovedPair RemovalHistory::Undo() {
    return MoveLast(done_, undone_);
}

RemovedPair RemovalHistory::Redo() {
    return MoveLast(undone_, done_);
}

void RemovalHistory::Clear() {
    done_.clear();
    undone_.clear();
}
