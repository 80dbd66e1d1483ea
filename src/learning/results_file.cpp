#include "learning/results_file.h"

#include "learning/memory_key.h"
#include "learning/memory_model.h"

#include <nlohmann/json.hpp>
#include <utf8proc.h>

#include <cmath>
#include <set>

namespace {

using Json = nlohmann::json;
// Written in the order a reader expects: the format and its version first.
using OrderedJson = nlohmann::ordered_json;

// Deeper nesting than the format's own is no results file, and would only cost memory.
constexpr int MaxDepth = 8;
// The pairs' objects are the only ones two levels down: the document, its pairs, each pair.
constexpr int PairDepth = 2;

const char* const NotResults = GT_TEXT("Message", "it is not a Glossatiles results file");

struct Refusal {
    Message reason;
};

double Rounded(double value) {
    return std::round(value * 1e4) / 1e4;
}

OrderedJson MemoryJson(const PairMemoryResult& memory) {
    return {{"stability", Rounded(memory.stability)},
            {"difficulty", Rounded(memory.difficulty)},
            {"last_review", DayText(memory.lastReview)},
            {"last_grade", static_cast<int>(memory.lastGrade)},
            {"due", DayText(memory.due)},
            {"recall", Rounded(memory.recall)}};
}

OrderedJson PairJson(const PairResult& pair) {
    OrderedJson json = {{"word", pair.word},
                        {"translation", pair.translation},
                        {"games", pair.games},
                        {"missed", pair.missed},
                        {"hinted", pair.hinted},
                        {"typed_right", pair.typedRight},
                        {"typed_wrong", pair.typedWrong}};
    if (pair.memory) {
        json["memory"] = MemoryJson(*pair.memory);
    }
    return json;
}

std::string Dumped(const OrderedJson& json) {
    return json.dump(-1, ' ', false, OrderedJson::error_handler_t::replace);
}

// Reads the parts of the document, refusing (by throwing Refusal) what is missing, of the
// wrong kind or out of range; `where` names the place, as "pairs[3].memory.due".
const Json& Member(const Json& object, const char* key, const std::string& where) {
    const auto found = object.find(key);
    if (found == object.end()) {
        throw Refusal{{GT_TEXT("Message", "%1 is missing or of the wrong kind"), {where + key}}};
    }
    return *found;
}

[[noreturn]] void WrongKind(const std::string& place) {
    throw Refusal{{GT_TEXT("Message", "%1 is missing or of the wrong kind"), {place}}};
}

[[noreturn]] void OutOfRange(const std::string& place) {
    throw Refusal{{GT_TEXT("Message", "%1 is out of range"), {place}}};
}

const Json& ObjectAt(const Json& object, const char* key, const std::string& where) {
    const Json& member = Member(object, key, where);
    if (!member.is_object()) {
        WrongKind(where + key);
    }
    return member;
}

std::string TextAt(const Json& object, const char* key, const std::string& where) {
    const Json& member = Member(object, key, where);
    if (!member.is_string()) {
        WrongKind(where + key);
    }
    return member.get<std::string>();
}

std::int64_t CountAt(const Json& object, const char* key, const std::string& where) {
    const Json& member = Member(object, key, where);
    if (!member.is_number()) {
        WrongKind(where + key);
    }
    if (!member.is_number_integer() || member.get<double>() < 0 ||
        member.get<double>() > MaxResultsCount) {
        OutOfRange(where + key);
    }
    return member.get<std::int64_t>();
}

double NumberAt(const Json& object, const char* key, const std::string& where, double low,
                double high) {
    const Json& member = Member(object, key, where);
    if (!member.is_number()) {
        WrongKind(where + key);
    }
    const double value = member.get<double>();
    if (!(value >= low && value <= high)) {
        OutOfRange(where + key);
    }
    return value;
}

Day DayAt(const Json& object, const char* key, const std::string& where) {
    const std::optional<Day> day = ParseDay(TextAt(object, key, where));
    if (!day) {
        OutOfRange(where + key);
    }
    return *day;
}

MemoryWeights WeightsAt(const Json& document) {
    const Json& weights = Member(document, "weights", "");
    if (!weights.is_array() || weights.size() != WeightCount) {
        WrongKind("weights");
    }
    MemoryWeights read{};
    for (std::size_t i = 0; i < WeightCount; ++i) {
        const std::string place = "weights[" + std::to_string(i) + "]";
        if (!weights[i].is_number()) {
            WrongKind(place);
        }
        read[i] = weights[i].get<double>();
        if (!(read[i] >= WeightRanges[i].low && read[i] <= WeightRanges[i].high)) {
            OutOfRange(place);
        }
    }
    return read;
}

PairMemoryResult MemoryAt(const Json& memory, const std::string& where) {
    PairMemoryResult read;
    read.stability = NumberAt(memory, "stability", where, MinimumStability, MaximumStability);
    read.difficulty = NumberAt(memory, "difficulty", where, MinimumDifficulty, MaximumDifficulty);
    read.lastReview = DayAt(memory, "last_review", where);
    read.lastGrade = static_cast<Grade>(CountAt(memory, "last_grade", where));
    if (!IsGrade(read.lastGrade)) {
        OutOfRange(where + "last_grade");
    }
    read.due = DayAt(memory, "due", where);
    if (read.due < read.lastReview) {
        OutOfRange(where + "due");
    }
    read.recall = NumberAt(memory, "recall", where, 0, 1);
    return read;
}

// Words stand in tab-separated tables: a control character would break their lines.
std::string WithoutControls(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7f') {
            c = ' ';
        }
    }
    return text;
}

PairResult PairAt(const Json& pair, const std::string& where) {
    if (!pair.is_object()) {
        WrongKind(where.substr(0, where.size() - 1));
    }
    PairResult read;
    read.word = WithoutControls(TextAt(pair, "word", where));
    read.translation = WithoutControls(TextAt(pair, "translation", where));
    read.games = CountAt(pair, "games", where);
    read.missed = CountAt(pair, "missed", where);
    read.hinted = CountAt(pair, "hinted", where);
    read.typedRight = CountAt(pair, "typed_right", where);
    read.typedWrong = CountAt(pair, "typed_wrong", where);
    if (pair.contains("memory")) {
        read.memory = MemoryAt(ObjectAt(pair, "memory", where), where + "memory.");
    }
    return read;
}

// Refuses a document that nests deeper than the format or holds too many pairs, before the
// parser builds anything of it, so that a hostile file costs little memory. The bytes need not
// be JSON: the parser judges that.
void CheckNesting(std::string_view bytes) {
    int depth = 0;
    std::size_t pairObjects = 0;
    bool inString = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (inString) {
            i += c == '\\' ? 1 : 0;
            inString = c != '"';
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (c == '{' && depth == PairDepth && ++pairObjects > MaxResultsPairs) {
                throw Refusal{{GT_TEXT("Message", "it holds more than %1 pairs"),
                               {std::to_string(MaxResultsPairs)}}};
            }
            if (++depth > MaxDepth) {
                throw Refusal{NotResults};
            }
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
}

Json Parsed(std::string_view bytes) {
    CheckNesting(bytes);
    Json document = Json::parse(bytes.begin(), bytes.end(), nullptr, false);
    if (document.is_discarded()) {
        throw Refusal{GT_TEXT("Message", "it is not JSON")};
    }
    return document;
}

LearnerResults ResultsOf(const Json& document) {
    if (!document.is_object() || !document.contains("format") ||
        document["format"] != ResultsFormat) {
        throw Refusal{NotResults};
    }
    const Json& version = Member(document, "version", "");
    if (!version.is_number_integer() || version.get<double>() < 1) {
        OutOfRange("version");
    }
    if (version.get<double>() > ResultsVersion) {
        throw Refusal{{GT_TEXT("Message", "it comes from a newer Glossatiles (version %1)"),
                       {version.dump()}}};
    }
    LearnerResults read;
    read.learner = TextAt(document, "learner", "");
    if (const std::optional<Message> problem = LearnerNameProblem(read.learner)) {
        throw Refusal{*problem};
    }
    const Json& list = ObjectAt(document, "list", "");
    read.description = WithoutControls(TextAt(list, "description", "list."));
    read.fingerprint = TextAt(list, "fingerprint", "list.");
    read.written = DayAt(document, "date", "");
    read.weights = WeightsAt(document);
    const Json& pairs = Member(document, "pairs", "");
    if (!pairs.is_array()) {
        WrongKind("pairs");
    }
    std::set<MemoryKey> seen;
    read.pairs.reserve(pairs.size());
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        PairResult pair = PairAt(pairs[i], "pairs[" + std::to_string(i) + "].");
        if (!seen.insert(MemoryKeyOf(pair.word, pair.translation)).second) {
            throw Refusal{{GT_TEXT("Message", "the pair %1 = %2 is in it twice"),
                           {pair.word, pair.translation}}};
        }
        read.pairs.push_back(std::move(pair));
    }
    return read;
}

} // namespace

std::string ResultsFileText(const LearnerResults& results) {
    const OrderedJson head = {
        {"format", ResultsFormat},
        {"version", ResultsVersion},
        {"learner", results.learner},
        {"list", {{"description", results.description}, {"fingerprint", results.fingerprint}}},
        {"date", DayText(results.written)},
        {"weights", results.weights}};
    // The head as one object, then the pairs one a line, so that the file reads and diffs well.
    std::string text = Dumped(head);
    text.pop_back();
    text += ",\"pairs\":[";
    for (std::size_t i = 0; i < results.pairs.size(); ++i) {
        text += (i == 0 ? "\n" : ",\n") + Dumped(PairJson(results.pairs[i]));
    }
    return text + "\n]}\n";
}

ResultsReading ParseResultsFile(std::string_view bytes) {
    try {
        return {ResultsOf(Parsed(bytes)), std::nullopt};
    } catch (const Refusal& refusal) {
        return {{}, refusal.reason};
    }
}

std::optional<Message> LearnerNameProblem(std::string_view name) {
    if (name.size() > MaxLearnerNameBytes) {
        return Message(GT_TEXT("Message", "the learner's name is longer than %1 bytes"),
                       {std::to_string(MaxLearnerNameBytes)});
    }
    const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(name.data());
    for (std::size_t at = 0; at < name.size();) {
        utf8proc_int32_t letter = 0;
        const utf8proc_ssize_t length =
            utf8proc_iterate(bytes + at, static_cast<utf8proc_ssize_t>(name.size() - at), &letter);
        if (length <= 0) {
            return GT_TEXT("Message", "the learner's name is not UTF-8 text");
        }
        if (utf8proc_category(letter) == UTF8PROC_CATEGORY_CC) {
            return GT_TEXT("Message", "the learner's name holds control characters");
        }
        at += static_cast<std::size_t>(length);
    }
    return std::nullopt;
}
