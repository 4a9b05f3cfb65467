#include "core/app/language_table.h"

#include <cstddef>

namespace kelvo
{
namespace
{

constexpr std::array<std::string_view, kLanguageCount> kLanguageNames = {
    "Polski", "English", "Česky", "Slovensky", "Lietuviř"};

struct EntryTexts {
    int entry;
    // Polish, English, Czech, Slovak, Lithuanian.
    std::array<std::string_view, kLanguageCount> texts;
};

// Every entry with a text; the entries missing here are empty in all languages.
// clang-format off
constexpr EntryTexts kEntries[] = {
    {1, {"Program", "Software", "Program", "Program", "Programa"}},
    {2, {"Wyjście", "Exit", "Konec", "Koniec", "Išeiti"}},
    {3, {"Język", "Language", "Jazyk", "Jazyk", "Kalba"}},
    {4, {"Pomoc", "Help", "Pomoc", "Pomoc", "Pagalba"}},
    {5, {"Informacje", "Info", "Informace", "Informácie", "Informacija"}},
    {9, {"Czynnik chłodniczy", "Refrigerant", "Chladivo", "Chladivo", "Šaltnešis"}},
    {10, {"Temperatura parowania", "Evaporation temperature", "Vypařovací teplota", "Vyparovacia teplota", "Garavimo temperatūra"}},
    {11, {"Temperatura otoczenia", "Ambient temperature", "Teplota okolí", "Teplota okolia", "Aplinkos temperatūra"}},
    {12, {"Wydajność chłodnicza", "Cooling capacity", "Chladicí výkon", "Chladiaci výkon", "Šaldymo galia"}},
    {13, {"Wymiary", "Dimensions", "Rozměry", "Rozmery", "Matmenys"}},
    {16, {"Rodzaj sprężarki", "Compressor type", "Typ kompresoru", "Typ kompresora", "Kompresoriaus tipas"}},
    {17, {"HERMETYCZNA - spiralna", "HERMETIC -Scroll", "HERMETICKÝ - spirálový", "HERMETICKÝ - špirálový", "HERMETINIS - spiralinis"}},
    {18, {"HERMETYCZNA - tłokowa", "HERMETIC- piston", "HERMETICKÝ - pístový", "HERMETICKÝ - piestový", "HERMETINIS - stūmoklinis"}},
    {19, {"PÓŁHERMETYCZNA - tłokowa", "SEMIHERMETIC- piston", "POLOHERMETICKÝ - pístový", "POLOHERMETICKÝ - piestový", "PUSIAU HERMETINIS - stūmoklinis"}},
    {21, {"Marka sprężarki", "Compressor brand", "Značka kompresoru", "Značka kompresora", "Kompresoriaus gamintojas"}},
    {22, {"COPELAND", "COPELAND", "COPELAND", "COPELAND", "COPELAND"}},
    {23, {"FRASCOLD", "FRASCOLD", "FRASCOLD", "FRASCOLD", "FRASCOLD"}},
    {24, {"MANEUROP", "MANEUROP", "MANEUROP", "MANEUROP", "MANEUROP"}},
    {26, {"Skraplacz", "Condenser", "Kondenzátor", "Kondenzátor", "Kondensatorius"}},
    {27, {"STANDARDOWY (SB)", "Standard (SB)", "STANDARDNÍ (SB)", "ŠTANDARDNÝ (SB)", "STANDARTINIS (SB)"}},
    {28, {"POWIĘKSZONY (KB)", "Enlarged (KB)", "ZVĚTŠENÝ (KB)", "ZVÄČŠENÝ (KB)", "PADIDINTAS (KB)"}},
    {30, {"Akcesoria podstawowe - BASE", "Standard accessories - BASE", "Standardní příslušenství - BASE", "Štandardné príslušenstvo - BASE", "Standartiniai priedai - BASE"}},
    {31, {"Grzałka karteru", "Crancase heater", "Vyhřívání klikové skříně", "Ohrev kľukovej skrine", "Karterio šildytuvas"}},
    {32, {"Zawory odcinające na sprężarce", "Shut-off valves on the compressor", "Uzavírací ventily na kompresoru", "Uzatváracie ventily na kompresore", "Uždaromieji vožtuvai ant kompresoriaus"}},
    {33, {"Wziernik oleju na sprężarce", "Oil sightglass on the compressor", "Průhledítko oleje na kompresoru", "Priezor oleja na kompresore", "Alyvos stebėjimo langelis ant kompresoriaus"}},
    {34, {"Presostat podwójny", "Dual pressure switch", "Dvojitý presostat", "Dvojitý presostat", "Dviguba slėgio relė"}},
    {35, {"Presostat różnicowy", "Differential pressure switch", "Diferenční presostat", "Diferenčný presostat", "Diferencinė slėgio relė"}},
    {36, {"Puszka przyłączeniowa", "Connection box", "Připojovací skříňka", "Pripojovacia skrinka", "Jungiamoji dėžutė"}},
    {37, {"Zbiornik cieczy czynnika", "Liquid receiver", "Sběrač kapalného chladiva", "Zberač kvapalného chladiva", "Skysto šaltnešio resyveris"}},
    {39, {"Akcesoria dodatkowe - BASE", "Optional accessories - BASE", "Volitelné příslušenství - BASE", "Voliteľné príslušenstvo - BASE", "Papildomi priedai - BASE"}},
    {40, {"Odolejacz", "Oil separator", "Odlučovač oleje", "Odlučovač oleja", "Alyvos separatorius"}},
    {41, {"Regulacja wydajności sprężarki", "Capacity control", "Regulace výkonu kompresoru", "Regulácia výkonu kompresora", "Kompresoriaus našumo reguliavimas"}},
    {42, {"Odciążenie rorzruchu sprężarki", "Unloaded start", "Odlehčený rozběh kompresoru", "Odľahčený rozbeh kompresora", "Kompresoriaus paleidimas be apkrovos"}},
    {43, {"Regulacja obrotów wentylatora", "Condenser fan control", "Regulace otáček ventilátoru", "Regulácia otáčok ventilátora", "Ventiliatoriaus sūkių reguliavimas"}},
    {44, {"szt.", "pcs", "ks", "ks", "vnt."}},
    {45, {"Presostat wysokiego ciśnienia", "High pressure switch", "Vysokotlaký presostat", "Vysokotlakový presostat", "Aukšto slėgio relė"}},
    {46, {"szt.", "pcs", "ks", "ks", "vnt."}},
    {47, {"Presostat niskiego ciśnienia", "Low pressure switch", "Nízkotlaký presostat", "Nízkotlakový presostat", "Žemo slėgio relė"}},
    {48, {"szt.", "pcs", "ks", "ks", "vnt."}},
    {49, {"2 zawory bezp. z zaw. 3-drożnym", "2 safety valves with a changeover valve", "2 pojistné ventily s třícestným přepínacím ventilem", "2 poistné ventily s trojcestným prepínacím ventilom", "2 apsauginiai vožtuvai su trieigiu perjungimo vožtuvu"}},
    {51, {"Akcesoria podstawowe - BOX", "Standard accessories - BOX", "Standardní příslušenství - BOX", "Štandardné príslušenstvo - BOX", "Standartiniai priedai - BOX"}},
    {52, {"Grzałka karteru", "Crancase heater", "Vyhřívání klikové skříně", "Ohrev kľukovej skrine", "Karterio šildytuvas"}},
    {53, {"Zawory odcinające na sprężarce", "Shut-off valves on the compressor", "Uzavírací ventily na kompresoru", "Uzatváracie ventily na kompresore", "Uždaromieji vožtuvai ant kompresoriaus"}},
    {54, {"Wziernik oleju na sprężarce", "Oil sightglass on the compressor", "Průhledítko oleje na kompresoru", "Priezor oleja na kompresore", "Alyvos stebėjimo langelis ant kompresoriaus"}},
    {55, {"Presostat podwójny", "Dual pressure switch", "Dvojitý presostat", "Dvojitý presostat", "Dviguba slėgio relė"}},
    {56, {"Presostat różnicowy", "Differential pressure switch", "Diferenční presostat", "Diferenčný presostat", "Diferencinė slėgio relė"}},
    {57, {"1x presostat wys. cisnienia", "High pressure switch", "1x vysokotlaký presostat", "1x vysokotlakový presostat", "1x aukšto slėgio relė"}},
    {58, {"Zbiornik cieczy czynnika", "Liquid receiver", "Sběrač kapalného chladiva", "Zberač kvapalného chladiva", "Skysto šaltnešio resyveris"}},
    {59, {"Obudowa szafy elektrycznej", "Casing of the electric box", "Skříň elektrického rozvaděče", "Skriňa elektrického rozvádzača", "Elektros skydo korpusas"}},
    {60, {"Okablowanie do listwy zaciskowej", "Wiring to the terminals", "Zapojení na svorkovnici", "Zapojenie na svorkovnicu", "Laidų prijungimas prie gnybtyno"}},
    {61, {"Filtr osuszacz", "Filter drier", "Filtrdehydrátor", "Filterdehydrátor", "Filtras-džiovintuvas"}},
    {62, {"Wziernik w linii cieczy", "Sightglass on liquid line", "Průhledítko v kapalinovém potrubí", "Priezor v kvapalinovom potrubí", "Stebėjimo langelis skysčio linijoje"}},
    {63, {"Zawór odc. w linii cieczy", "Shut-off valve on liquid line", "Uzavírací ventil v kapalinovém potrubí", "Uzatvárací ventil v kvapalinovom potrubí", "Uždaromasis vožtuvas skysčio linijoje"}},
    {65, {"Akcesoria dodatkowe - BOX", "Optional accessories - BOX", "Volitelné příslušenství - BOX", "Voliteľné príslušenstvo - BOX", "Papildomi priedai - BOX"}},
    {66, {"Odolejacz", "Oil separator", "Odlučovač oleje", "Odlučovač oleja", "Alyvos separatorius"}},
    {67, {"Regulacja wydajności sprężarki", "Capacity control", "Regulace výkonu kompresoru", "Regulácia výkonu kompresora", "Kompresoriaus našumo reguliavimas"}},
    {68, {"Odciążenie rozruchu sprężarki", "Unloaded start", "Odlehčený rozběh kompresoru", "Odľahčený rozbeh kompresora", "Kompresoriaus paleidimas be apkrovos"}},
    {69, {"Regulacja obrotów wentylatora", "Condenser fan control", "Regulace otáček ventilátoru", "Regulácia otáčok ventilátora", "Ventiliatoriaus sūkių reguliavimas"}},
    {70, {"szt.", "pcs", "ks", "ks", "vnt."}},
    {71, {"Presostat wysokiego ciśnienia", "High pressure switch", "Vysokotlaký presostat", "Vysokotlakový presostat", "Aukšto slėgio relė"}},
    {72, {"szt.", "pcs", "ks", "ks", "vnt."}},
    {73, {"Presostat niskiego ciśnienia", "Low pressure switch", "Nízkotlaký presostat", "Nízkotlakový presostat", "Žemo slėgio relė"}},
    {74, {"szt.", "pcs", "ks", "ks", "vnt."}},
    {75, {"2 zawory bezp. z zaw. 3-drożnym", "2 safety valves with a changeover valve", "2 pojistné ventily s třícestným přepínacím ventilem", "2 poistné ventily s trojcestným prepínacím ventilom", "2 apsauginiai vožtuvai su trieigiu perjungimo vožtuvu"}},
    {76, {"Zbiornik cieczy czynnika", "Liquid receiver", "Sběrač kapalného chladiva", "Zberač kvapalného chladiva", "Skysto šaltnešio resyveris"}},
    {77, {"Obudowa szafy elektrycznej", "Casing of the electric box", "Skříň elektrického rozvaděče", "Skriňa elektrického rozvádzača", "Elektros skydo korpusas"}},
    {78, {"Okablowanie do listwy zaciskowej", "Wiring to the terminals", "Zapojení na svorkovnici", "Zapojenie na svorkovnicu", "Laidų prijungimas prie gnybtyno"}},
    {79, {"Kompletna szafa elektryczna", "Complete electric box", "Kompletní elektrický rozvaděč", "Kompletný elektrický rozvádzač", "Pilnai sukomplektuotas elektros skydas"}},
    {81, {"Zakres pracy agregatu", "Application range", "Pracovní rozsah jednotky", "Pracovný rozsah jednotky", "Agregato darbo diapazonas"}},
    {82, {"Wydajność chłodnicza - Qo [W]", "Cooling capacity - Qo [W]", "Chladicí výkon - Qo [W]", "Chladiaci výkon - Qo [W]", "Šaldymo galia - Qo [W]"}},
    {83, {"Pobór mocy elektrycznej - Pe [kW]", "Power input - Pe [kW]", "Elektrický příkon - Pe [kW]", "Elektrický príkon - Pe [kW]", "Naudojama elektros galia - Pe [kW]"}},
    {85, {"Dane Agregatu", "Condensing unit data", "Údaje kondenzační jednotky", "Údaje kondenzačnej jednotky", "Agregato duomenys"}},
    {86, {"Temperatura parowania", "Evaporation temperature", "Vypařovací teplota", "Vyparovacia teplota", "Garavimo temperatūra"}},
    {87, {"Temperatura otoczenia", "Ambient temperature", "Teplota okolí", "Teplota okolia", "Aplinkos temperatūra"}},
    {88, {"Model agregatu", "Model", "Model jednotky", "Model jednotky", "Agregato modelis"}},
    {89, {"Sprężarka", "Compressor", "Kompresor", "Kompresor", "Kompresorius"}},
    {90, {"Wydajność chłodnicza", "Cooling capacity", "Chladicí výkon", "Chladiaci výkon", "Šaldymo galia"}},
    {91, {"Pobór mocy el. sprężarki", "Compressor power input", "Příkon kompresoru", "Príkon kompresora", "Kompresoriaus naudojama galia"}},
    {92, {"Pobór mocy el. wentylatorów", "Fan power input", "Příkon ventilátorů", "Príkon ventilátorov", "Ventiliatorių naudojama galia"}},
    {93, {"Całkowity pobór mocy el.", "Total power input", "Celkový příkon", "Celkový príkon", "Bendra naudojama galia"}},
    {94, {"Współczynnik wydajności chłodniczej (COP)", "Efficiency coefficient ( COP)", "Chladicí faktor (COP)", "Chladiaci faktor (COP)", "Šaldymo koeficientas (COP)"}},
    {95, {"Wersja skraplacza", "Condenser version", "Provedení kondenzátoru", "Vyhotovenie kondenzátora", "Kondensatoriaus versija"}},
    {96, {"Temperatura skraplania", "Condensing temperature", "Kondenzační teplota", "Kondenzačná teplota", "Kondensacijos temperatūra"}},
    {97, {"Dochłodzenie", "Subcooling", "Podchlazení", "Podchladenie", "Peršaldymas"}},
    {98, {"Temperatura na ssaniu", "Suction temperature", "Teplota sání", "Teplota nasávania", "Siurbimo temperatūra"}},
    {99, {"Postać agregatu", "Structure of the condensing unit", "Provedení jednotky", "Vyhotovenie jednotky", "Agregato konstrukcija"}},
    {100, {"Min. temperatura parowania", "Min evaporation temperature", "Min. vypařovací teplota", "Min. vyparovacia teplota", "Min. garavimo temperatūra"}},
    {101, {"Max temperatura parowania", "Max evaporation teperature", "Max. vypařovací teplota", "Max. vyparovacia teplota", "Maks. garavimo temperatūra"}},
    {102, {"Masa agregatu", "Net weight", "Hmotnost jednotky", "Hmotnosť jednotky", "Agregato masė"}},
    {103, {"Głośność", "Noise level", "Hladina hluku", "Hladina hluku", "Triukšmo lygis"}},
    {105, {"Dane Wentylatora", "Fan data", "Údaje ventilátoru", "Údaje ventilátora", "Ventiliatoriaus duomenys"}},
    {106, {"Typ", "Type", "Typ", "Typ", "Tipas"}},
    {107, {"Średnica", "Diameter", "Průměr", "Priemer", "Skersmuo"}},
    {108, {"Zasilanie", "Power supply", "Napájení", "Napájanie", "Maitinimas"}},
    {109, {"Moc nominalna", "Nominal power input", "Jmenovitý příkon", "Menovitý príkon", "Vardinė galia"}},
    {110, {"Max prąd pracy", "Max. operating current", "Max. provozní proud", "Max. prevádzkový prúd", "Maks. darbo srovė"}},
    {111, {"Kondensator", "Capacitor", "Kondenzátor motoru", "Kondenzátor motora", "Variklio kondensatorius"}},
    {112, {"Obroty", "Speed", "Otáčky", "Otáčky", "Sūkiai"}},
    {113, {"Max. temp. pracy", "Max. temp. of operation", "Max. provozní teplota", "Max. prevádzková teplota", "Maks. darbo temperatūra"}},
    {114, {"Ilość wentylatorów", "Number of fans", "Počet ventilátorů", "Počet ventilátorov", "Ventiliatorių skaičius"}},
    {119, {"Dane Sprężarki", "Compressor data", "Údaje kompresoru", "Údaje kompresora", "Kompresoriaus duomenys"}},
    {120, {"Typ sprężarki", "Type", "Typ kompresoru", "Typ kompresora", "Kompresoriaus tipas"}},
    {121, {"Wydajność objętosciowa", "Displacement", "Zdvihový objem", "Zdvihový objem", "Tūrinis našumas"}},
    {122, {"Ilość oleju", "Oil amount", "Množství oleje", "Množstvo oleja", "Alyvos kiekis"}},
    {123, {"Rodzaj oleju", "Oil grade", "Druh oleje", "Druh oleja", "Alyvos rūšis"}},
    {124, {"Masa sprężarki netto", "Net weight", "Hmotnost kompresoru netto", "Hmotnosť kompresora netto", "Kompresoriaus masė neto"}},
    {125, {"Max. prąd pracy", "Max.  operating current", "Max. provozní proud", "Max. prevádzkový prúd", "Maks. darbo srovė"}},
    {126, {"Prąd rozruchowy", "Locked rotor current", "Záběrový proud", "Záberový prúd", "Paleidimo srovė"}},
    {127, {"Rozruch", "Mode of start", "Způsob rozběhu", "Spôsob rozbehu", "Paleidimo būdas"}},
    {128, {"Ilość sprężarek", "Number of compressors", "Počet kompresorů", "Počet kompresorov", "Kompresorių skaičius"}},
    {129, {"Zasilanie", "Power supply", "Napájení", "Napájanie", "Maitinimas"}},
    {130, {"Zabezpieczenie silnika", "Motor protection", "Ochrana motoru", "Ochrana motora", "Variklio apsauga"}},
    {131, {"Pobór mocy elekrycznej", "Power input", "Elektrický příkon", "Elektrický príkon", "Naudojama elektros galia"}},
    {135, {"Dane skraplacza", "Condenser", "Údaje kondenzátoru", "Údaje kondenzátora", "Kondensatoriaus duomenys"}},
    {136, {"Typ skraplacza", "Condenser coil model", "Typ kondenzátoru", "Typ kondenzátora", "Kondensatoriaus tipas"}},
    {137, {"Ilość skraplaczy", "Number of condenser coils", "Počet kondenzátorů", "Počet kondenzátorov", "Kondensatorių skaičius"}},
    {140, {"Poz.", "Item", "Pol.", "Pol.", "Nr."}},
    {141, {"Model", "Model", "Model", "Model", "Modelis"}},
    {143, {"OPCJA NIE DOSTĘPNA", "NOT ACTIVE YET", "Nedostupné", "FUNKCIA ZATIAĽ NEDOSTUPNÁ", "Neaktyvuota"}},
    {144, {"AGREGATY SKRAPLAJĄCE NA PŁYCIE", "CONDENSING UNITS ON PLATE", "KONDENZAČNÍ JEDNOTKA NA RÁMU", "KONDENZAČNÉ JEDNOTKY NA OCEĽOVEJ DOSKE", "Agregatas ant rėmo"}},
    {145, {"AGREGATY SKRAPLAJĄCE W OBUDOWIE", "CONDENSING UNITS IN CASING", "KONDENZAČNÍ JEDNOTKA V KRYTU", "KONDENZAČNÉ JEDNOTKY V OCHRANNOM OBALE", "Agregatas apsauginiame korpūse"}},
};
// clang-format on

constexpr bool entriesAreOrderedAndFit()
{
    int previous = 0;
    for (const EntryTexts& row : kEntries) {
        if (row.entry <= previous || row.entry > kLanguageEntryCount)
            return false;
        previous = row.entry;
        // UTF-8 never takes fewer bytes than the 8-bit form, so this bounds the 8-bit length.
        for (std::string_view text : row.texts) {
            if (text.empty() || text.size() > static_cast<std::size_t>(kLanguageTextMaxLength))
                return false;
        }
    }
    return true;
}
static_assert(entriesAreOrderedAndFit());

bool isLanguage(int language)
{
    return language >= 1 && language <= kLanguageCount;
}

} // namespace

std::string_view languageName(int language)
{
    return isLanguage(language) ? kLanguageNames[static_cast<std::size_t>(language - 1)]
                                : std::string_view{};
}

CodePage languageCodePage(int language)
{
    return language == kLithuanian ? CodePage::Windows1257 : CodePage::Windows1250;
}

LanguageTable::LanguageTable()
{
    for (const EntryTexts& row : kEntries) {
        const auto index = static_cast<std::size_t>(row.entry - 1);
        for (std::size_t l = 0; l < records_.size(); ++l)
            records_[l].entries[index] = row.texts[l];
    }
    chooseLanguage(kEnglish);
}

std::string_view LanguageTable::text(int language, int entry) const
{
    if (!isLanguage(language) || entry < 1 || entry > kLanguageEntryCount)
        return {};
    return records_[static_cast<std::size_t>(language - 1)]
        .entries[static_cast<std::size_t>(entry - 1)];
}

std::string LanguageTable::textInCodePage(int language, int entry) const
{
    return fromUtf8(text(language, entry), languageCodePage(language));
}

void LanguageTable::chooseLanguage(int language)
{
    if (!isLanguage(language))
        return;
    for (std::size_t l = 0; l < records_.size(); ++l)
        records_[l].selected = static_cast<int>(l) + 1 == language;
    applySelection();
}

bool LanguageTable::isSelected(int language) const
{
    return isLanguage(language) && records_[static_cast<std::size_t>(language - 1)].selected;
}

void LanguageTable::applySelection()
{
    for (int l = 1; l <= kLanguageCount; ++l) {
        if (isSelected(l))
            current_ = l;
    }
}

} // namespace kelvo
