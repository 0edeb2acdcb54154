// Cost of reading the largest data file a run takes: 10000 rows of x and y
// as a spreadsheet exports them (a header, commas, full-precision numbers),
// and the same numbers as one column, each checked and, for two columns, x
// tested for even spacing.

#include "engine/CSplineEngine.h"
#include "engine/DataFile.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

std::string WriteData(bool twoColumns)
{
    char path[] = "/tmp/spln-bench-data-XXXXXX";
    const int fd = mkstemp(path);
    if (fd >= 0)
        close(fd);
    std::ofstream file(path);
    if (twoColumns)
        file << "time,value\n";
    char row[96];
    for (int i = 0; i < spln::kMaxDataSamples; ++i) {
        const double x = 10.0 * i / (spln::kMaxDataSamples - 1);
        const double y = std::sin(3.0 * x) + 0.01 * x * x;
        if (twoColumns)
            std::snprintf(row, sizeof row, "%.17g,%.17g\n", x, y);
        else
            std::snprintf(row, sizeof row, "%.17g\n", y);
        file << row;
    }
    return path;
}

void BM_ReadDataFile(benchmark::State& state)
{
    const bool twoColumns = state.range(0) == 2;
    const std::string path = WriteData(twoColumns);
    auto engine = std::make_unique<CSplineEngine>();  // the reader's buffers, as a run uses them
    const spln::DataFileBuffers buffers{engine->m_wsFile, engine->m_wsFileX, engine->m_wsRowLine,
                                        engine->m_wsRowColumn};
    for (auto _ : state) {
        const spln::DataFileReading reading = spln::ReadDataFile(path.c_str(), buffers, false);
        if (reading.failure != spln::RunFailure::None || reading.samples != spln::kMaxDataSamples)
            state.SkipWithError("the data file was refused");
        benchmark::DoNotOptimize(engine->m_wsFile[spln::kMaxDataSamples - 1]);
    }
    unlink(path.c_str());
    state.SetLabel(twoColumns ? "10000 rows x,y CSV" : "10000 numbers, one column");
    state.SetItemsProcessed(state.iterations() * spln::kMaxDataSamples);
}

}  // namespace

BENCHMARK(BM_ReadDataFile)->Arg(2)->Arg(1)->Unit(benchmark::kMillisecond);
