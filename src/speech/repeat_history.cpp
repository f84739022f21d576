#include "speech/repeat_history.h"

namespace quillomar {
namespace {

void ReserveRows(RepeatQueue& queue, std::size_t rows) {
    if (queue.latestPush.size() < rows) queue.latestPush.resize(rows, 0);
}

}  // namespace

bool HeldBack(const RepeatQueue& queue, std::int32_t row, std::int32_t keep) {
    if (keep <= 0 || row < 0 || static_cast<std::size_t>(row) >= queue.latestPush.size()) return false;
    const std::uint64_t latest = queue.latestPush[static_cast<std::size_t>(row)];
    return latest != 0 && queue.pushes - latest < static_cast<std::uint64_t>(keep);
}

void Push(RepeatQueue& queue, std::int32_t row) {
    if (row < 0) return;
    ReserveRows(queue, static_cast<std::size_t>(row) + 1);
    queue.latestPush[static_cast<std::size_t>(row)] = ++queue.pushes;
}

void PrepareRepeatHistory(RepeatHistory& history, std::size_t rows) {
    for (RepeatQueue& queue : history.items) {
        queue = RepeatQueue{};
        ReserveRows(queue, rows);
    }
}

}  // namespace quillomar
