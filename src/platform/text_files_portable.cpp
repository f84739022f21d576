// The log's time and error words in the portable build; the time is the host's calendar.

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>

#include "platform/text_files.h"

// Provided at link time by the host that runs the plug-in.
extern "C" std::uint32_t hostCalendarSeconds();

namespace quillomar::platform {

const char* const kBuildKind = "simulated game";

std::string LocalDateTime() {
    std::time_t seconds = static_cast<std::time_t>(hostCalendarSeconds());
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
    return text;
}

std::string LastErrorText() { return std::strerror(errno); }

}  // namespace quillomar::platform
