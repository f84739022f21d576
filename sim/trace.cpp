#include "trace.h"

#include <charconv>
#include <cmath>

#include "host/keys.h"

namespace sim {
namespace {

void AppendString(std::string& out, std::string_view text) {
    out += '"';
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
    out += '"';
}

void AppendHex(std::string& out, std::uint64_t value, int digits) {
    char text[24];
    int length = std::snprintf(text, sizeof text, "0x%0*llX", digits, static_cast<unsigned long long>(value));
    out.append(text, static_cast<std::size_t>(length));
}

void AppendSlot(std::string& out, std::uint64_t slot) {
    out += '"';
    AppendHex(out, slot, 16);
    out += '"';
}

void AppendSlots(std::string& out, const std::vector<std::uint64_t>& slots) {
    out += '[';
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (i != 0) out += ',';
        AppendSlot(out, slots[i]);
    }
    out += ']';
}

void AppendArg(std::string& out, const RecordedArg& arg) {
    switch (arg.kind) {
        case RecordedArg::Kind::Text:
            out += "{\"text\":";
            AppendString(out, arg.text);
            out += '}';
            return;
        case RecordedArg::Kind::Block:
            out += "{\"block\":[";
            for (std::size_t i = 0; i < arg.block.size(); ++i) {
                if (i != 0) out += ',';
                AppendArg(out, arg.block[i]);
            }
            out += "]}";
            return;
        case RecordedArg::Kind::Out:
            out += "{\"out\":" + std::to_string(arg.outSlots) + "}";
            return;
        case RecordedArg::Kind::Value:
            break;
    }
    AppendSlot(out, arg.slot);
}

void AppendCall(std::string& out, const RecordedCall& call) {
    out += "{\"hash\":";
    AppendSlot(out, call.hash);
    out += ",\"args\":[";
    for (std::size_t i = 0; i < call.args.size(); ++i) {
        if (i != 0) out += ',';
        AppendArg(out, call.args[i]);
    }
    out += "],\"results\":";
    AppendSlots(out, call.results);
    out += ",\"writes\":[";
    for (std::size_t i = 0; i < call.writes.size(); ++i) {
        if (i != 0) out += ',';
        AppendSlots(out, call.writes[i]);
    }
    out += "]}";
}

std::string StartObject(std::uint32_t seed, std::string_view filesFields) {
    return "{\"seed\":" + std::to_string(seed) + "," + std::string(filesFields) + "}";
}

}  // namespace

std::string JsonString(std::string_view text) {
    std::string out;
    AppendString(out, text);
    return out;
}

std::string JsonHex(std::uint64_t value, int digits) {
    std::string out;
    AppendHex(out, value, digits);
    return out;
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

std::string TraceHeader(std::uint32_t seed, std::string_view filesFields) { return StartObject(seed, filesFields); }

std::string TraceRestart(std::uint32_t seed, std::string_view filesFields) {
    return "{\"restart\":" + StartObject(seed, filesFields) + "}";
}

std::string TraceReload(std::string_view filesFields) { return "{\"reload\":{" + std::string(filesFields) + "}}"; }

std::string TraceKey(const KeyMessage& message) {
    std::string held;  // "CTRL+SHIFT", "CTRL", "SHIFT" or ""
    if ((message.held & quillomar::kControlBit) != 0) held = "CTRL";
    if ((message.held & quillomar::kShiftBit) != 0) held += held.empty() ? "SHIFT" : "+SHIFT";
    return "{\"key\":[" + std::to_string(message.code) + "," + std::to_string(message.repeats) + "," +
           std::to_string(message.scanCode) + "," + std::to_string(message.extended) + "," +
           std::to_string(message.alt) + "," + std::to_string(message.wasDown) + "," + std::to_string(message.isUp) +
           "," + JsonString(held) + "]}";
}

std::string TraceFrame(std::int64_t frame, std::uint32_t tick) {
    return "{\"frame\":" + std::to_string(frame) + ",\"tick\":" + std::to_string(tick) + "}";
}

std::string TraceCall(const RecordedCall& call) {
    std::string out;
    AppendCall(out, call);
    return out;
}

TraceWriter::~TraceWriter() { Close(); }

bool TraceWriter::Open(const std::string& path) {
    Close();
    failed_ = false;
    started_ = false;
    file_ = std::fopen(path.c_str(), "wb");
    return file_ != nullptr;
}

void TraceWriter::Start(std::uint32_t seed, std::string_view filesFields) {
    line_ = started_ ? TraceRestart(seed, filesFields) : TraceHeader(seed, filesFields);
    started_ = true;
    Write();
}

void TraceWriter::Reload(std::string_view filesFields) {
    line_ = TraceReload(filesFields);
    Write();
}

void TraceWriter::Key(const KeyMessage& message) {
    line_ = TraceKey(message);
    Write();
}

void TraceWriter::Frame(std::int64_t frame, std::uint32_t tick) {
    line_ = TraceFrame(frame, tick);
    Write();
}

void TraceWriter::Call(const RecordedCall& call) {
    line_.clear();
    AppendCall(line_, call);
    Write();
}

void TraceWriter::Write() {
    if (file_ == nullptr) return;
    line_ += '\n';
    if (std::fwrite(line_.data(), 1, line_.size(), file_) != line_.size()) failed_ = true;
}

bool TraceWriter::Close() {
    if (file_ == nullptr) return !failed_;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
}

}  // namespace sim
