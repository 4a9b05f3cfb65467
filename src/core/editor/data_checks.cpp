#include "core/editor/data_checks.h"

#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "core/editor/record_field_maps.h"
#include "core/performance/compressor_model.h"
#include "core/performance/condenser_model.h"
#include "core/text/code_page.h"
#include "core/text/numeric_text.h"
#include "core/text/untrusted_text.h"

namespace kelvo
{
namespace
{

constexpr double kLowestCop = 0.5;
constexpr double kHighestCop = 15.0;
// The compressor editor shows points 1 .. 8 of each envelope; the envelope reads all ten.
constexpr int kEnvelopeEditorPoints = 8;

std::string quoted(std::string_view recordText)
{
    return "\"" + toUtf8(recordText) + "\"";
}

std::string number(double value)
{
    return formatNumber(value, ',');
}

template <class Table>
void duplicateIds(std::vector<CheckLine>& lines, const Table& table, EditorGrid grid,
                  std::string_view name)
{
    std::map<std::string, int> first;
    for (int i = 1; i <= table.count(); ++i) {
        const auto [at, fresh] = first.emplace(table[i].id.str(), i);
        if (!fresh)
            lines.push_back({std::string(name) + ": wiersz " + std::to_string(i) +
                                 " ma ten sam identyfikator " + quoted(table[i].id.view()) +
                                 " co wiersz " + std::to_string(at->second),
                             grid, i});
    }
}

template <class Table, class Link>
void brokenLinks(std::vector<CheckLine>& lines, const Catalogue& catalogue, const Table& table,
                 Link link, std::string_view what)
{
    for (int u = 1; u <= catalogue.units.count(); ++u) {
        const auto& id = catalogue.units[u].*link;
        if (id.view() == "0")
            continue;
        bool found = false;
        for (int i = 1; i <= table.count() && !found; ++i)
            found = table[i].id.view() == id.view();
        if (!found)
            lines.push_back({"Agregaty: wiersz " + std::to_string(u) + " – " + std::string(what) +
                                 " o identyfikatorze " + quoted(id.view()) + " nie istnieje",
                             EditorGrid::Units, u});
    }
}

// The "to" range of the points of envelope 1 whose to and tk both convert.
std::optional<std::pair<double, double>> envelopeToRange(const Envelope& envelope)
{
    std::optional<std::pair<double, double>> range;
    for (int p = 0; p < Envelope::pointCount; ++p) {
        const auto to = parseNumber(envelope.to[p].view());
        if (!to || !parseNumber(envelope.tk[p].view()))
            continue;
        range = range ? std::pair{std::min(range->first, *to), std::max(range->second, *to)}
                      : std::pair{*to, *to};
    }
    return range;
}

void unitRanges(std::vector<CheckLine>& lines, const Catalogue& catalogue)
{
    for (int u = 1; u <= catalogue.units.count(); ++u) {
        const CondensingUnitRecord& unit = catalogue.units[u];
        const auto low = parseNumber(unit.toMin.view());
        const auto high = parseNumber(unit.toMax.view());
        int c = 0;
        for (int i = 1; i <= catalogue.compressors.count() && c == 0; ++i)
            if (catalogue.compressors[i].id.view() == unit.compressorId.view())
                c = i;
        if (!low || !high || c == 0)
            continue;
        const auto range = envelopeToRange(catalogue.compressors[c].envelopes[0]);
        if (range && (*low < range->first || *high > range->second))
            lines.push_back({"Agregaty: wiersz " + std::to_string(u) + " – zakres to " +
                                 number(*low) + " .. " + number(*high) +
                                 " wychodzi poza kopertę 1 sprężarki z wiersza " +
                                 std::to_string(c) + " (" + number(range->first) + " .. " +
                                 number(range->second) + ")",
                             EditorGrid::Units, u});
    }
}

void compressorFigures(std::vector<CheckLine>& lines, const CompressorRecord& record, int i)
{
    const std::string row = "Sprężarki: wiersz " + std::to_string(i);
    const auto line = [&](const std::string& text) {
        lines.push_back({row + " – " + text, EditorGrid::Compressors, i});
    };
    for (int set = 0; set < 2; ++set) {
        const FixedText<20>& multiplier =
            record.coeffSets[static_cast<std::size_t>(set)].multiplier;
        if (!multiplier.empty() && !parseNumber(multiplier.view()))
            line(std::string(set == 0 ? "mnożnik Qo " : "mnożnik Pe ") + quoted(multiplier.view()) +
                 " nie jest liczbą (obliczenia przyjmują 1)");
    }
    CompressorRecord copy = record; // reading the sets rewrites their decimal points
    const CoefficientValues capacity = readCoefficientSet(copy, 1);
    const CoefficientValues power = readCoefficientSet(copy, 2);
    if (capacity.form() != PolynomialForm::None && capacity.c == power.c &&
        capacity.converted == power.converted)
        line("współczynniki Pe są takie same jak współczynniki Qo");
    const Envelope& envelope = record.envelopes[0];
    bool figureReported = false;
    bool copReported = false;
    for (int p = 0; p < Envelope::pointCount; ++p) {
        const auto to = parseNumber(envelope.to[p].view());
        const auto tk = parseNumber(envelope.tk[p].view());
        if (!to || !tk)
            continue;
        const std::string point = " w punkcie " + std::to_string(p + 1) + " koperty 1 (to " +
                                  number(*to) + ", tk " + number(*tk) + ")";
        double qo = NAN;
        double pe = NAN;
        try {
            const RatedValue q = ratedCapacity(capacity, *to, *tk);
            const RatedValue e = ratedPower(power, *to, *tk);
            if (!q.usable || !e.usable)
                continue;
            qo = q.kW;
            pe = e.kW;
        } catch (const EvaluationFault&) {
            // qo or pe stays not finite and is reported below
        }
        if (!figureReported &&
            (!(qo > 0) || !(pe > 0) || !std::isfinite(qo) || !std::isfinite(pe))) {
            figureReported = true;
            line("Qo = " + number(qo) + " kW, Pe = " + number(pe) + " kW" + point);
            continue;
        }
        if (!copReported && qo > 0 && pe > 0) {
            const double cop = qo / pe;
            if (cop < kLowestCop || cop > kHighestCop) {
                copReported = true;
                line("COP = " + number(roundToTenth(cop)) + point);
            }
        }
    }
}

// The name a record is listed by.
std::string_view shownName(const CompressorRecord& r)
{
    return r.model.view();
}
std::string_view shownName(const CondenserRecord& r)
{
    return r.model.view();
}
std::string_view shownName(const CondensingUnitRecord& r)
{
    return r.name.view();
}
std::string_view shownName(const FrameRecord& r)
{
    return r.name.view();
}

// A numeric row as its record editor shows it; the suction rows have no caption of their own
// but their radio button's, the subcooling row only its group's.
template <class Record>
std::string numberName(const EditorForm<Record>& form, const FieldRow<Record>& row)
{
    if (!row.label.empty() || !row.column.empty())
        return fieldName(row);
    if (form.suctionMode && row.shown != SuctionVisibility::Always) {
        const auto& mode = *form.suctionMode;
        return std::string(row.group) + ": " +
               std::string(row.shown == SuctionVisibility::WhenSuperheatGiven
                               ? mode.superheatGiven.caption
                               : mode.temperatureGiven.caption);
    }
    return std::string(row.group);
}

// One line for each field of a table's records that the program reads as a number and would
// not convert: every numeric row of the record editor (parseNumber, which takes the same texts
// as the calculation's reading with "." turned into ","), the envelope points the editor does
// not show, and the identifier that "Dodaj wolny wiersz" reads as a whole number. An empty
// field is a finding only where it is read all the same (a unit's range and counts, the
// suction state and subcooling the record uses, the identifier); elsewhere it means not given.
template <class Table, class Record>
void unconvertedNumbers(std::vector<CheckLine>& lines, const Table& table,
                        const EditorForm<Record>& form, EditorGrid grid, std::string_view name)
{
    for (int i = 1; i <= table.count(); ++i) {
        const Record& record = table[i];
        std::string row = std::string(name) + ": wiersz " + std::to_string(i);
        if (const std::string_view shown = shownName(record); !shown.empty())
            row += " (" + quotedText(toUtf8(shown)) + ")";
        // A field whose text does not convert, or that is empty where a number is needed.
        const auto line = [&](const std::string& field, std::string_view text,
                              std::string_view notConverted, std::string_view emptyNeeded) {
            lines.push_back({row + " – pole „" + field + "”" +
                                 (text.empty() ? " jest puste, a " + std::string(emptyNeeded)
                                               : ": \"" + quotedText(toUtf8(text)) + "\" " +
                                                     std::string(notConverted)),
                             grid, i});
        };
        constexpr std::string_view kNotANumber = "nie jest liczbą";
        constexpr std::string_view kNeeded = "obliczenia potrzebują liczby";
        if constexpr (requires { record.id; })
            if (!parseInteger(record.id.view()))
                line("identyfikator", record.id.view(), "nie jest liczbą całkowitą",
                     "„Dodaj wolny wiersz” potrzebuje liczby całkowitej");
        for (const FieldRow<Record>& field : form.rows) {
            if (field.number == FieldNumber::None)
                continue;
            const std::string_view text = field.field.read(record);
            if (text.empty()
                    ? field.number == FieldNumber::Required && rowShown(form, field, record)
                    : !parseNumber(text))
                line(numberName(form, field), text, kNotANumber, kNeeded);
        }
        if constexpr (std::is_same_v<Record, CompressorRecord>)
            for (std::size_t e = 0; e < record.envelopes.size(); ++e)
                for (int p = kEnvelopeEditorPoints; p < Envelope::pointCount; ++p)
                    for (const auto& [column, texts] : {std::pair{"to", &record.envelopes[e].to},
                                                        std::pair{"tk", &record.envelopes[e].tk}}) {
                        const std::string_view text = (*texts)[static_cast<std::size_t>(p)].view();
                        if (!text.empty() && !parseNumber(text))
                            line("Koperta pracy " + std::to_string(e + 1) + ": " + column + " " +
                                     std::to_string(p + 1),
                                 text, kNotANumber, kNeeded);
                    }
    }
}

} // namespace

std::vector<CheckLine> checkData(const Catalogue& catalogue)
{
    std::vector<CheckLine> lines;
    duplicateIds(lines, catalogue.compressors, EditorGrid::Compressors, "Sprężarki");
    duplicateIds(lines, catalogue.condensers, EditorGrid::Condensers, "Skraplacze");
    duplicateIds(lines, catalogue.frames, EditorGrid::Frames, "Ramy");
    brokenLinks(lines, catalogue, catalogue.compressors, &CondensingUnitRecord::compressorId,
                "sprężarka");
    brokenLinks(lines, catalogue, catalogue.condensers, &CondensingUnitRecord::condenserId,
                "skraplacz");
    brokenLinks(lines, catalogue, catalogue.frames, &CondensingUnitRecord::frameId, "rama");
    unitRanges(lines, catalogue);
    for (int i = 1; i <= catalogue.compressors.count(); ++i)
        compressorFigures(lines, catalogue.compressors[i], i);
    for (int k = 1; k <= catalogue.condensers.count(); ++k) {
        CondenserRecord copy = catalogue.condensers[k];
        const CondenserModel model = CondenserModel::read(copy);
        if (model.kind() != CondenserModelKind::TwoPoint)
            continue;
        double at15 = NAN;
        try {
            at15 = model.capacityAt15K();
        } catch (const EvaluationFault&) {
        }
        if (!(at15 > 0))
            lines.push_back({"Skraplacze: wiersz " + std::to_string(k) +
                                 " – dwa punkty dają Qk15 = " + number(at15) + " kW",
                             EditorGrid::Condensers, k});
    }
    unconvertedNumbers(lines, catalogue.compressors, compressorEditorForm(),
                       EditorGrid::Compressors, "Sprężarki");
    unconvertedNumbers(lines, catalogue.condensers, condenserEditorForm(), EditorGrid::Condensers,
                       "Skraplacze");
    unconvertedNumbers(lines, catalogue.units, unitEditorForm(), EditorGrid::Units, "Agregaty");
    unconvertedNumbers(lines, catalogue.frames, frameEditorForm(), EditorGrid::Frames, "Ramy");
    return lines;
}

std::vector<CheckLine> checkDataOf(const Catalogue& catalogue, EditorGrid menu)
{
    std::vector<CheckLine> lines;
    for (CheckLine& line : checkData(catalogue))
        if (line.table == menu || (menu == EditorGrid::Units && line.table == EditorGrid::Frames))
            lines.push_back(std::move(line));
    return lines;
}

} // namespace kelvo
