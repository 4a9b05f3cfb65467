// The desktop toolkit's side of the program, built as a module that `kelvo` opens only when it
// draws: the desktop program itself, datasheet PDFs and pictures. Commands that print text never
// load the toolkit's libraries. Nothing thrown here may cross into the program, which has its
// own copy of the core.
#include <exception>
#include <iostream>

#include "cli/toolkit_module_entry.h"
#include "cli/toolkit_services.h"
#include "gui/desktop_program.h"
#include "gui/editor/chart_painter.h"
#include "gui/reports/headless_datasheet.h"
#include "gui/reports/unit_datasheet.h"

extern "C" {

int kelvoRunDesktopProgram(int argc, char** argv)
{
    try {
        return kelvo::gui::runDesktopProgram(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "kelvo: " << error.what() << "\n";
        return 1;
    }
}

void kelvoToolkitServices(kelvo::cli::ToolkitServices* services)
{
    services->writeDatasheetPdf = [](kelvo::SelectionSession& session,
                                     const kelvo::AdditionalAccessoryChoices& choices, int language,
                                     const std::string& path) -> std::string {
        try {
            return kelvo::gui::writeDatasheetPdfWithoutWindow(session, choices, language, path);
        } catch (const std::exception& error) {
            return error.what();
        }
    };
    services->datasheetDate = []() -> std::string {
        try {
            return kelvo::gui::datasheetDate();
        } catch (const std::exception&) {
            return {};
        }
    };
    services->chartPng = [](const std::vector<kelvo::ChartPrimitive>& primitives, int width,
                            int height) -> std::string {
        try {
            return kelvo::gui::chartPng(primitives, width, height);
        } catch (const std::exception&) {
            return {};
        }
    };
}

} // extern "C"
