#include "scratch.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

void EnterScratchFolder() {
    static bool entered = false;
    if (entered) return;
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/quillomar-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr || chdir(pattern.c_str()) != 0) {
        std::perror("fuzz: no scratch folder");
        std::abort();
    }
    entered = true;
}

}  // namespace fuzz
