#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo
{

// Cells A1 .. J1 (or fewer) of a spreadsheet, as texts (UTF-8). Numbers are written with ","
// as the decimal separator, as the catalogue keeps them.

// Cells of the first line of tab-separated text, as every spreadsheet puts copied cells on
// the clipboard; a CR LF or LF ends the line.
std::vector<std::string> clipboardCells(std::string_view text);

// Cells of the first record of CSV text: "," or ";" separated, ";" winning when the first
// record holds one (so "1,5;2" is two cells); double quotes around a cell, "" inside quotes
// for one quote; CR LF or LF line ends; a UTF-8 byte order mark is skipped.
std::vector<std::string> csvFirstRowCells(std::string_view text);

// The file cannot be read as a spreadsheet; what() says why.
class SpreadsheetError : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

// Cells A1 .. J1 of the first sheet of an .xlsx, .ods or .csv file (chosen by its extension,
// in any letter case); an empty cell is empty text.
std::vector<std::string> readFirstRowCells(const std::filesystem::path& file, int count = 10);

} // namespace kelvo
