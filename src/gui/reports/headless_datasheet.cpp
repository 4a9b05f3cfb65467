#include "gui/reports/headless_datasheet.h"

#include "gui/reports/unit_datasheet.h"
#include "gui/ui/headless_application.h"

namespace kelvo::gui
{

std::string writeDatasheetPdfWithoutWindow(SelectionSession& session,
                                           const AdditionalAccessoryChoices& choices, int language,
                                           const std::string& path)
{
    HeadlessApplication application;
    QString error;
    if (!writeUnitDatasheetPdf(session, choices, language, QString::fromStdString(path), &error))
        return error.isEmpty() ? std::string("the PDF could not be written") : error.toStdString();
    return {};
}

} // namespace kelvo::gui
