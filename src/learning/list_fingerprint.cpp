#include "learning/list_fingerprint.h"

#include <cstdint>
#include <cstdio>

namespace {
class Fnv1a {
public:
    void Add(unsigned char byte) {
        hash_ ^= byte;
        hash_ *= 0x100000001b3ULL;
    }
    // Each word with its length before it, so that no two lists share a byte stream.
    void Add(const std::optional<std::string>& word) {
        std::uint64_t length = word ? word->size() + 1 : 0;
        for (int i = 0; i < 8; ++i, length >>= 8) {
            Add(static_cast<unsigned char>(length & 0xff));
        }
        if (word) {
            for (const char c : *word) {
                Add(static_cast<unsigned char>(c));
            }
        }
    }
    std::uint64_t Value() const { return hash_; }

private:
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};
} // namespace

std::string ListFingerprint(const WordPairList& pairs) {
    Fnv1a hash;
    for (const WordPair& pair : pairs) {
        hash.Add(pair.TextA);
        hash.Add(pair.TextB);
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash.Value()));
    return text;
}
