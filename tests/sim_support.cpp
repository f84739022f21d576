#include "sim_support.h"

#include <unistd.h>

#include <fstream>
#include <iterator>

#include "host/plugin.h"

namespace test {

ScopedDirectory::ScopedDirectory() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "quillomar-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
    std::filesystem::current_path(path_);
}

ScopedDirectory::~ScopedDirectory() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void ScopedDirectory::WriteFile(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
}

std::string ScopedDirectory::ReadFile(const std::string& name) const {
    std::ifstream file(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void StartPluginInSim(const std::optional<std::string>& iniText) {
    sim::ResetGame();
    if (iniText) std::ofstream("Quillomar.ini", std::ios::binary) << *iniText;
    sim::World& world = sim::TheGame().world;
    world.peds[kPlayerPed] = {};
    world.playerPed = kPlayerPed;
    quillomar::StartPlugin();
    ClearCalls();
}

const std::vector<sim::RecordedCall>& Calls() { return sim::TheGame().calls; }

void ClearCalls() { sim::TheGame().calls.clear(); }

std::vector<std::uint64_t> CalledHashes() {
    std::vector<std::uint64_t> hashes;
    for (const sim::RecordedCall& call : Calls()) hashes.push_back(call.hash);
    return hashes;
}

std::string ReadSourceFile(const std::string& relativePath) {
    std::ifstream file(std::filesystem::path(QUILLOMAR_SOURCE_DIR) / relativePath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace test
