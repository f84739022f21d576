#include "frame/notice.h"

#include <algorithm>
#include <cstring>

#include "host/natives.h"
#include "platform/platform.h"

namespace quillomar {
namespace {

constexpr float kNoticeX = 0.01f;

}  // namespace

void GiveNotice(Notice& notice, std::string_view text) {
    const std::size_t length = std::min(text.size(), sizeof notice.text - 1);
    std::memcpy(notice.text, text.data(), length);
    notice.text[length] = '\0';
    notice.waiting = true;
    notice.showing = false;
}

void DrawNotice(Notice& notice, float line) {
    if (notice.waiting) {
        if (!IsPlayerInPlay(PlayerIndex())) return;
        notice.waiting = false;
        notice.showing = true;
        notice.since = platform::TickCount();
    }
    if (!notice.showing) return;
    if (platform::TickCount() - notice.since >= kNoticeMs) {
        notice.showing = false;
        return;
    }
    DrawScreenText(MakeLiteralGameText(notice.text), kNoticeX, line);
}

}  // namespace quillomar
