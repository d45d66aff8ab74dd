#include "calc/calculation.h"
#include "calc/selection.h"
#include "calc/value_tables.h"
#include "lang/language_table.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

// Counts heap allocations so each benchmark can show how many one report costs.
namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

calc::RecordSettings typicalRecord(std::int16_t mode) {
    calc::RecordSettings s;
    lang::runLoadStep(s);
    calc::chooseModel(s, 1);
    calc::chooseMode(s, mode);
    calc::chooseVideoSystem(s, 0);
    calc::chooseQuality(s, 2);
    calc::chooseResolution(s, 0);
    calc::chooseSpeed(s, 9);
    calc::chooseDuration(s, 4);
    calc::chooseHddSize(s, 7);
    return s;
}

const calc::ListTexts kTexts{"NTSC", "HIGH", "60IPS@720*240", "1/10", "1 Day", "500G"};

void reportAllocations(benchmark::State& state, long before) {
    state.counters["allocs/report"] =
        benchmark::Counter(static_cast<double>(g_allocations.load() - before), benchmark::Counter::kAvgIterations);
}

// One report with the typical settings: argument 0 in capacity mode, 1 in time mode.
void BM_Report(benchmark::State& state) {
    calc::RecordSettings s = typicalRecord(static_cast<std::int16_t>(state.range(0)));
    const long before = g_allocations.load();
    for (auto _ : state) {
        auto outcome = calc::calculate(s, kTexts, ".");
        benchmark::DoNotOptimize(outcome);
    }
    reportAllocations(state, before);
}
BENCHMARK(BM_Report)->ArgName("time_mode")->Arg(0)->Arg(1);

// Every combination of list entries: 89 910 settings, each with 14 durations and 9 disk sizes.
void BM_Sweep(benchmark::State& state) {
    calc::RecordSettings base;
    lang::runLoadStep(base);
    std::vector<std::string> speeds;
    for (std::size_t k = 0; k < calc::kSpeedEntryCount; ++k) {
        speeds.push_back(calc::speedEntryText(k));
    }
    std::int64_t reports = 0;
    for (auto _ : state) {
        for (std::int16_t model = 1; model <= 3; ++model) {
            for (int system = 0; system < 2; ++system) {
                for (int quality = 0; quality < 5; ++quality) {
                    for (int resolution = 0; resolution < 3; ++resolution) {
                        for (int speed = 0; speed < static_cast<int>(calc::kSpeedEntryCount); ++speed) {
                            calc::RecordSettings& s = base;
                            calc::chooseModel(s, model);
                            calc::chooseVideoSystem(s, system);
                            calc::chooseQuality(s, quality);
                            calc::chooseResolution(s, resolution);
                            calc::chooseSpeed(s, speed);
                            calc::ListTexts texts{
                                "NTSC", "HIGH", "60IPS@720*240", speeds[static_cast<std::size_t>(speed)], {}, {}};
                            calc::chooseMode(s, 0);
                            for (int d = 0; d < 14; ++d) {
                                calc::chooseDuration(s, d);
                                texts.duration = calc::kRecordHours[static_cast<std::size_t>(d)].text;
                                benchmark::DoNotOptimize(calc::calculate(s, texts, "."));
                            }
                            calc::chooseMode(s, 1);
                            for (int h = 0; h < 9; ++h) {
                                calc::chooseHddSize(s, h);
                                texts.hddSize = calc::kHddSizes[static_cast<std::size_t>(h)].text;
                                benchmark::DoNotOptimize(calc::calculate(s, texts, "."));
                            }
                            reports += 23;
                        }
                    }
                }
            }
        }
    }
    state.counters["ns/report"] =
        benchmark::Counter(static_cast<double>(reports), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Sweep)->Unit(benchmark::kMillisecond);

} // namespace
