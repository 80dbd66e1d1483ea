#include "cli_runner.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

// Two learners play typing rounds of the list in databases of their own and write their
// results; Ana types "kat" for gato once.
class ClassCli : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(dir.path() / "class");
        Learn("Ana", "dog\nkat\ncat\n");
        Learn("Ben", "dog\ncat\n");
    }
    void TearDown() override { unsetenv("XDG_DATA_HOME"); }

    void Learn(const std::string& name, const std::string& answers) {
        setenv("XDG_DATA_HOME", (dir.path() / name).c_str(), 1);
        ASSERT_EQ(RunCli(dir, {"--type", "--seed", "1", list}, "", answers).status, 0);
        const CliRun written = RunCli(dir, {"--results", Results(name), "--name", name, list});
        ASSERT_EQ(written.status, 0) << written.errors;
        EXPECT_EQ(written.output, "");
    }

    std::string Results(const std::string& name) const {
        return (dir.path() / "class" / (name + ".json")).string();
    }

    TempDir dir;
    const std::string list = dir.Write("animals.txt", "Animals\nperro\ndog\ngato\ncat\n");
};

// The pair table's lines without their recall.
std::string Counts(const std::string& output) {
    std::string counts;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        counts += line.substr(0, line.rfind('\t')) + "\n";
    }
    return counts;
}

TEST_F(ClassCli, TwoLearnersResultsComeTogetherHardestFirst) {
    const std::string folder = (dir.path() / "class").string();
    for (const std::vector<std::string>& sources :
         {std::vector<std::string>{folder}, {Results("Ben"), Results("Ana")}}) {
        const CliRun run = RunCli(dir, [&] {
            std::vector<std::string> arguments{"--class"};
            arguments.insert(arguments.end(), sources.begin(), sources.end());
            return arguments;
        }());
        EXPECT_EQ(run.status, 0) << run.errors;
        EXPECT_EQ(run.errors, "");
        // Reviewed today, each pair is still remembered.
        EXPECT_EQ(run.output, "gato\tcat\t2\t1\t100%\nperro\tdog\t2\t0\t100%\n");
    }
    // Ten days on, the pair Ana missed has faded more; a third pair of the list is unseen.
    const std::string fuller =
        dir.Write("animals2.txt", "Animals\nperro\ndog\ngato\ncat\ncaballo\nhorse\n");
    const CliRun later = RunCli(dir, {"--class", folder, "--list", fuller}, "faketime -f +10d");
    EXPECT_EQ(later.status, 0) << later.errors;
    EXPECT_EQ(Counts(later.output), "gato\tcat\t2\t1\nperro\tdog\t2\t0\ncaballo\thorse\t0\t0\n");
    const std::size_t first = later.output.find('%');
    const std::size_t second = later.output.find('%', first + 1);
    const int gato = std::atoi(later.output.substr(later.output.rfind('\t', first) + 1).c_str());
    const int perro = std::atoi(later.output.substr(later.output.rfind('\t', second) + 1).c_str());
    EXPECT_LT(gato, perro) << later.output;
    EXPECT_LT(perro, 100) << later.output;
}

TEST_F(ClassCli, NamesEachFileLeftOutAndFailsOnlyWhenNoneCouldBeRead) {
    const std::string broken = dir.Write("class/broken.json", "{\"format\": \"glossatiles-res");
    const std::string colours = dir.Write(
        "class/colours.json",
        ReadBytes(Results("Ben")).replace(ReadBytes(Results("Ben")).find("Animals"), 7, "Colours"));
    const std::string missing = (dir.path() / "nobody.json").string();
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string errors;
    };
    const Case cases[] = {
        {{"--class", (dir.path() / "class").string()},
         0,
         "message: The results file " + broken + " is left out: it is not JSON\nnote: " + colours +
             " is set aside: it holds results for \"Colours\", not for the class's "
             "list \"Animals\".\n"},
        {{"--class", broken, missing},
         1,
         "message: The results file " + broken + " is left out: it is not JSON\n" +
             "message: The results file " + missing + " is left out: it cannot be read\n"},
        {{"--class", dir.path().string()},
         1,
         "message: The folder " + dir.path().string() + " holds no results files (.json).\n"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(dir, c.arguments);
        EXPECT_EQ(run.status, c.status) << c.errors;
        EXPECT_EQ(run.errors, c.errors);
    }
}

TEST_F(ClassCli, UsageErrorsAreRefusedBeforeAnythingIsWritten) {
    const std::string out = (dir.path() / "out.json").string();
    const std::vector<std::vector<std::string>> usages = {
        {"--class"},
        {"--class", Results("Ana"), "--seed", "1"},
        {"--list", list, list},
        {"--name", "Ana", list},
        {"--results", out, "--auto-finish", "--name", "Ana", list},
        {"--results", out, list},
    };
    for (const std::vector<std::string>& arguments : usages) {
        const CliRun run = RunCli(dir, arguments);
        EXPECT_EQ(run.status, 2) << testing::PrintToString(arguments);
        EXPECT_NE(run.errors.find("usage: "), std::string::npos);
    }
    EXPECT_NE(RunCli(dir, {"--results", out, list})
                  .errors.find("error: --results needs the learner's name: --name NAME"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace
