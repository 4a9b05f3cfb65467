#include "core/selection/unit_comparison.h"

#include <algorithm>
#include <set>

#include "core/app/language_table.h"
#include "core/app/own_texts.h"
#include "core/catalogue/lookups.h"
#include "core/io/file_io.h"
#include "core/io/output_file.h"
#include "core/selection/candidate_list.h"
#include "core/selection/display_figures.h"
#include "core/selection/selection_session.h"
#include "core/selection/unit_details.h"
#include "core/selection/window_captions.h"
#include "core/text/code_page.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

const DetailLine& unitDataLine(std::string_view key)
{
    for (const DetailLine& line : kUnitDataPage.lines)
        if (line.key == key)
            return line;
    throw std::logic_error("no unit data line " + std::string(key));
}

class ComparisonBuilder
{
  public:
    ComparisonBuilder(const SelectionSession& session, const std::vector<UnitDetails>& details)
        : session_(session), details_(details), language_(session.languages().currentLanguage())
    {
    }

    std::string entry(int number) const
    {
        return std::string(session_.languages().text(language_, number));
    }
    std::string own(OwnText text) const { return std::string(ownText(text, language_)); }

    // A line whose cell of each unit is `cell(details, unit record)`.
    template <class Cell>
    void line(std::string key, std::string caption, std::string unitLabel, BetterValue better,
              Cell cell)
    {
        ComparisonLine line{std::move(key), std::move(caption), std::move(unitLabel), better, {}};
        const Catalogue& catalogue = session_.workspace().catalogue();
        for (const UnitDetails& d : details_)
            line.cells.push_back(cell(d, catalogue.units[d.unitIndex]));
        markBestValues(line);
        lines_.push_back(std::move(line));
    }

    // A line of the details' unit data page, its text as the panel shows it.
    void detailLine(std::string_view key, BetterValue better,
                    std::optional<double> (*value)(const UnitDetails&))
    {
        const DetailLine& shown = unitDataLine(key);
        line(std::string(key), entry(shown.entry), std::string(shown.unitLabel), better,
             [&](const UnitDetails& d, const CondensingUnitRecord&) {
                 return ComparisonCell{toUtf8(shown.text(d)), value ? value(d) : std::nullopt};
             });
    }

    std::vector<ComparisonLine> take() && { return std::move(lines_); }

  private:
    const SelectionSession& session_;
    const std::vector<UnitDetails>& details_;
    int language_;
    std::vector<ComparisonLine> lines_;
};

// A stored text and, when it reads as one, its number.
ComparisonCell storedCell(std::string_view bytes)
{
    std::string text = toUtf8(bytes);
    const auto value = parseNumber(text);
    return {std::move(text), value};
}

// The list's figure of the unit, as the details' panel shows it; none without figures.
std::optional<double> listFigure(const SelectionSession& session, const UnitDetails& d,
                                 double Candidate::*figure)
{
    const Candidate* candidate = session.state().candidates.row(d.row);
    if (!candidate || !candidate->evaluated || candidate->unitIndex != d.unitIndex)
        return std::nullopt;
    return (*candidate).*figure;
}

std::string envelopeVerdict(const UnitDetails& d, int language)
{
    if (!d.data.condensingTemperatureUnrounded)
        return {};
    switch (d.data.condensingEnvelope) {
    case EnvelopePosition::Inside:
        return std::string(ownText(OwnText::InsideEnvelope, language));
    case EnvelopePosition::Outside:
        return std::string(ownText(OwnText::LegendOutside, language));
    case EnvelopePosition::Unchecked:
        break;
    }
    return std::string(ownText(OwnText::EnvelopeUnchecked, language));
}

std::string headingOf(const SelectionSession& session)
{
    const LanguageTable& languages = session.languages();
    const SelectionState& state = session.state();
    const char separator = session.workspace().displaySeparator();
    const auto caption = [&](int entry) { return std::string(languages.text(entry)); };
    return caption(LanguageEntry::Refrigerant) + ": " + session.refrigerant() + "   " +
           caption(LanguageEntry::UnitEvaporationTemperature) + ": " +
           formatNumber(state.evaporatingTemperature, separator) + " [C]   " +
           caption(LanguageEntry::UnitAmbientTemperature) + ": " +
           formatNumber(state.ambientTemperature, separator) + " [C]";
}

std::vector<ComparisonLine> comparisonLines(const SelectionSession& session,
                                            const std::vector<UnitDetails>& details)
{
    const int language = session.languages().currentLanguage();
    const Catalogue& catalogue = session.workspace().catalogue();
    ComparisonBuilder table(session, details);
    const auto listed = [&](double Candidate::*figure) {
        return [&session, figure](const UnitDetails& d) { return listFigure(session, d, figure); };
    };
    const auto capacity = listed(&Candidate::capacityW);
    const auto power = listed(&Candidate::powerKW);

    table.detailLine("unitName", BetterValue::None, nullptr);
    // The list's figures are the details' panels; the numbers are the ones those texts show.
    {
        const DetailLine& shown = unitDataLine("capacity");
        table.line("capacity", table.entry(shown.entry), std::string(shown.unitLabel),
                   BetterValue::Larger, [&](const UnitDetails& d, const CondensingUnitRecord&) {
                       return ComparisonCell{toUtf8(shown.text(d)), capacity(d)};
                   });
    }
    {
        const DetailLine& shown = unitDataLine("power");
        table.line("power", table.entry(shown.entry), std::string(shown.unitLabel),
                   BetterValue::Smaller, [&](const UnitDetails& d, const CondensingUnitRecord&) {
                       return ComparisonCell{toUtf8(shown.text(d)), power(d)};
                   });
    }
    // The range tables' extra ambient, at the selection's to: the unit in a hotter climate.
    if (const std::optional<double> extra = session.state().extraAmbient) {
        const std::string at =
            " - ta = " + formatNumber(*extra, session.workspace().displaySeparator()) + " [C]";
        for (const bool isCapacity : {true, false}) {
            const DetailLine& shown = unitDataLine(isCapacity ? "capacity" : "power");
            table.line(isCapacity ? "capacityExtraAmbient" : "powerExtraAmbient",
                       table.entry(shown.entry) + at, std::string(shown.unitLabel),
                       isCapacity ? BetterValue::Larger : BetterValue::Smaller,
                       [isCapacity](const UnitDetails& d, const CondensingUnitRecord&) {
                           if (!d.extraAmbientPoint)
                               return ComparisonCell{};
                           const RangeCell& cell = isCapacity ? d.extraAmbientPoint->capacity[0]
                                                              : d.extraAmbientPoint->power[0];
                           return ComparisonCell{toUtf8(cell.shown()), cell.value};
                       });
        }
    }
    table.detailLine("cop", BetterValue::Larger,
                     [](const UnitDetails& d) { return d.data.copValue; });
    table.detailLine("condensingTemperature", BetterValue::Smaller,
                     [](const UnitDetails& d) { return d.data.condensingTemperatureC; });
    table.line("envelope", table.own(OwnText::EnvelopeTab), "", BetterValue::None,
               [&](const UnitDetails& d, const CondensingUnitRecord&) {
                   return ComparisonCell{envelopeVerdict(d, language), std::nullopt};
               });
    table.line("condenserModel", table.entry(LanguageEntry::CondenserCoilModel), "",
               BetterValue::None, [](const UnitDetails&, const CondensingUnitRecord& unit) {
                   return ComparisonCell{toUtf8(unit.condenserModel.view()), std::nullopt};
               });
    table.line("fans", table.own(OwnText::CompareFans), "", BetterValue::None,
               [&](const UnitDetails& d, const CondensingUnitRecord&) {
                   const auto& condenser =
                       catalogue.condensers[findCondenserOfUnit(catalogue, d.unitIndex)];
                   const std::string count = toUtf8(condenser.fanCount.view());
                   const std::string name = toUtf8(d.fan.name);
                   if (count.empty() && name.empty())
                       return ComparisonCell{};
                   return ComparisonCell{count + " × " + name, std::nullopt};
               });
    table.line("noiseLevel", table.entry(LanguageEntry::NoiseLevel), "[dB(A) 10m]",
               BetterValue::Smaller, [](const UnitDetails&, const CondensingUnitRecord& unit) {
                   return storedCell(unit.noiseLevel.view());
               });
    table.line("mass", table.entry(LanguageEntry::UnitNetWeight), "[kg]", BetterValue::Smaller,
               [](const UnitDetails&, const CondensingUnitRecord& unit) {
                   return storedCell(unit.mass.view());
               });
    for (const DimensionField& field : kDimensionFields)
        table.line("dimension" + std::string(field.letter),
                   table.entry(LanguageEntry::Dimensions) + " " + std::string(field.letter), "[mm]",
                   BetterValue::None, [&field](const UnitDetails& d, const CondensingUnitRecord&) {
                       return storedCell(d.dimensions.*field.value);
                   });
    const bool base = session.state().familyIsBase;
    const AccessoryGroupCaption& group = base ? kBaseStandardAccessories : kBoxStandardAccessories;
    for (std::size_t i = 0; i < group.lines.size(); ++i)
        table.line("standardAccessory" + std::to_string(i + 1), table.entry(group.lines[i].entry),
                   "", BetterValue::None,
                   [base, i](const UnitDetails& d, const CondensingUnitRecord&) {
                       const bool fitted = base ? d.baseAccessories[i] : d.boxAccessories[i];
                       return ComparisonCell{fitted ? "+" : "-", std::nullopt};
                   });
    return std::move(table).take();
}

class SheetWriter
{
  public:
    void text(std::string value, bool highlighted = false)
    {
        cells_.push_back({row_, ++column_, std::move(value), true, highlighted});
    }
    void number(double value, bool highlighted = false)
    {
        cells_.push_back({row_, ++column_, formatNumber(value, '.'), false, highlighted});
    }
    void endRow()
    {
        ++row_;
        column_ = 0;
    }
    std::vector<SpreadsheetCell> take() && { return std::move(cells_); }

  private:
    std::vector<SpreadsheetCell> cells_;
    int row_ = 1;
    int column_ = 0;
};

} // namespace

std::optional<std::string> comparisonCountNote(int count, int language)
{
    if (count >= kMinComparedUnits && count <= kMaxComparedUnits)
        return std::nullopt;
    return ownText(OwnText::CompareCount, language, std::to_string(count));
}

void markBestValues(ComparisonLine& line)
{
    for (ComparisonCell& cell : line.cells)
        cell.best = false;
    if (line.better == BetterValue::None)
        return;
    const auto competes = [](const ComparisonCell& cell) {
        return cell.value && cell.text.find_first_of("!*#") == std::string::npos;
    };
    std::optional<double> best;
    for (const ComparisonCell& cell : line.cells)
        if (competes(cell) && (!best || (line.better == BetterValue::Larger ? *cell.value > *best
                                                                            : *cell.value < *best)))
            best = cell.value;
    for (ComparisonCell& cell : line.cells)
        cell.best = best && competes(cell) && cell.value == best;
}

UnitComparison compareUnits(SelectionSession& session, const std::vector<int>& rows,
                            MessageSink& sink)
{
    const int language = session.languages().currentLanguage();
    if (auto note = comparisonCountNote(static_cast<int>(rows.size()), language))
        throw ComparisonError(*note);
    const CandidateList& list = session.state().candidates;
    std::set<int> seen;
    for (const int row : rows) {
        if (!list.row(row))
            throw ComparisonError("list row " + std::to_string(row) + " is not in the list, 1 .. " +
                                  std::to_string(list.rows.size()));
        if (!seen.insert(row).second)
            throw ComparisonError("list row " + std::to_string(row) + " is given twice");
    }
    UnitComparison comparison;
    DistinctMessageSink messages;
    std::vector<UnitDetails> details;
    for (const int row : rows) {
        details.push_back(session.computeDetails(row, messages));
        comparison.rows.push_back(row);
        comparison.unitIndexes.push_back(details.back().unitIndex);
        comparison.failures.push_back(toUtf8(details.back().failure));
    }
    for (const std::string& text : messages.messages)
        sink.message(text);
    comparison.heading = headingOf(session);
    comparison.lines = comparisonLines(session, details);
    comparison.bestValueLegend = ownText(OwnText::BestValue, language);
    comparison.rowCaption = session.languages().text(language, LanguageEntry::Item);
    return comparison;
}

UnitComparison comparisonIn(const UnitComparison& comparison, UnitSystem system, char separator)
{
    UnitComparison shown = comparison;
    shown.heading = labelledTextIn(comparison.heading, system, separator);
    for (ComparisonLine& line : shown.lines) {
        line.caption = labelledTextIn(line.caption, system, separator);
        const std::optional<Quantity> quantity = quantityOfLabel(line.unitLabel);
        if (!quantity)
            continue;
        line.unitLabel = labelIn(line.unitLabel, system);
        for (ComparisonCell& cell : line.cells) {
            cell.text = figureTextIn(cell.text, *quantity, system, separator);
            if (cell.value)
                cell.value = figureNumber(cell.text);
        }
    }
    return shown;
}

std::vector<SpreadsheetCell> comparisonExportCells(const UnitComparison& comparison)
{
    SheetWriter sheet;
    sheet.text(comparison.heading);
    sheet.endRow();
    sheet.endRow();
    // As the selection's sheet names them.
    for (const auto& [caption, numbers] :
         {std::pair{"Row", &comparison.rows}, {"Poz.", &comparison.unitIndexes}}) {
        sheet.text(caption);
        sheet.text("");
        for (const int number : *numbers)
            sheet.number(number);
        sheet.endRow();
    }
    for (const ComparisonLine& line : comparison.lines) {
        sheet.text(line.caption);
        sheet.text(line.unitLabel);
        for (const ComparisonCell& cell : line.cells) {
            if (cell.value)
                sheet.number(*cell.value, cell.best);
            else
                sheet.text(cell.text, cell.best);
        }
        sheet.endRow();
    }
    return std::move(sheet).take();
}

void writeComparisonExport(const std::filesystem::path& file, const UnitComparison& comparison,
                           ExportFormat format)
{
    std::vector<SpreadsheetCell> cells = comparisonExportCells(comparison);
    if (format == ExportFormat::Csv) {
        writeOutputFile(file, selectionExportCsv(cells));
        return;
    }
    const int lastRow = cells.empty() ? 0 : cells.back().row;
    cells.push_back({lastRow + 2, 1, comparison.bestValueLegend, true, true});
    writeWorkbook(file, cells, {{1, 40}, {2, 12}, {3, 22}, {4, 22}, {5, 22}, {6, 22}});
}

} // namespace kelvo
