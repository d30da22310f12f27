// What one countdown second costs the core: its time under Google Benchmark, its heap
// allocations through a counting operator new, and a plain driver for callgrind to count
// instructions (core_bench --drive N runs N seconds and nothing else).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "core/settings.h"
#include "core/status_display.h"
#include "core/stopwatch.h"
#include "core/unit_cycle.h"

namespace {

// Every allocation of the program passes through the operator new below.
std::atomic<std::uint64_t> g_nAllocations{0};

std::uint64_t Allocations()
{
    return g_nAllocations.load(std::memory_order_relaxed);
}

// What the strip keeps for the countdown and the stopwatch beside it.
struct StripState {
    UnitCycle m_cycle;
    Stopwatch m_stopwatch;

    StripState()
    {
        m_cycle.Reset(TimerSettings{});
        m_stopwatch.Reset();
    }
};

// The progress bar's part of a display update: the text and the colour it is given.
void ShowCycle(const UnitCycle& cycle)
{
    StatusString text = StatusText(cycle);
    std::uint32_t crBar = BarColour(cycle);
    benchmark::DoNotOptimize(text);
    benchmark::DoNotOptimize(crBar);
}

// One second as the strip spends it: the countdown tick with its display update (a phase
// change updates the display once more on its own), and the stopwatch's tick and text.
void CountdownSecond(StripState& state)
{
    UnitCycle& cycle = state.m_cycle;
    if (cycle.CountDown()) {
        cycle.Advance();
        ShowCycle(cycle);
    }
    cycle.CountElapsed();
    ShowCycle(cycle);
    state.m_stopwatch.Tick();
    TimeString time = state.m_stopwatch.TimeText();
    benchmark::DoNotOptimize(time);
    benchmark::ClobberMemory();
}

void BM_CountdownSecond(benchmark::State& bench)
{
    StripState state;
    const std::uint64_t nBefore = Allocations();
    for (auto _ : bench)
        CountdownSecond(state);
    const auto nAllocations = static_cast<double>(Allocations() - nBefore);
    bench.counters["allocs_per_second"] = benchmark::Counter(nAllocations, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CountdownSecond);

// Runs the seconds alone, so that a tool counting the whole process sees little else.
int Drive(long nSeconds)
{
    // The counter must see an allocation, or its zero below would prove nothing.
    const std::uint64_t nProbe = Allocations();
    void* volatile probe = ::operator new(16);
    ::operator delete(probe);
    if (Allocations() != nProbe + 1) {
        std::fprintf(stderr, "core_bench: the allocation counter sees nothing\n");
        return 1;
    }
    StripState state;
    const std::uint64_t nBefore = Allocations();
    for (long i = 0; i < nSeconds; ++i)
        CountdownSecond(state);
    std::printf("seconds %ld\nallocations %llu\nunit %d\n", nSeconds,
                static_cast<unsigned long long>(Allocations() - nBefore), state.m_cycle.m_nUnit);
    return 0;
}

}  // namespace

// Kept out of line: inlined, the compiler would pair a new-expression with free() and warn.
[[gnu::noinline]] void* operator new(std::size_t nSize)
{
    g_nAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(nSize ? nSize : 1))
        return p;
    throw std::bad_alloc();
}

[[gnu::noinline]] void* operator new(std::size_t nSize, const std::nothrow_t&) noexcept
{
    g_nAllocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(nSize ? nSize : 1);
}

[[gnu::noinline]] void operator delete(void* p) noexcept
{
    std::free(p);
}

[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--drive") == 0)
        return Drive(std::atol(argv[2]));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
