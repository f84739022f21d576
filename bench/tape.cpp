#include "tape.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tape {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

// Text, one frame or call per line, numbers in hexadecimal:
//   quillomar-tape 1 <calendar seconds> <generated>
//   F <tick> <start> <call count>
//   C <hash> <arg count> <args...> <pointer mask> <r0> <r1> <r2> <write count> {<arg> <offset> <count> <slots...>}
bool Save(const Tape& tape, const std::string& dir) {
    std::ofstream out(fs::path(dir) / (tape.name + ".tape"), std::ios::binary);
    out << std::hex << "quillomar-tape 1 " << tape.calendarSeconds << ' ' << tape.generated << '\n';
    for (const Frame& frame : tape.frames) {
        out << "F " << frame.tick << ' ' << frame.start << ' ' << frame.callCount << '\n';
        for (std::uint32_t c = frame.firstCall; c < frame.firstCall + frame.callCount; ++c) {
            const Call& call = tape.calls[c];
            out << "C " << call.hash << ' ' << call.argCount;
            for (std::uint32_t i = 0; i < call.argCount; ++i) out << ' ' << call.args[i];
            out << ' ' << call.pointerArgs;
            for (std::uint64_t result : call.results) out << ' ' << result;
            out << ' ' << call.writeCount;
            for (std::uint32_t w = call.firstWrite; w < call.firstWrite + call.writeCount; ++w) {
                const Write& write = tape.writes[w];
                out << ' ' << unsigned{write.arg} << ' ' << write.offset << ' ' << write.count;
                for (std::uint32_t s = 0; s < write.count; ++s) out << ' ' << tape.slots[write.first + s];
            }
            out << '\n';
        }
    }
    if (tape.ini) std::ofstream(fs::path(dir) / (tape.name + ".ini"), std::ios::binary) << *tape.ini;
    const fs::path files = fs::path(dir) / (tape.name + ".files");
    if (!tape.files.empty()) fs::create_directories(files);
    for (const auto& [name, text] : tape.files) std::ofstream(files / name, std::ios::binary) << text;
    return static_cast<bool>(out);
}

std::optional<Tape> Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int version = 0;
    Tape tape;
    tape.name = fs::path(path).stem().string();
    in >> std::hex >> magic >> version >> tape.calendarSeconds >> tape.generated;
    if (magic != "quillomar-tape" || version != 1) return std::nullopt;
    for (std::string tag; in >> tag;) {
        if (tag == "F") {
            Frame frame;
            in >> frame.tick >> frame.start >> frame.callCount;
            frame.firstCall = static_cast<std::uint32_t>(tape.calls.size());
            tape.frames.push_back(frame);
        } else if (tag == "C") {
            Call call;
            in >> call.hash >> call.argCount;
            if (call.argCount > kMaxArgs) return std::nullopt;
            for (std::uint32_t i = 0; i < call.argCount; ++i) in >> call.args[i];
            in >> call.pointerArgs;
            for (std::uint64_t& result : call.results) in >> result;
            in >> call.writeCount;
            call.firstWrite = static_cast<std::uint32_t>(tape.writes.size());
            for (std::uint32_t w = 0; w < call.writeCount; ++w) {
                Write write;
                unsigned arg = 0;
                in >> arg >> write.offset >> write.count;
                write.arg = static_cast<std::uint8_t>(arg);
                write.first = static_cast<std::uint32_t>(tape.slots.size());
                tape.slots.resize(tape.slots.size() + write.count);
                for (std::uint32_t s = 0; s < write.count; ++s) in >> tape.slots[write.first + s];
                tape.writes.push_back(write);
            }
            tape.calls.push_back(call);
        } else {
            return std::nullopt;
        }
    }
    std::uint32_t listed = 0;
    for (const Frame& frame : tape.frames) listed += frame.callCount;
    if (in.bad() || listed != tape.calls.size()) return std::nullopt;
    fs::path ini = fs::path(path).replace_extension(".ini");
    if (fs::exists(ini)) tape.ini = ReadText(ini);
    std::error_code none;
    for (const fs::directory_entry& file : fs::directory_iterator(fs::path(path).replace_extension(".files"), none)) {
        tape.files.emplace_back(file.path().filename().string(), ReadText(file.path()));
    }
    std::sort(tape.files.begin(), tape.files.end());
    return tape;
}

std::optional<std::vector<Tape>> LoadAll(const std::string& dir) {
    std::error_code error;
    std::vector<fs::path> paths;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir, error)) {
        if (entry.path().extension() == ".tape") paths.push_back(entry.path());
    }
    if (error) return std::nullopt;
    std::sort(paths.begin(), paths.end());
    std::vector<Tape> tapes;
    for (const fs::path& path : paths) {
        std::optional<Tape> tape = Load(path.string());
        if (!tape) return std::nullopt;
        tapes.push_back(std::move(*tape));
    }
    return tapes;
}

}  // namespace tape
