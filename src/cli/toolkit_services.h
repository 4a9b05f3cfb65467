#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/chart/envelope_chart.h"

namespace kelvo
{
class SelectionSession;
struct AdditionalAccessoryChoices;
} // namespace kelvo

namespace kelvo::cli
{

// Output that needs the desktop toolkit, supplied by the program when it is built with it.
// The writers return an empty text on success and the reason otherwise.
struct ToolkitServices {
    // The datasheet of the session's chosen unit as a PDF file.
    std::function<std::string(SelectionSession& session, const AdditionalAccessoryChoices& choices,
                              int language, const std::string& path)>
        writeDatasheetPdf;
    // Today's date as the datasheet prints it, in the user's short numeric form.
    std::function<std::string()> datasheetDate;
    // The envelope chart as the bytes of a PNG picture; empty when it cannot be made.
    std::function<std::string(const std::vector<ChartPrimitive>& primitives, int width, int height)>
        chartPng;
};

} // namespace kelvo::cli
