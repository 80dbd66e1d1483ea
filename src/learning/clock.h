#pragma once

#include <ctime>

// Where "now" comes from for the schedule, so that tests can move through days.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::time_t Now() const = 0;
};

class SystemClock : public Clock {
public:
    std::time_t Now() const override { return std::time(nullptr); }
};
