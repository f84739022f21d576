#include "plugin/field_report.h"

#include <algorithm>
#include <cstdio>
#include <string>
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

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

std::string ControlText(std::uint32_t control) {
    const GameControl* named = ControlOfHash(control);
    return named != nullptr ? std::string(named->name) + " (" + Hex(control) + ")" : Hex(control);
}

std::string Times(std::uint32_t count, std::string_view one) {
    return std::to_string(count) + " " + std::string(one) + (count == 1 ? "" : "s");
}

// "  Reading: what the counts say.", or that there are none yet.
std::string Reading(const std::vector<std::string>& findings, const std::string& verdict) {
    if (findings.empty()) return "  Nothing gathered yet.\n";
    std::string text;
    for (const std::string& finding : findings) text += "  " + finding + "\n";
    return text + "  Reading: " + verdict + "\n";
}

std::string VoicesSection(const FieldTallies& tallies) {
    std::vector<std::string> rows;
    std::vector<std::string> unknown;
    for (std::size_t voice = 0; voice < kVoiceRows; ++voice) {
        std::uint32_t said = 0, refused = 0;
        std::vector<std::string> lists;
        for (std::size_t list = 0; list < kListRows; ++list) {
            const auto& counts = tallies.speech[voice][list];
            said += counts[0].value;
            refused += counts[1].value;
            const std::uint32_t asked = counts[0].value + counts[1].value;
            if (asked != 0)
                lists.push_back(LineListName(static_cast<LineList>(list)) + std::string(" ") + std::to_string(asked));
        }
        if (said + refused == 0) continue;
        const std::string name =
            voice < std::size(kReportedVoices) ? std::string(kReportedVoices[voice]) : "other voices";
        rows.push_back(name + ": said " + Times(said, "time") + " in " + Times(said + refused, "request") + " (" +
                       Listed(lists) + ")");
        if (said == 0) unknown.push_back(name);
    }
    const std::string verdict = unknown.empty() ? "the game said a line in every voice asked for"
                                                : Listed(unknown) + " never said: the game looks not to know it";
    return "Voices: which the game says (do JOHN and JOHN_AI exist?)\n" + Reading(rows, verdict);
}

std::string LawSection(const FieldTallies& tallies) {
    std::vector<std::string> rows;
    std::vector<std::string> law;
    // By ped type: how many hostiles, how many of them in REL_COP.
    std::vector<std::pair<std::int32_t, std::pair<std::uint32_t, std::uint32_t>>> types;
    for (std::size_t i = 0; i < tallies.law.used; ++i) {
        const auto& row = tallies.law.rows[i];
        auto type = std::find_if(types.begin(), types.end(), [&](const auto& t) { return t.first == row.key.pedType; });
        if (type == types.end()) type = types.insert(types.end(), {row.key.pedType, {0, 0}});
        type->second.first += row.counts[0].value;
        if (row.key.relCop) type->second.second += row.counts[0].value;
    }
    for (const auto& [type, counts] : types) {
        rows.push_back("type " + std::to_string(type) + " was REL_COP " + Times(counts.second, "time") + " in " +
                       Times(counts.first, "hostile"));
        if (counts.first != 0 && counts.second == counts.first) law.push_back("type " + std::to_string(type));
    }
    std::uint32_t called = 0;
    for (std::size_t i = 0; i < tallies.law.used; ++i) called += tallies.law.rows[i].counts[1].value;
    if (tallies.law.other[0].value != 0)
        rows.push_back(Times(tallies.law.other[0].value, "hostile") + " of other types");
    if (!rows.empty()) rows.push_back("the law test (type 4, or REL_COP) called " + Times(called, "hostile") + " law");
    const std::string verdict = law.empty() ? "no ped type was always in REL_COP" : Listed(law) + " looks like law";
    return "Law: which ped type the law's men are (4 or 6?)\n" + Reading(rows, verdict);
}

std::string TackleSection(const FieldTallies& tallies) {
    std::vector<std::string> rows;
    std::uint32_t waiting = 0, total = 0;
    for (std::size_t i = 0; i < tallies.tackle.used; ++i) {
        const auto& row = tallies.tackle.rows[i];
        rows.push_back("grapple task " + std::to_string(row.key.grapple) + ", direct grapple " +
                       std::to_string(row.key.direct) + ": " + Times(row.counts[0].value, "engagement"));
        total += row.counts[0].value;
        if (row.key.grapple == 0) waiting += row.counts[0].value;
    }
    if (tallies.tackle.other[0].value != 0)
        rows.push_back(Times(tallies.tackle.other[0].value, "engagement") + " more");
    const std::string verdict = std::to_string(waiting) + " of " + Times(total, "engagement") +
                                " had the grapple task still waiting (0) 500 ms on, where 1 is running";
    return "Tackle: whether the grapple task starts beside the direct grapple\n" + Reading(rows, verdict);
}

std::string WallsSection(const FieldTallies& tallies) {
    const std::uint32_t same = tallies.walls[0].value, other = tallies.walls[1].value, nothing = tallies.walls[2].value;
    std::vector<std::string> rows;
    if (same + other + nothing != 0) {
        rows.push_back("the same ped " + std::to_string(same) + ", something else first " + std::to_string(other) +
                       ", nothing " + std::to_string(nothing));
    }
    const std::string verdict = other == 0
                                    ? "nothing stood before a ped the camera's ray offered"
                                    : "something stood before the ped in " + std::to_string(other) + " of " +
                                          Times(same + other + nothing, "ray") + ": a ped behind a wall may be offered";
    return "Walls: a probe with the world along the camera's ray that found a ped\n" + Reading(rows, verdict);
}

std::string NearbySection(const FieldTallies& tallies) {
    const std::uint32_t equal = tallies.nearby[0].value, fewer = tallies.nearby[1].value,
                        more = tallies.nearby[2].value;
    std::vector<std::string> rows;
    if (equal + fewer + more != 0) {
        rows.push_back("as many " + std::to_string(equal) + ", fewer with 0 " + std::to_string(fewer) +
                       ", more with 0 " + std::to_string(more));
    }
    const std::string verdict = fewer + more == 0
                                    ? "0 and -1 listed as many peds every time"
                                    : "the last argument changed the list in " + std::to_string(fewer + more) + " of " +
                                          Times(equal + fewer + more, "query") + ": 0 filters it";
    return "Nearby peds: the query with its last argument 0 against -1\n" + Reading(rows, verdict);
}

std::string ControlsSection(const FieldTallies& tallies) {
    std::vector<std::string> rows;
    std::vector<std::string> refused;
    for (std::size_t i = 0; i < tallies.controls.used; ++i) {
        const auto& row = tallies.controls.rows[i];
        rows.push_back(std::string(row.key.setting) + " " + ControlText(row.key.control) + ": known " +
                       std::to_string(row.counts[0].value) + ", refused " + std::to_string(row.counts[1].value));
        if (row.counts[1].value != 0) refused.push_back(ControlText(row.key.control));
    }
    const std::string verdict =
        refused.empty() ? "the game knew every control asked about" : "the game did not know " + Listed(refused);
    return "Prompt controls: the game's answer before the prompts are made\n" + Reading(rows, verdict);
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
    std::string text = "Quillomar field report\nQuillomar " QUILLOMAR_VERSION " (" + std::string(platform::kBuildKind) +
                       " build), written " + platform::LocalDateTime() +
                       "\nWhat the game answered to questions Quillomar cannot settle without it: counts alone. Attach "
                       "this file to your report.\n" +
                       "Settings: PromptControl " + ControlText(settings.promptControl) + ", TackleChance " +
                       std::to_string(settings.tackleChance) +
                       "; voice sets heard: " + (sets.empty() ? std::string("none yet") : Listed(sets)) + "\n";
    for (const std::string& section : {VoicesSection(tallies), LawSection(tallies), TackleSection(tallies),
                                       WallsSection(tallies), NearbySection(tallies), ControlsSection(tallies)}) {
        text += "\n" + section;
    }
    return text;
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
