#include "core/reports/editor_pair_report.h"

#include <string_view>

#include "core/editor/editor_session.h"
#include "core/text/code_page.h"

namespace kelvo
{
namespace
{

std::string fileNamePart(std::string_view catalogueText)
{
    std::string text = toUtf8(withoutOuterBlanks(catalogueText));
    if (text.empty())
        return "?";
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            c = '-';
    return text;
}

} // namespace

std::optional<ReportPair> currentReportPair(const EditorSession& session)
{
    const auto compressor = session.grid(EditorGrid::Compressors).currentIndex();
    const auto condenser = session.grid(EditorGrid::Condensers).currentIndex();
    if (!compressor || !condenser)
        return std::nullopt;
    return ReportPair{*compressor, *condenser};
}

PairReportInputs editorReportInputs(const EditorSession& session, const ReportPair& pair)
{
    PairReportInputs inputs;
    const PairReportDefaults range =
        pairReportDefaults(session.workspace().catalogue(), pair.compressor);
    inputs.min = range.min;
    inputs.max = range.max;
    inputs.compressorCount = session.inputs().compressorCount;
    inputs.condenserCount = session.inputs().condenserCount;
    inputs.heatFactor = session.heatFactor();
    return inputs;
}

std::string pairReportFileName(const Catalogue& catalogue, const ReportPair& pair)
{
    return "Raport " + fileNamePart(catalogue.compressors[pair.compressor].model.view()) + " - " +
           fileNamePart(catalogue.condensers[pair.condenser].model.view()) + ".xlsx";
}

} // namespace kelvo
