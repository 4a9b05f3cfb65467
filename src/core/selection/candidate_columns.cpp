#include "core/selection/candidate_columns.h"

#include <algorithm>
#include <cstdint>

#include "core/app/language_table.h"
#include "core/selection/candidate_list.h"
#include "core/text/code_page.h"
#include "core/text/numeric_text.h"
#include "core/text/untrusted_text.h"

namespace kelvo
{
namespace
{

using Output = CandidateOutput;
using Kind = CandidateCell::Kind;

constexpr unsigned bit(Output output)
{
    return 1U << static_cast<unsigned>(output);
}
constexpr unsigned kWindow = bit(Output::Window);
constexpr unsigned kTextTable = bit(Output::TextTable);
constexpr unsigned kJson = bit(Output::Json);
constexpr unsigned kSheet = bit(Output::Sheet);

CandidateCell none()
{
    return {};
}
CandidateCell text(std::string value)
{
    return {Kind::Text, std::move(value)};
}
CandidateCell integer(double value)
{
    return {Kind::Integer, {}, value};
}
CandidateCell number(double value)
{
    return {Kind::Number, {}, value};
}
CandidateCell flag(bool value)
{
    return {Kind::Flag, {}, 0, value};
}

std::string marks(const Candidate& c)
{
    return c.mark + c.envelopeMark;
}

// A figure: the window shows the row's marks after it, having no column of its own for them;
// the export leaves an empty text where there is no figure, the JSON null.
CandidateCell figure(const Candidate& c, Output output, const std::string& shown, double value,
                     bool whole)
{
    switch (output) {
    case Output::Window:
        return text(shown + marks(c));
    case Output::TextTable:
        return text(shown);
    case Output::Sheet:
        return c.evaluated ? number(value) : text("");
    case Output::Json:
        if (!c.evaluated)
            return none();
        // A whole number of watts, as long as it fits one.
        return whole && value > -9e15 && value < 9e15 ? integer(value) : number(value);
    }
    return none();
}

// The reasons of a marked row, "; " between them.
std::string reasons(const Candidate& c)
{
    std::string why = toUtf8(c.reason);
    if (!c.envelopeReason.empty())
        why += (why.empty() ? "" : "; ") + toUtf8(c.envelopeReason);
    std::replace(why.begin(), why.end(), '\r', ' ');
    return why;
}

// The marks followed by each reason, on one line.
std::string marksAndReasons(const Candidate& c)
{
    std::string shown = marks(c);
    for (const std::string* why : {&c.reason, &c.envelopeReason})
        if (!why->empty())
            shown += " " + printableLine(toUtf8(*why));
    return shown;
}

} // namespace

std::string CandidateCell::shown() const
{
    if (kind == Kind::Integer)
        return std::to_string(static_cast<std::int64_t>(number));
    return text;
}

std::string CandidateColumn::headerIn(CandidateOutput output, const LanguageTable& languages,
                                      int language, UnitSystem system) const
{
    std::string shown = headerEntry != LanguageEntry::None && output != Output::Sheet
                            ? std::string(languages.text(language, headerEntry))
                            : std::string(header);
    if (quantity && system != UnitSystem::Si) {
        // "Qo [W]" becomes "Qo [Btu/h]", "tk [C]" "tk [°F]".
        const auto open = shown.rfind('[');
        if (open != std::string::npos)
            shown = shown.substr(0, open) + "[" + std::string(unitOf(*quantity, system)) + "]";
    }
    return shown;
}

std::string_view CandidateColumn::keyIn(UnitSystem system) const
{
    return system != UnitSystem::Si && !inchPoundKey.empty() ? inchPoundKey : key;
}

CandidateCell inUnits(const CandidateCell& cell, const CandidateColumn& column, UnitSystem system,
                      char separator)
{
    if (!column.quantity || system == UnitSystem::Si)
        return cell;
    const auto convert = [&](double si) {
        return displayFigure(si, *column.quantity, system, separator, false).number;
    };
    switch (cell.kind) {
    case Kind::Text:
        // A figure with its marks ("2900#"): the number converted, the marks kept.
        return text(figureTextIn(cell.text, *column.quantity, system, separator));
    case Kind::Integer:
    case Kind::Number: {
        // The figure as shown, so that every output gives the same converted figure.
        CandidateCell shown = cell;
        shown.number = *parseNumberWithComma(convert(cell.number));
        return shown;
    }
    case Kind::None:
    case Kind::Flag:
        break;
    }
    return cell;
}

// The export's columns come in the order of its sheet, the JSON's keys in theirs; the window
// numbers its rows under "Poz." where the others name them "Row" beside the unit's "Poz.".
const std::array<CandidateColumn, 15> kCandidateColumns{{
    // The window's row number.
    {"", "", LanguageEntry::Item, kWindow, false,
     [](const Candidate&, int row, Output) { return integer(row); }},
    {"row", "Row", LanguageEntry::None, kTextTable | kJson | kSheet, true,
     [](const Candidate&, int row, Output) { return integer(row); }},
    {"unitIndex", "Poz.", LanguageEntry::None, kTextTable | kJson | kSheet, true,
     [](const Candidate& c, int, Output) { return integer(c.unitIndex); }},
    {"name", "Model", LanguageEntry::Model, kWindow | kTextTable | kJson | kSheet, false,
     [](const Candidate& c, int, Output) { return text(toUtf8(c.unitName.view())); }},
    {"capacityW", "Qo [W]", LanguageEntry::None, kWindow | kTextTable | kJson | kSheet, true,
     [](const Candidate& c, int, Output output) {
         return figure(c, output, c.capacityText, c.capacityW, true);
     },
     Quantity::Capacity, "capacityBtuh"},
    {"powerKW", "Pe [kW]", LanguageEntry::None, kWindow | kTextTable | kJson | kSheet, true,
     [](const Candidate& c, int, Output output) {
         return figure(c, output, c.powerText, c.powerKW, false);
     },
     Quantity::Power},
    {"ok", "", LanguageEntry::None, kJson, false,
     [](const Candidate& c, int, Output) { return flag(c.evaluated); }},
    {"gaveUp", "", LanguageEntry::None, kJson, false,
     [](const Candidate& c, int, Output) { return flag(c.gaveUp); }},
    // Why a row has no figures.
    {"reason", "", LanguageEntry::None, kJson, false,
     [](const Candidate& c, int, Output) { return c.evaluated ? none() : text(toUtf8(c.reason)); }},
    // To one decimal, as the details show a condensing temperature.
    {"", "tk [C]", LanguageEntry::None, kSheet, false,
     [](const Candidate& c, int, Output) {
         return c.evaluated ? number(roundToTenth(c.condensingTemperature) + 0.0) : none();
     },
     Quantity::Temperature},
    {"envelope", "envelope", LanguageEntry::None, kJson | kSheet, false,
     [](const Candidate& c, int, Output output) {
         if (!c.evaluated)
             return output == Output::Sheet ? text("") : none();
         return text(std::string(envelopePositionName(c.envelope)));
     }},
    {"tk", "", LanguageEntry::None, kJson, false,
     [](const Candidate& c, int, Output) {
         return c.evaluated ? number(c.condensingTemperature) : none();
     },
     Quantity::Temperature, "tkF"},
    {"", "mark", LanguageEntry::None, kSheet, false,
     [](const Candidate& c, int, Output) { return text(marks(c)); }},
    {"", "reason", LanguageEntry::None, kSheet, false,
     [](const Candidate& c, int, Output) { return text(reasons(c)); }},
    // A text table's last column: the marks and each reason on the same line.
    {"", "", LanguageEntry::None, kTextTable, false,
     [](const Candidate& c, int, Output) { return text(marksAndReasons(c)); }},
}};

std::vector<const CandidateColumn*> candidateColumns(CandidateOutput output)
{
    std::vector<const CandidateColumn*> columns;
    for (const CandidateColumn& column : kCandidateColumns)
        if (column.shownIn(output))
            columns.push_back(&column);
    return columns;
}

} // namespace kelvo
