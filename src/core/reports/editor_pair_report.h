#pragma once

#include <optional>
#include <string>

#include "core/reports/pair_report.h"

namespace kelvo
{

class EditorSession;
struct Catalogue;

// The compressor and condenser of the editor's current rows, which the capacity report is made
// of; nullopt when either grid has no current row (then the report command does nothing).
struct ReportPair {
    int compressor = 0;
    int condenser = 0;
};
std::optional<ReportPair> currentReportPair(const EditorSession& session);

// The report's entries as the window opens: the defaults, the evaporating range from the
// compressor's envelope 1, and the editor's two count boxes and heat factor.
PairReportInputs editorReportInputs(const EditorSession& session, const ReportPair& pair);

// "Raport <compressor> - <condenser>.xlsx": the two models (UTF-8, outer spaces dropped) with
// the characters a file name cannot hold ("/", "\", ":", "*", "?", quotes, "<", ">", "|",
// control characters) replaced by "-".
std::string pairReportFileName(const Catalogue& catalogue, const ReportPair& pair);

} // namespace kelvo
