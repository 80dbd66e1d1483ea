#include "words/text_language.h"

#include "words/side_line.h"
#include "words/utf8_check.h"

#include <libexttextcat/textcat.h>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

constexpr const char* ModelFolder = "/usr/share/libexttextcat/";
// Among all the guesser knows, close relatives (Catalan beside Spanish, Slovak beside Czech)
// make common lists ambiguous; word lists are mostly in these.
constexpr const char* Languages[] = {"en", "fr", "de", "es", "it", "pt", "nl", "pl",
                                     "sv", "da", "nb", "fi", "cs", "hu", "ro", "tr"};
// Below this many bytes a few words decide, and short lists are often guessed wrong.
constexpr std::size_t MinimumText = 120;
// Enough for a guess; more only takes longer.
constexpr std::size_t MaximumText = 4000;

struct ClassifierDone {
    void operator()(void* handle) const { textcat_Done(handle); }
};
using Classifier = std::unique_ptr<void, ClassifierDone>;

// The guesser reads its list of languages from a file.
Classifier MakeClassifier() {
    char path[] = "/tmp/glossatiles-textcat-XXXXXX";
    const int descriptor = mkstemp(path);
    if (descriptor < 0) {
        return nullptr;
    }
    std::FILE* file = fdopen(descriptor, "w");
    if (!file) {
        close(descriptor);
        unlink(path);
        return nullptr;
    }
    for (const char* language : Languages) {
        std::fprintf(file, "%s.lm %s\n", language, language);
    }
    std::fclose(file);
    Classifier classifier(special_textcat_Init(path, ModelFolder));
    unlink(path);
    return classifier;
}

void* SharedClassifier() {
    static const Classifier classifier = MakeClassifier();
    return classifier.get();
}

std::string SideText(const WordPairList& list, ListSide side) {
    std::string text;
    for (const WordPair& pair : list) {
        const std::optional<std::string> word = SideWords(pair, side);
        // The guesser reads UTF-8; other words would only mislead it.
        if (word && !word->empty() && IsUtf8(*word)) {
            text += *word;
            text += ' ';
            if (text.size() >= MaximumText) {
                break;
            }
        }
    }
    return text;
}

} // namespace

std::string GuessLanguageFromText(const WordPairList& list, ListSide side) {
    const std::string text = SideText(list, side);
    void* classifier = text.size() < MinimumText ? nullptr : SharedClassifier();
    if (!classifier) {
        return {};
    }
    // "[fr]" when one language stands out; several, "SHORT" or "UNKNOWN" otherwise.
    const std::string guess = textcat_Classify(classifier, text.data(), text.size());
    if (guess.size() < 3 || guess.front() != '[' || guess.find('[', 1) != std::string::npos) {
        return {};
    }
    return guess.substr(1, guess.size() - 2);
}
