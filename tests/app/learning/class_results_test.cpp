#include "app/lists/teacher_commands.h"
#include "app/lists/word_list_editor.h"
#include "frame_fixture.h"
#include "learning/learner_name.h"
#include "learning/results_file.h"
#include "support/games.h"
#include "view/dialogs/word_list_model.h"

#include <QAction>
#include <QLineEdit>

#include <cstdio>

namespace {

// The text of a PDF as pdftotext reads it, each run of blanks one space.
std::string PdfText(const std::string& pdf) {
    std::string text;
    if (FILE* pipe = popen(("pdftotext -enc UTF-8 '" + pdf + "' -").c_str(), "r")) {
        char buffer[4096];
        for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            text.append(buffer, read);
        }
        pclose(pipe);
    }
    std::string spaced;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\n';
        if (!blank || (!spaced.empty() && spaced.back() != ' ')) {
            spaced += blank ? ' ' : c;
        }
    }
    return spaced;
}

// The laid-out game won with one miss (chat picked with chien), then File > Export My Results.
class ClassResultsTest : public FrameTest {
protected:
    void SetUp() override {
        store = &UseProgressStoreInTestFolder();
        OpenLaidOutGame();
        Click(1, 4), Click(2, 4);
        Click(3, 4), Click(2, 4), Click(4, 4), Click(1, 4), Click(5, 3);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !learningPrompter->reports.empty(); }, 5000));
        // The load says it went well; what the commands say comes after.
        prompter->messages.clear();
    }

    std::string Path(const std::string& name) const { return (files.path() / name).string(); }

    // Exports the results to `name`, the name asked for answered with `learner` if it is.
    void Export(const std::string& name, const QString& learner = QString()) {
        learningPrompter->names.push_back(learner);
        learningPrompter->resultsFiles.push_back(QString::fromStdString(Path(name)));
        Trigger(CommandId::ExportMyResults);
        learningPrompter->names.clear();
        learningPrompter->resultsFiles.clear();
    }

    SqliteProgressStore* store = nullptr;
};

TEST_F(ClassResultsTest, ExportMyResultsAsksTheNameOnceAndWritesTheListInPlay) {
    EXPECT_TRUE(frame->Action(CommandId::ExportMyResults)->isEnabled());
    // A name that cannot be used, or none, writes nothing and is not kept.
    for (const QString& refused : {QString("Ana\tMaría"), QString("  ")}) {
        Export("refused.json", refused);
        EXPECT_FALSE(std::filesystem::exists(Path("refused.json"))) << refused.toStdString();
        EXPECT_EQ(prompter->messages.size(), 1);
        prompter->messages.clear();
    }
    EXPECT_EQ(KeptLearnerName(*store), "");

    Export("first.json", "Ana María");
    Export("second.json");
    EXPECT_EQ(learningPrompter->namesAsked, 3);
    EXPECT_EQ(KeptLearnerName(*store), "Ana María");
    EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join("\n").toStdString();

    for (const char* name : {"first.json", "second.json"}) {
        const ResultsReading read = ParseResultsFile(ReadBytes(Path(name)));
        ASSERT_FALSE(read.problem) << name << ": " << EnglishText(*read.problem);
        EXPECT_EQ(read.results.learner, "Ana María");
        EXPECT_EQ(read.results.description, "Test");
        std::vector<std::tuple<std::string, std::string, std::int64_t, std::int64_t>> pairs;
        for (const PairResult& pair : read.results.pairs) {
            pairs.emplace_back(pair.word, pair.translation, pair.games, pair.missed);
        }
        EXPECT_EQ(pairs,
                  (decltype(pairs){
                      {"chat", "cat", 1, 1}, {"chien", "dog", 1, 0}, {"oiseau", "bird", 1, 0}}))
            << name;
    }
}

TEST_F(ClassResultsTest, ClassResultsShowTheHardestPairFirstAndNameTheFilesSetAside) {
    Export("ana.json", "Ana");
    // Ben played the same list without a miss; another learner's file is of another list.
    std::string ben = ReadBytes(Path("ana.json"));
    ben.replace(ben.find("\"Ana\""), 5, "\"Ben\"");
    ben.replace(ben.find("\"missed\":1"), 10, "\"missed\":0");
    files.Write("ben.json", ben);
    std::string colours = ReadBytes(Path("ana.json"));
    colours.replace(colours.find("\"Test\""), 6, "\"Colours\"");
    files.Write("colours.json", colours);
    files.Write("broken.json", "{\"format\": \"glossatiles-res");

    learningPrompter->classFiles.push_back({QString::fromStdString(Path("ana.json")),
                                            QString::fromStdString(Path("ben.json")),
                                            QString::fromStdString(Path("colours.json")),
                                            QString::fromStdString(Path("broken.json"))});
    learningPrompter->exportCsv = true;
    learningPrompter->csvFiles.push_back(QString::fromStdString(Path("class.csv")));
    learningPrompter->printToPdf = QString::fromStdString(Path("class.pdf"));
    learningPrompter->classChoices = {ClassChoice::DealHardest, ClassChoice::EditHardest};
    Trigger(CommandId::ClassResults);

    ASSERT_EQ(learningPrompter->classResults.size(), 1u);
    const ClassResultsShown& shown = learningPrompter->classResults[0];
    ASSERT_EQ(shown.pairs.size(), 3u);
    EXPECT_EQ(shown.pairs[0], (QStringList{"chat", "cat", "2", "1", "100%", "Ana"}));
    EXPECT_EQ(shown.learners.size(), 2u);
    EXPECT_EQ(shown.learners[0].mid(0, 2), (QStringList{"Ana", "3"}));
    for (const char* named : {"Test", "colours.json", "broken.json"}) {
        EXPECT_TRUE(shown.note.contains(named)) << named << " in " << shown.note.toStdString();
    }
    EXPECT_FALSE(shown.note.contains("ben.json")) << shown.note.toStdString();

    const std::string csv = ReadBytes(Path("class.csv"));
    EXPECT_EQ(csv.substr(0, csv.find("\r\n", csv.find("\r\n") + 2)),
              "Word,Partner,Learners,Missed,Mean recall today,Hardest for\r\n"
              "chat,cat,2,1,100%,Ana");

    // The printed page leads with the hardest pair and says how the class fares with it.
    const std::string page = PdfText(Path("class.pdf"));
    EXPECT_NE(page.find("Class results: Test"), std::string::npos) << page;
    EXPECT_LT(page.find("chat"), page.find("chien")) << page;
    EXPECT_NE(page.find("missed by 1 of 2 learners; mean recall today 100%; hardest for Ana"),
              std::string::npos)
        << page;

    // The class's hardest pairs are dealt as practice of the list in play.
    EXPECT_EQ(TilesOnBoard(), 6);
    EXPECT_TRUE(frame->windowTitle().contains("hardest pairs"))
        << frame->windowTitle().toStdString();

    // Edit as New List: the hardest pairs that someone met, hardest first, in a new editor.
    learningPrompter->classFiles.push_back(
        {QString::fromStdString(Path("ana.json")), QString::fromStdString(Path("ben.json"))});
    Trigger(CommandId::ClassResults);
    const WordListEditor* editor = frame->Teacher().LastEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->Path().isEmpty());
    EXPECT_EQ(editor->Description().text(), "The class's hardest pairs");
    EXPECT_EQ(ListText(editor->Model().Pairs()), "chat=cat; chien=dog; oiseau=bird");
}

TEST_F(ClassResultsTest, ClassResultsOfNoReadableFileSayWhyAndShowNoTable) {
    files.Write("broken.json", "not json");
    learningPrompter->classFiles.push_back({QString::fromStdString(Path("broken.json"))});
    Trigger(CommandId::ClassResults);
    EXPECT_TRUE(learningPrompter->classResults.empty());
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages[0].contains("broken.json"))
        << prompter->messages[0].toStdString();
}

} // namespace
