#include "core/app/control_captions.h"

#include <array>
#include <cstddef>

#include "core/app/language_table.h"

namespace kelvo
{
namespace
{

using Captions = std::array<std::string_view, kLanguageCount>;

// Polish, English, Czech, Slovak, Lithuanian; in the order of ControlCaption.
// clang-format off
constexpr std::array<Captions, 12> kCaptions = {{
    {"Wyjście", "Exit", "Konec", "Koniec", "Išeiti"},
    {"Karta danych", "Datasheet", "Technický list", "Technický list", "Duomenų lapas"},
    {"Eksport", "Export", "Export", "Export", "Eksportas"},
    {"Dobierz", "Find", "Vybrat", "Vybrať", "Parinkti"},
    {"Zamknij", "Close", "Zavřít", "Zavrieť", "Uždaryti"},
    {"Zapisz jako PDF", "Save as PDF", "Uložit jako PDF", "Uložiť ako PDF", "Įrašyti kaip PDF"},
    {"Drukuj", "Print", "Tisk", "Tlačiť", "Spausdinti"},
    {"Powiększ", "Zoom in", "Přiblížit", "Priblížiť", "Padidinti"},
    {"Pomniejsz", "Zoom out", "Oddálit", "Oddialiť", "Sumažinti"},
    {"Do szerokości", "Fit width", "Na šířku", "Na šírku", "Pagal plotį"},
    {"Porównaj", "Compare", "Porovnat", "Porovnať", "Palyginti"},
    {"PDF", "PDF", "PDF", "PDF", "PDF"},
}};
// clang-format on

} // namespace

std::string_view controlCaption(ControlCaption caption, int language)
{
    if (language < 1 || language > kLanguageCount)
        language = kEnglish;
    return kCaptions[static_cast<std::size_t>(caption)][static_cast<std::size_t>(language - 1)];
}

} // namespace kelvo
