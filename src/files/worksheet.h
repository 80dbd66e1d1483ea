#pragma once

#include "words/word_pair.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class WorksheetLayout { List, Test, Cards };
// Which column of a test is left blank for writing in; Mixed chooses per row.
enum class BlankColumn { Words, Translations, Mixed };

struct WorksheetOptions {
    WorksheetLayout layout = WorksheetLayout::List;
    BlankColumn blank = BlankColumn::Mixed;
    // A test's order and its mixed blanks follow the seed: the same seed prints the same test.
    std::uint32_t seed = 1;
};

// One line of a list or a test; a cell that is nullopt is left blank, and so is its picture.
// A side's picture is the file to print in its cell ("" for none); a side with a picture and no
// text prints as its picture alone.
struct WorksheetLine {
    std::optional<std::string> word;
    std::optional<std::string> translation;
    std::string wordPicture = {};
    std::string translationPicture = {};
    // Printed under the pair in a list.
    std::string note = {};
};

inline constexpr int CardColumns = 2;
inline constexpr int CardRows = 4;
inline constexpr int CardsPerSheet = CardColumns * CardRows;

// One sheet of cut-out cards, its places counted row by row from the top left. A card's back
// stands in the mirrored column, so that it lies behind its front when printed on both sides.
struct CardSheet {
    std::array<std::string, CardsPerSheet> fronts;
    std::array<std::string, CardsPerSheet> backs;
    std::array<std::string, CardsPerSheet> frontPictures;
    std::array<std::string, CardsPerSheet> backPictures;
    // Under the translation on the back.
    std::array<std::string, CardsPerSheet> backNotes;
};

// What a worksheet shows, ready to be laid out on pages. Texts are UTF-8.
struct Worksheet {
    std::string title;
    WorksheetLayout layout = WorksheetLayout::List;
    std::vector<WorksheetLine> lines;
    // A test's answer key: its lines again, both words filled in.
    std::vector<WorksheetLine> answers;
    std::vector<CardSheet> cards;
};

// The worksheet of a list; its pictures are the usable ones of the list at `listPath`.
Worksheet MakeWorksheet(std::string_view description, const WordPairList& pairs,
                        const WorksheetOptions& options, std::string_view listPath = {});

// "list", "test" or "cards"; nullopt for any other name.
std::optional<WorksheetLayout> WorksheetLayoutNamed(std::string_view name);

// The place on the back of a sheet of the card at `place` on its front.
int MirroredCardPlace(int place);
