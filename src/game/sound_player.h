#pragma once

#include <string>

// Plays a side's recording. The Qt layer plays through the system's media back end; tests
// record.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Stops whatever is playing and plays this file from its start.
    virtual void Play(const std::string& file) = 0;
    virtual void Stop() = 0;
};
