#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/app/language_table.h"
#include "core/editor/editor_inputs.h"
#include "core/performance/balance_point.h"
#include "core/spreadsheet/workbook_writer.h"

namespace kelvo
{

class Workspace;
struct Catalogue;
class MessageSink;

// The evaporating temperatures the capacity report starts from: the compressor's envelope 1
// widened to whole 5 K steps below 100 C ("," decimals).
struct PairReportDefaults {
    std::string min;
    std::string max;

    friend bool operator==(const PairReportDefaults&, const PairReportDefaults&) = default;
};
PairReportDefaults pairReportDefaults(const Catalogue& catalogue, int compressor);

// The report window's entries as typed, converted when the report is made.
struct PairReportInputs {
    std::string ambient1 = "27"; // air temperatures of the three blocks, C
    std::string ambient2 = "32";
    std::string ambient3 = "38";
    std::string min; // lowest evaporating temperature, C
    std::string max; // highest evaporating temperature, C (the first column)
    std::string step = "5";
    std::string suction = "20";   // suction gas temperature, C
    std::string subcooling = "0"; // K
    std::string compressorCount = "1";
    std::string condenserCount = "1";
    double heatFactor = kDefaultCondenserHeatFactor;
    std::string date; // as the caller shows dates and times
    std::string time;
    int language = kPolish; // of the refusals the report's error gives
};

// The report's cells in writing order and its column widths. When error is set the report
// stopped there; the cells made until then are kept (none when the step was refused).
struct PairReport {
    std::vector<SpreadsheetCell> cells;
    std::map<int, double> widths;
    std::optional<std::string> error;
    std::vector<std::string> messages; // of every evaluation, in order
};

// The refrigerant of the report (its table loaded in the workspace) and the evaluation the
// report's first one starts from.
struct ReportRefrigerant {
    std::string name;
    PerformanceResult previous;
};

// Capacity of a compressor-condenser pair from Max down to Min by step at three air
// temperatures. Evaluation messages go to the sink and into the report.
PairReport buildPairReport(Workspace& workspace, const ReportRefrigerant& refrigerant,
                           int compressor, int condenser, const PairReportInputs& inputs,
                           MessageSink& sink);

} // namespace kelvo
