#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "core/chart/envelope_chart.h"
#include "gui/reports/report_layout.h"

class QPainter;

namespace kelvo::gui
{

// The text of a named parameter, or nullopt when it is not set.
using ParameterLookup = std::function<std::optional<QString>(const QString& name)>;
// A chart's primitives for a canvas of the size given, by the chart's name; none for a name the
// program does not draw.
using ChartLookup =
    std::function<std::vector<ChartPrimitive>(const QString& name, int width, int height)>;

// Replaces "{Name}", "{Name:caption}" and "{Name:value}" in a layout text.
QString expandParameters(const QString& text, const ParameterLookup& lookup);

// "caption  : value" split at the first caption separator; a text without one is all caption.
QPair<QString, QString> splitCaption(const QString& text);

// Paints page `page` (1 ..) of `report` on a painter whose device is the whole page; layout
// millimetres are converted with the device's resolution.
// A layout's own text as it is to be printed (its unit labels in other units), before the
// parameters are put into it.
using LayoutTextRewrite = std::function<QString(const QString& text)>;

void paintReportPage(QPainter& painter, const ReportDefinition& report, int page,
                     const ParameterLookup& lookup, const ChartLookup& charts = {},
                     const LayoutTextRewrite& layoutTexts = {});

} // namespace kelvo::gui
