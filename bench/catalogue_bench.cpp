#include <benchmark/benchmark.h>
#include <memory>

#include "core/catalogue/catalogue_files.h"

namespace
{

void loadSampleCatalogue(benchmark::State& state)
{
    auto catalogue = std::make_unique<kelvo::Catalogue>();
    for (auto _ : state) {
        kelvo::loadCatalogue(*catalogue, KELVO_SOURCE_DATA_DIR);
        benchmark::DoNotOptimize(catalogue->units.count());
    }
}
BENCHMARK(loadSampleCatalogue)->Unit(benchmark::kMillisecond);

} // namespace
