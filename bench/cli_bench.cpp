#include "calc/value_tables.h"
#include "cli/output.h"
#include "cli/row_writers.h"
#include "cli/table.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

// kolvex-calc's full tables written to /dev/null, as `kolvex-calc ... --speed all --duration all`
// does: every model, system, quality, resolution and speed, with every duration (capacity,
// 1 258 740 rows) or every disk size (time, 809 190 rows).
namespace {

cli::Query fullTable(cli::Mode mode) {
    cli::Query q;
    q.models = {1, 2, 3};
    q.systems = {0, 1};
    q.qualities = {0, 1, 2, 3, 4};
    q.resolutions = {{0, {}}, {1, {}}, {2, {}}};
    for (int e = 0; e < static_cast<int>(calc::kSpeedEntryCount); ++e) {
        q.speeds.push_back(e);
    }
    q.mode = mode;
    const auto periods = mode == cli::Mode::Capacity ? calc::kRecordHours.size() : calc::kHddSizes.size();
    for (int e = 0; e < static_cast<int>(periods); ++e) {
        q.periods.push_back(e);
    }
    return q;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Arguments: the format (0 text, 1 csv, 2 json) and the mode (0 capacity, 1 time).
void BM_FullTable(benchmark::State& state) {
    const auto format = static_cast<cli::Format>(state.range(0));
    const cli::Query q = fullTable(state.range(1) == 0 ? cli::Mode::Capacity : cli::Mode::Time);
    const std::unique_ptr<std::FILE, FileCloser> sink(std::fopen("/dev/null", "wb"));
    std::uint64_t rows = 0;
    for (auto _ : state) {
        cli::Output out(sink.get(), "\n");
        cli::Output err(sink.get(), "\n");
        if (format == cli::Format::Text) {
            cli::TextReports reports(out, err, {0}, ".");
            cli::walkTable(q, reports);
        } else {
            cli::DataRows data(out, q.mode, format);
            cli::walkTable(q, data);
        }
        rows += cli::countCombinations(q);
    }
    state.counters["rows"] = static_cast<double>(cli::countCombinations(q));
    state.counters["ns/row"] =
        benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FullTable)
    ->ArgNames({"format", "time_mode"})
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

} // namespace
