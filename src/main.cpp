#include <iostream>
#include <memory>

#include "cli/command_line.h"
#include "cli/toolkit_services.h"

#ifdef KELVO_WITH_GUI
#include "gui/desktop_program.h"
#include "gui/editor/chart_painter.h"
#include "gui/reports/headless_datasheet.h"
#include "gui/reports/unit_datasheet.h"
#endif

namespace
{

// What commands get from the desktop toolkit, when the program has it.
kelvo::cli::ToolkitServices toolkitServices()
{
    kelvo::cli::ToolkitServices services;
#ifdef KELVO_WITH_GUI
    services.writeDatasheetPdf = kelvo::gui::writeDatasheetPdfWithoutWindow;
    services.datasheetDate = kelvo::gui::datasheetDate;
    services.chartPng = kelvo::gui::chartPng;
#endif
    return services;
}

} // namespace

int main(int argc, char** argv)
{
    if (kelvo::cli::wantsCommandLine(argc, argv))
        return kelvo::cli::runCommandLine(argc, argv, std::cout, std::cerr, toolkitServices());
#ifdef KELVO_WITH_GUI
    return kelvo::gui::runDesktopProgram(argc, argv);
#else
    return kelvo::cli::runCommandLine(argc, argv, std::cout, std::cerr, toolkitServices());
#endif
}
