// FixChecksum beside plain summing loops over the same 16 MiB buffer.

#include "BenchData.h"

#include "model/Checksum.h"
#include "model/ModuleImage.h"

#include <benchmark/benchmark.h>

using namespace pst;

namespace {

// A host pump that does what a window's would cost at least: a call.
struct NoopPump : MessagePump {
    int calls = 0;
    void pumpMessages() override { benchmark::DoNotOptimize(++calls); }
};

void BM_FixChecksumRoyl16M(benchmark::State& state)
{
    ModuleImage image(bench::image16M(true));
    NoopPump pump;
    for (auto _ : state)
        FixChecksum(image, &pump);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(image.size()));
}

void BM_SumU32Baseline16M(benchmark::State& state)
{
    const Bytes b = bench::image16M(true);
    for (auto _ : state) {
        std::uint32_t sum = 0;
        for (std::size_t i = 0; i + 4 <= b.size(); i += 4)
            sum += getU32(b, i);
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(b.size()));
}

void BM_FixChecksumLegacy16M(benchmark::State& state)
{
    ModuleImage image(bench::image16M(false));
    NoopPump pump;
    for (auto _ : state)
        FixChecksum(image, &pump);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(image.size()));
}

void BM_SumU8Baseline16M(benchmark::State& state)
{
    const Bytes b = bench::image16M(false);
    for (auto _ : state) {
        std::uint8_t sum = 0;
        for (Byte v : b)
            sum = static_cast<std::uint8_t>(sum + v);
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(b.size()));
}

} // namespace

BENCHMARK(BM_FixChecksumRoyl16M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SumU32Baseline16M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FixChecksumLegacy16M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SumU8Baseline16M)->Unit(benchmark::kMillisecond);
