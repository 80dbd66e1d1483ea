#include "app/command_ids.h"
#include "frame_fixture.h"

#include <QApplication>
#include <QContextMenuEvent>

namespace {

using HostTest = FrameTest;

TEST_F(HostTest, MessagesAndTitlesShowTheBytesDecoded) {
    const std::vector<std::pair<std::string, QString>> cases{
        {"plain", "plain"},
        {"caf\xc3\xa9", "café"},                     // UTF-8
        {"caf\xe9 \x93quoted\x94", "café “quoted”"}, // Windows-1252
    };
    for (const auto& [bytes, shown] : cases) {
        View().ShowMessage(bytes);
        EXPECT_EQ(prompter->messages.back(), shown);
        View().SetTitle("Glossatiles - " + bytes);
        EXPECT_EQ(frame->windowTitle(), "Glossatiles - " + shown);
    }
}

TEST_F(HostTest, DrawLevelAnswersComeBackAsText) {
    prompter->levelTexts = {"2", QString()};
    EXPECT_EQ(View().AskLevelText("0"), std::optional<std::string>("2"));
    EXPECT_EQ(View().AskLevelText("-4"), std::nullopt);
    EXPECT_EQ(prompter->levelPrompts, (QStringList{"0", "-4"}));
}

TEST_F(HostTest, WordListDialogGetsTheLoadedList) {
    prompter->filesToOpen.push_back(WordList("list.txt", 3));
    frame->Action(CommandId::FileOpen)->trigger();
    View().ShowWordList();
    ASSERT_EQ(prompter->wordListsShown.size(), 1u);
    EXPECT_EQ(prompter->wordListsShown[0], (std::vector<QString>{"word0", "word1", "word2"}));
}

TEST_F(HostTest, ChoosersGivePathsAsBytes) {
    prompter->filesToOpen.push_back("/tmp/caf\u00e9.txt");
    prompter->filesToSave.push_back("/tmp/game.txt");
    EXPECT_EQ(View().ChooseFileToOpen(), "/tmp/caf\xc3\xa9.txt");
    EXPECT_EQ(View().ChooseFileToSave(), "/tmp/game.txt");
    EXPECT_EQ(View().ChooseFileToOpen(), "");
}

TEST_F(HostTest, RightClickOpensNoMenu) {
    frame->show();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(200, 200),
                            View().mapToGlobal(QPoint(200, 200)));
    QApplication::sendEvent(&View(), &event);
    EXPECT_TRUE(event.isAccepted());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

} // namespace
