#include "support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fuzz {
namespace {

std::string gScratch;

// Leaves the scratch folder and removes it with all the target wrote there.
void RemoveScratchFolder() {
    std::error_code ignored;
    std::filesystem::current_path(std::filesystem::temp_directory_path(ignored), ignored);
    std::filesystem::remove_all(gScratch, ignored);
}

}  // namespace

void EnterScratchFolder() {
    if (!gScratch.empty()) return;
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/quillomar-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr || chdir(pattern.c_str()) != 0) {
        std::perror("fuzz: no scratch folder");
        std::abort();
    }
    gScratch = pattern;
    std::atexit(RemoveScratchFolder);
}

void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz: %s\n", what);
    std::abort();
}

}  // namespace fuzz
