#include "files/typing_pairs.h"

#include "files/media_file.h"
#include "files/utf8_text.h"
#include "words/side_line.h"

std::vector<TypingPair> TypingPairsOf(const WordPairList& list, std::string_view listPath) {
    std::vector<TypingPair> pairs;
    std::int32_t index = 0;
    const auto usable = [listPath](const std::string& reference, MediaKind kind) {
        return reference.empty() ? reference
                                 : UsableMediaPath(reference, kind, listPath).value_or("");
    };
    for (const WordPair& pair : list) {
        const SideParts a = ParseSide(pair.TextA.value_or(""));
        const SideParts b = ParseSide(pair.TextB.value_or(""));
        pairs.push_back({index++, AsUtf8(a.text), AsUtf8(b.text),
                         usable(a.image, MediaKind::Picture), usable(b.image, MediaKind::Picture),
                         usable(a.sound, MediaKind::Sound), usable(b.sound, MediaKind::Sound),
                         AsUtf8(PairNote(pair.TextA.value_or(""), pair.TextB.value_or("")))});
    }
    return pairs;
}
