#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/catalogue/catalogue.h"
#include "core/io/file_io.h"
#include "core/performance/catalogue_pair.h"
#include "core/performance/record_numbers.h"
#include "core/refrigerant/refrigerant_registry.h"
#include "core/refrigerant/table_loader.h"
#include "core/text/message_sink.h"
#include "support/temp_folder.h"

namespace kelvo::test
{

// The refrigerant side of a PairBench: the loaded property table and the latest result.
struct PairRefrigerant {
    RefrigerantTable table;
    std::string tableFileName; // empty when no table is loaded
    std::string tableNote;
    PerformanceResult result;
    bool calculationEnabled = true;
};

// What the calculation's tests evaluate pairs in: a catalogue with its converted numbers, the
// refrigerant in use (a registry name, or kAllRefrigerants) with its table, and the latest
// result, which each evaluation starts from and replaces.
struct PairBench {
    std::filesystem::path programDir;
    Catalogue catalogue;
    RecordNumbers recordNumbers;
    std::string currentRefrigerant;
    PairRefrigerant refrigerant;
};

inline std::string refrigerantTableFileName(std::string_view refrigerant)
{
    return std::string(refrigerant) + ".txt";
}

// readPropertyTable into `data`; a table that cannot be read leaves no table and no file name
// (and throws, as the reading does).
inline void loadRefrigerantTable(PairRefrigerant& data, const std::filesystem::path& folder,
                                 const std::string& fileName, const ProgressReport& progress = {})
{
    data.table = RefrigerantTable();
    data.tableFileName.clear();
    data.tableNote.clear();
    PropertyTable loaded = readPropertyTable(folder, fileName, progress);
    data.table = std::move(loaded.table);
    data.tableFileName = std::move(loaded.fileName);
    data.tableNote = std::move(loaded.note);
}

// evaluatePair of the bench's catalogue pair, as a session runs it: nothing while the
// calculation is disabled; the texts read kept with decimal commas.
inline EvaluationOutcome evaluateWithState(PairBench& bench, const PairInputs& inputs,
                                           MessageSink& sink,
                                           SearchChecks checks = SearchChecks::WhenNeeded)
{
    if (!bench.refrigerant.calculationEnabled)
        return {};
    const std::string tableFile = refrigerantTableFileName(bench.currentRefrigerant);
    const RefrigerantInUse refrigerant{
        bench.currentRefrigerant, sampleRefrigerants().correlationsOf(bench.currentRefrigerant),
        &bench.refrigerant.table, tableFile};
    const PairEvaluation evaluation =
        evaluateCataloguePair(bench.catalogue, bench.recordNumbers, refrigerant, inputs,
                              bench.refrigerant.result, sink, checks);
    evaluation.textsRead.writeWithCommas(bench.catalogue);
    bench.refrigerant.result = evaluation.result;
    return evaluation.outcome;
}

} // namespace kelvo::test
