#include "learning/answer_check.h"

#include "learning/letters.h"

#include <utf8proc.h>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

constexpr std::size_t MinimumLettersForSlip = 5;
// Aligning two texts costs their lengths' product; an answer longer than any word is simply
// marked as differing.
constexpr std::size_t MostAlignedCells = 250'000;

// Canonically decomposed (so "é" and "e" with a combining acute are one word) and case folded.
// Typographic apostrophes and dashes count as the plain ones a keyboard types.
std::optional<Letters> Folded(std::string_view text) {
    return Mapped(text, UTF8PROC_CASEFOLD | UTF8PROC_LUMP | UTF8PROC_IGNORE);
}

// Accents and other marks that sit on a letter; spacing marks are letters of their script.
Letters WithoutMarks(const Letters& letters) {
    Letters result;
    for (const std::int32_t letter : letters) {
        const utf8proc_category_t category = utf8proc_category(letter);
        if (category != UTF8PROC_CATEGORY_MN && category != UTF8PROC_CATEGORY_ME) {
            result.push_back(letter);
        }
    }
    return result;
}

// Han, kana and hangul: their marks and slips change the word, so they are compared exactly.
bool IsChineseJapaneseOrKorean(std::int32_t letter) {
    constexpr std::pair<std::int32_t, std::int32_t> blocks[] = {
        {0x1100, 0x11FF}, {0x2E80, 0x2FDF}, {0x3040, 0x30FF},   {0x3130, 0x318F},
        {0x31F0, 0x31FF}, {0x3400, 0x4DBF}, {0x4E00, 0x9FFF},   {0xAC00, 0xD7AF},
        {0xF900, 0xFAFF}, {0xFF66, 0xFF9F}, {0x20000, 0x3134F},
    };
    return std::any_of(std::begin(blocks), std::end(blocks), [letter](const auto& block) {
        return letter >= block.first && letter <= block.second;
    });
}

std::size_t LetterCount(const Letters& letters) {
    return static_cast<std::size_t>(
        std::count_if(letters.begin(), letters.end(), [](std::int32_t l) { return l != ' '; }));
}

bool SameFrom(const Letters& a, std::size_t i, const Letters& b, std::size_t j) {
    return std::equal(a.begin() + static_cast<std::ptrdiff_t>(i), a.end(),
                      b.begin() + static_cast<std::ptrdiff_t>(j), b.end());
}

// One letter inserted, deleted or replaced, or two neighbours swapped.
bool OneSlipApart(const Letters& a, const Letters& b) {
    const Letters& longer = a.size() >= b.size() ? a : b;
    const Letters& shorter = a.size() >= b.size() ? b : a;
    if (longer.size() - shorter.size() > 1) {
        return false;
    }
    const std::size_t first = static_cast<std::size_t>(
        std::mismatch(shorter.begin(), shorter.end(), longer.begin()).first - shorter.begin());
    if (longer.size() != shorter.size()) {
        return SameFrom(longer, first + 1, shorter, first);
    }
    if (first == longer.size()) {
        return true;
    }
    const bool swapped = first + 1 < longer.size() && a[first] == b[first + 1] &&
                         a[first + 1] == b[first] && SameFrom(a, first + 2, b, first + 2);
    return swapped || SameFrom(a, first + 1, b, first + 1);
}

// Levenshtein alignment of `typed` against `word`: the edit distance, and for each typed
// letter whether it was replaced or inserted rather than matched.
struct Alignment {
    std::size_t distance = 0;
    std::vector<bool> differs;
};

Alignment Align(const Letters& typed, const Letters& word) {
    const std::size_t rows = typed.size() + 1;
    const std::size_t columns = word.size() + 1;
    if (rows * columns > MostAlignedCells) {
        return {std::max(typed.size(), word.size()), std::vector<bool>(typed.size(), true)};
    }
    std::vector<std::size_t> cost(rows * columns);
    const auto at = [columns](std::size_t i, std::size_t j) { return i * columns + j; };
    const auto change = [&](std::size_t i, std::size_t j) {
        return typed[i - 1] == word[j - 1] ? std::size_t{0} : std::size_t{1};
    };
    for (std::size_t i = 0; i < rows; ++i) {
        for (std::size_t j = 0; j < columns; ++j) {
            cost[at(i, j)] = i == 0 || j == 0
                                 ? i + j
                                 : std::min({cost[at(i - 1, j - 1)] + change(i, j),
                                             cost[at(i - 1, j)] + 1, cost[at(i, j - 1)] + 1});
        }
    }
    Alignment alignment{cost[at(rows - 1, columns - 1)], std::vector<bool>(typed.size(), false)};
    std::size_t i = typed.size();
    std::size_t j = word.size();
    while (i > 0) {
        if (j > 0 && cost[at(i, j)] == cost[at(i - 1, j - 1)] + change(i, j)) {
            alignment.differs[i - 1] = change(i, j) != 0;
            --i;
            --j;
        } else if (j > 0 && cost[at(i, j)] == cost[at(i, j - 1)] + 1) {
            --j;
        } else {
            alignment.differs[i - 1] = true;
            --i;
        }
    }
    return alignment;
}

// The parts in parentheses left out, or only the parentheses.
std::string WithoutParenthesized(std::string_view text, bool keepInside) {
    std::string result;
    int depth = 0;
    for (const char c : text) {
        if (c == '(') {
            ++depth;
        } else if (c == ')' && depth > 0) {
            --depth;
        } else if (depth == 0 || keepInside) {
            result.push_back(c);
        }
    }
    return result;
}

// Each alternative the expected word allows, the whole word first. Alternatives are split
// outside parentheses only, so that "go (away, off)" stays one.
std::vector<std::string> Spellings(std::string_view expected) {
    std::vector<std::string_view> alternatives{expected};
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= expected.size(); ++i) {
        const char c = i < expected.size() ? expected[i] : '/';
        if (c == '(') {
            ++depth;
        } else if (c == ')' && depth > 0) {
            --depth;
        } else if (depth == 0 && (c == '/' || c == ';' || c == ',')) {
            if (start > 0 || i < expected.size()) {
                alternatives.push_back(expected.substr(start, i - start));
            }
            start = i + 1;
        }
    }
    std::vector<std::string> spellings;
    for (const std::string_view alternative : alternatives) {
        for (const bool keepInside : {false, true}) {
            std::string spelling = WithoutParenthesized(alternative, keepInside);
            if (std::find(spellings.begin(), spellings.end(), spelling) == spellings.end()) {
                spellings.push_back(std::move(spelling));
            }
        }
    }
    return spellings;
}

// A spelling as it is shown: composed, without extra blanks.
std::optional<Letters> Shown(std::string_view text) {
    return Mapped(text, UTF8PROC_COMPOSE);
}

struct Candidate {
    std::string written;
    Letters folded;
    Letters bare;
    bool exactOnly = false;
};

std::vector<Candidate> Candidates(std::string_view expected) {
    std::vector<Candidate> candidates;
    for (const std::string& spelling : Spellings(expected)) {
        const std::optional<Letters> folded = Folded(spelling);
        const std::optional<Letters> shown = Shown(spelling);
        if (!folded || !shown || folded->empty()) {
            continue;
        }
        candidates.push_back(
            {Utf8(*shown), *folded, WithoutMarks(*folded),
             std::any_of(folded->begin(), folded->end(), IsChineseJapaneseOrKorean)});
    }
    return candidates;
}

} // namespace

AnswerCheck CheckAnswer(std::string_view answer, std::string_view expected) {
    const std::vector<Candidate> candidates = Candidates(expected);
    const std::optional<Letters> typed = Folded(answer);
    if (candidates.empty()) {
        return {AnswerVerdict::Wrong, std::string(expected)};
    }
    if (!typed || typed->empty()) {
        return {AnswerVerdict::Wrong, candidates.front().written};
    }
    const Letters typedBare = WithoutMarks(*typed);
    const auto first = [&](auto&& accepts) {
        return std::find_if(candidates.begin(), candidates.end(), accepts);
    };
    if (const auto right = first([&](const Candidate& c) { return c.folded == *typed; });
        right != candidates.end()) {
        return {AnswerVerdict::Right, right->written};
    }
    if (const auto accents =
            first([&](const Candidate& c) { return !c.exactOnly && c.bare == typedBare; });
        accents != candidates.end()) {
        return {AnswerVerdict::RightButAccents, accents->written};
    }
    if (const auto almost = first([&](const Candidate& c) {
            return !c.exactOnly && LetterCount(c.bare) >= MinimumLettersForSlip &&
                   OneSlipApart(c.bare, typedBare);
        });
        almost != candidates.end()) {
        return {AnswerVerdict::Almost, almost->written};
    }
    const auto nearest = std::min_element(
        candidates.begin(), candidates.end(), [&](const Candidate& a, const Candidate& b) {
            return Align(*typed, a.folded).distance < Align(*typed, b.folded).distance;
        });
    return {AnswerVerdict::Wrong, nearest->written};
}

std::vector<AnswerRun> MarkAnswer(std::string_view answer, std::string_view closest) {
    const std::optional<Letters> typed = Shown(answer);
    if (!typed) {
        return {{std::string(answer), true}};
    }
    const auto lower = [](Letters letters) {
        std::transform(letters.begin(), letters.end(), letters.begin(), utf8proc_tolower);
        return letters;
    };
    const std::vector<bool> differs =
        Align(lower(*typed), lower(Shown(closest).value_or(Letters{}))).differs;
    std::vector<AnswerRun> runs;
    for (std::size_t i = 0; i < typed->size(); ++i) {
        if (runs.empty() || runs.back().differs != differs[i]) {
            runs.push_back({{}, differs[i]});
        }
        runs.back().text += Utf8({(*typed)[i]});
    }
    return runs;
}
