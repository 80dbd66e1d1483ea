#pragma once

#include <atomic>

// Stops a reading that runs on one thread from another: the readers look at it as they go and
// give up, leaving nothing half done.
class CancelFlag {
public:
    void Cancel() { cancelled_.store(true, std::memory_order_relaxed); }
    bool Cancelled() const { return cancelled_.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> cancelled_{false};
};

inline bool IsCancelled(const CancelFlag* cancel) {
    return cancel != nullptr && cancel->Cancelled();
}
