#include "words/script_language.h"

#include <gtest/gtest.h>

namespace {

WordPairList Side(std::initializer_list<const char*> words) {
    WordPairList list;
    for (const char* word : words) {
        list.push_back({"x", std::string(word)});
    }
    return list;
}

TEST(ScriptLanguage, EachScriptPointsToItsLanguageAndLatinToNone) {
    const struct {
        std::initializer_list<const char*> words;
        const char* language;
    } cases[] = {
        {{"собака", "кошка"}, "ru"},
        {{"σκύλος"}, "el"},
        {{"개", "고양이"}, "ko"},
        {{"ねこ", "カタカナ"}, "ja"},
        // Kanji alone look Chinese, but one word with kana makes the side Japanese.
        {{"猫", "犬", "食べる"}, "ja"},
        {{"猫", "狗"}, "zh"},
        {{"كلب"}, "ar"},
        {{"כלב"}, "he"},
        {{"หมา"}, "th"},
        {{"कुत्ता"}, "hi"},
        {{"ძაღლი"}, "ka"},
        {{"շուն"}, "hy"},
        {{"কুকুর"}, "bn"},
        {{"நாய்"}, "ta"},
        {{"chien", "Straße", "perro"}, ""},
        {{"1234", "?!"}, ""},
        // Mostly Latin with one Cyrillic word: the majority wins.
        {{"dog", "cat", "house", "пёс"}, ""},
        // Windows-1252 bytes of an old list are not UTF-8.
        {{"caf\xe9", "\xd0\xbf"}, ""},
        {{"\xe0\xa4"}, ""},
        {{}, ""},
    };
    for (const auto& c : cases) {
        const WordPairList list = Side(c.words);
        SCOPED_TRACE(c.language);
        EXPECT_EQ(GuessLanguageFromScript(list, ListSide::TextB), c.language);
        EXPECT_EQ(GuessLanguageFromScript(list, ListSide::TextA), "");
    }
}

} // namespace
