#include "core/selection/selection_export.h"

#include <algorithm>
#include <map>

#include "core/app/language_table.h"
#include "core/app/own_texts.h"
#include "core/io/file_io.h"
#include "core/io/output_file.h"
#include "core/selection/candidate_columns.h"
#include "core/selection/candidate_list.h"
#include "core/selection/details_in_units.h"
#include "core/selection/selection_session.h"
#include "core/selection/unit_details.h"
#include "core/text/code_page.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

class SheetBuilder
{
  public:
    explicit SheetBuilder(UnitSystem system) : system_(system) {}
    [[nodiscard]] UnitSystem system() const { return system_; }

    void text(std::string value, bool asText = true)
    {
        cells_.push_back({row_, ++column_, std::move(value), asText});
    }
    // A header or caption naming its unit ("Qo [W]"), in the sheet's units.
    void header(std::string_view value) { text(labelledTextIn(value, system_, '.')); }
    // An SI figure of `quantity` as the sheet shows it.
    void figure(std::optional<double> si, Quantity quantity)
    {
        if (si && system_ != UnitSystem::Si)
            si = parseNumber(displayFigure(*si, quantity, system_, '.', false).number);
        number(si);
    }
    void number(double value) { text(formatNumber(value, '.'), false); }
    void number(const std::optional<double>& value)
    {
        if (value)
            number(*value);
        else
            ++column_;
    }
    void endRow()
    {
        ++row_;
        column_ = 0;
    }
    std::vector<SpreadsheetCell> cells() && { return std::move(cells_); }

  private:
    UnitSystem system_;
    std::vector<SpreadsheetCell> cells_;
    int row_ = 1;
    int column_ = 0;
};

constexpr const char* kPointHeaders[] = {"tk [C]", "envelope", "mark", "reason"};

void pointColumns(SheetBuilder& sheet, std::optional<double> tk, EnvelopePosition envelope,
                  const std::string& mark, const std::string& reason,
                  const std::string& envelopeReason)
{
    // To one decimal, as the details show a condensing temperature.
    sheet.number(tk ? std::optional(roundToTenth(*tk) + 0.0) : std::nullopt);
    sheet.text(tk ? std::string(envelopePositionName(envelope)) : std::string());
    sheet.text(mark);
    std::string why = toUtf8(reason);
    if (!envelopeReason.empty())
        why += (why.empty() ? "" : "; ") + toUtf8(envelopeReason);
    std::replace(why.begin(), why.end(), '\r', ' ');
    sheet.text(why);
}

void cell(SheetBuilder& sheet, const CandidateCell& cell)
{
    switch (cell.kind) {
    case CandidateCell::Kind::Text:
        sheet.text(cell.text);
        break;
    case CandidateCell::Kind::Integer:
    case CandidateCell::Kind::Number:
        sheet.number(cell.number);
        break;
    case CandidateCell::Kind::None:
    case CandidateCell::Kind::Flag:
        sheet.number(std::nullopt);
        break;
    }
}

void listRows(SheetBuilder& sheet, const CandidateList& list, const LanguageTable& languages)
{
    const auto columns = candidateColumns(CandidateOutput::Sheet);
    for (const CandidateColumn* column : columns)
        sheet.text(column->headerIn(CandidateOutput::Sheet, languages, kEnglish, sheet.system()));
    sheet.endRow();
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        for (const CandidateColumn* column : columns)
            cell(sheet, inUnits(column->cell(list.rows[i], static_cast<int>(i) + 1,
                                             CandidateOutput::Sheet),
                                *column, sheet.system(), '.'));
        sheet.endRow();
    }
}

// `details` as the sheet shows them (in its units).
void rangeRows(SheetBuilder& sheet, const Catalogue& catalogue, const UnitDetails& details)
{
    sheet.text("Model");
    sheet.text(toUtf8(catalogue.units[details.unitIndex].name.view()));
    sheet.endRow();
    for (const char* header : {"to [C]", "ambient [C]", "Qo [W]", "Pe [kW]"})
        sheet.header(header);
    for (const char* header : kPointHeaders)
        sheet.header(header);
    sheet.endRow();
    for (const RangeColumn& column : details.range.columns)
        for (std::size_t k = 0; k < details.range.ambients.size(); ++k) {
            const RangeCell& qo = column.capacity[k];
            sheet.number(column.to);
            sheet.number(details.range.ambients[k]);
            sheet.number(qo.value);
            sheet.number(column.power[k].value);
            pointColumns(sheet, qo.condensingTemperature, qo.envelope, qo.mark + qo.envelopeMark,
                         qo.reason, qo.envelopeReason);
            sheet.endRow();
        }
}

std::string csvCell(const SpreadsheetCell& cell)
{
    std::string text = cell.text;
    if (!cell.asText)
        if (const auto value = parseNumber(text))
            text = formatNumber(*value, ',');
    if (text.find_first_of(";\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

} // namespace

std::vector<SpreadsheetCell> selectionExportCells(const SelectionSession& session, bool withList,
                                                  const UnitDetails* details, UnitSystem system)
{
    const SelectionState& selection = session.state();
    SheetBuilder sheet(system);
    sheet.text("Refrigerant");
    sheet.text(session.refrigerant());
    sheet.header("to [C]");
    sheet.figure(selection.evaporatingTemperature, Quantity::Temperature);
    sheet.header("ambient [C]");
    sheet.figure(selection.ambientTemperature, Quantity::Temperature);
    sheet.endRow();
    if (withList) {
        sheet.endRow();
        listRows(sheet, selection.candidates, session.languages());
    }
    if (details) {
        sheet.endRow();
        rangeRows(sheet, session.workspace().catalogue(),
                  unitDetailsIn(*details, system, session.workspace().displaySeparator()));
    }
    return std::move(sheet).cells();
}

std::string selectionExportCsv(const std::vector<SpreadsheetCell>& cells)
{
    std::map<int, std::map<int, const SpreadsheetCell*>> rows;
    int lastRow = 0;
    for (const SpreadsheetCell& cell : cells) {
        rows[cell.row][cell.column] = &cell;
        lastRow = std::max(lastRow, cell.row);
    }
    std::string out = "\xEF\xBB\xBF";
    for (int r = 1; r <= lastRow; ++r) {
        int column = 1;
        for (const auto& [c, cell] : rows[r]) {
            out.append(static_cast<std::size_t>(c - column), ';');
            out += csvCell(*cell);
            column = c;
        }
        out += "\r\n";
    }
    return out;
}

void writeSelectionExport(const std::filesystem::path& file,
                          const std::vector<SpreadsheetCell>& cells, ExportFormat format)
{
    if (format == ExportFormat::Csv) {
        writeOutputFile(file, selectionExportCsv(cells));
        return;
    }
    writeWorkbook(file, cells, {{3, 24}, {8, 40}});
}

std::string workbookErrorText(const WorkbookWriteError& error, int language)
{
    const WorkbookFailure& failure = error.failure();
    std::string reason;
    switch (failure.problem) {
    case WorkbookProblem::NoMemory:
        reason = ownText(OwnText::WorkbookNoMemory, language);
        break;
    case WorkbookProblem::CellTooLong:
        reason = ownText(OwnText::WorkbookCellTooLong, language);
        break;
    case WorkbookProblem::TemporaryFile:
        reason = ownText(OwnText::WorkbookTemporary, language);
        break;
    case WorkbookProblem::Library:
        reason = ownText(OwnText::WorkbookLibrary, language, failure.detail);
        break;
    case WorkbookProblem::Platform:
    case WorkbookProblem::Internal:
        reason = failure.detail;
        break;
    }
    return ownText(OwnText::WorkbookNotWritten, language, error.file().string()) + ": " + reason;
}

std::string spreadsheetErrorText(const SpreadsheetError& error, int language)
{
    if (const auto* workbook = dynamic_cast<const WorkbookWriteError*>(&error))
        return workbookErrorText(*workbook, language);
    return error.what();
}

} // namespace kelvo
