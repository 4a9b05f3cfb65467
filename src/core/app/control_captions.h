#pragma once

#include <string_view>

namespace kelvo
{

// Captions of the windows' own buttons that the language table has no entry for, in each
// language of the language menu. Mnemonics are chosen by the window, not written here.
enum class ControlCaption {
    Exit,      // the selection's exit button
    Datasheet, // ... datasheet button
    Export,    // ... export button
    Find,      // ... button that chooses the unit for the required capacity
    Close,     // a secondary window's close button
    SaveAsPdf, // the datasheet preview's buttons
    Print,
    ZoomIn,
    ZoomOut,
    FitWidth,
    Compare, // the selection's button that compares the marked units
    Pdf,     // the comparison's button that writes it as a PDF
};

// The caption in language 1 .. kLanguageCount (English outside that range), UTF-8.
std::string_view controlCaption(ControlCaption caption, int language);

} // namespace kelvo
