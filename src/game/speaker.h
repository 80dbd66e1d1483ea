#pragma once

#include <string>

// One word to say and the language to say it in (a locale name such as "es_ES" or "ru").
struct Utterance {
    std::string text;
    std::string language;
    bool operator==(const Utterance&) const = default;
};

// A voice for the words. The Qt layer speaks through the system's speech engine; tests
// record.
class Speaker {
public:
    virtual ~Speaker() = default;
    // Interrupts whatever is being said and says this instead.
    virtual void Say(const Utterance& utterance) = 0;
    virtual void Stop() = 0;
};
