#include "plugin/field_report.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/player_folder.h"
#include "core/player_text.h"
#include "host/game_controls.h"
#include "platform/platform.h"
#include "platform/text_files.h"
#include "plugin/plugin_log.h"
#include "plugin/plugin_state.h"
#include "speech/speech_line.h"

namespace quillomar {
namespace {

static_assert(kListRows == kLineListCount, "the tallies keep a row for each list a voice set has");

// What the report keeps for the process: the tallies, the settings last in force with it, and
// when the file was last written.
struct FieldReportRun {
    FieldTallies tallies;
    FieldReportSettings settings;
    bool clockStarted = false;  // lastWrite holds: the minute is counted from the first frame that gathered
    std::uint32_t lastWrite = 0;
    bool failureTold = false;
};
FieldReportRun gField;

// The parts, joined: one allocation for a line of the report, and little code.
std::string Cat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) text += part;
    return text;
}

std::string Number(std::int64_t value) { return std::to_string(value); }

// "1 hostile", "2 hostiles".
std::string Times(std::uint32_t count, std::string_view one) {
    return Cat({Number(count), " ", one, count == 1 ? "" : "s"});
}

// A section: its title, a line a finding, and the reading of them; or that there are none yet.
std::string Section(std::string_view title, const std::vector<std::string>& findings, std::string_view verdict) {
    std::string text = Cat({"\n", title, "\n"});
    if (findings.empty()) return text + "  Nothing gathered yet.\n";
    for (const std::string& finding : findings) text += Cat({"  ", finding, "\n"});
    return text + Cat({"  Reading: ", verdict, "\n"});
}

std::string VoicesSection(const FieldTallies& tallies) {
    std::vector<std::string> rows;
    std::vector<std::string> unknown;
    for (std::size_t voice = 0; voice < kVoiceRows; ++voice) {
        std::uint32_t said = 0, asked = 0;
        std::vector<std::string> lists;
        for (std::size_t list = 0; list < kListRows; ++list) {
            const auto& counts = tallies.speech[voice][list];
            const std::uint32_t inList = counts[0].value + counts[1].value;
            said += counts[0].value;
            asked += inList;
            if (inList != 0) lists.push_back(Cat({LineListName(static_cast<LineList>(list)), " ", Number(inList)}));
        }
        if (asked == 0) continue;
        const std::string_view name = voice < std::size(kReportedVoices) ? kReportedVoices[voice] : "other voices";
        rows.push_back(
            Cat({name, ": said ", Times(said, "time"), " in ", Times(asked, "request"), " (", Listed(lists), ")"}));
        if (said == 0) unknown.emplace_back(name);
    }
    return Section("Voices: which the game says (do JOHN and JOHN_AI exist?)", rows,
                   unknown.empty() ? "the game said a line in every voice asked for"
                                   : Cat({Listed(unknown), " never said: the game looks not to know it"}));
}

std::string LawSection(const FieldTallies& tallies) {
    // By ped type: the hostiles, and those of them in REL_COP.
    struct Type {
        std::int32_t type;
        std::uint32_t hostiles = 0, relCop = 0;
    };
    std::vector<Type> types;
    std::uint32_t called = 0;
    for (std::size_t i = 0; i < tallies.law.used; ++i) {
        const auto& row = tallies.law.rows[i];
        auto type = std::find_if(types.begin(), types.end(), [&](const Type& t) { return t.type == row.key.pedType; });
        if (type == types.end()) type = types.insert(types.end(), {row.key.pedType});
        type->hostiles += row.counts[0].value;
        if (row.key.relCop) type->relCop += row.counts[0].value;
        called += row.counts[1].value;
    }
    std::vector<std::string> rows;
    std::vector<std::string> law;
    for (const Type& type : types) {
        rows.push_back(Cat({"type ", Number(type.type), " was REL_COP ", Times(type.relCop, "time"), " in ",
                            Times(type.hostiles, "hostile")}));
        if (type.hostiles != 0 && type.relCop == type.hostiles) law.push_back(Cat({"type ", Number(type.type)}));
    }
    if (tallies.law.other[0].value != 0)
        rows.push_back(Cat({Times(tallies.law.other[0].value, "hostile"), " of other types"}));
    if (!rows.empty())
        rows.push_back(Cat({"the law test (type 4, or REL_COP) called ", Times(called, "hostile"), " law"}));
    return Section("Law: which ped type the law's men are (4 or 6?)", rows,
                   law.empty() ? "no ped type was always in REL_COP" : Cat({Listed(law), " looks like law"}));
}

std::string TackleSection(const FieldTallies& tallies) {
    std::vector<std::string> rows;
    std::uint32_t waiting = 0, total = 0;
    for (std::size_t i = 0; i < tallies.tackle.used; ++i) {
        const auto& row = tallies.tackle.rows[i];
        rows.push_back(Cat({"grapple task ", Number(row.key.grapple), ", direct grapple ", Number(row.key.direct), ": ",
                            Times(row.counts[0].value, "engagement")}));
        total += row.counts[0].value;
        if (row.key.grapple == 0) waiting += row.counts[0].value;
    }
    if (tallies.tackle.other[0].value != 0)
        rows.push_back(Cat({Times(tallies.tackle.other[0].value, "engagement"), " more"}));
    return Section("Tackle: whether the grapple task starts beside the direct grapple", rows,
                   Cat({Number(waiting), " of ", Times(total, "engagement"),
                        " had the grapple task still waiting (0) 500 ms on, where 1 is running"}));
}

// Three counts of one question: a line of them, and the reading, told by the odd answers among them.
std::string ThreeCounts(std::string_view title, const std::array<Count, 3>& counts, const char* const (&names)[3],
                        std::uint32_t odd, std::string_view none, std::string_view some, std::string_view what) {
    const std::uint32_t total = counts[0].value + counts[1].value + counts[2].value;
    std::vector<std::string> rows;
    if (total != 0) {
        rows.push_back(Cat({names[0], " ", Number(counts[0].value), ", ", names[1], " ", Number(counts[1].value), ", ",
                            names[2], " ", Number(counts[2].value)}));
    }
    return Section(title, rows, odd == 0 ? std::string(none) : Cat({some, Number(odd), " of ", Times(total, what)}));
}

std::string WallsSection(const FieldTallies& tallies) {
    constexpr const char* kNames[] = {"the same ped", "something else first", "nothing"};
    const std::array<Count, 3>& walls = tallies.walls;
    return ThreeCounts("Walls: a probe with the world along the camera's ray that found a ped", walls, kNames,
                       walls[1].value, "nothing stood before a ped the camera's ray offered",
                       "a ped behind a wall may be offered: something stood before the ped in ", "ray");
}

std::string NearbySection(const FieldTallies& tallies) {
    constexpr const char* kNames[] = {"as many", "fewer with 0", "more with 0"};
    const std::array<Count, 3>& nearby = tallies.nearby;
    return ThreeCounts("Nearby peds: the query with its last argument 0 against -1", nearby, kNames,
                       nearby[1].value + nearby[2].value, "0 and -1 listed as many peds every time",
                       "0 filters the list: it changed it in ", "query");
}

std::string ControlsSection(const FieldTallies& tallies) {
    std::vector<std::string> rows;
    std::vector<std::string> refused;
    for (std::size_t i = 0; i < tallies.controls.used; ++i) {
        const auto& row = tallies.controls.rows[i];
        rows.push_back(Cat({row.key.setting, " ", ControlText(row.key.control), ": known ", Number(row.counts[0].value),
                            ", refused ", Number(row.counts[1].value)}));
        if (row.counts[1].value != 0) refused.push_back(ControlText(row.key.control));
    }
    return Section(
        "Prompt controls: the game's answer before the prompts are made", rows,
        refused.empty() ? "the game knew every control asked about" : Cat({"the game did not know ", Listed(refused)}));
}

// Writes the report; false when it could not, which the log says the first time.
bool Write() {
    const platform::WriteOutcome outcome =
        platform::ReplaceTextFile(kFieldReportFile.Path(), FieldReportText(gField.tallies, gField.settings));
    if (outcome.written) {
        gField.tallies.fresh = false;
        return true;
    }
    if (!gField.failureTold) {
        LogPlayLine(std::string(kNoticePrefix) + kFieldReportFile.Name() + " could not be written (" + outcome.error +
                    "); the counts go on, and it is tried again a minute later");
    }
    return false;
}

}  // namespace

std::string FieldReportText(const FieldTallies& tallies, const FieldReportSettings& settings) {
    std::vector<std::string> sets;
    if (tallies.arthurSeen) sets.emplace_back("Arthur");
    if (tallies.johnSeen) sets.emplace_back("John");
    return Cat({"Quillomar field report\nQuillomar " QUILLOMAR_VERSION " (", platform::kBuildKind, " build), written ",
                platform::LocalDateTime(),
                "\nWhat the game answered to questions Quillomar cannot settle without it: counts alone. Attach this "
                "file to your report.\nSettings: PromptControl ",
                ControlText(settings.promptControl), ", TackleChance ", Number(settings.tackleChance),
                "; voice sets heard: ", sets.empty() ? "none yet" : Listed(sets), "\n", VoicesSection(tallies),
                LawSection(tallies), TackleSection(tallies), WallsSection(tallies), NearbySection(tallies),
                ControlsSection(tallies)});
}

void ResetFieldReport() { gField = FieldReportRun{}; }

void FollowFieldReportSetting(PluginState& state) {
    const Settings& settings = state.settings;
    state.taunting.field = settings.fieldReport ? &gField.tallies : nullptr;
    if (!settings.fieldReport) return;
    gField.settings = {settings.promptControl, settings.tackleChance};
    if (!gField.clockStarted) gField.lastWrite = platform::TickCount();
    gField.clockStarted = true;
}

void WriteFieldReportWhenDue(PluginState& state) {
    if (state.taunting.field == nullptr || !gField.tallies.fresh) return;
    const std::uint32_t now = platform::TickCount();
    if (now - gField.lastWrite < kFieldReportIntervalMs) return;
    gField.lastWrite = now;
    if (Write() || gField.failureTold) return;
    gField.failureTold = true;
    GiveNotice(state.notice,
               std::string(kNoticePrefix) + kFieldReportFile.Name() + " could not be written - see " + kLogFile.Name());
}

void WriteFieldReportAtEnd() noexcept {
    try {
        if (gField.tallies.fresh && !Write()) gField.failureTold = true;
    } catch (...) {
    }
}

}  // namespace quillomar
