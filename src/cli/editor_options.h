#pragma once

#include <string>

namespace kelvo
{
struct ApplicationState;
}

namespace kelvo::cli
{

// Options shared by the catalogue editor's commands. Each throws CommandError naming the option.

// --refrigerant: one of the editor's refrigerant menu ("R134a", "R407C", "R404A", "R22").
void requireEditorRefrigerant(const std::string& name);

// A table index (Poz.) within 1 .. count.
int tableIndexOption(const char* option, const std::string& text, int count);

// A text the editor would read as a number.
void requireNumberText(const char* option, const std::string& text);

// A whole number within first .. last.
int wholeNumberOption(const char* option, const std::string& text, int first, int last);

// Data folder and catalogue, and the editor as freshly opened over them.
void openEditorCatalogue(ApplicationState& state, const std::string& dataFolder);

} // namespace kelvo::cli
