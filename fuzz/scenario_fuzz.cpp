// Arbitrary bytes as a scenario file: the reader either accepts them or says why not; it never
// crashes, hangs or ends the tool.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    std::optional<sim::Scenario> scenario =
        sim::ParseScenario(std::string_view(reinterpret_cast<const char*>(data), size), error);
    if (!scenario && error.empty()) {
        std::fprintf(stderr, "fuzz: a scenario was rejected without a message\n");
        std::abort();
    }
    return 0;
}
