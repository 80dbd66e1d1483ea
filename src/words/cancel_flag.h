#pragma once

#include "words/message.h"

#include <atomic>
#include <string_view>

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

// What a cancelled reading gives in place of its problem; the player, who cancelled, is not
// told.
inline constexpr const char* CancelledReadingText = "The reading was cancelled.";

inline Message CancelledReading() {
    return CancelledReadingText;
}

inline bool IsCancelledReading(const Message& message) {
    return std::string_view(message.text) == CancelledReadingText;
}
