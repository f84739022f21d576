// quillomar_bench: what the plug-in itself costs a frame, measured against native tapes (see
// quillomar_tape), with no simulated game in the way.
//   quillomar_bench --tapes DIR [--runs N] [--json OUT] [benchmark options]
//       times every world's frames and the tape host's bare answers to the same calls, and
//       start-up with and without a settings file; prints one table of medians of N runs
//   quillomar_bench --tapes DIR --check BUDGET
//       counts only: fails when a steady frame allocates or a world exceeds its call budget

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "budget.h"
#include "host/native_hashes.h"
#include "host/query_memory.h"
#include "plugin_driver.h"
#include "replay.h"
#include "tape.h"
#include "tape_host.h"

namespace {

namespace fs = std::filesystem;

// The thread's own processor time, so that other programs on a busy machine do not count.
struct Clock {
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<Clock, duration>;
    static time_point now() {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return time_point(std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec));
    }
};

double Seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

// About this many frames a run, whatever the tape's length, so that short tapes are timed as
// closely as long ones and no run takes long.
constexpr std::size_t kFramesPerRun = 5000;

std::int64_t IterationsFor(const tape::Tape& tape) {
    return static_cast<std::int64_t>(
        std::max<std::size_t>(1, kFramesPerRun / std::max<std::size_t>(1, tape.frames.size())));
}

// What reading the clock adds to a timed stretch: the least of many back-to-back readings.
Clock::duration ClockCost() {
    static const Clock::duration cost = [] {
        Clock::duration least = Clock::duration::max();
        for (int i = 0; i < 200; ++i) {
            const Clock::time_point first = Clock::now();
            least = std::min(least, Clock::now() - first);
        }
        return least;
    }();
    return cost;
}

// Plays one frame of the tape: the plug-in's (after a start-up when the frame begins one), or the
// tape host's bare answers to the same calls.
void PlayFrame(const tape::Frame& frame, bool hostOnly) {
    if (hostOnly) return tape_host::CallFrameBare(frame);
    replay::BeginFrame(frame);
    if (frame.start) replay::StartUp();
    replay::RunFrame(frame);
}

// Frames that follow no start-up: the frames timed.
std::size_t SteadyFrames(const tape::Tape& tape) {
    return static_cast<std::size_t>(
        std::count_if(tape.frames.begin(), tape.frames.end(), [](const tape::Frame& frame) { return !frame.start; }));
}

// Each iteration replays the whole tape and times the frames that follow no start-up: a start-up
// and the cold frame after it run untimed (the first before the clock starts, a later one timed
// apart and taken off). The settings file is as the world began at the first pass; later passes
// find the file the first start left, which holds the same settings.
void TimeFrames(benchmark::State& state, const tape::Tape* tape, bool hostOnly) {
    replay::Rewind(*tape);
    for (auto _ : state) {
        tape_host::Play(*tape);
        Clock::duration excluded = ClockCost();
        PlayFrame(tape->frames.front(), hostOnly);
        const Clock::time_point begin = Clock::now();
        for (std::size_t i = 1; i < tape->frames.size(); ++i) {
            const tape::Frame& frame = tape->frames[i];
            if (!frame.start) {
                PlayFrame(frame, hostOnly);
                continue;
            }
            const Clock::time_point startBegin = Clock::now();
            PlayFrame(frame, hostOnly);
            excluded += Clock::now() - startBegin + 2 * ClockCost();
        }
        state.SetIterationTime(Seconds(Clock::now() - begin - excluded));
    }
}

void TimeStartUp(benchmark::State& state, const tape::Tape* tape, bool withFile) {
    for (auto _ : state) {
        replay::Rewind(*tape);
        if (withFile && !tape->ini) replay::StartUp();  // the first start writes the default file
        replay::BeginFrame(tape->frames.front());
        const Clock::time_point begin = Clock::now();
        replay::StartUp();
        state.SetIterationTime(Seconds(Clock::now() - begin - ClockCost()));
    }
}

// The memory of a frame's answers on its own: finding a remembered answer, and missing one, among
// 200 remembered.
void TimeRecall(benchmark::State& state, bool found) {
    constexpr std::uint64_t kRemembered = 200;
    quillomar::invoker::FrameMemory frame;
    std::uint64_t args[3] = {0, 1, 0};
    const std::uint64_t answer[3] = {1, 2, 3};
    for (args[0] = 0; args[0] < kRemembered; ++args[0])
        quillomar::invoker::Remember(quillomar::native::GET_ENTITY_COORDS, args, 3, answer);
    std::uint64_t next = 0;
    for (auto _ : state) {
        args[0] = (found ? 0 : kRemembered) + next++ % kRemembered;
        const std::uint64_t* slots = nullptr;
        benchmark::DoNotOptimize(quillomar::invoker::Recall(quillomar::native::GET_ENTITY_COORDS, args, 3, slots));
        benchmark::DoNotOptimize(slots);
    }
}

// Keeps every run's time per iteration, so the medians of repeated runs can be told.
class Collector : public benchmark::BenchmarkReporter {
  public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0) continue;
            seconds[run.run_name.function_name].push_back(run.real_accumulated_time /
                                                          static_cast<double>(run.iterations));
        }
    }
    double MedianNs(const std::string& name) const {
        auto found = seconds.find(name);
        if (found == seconds.end()) return 0.0;
        std::vector<double> values = found->second;
        std::sort(values.begin(), values.end());
        std::size_t n = values.size();
        double median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
        return median * 1e9;
    }

  private:
    std::map<std::string, std::vector<double>> seconds;
};

struct Row {
    std::string name;
    replay::Counts counts;
    double frameNs = 0.0;
    double hostNs = 0.0;
};

void PrintTable(const std::vector<Row>& rows, double startWithFileUs, double startWithoutFileUs, int runs) {
    std::printf("%-28s %6s %9s %5s %7s %12s %10s %11s\n", "world", "frames", "calls/fr", "max", "allocs", "frame ns",
                "host ns", "plug-in ns");
    for (const Row& row : rows) {
        std::printf("%-28s %6zu %9.1f %5zu %7zu %12.0f %10.0f %11.0f\n", row.name.c_str(), row.counts.frames,
                    row.counts.MeanCalls(), row.counts.maxCalls, row.counts.maxSteadyAllocations, row.frameNs,
                    row.hostNs, row.frameNs - row.hostNs);
    }
    std::printf("start-up: %.1f us with a settings file, %.1f us without (writing the default one)\n", startWithFileUs,
                startWithoutFileUs);
    std::printf(
        "medians of %d run(s), in the thread's processor time, of the frames that follow no start-up; frame\n"
        "ns: the plug-in and the tape host together; host ns: the tape host answering the same calls alone;\n"
        "allocs: the most in one steady frame. Tapes of a few frames are dominated by the clock's own cost.\n",
        runs);
}

bool WriteJson(const std::string& path, const std::vector<Row>& rows, double startWithFileUs,
               double startWithoutFileUs) {
    std::FILE* out = std::fopen(path.c_str(), "w");
    if (out == nullptr) return false;
    std::fprintf(out, "{\n  \"worlds\": {\n");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        std::fprintf(out,
                     "    \"%s\": {\"frames\": %zu, \"callsMean\": %.3f, \"callsMax\": %zu, "
                     "\"steadyAllocationsMax\": %zu, \"frameNs\": %.1f, \"hostNs\": %.1f, \"pluginNs\": %.1f}%s\n",
                     row.name.c_str(), row.counts.frames, row.counts.MeanCalls(), row.counts.maxCalls,
                     row.counts.maxSteadyAllocations, row.frameNs, row.hostNs, row.frameNs - row.hostNs,
                     i + 1 < rows.size() ? "," : "");
    }
    std::fprintf(out, "  },\n  \"startUpUs\": {\"withSettingsFile\": %.2f, \"withoutSettingsFile\": %.2f}\n}\n",
                 startWithFileUs, startWithoutFileUs);
    return std::fclose(out) == 0;
}

struct Options {
    std::string tapes;
    std::string json;
    std::string budget;
    int runs = 3;
    std::vector<char*> benchmarkArgs;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    options.benchmarkArgs.push_back(argv[0]);
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--tapes" && hasValue) {
            options.tapes = fs::absolute(argv[++i]).string();
        } else if (arg == "--json" && hasValue) {
            options.json = fs::absolute(argv[++i]).string();  // replays change the folder
        } else if (arg == "--check" && hasValue) {
            options.budget = fs::absolute(argv[++i]).string();
        } else if (arg == "--runs" && hasValue) {
            options.runs = std::max(1, std::atoi(argv[++i]));
        } else if (arg.starts_with("--benchmark_")) {
            options.benchmarkArgs.push_back(argv[i]);
        } else {
            return false;
        }
    }
    return !options.tapes.empty();
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: quillomar_bench --tapes DIR [--runs N] [--json OUT] [--benchmark_...]\n"
                     "       quillomar_bench --tapes DIR --check BUDGET\n");
        return 2;
    }
    std::optional<std::vector<tape::Tape>> tapes = tape::LoadAll(options.tapes);
    if (!tapes || tapes->empty()) {
        std::fprintf(stderr, "quillomar_bench: no readable tapes in %s\n", options.tapes.c_str());
        return 2;
    }
    replay::EnterReplayFolder();
    std::vector<Row> rows;
    for (const tape::Tape& tape : *tapes) rows.push_back({tape.name, replay::Count(tape)});

    if (!options.budget.empty()) {
        std::vector<budget::WorldCounts> counted;
        for (std::size_t i = 0; i < rows.size(); ++i)
            counted.push_back({rows[i].name, (*tapes)[i].generated, rows[i].counts});
        const bool withinBudget = budget::Check(options.budget, counted);
        replay::LeaveReplayFolder();
        return withinBudget ? 0 : 1;
    }

    std::string repetitions = "--benchmark_repetitions=" + std::to_string(options.runs);
    options.benchmarkArgs.push_back(repetitions.data());
    int benchmarkArgc = static_cast<int>(options.benchmarkArgs.size());
    benchmark::Initialize(&benchmarkArgc, options.benchmarkArgs.data());
    for (const tape::Tape& tape : *tapes) {
        for (bool hostOnly : {false, true}) {
            benchmark::RegisterBenchmark((tape.name + (hostOnly ? "/host" : "/frame")).c_str(), TimeFrames, &tape,
                                         hostOnly)
                ->UseManualTime()
                ->Iterations(IterationsFor(tape));
        }
    }
    const tape::Tape* idle = &tapes->front();
    for (const tape::Tape& tape : *tapes) {
        if (tape.name == "idle") idle = &tape;
    }
    for (bool withFile : {true, false}) {
        benchmark::RegisterBenchmark(withFile ? "start-up/with-file" : "start-up/without-file", TimeStartUp, idle,
                                     withFile)
            ->UseManualTime()
            ->Iterations(200);
    }
    for (bool found : {true, false})
        benchmark::RegisterBenchmark(found ? "query-memory/found" : "query-memory/missed", TimeRecall, found);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    replay::LeaveReplayFolder();

    for (Row& row : rows) {
        const double frames = static_cast<double>(std::max<std::size_t>(1, SteadyFrames((*tapes)[&row - rows.data()])));
        row.frameNs = collector.MedianNs(row.name + "/frame") / frames;
        row.hostNs = collector.MedianNs(row.name + "/host") / frames;
    }
    double withFile = collector.MedianNs("start-up/with-file") / 1000.0;
    double withoutFile = collector.MedianNs("start-up/without-file") / 1000.0;
    PrintTable(rows, withFile, withoutFile, options.runs);
    std::printf("a frame's memory of answers: %.1f ns to find a remembered answer, %.1f ns to miss one\n",
                collector.MedianNs("query-memory/found"), collector.MedianNs("query-memory/missed"));
    if (!options.json.empty() && !WriteJson(options.json, rows, withFile, withoutFile)) {
        std::fprintf(stderr, "quillomar_bench: cannot write %s\n", options.json.c_str());
        return 1;
    }
    return 0;
}
