#pragma once

class GameHost;
class LineReader;
struct GameState;

enum class WordFileKind { WordList, SavedGame };

// Reads a word-pair file into FileDescription, WordList and WordsCount; an empty first line
// is replaced by BrowseFileName. Stops at the first line when it carries the saved-game mark.
// Running out of memory is reported and ends the list with the pairs completed so far.
WordFileKind ReadWordPairs(LineReader& reader, GameState& state, GameHost& host);
