#pragma once

#include <QString>
#include <filesystem>
#include <string>

#include "core/selection/datasheet_parameters.h"

class QWidget;

namespace kelvo
{
class SelectionSession;
}

namespace kelvo::gui
{

class AccessoryGroup;

// The user's entries of an additional-accessory group as the datasheet takes them.
AdditionalAccessoryChoices accessoryChoicesOf(const AccessoryGroup& group);

// Today's date in the short numeric form of the user's regional settings.
std::string datasheetDate();

// The layout file of the datasheet in the data folder: "Raport1.rav".
QString datasheetLayoutPath(const std::filesystem::path& dataFolder);

// The datasheet of the session's chosen unit in the current language, in a preview from which
// it is printed or saved as PDF. A missing layout file or no chosen unit is reported in a
// message box; a layout without the datasheet report shows nothing.
void previewUnitDatasheet(QWidget* parent, SelectionSession& session,
                          const AdditionalAccessoryChoices& choices);

// The datasheet of the chosen unit in `language` (1 .. 5) written to a PDF file without any
// window. False with `error` set when nothing was written.
bool writeUnitDatasheetPdf(SelectionSession& session, const AdditionalAccessoryChoices& choices,
                           int language, const QString& path, QString* error);

} // namespace kelvo::gui
