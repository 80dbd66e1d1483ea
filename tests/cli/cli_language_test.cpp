#include "cli_runner.h"
#include "support/anki_deck.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The environment of one run, put back afterwards.
class Environment {
public:
    Environment(std::initializer_list<std::pair<const char*, const char*>> values) {
        // A typing round records its progress: the tests keep it in their own folder.
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE", "XDG_DATA_HOME"}) {
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
                  "\\nThe file name must end in .txt, .tsv, .csv, .kvtml or .apkg."},
        {"de_DE.UTF-8", "Die Wortliste kann nicht exportiert werden nach\\n" + out +
                            "\\nDer Dateiname muss auf .txt, .tsv, .csv, .kvtml oder .apkg enden."},
        {"es_ES.UTF-8",
         "No se puede exportar la lista de palabras a\\n" + out +
             "\\nEl nombre del archivo debe terminar en .txt, .tsv, .csv, .kvtml o .apkg."},
    };
    for (const auto& [lang, message] : cases) {
        const Environment set({{"LANG", lang}});
        const CliRun run = RunCli(dir, {"--export", out, list});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.errors, "message: " + message + "\n") << lang;
    }
}

// A failed import is one message in one language: the reader's reason and the refusal of a
// column the file does not have are translated with it.
TEST(CliLanguage, AFailedImportIsReportedWhollyInTheLanguageOfTheEnvironment) {
    const TempDir dir;
    const std::string damaged = dir.Write("damaged.apkg", "PK\x03\x04 no archive follows");
    const std::string kvtml = dir.Write("broken.kvtml", "<kvtml>\n<e><o>a</o>\n</kvtml>");
    const std::string package =
        dir.Write("newer.apkg", ZipArchive({{"collection.anki2", "not a database"}}));
    const std::string sheet = dir.Write("sheet.csv", "Hund,dog\nKatze,cat\n");
    const struct {
        const char* lang;
        std::vector<std::string> arguments;
        std::string errors;
    } cases[] = {
        {"C",
         {damaged},
         "message: Can't import the file\\n" + damaged +
             "\\nIt is not a zip archive, or the archive is damaged.\n"},
        {"de_DE.UTF-8",
         {damaged},
         "message: Die Datei kann nicht importiert werden\\n" + damaged +
             "\\nDie Datei ist kein ZIP-Archiv, oder das Archiv ist beschädigt.\n"},
        {"C",
         {kvtml},
         "message: Can't import the file\\n" + kvtml +
             "\\nThe XML is malformed on line 3: Start-end tags mismatch.\n"},
        {"fr_FR.UTF-8",
         {kvtml},
         "message: Impossible d'importer le fichier\\n" + kvtml +
             "\\nLe XML est mal formé à la ligne 3 : Balises ouvrante et fermante discordantes.\n"},
        {"es_ES.UTF-8",
         {package},
         "message: No se puede importar el archivo\\n" + package +
             "\\nSu colección no es una base de datos SQLite.\n"},
        {"de_DE.UTF-8",
         {"--columns", "1,3", sheet},
         "error: " + sheet + ": Die Datei hat keine Spalte 3; ihre letzte Spalte ist 2.\n"},
    };
    for (const auto& [lang, arguments, errors] : cases) {
        const Environment set({{"LANG", lang}});
        const CliRun run = RunCli(dir, arguments);
        EXPECT_NE(run.status, 0);
        EXPECT_EQ(run.errors.substr(0, errors.size()), errors) << lang << " " << arguments.back();
    }
}

// The verdicts of a typing round are the player's; the lines' names and the summary keys stay
// English for scripts.
TEST(CliLanguage, TypingVerdictsAreInTheLanguageOfTheEnvironment) {
    const TempDir dir;
    const std::string list = dir.Write("animals.txt", "Animals\nperro\ndog\ngato\ncat\n");
    const struct {
        const char* lang;
        std::string right;
        std::string wrong;
    } cases[] = {
        {"C", "Right: dog", "Wrong: cat"},
        {"fr_FR.UTF-8", "Juste : dog", "Faux : cat"},
        {"de_DE.UTF-8", "Richtig: dog", "Falsch: cat"},
        {"es_ES.UTF-8", "Correcto: dog", "Incorrecto: cat"},
    };
    for (const auto& [lang, right, wrong] : cases) {
        const Environment set({{"LANG", lang}, {"XDG_DATA_HOME", dir.path().c_str()}});
        const CliRun run = RunCli(dir, {"--type", "--seed", "1", list}, "", "dog\nkat\n");
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.output, "ask: perro\nverdict: " + right + "\nask: gato\nverdict: " + wrong +
                                  "\ntyped: [k]at\nask: gato\npairs: 2\nright-first-try: 1\n"
                                  "right-after-retry: 0\nwrong: 1\ntime: 0:00\n")
            << lang;
    }
}

// The help follows the language; the usage lines, which name the options, do not.
TEST(CliLanguage, HelpIsInTheLanguageOfTheEnvironment) {
    const TempDir dir;
    const std::string usage = RunCli(dir, {"--bogus"}).errors;
    ASSERT_EQ(usage.rfind("usage: glossatiles-cli", 0), 0u) << usage;
    const struct {
        const char* lang;
        std::string firstLine;
    } cases[] = {
        {"C", "Opens FILE (a word-pair list or a saved game) as the game does, without a window, "
              "and\n"},
        {"de_DE.UTF-8", "Öffnet DATEI (eine Wortpaarliste oder ein gespeichertes Spiel) wie das "
                        "Spiel, ohne Fenster,\n"},
        {"fr_FR.UTF-8", "Ouvre FICHIER (une liste de paires de mots ou une partie enregistrée) "
                        "comme le jeu, sans\n"},
    };
    for (const auto& [lang, firstLine] : cases) {
        const Environment set({{"LANG", lang}});
        const CliRun run = RunCli(dir, {"--help"});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.output.substr(0, usage.size() + firstLine.size()), usage + firstLine) << lang;
    }
}

// A progress database that cannot be written says why in the player's language; SQLite's own
// words follow as it gives them.
TEST(CliLanguage, AProgressDatabaseThatFailsIsReportedInTheLanguageOfTheEnvironment) {
    const TempDir dir;
    const std::string list = dir.Write("animals.txt", "Animals\nperro\ndog\n");
    const std::string blocker = dir.Write("blocker", "a file where a folder should be");
    const std::string database = blocker + "/glossatiles/progress.sqlite";
    const struct {
        const char* lang;
        std::string errors;
    } cases[] = {
        {"C", "message: Progress is not kept: cannot open " + database + ": "},
        {"de_DE.UTF-8", "message: Der Fortschritt wird nicht gespeichert: " + database +
                            " kann nicht geöffnet werden: "},
        {"es_ES.UTF-8", "message: El progreso no se guarda: no se puede abrir " + database + ": "},
    };
    for (const auto& [lang, errors] : cases) {
        const Environment set({{"LANG", lang}, {"XDG_DATA_HOME", blocker.c_str()}});
        const CliRun run = RunCli(dir, {"--type", list}, "", "dog\n");
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.errors.substr(0, errors.size()), errors) << lang;
    }
}

} // namespace
