#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo
{

// Cells A1 .. J1 (or fewer) of a spreadsheet, as texts (UTF-8).

// Cells of the first line of tab-separated text, as every spreadsheet puts copied cells on
// the clipboard; a CR LF or LF ends the line.
std::vector<std::string> clipboardCells(std::string_view text);

// Cells of the first record of CSV text: ";" separated when the first record holds one outside
// quotes (so "1,5;2" is two cells), else tab separated when it holds a tab, else ","
// separated; double quotes around a cell, "" inside quotes for one quote; CR LF or LF line
// ends; a UTF-8 byte order mark is skipped.
std::vector<std::string> csvFirstRowCells(std::string_view text);

// The file cannot be read as a spreadsheet; what() names it and says why, in the user's words.
class SpreadsheetError : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

// Cells A1 .. J1 of the first sheet of an .xlsx, .ods or .csv file (chosen by its extension,
// in any letter case). A number cell gives its stored value as written, "." turned into ",";
// a text cell its text (paragraphs joined by LF); an error cell its code ("#DIV/0!"); a truth
// value "PRAWDA" or "FAŁSZ"; an empty cell, or a number cell without its value, empty text.
// A part of the file that would inflate beyond 64 MB is refused unread.
std::vector<std::string> readFirstRowCells(const std::filesystem::path& file, int count = 10);

} // namespace kelvo
