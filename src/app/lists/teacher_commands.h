#pragma once

#include "words/list_languages.h"
#include "words/list_reading.h"
#include "words/word_pair.h"

#include <QObject>

#include <functional>
#include <memory>

class EditorPrompter;
class GameInPlay;
class QAction;
class WordListEditor;

// File > New, New Word List, Edit Word List and Print Worksheet: the teacher's side of the
// game, each opening its own window over the list.
class TeacherCommands : public QObject {
    Q_OBJECT
public:
    TeacherCommands(GameInPlay& game, QAction& fileNew, QAction& newWordList, QAction& editWordList,
                    QAction& printWorksheet);

    // Tests answer the editors' questions themselves.
    void SetEditorPrompters(std::function<std::unique_ptr<EditorPrompter>()> make);
    // The editor opened last, while it is open.
    WordListEditor* LastEditor() const { return lastEditor_; }

    // Closes every editor, each asking about its changes. False once one of them stays open.
    bool CloseEditors();

    void NewWordList();
    // A new, untitled list of these pairs in an editor.
    void NewWordListOf(const std::string& description, const WordPairList& pairs);
    void EditWordList();
    void PrintWorksheet();

private:
    WordListEditor* OpenEditor(const QString& path, const ListReading& reading,
                               const std::string& description, const WordPairList& pairs,
                               const ListLanguages& languages);

    GameInPlay& game_;
    std::function<std::unique_ptr<EditorPrompter>()> makePrompter_;
    WordListEditor* lastEditor_ = nullptr;
};
