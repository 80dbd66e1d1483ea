#include "words/side_language.h"
#include "words/text_language.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Pairs from two lines of comma-separated words, taken one by one.
WordPairList Pairs(const std::string& wordsA, const std::string& wordsB) {
    WordPairList list;
    std::istringstream a(wordsA);
    std::istringstream b(wordsB);
    for (std::string wordA, wordB; std::getline(a, wordA, ',') && std::getline(b, wordB, ',');) {
        list.push_back({wordA, wordB});
    }
    return list;
}

const std::string English = "the dog,the house,the child,the morning,the year,big,small,the city,"
                            "the heart,the song,to work,to speak,always,also,much,the water,the "
                            "woman,the man,the village,the night,the window,the book";

// French, but not in UTF-8.
const std::string Windows1252 = [] {
    std::string words;
    for (int i = 0; i < 22; ++i) {
        words += "le caf\xe9 cr\xe8me et l'\xe9t\xe9,";
    }
    return words;
}();

TEST(TextLanguage, EachSideOfALatinScriptListIsGuessedFromAllItsWords) {
    const struct {
        std::string wordsA, wordsB, languageA, languageB;
    } cases[] = {
        {"le chien,la maison,l'enfant,le matin,l'année,grand,petit,la ville,le cœur,la chanson,"
         "travailler,parler,toujours,aussi,beaucoup,l'eau,la femme,l'homme,le village,la nuit,"
         "la fenêtre,le livre",
         English, "fr", "en"},
        {"der Hund,das Haus,das Kind,der Morgen,das Jahr,groß,klein,die Stadt,das Herz,das Lied,"
         "arbeiten,sprechen,immer,auch,viel,das Wasser,die Frau,der Mann,das Dorf,die Nacht,"
         "das Fenster,das Buch",
         "el perro,la casa,el niño,la mañana,el año,grande,pequeño,la ciudad,el corazón,"
         "la canción,trabajar,hablar,siempre,también,mucho,el agua,la mujer,el hombre,el pueblo,"
         "la noche,la ventana,el libro",
         "de", "es"},
        {"pies,dom,dziecko,rano,rok,duży,mały,miasto,serce,piosenka,pracować,mówić,zawsze,także,"
         "dużo,woda,kobieta,mężczyzna,wieś,noc,okno,książka",
         English, "pl", "en"},
        // A few words are too few to tell.
        {"el perro,el gato,la casa", "the dog,the cat,the house", "", ""},
        // Not UTF-8: the guesser is not asked.
        {Windows1252, English, "", "en"},
    };
    for (const auto& [wordsA, wordsB, languageA, languageB] : cases) {
        const WordPairList list = Pairs(wordsA, wordsB);
        EXPECT_EQ(GuessLanguageFromText(list, ListSide::TextA), languageA) << wordsA;
        EXPECT_EQ(GuessLanguageFromText(list, ListSide::TextB), languageB) << wordsB;
    }
}

// Under the guesser's length, the letters that only some languages write decide, or name the
// languages to ask about; letters all languages share leave it open.
TEST(SideLanguage, AShortSideIsToldByItsLettersOrLeftOpenWithTheLikelyLanguages) {
    const std::string german = "der Hund,die Katze,das Haus,groß,klein,die Tür,schön";
    const struct {
        std::string words;
        std::string language;
        std::vector<std::string> likely;
    } cases[] = {
        {german, "de", {}},
        {"el perro,el niño,la casa,¿qué?", "es", {}},
        {"le cœur,la sœur,le chat", "fr", {}},
        {"la canción,el café,el corazón", "", {"es", "pt", "cs", "hu"}},
        {"DIE TÜR,SCHÖN", "", {"de", "hu", "tr"}},
        {"el perro,el gato,la casa", "", {}},
        {"собака,кошка", "ru", {}},
        // Not UTF-8: its letters tell nothing.
        {"el ni\xf1o,la se\xf1ora", "", {}},
    };
    for (const auto& [words, language, likely] : cases) {
        const SideLanguageGuess guess = GuessSideLanguage(Pairs(words, words), ListSide::TextB);
        EXPECT_EQ(guess.language, language) << words;
        EXPECT_EQ(guess.likely, likely) << words;
    }
}

} // namespace
