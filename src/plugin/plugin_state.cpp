#include "plugin/plugin_state.h"

#include <algorithm>

namespace quillomar {

StateSizes MeasureState(const PluginState& state) {
    const Speech& speech = state.taunting.speech;
    const RepeatHistory& history = speech.history;
    std::size_t slots = 0;
    for (const RepeatQueue& queue : history.items) slots = std::max(slots, queue.latestPush.capacity());
    const Prompts& prompts = state.frame.prompts;
    return {
        state.taunting.taunts.records.size(),
        state.taunting.aggression.provoked.capacity(),
        state.frame.combatContext.hostilePeds.capacity(),
        history.items.size(),
        slots,
        std::max(speech.pools.generic.capacity(), speech.pools.specific.capacity()),
        static_cast<std::size_t>(prompts.taunt != nullptr) + static_cast<std::size_t>(prompts.combat != nullptr) +
            static_cast<std::size_t>(prompts.mute != nullptr),
        speech.muted.fromFile.size() + speech.muted.byKey.size(),
    };
}

}  // namespace quillomar
