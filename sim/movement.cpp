#include "movement.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace sim {
namespace {

std::string PedName(std::int32_t handle) { return "ped " + std::to_string(handle); }

// The game's heading of a direction: 0 along +y, 90 along -x, in [0, 360).
float HeadingOf(double dx, double dy) {
    double degrees = std::atan2(-dx, dy) * 180.0 / std::numbers::pi;
    return static_cast<float>(degrees < 0.0 ? degrees + 360.0 : degrees);
}

// How long the task still runs within the next ms: all of it without a time limit.
std::uint32_t TimeLeft(const PedTask& task, std::uint32_t ms) {
    if (task.timeLimitMs < 0) return ms;
    std::uint32_t limit = static_cast<std::uint32_t>(task.timeLimitMs);
    return task.elapsedMs >= limit ? 0 : std::min(ms, limit - task.elapsedMs);
}

void Arrive(Game& game, std::int32_t handle, Ped& ped) {
    ped.speed = 0.0f;
    if (ped.task.arrived) return;
    ped.task.arrived = true;
    game.events.push_back("move: " + PedName(handle) + " reached " + PedName(ped.task.target));
}

void MoveOne(Game& game, std::int32_t handle, Ped& ped, std::uint32_t ms) {
    PedTask& task = ped.task;
    std::uint32_t moving = TimeLeft(task, ms);
    task.elapsedMs += moving;
    const Vec3* found = game.world.EntityPosition(task.target);
    if (found == nullptr || task.target == handle) {
        ped.speed = 0.0f;
    } else {
        Vec3 target = *found;
        double dx = target.x - ped.position.x, dy = target.y - ped.position.y, dz = target.z - ped.position.z;
        double distance = std::sqrt(dx * dx + dy * dy + dz * dz);
        double stop = std::max(0.0, static_cast<double>(task.stopDistance));
        double step = std::max(0.0, static_cast<double>(task.speed)) * moving / 1000.0;
        if (distance <= stop) {
            Arrive(game, handle, ped);
        } else if (step > 0.0) {
            // Never past the stop distance: the last step ends exactly on it.
            double travel = std::min(step, distance - stop) / distance;
            ped.position = {static_cast<float>(ped.position.x + dx * travel),
                            static_cast<float>(ped.position.y + dy * travel),
                            static_cast<float>(ped.position.z + dz * travel)};
            ped.heading = HeadingOf(dx, dy);
            task.arrived = false;
            ped.speed = task.speed;
            if (step >= distance - stop) Arrive(game, handle, ped);
        }
    }
    if (task.timeLimitMs >= 0 && task.elapsedMs >= static_cast<std::uint32_t>(task.timeLimitMs)) {
        ped.task = {};
        ped.speed = 0.0f;
    }
}

}  // namespace

void MovePeds(Game& game, std::uint32_t ms) {
    if (ms == 0) return;
    for (auto& [handle, ped] : game.world.peds) {
        if (ped.task.kind == PedTask::Kind::GoToEntity && !ped.dead) MoveOne(game, handle, ped, ms);
    }
}

}  // namespace sim
