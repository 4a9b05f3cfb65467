#pragma once

#include <functional>
#include <string>

namespace kelvo
{
struct ApplicationState;
struct AdditionalAccessoryChoices;
} // namespace kelvo

namespace kelvo::cli
{

// Output that needs the desktop toolkit, supplied by the program when it is built with it.
// Each returns an empty text on success and the reason otherwise.
struct ToolkitServices {
    // The datasheet of the chosen unit (state.selection.selectedRow) as a PDF file.
    std::function<std::string(ApplicationState& state, const AdditionalAccessoryChoices& choices,
                              int language, const std::string& path)>
        writeDatasheetPdf;
    // Today's date as the datasheet prints it, in the user's short numeric form.
    std::function<std::string()> datasheetDate;
};

} // namespace kelvo::cli
