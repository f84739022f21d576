// What the player aims at or looks at: free aim, lock-on, interaction focus, the gameplay camera,
// the line-of-sight probe and the nearby-ped query.

#include <algorithm>
#include <cmath>

#include "host/native_hashes.h"
#include "natives.h"

namespace sim {
namespace {

namespace n = quillomar::native;

// Answers an entity query: true and the entity written out when there is one that exists.
void AnswerEntity(NativeCall& c, std::int32_t entity) {
    bool found = entity != 0 && c.world().EntityExists(entity);
    if (found) c.WriteOutInt(1, entity);
    c.ReturnBool(found);
}

struct Segment {
    Vec3 from;
    Vec3 to;
    Vec3 At(double t) const {
        return {static_cast<float>(from.x + (to.x - from.x) * t), static_cast<float>(from.y + (to.y - from.y) * t),
                static_cast<float>(from.z + (to.z - from.z) * t)};
    }
};

// An object stands in the probe's way as a sphere of this radius around its position.
constexpr double kObjectRadius = 0.5;

// The smallest root in [0, 1] of |from + t (to - from) - centre|^2 = r^2, over the coordinates
// chosen (a sphere with all three, a vertical cylinder with x and y only); -1 when none.
double FirstEntry(const Segment& s, const Vec3& centre, bool withZ, double radius = kBodyRadius) {
    double dx = s.to.x - s.from.x, dy = s.to.y - s.from.y, dz = withZ ? s.to.z - s.from.z : 0.0;
    double fx = s.from.x - centre.x, fy = s.from.y - centre.y, fz = withZ ? s.from.z - centre.z : 0.0;
    double a = dx * dx + dy * dy + dz * dz;
    double b = 2 * (fx * dx + fy * dy + fz * dz);
    double c = fx * fx + fy * fy + fz * fz - radius * radius;
    if (c <= 0) return 0.0;  // starts inside
    double discriminant = b * b - 4 * a * c;
    if (a == 0 || discriminant < 0) return -1.0;
    double t = (-b - std::sqrt(discriminant)) / (2 * a);
    return t >= 0 && t <= 1 ? t : -1.0;
}

// Where along the segment it first enters the ped's body (a vertical capsule), or -1.
double EntryIntoBody(const Segment& s, const Vec3& position) {
    Vec3 lower{position.x, position.y, position.z - kBodyBelow};
    Vec3 upper{position.x, position.y, position.z + kBodyAbove};
    double best = -1.0;
    auto consider = [&best](double t) {
        if (t >= 0 && (best < 0 || t < best)) best = t;
    };
    double side = FirstEntry(s, position, false);
    if (side >= 0) {
        double z = s.At(side).z;
        if (z >= lower.z && z <= upper.z) consider(side);
    }
    consider(FirstEntry(s, lower, true));
    consider(FirstEntry(s, upper, true));
    return best;
}

// A probe that includes the world (flag 1) stops at the wall a metre before a ped behind one.
constexpr std::int32_t kProbeWorld = 1;
constexpr double kWallBeforePed = 1.0;

// The nearest ped body or object the segment enters, other than the ignored entity, or a wall.
ProbeResult Probe(const World& world, const Segment& segment, std::int32_t ignored, std::int32_t flags) {
    ProbeResult result;
    result.point = segment.to;
    double nearest = 2.0;
    auto consider = [&](std::int32_t handle, double t) {
        if (handle != ignored && t >= 0 && t < nearest) {
            nearest = t;
            result = {true, segment.At(t), handle};
        }
    };
    const double length =
        std::sqrt(std::pow(segment.to.x - segment.from.x, 2) + std::pow(segment.to.y - segment.from.y, 2) +
                  std::pow(segment.to.z - segment.from.z, 2));
    for (const auto& [handle, ped] : world.peds) {
        const double entry = EntryIntoBody(segment, ped.position);
        consider(handle, entry);
        if ((flags & kProbeWorld) != 0 && ped.behindWall && entry >= 0 && handle != ignored && length > 0) {
            consider(0, std::max(0.0, entry - kWallBeforePed / length));  // the wall, no entity
        }
    }
    for (const auto& [handle, object] : world.objects) {
        consider(handle, FirstEntry(segment, object.position, true, kObjectRadius));
    }
    return result;
}

void StartProbe(NativeCall& c) {
    Segment segment{{c.Float(0), c.Float(1), c.Float(2)}, {c.Float(3), c.Float(4), c.Float(5)}};
    std::int32_t handle = c.game.nextProbeHandle;
    c.game.nextProbeHandle = handle == INT32_MAX ? 1 : handle + 1;
    c.game.probes[handle] = Probe(c.world(), segment, c.Int(7), c.Int(6));
    c.ReturnInt(handle);
}

void ProbeResultOf(NativeCall& c) {
    auto found = c.game.probes.find(c.Int(0));
    if (found == c.game.probes.end()) {
        c.ReturnInt(0);  // no such probe
        return;
    }
    const ProbeResult& result = found->second;
    c.WriteOutInt(1, result.hit ? 1 : 0);
    c.WriteOutVector(2, result.point);
    c.WriteOutVector(3, result.hit ? Vec3{0.0f, 0.0f, 1.0f} : Vec3{});
    c.WriteOutInt(4, result.entity);
    c.game.probes.erase(found);
    c.ReturnInt(2);  // the probe is complete
}

// Lists every ped but the given one: first those of the world's nearby order, then the rest by
// handle, as many as the buffer's capacity allows; with a last argument of 0, without those the
// world says it drops.
void NearbyPeds(NativeCall& c) {
    const World& world = c.world();
    std::int32_t centre = c.Int(0);
    const std::vector<std::int32_t>& dropped = world.nearbyDroppedByZero;
    auto listable = [&](std::int32_t handle) {
        return handle != centre &&
               (c.Int(3) != 0 || std::find(dropped.begin(), dropped.end(), handle) == dropped.end());
    };
    std::vector<std::int32_t> listed;
    for (std::int32_t handle : world.nearbyOrder) {
        if (listable(handle) && world.peds.count(handle) != 0) listed.push_back(handle);
    }
    for (const auto& entry : world.peds) {
        std::int32_t handle = entry.first;
        if (listable(handle) && std::find(listed.begin(), listed.end(), handle) == listed.end())
            listed.push_back(handle);
    }
    std::uint32_t capacity = OutSlots('n', c.args[1]) - 1;
    listed.resize(std::min<std::size_t>(listed.size(), capacity));
    std::vector<std::uint64_t> slots(listed.begin(), listed.end());
    for (std::uint64_t& slot : slots) slot &= 0xFFFFFFFFu;
    c.WriteOut(1, slots, 1);  // after the capacity in slot 0
    c.ReturnInt(world.nearbyClaim.value_or(static_cast<std::int32_t>(listed.size())));
}

const NativeDef kTargetingNatives[] = {
    {SIM_NATIVE(GET_ENTITY_PLAYER_IS_FREE_AIMING_AT), "io", 1,
     [](NativeCall& c) { AnswerEntity(c, c.world().freeAimEntity); }},
    {SIM_NATIVE(IS_PLAYER_TARGETTING_ANYTHING), "i", 1,
     [](NativeCall& c) { c.ReturnBool(c.world().EntityExists(c.world().lockOnEntity)); }},
    {SIM_NATIVE(GET_PLAYER_TARGET_ENTITY), "io", 1, [](NativeCall& c) { AnswerEntity(c, c.world().lockOnEntity); }},
    {SIM_NATIVE(GET_PLAYER_INTERACTION_TARGET_ENTITY), "ioii", 1,
     [](NativeCall& c) { AnswerEntity(c, c.world().focusEntity); }},
    {SIM_NATIVE(GET_GAMEPLAY_CAM_COORD), "", 3, [](NativeCall& c) { c.ReturnVector(c.world().cameraPosition); }},
    {SIM_NATIVE(GET_GAMEPLAY_CAM_ROT), "i", 3, [](NativeCall& c) { c.ReturnVector(c.world().cameraRotation); }},
    {SIM_NATIVE(START_EXPENSIVE_SYNCHRONOUS_SHAPE_TEST_LOS_PROBE), "ffffffiii", 1, StartProbe},
    {SIM_NATIVE(GET_SHAPE_TEST_RESULT), "iovvo", 1, ProbeResultOf},
    {SIM_NATIVE(GET_PED_NEARBY_PEDS), "inii", 1, NearbyPeds},
};

}  // namespace

std::span<const NativeDef> TargetingNatives() { return kTargetingNatives; }

}  // namespace sim
