#include "files/worksheet.h"

#include "files/media_file.h"
#include "files/utf8_text.h"
#include "game/random_source.h"
#include "words/side_line.h"

#include <numeric>

namespace {

std::vector<std::size_t> ShuffledOrder(std::size_t count, std::uint32_t seed) {
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), 0);
    RandomSource random;
    random.Seed(seed);
    // Two draws make 30 bits: enough for any list the game holds.
    for (std::size_t i = count; i > 1; --i) {
        const auto draw =
            static_cast<std::size_t>(random.Next()) << 15 | static_cast<std::size_t>(random.Next());
        std::swap(order[i - 1], order[draw % i]);
    }
    return order;
}

} // namespace

int MirroredCardPlace(int place) {
    const int row = place / CardColumns;
    const int column = place % CardColumns;
    return row * CardColumns + (CardColumns - 1 - column);
}

std::optional<WorksheetLayout> WorksheetLayoutNamed(std::string_view name) {
    if (name == "list") {
        return WorksheetLayout::List;
    }
    if (name == "test") {
        return WorksheetLayout::Test;
    }
    if (name == "cards") {
        return WorksheetLayout::Cards;
    }
    return std::nullopt;
}

Worksheet MakeWorksheet(std::string_view description, const WordPairList& pairs,
                        const WorksheetOptions& options, std::string_view listPath) {
    Worksheet sheet{AsUtf8(description), options.layout, {}, {}, {}};
    std::vector<WorksheetLine> both;
    // A side's words and its picture; the file's name stands for a picture that cannot be used.
    const auto side = [listPath](const std::optional<std::string>& line) {
        const SideParts parts = ParseSide(line.value_or(""));
        std::string picture =
            parts.image.empty()
                ? std::string()
                : UsableMediaPath(parts.image, MediaKind::Picture, listPath).value_or("");
        return std::pair(AsUtf8(picture.empty() ? ShownText(parts) : parts.text),
                         std::move(picture));
    };
    for (const WordPair& pair : pairs) {
        auto [word, wordPicture] = side(pair.TextA);
        auto [translation, translationPicture] = side(pair.TextB);
        both.push_back({std::move(word), std::move(translation), std::move(wordPicture),
                        std::move(translationPicture),
                        AsUtf8(PairNote(pair.TextA.value_or(""), pair.TextB.value_or("")))});
    }
    switch (options.layout) {
    case WorksheetLayout::List:
        sheet.lines = std::move(both);
        break;
    case WorksheetLayout::Test: {
        RandomSource coin;
        coin.Seed(options.seed ^ 0x5EEDu);
        for (const std::size_t i : ShuffledOrder(both.size(), options.seed)) {
            WorksheetLine line = both[i];
            sheet.answers.push_back(line);
            const bool blankWord = options.blank == BlankColumn::Words ||
                                   (options.blank == BlankColumn::Mixed && coin.Next() % 2 == 0);
            (blankWord ? line.word : line.translation).reset();
            (blankWord ? line.wordPicture : line.translationPicture).clear();
            line.note.clear();
            sheet.lines.push_back(std::move(line));
        }
        break;
    }
    case WorksheetLayout::Cards:
        for (std::size_t i = 0; i < both.size(); ++i) {
            if (i % CardsPerSheet == 0) {
                sheet.cards.emplace_back();
            }
            const auto front = static_cast<std::size_t>(i % CardsPerSheet);
            const auto back = static_cast<std::size_t>(MirroredCardPlace(static_cast<int>(front)));
            CardSheet& cards = sheet.cards.back();
            cards.fronts[front] = *both[i].word;
            cards.frontPictures[front] = both[i].wordPicture;
            cards.backs[back] = *both[i].translation;
            cards.backPictures[back] = both[i].translationPicture;
            cards.backNotes[back] = both[i].note;
        }
        break;
    }
    return sheet;
}
