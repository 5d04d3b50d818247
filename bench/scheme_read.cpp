// Reading the largest scheme file there may be: 64 MiB of cell entries, the cells laid
// and laid again over each other (blocks, line pieces, arrows), then the terminator.
//
//   read/bytes   readSchemeBytes on the file's bytes: cells laid, elements made, records
//                read; reported with the bytes per second
//
// Full run: ./build/bench/scheme_read (64 MiB, should stay under 2 s). Short mode for
// CI: --short or VELMAR_BENCH_SHORT=1 (1 MiB).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "core/model/scheme.h"
#include "core/model/scheme_file.h"
#include "short_mode.h"

using namespace velmar;

namespace {

bool shortMode = false;

// Entries (column, row, code) sweeping the grid with a block, a line piece and an arrow
// in turn, so that most entries land on cells taken by an earlier one.
std::vector<std::uint8_t> schemeBytes(std::size_t size) {
    static constexpr std::uint8_t kCodes[] = {22, 5, 1, 26, 6, 17};
    std::vector<std::uint8_t> bytes;
    bytes.reserve(size);
    for (std::size_t k = 0; bytes.size() + 4 <= size; ++k) {
        bytes.push_back(static_cast<std::uint8_t>(1 + k % 89));
        bytes.push_back(static_cast<std::uint8_t>(1 + (k / 89) % 89));
        bytes.push_back(kCodes[k % std::size(kCodes)]);
    }
    bytes.push_back(0);
    return bytes;
}

void ReadBytes(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes =
        schemeBytes(shortMode ? std::size_t{1} << 20 : std::size_t{64} << 20);
    for (auto _ : state) {
        Scheme scheme;
        readSchemeBytes(scheme, bytes);  // no records: every element keeps its defaults
        benchmark::DoNotOptimize(scheme.ElementCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes.size()) * state.iterations());
}
BENCHMARK(ReadBytes)->Name("read/bytes")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return velmar::bench::RunBenchmarks(argc, argv, shortMode); }
