#include "speech/line_file.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <utility>

#include "platform/text_files.h"
#include "speech/list_text.h"

namespace quillomar {
namespace {

constexpr ConditionWord kConditionWords[] = {
    {"female", LineCondition::TargetFemale},
    {"male", LineCondition::TargetMale},
    {"gang", LineCondition::TargetGang},
    {"group", LineCondition::TargetRelGroup},
    {"people-nearby", LineCondition::PedsNearby},
    {"body-nearby", LineCondition::DeadNearby},
    {"law", LineCondition::Law},
    {"one-enemy", LineCondition::SingleEnemy},
    {"several-enemies", LineCondition::MultipleEnemies},
    {"positive", LineCondition::PositiveTag},
    {"negative", LineCondition::NegativeTag},
    {"player-hurt", LineCondition::PlayerHurt},
    {"player-hit-them", LineCondition::PlayerGaveHit},
};
constexpr VoiceSet kVoiceNames[] = {VoiceSet::Arthur, VoiceSet::John};
constexpr const char* kGenericWord = "generic";
constexpr const char* kVoiceWord = "voice";
constexpr const char* kLeftOut = ", so this row is left out";

// "Arthur Dead" and the like: every section a file may name.
struct SectionName {
    VoiceSet voice;
    LineList list;
    std::string name;
};

const std::array<SectionName, kVoiceSetCount * kLineListCount>& SectionNames() {
    static const auto names = [] {
        std::array<SectionName, kVoiceSetCount * kLineListCount> all;
        for (std::size_t v = 0; v < kVoiceSetCount; ++v) {
            for (std::size_t l = 0; l < kLineListCount; ++l) {
                auto voice = static_cast<VoiceSet>(v);
                auto list = static_cast<LineList>(l);
                all[v * kLineListCount + l] = {voice, list,
                                               std::string(VoiceSetName(voice)) + " " + LineListName(list)};
            }
        }
        return all;
    }();
    return names;
}

// What a list left empty means for the player.
std::string SilenceOf(VoiceSet voice, LineList list) {
    constexpr const char* kWhere[kLineListCount] = {"says nothing to dead peds",
                                                    "says nothing to writhing peds",
                                                    "says nothing to fatally injured peds",
                                                    "says nothing to incapacitated peds",
                                                    "says nothing to hurt, ragdolling peds",
                                                    "says nothing to fleeing peds",
                                                    "says no combat taunt in gunfights",
                                                    "says no combat taunt in fistfights"};
    return std::string(VoiceSetName(voice)) + " " + kWhere[static_cast<std::size_t>(list)];
}

struct Reader {
    LineFileRead result;
    std::vector<std::size_t> sectionLines;  // by list, the line of its section
    std::vector<bool> overflowTold;         // by list
    std::optional<std::size_t> current;     // the list being filled; none in an unknown or repeated section
    bool beforeFirst = true;
    std::map<std::string, const char*, std::less<>> nearNames;  // each unknown name's nearest built-in one, once found

    void Add(std::size_t line, std::string text) { result.problems.push_back({line, std::move(text)}); }
    void Note(std::size_t line, std::string text) { result.problems.push_back({line, std::move(text), true}); }

    // The name kept for a row: the rows point into the file's own bytes, kept whole, and a name
    // ends where a NUL is put over the blank or line end after it (or at the end of the copy).
    const char* Keep(std::string_view name) {
        std::vector<char>& names = result.lines.names;
        names[static_cast<std::size_t>(name.data() - names.data()) + name.size()] = '\0';
        return name.data();
    }
};

// What to say of a section line that names no list: the one meant, or how one is written.
std::string SectionHint(std::string_view written, bool closed) {
    if (!closed) return " (a section line ends with ']')";
    const char* near = NearestName(written, SectionNames(), [](const SectionName& name) { return name.name.c_str(); });
    if (near != nullptr) return " (did you mean [" + std::string(near) + "]?)";
    return " (a section names a voice, Arthur or John, and a list: Dead, Writhing, FatallyInjured, Incapacitated, "
           "RagdollHurt, Fleeing, Gunfight or Melee)";
}

void ReadSection(Reader& reader, std::size_t number, std::string_view text) {
    reader.beforeFirst = false;
    reader.current.reset();
    const bool closed = text.size() >= 2 && text.back() == ']';
    std::string written;  // the inside, its words one blank apart
    for (std::string_view word : WordsOf(text.substr(1, text.size() - (closed ? 2 : 1)))) {
        written += (written.empty() ? "" : " ") + std::string(word);
    }
    const SectionName* named = nullptr;
    for (const SectionName& name : SectionNames()) {
        if (closed && SameName(written, name.name)) named = &name;
    }
    if (named == nullptr) {
        reader.Add(number,
                   "unknown section " + Shown(text) + ", so its rows are left out" + SectionHint(written, closed));
        return;
    }
    std::vector<OwnList>& lists = reader.result.lines.lists;
    for (std::size_t i = 0; i < lists.size(); ++i) {
        if (lists[i].voice == named->voice && lists[i].list == named->list) {
            reader.Add(number, LineFileSection(named->voice, named->list) + " again (first at line " +
                                   std::to_string(reader.sectionLines[i]) +
                                   "): only the rows of the first count, so the rows below this one are left out");
            return;
        }
    }
    lists.push_back({named->voice, named->list, {}});
    reader.sectionLines.push_back(number);
    reader.overflowTold.push_back(false);
    reader.current = lists.size() - 1;
}

std::optional<std::uint32_t> ConditionBit(std::string_view word) {
    for (const ConditionWord& known : kConditionWords) {
        if (SameName(word, known.word)) return known.bit;
    }
    return std::nullopt;
}

std::string UnknownWord(std::string_view word) {
    std::vector<const char*> words{kVariationWord, kGenericWord, kVoiceWord};
    for (const ConditionWord& known : kConditionWords) words.push_back(known.word);
    std::string hint;
    if (word.front() == ';') {
        hint = " (a comment must stand on a line of its own)";
    } else if (VariationOf(word)) {
        hint = " (a variation is written: variation " + std::string(word) + ")";
    } else if (const char* near = NearestName(word, words, [](const char* name) { return name; })) {
        hint = std::string(" (did you mean ") + near + "?)";
    }
    return "unknown word " + Quoted(word) + kLeftOut + hint;
}

// The row a line's words make, or the problem that leaves it out.
std::optional<std::string> ParseRow(Reader& reader, std::span<const std::string_view> words, SpeechLine& row) {
    if (std::optional<std::string> problem = NameProblem(words[0])) return *problem + kLeftOut;
    std::optional<std::string_view> variation;
    std::optional<std::string_view> voice;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string_view word = words[i];
        const bool last = i + 1 == words.size();
        if (SameName(word, kGenericWord)) {
            row.generic = true;
        } else if (SameName(word, kVariationWord)) {
            if (variation) return "variation is given twice" + std::string(kLeftOut);
            if (last) return "variation needs " + VariationRange() + " after it" + kLeftOut;
            variation = words[++i];
        } else if (SameName(word, kVoiceWord)) {
            if (voice) return "voice is given twice" + std::string(kLeftOut);
            if (last) return "voice needs a voice name after it, such as JOHN_AI" + std::string(kLeftOut);
            voice = words[++i];
        } else if (std::optional<std::uint32_t> bit = ConditionBit(word)) {
            row.conditions |= *bit;
        } else {
            return UnknownWord(word);
        }
    }
    if (variation) {
        std::optional<std::int32_t> value = VariationOf(*variation);
        if (!value) return "variation " + Quoted(*variation) + " is not " + VariationRange() + kLeftOut;
        row.variation = *value;
    }
    if (voice) {
        if (std::optional<std::string> problem = NameProblem(*voice)) return "voice " + *problem + kLeftOut;
    }
    row.speechName = reader.Keep(words[0]);
    if (voice) row.voice = reader.Keep(*voice);
    return std::nullopt;
}

// The words that decide whether a row fits a ped: a row with other words than the sexes needs one
// of them.
constexpr std::uint32_t kPedAlternatives =
    LineCondition::TargetGang | LineCondition::TargetRelGroup | LineCondition::PedsNearby | LineCondition::DeadNearby;
constexpr std::uint32_t kSexes = LineCondition::TargetFemale | LineCondition::TargetMale;
constexpr const char* kNeverOverAPed =
    "this row is never said over a ped: law, one-enemy, several-enemies, player-hurt, player-hit-them, positive and "
    "negative fit there only beside gang, group, people-nearby or body-nearby";

bool NeverFitsAPed(std::uint32_t conditions) {
    return (conditions & ~kSexes) != 0 && (conditions & kPedAlternatives) == 0;
}

// Every speech name of the built-in lines, sorted.
const std::vector<std::string_view>& BuiltInNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all;
        for (const LineCatalogue& catalogue : BuiltInCatalogues().sets) {
            ForEachList(catalogue, [&](const SpeechLines& rows) {
                for (const SpeechLine& row : rows) all.emplace_back(row.speechName);
            });
        }
        std::sort(all.begin(), all.end());
        all.erase(std::unique(all.begin(), all.end()), all.end());
        return all;
    }();
    return names;
}

// The built-in name a name that is none of them is a likely typo of, or null. Each name is looked
// for once in a file, and only the first kNearNamesLooked such names: a file read while the game
// runs must not hold up a frame, and a file of many lines Quillomar lacks is one of finds, not typos.
constexpr std::size_t kNearNamesLooked = 64;

const char* NearBuiltInName(Reader& reader, std::string_view name) {
    const std::vector<std::string_view>& names = BuiltInNames();
    if (std::binary_search(names.begin(), names.end(), name)) return nullptr;
    auto known = reader.nearNames.find(name);
    if (known != reader.nearNames.end()) return known->second;
    if (reader.nearNames.size() == kNearNamesLooked) return nullptr;
    const char* near = NearestName(name, names, [](std::string_view candidate) { return candidate.data(); });
    reader.nearNames.emplace(name, near);
    return near;
}

void ReadRow(Reader& reader, std::size_t number, std::string_view text) {
    if (reader.beforeFirst) {
        reader.Add(number, Quoted(text) + " stands before any section" + kLeftOut +
                               " (a list starts with a section line such as [Arthur Dead])");
        return;
    }
    if (!reader.current) return;  // an unknown or repeated section, told at its line
    const std::size_t index = *reader.current;
    OwnList& list = reader.result.lines.lists[index];
    if (list.rows.size() >= kMaxListRows) {
        if (!reader.overflowTold[index]) {
            reader.Add(number, LineFileSection(list.voice, list.list) + " has more than " +
                                   std::to_string(kMaxListRows) +
                                   " rows, so this row and the ones after it are left out");
        }
        reader.overflowTold[index] = true;
        return;
    }
    const std::vector<std::string_view> words = WordsOf(text);
    SpeechLine row{nullptr, 0, false, 0, nullptr};
    row.fileLine = static_cast<std::int32_t>(number);
    if (std::optional<std::string> problem = ParseRow(reader, words, row)) {
        reader.Add(number, std::move(*problem));
        return;
    }
    list.rows.push_back(row);
    if (list.list < LineList::Gunfight && NeverFitsAPed(row.conditions)) {
        reader.Note(number, kNeverOverAPed);
    }
    if (const char* near = NearBuiltInName(reader, row.speechName)) {
        reader.Add(number, Quoted(row.speechName) +
                               " is none of Quillomar's own lines but near one: the row is kept, "
                               "yet the game says nothing for a name it lacks (did you mean " +
                               near + "?)");
    }
}

std::uint64_t Digest(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return hash;
}

}  // namespace

std::span<const ConditionWord> ConditionWords() { return kConditionWords; }

LineFileRead ReadLineFile(std::string_view bytes) {
    Reader reader;
    if (std::optional<std::string> problem = Utf16Problem(bytes, "the built-in lines are used")) {
        reader.Add(1, std::move(*problem));
        return std::move(reader.result);
    }
    bytes = WithoutUtf8Mark(bytes);
    std::vector<char>& names = reader.result.lines.names;
    names.assign(bytes.begin(), bytes.end());
    names.push_back('\0');
    // Read from the copy the rows keep.
    ForEachListLine(std::string_view(names.data(), bytes.size()), [&](std::size_t number, std::string_view line) {
        if (line.front() == '[') {
            ReadSection(reader, number, line);
        } else {
            ReadRow(reader, number, line);
        }
    });
    const std::vector<OwnList>& lists = reader.result.lines.lists;
    for (std::size_t i = 0; i < lists.size(); ++i) {
        if (!lists[i].rows.empty()) continue;
        reader.Add(reader.sectionLines[i], LineFileSection(lists[i].voice, lists[i].list) + " has no rows, so " +
                                               SilenceOf(lists[i].voice, lists[i].list));
    }
    SortByLine(reader.result.problems);
    return std::move(reader.result);
}

bool IsListFileText(std::string_view bytes) {
    std::optional<bool> voiceFirst;
    ForEachListLine(WithoutUtf8Mark(bytes), [&](std::size_t, std::string_view line) {
        if (voiceFirst || line.front() != '[') return;
        const std::vector<std::string_view> words = WordsOf(line.substr(1));
        voiceFirst = !words.empty() && std::any_of(std::begin(kVoiceNames), std::end(kVoiceNames),
                                                   [&](VoiceSet v) { return SameName(words[0], VoiceSetName(v)); });
    });
    return voiceFirst.value_or(false);
}

std::string LineFileRow(const SpeechLine& line) {
    std::string row = line.speechName;
    if (line.variation != 0) row += std::string(" ") + kVariationWord + " " + std::to_string(line.variation);
    for (const ConditionWord& known : kConditionWords) {
        if ((line.conditions & known.bit) != 0) row += std::string(" ") + known.word;
    }
    if (line.generic) row += std::string(" ") + kGenericWord;
    if (line.voice != nullptr) row += std::string(" ") + kVoiceWord + " " + line.voice;
    return row;
}

std::string LineFileSection(VoiceSet voice, LineList list) {
    return "[" + std::string(VoiceSetName(voice)) + " " + LineListName(list) + "]";
}

LineFileLoad LoadLineFile(const char* path) {
    LineFileLoad load;
    std::optional<std::string> bytes = platform::ReadFileBytes(path, kLineFileMaxBytes);
    if (!bytes) {
        load.error = platform::LastErrorText();
        return load;
    }
    if (bytes->size() > kLineFileMaxBytes) {
        load.outcome = LineFileLoad::Outcome::TooLarge;
        return load;
    }
    load.outcome = LineFileLoad::Outcome::Read;
    load.read = ReadLineFile(*bytes);
    load.digest = Digest(*bytes);
    return load;
}

}  // namespace quillomar
