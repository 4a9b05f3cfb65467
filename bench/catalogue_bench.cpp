#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <unistd.h>

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

// Every table filled to its capacity with the sample's records in turn.
template <class Table> void fill(Table& table)
{
    const int sample = table.count();
    for (int i = sample + 1; i <= Table::capacity; ++i)
        table.at(i) = table[(i - 1) % sample + 1];
    table.setCount(Table::capacity);
}

// A load of the four files with full tables: 800 compressors, condensers and units and 100
// frames, written by the program's own save into a scratch folder.
void loadFullCatalogue(benchmark::State& state)
{
    auto catalogue = std::make_unique<kelvo::Catalogue>();
    kelvo::loadCatalogue(*catalogue, KELVO_SOURCE_DATA_DIR);
    fill(catalogue->compressors);
    fill(catalogue->condensers);
    fill(catalogue->units);
    fill(catalogue->frames);
    const auto folder =
        std::filesystem::temp_directory_path() / ("kelvo-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    kelvo::saveCatalogue(*catalogue, folder);
    double bytes = 0;
    for (const auto& file : std::filesystem::directory_iterator(folder))
        if (file.path().extension() != ".bak")
            bytes += static_cast<double>(file.file_size());
    auto loaded = std::make_unique<kelvo::Catalogue>();
    for (auto _ : state) {
        kelvo::loadCatalogue(*loaded, folder);
        benchmark::DoNotOptimize(loaded->units.count());
    }
    std::filesystem::remove_all(folder);
    state.counters["records loaded"] = loaded->compressors.count() + loaded->condensers.count() +
                                       loaded->units.count() + loaded->frames.count();
    state.counters["bytes read"] = bytes;
}
BENCHMARK(loadFullCatalogue)->Unit(benchmark::kMillisecond);

} // namespace
