#include "trace.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace sim {
namespace {

std::string Slots(const std::vector<std::uint64_t>& slots) {
    std::string out = "[";
    for (std::size_t i = 0; i < slots.size(); ++i) out += (i ? "," : "") + JsonString(JsonHex(slots[i], 16));
    return out + "]";
}

std::string Arg(const RecordedArg& arg) {
    switch (arg.kind) {
        case RecordedArg::Kind::Text:
            return "{\"text\":" + JsonString(arg.text) + "}";
        case RecordedArg::Kind::Block: {
            std::string out = "{\"block\":[";
            for (std::size_t i = 0; i < arg.block.size(); ++i) out += (i ? "," : "") + Arg(arg.block[i]);
            return out + "]}";
        }
        case RecordedArg::Kind::Out:
            return "{\"out\":" + std::to_string(arg.outSlots) + "}";
        case RecordedArg::Kind::Value:
            break;
    }
    return JsonString(JsonHex(arg.slot, 16));
}

}  // namespace

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
            // Control characters and bytes beyond ASCII as code points, so any text stays valid JSON.
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string JsonHex(std::uint64_t value, int digits) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%0*llX", digits, static_cast<unsigned long long>(value));
    return text;
}

std::string JsonFloat(float value) {
    if (std::isnan(value)) return "\"nan\"";
    if (std::isinf(value)) return value > 0 ? "\"inf\"" : "\"-inf\"";
    char text[32];
    auto result = std::to_chars(text, text + sizeof text, value);
    std::string out(text, result.ptr);
    if (out.find_first_of(".e") == std::string::npos) out += ".0";
    return out;
}

std::string TraceHeader(std::uint32_t seed, std::string_view settingsObject) {
    return "{\"seed\":" + std::to_string(seed) + ",\"settings\":" + std::string(settingsObject) + "}";
}

std::string TraceFrame(int frame, std::uint32_t tick) {
    return "{\"frame\":" + std::to_string(frame) + ",\"tick\":" + std::to_string(tick) + "}";
}

std::string TraceCall(const RecordedCall& call) {
    std::string out = "{\"hash\":" + JsonString(JsonHex(call.hash, 16)) + ",\"args\":[";
    for (std::size_t i = 0; i < call.args.size(); ++i) out += (i ? "," : "") + Arg(call.args[i]);
    out += "],\"results\":" + Slots(call.results) + ",\"writes\":[";
    for (std::size_t i = 0; i < call.writes.size(); ++i) out += (i ? "," : "") + Slots(call.writes[i]);
    return out + "]}";
}

}  // namespace sim
