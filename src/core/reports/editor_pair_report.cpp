#include "core/reports/editor_pair_report.h"

#include <string_view>

#include "core/app/application_state.h"
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

std::optional<ReportPair> currentReportPair(const ApplicationState& state)
{
    const auto compressor = state.editor.grid(EditorGrid::Compressors).currentIndex();
    const auto condenser = state.editor.grid(EditorGrid::Condensers).currentIndex();
    if (!compressor || !condenser)
        return std::nullopt;
    return ReportPair{*compressor, *condenser};
}

PairReportInputs editorReportInputs(const ApplicationState& state, const ReportPair& pair)
{
    PairReportInputs inputs;
    const PairReportDefaults range = pairReportDefaults(state.catalogue, pair.compressor);
    inputs.min = range.min;
    inputs.max = range.max;
    inputs.compressorCount = state.editor.inputs.compressorCount;
    inputs.condenserCount = state.editor.inputs.condenserCount;
    inputs.heatFactor = state.refrigerant.condenserHeatFactor;
    return inputs;
}

std::string pairReportFileName(const ApplicationState& state, const ReportPair& pair)
{
    return "Raport " + fileNamePart(state.catalogue.compressors[pair.compressor].model.view()) +
           " - " + fileNamePart(state.catalogue.condensers[pair.condenser].model.view()) + ".xlsx";
}

} // namespace kelvo
