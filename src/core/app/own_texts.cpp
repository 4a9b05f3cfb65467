#include "core/app/own_texts.h"

#include <array>
#include <cstddef>
#include <utility>

#include "core/app/language_table.h"
#include "core/catalogue/catalogue_files.h"
#include "core/text/code_page.h"

namespace kelvo
{
namespace
{

using Texts = std::array<std::string_view, kLanguageCount>;

// Polish, English, Czech, Slovak, Lithuanian; in the order of OwnText.
// clang-format off
constexpr std::array<Texts, 63> kTexts = {{
    {"Temperatura skraplania > 70 C",
     "Condensing temperature > 70 C",
     "Kondenzační teplota > 70 C",
     "Kondenzačná teplota > 70 C",
     "Kondensacijos temperatūra > 70 C"},
    {"Nie znaleziono sprężarki agregatu (id '{}')",
     "The unit's compressor was not found (id '{}')",
     "Kompresor kondenzační jednotky nebyl nalezen (id '{}')",
     "Kompresor kondenzačnej jednotky sa nenašiel (id '{}')",
     "Agregato kompresorius nerastas (id '{}')"},
    {"Nie znaleziono skraplacza agregatu (id '{}')",
     "The unit's condenser was not found (id '{}')",
     "Kondenzátor kondenzační jednotky nebyl nalezen (id '{}')",
     "Kondenzátor kondenzačnej jednotky sa nenašiel (id '{}')",
     "Agregato kondensatorius nerastas (id '{}')"},
    {"Liczenie przerwane !\rNiepełne dane sprężarki lub skraplacza",
     "Calculation stopped !\rIncomplete compressor or condenser data",
     "Výpočet přerušen !\rNeúplné údaje kompresoru nebo kondenzátoru",
     "Výpočet prerušený !\rNeúplné údaje kompresora alebo kondenzátora",
     "Skaičiavimas nutrauktas !\rNepilni kompresoriaus arba kondensatoriaus duomenys"},
    {"Zakres temperatur parowania ponad {} kolumn",
     "Evaporating temperature range over {} columns",
     "Rozsah vypařovacích teplot přes {} sloupců",
     "Rozsah vyparovacích teplôt nad {} stĺpcov",
     "Garavimo temperatūrų intervale daugiau nei {} stulpelių"},
    {"Poza obszarem pracy sprężarki ({})",
     "Outside the compressor's operating envelope ({})",
     "Mimo pracovní oblast kompresoru ({})",
     "Mimo pracovnej oblasti kompresora ({})",
     "Už kompresoriaus darbo srities ribų ({})"},
    {"Tylko agregaty w obszarze pracy sprężarki",
     "Only units inside the compressor envelope",
     "Jen jednotky v pracovní oblasti kompresoru",
     "Len jednotky v pracovnej oblasti kompresora",
     "Tik agregatai kompresoriaus darbo srityje"},
    {"Obszar pracy sprężarki",
     "Operating envelope",
     "Pracovní oblast kompresoru",
     "Pracovná oblasť kompresora",
     "Kompresoriaus darbo sritis"},
    {"! brak wyników: obliczenie nie powiodło się",
     "! no figures: the calculation failed",
     "! bez hodnot: výpočet selhal",
     "! bez hodnôt: výpočet zlyhal",
     "! nėra reikšmių: skaičiavimas nepavyko"},
    {"* brak równowagi poniżej 70 C: wartości przy 70 C",
     "* no balance below 70 C: figures at 70 C",
     "* bez rovnováhy pod 70 C: hodnoty při 70 C",
     "* bez rovnováhy pod 70 C: hodnoty pri 70 C",
     "* nėra pusiausvyros žemiau 70 C: reikšmės esant 70 C"},
    {"# poza obszarem pracy sprężarki",
     "# outside the compressor's operating envelope",
     "# mimo pracovní oblast kompresoru",
     "# mimo pracovnej oblasti kompresora",
     "# už kompresoriaus darbo srities ribų"},
    {"Eksport listy i tabel",
     "Export the list and tables",
     "Export seznamu a tabulek",
     "Export zoznamu a tabuliek",
     "Sąrašo ir lentelių eksportas"},
    {"COP agregatu",
     "Unit COP",
     "COP jednotky",
     "COP jednotky",
     "Agregato COP"},
    {"Temperatura parowania to [°C]",
     "Evaporating temperature to [°C]",
     "Vypařovací teplota to [°C]",
     "Vyparovacia teplota to [°C]",
     "Garavimo temperatūra to [°C]"},
    {"Temperatura skraplania tk [°C]",
     "Condensing temperature tk [°C]",
     "Kondenzační teplota tk [°C]",
     "Kondenzačná teplota tk [°C]",
     "Kondensacijos temperatūra tk [°C]"},
    {"Obszar pracy 1",
     "Envelope 1",
     "Pracovní oblast 1",
     "Pracovná oblasť 1",
     "Darbo sritis 1"},
    {"Obszar pracy 2",
     "Envelope 2",
     "Pracovní oblast 2",
     "Pracovná oblasť 2",
     "Darbo sritis 2"},
    {"Punkt pracy",
     "Working point",
     "Pracovní bod",
     "Pracovný bod",
     "Darbo taškas"},
    {"Punkty zakresu w obszarze",
     "Range points inside",
     "Body rozsahu v oblasti",
     "Body rozsahu v oblasti",
     "Intervalo taškai srityje"},
    {"Punkty zakresu poza obszarem",
     "Range points outside",
     "Body rozsahu mimo oblast",
     "Body rozsahu mimo oblasti",
     "Intervalo taškai už srities"},
    {"Do porównania wybierz od dwóch do czterech agregatów (wybrano {})",
     "Choose two to four units to compare ({} chosen)",
     "K porovnání vyberte dvě až čtyři jednotky (vybráno {})",
     "Na porovnanie vyberte dve až štyri jednotky (vybraté {})",
     "Palyginimui pasirinkite nuo dviejų iki keturių agregatų (pasirinkta {})"},
    {"Porównać można najwyżej cztery agregaty",
     "At most four units can be compared",
     "Porovnat lze nejvýše čtyři jednotky",
     "Porovnať možno najviac štyri jednotky",
     "Palyginti galima ne daugiau kaip keturis agregatus"},
    {"w obszarze pracy sprężarki",
     "inside the compressor's operating envelope",
     "v pracovní oblasti kompresoru",
     "v pracovnej oblasti kompresora",
     "kompresoriaus darbo srityje"},
    {"sprężarka bez obszaru pracy",
     "the compressor has no envelope",
     "kompresor bez pracovní oblasti",
     "kompresor bez pracovnej oblasti",
     "kompresorius be darbo srities"},
    {"Wentylatory",
     "Fans",
     "Ventilátory",
     "Ventilátory",
     "Ventiliatoriai"},
    {"najlepsza wartość",
     "best value",
     "nejlepší hodnota",
     "najlepšia hodnota",
     "geriausia reikšmė"},
    {"także przy 43 °C",
     "also at 43 °C",
     "také při 43 °C",
     "aj pri 43 °C",
     "taip pat esant 43 °C"},
    {"Krzywe wydajności",
     "Performance curves",
     "Výkonové křivky",
     "Výkonové krivky",
     "Našumo kreivės"},
    {"Wydajność chłodnicza Qo [W]",
     "Cooling capacity Qo [W]",
     "Chladicí výkon Qo [W]",
     "Chladiaci výkon Qo [W]",
     "Šaldymo galia Qo [W]"},
    {"Pobór mocy Pe [kW]",
     "Power input Pe [kW]",
     "Příkon Pe [kW]",
     "Príkon Pe [kW]",
     "Naudojama galia Pe [kW]"},
    {"Otoczenie {} °C",
     "Ambient {} °C",
     "Okolí {} °C",
     "Okolie {} °C",
     "Aplinka {} °C"},
    {"Jednostki",
     "Units",
     "Jednotky",
     "Jednotky",
     "Vienetai"},
    {"Klasa bezpieczeństwa",
     "Safety class",
     "Bezpečnostní třída",
     "Bezpečnostná trieda",
     "Saugos klasė"},
    {"czynnik palny (klasa bezpieczeństwa {})",
     "flammable refrigerant (safety class {})",
     "hořlavé chladivo (bezpečnostní třída {})",
     "horľavé chladivo (bezpečnostná trieda {})",
     "degus šaltnešis (saugos klasė {})"},
    {"Wartość spoza zakresu fizycznego: {}",
     "Value outside its physical range: {}",
     "Hodnota mimo fyzikální rozsah: {}",
     "Hodnota mimo fyzikálneho rozsahu: {}",
     "Reikšmė už fizikinio intervalo ribų: {}"},
    {"Punkt równowagi bez dodatniej wydajności lub mocy ({})",
     "The balance point has no positive capacity or power ({})",
     "Bod rovnováhy nemá kladný výkon nebo příkon ({})",
     "Bod rovnováhy nemá kladný výkon alebo príkon ({})",
     "Pusiausvyros taško galia ar naudojama galia nėra teigiama ({})"},
    {"ilość sprężarek", "compressor count", "počet kompresorů", "počet kompresorov",
     "kompresorių skaičius"},
    {"ilość skraplaczy", "condenser count", "počet kondenzátorů", "počet kondenzátorov",
     "kondensatorių skaičius"},
    {"przegrzanie", "superheat", "přehřátí", "prehriatie", "perkaitinimas"},
    {"dochłodzenie", "subcooling", "podchlazení", "podchladenie", "peršaldymas"},
    {"temperatura ssania", "suction temperature", "teplota sání", "teplota sania",
     "siurbimo temperatūra"},
    {"to min", "to min", "to min", "to min", "to min"},
    {"to max", "to max", "to max", "to max", "to max"},
    {"mnożnik Qo", "Qo multiplier", "násobitel Qo", "násobiteľ Qo", "Qo daugiklis"},
    {"mnożnik Pe", "Pe multiplier", "násobitel Pe", "násobiteľ Pe", "Pe daugiklis"},
    {"moc wentylatora", "fan power", "příkon ventilátoru", "príkon ventilátora",
     "ventiliatoriaus galia"},
    {"ilość wentylatorów", "fan count", "počet ventilátorů", "počet ventilátorov",
     "ventiliatorių skaičius"},
    {"punkt obszaru pracy", "envelope point", "bod pracovní oblasti", "bod pracovnej oblasti",
     "darbo srities taškas"},
    {"Dokończono przerwany zapis katalogu w folderze {}",
     "An interrupted save of the catalogue was finished in the folder {}",
     "Přerušené uložení katalogu bylo dokončeno ve složce {}",
     "Prerušené uloženie katalógu bolo dokončené v priečinku {}",
     "Nutrauktas katalogo įrašymas užbaigtas aplanke {}"},
    {"Cofnięto przerwany zapis katalogu w folderze {}",
     "An interrupted save of the catalogue was undone in the folder {}",
     "Přerušené uložení katalogu bylo vráceno ve složce {}",
     "Prerušené uloženie katalógu bolo vrátené v priečinku {}",
     "Nutrauktas katalogo įrašymas atšauktas aplanke {}"},
    {"Nie można dokończyć ani cofnąć przerwanego zapisu katalogu w folderze {}",
     "An interrupted save of the catalogue can be neither finished nor undone in the folder {}",
     "Přerušené uložení katalogu nelze dokončit ani vrátit ve složce {}",
     "Prerušené uloženie katalógu nemožno dokončiť ani vrátiť v priečinku {}",
     "Nutraukto katalogo įrašymo negalima nei užbaigti, nei atšaukti aplanke {}"},
    {" (pozostało: {})",
     " (left over: {})",
     " (zůstalo: {})",
     " (zostalo: {})",
     " (liko: {})"},
    {"nie można zapisać arkusza {}",
     "cannot write the workbook {}",
     "sešit {} nelze zapsat",
     "zošit {} nemožno zapísať",
     "nepavyksta įrašyti darbaknygės {}"},
    {"za mało pamięci",
     "not enough memory",
     "nedostatek paměti",
     "nedostatok pamäte",
     "nepakanka atminties"},
    {"tekst komórki dłuższy niż 32767 znaków",
     "a cell's text is longer than 32767 characters",
     "text buňky je delší než 32767 znaků",
     "text bunky je dlhší ako 32767 znakov",
     "langelio tekstas ilgesnis nei 32767 simbolių"},
    {"nie można zapisać pliku tymczasowego skoroszytu (brak miejsca na dysku?)",
     "the workbook's temporary file cannot be written (no space left on the disk?)",
     "dočasný soubor sešitu nelze zapsat (není místo na disku?)",
     "dočasný súbor zošita nemožno zapísať (nie je miesto na disku?)",
     "nepavyksta įrašyti laikinojo darbaknygės failo (diske nėra vietos?)"},
    {"błąd biblioteki skoroszytów nr {}",
     "error {} of the workbook library",
     "chyba knihovny sešitů č. {}",
     "chyba knižnice zošitov č. {}",
     "darbaknygių bibliotekos klaida nr. {}"},
    {"Krok temperatury musi być większy od zera !",
     "The temperature step must be above zero !",
     "Teplotní krok musí být větší než nula !",
     "Teplotný krok musí byť väčší ako nula !",
     "Temperatūros žingsnis turi būti didesnis už nulį !"},
    {"Za dużo kolumn w raporcie: zwiększ krok temperatury !",
     "Too many columns in the report: make the temperature step larger !",
     "Příliš mnoho sloupců ve výkazu: zvětšete teplotní krok !",
     "Príliš veľa stĺpcov vo výkaze: zväčšite teplotný krok !",
     "Per daug stulpelių ataskaitoje: padidinkite temperatūros žingsnį !"},
    {"entalpia pary nie rośnie z temperaturą przy stałym ciśnieniu (wiersz {})",
     "the vapour enthalpy does not rise with temperature at one pressure (line {})",
     "entalpie páry neroste s teplotou při stálém tlaku (řádek {})",
     "entalpia pary nerastie s teplotou pri stálom tlaku (riadok {})",
     "garų entalpija nedidėja kylant temperatūrai esant pastoviam slėgiui (eilutė {})"},
    {"entalpia pary nasyconej różni się od korelacji czynnika o ponad 10 % (wiersz {})",
     "the saturated vapour enthalpy differs from the refrigerant's correlation by more than 10 % (line {})",
     "entalpie syté páry se liší od korelace chladiva o více než 10 % (řádek {})",
     "entalpia sýtej pary sa líši od korelácie chladiva o viac ako 10 % (riadok {})",
     "sočiųjų garų entalpija nuo šaltnešio koreliacijos skiriasi daugiau nei 10 % (eilutė {})"},
    {"nie można otworzyć modułu okien i rysunków programu ({})",
     "the program's module for windows and drawing cannot be opened ({})",
     "modul oken a kreslení programu nelze otevřít ({})",
     "modul okien a kreslenia programu nie je možné otvoriť ({})",
     "nepavyksta atverti programos langų ir piešimo modulio ({})"},
    {"Nic nie zapisano: plik {} należy do folderu danych programu. Wybierz inną nazwę.",
     "Nothing was written: {} is a file of the program's data folder. Choose another name.",
     "Nic nebylo zapsáno: {} je soubor datové složky programu. Zvolte jiný název.",
     "Nič sa nezapísalo: {} je súbor dátového priečinka programu. Zvoľte iný názov.",
     "Nieko neįrašyta: {} yra programos duomenų aplanko failas. Pasirinkite kitą pavadinimą."},
}};
// clang-format on

// Lithuanian letters outside Windows-1250 and the letters they fall back to.
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kBaseLetters = {{
    {"ė", "e"},
    {"Ė", "E"},
    {"į", "i"},
    {"Į", "I"},
    {"ų", "u"},
    {"Ų", "U"},
    {"ū", "u"},
    {"Ū", "U"},
}};

void replaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

void replacePlaceholder(std::string& text, std::string_view argument)
{
    if (const auto at = text.find("{}"); at != std::string::npos)
        text.replace(at, 2, argument);
}

} // namespace

std::string_view ownText(OwnText text, int language)
{
    if (language < 1 || language > kLanguageCount)
        language = kEnglish;
    return kTexts[static_cast<std::size_t>(text)][static_cast<std::size_t>(language - 1)];
}

std::string ownText(OwnText text, int language, std::string_view argument)
{
    std::string result(ownText(text, language));
    replacePlaceholder(result, argument);
    return result;
}

std::string ownTextInCatalogueCodePage(OwnText text, int language, std::string_view argument)
{
    std::string utf8(ownText(text, language));
    for (const auto& [letter, base] : kBaseLetters)
        replaceAll(utf8, letter, base);
    // The argument is catalogue bytes already: it goes in after the conversion.
    std::string bytes = fromUtf8(utf8);
    replacePlaceholder(bytes, argument);
    return bytes;
}

std::string recoveryText(const CatalogueRecovery& recovery, int language)
{
    using Done = CatalogueRecovery::Done;
    const OwnText said = recovery.done == Done::Finished ? OwnText::RecoveryFinished
                         : recovery.done == Done::Undone ? OwnText::RecoveryUndone
                                                         : OwnText::RecoveryStuck;
    std::string text = ownText(said, language, recovery.folder);
    if (!recovery.leftOver.empty())
        text += ownText(OwnText::RecoveryLeftOver, language, recovery.leftOver);
    return text;
}

} // namespace kelvo
