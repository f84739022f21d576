// quillomar_bench: what the plug-in itself costs a frame, measured against native tapes (see
// quillomar_tape), with no simulated game in the way.
//   quillomar_bench --tapes DIR [--runs N] [--json OUT] [benchmark options]
//       times every world's frames and the tape host's bare answers to the same calls, and
//       start-up with and without a settings file; prints one table of medians of N runs
//   quillomar_bench --tapes DIR --check BUDGET
//       counts only: fails when a steady frame allocates or a world exceeds its call budget

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "budget.h"
#include "plugin_driver.h"
#include "replay.h"
#include "tape.h"
#include "tape_host.h"

namespace {

namespace fs = std::filesystem;

// Each iteration is one frame of the tape, in order; start-ups and the rewind at the tape's end
// are left out of the time.
void TimeFrames(benchmark::State& state, const tape::Tape* tape, bool hostOnly) {
    replay::Rewind(*tape);
    std::size_t next = 0;
    for (auto _ : state) {
        const tape::Frame& frame = tape->frames[next];
        if (hostOnly) {
            tape_host::CallFrameBare(frame);
        } else {
            replay::BeginFrame(frame);
            if (frame.start) {
                state.PauseTiming();
                replay::StartUp();
                state.ResumeTiming();
            }
            replay::RunFrame(frame);
        }
        if (++next == tape->frames.size()) {
            state.PauseTiming();
            replay::Rewind(*tape);
            next = 0;
            state.ResumeTiming();
        }
    }
}

void TimeStartUp(benchmark::State& state, const tape::Tape* tape, bool withFile) {
    for (auto _ : state) {
        state.PauseTiming();
        replay::Rewind(*tape);
        if (withFile && !tape->ini) replay::StartUp();  // the first start writes the default file
        replay::BeginFrame(tape->frames.front());
        state.ResumeTiming();
        replay::StartUp();
    }
}

// Keeps every run's time per iteration, so the medians of repeated runs can be told.
class Collector : public benchmark::BenchmarkReporter {
  public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0) continue;
            seconds[run.benchmark_name()].push_back(run.cpu_accumulated_time / static_cast<double>(run.iterations));
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
        "medians of %d run(s); frame ns: the plug-in and the tape host together; host ns: the tape host\n"
        "answering the same calls alone; allocs: the most in one steady frame\n",
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
            options.tapes = argv[++i];
        } else if (arg == "--json" && hasValue) {
            options.json = argv[++i];
        } else if (arg == "--check" && hasValue) {
            options.budget = argv[++i];
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
        return budget::Check(options.budget, counted) ? 0 : 1;
    }

    std::string repetitions = "--benchmark_repetitions=" + std::to_string(options.runs);
    options.benchmarkArgs.push_back(repetitions.data());
    int benchmarkArgc = static_cast<int>(options.benchmarkArgs.size());
    benchmark::Initialize(&benchmarkArgc, options.benchmarkArgs.data());
    for (const tape::Tape& tape : *tapes) {
        benchmark::RegisterBenchmark((tape.name + "/frame").c_str(), TimeFrames, &tape, false);
        benchmark::RegisterBenchmark((tape.name + "/host").c_str(), TimeFrames, &tape, true);
    }
    const tape::Tape* idle = &tapes->front();
    for (const tape::Tape& tape : *tapes) {
        if (tape.name == "idle") idle = &tape;
    }
    benchmark::RegisterBenchmark("start-up/with-file", TimeStartUp, idle, true)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("start-up/without-file", TimeStartUp, idle, false)->Unit(benchmark::kMicrosecond);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);

    for (Row& row : rows) {
        row.frameNs = collector.MedianNs(row.name + "/frame");
        row.hostNs = collector.MedianNs(row.name + "/host");
    }
    double withFile = collector.MedianNs("start-up/with-file") / 1000.0;
    double withoutFile = collector.MedianNs("start-up/without-file") / 1000.0;
    PrintTable(rows, withFile, withoutFile, options.runs);
    if (!options.json.empty() && !WriteJson(options.json, rows, withFile, withoutFile)) {
        std::fprintf(stderr, "quillomar_bench: cannot write %s\n", options.json.c_str());
        return 1;
    }
    return 0;
}
