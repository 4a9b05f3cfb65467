#include "core/selection/display_figures.h"

#include "core/app/own_texts.h"
#include "core/text/numeric_text.h"

namespace kelvo
{

double capacityFigureW(double capacityKW)
{
    // "+ 0.0" turns a negative zero into zero, so that no "-0" reaches a display or a file.
    return roundHalfEven(capacityKW * 10.0) * 100.0 + 0.0;
}

double powerFigureKW(double powerKW)
{
    return roundToTenth(powerKW) + 0.0;
}

std::vector<std::string> markLegend(int language)
{
    std::vector<std::string> lines;
    for (const OwnText text :
         {OwnText::LegendFailed, OwnText::LegendGaveUp, OwnText::LegendOutside})
        lines.emplace_back(ownText(text, language));
    return lines;
}

std::string markLegendLine(int language)
{
    std::string line;
    for (const std::string& mark : markLegend(language))
        line += (line.empty() ? "" : "     ") + mark;
    return line;
}

EnvelopeMarking envelopeMarking(EnvelopePosition position, double to, double tk, char separator,
                                int language)
{
    if (position != EnvelopePosition::Outside)
        return {};
    const std::string point = "to " + formatNumber(to + 0.0, separator) + " C, tk " +
                              formatNumber(roundToTenth(tk) + 0.0, separator) + " C";
    return {std::string(kOutsideEnvelopeMark),
            ownTextInCatalogueCodePage(OwnText::OutsideEnvelope, language, point)};
}

} // namespace kelvo
