#include "targeting/target_search.h"

#include <cmath>

#include "config/settings.h"
#include "core/geometry.h"

namespace quillomar {
namespace {

constexpr float kRayLength = 30.0f;
constexpr float kDegreesToRadians = 0.0174533f;

Ped PedOrNone(Entity entity) { return entity != 0 && IsEntityAPed(entity) ? entity : 0; }

// Sine and cosine are taken in double precision and rounded to float, so both builds' math
// libraries give the same bits.
float Sin(float radians) { return static_cast<float>(std::sin(static_cast<double>(radians))); }
float Cos(float radians) { return static_cast<float>(std::cos(static_cast<double>(radians))); }

// The point 30 m out along the camera's view, in single precision.
Vector3 CameraRayEnd(const Vector3& camera, const Vector3& rotation) {
    float pitch = rotation.x * kDegreesToRadians;
    float heading = rotation.z * kDegreesToRadians;
    return {camera.x - Sin(heading) * Cos(pitch) * kRayLength, camera.y + Cos(heading) * Cos(pitch) * kRayLength,
            camera.z + Sin(pitch) * kRayLength};
}

// For the field report: the same ray again, the world included as in the game's own probes. Its
// answer is only counted: it never changes the ped offered.
void ProbeWithTheWorld(const Vector3& from, const Vector3& to, Ped playerPed, Ped found, FieldTallies& field) {
    const ProbeHit hit = LineOfSightProbeResult(StartLineOfSightProbe(from, to, playerPed, kProbePeds | kProbeWorld));
    field.Wall(!hit.hit ? WallAnswer::Nothing : hit.entity == found ? WallAnswer::SamePed : WallAnswer::SomethingElse);
}

Ped PedUnderCamera(Ped playerPed, FieldTallies* field) {
    const Vector3 camera = GameplayCameraPosition();
    const Vector3 end = CameraRayEnd(camera, GameplayCameraRotation());
    const ProbeHit hit = LineOfSightProbeResult(StartLineOfSightProbe(camera, end, playerPed));
    const Ped ped = PedOrNone(hit.entity);
    if (field != nullptr && ped != 0) ProbeWithTheWorld(camera, end, playerPed, ped, *field);
    return ped;
}

}  // namespace

Vector3 GetEntityPosition(Entity entity) { return EntityCoords(entity); }

float DistanceToPlayer(Entity entity, Ped playerPed) {
    // The player's position is asked first.
    const Vector3 player = GetEntityPosition(playerPed);
    return Distance(player, GetEntityPosition(entity));
}

Ped FindTargetPed(bool requireAiming, Ped playerPed, FieldTallies* field) {
    if (Ped aimed = PedOrNone(FreeAimEntity(PlayerIndex()))) return aimed;
    if (IsPlayerTargetingAnything(PlayerIndex())) {
        if (Ped locked = PedOrNone(PlayerTargetEntity(PlayerIndex()))) return locked;
    }
    if (!requireAiming) {
        if (Ped focused = PedOrNone(PlayerInteractionTarget(PlayerIndex()))) return focused;
    }
    return PedUnderCamera(playerPed, field);
}

TargetCandidate FindAcceptedTarget(const Settings& settings, Ped playerPed, FieldTallies* field) {
    TargetCandidate candidate;
    candidate.ped = FindTargetPed(settings.requireAiming, playerPed, field);
    if (candidate.ped == 0) return candidate;
    candidate.state = ClassifyPedState(candidate.ped, settings.includeRagdollNotFatallyInjured, playerPed);
    // A ped in combat with the player is left to the combat taunts.
    if (candidate.state == PedState::None || candidate.state == PedState::Combat) return candidate;
    if (!IsEntityOnScreen(candidate.ped)) return candidate;
    candidate.accepted = DistanceToPlayer(candidate.ped, playerPed) <= settings.maxDistance;
    return candidate;
}

}  // namespace quillomar
