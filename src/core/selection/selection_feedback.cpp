#include "core/selection/selection_feedback.h"

#include <array>

#include "core/app/language_table.h"
#include "core/catalogue/lookups.h"
#include "core/selection/family_filter.h"
#include "core/selection/selection_session.h"
#include "core/text/code_page.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

using Texts = std::array<std::string_view, kLanguageCount>; // Polish, English, Czech, Slovak,
                                                            // Lithuanian

// %1, %2, %3 stand for the arguments.
constexpr Texts kTickFilters{
    "Zaznacz pole w grupach „%1” i „%2”, aby zobaczyć agregaty.",
    "Tick a box under “%1” and under “%2” to see units.",
    "Zaškrtněte políčko ve skupinách „%1“ a „%2“, aby se zobrazily jednotky.",
    "Zaškrtnite políčko v skupinách „%1“ a „%2“, aby sa zobrazili jednotky.",
    "Pažymėkite langelį grupėse „%1“ ir „%2“, kad matytumėte agregatus."};
constexpr Texts kTickVersion{"Zaznacz też pole w grupie „%1”, aby zobaczyć agregaty.",
                             "Tick a box under “%1” as well to see units.",
                             "Zaškrtněte také políčko ve skupině „%1“, aby se zobrazily jednotky.",
                             "Zaškrtnite aj políčko v skupine „%1“, aby sa zobrazili jednotky.",
                             "Taip pat pažymėkite langelį grupėje „%1“, kad matytumėte agregatus."};
constexpr Texts kNoUnitPasses{
    "Żaden agregat nie spełnia zaznaczonych kryteriów dla tego czynnika chłodniczego.",
    "No unit matches the ticked boxes for this refrigerant.",
    "Zaškrtnutým políčkům pro toto chladivo neodpovídá žádná jednotka.",
    "Zaškrtnutým políčkam pre toto chladivo nezodpovedá žiadna jednotka.",
    "Pažymėtus langelius šiam šaltnešiui atitinkančių agregatų nėra."};
constexpr Texts kOutsideRange{
    "Żaden z tych agregatów nie pracuje przy temperaturze parowania %1 C.",
    "None of these units works at an evaporating temperature of %1 C.",
    "Žádná z těchto jednotek nepracuje při vypařovací teplotě %1 C.",
    "Žiadna z týchto jednotiek nepracuje pri vyparovacej teplote %1 C.",
    "Nė vienas iš šių agregatų neveikia esant %1 C garavimo temperatūrai."};
constexpr Texts kNotANumber{
    "Wymagana wydajność „%1” nie jest liczbą.", "The required capacity “%1” is not a number.",
    "Požadovaný výkon „%1“ není číslo.", "Požadovaný výkon „%1“ nie je číslo.",
    "Reikalinga galia „%1“ nėra skaičius."};
constexpr Texts kLargestChosen{
    "Żaden agregat nie osiąga %1 %4; wybrano największy: %2, %3 %4.",
    "No unit reaches %1 %4; the largest was chosen: %2, %3 %4.",
    "Žádná jednotka nedosahuje %1 %4; vybrána největší: %2, %3 %4.",
    "Žiadna jednotka nedosahuje %1 %4; vybraná najväčšia: %2, %3 %4.",
    "Nė vienas agregatas nepasiekia %1 %4; pasirinktas didžiausias: %2, %3 %4."};
constexpr Texts kNotAboveZero{"Wymagana wydajność musi być większa od 0 (wpisano „%1”).",
                              "The required capacity must be above 0 (typed “%1”).",
                              "Požadovaný výkon musí být větší než 0 (zadáno „%1“).",
                              "Požadovaný výkon musí byť väčší ako 0 (zadané „%1“).",
                              "Reikalinga galia turi būti didesnė už 0 (įvesta „%1“)."};
constexpr Texts kRequired{"Wymagana wydajność: %1 %2", "Required: %1 %2", "Požadovaný výkon: %1 %2",
                          "Požadovaný výkon: %1 %2", "Reikalinga galia: %1 %2"};
constexpr Texts kOutdated{
    "Te dane dotyczą poprzednich danych wejściowych – wybierz agregat z listy.",
    "These details belong to the previous inputs – choose a unit in the list.",
    "Tyto údaje patří k předchozím vstupům – vyberte jednotku ze seznamu.",
    "Tieto údaje patria k predchádzajúcim vstupom – vyberte jednotku zo zoznamu.",
    "Šie duomenys priklauso ankstesniems įvesties duomenims – pasirinkite agregatą sąraše."};
constexpr Texts kChooseUnit{"Najpierw wybierz agregat z listy.", "Choose a unit in the list first.",
                            "Nejprve vyberte jednotku ze seznamu.",
                            "Najprv vyberte jednotku zo zoznamu.",
                            "Pirmiausia pasirinkite agregatą sąraše."};

std::string_view textOf(const Texts& texts, int language)
{
    if (language < 1 || language > kLanguageCount)
        language = kEnglish;
    return texts[static_cast<std::size_t>(language - 1)];
}

std::string filled(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    std::string text(pattern);
    char digit = '1';
    for (const std::string_view argument : arguments) {
        const std::string placeholder{'%', digit++};
        for (auto at = text.find(placeholder); at != std::string::npos;
             at = text.find(placeholder, at + argument.size()))
            text.replace(at, placeholder.size(), argument);
    }
    return text;
}

template <std::size_t N> bool anyTicked(const std::array<bool, N>& ticks)
{
    for (const bool tick : ticks)
        if (tick)
            return true;
    return false;
}

} // namespace

EmptyListReason emptyListReason(const SelectionSession& session)
{
    const SelectionState& selection = session.state();
    const Catalogue& catalogue = session.workspace().catalogue();
    if (!selection.candidates.rows.empty())
        return EmptyListReason::NotEmpty;
    if (!anyTicked(selection.kinds) || !anyTicked(selection.brands))
        return EmptyListReason::NothingTicked;
    if (selection.familyIsBase && !anyTicked(selection.versions))
        return EmptyListReason::NoVersionTicked;
    for (int s = 1; s <= catalogue.units.count(); ++s) {
        const CondensingUnitRecord& unit = catalogue.units[s];
        if (passesFamilyAndFilters(selection, session.refrigerant(), unit, catalogue,
                                   findCompressorOfUnit(catalogue, s)))
            return EmptyListReason::OutsideEvaporatingRange;
    }
    return EmptyListReason::NoUnitPassesFilters;
}

std::string emptyListHint(const SelectionSession& session, int language)
{
    const auto caption = [&](int entry) { return session.languages().text(language, entry); };
    switch (emptyListReason(session)) {
    case EmptyListReason::NotEmpty:
        return {};
    case EmptyListReason::NothingTicked:
        return filled(textOf(kTickFilters, language), {caption(LanguageEntry::CompressorType),
                                                       caption(LanguageEntry::CompressorBrand)});
    case EmptyListReason::NoVersionTicked:
        return filled(textOf(kTickVersion, language), {caption(LanguageEntry::Condenser)});
    case EmptyListReason::NoUnitPassesFilters:
        return std::string(textOf(kNoUnitPasses, language));
    case EmptyListReason::OutsideEvaporatingRange:
        return filled(textOf(kOutsideRange, language),
                      {formatNumber(session.state().evaporatingTemperature,
                                    session.workspace().displaySeparator())});
    }
    return {};
}

std::optional<std::string> capacitySearchNote(const SelectionSession& session,
                                              std::string_view required, int language)
{
    if (required.find_first_not_of(' ') == std::string_view::npos)
        return std::nullopt;
    const auto wanted = parseNumber(required);
    if (!wanted)
        return filled(textOf(kNotANumber, language), {toUtf8(required)});
    const SelectionState& selection = session.state();
    const Candidate* chosen =
        selection.selectedRow ? selection.candidates.row(*selection.selectedRow) : nullptr;
    if (!chosen || !chosen->evaluated)
        return std::nullopt;
    // Only when no unit reaches it: a smaller unit chosen for a smaller shortfall is the
    // search's normal answer.
    for (const Candidate& candidate : selection.candidates.rows)
        if (candidate.evaluated && candidate.capacityW >= *wanted)
            return std::nullopt;
    // In the units the list shows.
    const char separator = session.workspace().displaySeparator();
    const UnitSystem units = session.units();
    return filled(textOf(kLargestChosen, language),
                  {displayFigure(*wanted, Quantity::Capacity, units, separator, false).number,
                   toUtf8(chosen->unitName.view()),
                   figureTextIn(chosen->capacityText, Quantity::Capacity, units, separator),
                   std::string(unitOf(Quantity::Capacity, units))});
}

std::optional<std::string> requiredCapacityNote(const SelectionSession& session, int language)
{
    const std::string typed = session.requiredCapacityText();
    const std::string required = session.requiredCapacityWatts();
    const auto wanted = parseNumber(required);
    if (wanted && !(*wanted > 0))
        return filled(textOf(kNotAboveZero, language), {toUtf8(typed)});
    if (auto note = capacitySearchNote(session, required, language))
        return note;
    if (!wanted)
        return std::nullopt;
    // What was read, in the units shown: "12.000" read as 12 W is seen at once.
    const UnitSystem units = session.units();
    return filled(textOf(kRequired, language),
                  {displayFigure(*wanted, Quantity::Capacity, units,
                                 session.workspace().displaySeparator(), false)
                       .number,
                   std::string(unitOf(Quantity::Capacity, units))});
}

bool detailsOutdated(const SelectionState& selection)
{
    return selection.details.has_value() && !selection.selectedRow;
}

std::string outdatedDetailsNote(int language)
{
    return std::string(textOf(kOutdated, language));
}

std::string chooseUnitNote(int language)
{
    return std::string(textOf(kChooseUnit, language));
}

} // namespace kelvo
