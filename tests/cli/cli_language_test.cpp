#include "cli_runner.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The environment of one run, put back afterwards.
class Environment {
public:
    Environment(std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"}) {
            const char* old = std::getenv(name);
            saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
            unsetenv(name);
        }
        for (const auto& [name, value] : values) {
            setenv(name, value, 1);
        }
    }
    ~Environment() {
        for (const auto& [name, value] : saved_) {
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(CliLanguage, MessagesAreInTheLanguageOfTheEnvironmentAndSummaryKeysStayEnglish) {
    const TempDir dir;
    const std::string missing = (dir.path() / "missing.txt").string();
    const struct {
        std::initializer_list<std::pair<const char*, const char*>> environment;
        std::string message;
    } cases[] = {
        {{{"LANG", "C"}}, "Error can't open the file\\n"},
        // gettext reads LANGUAGE only outside the C locale.
        {{{"LANG", "C"}, {"LANGUAGE", "fr"}}, "Error can't open the file\\n"},
        {{}, "Error can't open the file\\n"},
        {{{"LANG", "fr_FR.UTF-8"}}, "Erreur : impossible d'ouvrir le fichier\\n"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "pt:es"}},
         "Error: no se puede abrir el archivo\\n"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}},
         "Error: no se puede abrir el archivo\\n"},
        {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "en:fr"}}, "Error can't open the file\\n"},
        {{{"LANG", "ja_JP.UTF-8"}}, "Error can't open the file\\n"},
    };
    for (const auto& [environment, message] : cases) {
        const Environment set(environment);
        const CliRun run = RunCli(dir, {missing});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.errors, "message: " + message + missing + "\n") << message;
        EXPECT_EQ(Summary(run, {"pairs", "cells"}), "pairs=0 cells=0");
    }
}

// The messages of exporting name the list's new format in every language.
TEST(CliLanguage, ExportRefusalNamesEveryFormatItWritesInTheLanguageOfTheEnvironment) {
    const TempDir dir;
    const std::string list = dir.Write("animals.txt", "Animals\nchat\ncat\n");
    const std::string out = (dir.path() / "out.doc").string();
    const struct {
        const char* lang;
        std::string message;
    } cases[] = {
        {"C", "Can't export the word list to\\n" + out +
                  "\\nThe file name must end in .txt, .tsv, .csv or .kvtml."},
        {"de_DE.UTF-8", "Die Wortliste kann nicht exportiert werden nach\\n" + out +
                            "\\nDer Dateiname muss auf .txt, .tsv, .csv oder .kvtml enden."},
        {"es_ES.UTF-8", "No se puede exportar la lista de palabras a\\n" + out +
                            "\\nEl nombre del archivo debe terminar en .txt, .tsv, .csv o .kvtml."},
    };
    for (const auto& [lang, message] : cases) {
        const Environment set({{"LANG", lang}});
        const CliRun run = RunCli(dir, {"--export", out, list});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.errors, "message: " + message + "\n") << lang;
    }
}

} // namespace
